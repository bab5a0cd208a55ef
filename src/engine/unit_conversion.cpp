// Conversion of US customary input units to the internal units of the analysis.
#include "engine/driver.h"

#include "engine/store.h"

namespace tarvex {
namespace {

constexpr double kInchesPerFoot = 12.0;
constexpr double kCubicInchesPerCubicFoot = 1728.0;  // pcf -> pci
constexpr double kSquareInchesPerSquareFoot = 144.0; // psf -> psi

// Weak rock, vuggy limestone and massive rock hold their compressive strength,
// already in psi, in the cohesion column.
bool Strength_Is_Rock(int layer_code) {
    return layer_code == kWeakRock || layer_code == kVuggyLS || layer_code == kMassRock;
}

void Scale(double& x, double f) { x *= f; }

}  // namespace

void Convert_Input_Units() {
    if (on(g.drv.b_InputUnitsConverted)) return;
    g.drv.b_InputUnitsConverted = kTrue;
    ProblemData& pd = g.pd;
    if (pd.IUNITS != kUnitsUS) return;

    const double ft = kInchesPerFoot;
    for (int s = 1; s <= pd.i_NumSections && s <= kMaxSections; ++s) {
        PileSection& sec = pd.Section(s);
        Scale(sec.rd_SectionLength, ft);
        Scale(sec.rd_SectionTopX, ft);
        Scale(sec.rd_SectionBottomX, ft);
    }
    Scale(pd.rd_PileLength, ft);
    for (int k = 1; k <= pd.i_NumPilePoints && k <= kMaxPilePoints; ++k) Scale(pd.rd_PilePointX(k), ft);

    for (int b = 1; b <= pd.i_Number_of_Layers && b <= kMaxLayers; ++b) {
        Scale(pd.XLayerTop(b), ft);
        Scale(pd.XLayerBottom(b), ft);
    }
    Scale(pd.XGround, ft);
    for (int j = 1; j <= pd.i_NumProfilePoints && j <= kMaxProfilePoints; ++j) {
        Scale(pd.rd_ProfileDepth(j), ft);
        Scale(pd.rd_UserPyDepth(j), ft);
        const int layer = (j + 1) / 2;
        if (!Strength_Is_Rock(pd.i_SoilLayer_py_Type(layer)))
            pd.rd_ProfileStrength(j) /= kSquareInchesPerSquareFoot;
    }
    for (int j = 1; j <= pd.i_NumGammaPts && j <= kMaxProfilePoints; ++j) {
        Scale(pd.rd_GammaDepth(j), ft);
        pd.rd_ProfileGamma(j) /= kCubicInchesPerCubicFoot;
    }
    for (int i = 1; i <= pd.i_NumSoilMovePts && i <= kMaxSoilMovePts; ++i) Scale(pd.rd_SoilMoveDepth(i), ft);
    for (int i = 1; i <= pd.i_NumPYMult && i <= kMaxPYMult; ++i) Scale(pd.rd_PYMultDepth(i), ft);
    for (int i = 1; i <= pd.i_NumPYOutDepths && i <= kMaxPYOutDepths; ++i) Scale(pd.rd_PYOutDepth(i), ft);
}

}  // namespace tarvex
