// Nodal model of the discretised pile: index 1 at the pile head to n at the tip,
// with phantom nodes beyond both ends for the finite-difference stencil.
#pragma once

#include "engine/checked_array.h"
#include "input/limits.h"

namespace tarvex {

constexpr int kMaxNodes = 501;      // 500 increments + 1
constexpr int kNodeCapacity = 505;  // nodal arrays: the nodes plus the phantom nodes
constexpr int kLayerCapacity = 80;  // per-layer node arrays

struct PileNode {
    int i_NumNodes = 0;                          // n = increments + 1
    double rd_IncrementLength = 0;               // h = L / N
    Arr<double, kNodeCapacity> xa;               // distance along the pile axis from the head
    Arr<double, kNodeCapacity> xv;               // vertical depth below the head
    Arr<int, kNodeCapacity> i_NodeSection;       // pile section of the node
    ArrFrom<double, -1, kNodeCapacity> EI;       // bending stiffness (EI(0), EI(n+1) at the ends)
    Arr<double, kNodeCapacity> Es;               // secant soil modulus, written by the p-y models
    Arr<double, kNodeCapacity> q;                // lateral load intensity
    Arr<double, kNodeCapacity> W;                // share of the distributed lateral loads
    Arr<double, kNodeCapacity> ys;               // lateral soil movement
    ArrFrom<double, -1, kNodeCapacity> y;        // lateral deflection, phantom nodes -1, 0, n+1

    // Nodes of each soil layer (0 for a layer that holds no node)
    Arr<int, kLayerCapacity> i_TopNodeInLayer;
    Arr<int, kLayerCapacity> i_BottomNodeInLayer;
    int ITOP = 0;                                // first node of the layer being processed
    int IBOT = 0;                                // last node of the layer being processed

    // Pile properties at a point (Pile_Properties_At)
    double rd_DiamAtX = 0;                       // width used by the p-y curves
    double rd_DepthAtX = 0;                      // pole width of an embedded circular pole
    double rd_InertiaAtX = 0;
    double rd_AreaAtX = 0;
    double rd_EIAtX = 0;

    // LRFD: tributary-average distributed load at node i of load type t
    Arr2<double, kNodeCapacity, kNumLRFDLoadTypes> rd_LoadTypeNodeLoad;
};

}  // namespace tarvex
