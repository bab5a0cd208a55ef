// Input checks and the echo of the input data into the output report.
#pragma once

namespace tarvex {

// Checks the problem read by any reader and completes the values the analysis
// derives from it: contiguous layer tops, the replacement of a negative
// convergence tolerance, the p-y output depths kept within the soil along the pile.
void Echo_And_Check_Input();

}  // namespace tarvex
