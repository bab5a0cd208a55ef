// User-input p-y curves: interpolation in the deflection along each curve and
// in depth between the curves at the layer top and bottom.
#include <gtest/gtest.h>

#include "soil/py_model_fixture.h"
#include "soil/py_models.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

// Layer from 100 to 300 in: top curve (0,0) (0.5,500) (2,800); bottom curve (0,0) (1,2000) (3,2600).
int User_Layer() {
    Set_Up_Soil_Pile(SoilPile{});
    const int k1 = Add_Layer(kElastSG, 0.0, 100.0);
    Set_Column(g.pd.rd_ProfileEs, k1, 10.0, 10.0);
    const int k = Add_Layer(kUserPy, 100.0, 300.0);
    Add_Layer(kElastSG, 300.0, 480.0);
    ProblemData& pd = g.pd;
    const double yt[] = {0, 0.5, 2}, pt[] = {0, 500, 800}, yb[] = {0, 1, 3}, pb[] = {0, 2000, 2600};
    pd.i_UserPyNumPts(2 * k - 1) = pd.i_UserPyNumPts(2 * k) = 3;
    for (int m = 1; m <= 3; ++m) {
        pd.rd_UserPyY(2 * k - 1, m) = yt[m - 1];
        pd.rd_UserPyP(2 * k - 1, m) = pt[m - 1];
        pd.rd_UserPyY(2 * k, m) = yb[m - 1];
        pd.rd_UserPyP(2 * k, m) = pb[m - 1];
    }
    return k;
}

double Lerp(double a, double b, double t) { return a + (b - a) * t; }

TEST(UserPY, InterpolatesInDeflectionAndDepth) {
    struct Case {
        double y, p_top, p_bottom;
    };
    const Case cases[] = {{0.25, 250, 500}, {0.5, 500, 1000}, {1.25, 650, 2075}, {2.0, 800, 2300}, {5.0, 800, 2600}};
    for (const Case& c : cases) {
        const int k = User_Layer();
        Set_Deflections(c.y);
        Run_Layer(PY_UserPY, k);
        for (double x : {100.0, 150.0, 290.0}) {
            const double p = Lerp(c.p_top, c.p_bottom, (x - 100.0) / 200.0);
            EXPECT_NEAR(g.nodes.Es(Node_At(x)), p / c.y, 1e-9) << c.y << " " << x;
        }
    }
}

TEST(UserPY, ZeroDeflectionTakesTheInitialSlope) {
    const int k = User_Layer();
    Set_Deflections(0.0);
    Run_Layer(PY_UserPY, k);
    EXPECT_DOUBLE_EQ(g.nodes.Es(Node_At(100.0)), 1000.0);
    EXPECT_DOUBLE_EQ(g.nodes.Es(Node_At(200.0)), 1500.0);
    EXPECT_DOUBLE_EQ(g.nodes.Es(Node_At(290.0)), 1950.0);
}

TEST(UserPY, DeflectionBelowTheFirstPointRunsFromTheOrigin) {
    const int k = User_Layer();
    g.pd.rd_UserPyY(2 * k - 1, 1) = 0.1;
    g.pd.rd_UserPyP(2 * k - 1, 1) = 300.0;
    Set_Deflections(0.1);  // exactly the first y: its p
    Run_Layer(PY_UserPY, k);
    EXPECT_NEAR(g.nodes.Es(Node_At(100.0)), 300.0 / 0.1, 1e-9);
    Set_Deflections(0.05);
    Run_Layer(PY_UserPY, k);
    EXPECT_NEAR(g.nodes.Es(Node_At(100.0)), 150.0 / 0.05, 1e-9);
}

TEST(UserPY, NodesOutsideTheCurveDepthsHaveNoResistance) {
    const int k = User_Layer();
    g.pd.rd_UserPyDepth(2 * k - 1) = 150.0;
    for (double y : {0.0, 0.4}) {
        Set_Deflections(y);
        Run_Layer(PY_UserPY, k);
        EXPECT_EQ(g.nodes.Es(Node_At(140.0)), 0.0) << y;
        EXPECT_GT(g.nodes.Es(Node_At(160.0)), 0.0) << y;
    }
}

TEST(UserPY, LayerResistanceSumsTheLastResistances) {
    const int k = User_Layer();
    Set_Deflections(0.3);
    Run_Layer(PY_UserPY, k);
    double sum = 0;
    for (int i = Node_At(100.0); i <= Node_At(290.0); ++i)
        sum += 10.0 * Lerp(800, 2600, (g.nodes.xa(i) - 100.0) / 200.0);
    EXPECT_NEAR(g.soil.rd_LayerResistance(k), sum, 1e-6);
}

TEST(UserPY, ReportBlock) {
    const int k = User_Layer();
    const CurveText t = Report_Curve(PY_UserPY, k, 200.0);
    const auto lines = Lines(t.report);
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(lines[2], "p-y Curve Computed by Interpolation Between User-input Curves");
    for (const std::string& want : std::vector<std::string>{
             Param("Soil Layer Number", "           2"), Param("Depth below pile head", "      16.667", "ft"),
             Param("Pile diameter", "      24.000", "in"), Param("p-multiplier", "       1.000"),
             "      y, in" + std::string(13, ' ') + "p, lbs/in", "----------------    ----------------",
             // y = 0.5 b = 12 in: beyond both curves, p = (800 + 2600) / 2.
             "        12.0000" + std::string(11, ' ') + "1700.0000"})
        EXPECT_TRUE(Has_Line(t.report, want)) << want;
    const auto plot = Lines(t.plot);
    ASSERT_EQ(plot.size(), 18u);
    const double y2 = 0.0010000000474974513;
    EXPECT_EQ(plot[2], Edit_E(y2, 15, 7) + Edit_E(1500.0 * y2, 15, 7) + std::string(20, ' ') +
                           "Line 8( 2): y, p, for user-input p-y curve");
}

}  // namespace
}  // namespace tarvex_test
