// Stiff clay with free water (Reese, Cox and Koop 1975), without free water
// (Welch and Reese 1972) and without free water with k: secant moduli against
// the criteria, static and cyclic, defaults, warnings and input errors.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/errors.h"
#include "soil/py_model_fixture.h"
#include "soil/py_models.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

constexpr double kB = 24.0;        // in
constexpr double kGamma = 0.0625;  // lb/in^3
constexpr double kC = 10.0;        // psi
constexpr double kEps = 0.005;
constexpr double kK = 1000.0;      // lb/in^3

int Clay_Layer(int model, double c, double eps50, double k, int units = kUnitsUS) {
    SoilPile p;
    p.units = units;
    Set_Up_Soil_Pile(p);
    const int layer = Add_Layer(model, 0.0, 480.0);
    Set_Column(g.pd.rd_ProfileGamma, layer, kGamma, kGamma);
    Set_Column(g.pd.rd_ProfileStrength, layer, c, c);
    Set_Column(g.pd.rd_ProfileEps50, layer, eps50, eps50);
    g.pd.rd_LayerKTop(layer) = g.pd.rd_LayerKBottom(layer) = k;
    return layer;
}

double F(double v) { return double(float(v)); }

// Free-water criteria, written out here; constant strength, so ca = c.
double Ref_With_Water(double x, double y, bool cyclic) {
    const double z = x / kB;
    const double As = z > F(3.3) ? F(0.6)
                                 : std::min((z * z * F(0.0068981) + F(0.2958796)) * z + (F(0.2345) - z * z * F(0.0786111)), F(0.6));
    const double Ac = z > F(1.5) ? F(0.3)
                                 : std::min((z * z * F(0.011667) + F(0.153333)) * z + (F(0.2) - z * z * F(0.075)), F(0.3));
    const double pc = std::min((kGamma * kB + F(2.83) * kC) * x + 2 * kC * kB, 11 * kC * kB);
    const double y50 = kEps * kB;
    double p;
    if (!cyclic) {
        if (y <= As * y50) p = 0.5 * pc * std::sqrt(y / y50);
        else if (y <= 6 * As * y50) p = (0.5 * std::sqrt(y / y50) - F(0.055) * std::pow(y / (As * y50) - 1, 1.25)) * pc;
        else if (y <= 18 * As * y50) p = 0.5 * std::sqrt(6 * As) * pc - F(0.411) * pc - 0.0625 * pc * (y - 6 * As * y50) / y50;
        else p = 0.5 * std::sqrt(6 * As) * pc - 0.75 * As * pc - F(0.411) * pc;
    } else {
        const double yp = F(4.1) * As * y50;
        if (y <= F(0.6) * yp) p = Ac * pc * (1 - std::pow(std::fabs((y - F(0.45) * yp) / (F(0.45) * yp)), 2.5));
        else if (y <= F(1.8) * yp) p = F(0.936) * Ac * pc - F(0.085) * pc * (y - F(0.6) * yp) / y50;
        else p = F(0.936) * Ac * pc - F(0.102) * pc * yp / y50;
    }
    return std::min(p, kK * x * y);
}

// Criteria without free water; with_k bounds the curve by k x y.
double Ref_Without_Water(double x, double y, bool cyclic, double N, bool with_k) {
    const double pu = std::min((kGamma * kB + 0.5 * kC) * x + 3 * kB * kC, 9 * kB * kC);
    const double y50 = 2.5 * kEps * kB;
    double p;
    if (!cyclic) p = y <= 16 * y50 ? 0.5 * pu * std::pow(y / y50, 0.25) : pu;
    else p = std::min(0.5 * pu * std::pow(y / ((1 + F(0.6) * std::log10(N)) * y50), 0.25), pu);
    if (with_k && (cyclic || y <= 16 * y50)) p = std::min(p, kK * x * y);
    return p;
}

struct Case {
    bool cyclic;
    double depth, y;
};
const Case kCases[] = {{false, 20, 0.01}, {false, 60, 0.05}, {false, 60, 0.4}, {false, 200, 1.0},
                       {false, 100, 5.0}, {true, 20, 0.02},  {true, 60, 0.1},  {true, 100, 0.5},
                       {true, 200, 3.0}};

TEST(StiffClayWithFreeWater, SecantModuliFollowTheCriteria) {
    for (const Case& c : kCases) {
        const int k = Clay_Layer(kStfClyBW, kC, kEps, kK);
        g.pd.b_CyclicLoading = c.cyclic ? kTrue : kFalse;
        g.pd.rd_NumCycles = c.cyclic ? 100 : 0;
        Set_Deflections(c.y);
        Run_Layer(PY_StfClyBW, k);
        const double want = Ref_With_Water(c.depth, c.y, c.cyclic) / c.y;
        EXPECT_NEAR(g.nodes.Es(Node_At(c.depth)), want, 1e-10 * std::fabs(want) + 1e-9)
            << "cyclic " << c.cyclic << " depth " << c.depth << " y " << c.y;
    }
}

TEST(StiffClayWithFreeWater, ZeroDeflectionGivesKxStaticAndCyclic) {
    for (Flag cyclic : {kFalse, kTrue}) {
        const int k = Clay_Layer(kStfClyBW, kC, kEps, kK);
        g.pd.b_CyclicLoading = cyclic;
        Set_Deflections(0.0);
        Run_Layer(PY_StfClyBW, k);
        EXPECT_DOUBLE_EQ(g.nodes.Es(Node_At(60.0)), kK * 60.0);
    }
}

TEST(StiffClayWithFreeWater, StaticCurveEndsAtTheResidualResistance) {
    const int k = Clay_Layer(kStfClyBW, kC, kEps, kK);
    const CurveText t = Report_Curve(PY_StfClyBW, k, 200.0);
    const double As = F(0.6), pc = 11 * kC * kB;
    const double pr = (0.5 * std::sqrt(6 * As) - F(0.411) - 0.75 * As) * pc;
    EXPECT_TRUE(Has_Line(t.report, Param("pu", Edit_F(pr, 12, 3), "lbs/in")));
    const auto plot = Lines(t.plot);
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[17], Edit_E(19 * As * kEps * kB, 15, 7) + Edit_E(pr, 15, 7) + std::string(50, ' ') +
                            "Line 8(17): y, p, for static stiff clay with free water");
    EXPECT_LT(pr, 0.5 * std::sqrt(6 * As) * pc - F(0.411) * pc);  // below the peak
}

TEST(StiffClayWithFreeWater, CyclicReportBlock) {
    const int k = Clay_Layer(kStfClyBW, kC, kEps, kK);
    g.pd.b_CyclicLoading = kTrue;
    g.pd.rd_NumCycles = 100;
    const CurveText t = Report_Curve(PY_StfClyBW, k, 60.0);
    const auto lines = Lines(t.report);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[2], "p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free Water");
    for (const std::string& want : std::vector<std::string>{
             Param("Soil Layer Number", "           1"), Param("Equivalent Depth", "      60.000", "in"),
             Param("c (at curve depth)", "      10.000", "lbs/in**2"), Param("Avergage c", "      10.000", "lbs/in**2"),
             Param("Epsilon50", "     0.00500"), Param("k", "    1000.000", "pci"), Param("Ac", "       0.300"),
             Param("Number of Cycles of Loading", "        100."),
             "        y, in              p,lbs/in", "----------------    -----------------"})
        EXPECT_TRUE(Has_Line(t.report, want)) << want;
    // Rows in F15.4 and F17.3; the first is the origin.
    EXPECT_EQ(lines[lines.size() - 17], "         0.0000            0.000");
    EXPECT_EQ(Lines(t.plot)[0], Edit_E(60.0, 15, 7) + "   17" + std::string(60, ' ') +
                                         "Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on "
                                         "curve no. 1");
}

TEST(StiffClayWithoutFreeWater, SecantModuliFollowTheCriteria) {
    for (bool with_k : {false, true}) {
        for (const Case& c : kCases) {
            const int k = Clay_Layer(with_k ? kStfClyAK : kStfClyAW, kC, kEps, kK);
            g.pd.b_CyclicLoading = c.cyclic ? kTrue : kFalse;
            g.pd.rd_NumCycles = c.cyclic ? 100 : 0;
            Set_Deflections(c.y);
            Run_Layer(with_k ? PY_StfClyAK : PY_StfClyAW, k);
            const double want = Ref_Without_Water(c.depth, c.y, c.cyclic, 100, with_k) / c.y;
            EXPECT_NEAR(g.nodes.Es(Node_At(c.depth)), want, 1e-10 * want)
                << "k " << with_k << " cyclic " << c.cyclic << " depth " << c.depth << " y " << c.y;
        }
    }
}

// On sloping ground the shallow resistance is scaled by 1 / (1 + tan|beta|) when
// the pile deflects down the slope and by 1 / (1 - tan|beta|) when it deflects up it.
TEST(StiffClayWithoutFreeWater, SlopingGroundScalesTheShallowResistance) {
    const double beta = 15.0 * 3.141592653589793 / 180;
    for (double y : {0.05, -0.05}) {
        const int k = Clay_Layer(kStfClyAW, kC, kEps, kK);
        g.pd.rd_SlopeAngle = g.pd.rd_EffSlopeAngle = beta;
        Set_Deflections(y);
        Run_Layer(PY_StfClyAW, k);
        const double F = y > 0 ? 1 / (1 + std::tan(beta)) : 1 / (1 - std::tan(beta));
        const double pu = std::min(((kGamma * kB + 0.5 * kC) * 20 + 3 * kB * kC) * F, 9 * kB * kC);
        const double want = 0.5 * pu * std::pow(0.05 / (2.5 * kEps * kB), 0.25) / 0.05;
        EXPECT_NEAR(g.nodes.Es(Node_At(20.0)), want, 1e-6 * want) << y;
    }
}

TEST(StiffClayWithoutFreeWater, SmallDeflectionsTakeTheLimitingModulus) {
    const int k = Clay_Layer(kStfClyAW, kC, kEps, kK);
    Set_Deflections(1.0E-6);  // below 2e-5 b
    Run_Layer(PY_StfClyAW, k);
    const double ylim = 2.0E-5 * kB;
    const double lim = Ref_Without_Water(60, ylim, false, 1, false) / ylim;
    EXPECT_NEAR(g.nodes.Es(Node_At(60.0)), lim, 1e-12 * lim);
    const int k2 = Clay_Layer(kStfClyAK, kC, kEps, kK);
    Set_Deflections(0.0);
    Run_Layer(PY_StfClyAK, k2);
    EXPECT_DOUBLE_EQ(g.nodes.Es(Node_At(60.0)), kK * 60.0);
}

TEST(StiffClayWithoutFreeWater, OneCycleGivesTheStaticCurveUpToPu) {
    const int k = Clay_Layer(kStfClyAW, kC, kEps, kK);
    g.pd.b_CyclicLoading = kTrue;
    g.pd.rd_NumCycles = 1;
    const double y50 = 2.5 * kEps * kB;
    for (double y : {0.5 * y50, 10 * y50, 16 * y50, 17 * y50}) {
        Set_Deflections(y);
        Run_Layer(PY_StfClyAW, k);
        const double cyclic = g.nodes.Es(Node_At(60.0));
        const double stat = Ref_Without_Water(60, y, false, 1, false) / y;
        EXPECT_NEAR(cyclic, stat, 1e-10 * stat) << y;
    }
}

TEST(StiffClayWithoutFreeWater, StaticLoadingCountsOneCycle) {
    const int k = Clay_Layer(kStfClyAW, kC, kEps, kK);
    g.pd.rd_NumCycles = 0;
    Set_Deflections(0.2);
    Run_Layer(PY_StfClyAW, k);
    EXPECT_EQ(g.pd.rd_NumCycles, 1.0);
}

TEST(StiffClayWithoutFreeWater, DefaultEpsilon50FromTheStrength) {
    struct Row {
        int model, units;
        double c, eps50;
    };
    const Row rows[] = {{kStfClyAW, kUnitsUS, 10.0, 0.007000000216066837},
                        {kStfClyAW, kUnitsUS, 5.0, 0.010999999940395355},
                        {kStfClyAK, kUnitsUS, 30.0, 0.004000000189989805},
                        {kStfClyBW, kUnitsUS, 20.0, 0.004999999888241291},
                        {kStfClyAW, kUnitsSI, 100.0, 0.004999999888241291}};
    for (const Row& r : rows) {
        const int k = Clay_Layer(r.model, r.c, 0.0, 500.0, r.units);
        const CurveText t =
            Report_Curve(r.model == kStfClyAW ? PY_StfClyAW : r.model == kStfClyAK ? PY_StfClyAK : PY_StfClyBW, k, 60.0);
        const bool bw = r.model == kStfClyBW;
        EXPECT_TRUE(Has_Line(t.report, Param(bw ? "Epsilon50" : "Epsilon-50", Edit_F(r.eps50, 12, bw ? 5 : 3))))
            << r.model << " " << r.c;
        EXPECT_TRUE(Has_Line(t.report, Param("y50", Edit_F((bw ? 1.0 : 2.5) * r.eps50 * kB, 12, 3),
                                             r.units == kUnitsUS ? "in" : "m")))
            << r.model << " " << r.c;
    }
}

TEST(StiffClay, DefaultSubgradeModulusFromTheStrength) {
    struct Row {
        int model;
        bool cyclic;
        double c, k;
    };
    const Row rows[] = {{kStfClyBW, false, 10.0, 500.0}, {kStfClyBW, true, 30.0, 800.0}, {kStfClyAK, false, 5.0, 250.0}};
    for (const Row& r : rows) {
        const int k = Clay_Layer(r.model, r.c, kEps, 0.0);
        g.pd.b_CyclicLoading = r.cyclic ? kTrue : kFalse;
        g.pd.rd_NumCycles = r.cyclic ? 100 : 0;
        Set_Deflections(0.0);
        Run_Layer(r.model == kStfClyBW ? PY_StfClyBW : PY_StfClyAK, k);
        EXPECT_DOUBLE_EQ(g.nodes.Es(Node_At(60.0)), r.k * 60.0) << r.model << " " << r.c;
    }
}

TEST(StiffClay, SubgradeModulusWithoutABottomValueIsConstant) {
    for (int model : {kStfClyBW, kStfClyAK}) {
        const int k = Clay_Layer(model, kC, kEps, 700.0);
        g.pd.rd_LayerKBottom(k) = 0.0;
        Set_Deflections(0.0);
        Run_Layer(model == kStfClyBW ? PY_StfClyBW : PY_StfClyAK, k);
        EXPECT_DOUBLE_EQ(g.nodes.Es(Node_At(400.0)), 700.0 * 400.0) << model;
        EXPECT_EQ(g.pd.rd_LayerKBottom(k), 700.0);
    }
}

TEST(StiffClay, StrengthWarnings) {
    struct Row {
        int model, units;
        double c;
        int warning;
    };
    const Row rows[] = {{kStfClyBW, kUnitsUS, 3.0, 3051},   {kStfClyBW, kUnitsUS, 60.0, 3052},
                        {kStfClyBW, kUnitsSI, 20.0, 3053},  {kStfClyBW, kUnitsSI, 400.0, 3054},
                        {kStfClyAW, kUnitsUS, 3.0, 3061},   {kStfClyAW, kUnitsUS, 60.0, 3062},
                        {kStfClyAW, kUnitsSI, 20.0, 3063},  {kStfClyAW, kUnitsSI, 400.0, 3064},
                        {kStfClyAK, kUnitsUS, 3.0, 3261},   {kStfClyAK, kUnitsUS, 60.0, 3262},
                        {kStfClyAK, kUnitsSI, 20.0, 3263},  {kStfClyAK, kUnitsSI, 400.0, 3264}};
    for (const Row& r : rows) {
        const int k = Clay_Layer(r.model, r.c, kEps, 500.0, r.units);
        Set_Deflections(0.01);
        Run_Layer(r.model == kStfClyBW ? PY_StfClyBW : r.model == kStfClyAW ? PY_StfClyAW : PY_StfClyAK, k);
        EXPECT_EQ(g.err.i_WarningTally(r.warning), g.nodes.i_NumNodes) << r.warning;
        EXPECT_EQ(Count_Distinct_Warnings(), 1) << r.warning;
    }
}

TEST(StiffClay, ZeroStrengthBelowTheTopNodeIsInputError14Or13) {
    struct Row {
        int model, state;
        std::string block;
    };
    const std::vector<Row> rows = {
        {kStfClyBW, 114,
         "**** Input Data Error No. 14 ****\n\n"
         "An error was detected in the input data used to compute p-y curves in \n"
         "stiff clay with free water.\n\n"
         "Problem:  Zero was input for the cohesion of a stiff clay. \n\n"
         "Solution:  Check and compare the values of shear strength and revise the \n"
         "input so that the strength values are correct for the soil types specified.\n\n"},
        {kStfClyAW, 113,
         "**** Input Data Error No. 13 ****\n\n"
         "An error was detected in the input data.\n"
         "Problem:  Zero was input for cohesion of stiff clay without free water.\n\n"
         "Solution:  Please check the values of soil shear strength and revise the input data.\n\n"},
        {kStfClyAK, 113,
         "**** Input Data Error No. 13 ****\n\n"
         "An error was detected in the input data.\n"
         "Problem:  Zero was input for cohesion of stiff clay without free water.\n\n"
         "Solution:  Please check the values of soil shear strength and revise\n"
         "the input data.\n\n"}};
    for (const Row& r : rows) {
        auto f = r.model == kStfClyBW ? PY_StfClyBW : r.model == kStfClyAW ? PY_StfClyAW : PY_StfClyAK;
        const int k = Clay_Layer(r.model, 0.0, kEps, 500.0);
        g.pd.rd_ProfileStrength(2) = 10.0;  // zero at the layer top is accepted
        Set_Deflections(0.01);
        Run_Layer(f, k);
        EXPECT_EQ(g.err.i_ErrorState, 0);
        g.pd.rd_ProfileStrength(2) = 0.0;
        Captured rep(g_Out.report), msg(g_Out.msg);
        EXPECT_EQ(Stop_State([&] { Run_Layer(f, k); }), r.state);
        EXPECT_EQ(msg.text(), r.block);
        EXPECT_EQ(rep.text(), r.block + "\n\nTarvex ended prematurely due to input error number INP000" +
                                  std::to_string(r.state - 100) + "\n");
    }
}

TEST(StiffClayWithoutFreeWater, ReportBlocks) {
    const int k = Clay_Layer(kStfClyAK, kC, kEps, kK);
    g.pd.b_CyclicLoading = kTrue;
    g.pd.rd_NumCycles = 10;
    const CurveText t = Report_Curve(PY_StfClyAK, k, 60.0);
    const auto lines = Lines(t.report);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[2], "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water");
    EXPECT_EQ(lines[3], "with Option of Defining Initial k");
    EXPECT_EQ(lines[4], "");
    for (const std::string& want : std::vector<std::string>{
             Param("Undrained cohesion, c", "    10.00000", "lbs/in**2"), Param("k", "       1000.", "pci"),
             Param("Pu", Edit_F(std::min((kGamma * kB + 0.5 * kC) * 60 + 3 * kB * kC, 9 * kB * kC), 12, 3), "lbs/in"),
             Param("Number of Cycles of Loading", "         10."), "        y, in            p, lbs/in"})
        EXPECT_TRUE(Has_Line(t.report, want)) << want;
    EXPECT_FALSE(Has_Line(t.report, Param("Ground Slope Angle", "       0.000", "degrees")));
    // The last point: 1.25 (9.6 log10 N + 16) y50.
    const double y50 = 2.5 * kEps * kB, ye = 1.25 * (F(9.6) * 1.0 + 16) * y50;
    const auto plot = Lines(t.plot);
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[17], Edit_E(ye, 15, 7) + Edit_E(Ref_Without_Water(60, ye, true, 10, true), 15, 7) +
                            std::string(50, ' ') + "Line 8(17): y, p, for stiff clay with k");

    const int k2 = Clay_Layer(kStfClyAW, kC, kEps, 0.0);
    const CurveText s = Report_Curve(PY_StfClyAW, k2, 60.0);
    EXPECT_EQ(Lines(s.report)[2], "p-y Curve Computed Using Static Criteria for Stiff Clay without Free Water");
    EXPECT_TRUE(Has_Line(s.report, Param("Pile Batter Angle", "       0.000", "degrees")));
    EXPECT_EQ(Lines(s.plot)[17].substr(0, 15), Edit_E(F(16.8) * y50, 15, 7));
}

// The sloping-ground factor of the stiff clay criteria divides by cos(beta + 45 degrees):
// an effective slope of 45 degrees or steeper is refused in every stiff clay model.
TEST(StiffClay, EffectiveSlopeOf45DegreesIsInputError86InEveryModel) {
    for (int model : {kStfClyBW, kStfClyAW, kStfClyAK}) {
        auto f = model == kStfClyBW ? PY_StfClyBW : model == kStfClyAW ? PY_StfClyAW : PY_StfClyAK;
        const int k = Clay_Layer(model, kC, kEps, kK);
        Set_Deflections(0.01);
        g.pd.rd_EffSlopeAngle = 0.7853981633974483;
        Captured rep(g_Out.report), msg(g_Out.msg);
        EXPECT_EQ(Stop_State([&] { Run_Layer(f, k); }), 186) << model;
        EXPECT_NE(msg.text().find("**** Input Data Error No. 86 ****"), std::string::npos) << model;
        g.pd.rd_EffSlopeAngle = 0.78;  // just flatter: a finite modulus at every node
        Run_Layer(f, k);
        for (int i = 1; i <= g.nodes.i_NumNodes; ++i) EXPECT_TRUE(std::isfinite(g.nodes.Es(i))) << model << " " << i;
    }
}

}  // namespace
}  // namespace tarvex_test
