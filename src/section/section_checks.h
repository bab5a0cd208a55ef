// Input checks of the sections that the moment-curvature analysis needs.
#pragma once

#include "input/pile_section.h"

namespace tarvex {

constexpr int kSectionMaterialError = 32;   // a strength or modulus not positive
constexpr int kSectionWallError = 33;       // a casing or core wall of half its diameter or more
constexpr int kBundleSizeError = 34;        // more than 3 bars per bundle
constexpr int kBarsInCasingError = 35;      // bars on a circle that do not fit inside the casing
constexpr int kGenericUnitsSectionError = 36;  // a nonlinear section in generic units
constexpr int kSectionDimensionError = 37;  // a section dimension not positive

// Raises the input error of the first fault of a section of types 0 to 10.
void Check_Section_Input(const PileSection& sec);

}  // namespace tarvex
