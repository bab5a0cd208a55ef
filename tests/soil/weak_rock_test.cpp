// Weak rock p-y curves against Reese (1997) computed here: the ultimate
// resistance near the surface and below three diameters, the initial modulus
// from the published depth factor, the quarter-power curve, the depth into
// rock across rock layers, the checks and the report block.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "soil/py_model_fixture.h"
#include "soil/py_models.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

constexpr double kB = 24.0;  // in

// A pile of width 24 in and 480 in through one weak rock layer from depth top:
// qu 1000 -> 2000 psi, Eir 100000 -> 200000 psi over 0 .. 480 in, RQD r, k_rm 0.0005.
int Weak_Rock_Layer(double rqd = 50.0, double krm = 0.0005, double top = 0.0) {
    Set_Up_Soil_Pile(SoilPile{});
    const int k = Add_Layer(kWeakRock, top, 480.0);
    Set_Column(g.pd.rd_ProfileGamma, k, 0.05, 0.05);
    Set_Column(g.pd.rd_ProfileStrength, k, 500.0, 900.0);
    Set_Column(g.pd.rd_ProfileRQD, k, rqd, rqd);
    Set_Column(g.pd.rd_ProfileEps50, k, krm, krm);
    g.pd.rd_LayerKTop(k) = 100000.0;
    g.pd.rd_LayerKBottom(k) = 200000.0;
    return k;
}

// Reese (1997): p = Kir y up to yA, then pur / 2 (y / yrm)^0.25 up to pur, with
// pur = alpha_r qur b (1 + 1.4 xr / b) for xr <= 3b and 5.2 alpha_r qur b deeper,
// Kir = kir Eir with kir = 100 + 400 xr / (3 b) for xr <= 3b and 500 deeper,
// alpha_r = 1 - RQD / 150 and yrm = krm b.
struct Reese1997 {
    double pur, Kir, yrm, yA;
    Reese1997(double qu, double Eir, double rqd, double krm, double xr, double b) {
        const double alpha = 1.0 - rqd / 150.0;
        pur = xr <= 3 * b ? alpha * qu * b * (1 + 1.4 * xr / b) : 5.2 * alpha * qu * b;
        Kir = Eir * (xr <= 3 * b ? 100 + 400 * xr / (3 * b) : 500.0);
        yrm = krm * b;
        // The published curve meets the straight line where Kir y = pur / 2 (y / yrm)^0.25.
        yA = std::pow(pur / (2 * std::pow(yrm, 0.25) * Kir), 4.0 / 3.0);
    }
    double p(double y) const { return y < yA ? Kir * y : std::min(pur / 2 * std::pow(y / yrm, 0.25), pur); }
};

TEST(WeakRock, SecantModuliFollowReese1997) {
    struct Case {
        double depth, y;
    };
    // Near the surface (xr <= 3 b = 72 in) and below, on the straight line, the curve and the plateau.
    const Case cases[] = {{10, 1e-6}, {10, 0.002}, {40, 0.01}, {70, 0.05}, {200, 0.001}, {200, 0.3}, {400, 5.0}};
    for (const Case& c : cases) {
        const int k = Weak_Rock_Layer();
        Set_Deflections(c.y);
        Run_Layer(PY_WeakRock, k);
        const double qu = 500.0 + 400.0 * c.depth / 480.0, Eir = 100000.0 + 100000.0 * c.depth / 480.0;
        const Reese1997 r(qu, Eir, 50.0, 0.0005, c.depth, kB);
        const double want = c.y < r.yA ? r.Kir : r.p(c.y) / c.y;
        // The engine keeps the single-precision constants (1.333 for 4/3, 1.4, 5.2, 1/150).
        EXPECT_NEAR(g.nodes.Es(Node_At(c.depth)), want, 2e-3 * want) << c.depth << " " << c.y;
    }
}

// The value of the parameter line of a curve block with the given label.
double Param_Value(const std::string& report, const std::string& label) {
    for (const std::string& l : Lines(report))
        if (l.size() > 57 && l.compare(0, label.size(), label) == 0 && l[label.size()] == ' ') return std::stod(l.substr(57));
    ADD_FAILURE() << "no line " << label;
    return 0.0;
}

TEST(WeakRock, BranchesMeetAtThreeDiameters) {
    const int k = Weak_Rock_Layer(0.0);
    const CurveText t = Report_Curve(PY_WeakRock, k, 72.0 - 1.0E-8);
    // pur = 5.2 qu b from both branches, Kir = 500 Eir; alpha_r = 1 with RQD = 0.
    const double qu = 500.0 + 400.0 * 72.0 / 480.0;
    EXPECT_NEAR(Param_Value(t.report, "Pu"), 5.2 * qu * kB, 1e-7 * 5.2 * qu * kB);
    EXPECT_TRUE(Has_Line(t.report, Param("Alpha_r", "       1.000"))) << t.report;
    const double Eir = 100000.0 + 100000.0 * (72.0 - 1.0E-8) / 480.0;
    EXPECT_TRUE(Has_Line(t.report, Param("K_ir", Edit_E(500.0 * Eir, 12, 5), "lbs/in**2"))) << t.report;
    const int k2 = Weak_Rock_Layer(100.0);
    EXPECT_TRUE(Has_Line(Report_Curve(PY_WeakRock, k2, 100.0).report, Param("Alpha_r", "       0.333")));
}

TEST(WeakRock, DepthIntoRockContinuesFromTheRockLayerAbove) {
    Set_Up_Soil_Pile(SoilPile{});
    const int k1 = Add_Layer(kSand, 0.0, 60.0);
    const int k2 = Add_Layer(kVuggyLS, 60.0, 120.0);
    const int k3 = Add_Layer(kWeakRock, 120.0, 480.0);
    (void)k1;
    (void)k2;
    Set_Column(g.pd.rd_ProfileGamma, k3, 0.05, 0.05);
    Set_Column(g.pd.rd_ProfileStrength, k3, 500.0, 500.0);
    Set_Column(g.pd.rd_ProfileRQD, k3, 0.0, 0.0);
    Set_Column(g.pd.rd_ProfileEps50, k3, 0.0005, 0.0005);
    g.pd.rd_LayerKTop(k3) = g.pd.rd_LayerKBottom(k3) = 100000.0;
    Set_Column(g.pd.rd_ProfileGamma, 1, 0.05, 0.05);
    Set_Column(g.pd.rd_ProfileGamma, 2, 0.05, 0.05);
    const CurveText t = Report_Curve(PY_WeakRock, k3, 130.0);
    // 10 in into the weak rock below 60 in of vuggy limestone; the sand above does not count.
    EXPECT_TRUE(Has_Line(t.report, Param("Xr", "      70.000", "in"))) << t.report;
}

TEST(WeakRock, ReportBlock) {
    const int k = Weak_Rock_Layer(30.0);
    const CurveText t = Report_Curve(PY_WeakRock, k, 240.0);
    const auto lines = Lines(t.report);
    const double qu = 700.0, Eir = 150000.0, xr = 240.0 + 1.0E-8;
    const double alpha = 1.0 - 30.0 * 0.006666666828095913;
    const double pur = double(5.2f) * alpha * qu * kB, Kir = 500.0 * Eir, yrm = 0.0005 * kB;
    const double yA = std::pow(pur / (2 * std::pow(yrm, 0.25) * Kir), 1.3329999446868896);
    const std::vector<std::string> head = {
        "", "", "p-y Curve Computed Using Weak Rock Criteria", "",
        Param("Soil Layer Number", "           1"), Param("Depth below pile head", "      20.000", "ft"),
        Param("Depth below ground surface", "      20.000", "ft"), Param("Diameter", "      24.000", "in"),
        Param("Unconfined Compressive Strength", "     700.000", "lbs/in**2"),
        Param("Gamma Avg", "     0.05000", "lbs/in**3"), Param("Xr", Edit_F(xr, 12, 3), "in"),
        Param("RQD", "      30.000", "%"), Param("Eir", "     150000.", "lbs/in**2"),
        Param("Pu", Edit_F(pur, 12, 3), "lbs/in"), Param("k_rm", "     0.00050"),
        Param("K_ir", Edit_E(Kir, 12, 5), "lbs/in**2"), Param("Alpha_r", Edit_F(alpha, 12, 3)),
        Param("Yu", "     0.90000", "in"), Param("Yrm", "     0.01200", "in"), Param("Y_A", Edit_E(yA, 12, 5), "in"),
        Param("p-multiplier", "     1.00000"), Param("y-multiplier", "     1.00000"), "",
        "        y, in             p, lbs/in", "----------------    -----------------"};
    ASSERT_GE(lines.size(), head.size() + 18);
    for (size_t j = 0; j < head.size(); ++j) EXPECT_EQ(lines[j], head[j]) << j;
    EXPECT_EQ(lines.size(), head.size() + 18);
    EXPECT_EQ(lines.back(), "");
    const auto plot = Lines(t.plot);
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[0], Edit_E(240.0, 15, 7) + "   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. 1");
    // The last point, 20 yrm, lies on the plateau pur.
    EXPECT_EQ(plot[17], Edit_E(20 * yrm, 15, 7) + Edit_E(std::min(0.5 * pur * std::pow(20.0, 0.25), pur), 15, 7) +
                            std::string(50, ' ') + "Line 8(17): y, p, for weak rock");
}

TEST(WeakRock, StrengthAndKrmWarnings) {
    struct Case {
        int units;
        double qu, krm;
        int warning;
    };
    const Case cases[] = {{kUnitsUS, 50.0, 0.0001, 3071},  {kUnitsUS, 1500.0, 0.0001, 3072},
                          {kUnitsSI, 600.0, 0.0001, 3073}, {kUnitsSI, 7000.0, 0.0001, 3074},
                          {kUnitsUS, 500.0, 0.00001, 316}, {kUnitsUS, 500.0, 0.001, 317}};
    for (const Case& c : cases) {
        SoilPile p;
        p.units = c.units;
        Set_Up_Soil_Pile(p);
        const int k = Add_Layer(kWeakRock, 0.0, 480.0);
        Set_Column(g.pd.rd_ProfileGamma, k, 0.05, 0.05);
        Set_Column(g.pd.rd_ProfileStrength, k, c.qu, c.qu);
        Set_Column(g.pd.rd_ProfileEps50, k, c.krm, c.krm);
        g.pd.rd_LayerKTop(k) = g.pd.rd_LayerKBottom(k) = 100000.0;
        Set_Deflections(0.01);
        Run_Layer(PY_WeakRock, k);
        EXPECT_EQ(g.err.i_WarningTally(c.warning), g.nodes.i_NumNodes) << c.warning;
        EXPECT_EQ(Count_Distinct_Warnings(), 1) << c.warning;
    }
}

struct ErrorCase {
    const char* name;
    double qu, krm, Eir;
    int state;
    std::vector<std::string> block;
};

TEST(WeakRock, ErrorBlocks) {
    const std::vector<ErrorCase> cases = {
        {"no strength", 0.0, 0.0005, 100000.0, 162,
         {"**** Input Data Error No. 62 ****", "",
          "Problem:   The input value for compressive strength is less than or equal to zero.", "",
          "Solution:  Check the input values for layer 1"}},
        {"no k_rm", 500.0, 0.0, 100000.0, 163,
         {"**** Input Data Error No. 63 ****", "",
          "Problem:  The input value for k_rm for weak rock is less than or equal to zero.", "",
          "Solution: Check the input values for layer 1", ""}},
        {"no initial modulus", 500.0, 0.0005, 0.0, 249,
         {"**** Runtime Error No. 49 ****", "", "An error was detected when computing the p-y curve for weak rock.",
          "Problem:  The initial modulus of rock is not greater than zero, so the initial ",
          "          slope of the p-y curve cannot be formed.",
          "          Layer = 1, Depth =        0.000, Initial modulus of rock =   0.0000E+00", "",
          "Solution:  Input a positive initial modulus of rock at the top and bottom of the layer.", ""}},
    };
    for (const ErrorCase& c : cases) {
        const int k = Weak_Rock_Layer();
        Set_Column(g.pd.rd_ProfileStrength, k, c.qu, c.qu);
        Set_Column(g.pd.rd_ProfileEps50, k, c.krm, c.krm);
        g.pd.rd_LayerKTop(k) = g.pd.rd_LayerKBottom(k) = c.Eir;
        Set_Deflections(0.01);
        std::string want;
        for (const auto& l : c.block) want += l + "\n";
        Expect_Layer_Stop(PY_WeakRock, k, c.state, want, c.name);
    }
}

TEST(WeakRock, LayerWithoutThicknessIsRuntimeError20) {
    const int k = Weak_Rock_Layer();
    Set_Deflections(0.01);
    Assign_Nodes_To_Layers(g.nodes.i_NumNodes);
    g.pd.XLayerBottom(k) = g.pd.XLayerTop(k);
    g.nodes.ITOP = g.nodes.IBOT = 1;
    Captured report(g_Out.report), msg(g_Out.msg);
    EXPECT_EQ(Stop_State([&] { PY_WeakRock(k); }), 220);
    EXPECT_EQ(report.text(), "**** Runtime Error No. 20 ****\n\n"
                             "Problem:  The top and bottom elevations for weak rock layer are equal.\n"
                             "Solution: Correct the input data for elevations defining weak rock layer.\n\n");
}

}  // namespace
}  // namespace tarvex_test
