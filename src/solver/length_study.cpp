// Pile-head deflection versus pile length.
#include "solver/length_study.h"

#include "engine/driver.h"

namespace tarvex {

void Compute_Deflection_Vs_Length(int j) {
    Stop_Stage_Not_Available("pile-head deflection versus pile length");
}

}  // namespace tarvex
