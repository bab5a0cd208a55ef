// The layer dispatcher: every soil layer that holds nodes turns the nodal
// deflections into secant moduli through its p-y model, and layers below rock
// are marked so that their criteria measure depth from the ground surface.
#include "engine/driver.h"
#include "engine/store.h"
#include "soil/py_models.h"
#include "solver/pile_nodes.h"
#include "solver/solver.h"

namespace tarvex {

namespace {

// Rock counter after a layer's model: A marks the layer when rock lies above
// it; B marks it and counts it as rock; C counts it as rock and marks it.
enum class RockRule { kNone, kA, kB, kC };

struct PyDispatch {
    const char* name;       // model name, the first 8 characters of the keyword
    void (*routine)(int);   // nullptr: the model is not available in this engine
    RockRule rule;
    const char* long_name;  // named by the stage error of a model that is not available
};

constexpr PyDispatch kPyDispatch[] = {
    {"SoftClay", PY_SoftClay, RockRule::kA, "Soft Clay p-y curves"},
    {"SoftClyJ", PY_SoftClyJ, RockRule::kA, "Soft Clay with User-defined J p-y curves"},
    {"StfClyBW", PY_StfClyBW, RockRule::kA, "Stiff Clay with Free Water p-y curves"},
    {"StfClyAW", PY_StfClyAW, RockRule::kA, "Stiff Clay w/o Free Water p-y curves"},
    {"StfClyAK", PY_StfClyAK, RockRule::kA, "Stiff Clay w/o Free Water, using k p-y curves"},
    {"Sand    ", PY_Sand, RockRule::kA, "Sand (Reese, et al.) p-y curves"},
    {"API Sand", PY_APISand, RockRule::kA, "API Sand p-y curves"},
    {"Liq Sand", nullptr, RockRule::kA, "Liquefied Sand p-y curves"},
    {"Cem Silt", nullptr, RockRule::kA, "Cemented Silt p-y curves"},
    {"User p-y", PY_UserPY, RockRule::kNone, "User Input p-y Curves"},
    {"WeakRock", nullptr, RockRule::kC, "Weak Rock p-y curves"},
    {"Vuggy LS", nullptr, RockRule::kB, "Vuggy Limestone p-y curves"},
    {"MassRock", nullptr, RockRule::kB, "Massive Rock p-y curves"},
    {"KS Loess", PY_KSLoess, RockRule::kA, "Loess p-y curves"},
    {"Piedmont", PY_Piedmont, RockRule::kB, "Piedmont Residual p-y curves"},
    {"Elast SG", PY_ElastSG, RockRule::kB, "Elastic Subgrade p-y curves"},
};

constexpr int kVuggyLimestone = 11;  // row of "Vuggy LS" in kPyDispatch

// Row of the model of layer k, or nullptr for a model name that has no row.
const PyDispatch* Layer_Model(int k) {
    const std::string_view name = g.pd.models.SoilModelName(g.pd.i_SoilLayer_py_Type(k)).view().substr(0, 8);
    for (const PyDispatch& row : kPyDispatch)
        if (name == row.name) return &row;
    return nullptr;
}

void Apply_Rock_Rule(int k, RockRule rule) {
    SoilState& soil = g.soil;
    const auto mark = [&] {
        if (soil.i_RockLayersAbove > 0) soil.b_BelowRock(k) = kTrue;
    };
    switch (rule) {
        case RockRule::kA: mark(); break;
        case RockRule::kB: mark(); ++soil.i_RockLayersAbove; break;
        case RockRule::kC: ++soil.i_RockLayersAbove; mark(); break;
        case RockRule::kNone: break;
    }
}

// Runs the model of layer k over its nodes; errors of the model unwind from it.
void Run_Layer_Model(int k, const PyDispatch& row) {
    g.nodes.ITOP = g.nodes.i_TopNodeInLayer(k);
    g.nodes.IBOT = g.nodes.i_BottomNodeInLayer(k);
    if (!row.routine) Stop_Stage_Not_Available(row.long_name);
    row.routine(k);
}

}  // namespace

void Run_Layer_PY_Model(int k) {
    if (const PyDispatch* row = Layer_Model(k)) Run_Layer_Model(k, *row);
}

void Dispatch_PY_Layers() {
    g.soil.i_RockLayersAbove = 0;
    const bool first_iteration = g.sol.i_Iteration == 1;
    for (int k = 1; k <= g.pd.i_Number_of_Layers; ++k) {
        if (g.nodes.i_TopNodeInLayer(k) != 0)
            if (const PyDispatch* row = Layer_Model(k)) {
                Run_Layer_Model(k, *row);
                Apply_Rock_Rule(k, row->rule);
            }
        if (first_iteration && k >= 2) Check_Thin_Layers(k);
    }
}

// Vuggy limestone layers are evaluated once per node before the first solution
// (the rock counter carries on from the last dispatcher pass).
void Vuggy_Limestone_Prepass() {
    const PyDispatch& row = kPyDispatch[kVuggyLimestone];
    for (int i = 1; i <= g.nodes.i_NumNodes; ++i)
        for (int k = 1; k <= g.pd.i_Number_of_Layers; ++k)
            if (g.nodes.i_TopNodeInLayer(k) != 0 && Layer_Model(k) == &row) {
                Run_Layer_Model(k, row);
                Apply_Rock_Rule(k, row.rule);
            }
}

}  // namespace tarvex
