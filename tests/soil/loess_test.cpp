// Loess: the hyperbolic curve from the cone tip resistance, the reduction for
// load cycles, the shallow reduction of qc and input error 70.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/errors.h"
#include "soil/py_model_fixture.h"
#include "soil/py_models.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

constexpr double kB = 0.5;       // m
constexpr double kQc = 2000.0;   // kPa
constexpr double kYr = 0.0029718000441789627;

int Loess_Layer(double cycles) {
    SoilPile p;
    p.units = kUnitsSI;
    p.length = 12.0;
    p.width = kB;
    Set_Up_Soil_Pile(p);
    const int k = Add_Layer(kKSLoess, 0.0, 12.0);
    Set_Column(g.pd.rd_ProfileGamma, k, 16.0, 16.0);
    Set_Column(g.pd.rd_ProfileQc, k, kQc, kQc);
    g.pd.rd_NumCycles = cycles;
    g.pd.b_CyclicLoading = cycles >= 2 ? kTrue : kFalse;
    return k;
}

// Johnson et al.: p = Ei y / (1 + y/yr (1 + 0.1 exp(-y/yr))), pu = b 0.409 qc / (1 + 0.24 ln N).
double Ref_Es(double qc, double N, double y) {
    const double pu = kB * double(0.409f) * qc / (1 + double(0.24f) * std::log(N));
    const double Ei = pu / kYr;
    if (y == 0) return Ei;
    return Ei / (1 + (y / kYr) * (1 + double(0.1f) * std::exp(-y / kYr)));
}

TEST(Loess, SecantModuliFollowTheCurveAndTheCycles) {
    struct Case {
        double N, y;
    };
    const Case cases[] = {{1, 0.001}, {1, 0.01}, {5, 0.003}, {10, 0.02}, {10, 0.1}};
    for (const Case& c : cases) {
        const int k = Loess_Layer(c.N);
        Set_Deflections(c.y);
        Run_Layer(PY_KSLoess, k);
        const double want = Ref_Es(kQc, c.N, c.y);
        EXPECT_NEAR(g.nodes.Es(Node_At(3.0)), want, 1e-10 * want) << c.N << " " << c.y;
    }
}

TEST(Loess, TenCyclesReduceTheResistanceByAThird) {
    double es[2];
    for (int n = 0; n < 2; ++n) {
        const int k = Loess_Layer(n == 0 ? 1 : 10);
        Set_Deflections(0.01);
        Run_Layer(PY_KSLoess, k);
        es[n] = g.nodes.Es(Node_At(3.0));
    }
    EXPECT_NEAR(es[1] / es[0], 1 / (1 + double(0.24f) * std::log(10.0)), 1e-12);
    EXPECT_NEAR(es[1] / es[0], 0.644, 0.001);
}

TEST(Loess, ConeResistanceIsReducedNearThePileHead) {
    const int k = Loess_Layer(1);
    Set_Deflections(0.002);
    Run_Layer(PY_KSLoess, k);
    // The node 0.25 m = 0.5 b below the head uses 0.75 qc.
    EXPECT_NEAR(g.nodes.Es(Node_At(0.25)), Ref_Es(0.75 * kQc, 1, 0.002), 1e-9 * kQc);
    const CurveText t = Report_Curve(PY_KSLoess, k, 0.25);
    EXPECT_TRUE(Has_Line(t.report, Param("Depth Adj. Cone tip resistance", "    1500.000", "kN/m**2")));
    const CurveText deep = Report_Curve(PY_KSLoess, k, 3.0);
    EXPECT_TRUE(Has_Line(deep.report, Param("Cone tip resistance", "    2000.000", "kN/m**2")));
}

// Static loading (N = 0) and fractions of a cycle count as one cycle, and a
// zero deflection takes the initial modulus instead of 0 / 0.
TEST(Loess, StaticLoadingAndZeroDeflectionGiveTheOneCycleInitialModulus) {
    for (double N : {0.0, 0.01}) {
        const int k = Loess_Layer(N);
        Set_Deflections(0.0);
        Run_Layer(PY_KSLoess, k);
        EXPECT_NEAR(g.nodes.Es(Node_At(3.0)), Ref_Es(kQc, 1, 0), 1e-9 * kQc) << N;
        Set_Deflections(0.01);
        Run_Layer(PY_KSLoess, k);
        EXPECT_NEAR(g.nodes.Es(Node_At(3.0)), Ref_Es(kQc, 1, 0.01), 1e-9 * kQc) << N;
    }
}

TEST(Loess, MoreThanTenCyclesIsInputError70) {
    const int k = Loess_Layer(10.2);
    Captured rep(g_Out.report), msg(g_Out.msg);
    EXPECT_EQ(Stop_State([&] { Run_Layer(PY_KSLoess, k); }), 170);
    EXPECT_EQ(rep.text(),
              "\n\n**** Input Data Error No. 70 ****\n\n"
              "PROBLEM: Soil layer 1 is a loess and the input value for the number of cycles of loading =         10.2\n"
              "This value is greater than 10. The soil model for loess is valid only for 1 to 10 cycles of loading. \n"
              "SOLUTION: Revise the input data so that the number of cycles of loading is in the range of 1 to 10.\n\n"
              "\n\nTarvex ended prematurely due to input error number INP00070\n");
    EXPECT_EQ(msg.text(), "");
    const int k2 = Loess_Layer(10.1);
    EXPECT_EQ(Stop_State([&] { Run_Layer(PY_KSLoess, k2); }), 0);
}

TEST(Loess, ReportBlock) {
    const int k = Loess_Layer(5);
    const CurveText t = Report_Curve(PY_KSLoess, k, 3.0);
    const auto lines = Lines(t.report);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[2], "p-y Curve for Loess");
    EXPECT_TRUE(Has_Line(t.report, Param("Number of Cycles of Loading", "          5.", "cycles")));
    const auto plot = Lines(t.plot);
    ASSERT_EQ(plot.size(), 18u);
    const double y17 = 50 * kYr;
    EXPECT_EQ(plot[17], Edit_E(y17, 15, 7) + Edit_E(Ref_Es(kQc, 5, y17) * y17, 15, 7) + std::string(50, ' ') +
                            "Line 8(17): y, p, for Loess");
}

}  // namespace
}  // namespace tarvex_test
