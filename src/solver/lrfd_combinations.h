// LRFD load combinations: factored pile-head loads, the factored axial thrusts
// of the section tables, and the performance table of every combination.
#pragma once

#include "engine/checked_array.h"
#include "input/limits.h"

namespace tarvex {

// Totals of the unfactored load groups by load type and the factored loads of
// every combination. Forces in pounds and moments in inch-pounds (US
// customary), kN and kN-m (SI). Cleared by Compute_Factored_Loads.
struct LRFDLoads {
    Arr<int, kNumLRFDLoadTypes> i_TypeGroupCount;       // load groups of load type t
    Arr<double, kNumLRFDLoadTypes> rd_TypeTotalShear;   // sums of the groups of type t
    Arr<double, kNumLRFDLoadTypes> rd_TypeTotalMoment;
    Arr<double, kNumLRFDLoadTypes> rd_TypeTotalAxial;
    Arr<double, kMaxLRFDCombos> rd_FactoredHoriz;       // combination j, before the batter transformation
    Arr<double, kMaxLRFDCombos> rd_FactoredVert;
    Arr<double, kMaxLRFDCombos> rd_FactoredShear;       // combination j, transverse to the pile axis
    Arr<double, kMaxLRFDCombos> rd_FactoredMoment;
    Arr<double, kMaxLRFDCombos> rd_FactoredAxial;       // along the pile axis, compression positive
    Arr<double, kMaxLRFDCombos> rd_LRFDThrust;          // distinct factored axial loads, ascending
    int i_NumLRFDThrusts = 0;
    Arr<int, kMaxLRFDCombos> i_LRFDThrustIndex;         // position of rd_FactoredAxial(j) in rd_LRFDThrust
};

// The factored loads of every combination; the thrust list of the section
// analysis becomes the distinct factored axial loads (in kips for US units).
void Compute_Factored_Loads();
// Factored pile-head loads of combination c, solved as a head of type 1.
double Factored_Shear(int c);
double Factored_Moment(int c);
double Factored_Axial(int c);
// "LRFD Performance by Load Case Combination": every combination and section
// against its factored moment capacity, with warning -400 for each failure.
void Write_LRFD_Performance();

// Values computed by Compute_Factored_Loads that the input echo prints.
int LRFD_Type_Group_Count(int t);       // load groups of load type t
double LRFD_Type_Total_Shear(int t);    // sums over the groups of load type t
double LRFD_Type_Total_Moment(int t);
double LRFD_Type_Total_Axial(int t);
double Factored_Horizontal(int c);      // factored forces of combination c before the batter transformation
double Factored_Vertical(int c);
int Num_LRFD_Thrusts();                 // distinct factored axial loads, ascending, in input force units
double LRFD_Thrust(int k);

}  // namespace tarvex
