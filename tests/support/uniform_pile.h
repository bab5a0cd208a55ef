// A pile of one section with constant properties set up directly in the store,
// for the tests of the stages that work on nodes: no input file, no section stage.
#pragma once

#include "engine/store.h"

namespace tarvex_test {

struct UniformPile {
    int units = tarvex::kUnitsUS;
    double length = 0.0;  // pile length
    int increments = 0;
    double width = 0.0;   // pile width
    double I = 0.0;       // moment of inertia
    double E = 0.0;       // modulus of elasticity
    double area = 0.0;    // cross-sectional area
};

// Reset store, units, pile-response mode, one section described by two pile
// property points, and nodes placed by hand at xa = xv = (i - 1) h, the last at the tip.
inline void Set_Up_Uniform_Pile(const UniformPile& p) {
    using namespace tarvex;
    Reset_Store();
    Set_Unit_Labels(p.units);
    ProblemData& pd = g.pd;
    pd.IUNITS = p.units;
    pd.ICOM = 3;
    pd.i_NumIncrements = p.increments;
    pd.rd_PileLength = p.length;
    pd.i_NumSections = 1;
    pd.i_NumPilePoints = 2;
    for (int j = 1; j <= 2; ++j) {
        pd.rd_PilePointX(j) = j == 1 ? 0.0 : p.length;
        pd.rd_PilePointDiam(j) = p.width;
        pd.rd_PilePointI(j) = p.I;
        pd.rd_PilePointE(j) = p.E;
        pd.rd_PilePointArea(j) = p.area;
    }
    PileNode& nd = g.nodes;
    const int n = p.increments + 1;
    nd.i_NumNodes = n;
    nd.rd_IncrementLength = p.length / p.increments;
    for (int i = 1; i <= n; ++i) {
        nd.xa(i) = (i - 1) * nd.rd_IncrementLength;
        nd.xv(i) = nd.xa(i);
        nd.i_NodeSection(i) = 1;
    }
    nd.xa(n) = p.length;
    nd.xv(n) = p.length;
}

}  // namespace tarvex_test
