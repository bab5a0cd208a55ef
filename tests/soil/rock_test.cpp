// Vuggy limestone and massive rock p-y curves: the secant moduli against the
// criteria computed here (the two straight lines of the vuggy limestone curve;
// the Hoek-Brown strength, the wedge and flow-around resistances and the
// hyperbola of Liang et al. 2009), the checks and the report blocks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "soil/py_model_fixture.h"
#include "soil/py_models.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

constexpr double kB = 24.0;  // in
constexpr double kPi = 3.141592653589793;

int Vuggy_Layer(double qu_top, double qu_bottom) {
    Set_Up_Soil_Pile(SoilPile{});
    const int k = Add_Layer(kVuggyLS, 0.0, 480.0);
    Set_Column(g.pd.rd_ProfileGamma, k, 0.05, 0.05);
    Set_Column(g.pd.rd_ProfileStrength, k, qu_top, qu_bottom);
    return k;
}

TEST(VuggyLimestone, SecantModuliOfTheTwoLinesAndTheResidual) {
    struct Case {
        double depth, y;
    };
    const Case cases[] = {{100, 0.0}, {100, 0.005}, {100, 0.02}, {200, 0.05}, {300, 0.1}};
    for (const Case& c : cases) {
        const int k = Vuggy_Layer(1200.0, 2160.0);
        Set_Deflections(c.y);
        Run_Layer(PY_VuggyLS, k);
        const double cu = (1200.0 + 960.0 * c.depth / 480.0) / 2;
        // p = 2000 cu y to 0.0004 b, then 0.8 b cu + 100 cu (y - 0.0004 b) to b cu at 0.0024 b,
        // beyond which only 0.5 gamma b x of the overburden remains.
        const double y1 = 0.0004 * kB, y2 = 0.0024 * kB;
        double want;
        if (c.y == 0.0) want = 2000 * cu;
        else if (c.y < y1) want = 2000 * cu;
        else if (c.y <= y2) want = (0.8 * kB * cu + 100 * cu * (c.y - y1)) / c.y;
        else want = 0.5 * 0.05 * kB * c.depth / c.y;
        EXPECT_NEAR(g.nodes.Es(Node_At(c.depth)), want, 1e-6 * want) << c.depth << " " << c.y;
    }
    // At y2 the second line reaches the strength b cu.
    const int k = Vuggy_Layer(2000.0, 2000.0);
    const CurveText t = Report_Curve(PY_VuggyLS, k, 240.0);
    const auto plot = Lines(t.plot);
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_NEAR(std::stod(plot[17].substr(15, 15)), kB * 1000.0, 1e-2);
    EXPECT_NEAR(std::stod(plot[17].substr(0, 15)), 0.0024 * kB, 1e-8);
}

TEST(VuggyLimestone, StrengthOutsideTheUsualRangeIsAWarningBelowTheLayerTop) {
    const int k = Vuggy_Layer(800.0, 800.0);
    Set_Deflections(0.01);
    Run_Layer(PY_VuggyLS, k);
    EXPECT_EQ(g.err.i_WarningTally(308), g.nodes.i_NumNodes - 1);  // not at the node at the layer top
    const int k2 = Vuggy_Layer(1500.0, 1500.0);
    Run_Layer(PY_VuggyLS, k2);
    EXPECT_EQ(g.err.i_WarningTally(308), 0);
}

TEST(VuggyLimestone, LayerWithoutStrengthIsInputError51) {
    const int k = Vuggy_Layer(1500.0, 0.0);
    const std::string block =
        "**** Input Data Error No. 51 ****\n\n"
        "Problem:  The uniaxial compressive strength of a vuggy limestone layer is less than or \n"
        "          equal to zero.  Layer = 1, strength at top =   0.1500E+04, at bottom =   0.0000E+00\n\n"
        "Solution:  Input a positive uniaxial compressive strength at the top and bottom of the layer.\n\n";
    Expect_Layer_Stop(PY_VuggyLS, k, 151, block);
}

TEST(VuggyLimestone, ReportBlock) {
    const int k = Vuggy_Layer(2000.0, 2000.0);
    const CurveText t = Report_Curve(PY_VuggyLS, k, 120.0);
    const auto lines = Lines(t.report);
    const std::vector<std::string> head = {
        "", "", "p-y Curve for Vuggy Limestone (Strong Rock) Criteria", "",
        Param("Soil Layer Number", "           1"), Param("Depth below pile head", "      10.000", "ft"),
        Param("Depth below ground surface", "      10.000", "ft"), Param("Shaft Diameter", "      24.000", "in"),
        Param("Uniaxial Compressive Strength", "    2000.000", "lbs/in**2"), Param("p-multiplier", "     1.00000"),
        Param("y-multiplier", "     1.00000"), "", "        y, in        p, lbs/in", "---------------   ---------------"};
    ASSERT_EQ(lines.size(), head.size() + 17);
    for (size_t j = 0; j < head.size(); ++j) EXPECT_EQ(lines[j], head[j]) << j;
    EXPECT_EQ(Lines(t.plot)[0], Edit_E(120.0, 15, 7) + "   17" + std::string(60, ' ') +
                                    "Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. 1");
    EXPECT_EQ(Lines(t.plot)[2].substr(30), std::string(50, ' ') + "Line 8(2): y, p, for vuggy limestone rock");
}

// Massive rock after Liang, Yang and Nusairat (2009), with mi = 6, GSI = 42, D = 0.
struct Liang2009 {
    double pu, Ki;
    Liang2009(double qu, double Eir, double gamma, double depth, double b, double EI, bool us) {
        const double gsi = 42.0, mi = 6.0;
        const double mb = mi * std::exp((gsi - 100) / 28);
        const double s = std::exp((gsi - 100) / 9);
        const double a = 0.5 + (std::exp(-gsi / 15) - std::exp(-20.0 / 3)) / 6;
        const double K0 = 1 - std::sin(45.0);
        const double xg = depth == 0 ? (us ? 1e-4 : 2.54e-6) : depth;
        const double s3 = xg * gamma, s0 = std::max(s3, 1e-5);
        const double s1 = s3 + qu * std::pow(mb * s3 / qu + s, a);
        const double d = s1 - s3;
        const double sn = s3 + d * d / (0.5 * qu * mb + 2 * d);
        const double tau = (sn - s3) * std::sqrt(qu * mb / (2 * d) + 1);
        const double phi = kPi / 2 - std::asin(2 * tau / d);
        const double c = tau - sn * std::tan(phi);
        const double al = phi / 2, be = kPi / 4 + al, ka = std::pow(std::tan(kPi / 4 - al), 2);
        const double H = depth;
        const double T1 = (K0 * std::tan(phi) * (s0 + 0.5 * gamma * H) + c) * H * std::tan(be) / std::cos(al);
        const double T2 = c * (b + 2 * H * std::tan(be) * std::tan(al));
        const double T3 = std::tan(be) * ((s0 + gamma * H) * b + (2 * s0 + gamma * H) * H * std::tan(be) * std::tan(al));
        const double T4 = K0 * H * (s0 + 0.5 * gamma * H) * std::tan(be) / std::cos(al);
        const double F = (T3 + T2 + 2 * T1 * std::cos(be) * std::cos(al)) / (std::sin(be) - std::tan(phi) * std::cos(be));
        const double puw = (2 * T1 * std::cos(al) + F * std::tan(phi) + T2 / std::cos(be)) * std::sin(be) +
                           F * std::cos(be) - 2 * T4 * std::sin(al) -
                           std::max(0.0, K0 * b * gamma * (H - 2 * c / (gamma * std::sqrt(ka)) + s0 / gamma));
        const double pud = b * (kPi / 4 * s1 - std::pow(ka, s0) + 2 * c * std::sqrt(ka) + 0.3 * std::sqrt(qu));
        pu = std::min(puw, pud);
        const double Em = Eir / 100 * std::exp(60.0 / 31);
        Ki = Em * std::pow(EI / (std::pow(b, 4) * Em), 0.284) * (b / (us ? 12.0 : 0.3048)) * std::exp(-0.8);
    }
    double p(double y) const { return y / (1 / Ki + y / pu); }
};

int Mass_Rock_Layer(double qu, double Em) {
    Set_Up_Soil_Pile(SoilPile{});
    const int k = Add_Layer(kMassRock, 0.0, 480.0);
    Set_Column(g.pd.rd_ProfileGamma, k, 0.08, 0.08);
    Set_Column(g.pd.rd_ProfileStrength, k, qu, qu);
    g.pd.rd_LayerKTop(k) = g.pd.rd_LayerKBottom(k) = Em;
    return k;
}

TEST(MassiveRock, SecantModuliFollowLiang2009) {
    const double EI = 3.0E7 * 1.0E4;  // the fixture pile
    for (double depth : {0.0, 50.0, 240.0, 470.0}) {
        for (double y : {1e-4, 0.01, 0.2}) {
            const int k = Mass_Rock_Layer(5000.0, 1.0E6);
            Set_Deflections(y);
            Run_Layer(PY_MassRock, k);
            const Liang2009 r(5000.0, 1.0E6, 0.08, depth, kB, EI, true);
            const double want = r.p(y) / y;
            // Single-precision constants (0.284, 0.45, -0.8) give small differences.
            EXPECT_NEAR(g.nodes.Es(Node_At(depth)), want, 1e-6 * want) << depth << " " << y;
        }
    }
}

TEST(MassiveRock, ZeroDeflectionGivesTheInitialSlope) {
    const int k = Mass_Rock_Layer(5000.0, 1.0E6);
    Set_Deflections(0.0);
    Run_Layer(PY_MassRock, k);
    const double at_zero = g.nodes.Es(Node_At(240.0));
    Set_Deflections(1e-9);
    Run_Layer(PY_MassRock, k);
    EXPECT_NEAR(at_zero, g.nodes.Es(Node_At(240.0)), 1e-6 * at_zero);
}

TEST(MassiveRock, StrengthAndModulusMustBePositive) {
    struct Case {
        double qu, Em;
        int state;
        std::string block;
    };
    const Case cases[] = {
        {0.0, 1.0E6, 144,
         "**** Input Data Error No. 44 ****\n\n"
         "Problem:  The uniaxial compressive strength of intact rock (sigma_ci) of a massive rock \n"
         "          layer is less than or equal to zero.  Layer = 1, at top =   0.0000E+00, at bottom =   0.0000E+00\n\n"
         "Solution:  Input a positive uniaxial compressive strength at the top and bottom of the layer.\n\n"},
        {5000.0, -1.0, 145,
         "**** Input Data Error No. 45 ****\n\n"
         "Problem:  The rock mass modulus of a massive rock layer is less than or equal to zero.\n"
         "          Layer = 1, at top =  -0.1000E+01, at bottom =  -0.1000E+01\n\n"
         "Solution:  Input a positive rock mass modulus at the top and bottom of the layer.\n\n"},
    };
    for (const Case& c : cases) {
        const int k = Mass_Rock_Layer(c.qu, c.Em);
        Expect_Layer_Stop(PY_MassRock, k, c.state, c.block);
    }
}

TEST(MassiveRock, ReportBlock) {
    const int k = Mass_Rock_Layer(5000.0, 1.0E6);
    const CurveText t = Report_Curve(PY_MassRock, k, 120.0);
    const auto lines = Lines(t.report);
    const std::vector<std::string> head = {
        "", "", "p-y Curve Computed Using the Criteria for Massive Rock by Liang, et al., 2009", "",
        Param("Soil Layer Number", "         1"), Param("Depth below pile head", "      10.000", "ft"),
        Param("Depth below ground surface", "      10.000", "ft"), Param("Pile Diameter", "      24.000", "in"),
        Param("Uniaxial compressive strength", "    5000.000", "lbs/in**2"),
        Param("Avg. Eff. Unit Weight", "     0.08000", "lbs/in**3"), Param("m sub i", "       6.000"),
        Param("Geological Strength Index GSI", "      42.000"), Param("Poisson's Ratio", "       0.400"),
        Param("p-multiplier", "     1.00000"), Param("y-multiplier", "     1.00000"), "",
        "     y, in              p,lbs/in", "----------------    -----------------"};
    ASSERT_EQ(lines.size(), head.size() + 17);
    for (size_t j = 0; j < head.size(); ++j) EXPECT_EQ(lines[j], head[j]) << j;
    const auto plot = Lines(t.plot);
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[0], Edit_E(120.0, 15, 7) + "   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in massive rock, no. p-y points on curve no. 1");
    EXPECT_EQ(plot[17].substr(30), std::string(50, ' ') + "Line 8(17): y (in), p (lb/in), for Massive Rock");
    // The last point is 1.2 x 0.005 b on the hyperbola.
    const Liang2009 r(5000.0, 1.0E6, 0.08, 120.0, kB, 3.0E11, true);
    EXPECT_NEAR(std::stod(plot[17].substr(15, 15)), r.p(0.006 * kB), 1e-5 * r.p(0.006 * kB));
}

TEST(MassiveRock, LayerWithoutThicknessIsRuntimeError20) {
    const int k = Mass_Rock_Layer(5000.0, 1.0E6);
    Set_Deflections(0.01);
    Assign_Nodes_To_Layers(g.nodes.i_NumNodes);
    g.pd.XLayerTop(k) = g.pd.XLayerBottom(k) = 480.0;
    g.nodes.ITOP = g.nodes.IBOT = g.nodes.i_NumNodes;
    Captured report(g_Out.report), msg(g_Out.msg);
    EXPECT_EQ(Stop_State([&] { PY_MassRock(k); }), 220);
    EXPECT_EQ(report.text(), "**** Runtime Error No. 20 ****\n\n"
                             "Problem:  The top and bottom elevations for massive rock layer are equal.\n"
                             "          The top and bottom elevations for layer 1 =   0.4800E+03\n\n"
                             "Solution: Correct the input data for elevations defining the massive rock layer.\n\n");
}

}  // namespace
}  // namespace tarvex_test
