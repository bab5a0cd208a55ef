// One pile section of type 0 to 14: dimensions, materials, bars or strands,
// elastic properties or user curves.
#pragma once

#include "engine/checked_array.h"

namespace tarvex {

struct PileSection {
    int i_SectionType = 0;         // 0 to 14
    double rd_SectionLength = 0;   // length along the pile (input units)
};

}  // namespace tarvex
