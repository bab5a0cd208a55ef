// Pile-head deflection versus pile length: the load of one case applied to
// piles of 100 %, 95 %, 90 % ... of the input length, to find the length below
// which the head deflection grows quickly (the critical length).
#pragma once

#include "engine/checked_array.h"
#include "input/limits.h"

namespace tarvex {

constexpr int kMaxStudyPoints = 100;  // points of one study (at most 20 used)

struct LengthStudy {
    Arr<int, kMaxLoads> i_NumYvsLPoints;              // successful trial lengths of each load case
    Arr<double, kMaxStudyPoints> rd_YvsLLength;       // pile length of the point (axial distance of the tip)
    Arr<double, kMaxStudyPoints> rd_YvsLTopY;         // pile-head deflection
    Arr<double, kMaxStudyPoints> rd_YvsLMaxMoment;    // moment of largest magnitude, signed
    Arr<double, kMaxStudyPoints> rd_YvsLMaxShear;     // shear of largest magnitude, signed
};

// Runs the study of load case j and writes its report block and plot records.
// Leaves the nodes, pile length and node spacing of its last trial behind.
void Compute_Deflection_Vs_Length(int j);

}  // namespace tarvex
