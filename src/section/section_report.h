// Section properties report of one pile section.
#pragma once

#include "input/pile_section.h"

namespace tarvex {

// The "Dimensions and Properties" block of the section, its axial and tensile
// capacities (reinforced sections and steel pipes) and its bar or strand tables.
void Write_Section_Properties(const PileSection& sec);

}  // namespace tarvex
