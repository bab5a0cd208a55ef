// The layer dispatcher: every soil layer that holds nodes turns the nodal
// deflections into secant moduli through its p-y model, and layers below rock
// are marked so that their criteria measure depth from the ground surface.
#include <algorithm>

#include "engine/driver.h"
#include "engine/errors.h"
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
    {"Liq Sand", PY_LiqSand, RockRule::kA, "Liquefied Sand p-y curves"},
    {"Cem Silt", PY_CemSilt, RockRule::kA, "Cemented Silt p-y curves"},
    {"User p-y", PY_UserPY, RockRule::kNone, "User Input p-y Curves"},
    {"WeakRock", PY_WeakRock, RockRule::kC, "Weak Rock p-y curves"},
    {"Vuggy LS", PY_VuggyLS, RockRule::kB, "Vuggy Limestone p-y curves"},
    {"MassRock", PY_MassRock, RockRule::kB, "Massive Rock p-y curves"},
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

// Vuggy limestone layers get their moduli before the first solution. The
// straightforward sweep runs every vuggy layer's model once per node of the
// pile with the same deflections, so each run writes the same moduli; one run
// per layer gives them, and the tallies and rock counter then receive what the
// other n - 1 sweeps would have added.
void Vuggy_Limestone_Prepass() {
    const PyDispatch& row = kPyDispatch[kVuggyLimestone];
    const int n = g.nodes.i_NumNodes;
    ErrorRecord& err = g.err;
    const Arr<int, kMaxWarningNumber> before = err.i_WarningTally;
    int vuggy_layers = 0;
    for (int k = 1; k <= g.pd.i_Number_of_Layers; ++k) {
        if (g.nodes.i_TopNodeInLayer(k) == 0 || Layer_Model(k) != &row) continue;
        Run_Layer_Model(k, row);
        Apply_Rock_Rule(k, row.rule);
        ++vuggy_layers;
    }
    if (vuggy_layers == 0 || n < 2) return;
    for (int w = 1; w <= kMaxWarningNumber; ++w) {
        const long long added = err.i_WarningTally(w) - before(w);
        if (added > 0)
            err.i_WarningTally(w) = int(std::min<long long>(err.i_WarningTally(w) + added * (n - 1), kMaxWarningTally));
    }
    // In the later sweeps the counter is positive, so every vuggy layer lies below rock.
    for (int k = 1; k <= g.pd.i_Number_of_Layers; ++k)
        if (g.nodes.i_TopNodeInLayer(k) != 0 && Layer_Model(k) == &row) g.soil.b_BelowRock(k) = kTrue;
    g.soil.i_RockLayersAbove += vuggy_layers * (n - 1);
}

}  // namespace tarvex
