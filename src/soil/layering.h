// Layering correction: the equivalent depth of the top of a layer below the
// first, at which a deposit of the layer's own soil would give the ultimate
// resistance that the overlying layers actually provide.
#pragma once

namespace tarvex {

// Sets g.soil.rd_XeqTop(k) from the layer resistances of layers 1 .. k-1 and the
// top-node properties the calling model left in g.soil.top (and, for sand and
// cemented silt, the node's depth below ground in g.soil.rd_XeqTop(0)).
void Layering_Correction(int k);

}  // namespace tarvex
