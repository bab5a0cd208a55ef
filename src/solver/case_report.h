// Pile response report of a load case: the node walk, the table of computed
// values, the equilibrium check, the output summary and the nodal plot records,
// and the per-case results kept for the summaries.
#pragma once

#include "engine/checked_array.h"
#include "input/limits.h"

namespace tarvex {

constexpr int kMaxCaseResults = 100;  // load cases or stiffness trials

struct CaseResults {
    Flag b_StiffnessTrial = kFalse;                  // the stiffness matrix runs its trial solutions
    Arr<double, kMaxCaseResults> rd_CaseTopY;        // deflection of the pile head
    Arr<double, kMaxCaseResults> rd_CaseTopSlope;    // computed slope at the pile head
    Arr<double, kMaxCaseResults> rd_CaseTopShear;    // shear at the pile head
    Arr<double, kMaxCaseResults> rd_CaseTopMoment;   // moment at the pile head
    Arr<double, kMaxCaseResults> rd_CaseMaxMoment;   // moment of largest magnitude (signed)
    Arr<double, kMaxCaseResults> rd_CaseMaxShear;    // shear of largest magnitude (signed)

    // Equilibrium check of the last report
    double rd_MaxMomentImbalance = 0;   // signed
    int i_MaxMomentImbalanceNode = 0;
    double rd_MaxForceImbalance = 0;    // signed
    int i_MaxForceImbalanceNode = 0;
    double rd_CarriedMb = 0;            // moment two nodes back
    double rd_CarriedMa = 0;            // moment one node back
    double rd_CarriedVb = 0;            // shear at the segment start
    double rd_CarriedSb = 0;            // slope at the segment start
};

// Report of load case j after its solution converged in `iterations` iterations.
void Write_Case_Report(int j, int iterations);
// Equilibrium of the segment ending at node i - 1 (i = 3 .. n + 1, in order).
void Check_Equilibrium(int i);

}  // namespace tarvex
