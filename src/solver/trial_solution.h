// Trial solutions of the pile-length study and the pile-head stiffness matrix:
// the same load applied to a pile set up afresh, iterated like a load case, but
// a trial that deflects excessively or does not converge only ends the series.
#pragma once

namespace tarvex {

enum class TrialOutcome {
    kConverged,         // met the convergence test
    kExcessDeflection,  // still changing after 10 iterations with the head beyond the deflection limit
    kNotConverged,      // reached the iteration limit
    kBuckled,           // the trial pile is unstable under the axial load
};

// Head conditions of pile-head load case j (type, conditions and axial load) into the solution state.
void Set_Case_Head_Conditions(int j);

// Node set-up of a trial for a pile of length L: nodes, properties, sections,
// layers, soil movement and starting soil moduli, undeflected. The distributed
// lateral loads of the input are applied when distributed_loads, else none.
void Set_Up_Trial_Nodes(double L, bool distributed_loads);

// Iterates the trial under the head conditions in force, as a load case does;
// after every solution of iteration m, iteration_line (when given) reports it.
// A deflection that is not a number stops the run with runtime error 28.
TrialOutcome Solve_Trial(void (*iteration_line)(int m));

}  // namespace tarvex
