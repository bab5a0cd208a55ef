// Piedmont residual soil: the initial modulus of each field test, the three
// branches of the curve and the report block.
#include <gtest/gtest.h>

#include <cmath>

#include "soil/py_model_fixture.h"
#include "soil/py_models.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

constexpr double kB = 1.2;  // m

int Piedmont_Layer(int units, int test, double value) {
    SoilPile p;
    p.units = units;
    p.length = 24.0;
    p.width = kB;
    Set_Up_Soil_Pile(p);
    const int k = Add_Layer(kPiedmont, 0.0, 24.0);
    Set_Column(g.pd.rd_ProfileGamma, k, 18.0, 18.0);
    Set_Column(g.pd.i_ProfileTestType, k, test, test);
    auto& col = test == 1 ? g.pd.rd_ProfileN60 : test == 2 ? g.pd.rd_ProfileQc : test == 3 ? g.pd.rd_ProfileEdmt
                                                                                           : g.pd.rd_ProfileEpmt;
    Set_Column(col, k, value, value);
    return k;
}

// Simpson and Brown: Ei b y to 0.1 % of b, logarithmic to 3.75 %, then flat.
double Ref_P(double Ei, double b, double y) {
    const double yl = double(0.001f) * b, yu = double(0.0375f) * b;
    if (y < yl) return Ei * b * y;
    if (y < yu) return Ei * y * (1 - 0.21624703162973105 * std::log(1000 * y / b)) * b;
    return Ei * 0.21632074170043247 * b * yu;
}

TEST(Piedmont, InitialModulusOfEachFieldTest) {
    struct Row {
        int units, test;
        double value, Ei;
    };
    const Row rows[] = {{kUnitsSI, 1, 10.0, 1516.8465995788574}, {kUnitsUS, 1, 10.0, 220.0},
                        {kUnitsSI, 2, 5000.0, 5000.0 * 0.11800000071525574},
                        {kUnitsSI, 3, 20000.0, 20000.0 * 0.07599999755620956},
                        {kUnitsUS, 4, 1000.0, 1000.0 * 0.23499999940395355}, {kUnitsGeneric, 1, 10.0, 0.0}};
    for (const Row& r : rows) {
        const int k = Piedmont_Layer(r.units, r.test, r.value);
        Set_Deflections(0.0);
        Run_Layer(PY_Piedmont, k);
        EXPECT_NEAR(g.nodes.Es(Node_At(10.0)), r.Ei * kB, 1e-9 * r.Ei) << r.units << " " << r.test;
    }
}

TEST(Piedmont, CurveIsLinearThenLogarithmicThenFlat) {
    const double Ei = 1516.8465995788574;
    for (double y : {0.0005, 0.0012, 0.01, 0.04, 0.2}) {
        const int k = Piedmont_Layer(kUnitsSI, 1, 10.0);
        Set_Deflections(y);
        Run_Layer(PY_Piedmont, k);
        const double want = Ref_P(Ei, kB, y) / y;
        EXPECT_NEAR(g.nodes.Es(Node_At(10.0)), want, 1e-10 * want) << y;
    }
}

TEST(Piedmont, ReportBlock) {
    const int k = Piedmont_Layer(kUnitsSI, 1, 10.0);
    const CurveText t = Report_Curve(PY_Piedmont, k, 10.0);
    const auto lines = Lines(t.report);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[2], "p-y Curve for Piedmont Residual Soil Criteria");
    for (const std::string& want : std::vector<std::string>{
             Param("Soil Layer Number", "         1"), Param("Depth below pile head", "      10.000", "m"),
             Param("Shaft Diameter", "       1.200", "m"), Param("Type of Field Test", "Standard Penetration Test"),
             Param("SPT  N60-value", "      10.000", "blows/0.3 m"),
             Param("Initial Modulus from Field Tests", "    1516.847", "kN/m**2"),
             "        y, m         p, kN/m", "---------------   ---------------"})
        EXPECT_TRUE(Has_Line(t.report, want)) << want;
    const auto plot = Lines(t.plot);
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[0], Edit_E(10.0, 15, 7) + "   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. 1");
    const double yu = double(0.0375f) * kB, y17 = 1.0499999523162842 * yu;
    EXPECT_EQ(plot[17], Edit_E(y17, 15, 7) + Edit_E(Ref_P(1516.8465995788574, kB, y17), 15, 7) +
                            std::string(50, ' ') + "Line 8(17): y, p, for Piedmont residual soil");
}

TEST(Piedmont, GenericUnitsShowTheTestButNoValue) {
    const int k = Piedmont_Layer(kUnitsGeneric, 2, 100.0);
    const CurveText t = Report_Curve(PY_Piedmont, k, 10.0);
    EXPECT_TRUE(Has_Line(t.report, Param("Type of Field Test", "Cone Penetration Test")));
    EXPECT_EQ(t.report.find("CPT qc"), std::string::npos);
    EXPECT_TRUE(Has_Line(t.report, Param("Initial Modulus from Field Tests", "       0.000", "F/L**2")));
}

}  // namespace
}  // namespace tarvex_test
