// Elastic subgrade: a modulus independent of the deflection, scaled by the
// multipliers, and its report block.
#include <gtest/gtest.h>

#include "soil/py_model_fixture.h"
#include "soil/py_models.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

int Subgrade_Layer(double es_top, double es_bottom) {
    Set_Up_Soil_Pile(SoilPile{});
    const int k = Add_Layer(kElastSG, 0.0, 480.0);
    Set_Column(g.pd.rd_ProfileGamma, k, 0.06, 0.06);
    Set_Column(g.pd.rd_ProfileEs, k, es_top, es_bottom);
    return k;
}

TEST(ElasticSubgrade, ModulusIsIndependentOfTheDeflection) {
    for (double y : {0.0, 0.01, 1.0, -3.0}) {
        const int k = Subgrade_Layer(10.0, 58.0);
        Set_Deflections(y);
        Run_Layer(PY_ElastSG, k);
        EXPECT_DOUBLE_EQ(g.nodes.Es(1), 10.0 * 24.0) << y;
        EXPECT_DOUBLE_EQ(g.nodes.Es(Node_At(240.0)), 34.0 * 24.0) << y;
    }
}

TEST(ElasticSubgrade, MultipliersScaleTheLine) {
    const int k = Subgrade_Layer(20.0, 20.0);
    g.pd.i_NumPYMult = 2;
    g.pd.rd_PYMultDepth(1) = 0.0;
    g.pd.rd_PYMultDepth(2) = 480.0;
    for (int j = 1; j <= 2; ++j) {
        g.pd.rd_PMult(j) = 0.8;
        g.pd.rd_YMult(j) = 2.0;
    }
    Set_Deflections(0.3);
    Run_Layer(PY_ElastSG, k);
    EXPECT_DOUBLE_EQ(g.nodes.Es(Node_At(100.0)), 0.8 * 20.0 * 24.0 / 2.0);
    const CurveText t = Report_Curve(PY_ElastSG, k, 100.0);
    const auto plot = Lines(t.plot);
    ASSERT_EQ(plot.size(), 18u);
    // The last point is y = 2 b, shown as ym y and pm Es b y.
    EXPECT_EQ(plot[17], Edit_E(2.0 * 48.0, 15, 7) + Edit_E(0.8 * 20.0 * 24.0 * 48.0, 15, 7) + std::string(50, ' ') +
                            "Line 8(17): y, p, for elastic subgrade");
}

TEST(ElasticSubgrade, ReportBlock) {
    const int k = Subgrade_Layer(20.0, 20.0);
    const CurveText t = Report_Curve(PY_ElastSG, k, 120.0);
    const auto lines = Lines(t.report);
    ASSERT_EQ(lines.size(), 2u + 1 + 1 + 7 + 1 + 2 + 17);
    const std::vector<std::string> head = {
        "", "", "p-y Curve for Elastic Subgrade", "",
        Param("Soil Layer Number", "         1"), Param("Depth below pile head", "      10.000", "ft"),
        Param("Depth below ground surface", "      10.000", "ft"), Param("Shaft Diameter", "      24.000", "in"),
        Param("Elastic Subgrade Modulus", "      20.000", "lbs/in**3"), Param("p-multiplier", "     1.00000"),
        Param("y-multiplier", "     1.00000"), "", "        y, in        p, lbs/in", "---------------   ---------------"};
    for (size_t j = 0; j < head.size(); ++j) EXPECT_EQ(lines[j], head[j]) << j;
    EXPECT_EQ(lines[head.size() + 1], "        3.00000       1440.00000");
    EXPECT_EQ(Lines(t.plot)[0], Edit_E(120.0, 15, 7) + "   17" + std::string(60, ' ') +
                                         "Line 7:  p-y curve depth in elastic subgrade soil, no. p-y points on curve no. 1");
}

}  // namespace
}  // namespace tarvex_test

namespace tarvex_test {
namespace {

// Below a rock-like layer (the dispatcher counts an elastic subgrade and
// Piedmont soil as such) sand measures depth from the ground surface, not
// from an equivalent depth, and its report says so.
TEST(ElasticSubgrade, LayerBelowARockLikeLayerIsNotLayerCorrected) {
    const int k1 = Subgrade_Layer(10.0, 10.0);
    g.pd.XLayerBottom(k1) = g.pd.rd_ProfileDepth(2) = 120.0;
    const int k2 = Add_Layer(kSand, 120.0, 480.0);
    Set_Column(g.pd.rd_ProfileGamma, k2, 0.06, 0.06);
    Set_Column(g.pd.rd_ProfilePhi, k2, 35.0, 35.0);
    g.pd.rd_LayerKTop(k2) = g.pd.rd_LayerKBottom(k2) = 60.0;
    Set_Deflections(0.0);
    Run_Layer(PY_ElastSG, k1);
    g.soil.i_RockLayersAbove = 1;
    Run_Layer(PY_Sand, k2);
    EXPECT_EQ(g.soil.rd_XeqTop(k2), kXeqNotComputed);
    // At zero deflection Es = k x with x the depth below the ground surface.
    EXPECT_DOUBLE_EQ(g.nodes.Es(Node_At(200.0)), 60.0 * 200.0);
    const CurveText t = Report_Curve(PY_Sand, k2, 200.0);
    EXPECT_TRUE(Has_Line(t.report, "This layer is below one or more layers of rock.  In this case, the "));
    EXPECT_TRUE(Has_Line(t.report, "surface is used when computing the p-y curve.  "));
}

}  // namespace
}  // namespace tarvex_test
