// Pile-head stiffness matrix from trial solutions of shear and moment.
#pragma once

namespace tarvex {

void Compute_Stiffness_Matrix();
void Write_Stiffness_Matrix();

}  // namespace tarvex
