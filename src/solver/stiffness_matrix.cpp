// Pile-head stiffness matrix.
#include "solver/stiffness_matrix.h"

#include "engine/driver.h"

namespace tarvex {

void Compute_Stiffness_Matrix() { Stop_Stage_Not_Available("pile-head stiffness matrix"); }
void Write_Stiffness_Matrix() { Stop_Stage_Not_Available("pile-head stiffness matrix"); }

}  // namespace tarvex
