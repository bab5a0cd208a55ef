// Liquefied sand p-y curves against Rollins et al. (2005) computed here: the
// cubic-like curve p = Pd A (B y)^C in kN/m with y in mm, its coefficients
// from the depth, the pile diameter factor, the 15 kN/m limit, the normalised
// depth below the first layer, zero deflection, units and the report block.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "soil/py_model_fixture.h"
#include "soil/py_models.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

// Rollins et al. (2005), y in mm and p in kN/m: A = 3e-7 (z + 1)^6.05,
// B = 2.8 (z + 1)^0.11, C = 2.85 (z + 1)^-0.41 for z in m; the diameter factor
// Pd = 3.81 ln b + 5.6 for b above 0.3 m (b / 0.3 below, as this engine
// scales smaller piles in proportion); p is limited to 15 kN/m times Pd.
struct Rollins2005 {
    double A, B, C, Pd;
    Rollins2005(double z, double b) {
        A = 3e-7 * std::pow(z + 1, 6.05);
        B = 2.8 * std::pow(z + 1, 0.11);
        C = 2.85 * std::pow(z + 1, -0.41);
        Pd = b <= 0.3 ? b / 0.3 : 3.81 * std::log(b) + 5.6;
    }
    double p(double y_mm) const { return Pd * std::min(A * std::pow(B * y_mm, C), 15.0); }
};

int Liquefied_Layer(double width, int units = kUnitsSI, double length = 20.0) {
    SoilPile p;
    p.units = units;
    p.length = length;
    p.increments = 40;
    p.width = width;
    Set_Up_Soil_Pile(p);
    const int k = Add_Layer(kLiqSand, 0.0, length);
    Set_Column(g.pd.rd_ProfileGamma, k, 8.0, 8.0);
    return k;
}

TEST(LiquefiedSand, DiameterFactor) {
    EXPECT_NEAR(Rollins2005(0.0, 0.6).Pd, 3.654, 1e-3);
    EXPECT_NEAR(Rollins2005(0.0, 0.2).Pd, 0.667, 1e-3);
}

TEST(LiquefiedSand, SecantModuliFollowRollins2005) {
    struct Case {
        double width, depth, y;  // m
    };
    // Shallow curves below the limit, a deep curve that reaches 15 kN/m, and a small pile.
    const Case cases[] = {{0.6, 0.0, 0.01}, {0.6, 2.0, 0.05}, {0.6, 5.0, 0.1}, {0.6, 10.0, 0.02},
                          {0.6, 10.0, 0.2}, {0.2, 3.0, 0.03}, {1.2, 6.0, 0.12}};
    for (const Case& c : cases) {
        const int k = Liquefied_Layer(c.width);
        Set_Deflections(c.y);
        Run_Layer(PY_LiqSand, k);
        const Rollins2005 r(c.depth, c.width);
        const double want = r.p(1000 * c.y) / c.y;
        EXPECT_NEAR(g.nodes.Es(Node_At(c.depth)), want, 1e-5 * want) << c.width << " " << c.depth << " " << c.y;
    }
}

// A 0.6 m pile, 20 m long, through 4 m of the upper model (9 kN/m3) and liquefied
// sand of unit weight gamma below, deflected 50 mm; returns the lower layer.
int Second_Layer_Pile(int upper_model, double gamma) {
    SoilPile p;
    p.units = kUnitsSI, p.length = 20.0, p.increments = 40, p.width = 0.6;
    Set_Up_Soil_Pile(p);
    const int k1 = Add_Layer(upper_model, 0.0, 4.0);
    const int k2 = Add_Layer(kLiqSand, 4.0, 20.0);
    Set_Column(g.pd.rd_ProfileGamma, k1, 9.0, 9.0);
    Set_Column(g.pd.rd_ProfileGamma, k2, gamma, gamma);
    Set_Deflections(0.05);
    return k2;
}

TEST(LiquefiedSand, NormalisedDepthBelowTheFirstLayer) {
    const int k2 = Second_Layer_Pile(kSand, 8.0);
    Run_Layer(PY_LiqSand, k2);
    // At 10 m the average unit weight is (4 x 9 + 6 x 8) / 10: the depth of the same stress at 10 kN/m3.
    const double z = (4 * 9.0 + 6 * 8.0) / 10.0;
    const Rollins2005 r(z, 0.6);
    EXPECT_NEAR(g.nodes.Es(Node_At(10.0)), r.p(50.0) / 0.05, 1e-5 * r.p(50.0) / 0.05);
    const CurveText t = Report_Curve(PY_LiqSand, k2, 10.0);
    EXPECT_TRUE(Has_Line(t.report, Param("Normalized depth below ground surface in meters*", "       8.400", "m")));
    EXPECT_TRUE(Has_Line(t.report, "by 10 kN/m3, as recommended by Rollins, et al. (2005)"));
    EXPECT_TRUE(Has_Line(t.report, "6.0 meters recommended by Rollins, et al. (2005)"));
    const CurveText shallow = Report_Curve(PY_LiqSand, k2, 4.5);
    EXPECT_FALSE(Has_Line(shallow.report, "6.0 meters recommended by Rollins, et al. (2005)"));
}

TEST(LiquefiedSand, ZeroDeflectionGivesAFiniteModulus) {
    for (double depth : {0.0, 19.0}) {  // zero and infinite initial slopes of the curve
        const int k = Liquefied_Layer(0.6);
        Set_Deflections(0.0);
        Run_Layer(PY_LiqSand, k);
        const double es = g.nodes.Es(Node_At(depth));
        EXPECT_TRUE(std::isfinite(es)) << depth;
        EXPECT_GE(es, 0.0);
    }
}

TEST(LiquefiedSand, UsAndSiGiveTheSameCurve) {
    const int ks = Liquefied_Layer(0.6096);
    const auto si = Lines(Report_Curve(PY_LiqSand, ks, 3.048).plot);
    const int ku = Liquefied_Layer(24.0, kUnitsUS, 787.4);
    const auto us = Lines(Report_Curve(PY_LiqSand, ku, 120.0).plot);
    ASSERT_EQ(si.size(), 18u);
    ASSERT_EQ(us.size(), 18u);
    for (int j = 2; j <= 17; ++j) {
        const double y_si = std::stod(si[size_t(j)].substr(0, 15)), p_si = std::stod(si[size_t(j)].substr(15, 15));
        const double y_us = std::stod(us[size_t(j)].substr(0, 15)), p_us = std::stod(us[size_t(j)].substr(15, 15));
        // The report deflections differ by unit system: compare p at the US deflection.
        const Rollins2005 r(3.048, 0.6096);
        EXPECT_NEAR(p_us / 5.710147380828857, r.p(y_us * 25.4), 1e-4 * r.p(y_us * 25.4)) << j;
        EXPECT_NEAR(p_si, r.p(y_si * 1000), 1e-4 * r.p(y_si * 1000) + 1e-9) << j;
    }
}

TEST(LiquefiedSand, GenericUnitsAreInputError46) {
    const int k = Liquefied_Layer(0.6, kUnitsGeneric);
    const std::string block =
        "**** Input Data Error No. 46 ****\n\n"
        "Problem:  The p-y criteria for liquefied sand are defined in kilonewtons and meters \n"
        "          and cannot be used with generic units.\n\n"
        "Solution:  Select US customary or SI units for a problem with liquefied sand layers.\n\n";
    Expect_Layer_Stop(PY_LiqSand, k, 146, block);
}

TEST(LiquefiedSand, ModulusThatIsNotANumberIsRuntimeError48) {
    // A negative unit weight below the first layer puts the normalised depth below -1 m
    // from 5.15 m down (36 - 40 (x - 4) < -10 kN/m2), where (z + 1)^6.05 has no real value.
    const int k2 = Second_Layer_Pile(kLiqSand, -40.0);
    Captured report(g_Out.report), msg(g_Out.msg);
    EXPECT_EQ(Stop_State([&] { Run_Layer(PY_LiqSand, k2); }), 248);
    const std::string block = "**** Runtime Error No. 48 ****\n\n"
                              "The computed value of soil modulus computed in liquefied sand is not-a-number for node number " +
                              std::to_string(Node_At(5.5)) +
                              "\n\nThis problem is usually due to a required soil property being left equal to zero.\n";
    EXPECT_EQ(report.text(), block);
    EXPECT_EQ(msg.text(), block);
}

TEST(LiquefiedSand, ReportBlock) {
    const int k = Liquefied_Layer(0.6);
    const CurveText t = Report_Curve(PY_LiqSand, k, 0.0);
    const auto lines = Lines(t.report);
    // At the ground surface A = 3e-7, B = 2.8, C = 2.85 and 3e-7 x 420^2.85 stays below 15 kN/m: yl = 0.15 m.
    const Rollins2005 r(0.0, 0.6);
    const double pu = r.Pd * 3e-7 * std::pow(150 * 2.8, 2.85);
    ASSERT_LT(pu / r.Pd, 15.0);
    const std::vector<std::string> head = {
        "", "", "p-y Curve Computed Using Liquefied Sand Criteria", "",
        Param("Depth below pile head", "       0.000", "m"), Param("Depth below ground surface", "       0.000", "m"),
        Param("Pile Diameter", "       0.600", "m"), Param("Pile Diameter in meters ", "       0.600", "m"),
        Param("Gamma Avg", "     8.00000", "kN/m**3"), Param("A ", " 0.30000E-06"), Param("B ", "     2.80000"),
        Param("C ", "     2.85000"), Param("Pd", Edit_F(r.Pd, 12, 5)), Param("Upper limit Pu", Edit_F(pu, 12, 3), "kN/m"),
        Param("Yu ", "     0.15000", "m"), Param("p-multiplier", "     1.00000"), Param("y-multiplier", "     1.00000"),
        "", "        y, m              p, kN/m", "----------------    -----------------"};
    ASSERT_EQ(lines.size(), head.size() + 18);
    for (size_t j = 0; j < head.size(); ++j) EXPECT_EQ(lines[j], head[j]) << j;
    EXPECT_EQ(lines.back(), "");
    const auto plot = Lines(t.plot);
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[0], Edit_E(0.0, 15, 7) + "   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. 1");
    EXPECT_EQ(plot[1].substr(30), std::string(20, ' ') + "Line 8( 1): y, p, for liquefied sand");
    EXPECT_EQ(plot[17].substr(30), std::string(20, ' ') + "Line 8(17): y, p, for liquefied sand");
}

}  // namespace
}  // namespace tarvex_test
