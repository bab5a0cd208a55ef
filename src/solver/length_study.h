// Pile-head deflection versus pile length for one load case.
#pragma once

namespace tarvex {

void Compute_Deflection_Vs_Length(int j);

}  // namespace tarvex
