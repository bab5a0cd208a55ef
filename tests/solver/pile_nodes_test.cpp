// Pile discretisation: node placement, properties along a tapered pile, layer
// assignment, distributed loads, soil movements and the thin-layer error.
#include <gtest/gtest.h>

#include <cmath>

#include "soil/soil_fixture.h"
#include "soil/py_protocol.h"
#include "soil/soil_profile.h"
#include "solver/pile_nodes.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

void Set_Dist_Load(std::initializer_list<std::pair<double, double>> pts) {
    int j = 0;
    for (auto [z, w] : pts) {
        ++j;
        g.pd.rd_DistLoadDepth(j) = z;
        g.pd.rd_DistLoad(j) = w;
    }
    g.pd.i_NumDistLoadPts = j;
}

TEST(NodePlacement, FiftyWithOneHundredIncrements) {
    Set_Up_Soil(kUnitsUS, 50.0, 12.0, 100, {{kSoftClay, 0.0, 50.0, 1, 1}});
    Place_Nodes(false);
    const PileNode& nd = g.nodes;
    EXPECT_EQ(nd.i_NumNodes, 101);
    EXPECT_EQ(nd.rd_IncrementLength, 0.5);
    EXPECT_EQ(nd.xa(101), 50.0);
    EXPECT_EQ(nd.xa(37), 18.0);
    EXPECT_EQ(nd.xv(37), 18.0);
    EXPECT_EQ(nd.EI(50), 3.0E9);
    EXPECT_EQ(nd.i_TopNodeInLayer(1), 1);
    EXPECT_EQ(nd.i_BottomNodeInLayer(1), 101);
}

TEST(NodePlacement, TipNodeIsThePileTipItself) {
    // 100 x (3.3 / 100) is not 3.3 in floating point.
    Set_Up_Soil(kUnitsUS, 3.3, 12.0, 100, {{kSoftClay, 0.0, 3.3, 1, 1}});
    ASSERT_NE(100.0 * (3.3 / 100), 3.3);
    Set_Dist_Load({{0.0, 7.0}, {3.3, 7.0}});
    Place_Nodes(false);
    EXPECT_EQ(g.nodes.xa(101), 3.3);
    EXPECT_NEAR(g.nodes.W(101), 7.0, 1e-12);  // not half of it
    EXPECT_DOUBLE_EQ(g.nodes.W(1), 7.0);
    EXPECT_NEAR(g.nodes.W(50), 7.0, 1e-12);
}

TEST(NodePlacement, TipNodeLiesAtTheTipInVerticalDepthToo) {
    // 187 x (1.5 / 187) exceeds 1.5 in floating point: a tip node below the
    // deepest profile point would stop the soil lookups with an input error.
    Set_Up_Soil(kUnitsSI, 1.5, 0.3, 187, {{kSoftClay, 0.0, 1.5, 10.0, 20.0, 8.0, 9.0}});
    ASSERT_GT(187.0 * (1.5 / 187), 1.5);
    Place_Nodes(false);
    const PileNode& nd = g.nodes;
    EXPECT_EQ(nd.xv(188), 1.5);
    EXPECT_EQ(nd.i_BottomNodeInLayer(1), 188);
    EXPECT_DOUBLE_EQ(fn_GammaAvg(nd.xv(188)), 8.5);
    EXPECT_EQ(g.err.i_ErrorState, 0);
}

TEST(NodePlacement, BatteredPileIsAssignedToLayersByVerticalDepth) {
    Set_Up_Soil(kUnitsUS, 60.0, 12.0, 60, {{kSoftClay, 0.0, 30.0, 1, 1}, {kSoftClay, 30.0, 60.0, 1, 1}});
    g.pd.rd_BatterAngle = 0.174533;  // 10 degrees
    Place_Nodes(false);
    const PileNode& nd = g.nodes;
    EXPECT_NEAR(nd.xv(41), 0.98481 * 40.0, 1e-4);
    EXPECT_EQ(nd.xa(41), 40.0);
    // xv >= 30 first at xa = 31 (xv = 30.53); xa = 30 gives xv = 29.54.
    EXPECT_EQ(nd.i_TopNodeInLayer(2), 32);
    EXPECT_EQ(nd.i_BottomNodeInLayer(1), 31);
    EXPECT_EQ(nd.i_BottomNodeInLayer(2), 61);
}

// Two sections: 0-20 uniform, 20-50 tapered in width, inertia, modulus and area.
void Set_Tapered_Pile() {
    Set_Up_Soil(kUnitsUS, 50.0, 24.0, 100, {{kSoftClay, 0.0, 50.0, 1, 1}});
    ProblemData& pd = g.pd;
    pd.i_NumSections = 2;
    pd.i_NumPilePoints = 4;
    const double X[4] = {0, 20, 20, 50}, D[4] = {24, 24, 24, 12}, I[4] = {1000, 1000, 800, 200},
                 E[4] = {3e6, 3e6, 4e6, 2e6}, A[4] = {100, 100, 90, 30}, P[4] = {5, 5, 8, 2};
    for (int j = 1; j <= 4; ++j) {
        pd.rd_PilePointX(j) = X[j - 1], pd.rd_PilePointDiam(j) = D[j - 1], pd.rd_PilePointI(j) = I[j - 1];
        pd.rd_PilePointE(j) = E[j - 1], pd.rd_PilePointArea(j) = A[j - 1], pd.rd_PilePointPoleWidth(j) = P[j - 1];
    }
}

TEST(PileProperties, TaperedSectionAndSectionBoundary) {
    Set_Tapered_Pile();
    PileNode& nd = g.nodes;
    Pile_Properties_At(35.0);  // halfway down the tapered section
    EXPECT_DOUBLE_EQ(nd.rd_DiamAtX, 18.0);
    EXPECT_DOUBLE_EQ(nd.rd_InertiaAtX, 500.0);
    EXPECT_DOUBLE_EQ(nd.rd_AreaAtX, 60.0);
    EXPECT_DOUBLE_EQ(nd.rd_DepthAtX, 5.0);
    EXPECT_DOUBLE_EQ(nd.rd_EIAtX, (3.2e9 + 0.4e9) / 2);  // the product interpolated, not E times I
    Pile_Properties_At(20.0);  // the boundary: top of the lower section
    EXPECT_EQ(nd.rd_DiamAtX, 24.0);
    EXPECT_EQ(nd.rd_InertiaAtX, 800.0);
    EXPECT_EQ(nd.rd_AreaAtX, 90.0);
    EXPECT_EQ(nd.rd_EIAtX, 3.2e9);
    EXPECT_DOUBLE_EQ(nd.rd_DepthAtX, 5.0);  // only interpolation sets the pole width
    Pile_Properties_At(50.0);
    EXPECT_EQ(nd.rd_EIAtX, 0.4e9);
    Pile_Properties_At(60.0);  // below the last point
    EXPECT_EQ(nd.rd_DiamAtX, 12.0);
}

TEST(PileProperties, NodesTakeTheirSections) {
    Set_Tapered_Pile();
    Place_Nodes(false);
    const PileNode& nd = g.nodes;
    EXPECT_EQ(nd.i_NodeSection(1), 1);
    EXPECT_EQ(nd.i_NodeSection(41), 1);  // xa = 20, the bottom of section 1
    EXPECT_EQ(nd.i_NodeSection(42), 2);
    EXPECT_EQ(nd.i_NodeSection(101), 2);
    EXPECT_EQ(nd.EI(41), 3.2e9);         // while its stiffness is the lower section's
    EXPECT_DOUBLE_EQ(nd.EI(71), 1.8e9);
}

TEST(DistributedLoad, ConstantOverThePileIsTheSameAtEveryNode) {
    Set_Up_Soil(kUnitsUS, 50.0, 12.0, 50, {{kSoftClay, 0.0, 50.0, 1, 1}});
    Set_Dist_Load({{0.0, 4.0}, {50.0, 4.0}});
    Place_Nodes(false);
    for (int i : {1, 2, 25, 50, 51}) {
        EXPECT_DOUBLE_EQ(g.nodes.W(i), 4.0) << i;
        EXPECT_DOUBLE_EQ(g.nodes.q(i), 4.0) << i;
    }
}

TEST(DistributedLoad, TributaryAverages) {
    Set_Up_Soil(kUnitsUS, 50.0, 12.0, 50, {{kSoftClay, 0.0, 50.0, 1, 1}});
    g.nodes.rd_IncrementLength = 1.0;
    Set_Dist_Load({{10.0, 100.0}, {50.0, 100.0}});
    EXPECT_DOUBLE_EQ(Nodal_Distributed_Load(10.0), 50.0);  // starts at the node: half its intensity
    EXPECT_EQ(Nodal_Distributed_Load(9.0), 0.0);
    EXPECT_DOUBLE_EQ(Nodal_Distributed_Load(11.0), 100.0);
    EXPECT_DOUBLE_EQ(Nodal_Distributed_Load(50.0), 100.0);  // the tip: half a tributary length
    Set_Dist_Load({{10.25, 100.0}, {40.7, 100.0}});            // starting and ending between nodes
    EXPECT_DOUBLE_EQ(Nodal_Distributed_Load(10.0), 25.0);
    EXPECT_EQ(Nodal_Distributed_Load(9.0), 0.0);
    EXPECT_DOUBLE_EQ(Nodal_Distributed_Load(11.0), 100.0);
    EXPECT_NEAR(Nodal_Distributed_Load(41.0), 20.0, 1e-12);
    Set_Dist_Load({{10.0, 100.0}, {50.0, 100.0}});
    // A linear rise to a step at 20 and a plateau beyond.
    Set_Dist_Load({{10.0, 0.0}, {20.0, 100.0}, {20.0, 300.0}, {30.0, 300.0}});
    EXPECT_DOUBLE_EQ(Nodal_Distributed_Load(15.0), 50.0);
    EXPECT_DOUBLE_EQ(Nodal_Distributed_Load(20.0), (95.0 + 100.0) / 2 * 0.5 + 300.0 * 0.5);
    EXPECT_DOUBLE_EQ(Nodal_Distributed_Load(30.0), 150.0);
    EXPECT_EQ(Nodal_Distributed_Load(31.0), 0.0);
    g.pd.i_NumDistLoadPts = 0;
    EXPECT_EQ(Nodal_Distributed_Load(15.0), 0.0);
}

void Set_Soil_Movement(std::initializer_list<std::pair<double, double>> pts) {
    int j = 0;
    for (auto [d, m] : pts) {
        ++j;
        g.pd.rd_SoilMoveDepth(j) = d;
        g.pd.rd_SoilMove(j) = m;
    }
    g.pd.i_NumSoilMovePts = j;
}

TEST(SoilMovement, InterpolatedWithTheMeanAtARepeatedDepth) {
    Set_Up_Soil(kUnitsUS, 12.0, 12.0, 48, {{kSoftClay, 0.0, 12.0, 1, 1}});  // h = 0.25
    Set_Soil_Movement({{1.0, 0.0}, {5.0, 1.0}, {5.0, 3.0}, {10.0, 0.0}});
    Place_Nodes(false);
    const PileNode& nd = g.nodes;
    EXPECT_EQ(nd.ys(1), 0.0);                 // above the table
    EXPECT_DOUBLE_EQ(nd.ys(13), 0.5);         // xa = 3
    EXPECT_DOUBLE_EQ(nd.ys(21), 2.0);         // xa = 5: the mean of the two movements
    EXPECT_DOUBLE_EQ(nd.ys(31), 1.5);         // xa = 7.5
    EXPECT_EQ(nd.ys(45), 0.0);                // xa = 11, below the table
    Set_Soil_Movement({{5.0, 1.0}, {5.0, 3.0}, {10.0, 0.0}});
    Nodal_Soil_Movement(nd.i_NumNodes);
    EXPECT_DOUBLE_EQ(nd.ys(21), 2.0);
    EXPECT_DOUBLE_EQ(nd.ys(31), 1.5);
}

TEST(Layers, BoundaryNodeGoesToTheLowerLayerAndAThinLayerHoldsNone) {
    Set_Up_Soil(kUnitsUS, 50.0, 12.0, 50,
                {{kSoftClay, 5.0, 10.0, 1, 1}, {kSoftClay, 10.0, 30.2, 1, 1}, {kSand, 30.2, 30.7, 1, 1},
                 {kSoftClay, 30.7, 60.0, 1, 1}});
    Place_Nodes(false);
    const PileNode& nd = g.nodes;
    EXPECT_EQ(nd.i_TopNodeInLayer(1), 6);  // nodes above the ground belong to no layer
    EXPECT_EQ(nd.i_BottomNodeInLayer(1), 10);
    EXPECT_EQ(nd.i_TopNodeInLayer(2), 11);  // xa = 10, on the boundary
    EXPECT_EQ(nd.i_BottomNodeInLayer(2), 31);
    EXPECT_EQ(nd.i_TopNodeInLayer(3), 0);
    EXPECT_EQ(nd.i_BottomNodeInLayer(3), 0);
    EXPECT_EQ(nd.i_TopNodeInLayer(4), 32);
    EXPECT_EQ(nd.i_BottomNodeInLayer(4), 51);
}

TEST(Layers, RequestedDepthsAreAssignedByAxialDistance) {
    Set_Up_Soil(kUnitsUS, 50.0, 12.0, 50, {{kSoftClay, 0.0, 8.0, 1, 1}, {kSoftClay, 8.0, 50.0, 1, 1}});
    PileNode& nd = g.nodes;
    nd.xa(1) = 5.0, nd.xa(2) = 10.0, nd.xa(3) = 20.0;
    Assign_Depths_To_Layers(3);
    EXPECT_EQ(nd.i_TopNodeInLayer(1), 1);
    EXPECT_EQ(nd.i_BottomNodeInLayer(1), 1);
    EXPECT_EQ(nd.i_TopNodeInLayer(2), 2);
    EXPECT_EQ(nd.i_BottomNodeInLayer(2), 3);
}

TEST(Layers, UnreachedLaterLayersWriteTheDiagnosticLines) {
    Set_Up_Soil(kUnitsUS, 15.0, 12.0, 40, {{kSoftClay, 0.0, 10.0, 1, 1}, {kSoftClay, 20.0, 30.0, 1, 1}});
    CapturedRun out;
    Place_Nodes(false);
    EXPECT_EQ(g.nodes.i_BottomNodeInLayer(1), -1);
    EXPECT_EQ(out.report.text(), Text_Of({"ERROR 2 in computing i_BottomNodeInLayer", "Num_Nodes_To_Assign = 41",
                                          "ilayer = 1", "klayer = 2", "jlayer = 2", "i_Number_of_Layers = 2"}));
}

TEST(Layers, TopsMadeContiguousWithEveryLayerInUse) {
    Set_Up_Soil(kUnitsUS, 50.0, 12.0, 50, {{kSoftClay, 0.0, 10.0, 1, 1}});
    ProblemData& pd = g.pd;
    pd.i_Number_of_Layers = kMaxLayers;
    for (int k = 1; k <= kMaxLayers; ++k) pd.XLayerBottom(k) = 2.0 * k;
    pd.XGround = 0.5;
    Make_Layer_Tops_Contiguous();
    EXPECT_EQ(pd.XLayerTop(1), 0.5);
    EXPECT_EQ(pd.XLayerTop(kMaxLayers), 2.0 * (kMaxLayers - 1));
}

TEST(StartingModuli, ZeroAboveTheGround) {
    Set_Up_Soil(kUnitsUS, 50.0, 12.0, 50, {{kSoftClay, 5.0, 50.0, 1, 1}});
    Place_Nodes(false);
    Set_Starting_Soil_Moduli();
    EXPECT_EQ(g.nodes.Es(5), 0.0);
    EXPECT_EQ(g.nodes.Es(6), 50000.0);
    EXPECT_EQ(g.nodes.Es(51), 50000.0);
}

TEST(LRFDLoads, TypeSumsFactoredLoadsAndTheirBlock) {
    Set_Up_Soil(kUnitsUS, 4.0, 12.0, 4, {{kSoftClay, 0.0, 4.0, 1, 1}});  // h = 1
    ProblemData& pd = g.pd;
    pd.i_NumLRFDLoads = 3;
    pd.i_LRFDLoadType(1) = 1, pd.i_LRFDNumDist(1) = 2;
    pd.rd_LRFDDistDepth(1, 1) = 0.0, pd.rd_LRFDDist(1, 1) = 10.0;
    pd.rd_LRFDDistDepth(2, 1) = 4.0, pd.rd_LRFDDist(2, 1) = 10.0;
    pd.i_LRFDLoadType(2) = 1, pd.i_LRFDNumDist(2) = 2;  // a second dead load group adds to the first
    pd.rd_LRFDDistDepth(1, 2) = 0.0, pd.rd_LRFDDist(1, 2) = 2.0;
    pd.rd_LRFDDistDepth(2, 2) = 4.0, pd.rd_LRFDDist(2, 2) = 2.0;
    pd.i_LRFDLoadType(3) = 5, pd.i_LRFDNumDist(3) = 2;  // wind on the upper half
    pd.rd_LRFDDistDepth(1, 3) = 0.0, pd.rd_LRFDDist(1, 3) = 4.0;
    pd.rd_LRFDDistDepth(2, 3) = 2.0, pd.rd_LRFDDist(2, 3) = 4.0;
    pd.rd_LoadFactor(1, 1) = 1.25, pd.rd_LoadFactor(5, 1) = 1.5;
    CapturedRun out;
    Place_Nodes(true);
    const PileNode& nd = g.nodes;
    EXPECT_DOUBLE_EQ(nd.rd_LoadTypeNodeLoad(1, 1), 12.0);
    EXPECT_DOUBLE_EQ(nd.rd_LoadTypeNodeLoad(5, 1), 12.0);
    EXPECT_DOUBLE_EQ(nd.rd_LoadTypeNodeLoad(3, 5), 2.0);  // xa = 2: half its tributary length loaded
    EXPECT_EQ(nd.rd_LoadTypeNodeLoad(4, 5), 0.0);
    EXPECT_DOUBLE_EQ(Factored_Nodal_Load(2, 1), 1.25 * 12.0 + 1.5 * 4.0);
    Apply_Factored_Loads(1);
    EXPECT_DOUBLE_EQ(nd.q(5), 15.0);
    // With soil movement loading the p-y models rebuild q = ys Es + W: the
    // factored distributed load must stay in it.
    EXPECT_DOUBLE_EQ(nd.W(5), 15.0);
    pd.i_NumSoilMovePts = 2;
    g.nodes.ys(2) = 0.5;
    PY_Store_Modulus(2, 100.0);
    EXPECT_DOUBLE_EQ(nd.q(2), 0.5 * 100.0 + 1.25 * 12.0 + 1.5 * 4.0);
    auto block = [](const char* name, std::initializer_list<std::string> rows) {
        std::string s = Text_Of({"", "", "Distributed Lateral Loads for LRFD:", std::string(35, '-'), "", "",
                                 std::string("Sums of Distributed Lateral Load Per Unit Length due to ") + name, "",
                                 "   Depth     Distributed Load", "    in            lbs/in",
                                 "----------   ----------------"});
        return s + Text_Of(rows) + "\n\n";
    };
    EXPECT_EQ(out.report.text(),
              block("Dead Loads                    ",
                    {"      0.00        12.00", "      1.00        12.00", "      2.00        12.00",
                     "      3.00        12.00", "      4.00        12.00"}) +
                  block("Wind Loads                    ",
                        {"      0.00         4.00", "      1.00         4.00", "      2.00         2.00"}));
}

TEST(ThinLayer, RuntimeError29WithItsBlocks) {
    Set_Up_Soil(kUnitsUS, 50.0, 12.0, 50,
                {{kSoftClay, 0.0, 10.2, 1, 1}, {kSoftClay, 10.2, 10.7, 1, 1}, {kSoftClay, 10.7, 50.0, 1, 1}});
    Place_Nodes(false);
    ASSERT_EQ(g.nodes.i_TopNodeInLayer(2), 0);
    CapturedRun out;
    Check_Thin_Layers(1);
    Check_Thin_Layers(3);
    EXPECT_EQ(g.err.i_ErrorState, 0);
    EXPECT_EQ(Stop_State([] { Check_Thin_Layers(2); }), 229);
    auto block = [](const std::string& second) {
        return Text_Of({"", "", "**** Runtime Error No. 29 ****", "",
                        "PROBLEM:  The thickness of layer 2 was too thin to contain a nodal point.", second,
                        "          The thickness of layer 2 is     0.500 in and the pile increment length is     1.000 in",
                        "          The current number of pile increments is 50.",
                        "          The estimated minimum number of increments needed to get at least one nodal point in "
                        "the layer is 100.",
                        "", "SOLUTION: Increase the number of pile increments. Up to 500 pile increments are allowed in Tarvex.",
                        "          If this error occurs with the maximum number of pile increments, you will need to "
                        "combine the thinnest",
                        "          soil layer with an adjacent layer.", "", ""});
    };
    EXPECT_EQ(out.report.text(), block("          This layer lacks a nodal point and this prevents the correct "
                                       "computation of p-y curves for the layer . "));
    EXPECT_EQ(out.msg.text(), block("          This layer lacks a nodal point and this prevents the correct "
                                    "computation of the layer's p-y curves. "));
}

TEST(ThinLayer, NoErrorBelowTheTipBelowRockOrWithAnEquivalentDepth) {
    Set_Up_Soil(kUnitsUS, 50.0, 12.0, 50,
                {{kSoftClay, 0.0, 10.2, 1, 1}, {kSoftClay, 10.2, 10.7, 1, 1}, {kSoftClay, 10.7, 60.0, 1, 1},
                 {kSoftClay, 60.0, 60.1, 1, 1}});
    Place_Nodes(false);
    Check_Thin_Layers(4);  // below the tip
    g.soil.b_BelowRock(2) = kTrue;
    Check_Thin_Layers(2);
    g.soil.b_BelowRock(2) = kFalse;
    g.soil.rd_XeqTop(2) = 3.0;
    Check_Thin_Layers(2);
    EXPECT_EQ(g.err.i_ErrorState, 0);
}

}  // namespace
}  // namespace tarvex_test
