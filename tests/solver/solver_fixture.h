// A pile set up directly in the store for the solver tests: one elastic
// section, constant EI and soil modulus, no soil layers.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include "engine/errors.h"
#include "engine/store.h"
#include "solver/solver.h"
#include "support/captured.h"
#include "support/uniform_pile.h"

namespace tarvex_test {

struct PileSetup {
    double length = 800.0;   // in
    int increments = 200;
    double EI = 1.0E10;      // lb-in^2
    double Es = 1000.0;      // lb/in^2
    double width = 24.0;     // in
    double area = 450.0;     // in^2
};

// Reset store, US customary units, one elastic section, nodes placed by hand,
// no soil layers (the soil moduli stay as set, so the problem is linear).
inline void Set_Up_Pile(const PileSetup& p) {
    using namespace tarvex;
    const double I = p.width * p.width * p.width * p.width / 12.0;
    Set_Up_Uniform_Pile({kUnitsUS, p.length, p.increments, p.width, I, p.EI / I, p.area});
    ProblemData& pd = g.pd;
    pd.i_MaxIterations = 100;
    pd.rd_ConvergenceTol = 1.0E-5;
    pd.rd_MaxDeflection = 100.0;
    pd.Section(1).i_SectionType = kElasticPile;
    for (int i = 1; i <= g.nodes.i_NumNodes; ++i) {
        g.nodes.EI(i) = p.EI;
        g.nodes.Es(i) = p.Es;
    }
    g.sol.i_LoadCase = 1;
}

// Runs one stage of the engine: the error state that stopped the run, or 0 if it went on.
template <class Stage>
int Error_State_Of(Stage stage) {
    try {
        stage();
    } catch (const tarvex::EngineStop&) {
        return tarvex::g.err.i_ErrorState;
    }
    return 0;
}

inline void Set_Head(int type, double v1, double v2, double P = 0.0) {
    using namespace tarvex;
    SolutionState& s = g.sol;
    s.i_HeadConditionType = type;
    s.rd_AxialLoad = P;
    switch (type) {
        case 1: s.rd_HeadShear = v1; s.rd_HeadMoment = v2; break;
        case 2: s.rd_HeadShear = v1; s.rd_HeadSlope = v2; break;
        case 3: s.rd_HeadShear = v1; s.rd_HeadRotStiffness = v2; break;
        case 4: s.rd_HeadDeflection = v1; s.rd_HeadMoment = v2; break;
        default: s.rd_HeadDeflection = v1; s.rd_HeadSlope = v2; break;
    }
}

// Hetényi (1946), semi-infinite beam on a Winkler foundation, y = e^(-bx) (A cos bx + B sin bx),
// with M = EI y'' and V = EI y''' at the head: head deflection A, head moment -2 B b^2 EI.
struct BeamOnFoundation {
    double beta, A, B, EI;
    double head_moment() const { return -2.0 * B * beta * beta * EI; }
    double head_shear() const { return 2.0 * beta * beta * beta * EI * (A + B); }
    double head_slope() const { return beta * (B - A); }
};

inline BeamOnFoundation Hetenyi(int type, double v1, double v2, double EI, double Es) {
    const double b = std::pow(Es / (4.0 * EI), 0.25);
    const double b2E = 2.0 * b * b * EI, b3E = 2.0 * b * b * b * EI;
    BeamOnFoundation r{b, 0, 0, EI};
    switch (type) {
        case 1:  // V0, M0
            r.B = -v2 / b2E;
            r.A = v1 / b3E - r.B;
            break;
        case 2:  // V0 and zero slope
            r.A = r.B = v1 / (2.0 * b3E);
            break;
        case 3: {  // V0 and M = Kr S: B = Kr A / (2 b EI + Kr)
            const double f = v2 / (2.0 * b * EI + v2);
            r.A = v1 / (b3E * (1.0 + f));
            r.B = f * r.A;
            break;
        }
        case 4:  // Y0, M0
            r.A = v1;
            r.B = -v2 / b2E;
            break;
        default:  // Y0 and zero slope
            r.A = r.B = v1;
            break;
    }
    return r;
}

// Tip shear curve (0, 0), (1, v1): a straight line up to a tip movement of 1 in.
inline void Set_Tip_Shear_Line(double v1) {
    tarvex::ProblemData& pd = tarvex::g.pd;
    pd.i_NumTipShearPts = 2;
    pd.rd_TipShearY(1) = 0.0;
    pd.rd_TipShearV(1) = 0.0;
    pd.rd_TipShearY(2) = 1.0;
    pd.rd_TipShearV(2) = v1;
}

// The shear changes along the pile by the soil reactions, Vt - V0 = integral of p dx:
// the trapezoidal integral minus the change of shear (leaves the head values in g.sol).
inline double Shear_Imbalance() {
    using namespace tarvex;
    const int n = g.nodes.i_NumNodes;
    const double h = g.nodes.rd_IncrementLength;
    double integral = 0.0;
    for (int i = 1; i <= n; ++i) {
        Nodal_Response(i);
        integral += (i == 1 || i == n ? 0.5 : 1.0) * h * g.sol.rd_SoilReaction;
    }
    Nodal_Response(1);
    return integral - (g.sol.rd_TipShear - g.sol.rd_Shear);
}

}  // namespace tarvex_test
