// Finite-difference solution of the beam-column on soil springs and the
// nonlinear iteration of one load case.
#pragma once

namespace tarvex {

// Thrown instead of runtime error 44 while b_TrialSolution is set: the trial
// pile buckles, which ends the series of trials, not the run.
struct TrialBuckled {};

// One linear solution with the current EI, Es and q: new y(-1 .. n+1), Vt,
// rd_dYmax and rd_DeltaDYmax. Raises runtime error 11 (small head pivot) or 44
// (the pile buckles under its axial load); the nodal deflections are then unchanged.
void Solve_FD_System(int iteration);

// Solves the first m rows and columns of F X = G in place (m = 5, or 4 for head
// type 4) by elimination without row exchanges; raises runtime error 11 on a
// pivot below 1.0E-20 in magnitude, the last one included.
void Solve_Head_System(int m);

// Moment, shear, slope, soil reaction and stress at node i from the current
// deflections into rd_Moment .. rd_Stress; updates the running maxima and the
// per-section maxima of i_LoadCase.
void Nodal_Response(int i);

// Iterates load case j to convergence: on return y, EI and Es of the last
// solution are in the nodal model and i_Iteration holds the iteration count.
// Raises runtime errors 9, 10 and 28 and those of the p-y models; under head
// type 4, runtime error 10 is deferred (see Raise_Deferred_Error).
void Solve_Load_Case(int j);

// Raises the runtime error that Solve_Load_Case deferred until the case was reported.
void Raise_Deferred_Error();

// Calls the p-y model of every layer that holds nodes and applies the rock-counter rules.
void Dispatch_PY_Layers();

// Calls the p-y model of layer k over the layer's nodes, without the rock
// counter; nothing for a model code that has no p-y model. A model that this
// engine lacks stops the run with runtime error 43.
void Run_Layer_PY_Model(int k);

// Evaluates the vuggy limestone layers once per node before the first solution.
void Vuggy_Limestone_Prepass();

// Recomputes EI of the nodes whose section has a moment-curvature table, at
// thrust index t and axial thrust P (kips or kN).
void Update_Nodal_EI(int t, double P);

// Bending stiffness of node i from the curve (s, t) at the node's curvature.
double EI_From_Table(int i, int s, int t);

// Index of the thrust-list interval that holds the axial thrust P.
int Find_Thrust_Index(double P);

// How the nonlinear iteration of the head conditions in force ended.
enum class IterationEnd {
    kConverged,         // met the convergence test (iteration 6 or later)
    kExcessDeflection,  // still changing from iteration 11 on with the head beyond the deflection limit
    kNotANumber,        // the head deflection or the largest change in deflection is not a number
    kNotConverged,      // reached the iteration limit
};
// The nonlinear iteration: linear solutions with secant soil moduli (and
// bending stiffnesses) from the current set-up; after every solution that is a
// number, iteration_line (when given) reports iteration it. g.sol.i_Iteration
// holds the last iteration.
IterationEnd Iterate_Solutions(void (*iteration_line)(int it));

// Clears the running maxima of a pass over the nodes.
void Clear_Running_Maxima();

}  // namespace tarvex
