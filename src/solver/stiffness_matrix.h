// Pile-head stiffness matrix: secant stiffness terms of the pile head under
// ten levels of head shear (head held against rotation) and ten levels of head
// moment (head held against deflection), scaled from load case 1.
#pragma once

#include "engine/checked_array.h"

namespace tarvex {

constexpr int kStiffnessLevels = 10;                     // load levels of each head condition
constexpr int kStiffnessTrials = 2 * kStiffnessLevels;   // trial solutions of the stage

struct StiffnessTerms {
    Arr<double, kStiffnessLevels> rd_K22;  // head shear per head deflection, rotation held
    Arr<double, kStiffnessLevels> rd_K32;  // -head moment per head deflection, rotation held
    Arr<double, kStiffnessLevels> rd_K23;  // head shear per head rotation, deflection held
    Arr<double, kStiffnessLevels> rd_K33;  // -head moment per head rotation, deflection held
};

// Runs the twenty trials under the loads of load case 1 when the stiffness
// matrix is requested; a trial that diverges or does not converge ends the
// stage without a matrix. Leaves the report in summary-only mode.
void Compute_Stiffness_Matrix();
// The stiffness terms of the twenty trials: their plot records and report tables.
void Write_Stiffness_Matrix();

}  // namespace tarvex
