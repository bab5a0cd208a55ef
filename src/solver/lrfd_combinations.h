// LRFD load combinations: factored pile-head loads and the performance table.
#pragma once

namespace tarvex {

void Compute_Factored_Loads();
// Factored pile-head loads of combination c, solved as a head of type 1.
double Factored_Shear(int c);
double Factored_Moment(int c);
double Factored_Axial(int c);
void Write_LRFD_Performance();

}  // namespace tarvex
