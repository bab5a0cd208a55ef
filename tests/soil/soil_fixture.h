// A soil profile and a straight elastic pile set up directly in the store for
// the soil tests, with the output channels captured.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/store.h"
#include "support/captured.h"

namespace tarvex_test {

// One soil layer: model code, depths, and its property columns at top and bottom.
struct LayerSpec {
    int model;
    double top, bottom;
    double c_top = 0, c_bot = 0;          // strength
    double gamma_top = 0, gamma_bot = 0;  // effective unit weight
    double eps_top = 0, eps_bot = 0;      // epsilon-50
    double J_top = 0, J_bot = 0;
    double phi_top = 0, phi_bot = 0;
    double rqd_top = 0, rqd_bot = 0;
};

// Reset store, the unit system, a pile of length L and width b with n
// increments, and the layers with two profile points each.
inline void Set_Up_Soil(int units, double L, double b, int n, std::initializer_list<LayerSpec> layers) {
    using namespace tarvex;
    Reset_Store();
    Set_Unit_Labels(units);
    ProblemData& pd = g.pd;
    pd.IUNITS = units;
    pd.rd_PileLength = L;
    pd.i_NumIncrements = n;
    pd.i_NumSections = 1;
    pd.i_NumPilePoints = 2;
    for (int j = 1; j <= 2; ++j) {
        pd.rd_PilePointX(j) = j == 1 ? 0.0 : L;
        pd.rd_PilePointDiam(j) = b;
        pd.rd_PilePointI(j) = 1000.0;
        pd.rd_PilePointE(j) = 3.0E6;
        pd.rd_PilePointArea(j) = 100.0;
    }
    int k = 0;
    for (const LayerSpec& s : layers) {
        ++k;
        pd.i_SoilLayer_py_Type(k) = s.model;
        pd.XLayerTop(k) = s.top;
        pd.XLayerBottom(k) = s.bottom;
        const int t = 2 * k - 1, m = 2 * k;
        pd.rd_ProfileDepth(t) = s.top, pd.rd_ProfileDepth(m) = s.bottom;
        pd.rd_ProfileStrength(t) = s.c_top, pd.rd_ProfileStrength(m) = s.c_bot;
        pd.rd_ProfileGamma(t) = s.gamma_top, pd.rd_ProfileGamma(m) = s.gamma_bot;
        pd.rd_ProfileEps50(t) = s.eps_top, pd.rd_ProfileEps50(m) = s.eps_bot;
        pd.rd_ProfileJ(t) = s.J_top, pd.rd_ProfileJ(m) = s.J_bot;
        pd.rd_ProfilePhi(t) = s.phi_top, pd.rd_ProfilePhi(m) = s.phi_bot;
        pd.rd_ProfileRQD(t) = s.rqd_top, pd.rd_ProfileRQD(m) = s.rqd_bot;
    }
    pd.i_Number_of_Layers = k;
    pd.i_NumProfilePoints = 2 * k;
    pd.XGround = pd.XLayerTop(1);
}

// Captures the report and the runtime message file while it lives.
struct CapturedRun {
    Captured report{tarvex::g_Out.report};
    Captured msg{tarvex::g_Out.msg};
    Captured plot{tarvex::g_Out.plot};
};

// Runs f, which must stop the run, and returns the error state it left.
template <class F>
int Stop_State(F f) {
    EXPECT_THROW(f(), tarvex::EngineStop);
    return tarvex::g.err.i_ErrorState;
}

// Lines joined with line ends, each line ended.
inline std::string Text_Of(std::initializer_list<std::string> lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\n";
    return s;
}

}  // namespace tarvex_test
