// Trial solutions of the pile-length study and the pile-head stiffness matrix.
#include "solver/trial_solution.h"

#include "engine/store.h"
#include "output/report_lines.h"
#include "solver/pile_nodes.h"
#include "solver/solver.h"

namespace tarvex {

constexpr int kNotANumberRuntimeError = 28;

namespace {

// Runtime error 28 of a trial: the solution produced a deflection that is not a number.
[[noreturn]] void Trial_Not_A_Number(int m) {
    Write_Error_Block(Runtime_Error_Heading(kNotANumberRuntimeError),
                      {"Either top deflection or maximum change in deflection is not a number after iteration " +
                       Int_Text(m)},
                      false, 0);
    Raise_Error(200 + kNotANumberRuntimeError);
}

// The nonlinear iteration of a load case; only a deflection that is not a number ends the run.
TrialOutcome Iterate_Trial(void (*iteration_line)(int m)) {
    switch (Iterate_Solutions(iteration_line)) {
        case IterationEnd::kNotANumber: Trial_Not_A_Number(g.sol.i_Iteration);
        case IterationEnd::kConverged: return TrialOutcome::kConverged;
        case IterationEnd::kExcessDeflection: return TrialOutcome::kExcessDeflection;
        case IterationEnd::kNotConverged: break;
    }
    return TrialOutcome::kNotConverged;
}

}  // namespace

void Set_Case_Head_Conditions(int j) {
    const ProblemData& pd = g.pd;
    SolutionState& s = g.sol;
    s.i_HeadConditionType = pd.i_LoadType(j);
    s.rd_AxialLoad = pd.rd_AxialThrust(j);
    const double c1 = pd.rd_LoadCond1(j), c2 = pd.rd_LoadCond2(j);
    switch (s.i_HeadConditionType) {
        case 1: s.rd_HeadShear = c1; s.rd_HeadMoment = c2; break;
        case 2: s.rd_HeadShear = c1; s.rd_HeadSlope = c2; break;
        case 3: s.rd_HeadShear = c1; s.rd_HeadRotStiffness = c2; break;
        case 4: s.rd_HeadDeflection = c1; s.rd_HeadMoment = c2; break;
        case 5: s.rd_HeadDeflection = c1; s.rd_HeadSlope = c2; break;
        default: break;
    }
}

void Set_Up_Trial_Nodes(double L, bool distributed_loads) {
    PileNode& nd = g.nodes;
    g.pd.rd_PileLength = L;
    Place_Nodes(false);
    if (!distributed_loads)
        for (int i = 1; i <= nd.i_NumNodes; ++i) nd.q(i) = nd.W(i) = 0.0;
    Set_Starting_Soil_Moduli();
    for (double& y : nd.y.v) y = 0.0;
    g.sol.rd_TipShear = 0.0;
    Clear_Running_Maxima();
}

TrialOutcome Solve_Trial(void (*iteration_line)(int m)) {
    SolutionState& s = g.sol;
    s.b_TrialSolution = kTrue;
    TrialOutcome outcome = TrialOutcome::kBuckled;
    try {
        outcome = Iterate_Trial(iteration_line);
    } catch (const TrialBuckled&) {
    } catch (...) {
        s.b_TrialSolution = kFalse;
        throw;
    }
    s.b_TrialSolution = kFalse;
    return outcome;
}

}  // namespace tarvex
