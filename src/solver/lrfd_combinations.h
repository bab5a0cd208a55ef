// LRFD load combinations: factored pile-head loads and the performance table.
#pragma once

namespace tarvex {

void Compute_Factored_Loads();
// Factored pile-head loads of combination c, solved as a head of type 1.
double Factored_Shear(int c);
double Factored_Moment(int c);
double Factored_Axial(int c);
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
