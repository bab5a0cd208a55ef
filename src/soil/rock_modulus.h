// Rock mass modulus of a rock layer, linear in depth between the values the
// input gives at the layer's top and bottom.
#pragma once

namespace tarvex {

// Initial modulus of rock of layer k at depth x; runtime error 20 when the
// layer has no thickness (its block names the weak rock or massive rock layer).
double fn_LayerModulus(int k, double x);

}  // namespace tarvex
