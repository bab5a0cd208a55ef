// Soft clay p-y curves: secant moduli against the criteria computed here,
// Matlock's published curve, the branches of the cyclic curve, the strength
// and slope checks, the layer resistance and the report block.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "soil/py_models.h"
#include "soil_fixture.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

constexpr double kB = 12.0, kL = 600.0, kEps = 0.01, kY50 = 2.5 * kEps * kB;

// Layer [0, 600] in: c from 2 to 6 psi, unit weight 0.02 to 0.03 pci, eps50 0.01.
double C_At(double x) { return 2.0 + 4.0 * x / kL; }
double Gamma_Avg(double x) { return 0.02 + 0.01 * x / kL / 2; }

void Set_Up_Soft_Clay(int model = kSoftClay) {
    Set_Up_Soil(kUnitsUS, kL, kB, 60, {{model, 0.0, kL, 2.0, 6.0, 0.02, 0.03, kEps, kEps, 0.5, 0.5}});
    PileNode& nd = g.nodes;
    nd.rd_IncrementLength = 10.0;
    for (int i = 1; i <= 61; ++i) nd.xa(i) = nd.xv(i) = 10.0 * (i - 1);
    nd.ITOP = 1, nd.IBOT = 61;
}

// The soft clay curve at depth x and deflection y, from the criteria.
struct Reference {
    double c, gamma, J, x, b, y50, Np, pu, Xr, pc, pd, es_lim;
    Reference(double x_, double J_ = 0.5, double F = 1.0) : c(C_At(x_)), gamma(Gamma_Avg(x_)), J(J_), x(x_), b(kB), y50(kY50) {
        Np = (3 + gamma * x / c + J * x / b) * F;
        pu = std::min(Np, 9.0) * c * b;
        Xr = std::max(6 * b * c / (b * gamma + J * c), 2.5 * b);
        pc = 0.7211247682571411 * pu;
        pd = pc * x / Xr;
        es_lim = pu * 0.01077217236161232 / (y50 * 2.9999999242136255E-05);
    }
    double p(double y, bool cyclic) const {
        if (y < 9.999999747378752E-06 * y50) return es_lim * y;
        const double shape = 0.5 * pu * std::pow(y / y50, 0.3333333432674408);
        if (!cyclic) return y <= 8 * y50 ? shape : pu;
        if (y <= 3 * y50) return shape;
        if (x >= Xr) return pc;
        if (y <= 15 * y50) return pc + (pd - pc) * (y - 3 * y50) / (12 * y50);
        return pd;
    }
    double Es(double y, bool cyclic) const { return y < 9.999999747378752E-06 * y50 ? es_lim : p(y, cyclic) / y; }
};

struct CurveCase {
    int node;        // xa = 10 (node - 1)
    double y_over_y50;
    bool cyclic;
    const char* branch;
};

class SoftClayModulus : public testing::TestWithParam<CurveCase> {};

TEST_P(SoftClayModulus, MatchesTheCriteria) {
    const CurveCase& t = GetParam();
    Set_Up_Soft_Clay();
    g.pd.b_CyclicLoading = t.cyclic ? kTrue : kFalse;
    const double y = t.y_over_y50 * kY50;
    g.nodes.y(t.node) = -y;  // the curve is symmetric in the deflection
    PY_SoftClay(1);
    const Reference r(g.nodes.xa(t.node));
    EXPECT_NEAR(g.nodes.Es(t.node), r.Es(y, t.cyclic), 1e-12 * r.Es(y, t.cyclic)) << t.branch;
}

INSTANTIATE_TEST_SUITE_P(
    Branches, SoftClayModulus,
    testing::Values(CurveCase{5, 0.0, false, "zero deflection: the limiting modulus"},
                    CurveCase{5, 5.0E-6, false, "straight initial branch"},
                    CurveCase{5, 0.5, false, "cube-root curve"},
                    CurveCase{31, 4.0, false, "cube-root curve at depth"},
                    CurveCase{61, 10.0, false, "beyond 8 y50 at the tip: pu"},
                    CurveCase{11, 10.0, false, "beyond 8 y50 where Np < 9"},
                    CurveCase{3, 2.0, true, "cyclic cube-root curve"},
                    CurveCase{3, 9.0, true, "cyclic descending branch above Xr"},
                    CurveCase{1, 9.0, true, "cyclic descending to zero at the ground surface"},
                    CurveCase{3, 20.0, true, "cyclic reduced plateau pd"},
                    CurveCase{41, 5.0, true, "cyclic flat plateau below Xr"},
                    CurveCase{41, 0.0, true, "cyclic zero deflection"}));

TEST(SoftClay, AgreesWithMatlocksPublishedCurve) {
    Set_Up_Soft_Clay();
    PileNode& nd = g.nodes;
    for (int i = 1; i <= 61; ++i) nd.y(i) = (0.25 + 0.15 * (i % 50)) * kY50;
    PY_SoftClay(1);
    for (int i : {2, 10, 30, 61}) {
        const double x = nd.xa(i), c = C_At(x), y = nd.y(i);
        const double pu = std::min((3 + Gamma_Avg(x) * x / c + 0.5 * x / kB) * c * kB, 9 * c * kB);
        const double p = y <= 8 * kY50 ? pu * 0.5 * std::cbrt(y / kY50) : pu;
        EXPECT_NEAR(nd.Es(i) * y, p, 1e-6 * p) << i;
    }
}

TEST(SoftClay, MultipliersScaleTheCurveButNotTheLimitingModulus) {
    Set_Up_Soft_Clay();
    ProblemData& pd = g.pd;
    pd.i_NumPYMult = 2;
    pd.rd_PYMultDepth(1) = 0.0, pd.rd_PYMultDepth(2) = kL;
    pd.rd_PMult(1) = pd.rd_PMult(2) = 0.6;
    pd.rd_YMult(1) = pd.rd_YMult(2) = 2.0;
    PileNode& nd = g.nodes;
    nd.y(20) = 3.0 * kY50;
    PY_SoftClay(1);
    const Reference r20(nd.xa(20)), r21(nd.xa(21));
    const double yc = 1.5 * kY50;
    EXPECT_NEAR(nd.Es(20), 0.6 * r20.p(yc, false) / (2.0 * yc), 1e-9);
    EXPECT_NEAR(nd.Es(21), r21.es_lim, 1e-9);
}

TEST(SoftClay, ZeroMultiplierPointAtTheHeadGivesAFiniteModulus) {
    Set_Up_Soft_Clay();
    g.pd.i_NumPYMult = 1;  // depth 0, p- and y-multiplier 0
    PY_SoftClay(1);        // every deflection 0
    EXPECT_EQ(g.err.i_ErrorState, 0);
    EXPECT_EQ(g.nodes.Es(1), Reference(0.0).es_lim);
    g.nodes.y(1) = kY50;
    PY_SoftClay(1);
    EXPECT_EQ(g.nodes.Es(1), 0.0);  // p-multiplier 0: no resistance
}

TEST(SoftClay, SoilMovementLoadsTheNode) {
    Set_Up_Soft_Clay();
    PileNode& nd = g.nodes;
    g.pd.i_NumSoilMovePts = 2;
    nd.ys(10) = 0.4, nd.y(10) = 0.1, nd.W(10) = 5.0;
    PY_SoftClay(1);
    const Reference r(nd.xa(10));
    EXPECT_NEAR(nd.Es(10), r.Es(0.3, false), 1e-9);
    EXPECT_NEAR(nd.q(10), 0.4 * nd.Es(10) + 5.0, 1e-9);
}

TEST(SoftClay, SoftClayWithJReadsJFromTheProfile) {
    Set_Up_Soft_Clay(kSoftClyJ);
    g.pd.rd_ProfileJ(1) = g.pd.rd_ProfileJ(2) = 0.25;
    g.nodes.y(7) = kY50;
    PY_SoftClyJ(1);
    const Reference r(g.nodes.xa(7), 0.25);
    EXPECT_NEAR(g.nodes.Es(7), r.Es(kY50, false), 1e-12 * r.Es(kY50, false));
}

TEST(SoftClay, SlopingGroundFactorBeforeTheCap) {
    Set_Up_Soft_Clay();
    const double beta = 0.3;
    g.pd.rd_EffSlopeAngle = beta;
    PileNode& nd = g.nodes;
    nd.y(5) = kY50;    // deflection toward the slope
    nd.y(6) = -kY50;   // away from it
    PY_SoftClay(1);
    const double same = 1 / (1 + std::tan(beta));
    const double opposite = std::cos(beta) * 0.7071067690849304 / std::cos(beta + 0.7853981633974483);
    EXPECT_NEAR(nd.Es(5), Reference(nd.xa(5), 0.5, same).Es(kY50, false), 1e-9);
    EXPECT_NEAR(nd.Es(6), Reference(nd.xa(6), 0.5, opposite).Es(kY50, false), 1e-9);
    // At 130 in Np is 9.37 on level ground but 7.16 on the slope: the cap is not reached.
    nd.y(14) = kY50;
    PY_SoftClay(1);
    const Reference level(nd.xa(14)), slope(nd.xa(14), 0.5, same);
    ASSERT_GT(level.Np, 9.0);
    ASSERT_LT(slope.Np, 9.0);
    EXPECT_NEAR(nd.Es(14), slope.Es(kY50, false), 1e-9);
}

TEST(SoftClay, EffectiveSlopeOf45DegreesIsInputError86) {
    Set_Up_Soft_Clay();
    g.pd.rd_EffSlopeAngle = -0.7853981633974483;
    CapturedRun out;
    EXPECT_EQ(Stop_State([] { PY_SoftClay(1); }), 186);
    EXPECT_EQ(out.msg.text(), Text_Of({"**** Input Data Error No. 86 ****", "",
                                       "Problem:  The effective slope of the ground surface (ground slope minus pile "
                                       "batter) is    -45.000 degrees.",
                                       "The p-y criteria for clay can only be used for effective slopes flatter than 45 "
                                       "degrees.",
                                       "",
                                       "Solution:  Reduce the ground slope angle or the pile batter angle so that the ",
                                       "effective slope is less than 45 degrees.", ""}));
}

TEST(SoftClay, ZeroStrengthAtTheTopNodeGivesNoResistance) {
    Set_Up_Soft_Clay();
    g.pd.rd_ProfileStrength(1) = 0.0;  // strength growing from zero at the ground surface
    g.nodes.y(1) = 0.0;
    g.nodes.y(2) = kY50;
    PY_SoftClay(1);
    EXPECT_EQ(g.err.i_ErrorState, 0);
    EXPECT_EQ(g.nodes.Es(1), 0.0);
    EXPECT_GT(g.nodes.Es(2), 0.0);
    g.nodes.y(1) = kY50;
    g.pd.b_CyclicLoading = kTrue;
    PY_SoftClay(1);
    EXPECT_EQ(g.nodes.Es(1), 0.0);
}

TEST(SoftClay, ZeroStrengthBelowTheTopNodeIsInputError12Or71) {
    for (int model : {kSoftClay, kSoftClyJ}) {
        Set_Up_Soft_Clay(model);
        g.pd.rd_ProfileStrength(1) = 0.0;
        g.pd.rd_ProfileStrength(2) = 0.0;
        CapturedRun out;
        const int n = model == kSoftClay ? 12 : 71;
        EXPECT_EQ(Stop_State([model] { model == kSoftClay ? PY_SoftClay(1) : PY_SoftClyJ(1); }), 100 + n);
        const std::string head = Text_Of({
            "**** Input Data Error No. " + std::to_string(n) + " ****", "",
            "An error was detected that is related to an incompatibility between the input ",
            "data defining soil layering and soil shear strength values when computing a ",
            "p-y curve using the Matlock soft clay criteria.", "",
            model == kSoftClay ? "Problem:  A negative or zero value of cohesion was input for a soft clay soil."
                               : "Problem:  A negative or zero value of cohesion was input for a soft clay soil with J.",
            "",
            "Solution:  Please compare the depth values for soil layering and soil shear ",
            "strength values and revise the input data.", ""});
        const std::string where =
            "Layer no. = 1, Node no. = 2, Top node in layer = 1, Elevation =     10.000, c(x) =      0.000";
        EXPECT_EQ(out.msg.text(), head + where + "\n");
        EXPECT_EQ(out.report.text(),
                  head + Text_Of({where + ", Pile length =    600.000", ", ITOP = 1, IBOT = 61", "", "",
                                  "Tarvex ended prematurely due to input error number INP000" + std::to_string(n)}));
    }
}

TEST(SoftClay, DefaultEps50FromTheStrength) {
    Set_Up_Soft_Clay();
    g.pd.rd_ProfileEps50(1) = g.pd.rd_ProfileEps50(2) = 0.0;
    g.pd.rd_ProfileStrength(1) = g.pd.rd_ProfileStrength(2) = 5.0;  // 720 psf: eps50 = 0.01
    g.nodes.y(20) = 0.5;
    PY_SoftClay(1);
    const double Es_default = g.nodes.Es(20);
    g.pd.rd_ProfileEps50(1) = g.pd.rd_ProfileEps50(2) = double(0.01f);
    PY_SoftClay(1);
    EXPECT_EQ(g.nodes.Es(20), Es_default);
}

TEST(SoftClay, NoDefaultEps50InGenericUnits) {
    for (int model : {kSoftClay, kSoftClyJ}) {
        Set_Up_Soft_Clay(model);
        g.pd.IUNITS = kUnitsGeneric;
        g.pd.rd_ProfileEps50(1) = g.pd.rd_ProfileEps50(2) = 0.0;
        CapturedRun out;
        EXPECT_EQ(Stop_State([model] { model == kSoftClay ? PY_SoftClay(1) : PY_SoftClyJ(1); }),
                  model == kSoftClay ? 237 : 238);
        EXPECT_EQ(out.report.text(), "");
        EXPECT_EQ(out.msg.text(), "");
    }
}

TEST(SoftClay, HighStrengthWarnings) {
    Set_Up_Soil(kUnitsUS, 20.0, 12.0, 2,
                {{kSoftClay, 0.0, 10.0, 9.0, 9.0, 0.03, 0.03, 0.01, 0.01}, {kSoftClay, 10.0, 20.0, 9.0, 9.0, 0.03, 0.03, 0.01, 0.01}});
    PileNode& nd = g.nodes;
    for (int i = 1; i <= 3; ++i) nd.xa(i) = nd.xv(i) = 10.0 * (i - 1);
    nd.ITOP = 1, nd.IBOT = 3;
    PY_SoftClay(1);
    EXPECT_EQ(g.err.i_WarningTally(3041), 2);  // not at the interface node
    g.pd.IUNITS = kUnitsSI;
    g.pd.rd_ProfileStrength(1) = g.pd.rd_ProfileStrength(4) = 60.0;
    PY_SoftClyJ(1);
    EXPECT_EQ(g.err.i_WarningTally(3042), 2);
}

TEST(SoftClay, NotANumberModulusIsRuntimeError33To36) {
    struct Case { int model; bool limit; int state; const char* heading; const char* text; };
    const Case cases[] = {
        {kSoftClay, true, 233, "**** Runtime Error No. 33 ****", "The default value of soil modulus computed in soft clay"},
        {kSoftClay, false, 234, "**** Runtime Error No. 34 ****", "The computed value of soil modulus computed in soft clay"},
        {kSoftClyJ, true, 235, "**** Runtime Error No. 35 ****", "The default value of soil modulus computed in API soft clay"},
        {kSoftClyJ, false, 236, "**** Runtime Error No 36. ****", "The computed value of soil modulus computed in API soft clay"},
    };
    for (const Case& t : cases) {
        Set_Up_Soft_Clay(t.model);
        g.pd.rd_ProfileGamma(1) = g.pd.rd_ProfileGamma(2) = std::nan("");
        g.nodes.y(1) = t.limit ? 0.0 : kY50;
        CapturedRun out;
        EXPECT_EQ(Stop_State([&t] { t.model == kSoftClay ? PY_SoftClay(1) : PY_SoftClyJ(1); }), t.state);
        EXPECT_EQ(out.report.text(), Text_Of({t.heading, "", std::string(t.text) + " is not-a-number for node number 1", "",
                                              "This problem is usually due to a required soil property being left equal to zero."}));
        EXPECT_EQ(out.msg.text(), "");
    }
}

TEST(SoftClay, LayerResistanceSumsTheUltimateResistance) {
    Set_Up_Soft_Clay();
    PY_SoftClay(1);
    double sum = 0;
    for (int i = 2; i <= 61; ++i) sum += (Reference(10.0 * (i - 2)).pu + Reference(10.0 * (i - 1)).pu) * 10.0 / 2;
    sum += Reference(kL).pu * 10.0;
    EXPECT_NEAR(g.soil.rd_LayerResistance(1), sum, 1e-9 * sum);
    g.pd.b_CyclicLoading = kTrue;
    PY_SoftClay(1);
    double cyc = 0;
    for (int i = 2; i <= 61; ++i) {
        const Reference a(10.0 * (i - 2)), b(10.0 * (i - 1));
        cyc += (a.pc + b.pc) * 5.0;
        if (b.x < b.Xr) cyc += ((a.x < a.Xr ? a.pd : a.pc) + b.pd) * 5.0;
    }
    cyc += Reference(kL).pu * 10.0;
    EXPECT_NEAR(g.soil.rd_LayerResistance(1), cyc, 1e-9 * cyc);
    // Soft clay with J takes pd = pc x / Xr at every node, also as the previous
    // node's value where the node above lies below Xr.
    Set_Up_Soft_Clay(kSoftClyJ);
    g.pd.b_CyclicLoading = kTrue;
    PY_SoftClyJ(1);
    double cyc_j = 0;
    for (int i = 2; i <= 61; ++i) {
        const Reference a(10.0 * (i - 2)), b(10.0 * (i - 1));
        cyc_j += (a.pc + b.pc) * 5.0;
        if (b.x < b.Xr) cyc_j += (a.pd + b.pd) * 5.0;
    }
    cyc_j += Reference(kL).pu * 10.0;
    EXPECT_NEAR(g.soil.rd_LayerResistance(1), cyc_j, 1e-9 * cyc_j);
}

// Report mode: the curve at a requested depth of 10 ft (120 in) in a uniform
// soft clay with c = 5 psi, 0.04 pci and eps50 = 0.01 on a 12-inch pile:
// Np = 5 + 3 + 0.96 = 8.96, pu = 537.6 lb/in, Xr = 360 / 2.98 in, y50 = 0.3 in.
void Set_Up_Report(int model, bool cyclic) {
    Set_Up_Soil(kUnitsUS, kL, kB, 60, {{model, 0.0, kL, 5.0, 5.0, 0.04, 0.04, 0.01, 0.01, 0.5, 0.5}});
    g.pd.i_PrintPYCurves = 1;
    g.pd.b_CyclicLoading = cyclic ? kTrue : kFalse;
    g.pd.rd_NumCycles = cyclic ? 10.0 : 0.0;
    g.nodes.xa(1) = 120.0;
    g.nodes.ITOP = g.nodes.IBOT = 1;
}

std::string Param(const std::string& label, const std::string& value) {
    return label + std::string(55 - label.size(), ' ') + "= " + value;
}

TEST(SoftClayReport, StaticCurveBlockAndPlotRecords) {
    Set_Up_Report(kSoftClay, false);
    CapturedRun out;
    PY_SoftClay(1);
    std::string expected = Text_Of({
        "", "", "p-y Curve Computed Using the Soft Clay Criteria for Static Loading Conditions", "",
        Param("Soil Layer Number", "           1"),
        Param("Depth below pile head", "      10.000 ft"),
        Param("Depth below ground surface", "      10.000 ft"),
        Param("Ground Slope Angle", "       0.000 degrees"),
        Param("Pile Batter", "       0.000 degrees"),
        Param("Effective Slope", "       0.000 degrees"),
        Param("Equivalent Depth", "     120.000 in"),
        Param("Pile Diameter", "      12.000 in"),
        Param("Cohesion, c", "       5.000 lbs/in**2"),
        Param("Avg Eff Unit Weight", "     0.04000 lbs/in**3"),
        Param("Epsilon50 parameter", "     0.01000"),
        Param("J", "       0.500"),
        Param("Transition Depth Xr", "     120.805 in"),
        Param("pu_s", "     537.600 lbs/in"),
        Param("pu_d", "     540.000 lbs/in"),
        Param("Y50", "     0.30000 in"),
        Param("p-multiplier", "     1.00000"),
        Param("y-multiplier", "     1.00000"),
        Param("Sloping Ground Factor", "       1.000"),
        Param("pu_static", "     537.600 lbs/in"),
        "",
        "     y, in              p, lb/in",
        "----------------    -----------------"});
    const double mult[17] = {0, double(0.05f), 0.125, 0.25, 0.375, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6, 7, 8, 8.5};
    std::string plot = "  0.1200000E+03   17" + std::string(60, ' ') +
                       "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. 1\n";
    for (int j = 1; j <= 17; ++j) {
        const double y = mult[j - 1] * 0.3;
        const double p = y == 0 ? 0.0 : y <= 2.4 ? 0.5 * 537.6 * std::pow(y / 0.3, 0.3333333432674408) : 537.6;
        expected += "   " + Real_Field(y, 12) + "     " + Real_Field(p, 12) + "\n";
        plot += Edit_E(y, 15, 7) + Edit_E(p, 15, 7) + std::string(50, ' ') + "Line 8(" + std::to_string(j) +
                "): y, p, for soft clay\n";
    }
    EXPECT_EQ(out.report.text(), expected);
    EXPECT_EQ(out.plot.text(), plot);
    EXPECT_NE(expected.find("\n        2.55000        537.60000\n"), std::string::npos);  // the static curve ends at pu
    EXPECT_EQ(g.soil.rd_LayerResistance(1), 0.0);  // report mode leaves the solution alone
}

TEST(SoftClayReport, TableHeadInSIUnits) {
    for (int model : {kSoftClay, kSoftClyJ}) {
        Set_Up_Report(model, false);
        g.pd.IUNITS = kUnitsSI;
        Set_Unit_Labels(kUnitsSI);
        CapturedRun out;
        model == kSoftClay ? PY_SoftClay(1) : PY_SoftClyJ(1);
        // "y, " and the length label "m  " from column 6, "p, " from column 25 with
        // the label "kN/m " (soft clay) or force "/" length (soft clay with J).
        const std::string head = std::string(5, ' ') + "y, m  " + std::string(13, ' ') + "p, " +
                                 (model == kSoftClay ? "kN/m " : "kN/m");
        EXPECT_NE(out.report.text().find("\n\n" + head + "\n----------------    -----------------\n"),
                  std::string::npos)
            << model;
    }
}

TEST(SoftClayReport, CyclicCurveWithJInUSUnits) {
    Set_Up_Report(kSoftClyJ, true);
    CapturedRun out;
    PY_SoftClyJ(1);
    const std::string report = out.report.text();
    for (const std::string& line : {
             std::string("p-y Curve Computed Using the Soft Clay Criteria with J for Cyclic Loading Conditions"),
             Param("Equivalent Depth", "      10.000 ft"),
             Param("Cohesion, c", "     720.000 lbs/ft**2"),
             Param("Avg Eff Unit Weight", "    69.12000 lbs/ft**3"),
             Param("J parameter", "       0.500"),
             Param("y_50", "     0.30000 in"),
             Param("Number of cycles of loading", "         10."),
             Param("Xr", "     120.805 in"),
             Param("pu_cyclic", "     387.677 lbs/in"),
             std::string("     y, in              p, lbs/in")})
        EXPECT_NE(report.find("\n" + line + "\n"), std::string::npos) << line;
    // The last point, 16 y50, lies beyond 15 y50 on the reduced resistance pd = pc x / Xr.
    const double pd = 0.7211247682571411 * 537.6 * 120.0 / (360.0 / 2.98);
    EXPECT_NE(report.find("   " + Real_Field(4.8, 12) + "     " + Real_Field(pd, 12) + "\n"), std::string::npos);
    const std::string plot = out.plot.text();
    EXPECT_EQ(plot.substr(0, plot.find('\n')), "  0.1200000E+03   17" + std::string(60, ' ') +
                                                  "Line 7:  p-y curve depth in soft clay with J, no. points on p-y curve no. 1");
    EXPECT_NE(plot.find("Line 8(17): y, p, for API soft clay\n"), std::string::npos);
}

}  // namespace
}  // namespace tarvex_test
