// Time of the pile-response solution: one nonlinear soft clay load case, and
// the linear finite-difference solution alone, at 100 and 500 increments.
#include <benchmark/benchmark.h>

#include "engine/store.h"
#include "solver/pile_nodes.h"
#include "solver/solver.h"

namespace {

using namespace tarvex;

// A 24-in steel-like pile, EI = 1E10 lb-in^2, 800 in long in one soft clay
// layer (c = 3 psi, 36 pcf, eps50 = 0.02), 20 kips of shear at a free head.
void Set_Up_Soft_Clay_Case(int increments) {
    Reset_Store();
    Set_Unit_Labels(kUnitsUS);
    ProblemData& pd = g.pd;
    pd.IUNITS = kUnitsUS;
    pd.ICOM = 3;
    pd.i_MaxIterations = 100;
    pd.rd_ConvergenceTol = 1.0E-5;
    pd.rd_MaxDeflection = 100.0;
    pd.i_NumIncrements = increments;
    pd.rd_PileLength = 800.0;
    pd.i_NumSections = 1;
    pd.Section(1).i_SectionType = kElasticPile;
    pd.i_NumPilePoints = 2;
    for (int j = 1; j <= 2; ++j) {
        pd.rd_PilePointX(j) = j == 1 ? 0.0 : 800.0;
        pd.rd_PilePointDiam(j) = 24.0;
        pd.rd_PilePointI(j) = 24.0 * 24.0 * 24.0 * 24.0 / 12.0;
        pd.rd_PilePointE(j) = 1.0E10 / pd.rd_PilePointI(j);
        pd.rd_PilePointArea(j) = 450.0;
    }
    pd.i_Number_of_Layers = 1;
    pd.i_SoilLayer_py_Type(1) = kSoftClay;
    pd.XLayerTop(1) = 0.0;
    pd.XLayerBottom(1) = 800.0;
    pd.i_NumProfilePoints = 2;
    for (int j = 1; j <= 2; ++j) {
        pd.rd_ProfileDepth(j) = j == 1 ? 0.0 : 800.0;
        pd.rd_ProfileGamma(j) = 0.0208;
        pd.rd_ProfileStrength(j) = 3.0;
        pd.rd_ProfileEps50(j) = 0.02;
    }
    Place_Nodes(false);
    g.sol.i_HeadConditionType = 1;
    g.sol.rd_HeadShear = 2.0E4;
}

// The load case from an undeflected pile, as the driver starts every case.
void Start_Case() {
    PileNode& nd = g.nodes;
    for (int i = -1; i <= nd.i_NumNodes + 1; ++i) nd.y(i) = 0.0;
    g.sol.rd_TipShear = 0.0;
    Set_Starting_Soil_Moduli();
}

void BM_SoftClayLoadCase(benchmark::State& state) {
    Set_Up_Soft_Clay_Case(int(state.range(0)));
    long iterations = 0;
    for (auto _ : state) {
        Start_Case();
        Solve_Load_Case(1);
        iterations += g.sol.i_Iteration;
    }
    state.counters["iterations"] = double(g.sol.i_Iteration);
    state.counters["time/iteration"] =
        benchmark::Counter(double(iterations), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SoftClayLoadCase)->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond);

// One linear solution with the soil moduli of the converged case.
void BM_LinearSolution(benchmark::State& state) {
    Set_Up_Soft_Clay_Case(int(state.range(0)));
    Start_Case();
    Solve_Load_Case(1);
    for (auto _ : state) {
        Solve_FD_System(2);
        benchmark::DoNotOptimize(g.nodes.y(1));
    }
}
BENCHMARK(BM_LinearSolution)->Arg(500)->Unit(benchmark::kMicrosecond);

}  // namespace
