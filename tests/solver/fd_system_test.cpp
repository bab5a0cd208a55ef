// Finite-difference solution against closed forms and its edge cases.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/store.h"
#include "support/run_dir.h"
#include "solver/solver.h"
#include "solver/solver_fixture.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

// One linear solution and the response walk of the report.
void Solve_Once() {
    Solve_FD_System(1);
    SolutionState& s = g.sol;
    s.rd_MaxMoment = s.rd_MaxShear = s.rd_MaxStress = 0.0;
    for (int i = 1; i <= g.nodes.i_NumNodes; ++i) Nodal_Response(i);
}

struct ClosedFormCase {
    const char* name;
    int type;
    double v1, v2;
    // quantity compared: 0 head deflection, 1 head moment, 2 head shear, 3 largest moment
    int quantity;
};

double Computed(const ClosedFormCase& c) {
    Solve_Once();
    switch (c.quantity) {
        case 0: return g.nodes.y(1);
        case 1: Nodal_Response(1); return g.sol.rd_Moment;
        case 2: Nodal_Response(1); return g.sol.rd_Shear;
        default: return g.sol.rd_MaxMoment;
    }
}

double Exact(const ClosedFormCase& c, const PileSetup& p) {
    const BeamOnFoundation r = Hetenyi(c.type, c.v1, c.v2, p.EI, p.Es);
    switch (c.quantity) {
        case 0: return r.A;
        case 1: return r.head_moment();
        case 2: return r.head_shear();
        default: return 0.3224 * c.v1 / r.beta;  // e^(-pi/4) sin(pi/4) = 0.3224
    }
}

double Relative_Error(const ClosedFormCase& c, int increments) {
    PileSetup p;
    p.increments = increments;
    Set_Up_Pile(p);
    Set_Head(c.type, c.v1, c.v2);
    const double exact = Exact(c, p);
    return std::fabs(Computed(c) - exact) / std::fabs(exact);
}

// beta = (Es / 4 EI)^(1/4) = 0.012574 /in with EI = 1E10 lb-in^2 and Es = 1000 psi, so beta L = 10.
const double kKrBetween = 2.0 * 0.0125743 * 1.0E10;  // Kr = 2 beta EI: halfway in B between free and fixed

const ClosedFormCase kClosedForms[] = {
    {"free head, shear: head deflection 2 V0 beta / Es", 1, 1.0E4, 0.0, 0},
    {"free head, shear: largest moment 0.3224 V0 / beta", 1, 1.0E4, 0.0, 3},
    {"free head, moment: head deflection 2 M0 beta^2 / Es", 1, 0.0, 1.0E6, 0},
    {"fixed head: head deflection V0 beta / Es", 2, 1.0E4, 0.0, 0},
    {"fixed head: head moment -V0 / 2 beta", 2, 1.0E4, 0.0, 1},
    {"rotational restraint: head deflection", 3, 1.0E4, kKrBetween, 0},
    {"rotational restraint: head moment", 3, 1.0E4, kKrBetween, 1},
    {"given deflection, free head: head shear", 4, 0.5, 0.0, 2},
    {"given deflection and zero slope: head shear", 5, 0.5, 0.0, 2},
    {"given deflection and zero slope: head moment", 5, 0.5, 0.0, 1},
};

TEST(FdSystem, HetenyiClosedFormsWithinOnePercentAndSecondOrder) {
    for (const ClosedFormCase& c : kClosedForms) {
        SCOPED_TRACE(c.name);
        const double e100 = Relative_Error(c, 100), e200 = Relative_Error(c, 200), e400 = Relative_Error(c, 400);
        EXPECT_LT(e200, 0.01);
        EXPECT_GT(e100 / e200, 3.0);
        EXPECT_LT(e100 / e200, 5.0);
        EXPECT_GT(e200 / e400, 3.0);
        EXPECT_LT(e200 / e400, 5.0);
    }
}

TEST(FdSystem, RotationalRestraintLiesBetweenFreeAndFixedHead) {
    PileSetup p;
    Set_Up_Pile(p);
    Set_Head(3, 1.0E4, kKrBetween);
    Solve_Once();
    const double restrained = g.nodes.y(1);
    Set_Head(1, 1.0E4, 0.0);
    Solve_Once();
    const double free_head = g.nodes.y(1);
    Set_Head(2, 1.0E4, 0.0);
    Solve_Once();
    const double fixed_head = g.nodes.y(1);
    EXPECT_LT(restrained, free_head);
    EXPECT_GT(restrained, fixed_head);
}

TEST(FdSystem, HeadConditionEdgeCases) {
    PileSetup p;
    p.increments = 50;
    Set_Up_Pile(p);
    PileNode& nd = g.nodes;
    const int n = nd.i_NumNodes;

    Set_Head(1, 0.0, 0.0);
    Solve_Once();
    for (int i = -1; i <= n + 1; ++i) EXPECT_EQ(nd.y(i), 0.0) << i;

    Set_Head(2, 1.0E4, 0.0);
    Solve_Once();
    EXPECT_NEAR(nd.y(2), nd.y(0), 1e-15);

    Set_Head(3, 1.0E4, 0.0);
    Solve_Once();
    double with_kr0[60];
    for (int i = 1; i <= n; ++i) with_kr0[i] = nd.y(i);
    Set_Head(1, 1.0E4, 0.0);
    Solve_Once();
    for (int i = 1; i <= n; ++i) EXPECT_NEAR(with_kr0[i], nd.y(i), 1e-12 * std::fabs(nd.y(1))) << i;

    Set_Head(4, 0.0, 1.0E5);
    Solve_Once();
    EXPECT_EQ(nd.y(1), 0.0);

    Set_Head(5, 0.0, 0.0);
    nd.ys(1) = 0.2;
    Solve_Once();
    EXPECT_EQ(nd.y(1), 0.2);
    EXPECT_DOUBLE_EQ(nd.y(n + 1), 2.0 * nd.y(n) - nd.y(n - 1));
}

TEST(FdSystem, TipShearCurve) {
    PileSetup p;
    p.increments = 40;
    p.length = 400.0;
    Set_Up_Pile(p);
    ProblemData& pd = g.pd;
    Set_Tip_Shear_Line(100.0);
    Set_Head(1, 1.0E4, 0.0);
    const int n = g.nodes.i_NumNodes;
    struct { int points; double y_tip, vt; } cases[] = {
        {2, -0.5, -50.0},  // on the first segment, sign of the tip deflection
        {2, 0.25, 25.0},
        {2, 3.0, 100.0},   // beyond the last point: its shear
        {1, 0.5, 50.0},    // one point (1, 100): a line from the origin below it
        {1, -2.0, -100.0}, // and constant beyond it
    };
    for (const auto& c : cases) {
        pd.i_NumTipShearPts = c.points;
        if (c.points == 1) {
            pd.rd_TipShearY(1) = 1.0;
            pd.rd_TipShearV(1) = 100.0;
        }
        g.nodes.y(n) = c.y_tip;
        Solve_FD_System(1);
        EXPECT_DOUBLE_EQ(g.sol.rd_TipShear, c.vt) << c.points << " " << c.y_tip;
    }
}


TEST(FdSystem, CompressionRaisesDeflectionAndMoment) {
    PileSetup p;
    const double p_winkler = 2.0 * std::sqrt(p.Es * p.EI);  // buckling load of an infinite beam on the soil
    Set_Up_Pile(p);
    Set_Head(1, 1.0E4, 0.0, 0.0);
    Solve_Once();
    const double y0 = g.nodes.y(1), m0 = g.sol.rd_MaxMoment;
    Set_Head(1, 1.0E4, 0.0, 0.3 * p_winkler);
    Solve_Once();
    EXPECT_GT(g.nodes.y(1), 1.2 * y0);
    EXPECT_GT(g.sol.rd_MaxMoment, 1.2 * m0);
    Set_Head(1, 1.0E4, 0.0, -0.3 * p_winkler);  // tension stiffens
    Solve_Once();
    EXPECT_LT(g.nodes.y(1), y0);
}

// A free pile end on a Winkler soil buckles at sqrt(Es EI), half the load of
// an infinite beam; a short rigid pile with a free head at Es L^2 / 12 (rotation).
struct BucklingCase {
    const char* name;
    double length;
    int type;
    double load_fraction;  // of 2 sqrt(Es EI)
    bool buckles;
};

const BucklingCase kBuckling[] = {
    {"long pile, free head, below sqrt(Es EI)", 800.0, 1, 0.45, false},
    {"long pile, free head, above sqrt(Es EI)", 800.0, 1, 0.55, true},
    {"long pile, fixed head: its free tip buckles", 800.0, 2, 0.55, true},
    {"long pile, given deflection and slope, below", 800.0, 5, 0.45, false},
    {"short pile, free head, below Es L^2 / 12", 60.0, 1, 0.04, false},
    {"short pile, free head, above Es L^2 / 12", 60.0, 1, 0.06, true},
    {"short pile, given deflection and slope, above Euler", 60.0, 5, 1.25, true},
};

TEST(FdSystem, AxialLoadBeyondBucklingStopsWithRuntimeError44) {
    for (const BucklingCase& c : kBuckling) {
        SCOPED_TRACE(c.name);
        PileSetup p;
        p.length = c.length;
        Set_Up_Pile(p);
        Set_Head(c.type, c.type == 5 ? 0.5 : 1.0E4, 0.0, c.load_fraction * 2.0 * std::sqrt(p.Es * p.EI));
        Captured report(g_Out.report), msg(g_Out.msg);
        EXPECT_EQ(Error_State_Of([] { Solve_FD_System(1); }), c.buckles ? 244 : 0);
        if (c.buckles) {
            EXPECT_EQ(g.nodes.y(1), 0.0);  // the deflections are not replaced
            const auto lines = Lines(report.text());
            ASSERT_GE(lines.size(), 6u);
            EXPECT_EQ(lines[0], "");
            EXPECT_EQ(lines[1], "");
            EXPECT_EQ(lines[2], "**** Runtime Error No. 44 ****");
            EXPECT_EQ(lines[4], "Problem:  The pile is unstable under the axial load: the stiffness of the pile");
            EXPECT_NE(msg.text().find("**** Runtime Error No. 44 ****"), std::string::npos);
        }
    }
}

TEST(FdSystem, HeadSystemTestsItsLastPivot) {
    PileSetup p;
    p.increments = 40;
    Set_Up_Pile(p);
    SolutionState& s = g.sol;
    for (int i = 1; i <= 5; ++i) {
        s.F(i, i) = i < 5 ? 1.0 : 0.0;
        s.G(i) = i;
    }
    Captured report(g_Out.report), msg(g_Out.msg);
    try {
        Solve_Head_System(5);
        ADD_FAILURE() << "no error";
    } catch (const EngineStop&) {
    }
    EXPECT_EQ(g.err.i_ErrorState, 211);
    const std::string block =
        "**** Runtime Error No. 11 ****\n"
        "\n"
        "Problem:  Solution failed due to small pivot value.\n"
        "          Node number = 5\n"
        "          Pivot value =  0.00000E+00\n"
        "\n"
        "Solution: This error usually occurs when a lateral bearing capacity failure occurs.  \n"
        "          Reduce the load on the pile and repeat the analysis.\n"
        "          You may also consider increasing pile diameter or pile length.\n";
    const std::string one = "  0.1000E+01", zero = "  0.0000E+00";
    std::string f_rows;
    for (int j = 1; j <= 5; ++j) {
        for (int i = 1; i <= 5; ++i) f_rows += (i == j && j < 5) ? one : zero;
        f_rows += "\n";
    }
    const std::string dump = "\n\nF Matrix \n\n" + f_rows + "\n" +
                             "\n\nG Vector \n\n  0.1000E+01\n  0.2000E+01\n  0.3000E+01\n  0.4000E+01\n  0.5000E+01\n\n" +
                             "\n\nYG Vector\n\n" + zero + "\n" + zero + "\n" + zero + "\n" + zero + "\n" + zero + "\n\n";
    EXPECT_EQ(report.text(), block + dump);
    EXPECT_EQ(msg.text(), block);
}

}  // namespace
}  // namespace tarvex_test
