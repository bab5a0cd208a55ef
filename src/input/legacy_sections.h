// Section data of the earlier file formats: the thrust list and, per section,
// its legacy type, materials, dimensions and reinforcement, read into the
// section records the section analysis uses.
#pragma once

#include "input/legacy_errors.h"

namespace tarvex {

void Read_Legacy_Sections(LegacyFlavour flavour);

}  // namespace tarvex
