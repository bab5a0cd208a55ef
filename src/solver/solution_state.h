// State of the finite-difference solution and the nonlinear iteration of a load case:
// the head conditions, the recursion and head system, the convergence measures,
// the response of the last node evaluated and the maxima kept for the reports.
#pragma once

#include "engine/checked_array.h"
#include "input/limits.h"
#include "solver/pile_node.h"

namespace tarvex {

constexpr int kHeadSystemSize = 5;  // unknowns y(3), y(2), y(1), y(0), y(-1)
constexpr int kMaxCases = 100;      // load cases, LRFD combinations or stiffness trials

struct SolutionState {
    // Load case being solved (set by the driver before Solve_Load_Case)
    int i_LoadCase = 0;                // case whose per-section maxima Nodal_Response keeps
    int i_HeadConditionType = 0;       // 1 V0,M0; 2 V0,S0; 3 V0,Kr; 4 Y0,M0; 5 Y0,S0
    double rd_HeadShear = 0;           // V0
    double rd_HeadMoment = 0;          // M0
    double rd_HeadSlope = 0;           // S0
    double rd_HeadRotStiffness = 0;    // Kr, head moment per unit head slope
    double rd_HeadDeflection = 0;      // Y0, relative to the soil movement at the head
    double rd_AxialLoad = 0;           // P, compression positive
    double rd_TipShear = 0;            // Vt, tip shear force of the last solution; 0 at case start

    // Recursion from the tip: y(m) = a(m) y(m-1) - b(m) y(m-2) + c(m) + d(m)
    Arr<double, kNodeCapacity> a;
    Arr<double, kNodeCapacity> b;
    Arr<double, kNodeCapacity> c;      // load term
    Arr<double, kNodeCapacity> d;      // tip-shear term
    Arr<double, kNodeCapacity> D;      // pivot of node m

    // Head system F X = G (F stored column by column, leading dimension 5)
    Arr2<double, kHeadSystemSize, kHeadSystemSize> F;  // F(row, column)
    Arr<double, kHeadSystemSize> G;
    Arr<double, kHeadSystemSize> X;

    // Convergence measures
    double rd_dYmax = 0;               // largest change of a nodal deflection in the last solution
    double rd_DeltaDYmax = 0;          // change of rd_dYmax from the previous solution
    double rd_PrevDYmax = 0;           // rd_dYmax of the previous solution

    // Response of the node of the last Nodal_Response call
    double rd_Moment = 0;              // M
    double rd_Shear = 0;               // V
    double rd_Slope = 0;               // S as reported (S0 at the head under head type 5)
    double rd_SoilReaction = 0;        // p
    double rd_Stress = 0;              // combined axial and bending stress
    Arr<double, kNodeCapacity> rd_NodeMoment;  // moment for the stiffness update (kip-in for US units)

    // Pile-head values of the last Nodal_Response (1): specified ones kept, others computed
    double rd_ReportedHeadShear = 0;
    double rd_ReportedHeadMoment = 0;
    double rd_ReportedHeadSlope = 0;   // S0 under head type 5, else the computed slope
    double rd_ComputedHeadSlope = 0;   // slope from the deflections (one-sided under head type 5)

    // Running maxima of one pass over the nodes (cleared by the caller of the pass)
    double rd_MaxMoment = 0;           // moment of largest magnitude, signed
    double rd_MaxMomentX = 0;          // its axial distance
    double rd_MaxShear = 0;            // shear of largest magnitude, signed
    double rd_MaxShearX = 0;           // its axial distance
    double rd_MaxStress = 0;           // largest combined stress

    // Per load case and pile section: moment and shear of largest magnitude, with their nodes
    Arr2<double, kMaxCases, kMaxSections> rd_SectionMaxMoment;
    Arr2<int, kMaxCases, kMaxSections> i_SectionMaxMomentNode;
    Arr2<double, kMaxCases, kMaxSections> rd_SectionMaxShear;
    Arr2<int, kMaxCases, kMaxSections> i_SectionMaxShearNode;

    // Nonlinear iteration (the rock counter and b_BelowRock are in SoilState)
    int i_Iteration = 0;               // current iteration, from 1; the count at convergence
    Flag b_Converged = kFalse;         // the last load case met the convergence test
    int i_DeferredErrorState = 0;      // 210 when runtime error 10 under head type 4 awaits the case report
    int i_ThrustIndex = 0;             // thrust-list interval holding the axial load
    double rd_ThrustLoad = 0;          // axial load in thrust-list units (kips or kN)
    Arr<Flag, kNodeCapacity> b_EndOfCurve;  // node passed the last point of its moment-curvature curve
    Flag b_AnyEndOfCurve = kFalse;     // some node passed the end of its curve
    Flag b_TrialSolution = kFalse;     // a trial of the length study or the stiffness matrix is solved
};

}  // namespace tarvex
