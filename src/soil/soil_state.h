// Working values of the soil resistance models that persist during a run.
#pragma once

#include "engine/checked_array.h"
#include "input/limits.h"

namespace tarvex {

struct SoilState {
    Arr<double, kMaxLayers> rd_XeqTop;  // equivalent depth of the layer top; -10000 = not computed
    SoilState() { rd_XeqTop.fill(-10000.0); }
};

}  // namespace tarvex
