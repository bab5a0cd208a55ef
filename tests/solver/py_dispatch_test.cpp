// The layer dispatcher: which layers run their p-y model and the marks of
// layers that lie below rock.
#include <gtest/gtest.h>

#include "engine/store.h"
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

TEST(PyDispatch, AModelThisEngineLacksStopsWithTheStageError) {
    Set_Up_Layers({{kSoftClay, 400.0}, {kVuggyLS, 800.0}});
    Captured report(g_Out.report), msg(g_Out.msg);
    int state = 0;
    try {
        Vuggy_Limestone_Prepass();  // vuggy limestone runs before the first solution
    } catch (const EngineStop&) {
        state = g.err.i_ErrorState;
    }
    EXPECT_EQ(state, 243);
    EXPECT_NE(report.text().find("Vuggy Limestone p-y curves"), std::string::npos);
}

}  // namespace
}  // namespace tarvex_test
