// Input checks and the echo of the input data into the output report.
#pragma once

namespace tarvex {

// Writes the whole problem into the output report in input units, completes the
// values the analysis derives from it (contiguous layer tops, the replacement of
// a negative convergence tolerance, the p-y output depths kept within the soil
// along the pile, the LRFD factored loads) and checks it: the first failed check
// writes its block right after the echo of its data and stops the run.
void Echo_And_Check_Input();

}  // namespace tarvex
