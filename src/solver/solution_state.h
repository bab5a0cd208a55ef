// State of the finite-difference solution and the nonlinear iteration of a load case.
#pragma once

#include "engine/checked_array.h"

namespace tarvex {

struct SolutionState {
    int i_Iteration = 0;  // current iteration, from 1
};

}  // namespace tarvex
