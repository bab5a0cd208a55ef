// Working values of the soil resistance models that persist during a run.
#pragma once

#include "engine/checked_array.h"
#include "input/limits.h"

namespace tarvex {

constexpr double kXeqNotComputed = -10000.0;  // rd_XeqTop of a layer not yet corrected

// Properties of the current layer at its top node, left by the calling p-y model
// for the layering correction.
struct LayerTopProperties {
    double b = 0;      // pile width
    double c = 0;      // undrained shear strength
    double ca = 0;     // average undrained shear strength (stiff clay models)
    double gamma = 0;  // average effective unit weight
    double J = 0;      // soft clay J
    double phi = 0;    // friction angle, radians (sand, cemented silt)
    double alpha = 0;  // phi / 2
    double beta = 0;   // pi / 4 + phi / 2
    double K0 = 0;     // at-rest earth pressure coefficient
    double Ka = 0;     // active earth pressure coefficient
    double Kp = 0;     // passive earth pressure coefficient
};

struct SoilState {
    ArrFrom<double, 0, kMaxLayers> rd_XeqTop;        // equivalent depth of the layer top; (0): depth below ground of the calling node
    Arr<double, kMaxLayers> rd_LayerResistance;      // integrated ultimate resistance of the layer
    Arr<double, kMaxLayers> rd_LayerResistanceSaved; // copy kept by the liquefied sand model
    LayerTopProperties top;                          // inputs of the layering correction
    Flag b_AtNode = kFalse;                          // the last fn_c depth lies at a layer interface
    int i_RockLayersAbove = 0;                       // rock counter of one dispatcher pass
    Arr<Flag, kMaxLayers> b_BelowRock;               // layer lies below a layer counted as rock
    SoilState() {
        for (double& x : rd_XeqTop.v) x = kXeqNotComputed;
    }
};

}  // namespace tarvex
