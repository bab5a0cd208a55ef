// The p-y models: each is called with the index k of a soil layer after ITOP
// and IBOT have been set to the first and last node of the layer.
//
// Solution mode (i_PrintPYCurves = 0): for every node of the layer, the model
// evaluates its curve at yc = |y - ys| / ymult and writes the secant modulus
// Es = pmult * p(yc) / (ymult * yc); with soil movement loading it also writes
// q = ys * Es + W. Report mode (i_PrintPYCurves = 1): it writes the report
// block and the plot records of the curve at the requested depth.
#pragma once

namespace tarvex {

void PY_SoftClay(int k);  // Matlock (1970) soft clay, J = 0.5
void PY_SoftClyJ(int k);  // soft clay with a user-defined J

}  // namespace tarvex
