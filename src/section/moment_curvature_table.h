// Moment-curvature tables of the pile sections: one curve per section and axial
// thrust, filled once per run by the section analysis and read by the solver.
#pragma once

#include "engine/checked_array.h"
#include "input/limits.h"
#include "solver/pile_node.h"

namespace tarvex {

constexpr int kMaxMCPoints = 150;  // points of one moment-curvature curve

// Units: kip-in, kip-in^2, rad/in (US customary); kN-m, kN-m^2, rad/m (SI).
// Curvature and moment increase along a curve; EI = moment / curvature.
struct MomentCurvatureTable {
    Arr2<int, kMaxSections, kMaxThrusts> NumPts;                       // points of curve (s, t)
    Arr3<double, kMaxSections, kMaxThrusts, kMaxMCPoints> Moment;      // bending moment
    Arr3<double, kMaxSections, kMaxThrusts, kMaxMCPoints> EI;          // bending stiffness
    Arr3<double, kMaxSections, kMaxThrusts, kMaxMCPoints> Curv;        // curvature
    Arr2<double, kMaxSections, kMaxThrusts> NominalMoment;             // nominal moment capacity
    Arr<Flag, kMaxSections> b_HasTable;                                 // the section has curves
    Arr<double, kNodeCapacity> rd_NodeMp;  // type 12: plastic moment capacity of node i (lb-in or kN-m)
};

}  // namespace tarvex
