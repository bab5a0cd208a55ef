// Shared steps of the p-y models: the depth the criteria use, the sloping
// ground factor, the modulus a node keeps and the report parameter lines.
#include <gtest/gtest.h>

#include <cmath>

#include "soil/py_protocol.h"
#include "soil_fixture.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

TEST(EquivalentDepth, TrueDepthInLayerOneAndBelowRockElseFromTheCorrectedTop) {
    Set_Up_Soil(kUnitsUS, 100.0, 12.0, 40, {{kSoftClay, 4.0, 30.0, 5, 5}, {kSoftClay, 30.0, 100.0, 5, 5}});
    g.soil.rd_XeqTop(2) = 50.0;
    g.nodes.ITOP = 3;
    EXPECT_EQ(PY_Equivalent_Depth(1, 5, 20.0, 16.0), 16.0);
    g.pd.i_PrintPYCurves = 1;  // report mode: no layering correction, the last value is reused
    EXPECT_EQ(PY_Equivalent_Depth(2, 3, 40.0, 36.0), 60.0);
    g.soil.i_RockLayersAbove = 1;
    EXPECT_EQ(PY_Equivalent_Depth(2, 3, 40.0, 36.0), 36.0);
    g.pd.XLayerBottom(1) = -1.0;  // the first layer lies above the pile head
    EXPECT_EQ(PY_Equivalent_Depth(2, 3, 40.0, 36.0), 36.0);
}

TEST(EquivalentDepth, TopNodeInSolutionModeRunsTheCorrection) {
    Set_Up_Soil(kUnitsUS, 100.0, 12.0, 40, {{kSoftClay, 0.0, 60.0, 4, 4}, {kSoftClay, 60.0, 100.0, 4, 4}});
    g.soil.rd_LayerResistance(1) = 3060.0 * 4;  // the same clay above: the true depth
    g.soil.top.b = 12.0, g.soil.top.c = 4.0, g.soil.top.gamma = 0.0, g.soil.top.J = 0.5;
    g.nodes.ITOP = 7;
    EXPECT_NEAR(PY_Equivalent_Depth(2, 7, 60.0, 60.0), 60.0, 1e-12);
    EXPECT_NEAR(g.soil.rd_XeqTop(2), 60.0, 1e-12);
    EXPECT_EQ(g.soil.rd_XeqTop(0), 60.0);
    g.soil.rd_XeqTop(2) = 10.0;
    EXPECT_EQ(PY_Equivalent_Depth(2, 8, 70.0, 70.0), 20.0);  // further nodes reuse it
}

TEST(SlopingGround, FactorBySignsOfDeflectionAndSlope) {
    const double b = 0.4, up = 1 / (1 + std::tan(b)), down = std::cos(b) * 0.7071067690849304 / std::cos(b + 0.7853981633974483);
    EXPECT_EQ(Sloping_Ground_Factor(0.1, b), up);
    EXPECT_EQ(Sloping_Ground_Factor(-0.1, -b), up);
    EXPECT_EQ(Sloping_Ground_Factor(-0.1, b), down);
    EXPECT_EQ(Sloping_Ground_Factor(0.1, -b), down);
    EXPECT_NEAR(down, 1 / (1 - std::tan(b)), 1e-7);
    EXPECT_EQ(Sloping_Ground_Factor(0.0, b), 1.0);
    EXPECT_EQ(Sloping_Ground_Factor(0.1, 0.0), 1.0);
    EXPECT_EQ(Sloping_Ground_Factor(0.1, -b, kHalfSqrt2), std::cos(b) * kHalfSqrt2 / std::cos(b + 0.7853981633974483));
}

TEST(NodeModulus, LateralLoadOnlyWithSoilMovement) {
    Set_Up_Soil(kUnitsUS, 100.0, 12.0, 40, {{kSoftClay, 0.0, 100.0, 4, 4}});
    PileNode& nd = g.nodes;
    nd.ys(3) = 0.2, nd.W(3) = 1.5, nd.q(3) = 7.0, nd.y(3) = -0.3;
    PY_Store_Modulus(3, 100.0);
    EXPECT_EQ(nd.Es(3), 100.0);
    EXPECT_EQ(nd.q(3), 7.0);
    g.pd.i_NumSoilMovePts = 1;
    PY_Store_Modulus(3, 100.0);
    EXPECT_DOUBLE_EQ(nd.q(3), 21.5);
    EXPECT_DOUBLE_EQ(PY_Relative_Deflection(3, 2.0), 0.25);
}

TEST(NodeDepth, VerticalInSolutionModeRequestedInReportMode) {
    Set_Up_Soil(kUnitsUS, 100.0, 12.0, 40, {{kSoftClay, 0.0, 100.0, 4, 4}});
    g.nodes.xa(4) = 30.0, g.nodes.xv(4) = 29.0;
    EXPECT_EQ(PY_Node_Depth(4), 29.0);
    g.pd.i_PrintPYCurves = 1;
    EXPECT_EQ(PY_Node_Depth(4), 30.0);
    EXPECT_EQ(PY_Pile_Width(4), 12.0);
}

TEST(ReportLines, ParameterLinesAndUnits) {
    Set_Up_Soil(kUnitsSI, 100.0, 12.0, 40, {{kSoftClay, 0.0, 100.0, 4, 4}});
    CapturedRun out;
    PY_Report_Value("Cohesion, c", 12.3456, 3, Unit_Stress());
    PY_Report_Int("Soil Layer Number", 3);
    PY_Report_Value("Epsilon50 parameter", 0.02, 5);
    EXPECT_EQ(out.report.text(), Text_Of({"Cohesion, c" + std::string(44, ' ') + "=       12.346 kN/m**2",
                                          "Soil Layer Number" + std::string(38, ' ') + "=            3",
                                          "Epsilon50 parameter" + std::string(36, ' ') + "=      0.02000"}));
    EXPECT_EQ(Unit_Depth(), "m");
    EXPECT_EQ(Unit_Unit_Weight(), "kN/m**3");
    EXPECT_EQ(Unit_Force_Per_Length(), "kN/m");
}

}  // namespace
}  // namespace tarvex_test
