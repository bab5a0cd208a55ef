// The layer dispatcher: which layers run their p-y model and the marks of
// layers that lie below rock.
#include <gtest/gtest.h>

#include <vector>

#include "engine/store.h"
#include "soil/py_models.h"
#include "soil/py_model_fixture.h"
#include "solver/pile_nodes.h"
#include "solver/solver.h"
#include "solver/solver_fixture.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

int Add_Model_Layer(int model, double top, double bottom) {
    const int k = Add_Layer(model, top, bottom);
    Set_Column(g.pd.rd_ProfileGamma, k, 0.0208, 0.0208);
    Set_Column(g.pd.rd_ProfileStrength, k, 3.0, 3.0);
    Set_Column(g.pd.rd_ProfileEps50, k, 0.02, 0.02);
    Set_Column(g.pd.rd_ProfileEs, k, 2000.0, 2000.0);
    return k;
}

struct LayerSetup {
    int model;
    double bottom;
};

// An 800-in pile with 80 increments in layers from the ground surface at the head.
void Set_Up_Layers(std::initializer_list<LayerSetup> layers) {
    PileSetup p;
    p.increments = 80;
    Set_Up_Pile(p);
    double top = 0.0;
    for (const LayerSetup& l : layers) {
        Add_Model_Layer(l.model, top, l.bottom);
        top = l.bottom;
    }
    Assign_Nodes_To_Layers(g.nodes.i_NumNodes);
    Set_Starting_Soil_Moduli();
    Set_Deflections(0.1);
    g.sol.i_Iteration = 2;
}

int Dispatch() {
    try {
        Dispatch_PY_Layers();
    } catch (const EngineStop&) {
        return g.err.i_ErrorState;
    }
    return 0;
}

TEST(PyDispatch, LayersBelowRockAreMarked) {
    // Elastic subgrade counts as rock: the soft clay under it is marked, and so is
    // the second subgrade layer, which then counts as well.
    Set_Up_Layers({{kSoftClay, 160.0}, {kElastSG, 320.0}, {kSoftClay, 480.0}, {kElastSG, 640.0}, {kSoftClay, 800.0}});
    ASSERT_EQ(Dispatch(), 0);
    const bool below[] = {false, false, true, true, true};
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(on(g.soil.b_BelowRock(k)), below[k - 1]) << k;
    EXPECT_EQ(g.soil.i_RockLayersAbove, 2);
    EXPECT_NE(g.nodes.Es(10), kStartingSoilModulus);  // soft clay moduli written
    EXPECT_NE(g.nodes.Es(30), kStartingSoilModulus);   // elastic subgrade
}

TEST(PyDispatch, LayerWithoutARoutineKeepsItsStartingModuli) {
    Set_Up_Layers({{kSoftClay, 400.0}, {kFrzSoil, 800.0}});
    ASSERT_EQ(Dispatch(), 0);
    EXPECT_DOUBLE_EQ(g.nodes.Es(70), kStartingSoilModulus);
}

TEST(PyDispatch, LayerWithoutANodeStopsTheFirstIteration) {
    Set_Up_Layers({{kSoftClay, 401.0}, {kSoftClay, 404.0}, {kSoftClay, 800.0}});  // 3 in between nodes 10 in apart
    ASSERT_EQ(g.nodes.i_TopNodeInLayer(2), 0);
    EXPECT_EQ(Dispatch(), 0);  // later iterations do not test
    g.sol.i_Iteration = 1;
    Captured report(g_Out.report), msg(g_Out.msg);
    EXPECT_EQ(Dispatch(), 229);
}

// What the vuggy limestone pass before the first solution leaves behind.
struct PrepassResult {
    std::vector<double> Es;
    int tally = 0;
    int counter = 0;
    std::vector<bool> below_rock;
};

PrepassResult Prepass_Result() {
    PrepassResult r;
    for (int i = 1; i <= g.nodes.i_NumNodes; ++i) r.Es.push_back(g.nodes.Es(i));
    r.tally = g.err.i_WarningTally(308);
    r.counter = g.soil.i_RockLayersAbove;
    for (int k = 1; k <= g.pd.i_Number_of_Layers; ++k) r.below_rock.push_back(on(g.soil.b_BelowRock(k)));
    return r;
}

// Soft clay and vuggy limestone layers (a strength of 3 psi, far below the
// usual range, records warning -308 at every vuggy node below a layer top).
void Set_Up_Vuggy_Layers(int counter, int tally) {
    Set_Up_Layers({{kSoftClay, 200.0}, {kVuggyLS, 400.0}, {kSoftClay, 600.0}, {kVuggyLS, 800.0}});
    Set_Deflections(0.0);
    g.soil.i_RockLayersAbove = counter;
    g.err.i_WarningTally(308) = tally;
}

TEST(PyDispatch, VuggyLimestonePassEqualsTheSweepOverEveryNode) {
    for (int counter : {0, 3}) {
        for (int tally : {0, 3990}) {
            // The straightforward sweep: every vuggy layer once per node of the pile, with the rock rule after each.
            Set_Up_Vuggy_Layers(counter, tally);
            for (int i = 1; i <= g.nodes.i_NumNodes; ++i) {
                for (int k : {2, 4}) {
                    g.nodes.ITOP = g.nodes.i_TopNodeInLayer(k);
                    g.nodes.IBOT = g.nodes.i_BottomNodeInLayer(k);
                    PY_VuggyLS(k);
                    if (g.soil.i_RockLayersAbove > 0) g.soil.b_BelowRock(k) = kTrue;
                    ++g.soil.i_RockLayersAbove;
                }
            }
            const PrepassResult sweep = Prepass_Result();
            Set_Up_Vuggy_Layers(counter, tally);
            Vuggy_Limestone_Prepass();
            const PrepassResult pass = Prepass_Result();
            EXPECT_EQ(pass.Es, sweep.Es);
            EXPECT_EQ(pass.tally, sweep.tally) << counter << " " << tally;
            EXPECT_EQ(pass.counter, sweep.counter);
            EXPECT_EQ(pass.below_rock, sweep.below_rock);
            EXPECT_GT(sweep.tally, tally);
            EXPECT_NE(sweep.Es[30], kStartingSoilModulus);  // a vuggy limestone node
            EXPECT_EQ(sweep.Es[10], kStartingSoilModulus);  // a soft clay node keeps its starting modulus
        }
    }
}

}  // namespace
}  // namespace tarvex_test
