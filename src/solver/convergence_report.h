// Runtime error 10: the load case did not converge within the iteration limit.
#pragma once

namespace tarvex {

constexpr int kNoConvergenceRuntimeError = 10;

// Writes the block of runtime error 10 with the analysis of the convergence
// performance and its recommendations to the output report.
void Write_Convergence_Failure();

// Iterations the last convergence rate would need, |limit + (dYmax - tol) / DeltaDYmax|
// truncated; -1 when it cannot be computed (stalled, not finite or beyond an integer).
int Estimated_Iterations(int limit, double dymax, double tol, double delta);

}  // namespace tarvex
