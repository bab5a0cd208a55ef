// Failures that no routine raised by itself: an index outside a capacity, an
// exhausted memory, any other exception. Each ends the run as a runtime error.
#pragma once

#include "engine/checked_array.h"

namespace tarvex {

constexpr int kCapacityRuntimeError = 39;    // an index outside a capacity
constexpr int kMemoryRuntimeError = 40;      // memory exhausted
constexpr int kUnexpectedRuntimeError = 41;  // any other exception
constexpr int kStageRuntimeError = 43;       // an analysis stage this engine does not have

void Internal_Capacity_Error(const CapacityFault& fault);
void Internal_Memory_Error();
void Internal_Unexpected_Error();

}  // namespace tarvex
