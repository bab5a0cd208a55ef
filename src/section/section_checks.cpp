// Input checks of the sections whose moment-curvature curves are computed:
// each fault that would give no curve, or a curve of no meaning, is an input
// error naming the section.
#include "section/section_checks.h"

#include <string>

#include "engine/store.h"
#include "input/input_errors.h"
#include "input/section_records.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

constexpr int kMaxBarsPerBundle = 3;
// Below 56.25 psi the modulus of rupture of ACI 318, 7.5 sqrt(f'c) psi, exceeds
// f'c itself and the concrete law has no tensile strain at fracture.
constexpr double kLeastConcreteStrengthPsi = 56.25;
constexpr double kKPaPerPsi = 6.89475732421875;

[[noreturn]] void Section_Error(int n, const std::string& problem, std::string_view solution) {
    Write_Error_Block(Input_Error_Heading(n),
                      {"Problem:  Section " + Int_Text(g.drv.i_CurrentSection) + ": " + problem,
                       "Solution: " + std::string(solution)},
                      true);
    Stop_Input_Error(n);
}

void Require_Positive(double v, const char* what) {
    if (!(v > 0))
        Section_Error(kSectionMaterialError, std::string("the ") + what + " is not positive.",
                      "Enter a positive strength and modulus for every material of the section.");
}

void Require_Dimension(double v, const char* what) {
    if (!(v > 0))
        Section_Error(kSectionDimensionError, std::string("the ") + what + " is not positive.",
                      "Enter the dimensions of the section.");
}

void Require_Thin_Wall(double t, double d, const char* what) {
    if (!(t < d / 2))
        Section_Error(kSectionWallError, std::string("the ") + what + " is half its outside diameter or more.",
                      "Enter a wall thickness less than half the outside diameter.");
}

bool Has_Bars(const PileSection& sec) { return sec.i_NumBars > 0; }

void Check_Circular_Bars(const PileSection& sec) {
    if (!on(sec.b_RebarInCircle) || !Has_Bars(sec)) return;
    if (sec.i_BarsPerBundle > kMaxBarsPerBundle)
        Section_Error(kBundleSizeError, "more than 3 bars per bundle (" + Int_Text(sec.i_BarsPerBundle) + ").",
                      "Enter 1, 2 or 3 bars per bundle.");
    if (sec.i_SectionType != kCasedShaft && sec.i_SectionType != kCasedCoredShaft) return;
    BarCoords x, y;
    double d = sec.rd_RebarDiameter;
    const int nb = sec.i_BarsPerBundle < 1 ? 1 : sec.i_BarsPerBundle;
    if (!Place_Bars_On_Circle(x, y, sec.rd_SectionDiameter - 2 * sec.rd_CasingThickness, sec.rd_Cover, d,
                              sec.i_NumBars / nb, nb))
        Section_Error(kBarsInCasingError, "the bars on a circle do not fit inside the casing with the cover given.",
                      "Reduce the cover or the bar diameter, or enlarge the casing.");
}

}  // namespace

void Check_Section_Input(const PileSection& sec) {
    const int type = sec.i_SectionType;
    if (g.pd.IUNITS != kUnitsUS && g.pd.IUNITS != kUnitsSI)
        Section_Error(kGenericUnitsSectionError,
                      "the moment-curvature analysis of a nonlinear section needs US customary or SI units.",
                      "Choose US customary or SI units, or describe the section as elastic.");
    if (type == kRectConcrete) {
        Require_Dimension(sec.rd_SectionDepth, "depth of the section");
        Require_Dimension(sec.rd_SectionWidth, "width of the section");
    } else {
        Require_Dimension(sec.rd_SectionDiameter, "diameter or width of the section");
    }
    if (type == kSteelPipe || type == kCasedShaft || type == kCasedCoredShaft) {
        Require_Dimension(sec.rd_CasingThickness, type == kSteelPipe ? "pipe wall thickness" : "casing wall thickness");
        Require_Thin_Wall(sec.rd_CasingThickness, sec.rd_SectionDiameter,
                          type == kSteelPipe ? "pipe wall thickness" : "casing wall thickness");
        Require_Positive(sec.rd_CasingYield, type == kSteelPipe ? "yield stress of the pipe" : "yield stress of the casing");
        Require_Positive(sec.rd_CasingModulus,
                         type == kSteelPipe ? "elastic modulus of the pipe" : "elastic modulus of the casing");
    }
    if (type == kSteelPipe) return;
    Require_Positive(sec.rd_ConcreteFc, "compressive strength of concrete");
    const double fc_psi = g.pd.IUNITS == kUnitsUS ? sec.rd_ConcreteFc : sec.rd_ConcreteFc / kKPaPerPsi;
    if (fc_psi < kLeastConcreteStrengthPsi)
        Section_Error(kSectionMaterialError,
                      "the compressive strength of concrete is below 56.25 psi (388 kPa), less than its modulus of rupture.",
                      "Enter the compressive strength of concrete in psi (kPa in SI units).");
    if (type <= kCasedCoredShaft && Has_Bars(sec)) {
        Require_Positive(sec.rd_BarYield, "yield stress of the reinforcing bars");
        Require_Positive(sec.rd_BarModulus, "elastic modulus of the reinforcing bars");
    }
    if (type == kCasedCoredShaft) {
        Require_Dimension(sec.rd_CoreDiameter, "outside diameter of the core");
        if (!(sec.rd_CoreDiameter < sec.rd_SectionDiameter - 2 * sec.rd_CasingThickness))
            Section_Error(kSectionDimensionError,
                          "the outside diameter of the core is not less than the inside diameter of the casing.",
                          "Enter a core that fits inside the casing.");
        Require_Thin_Wall(sec.rd_CoreThickness, sec.rd_CoreDiameter, "core wall thickness");
        if (sec.rd_CoreThickness > 0) {
            Require_Positive(sec.rd_CoreYield, "yield stress of the core");
            Require_Positive(sec.rd_CoreModulus, "elastic modulus of the core");
        }
    }
    if (type >= kCircSolidPrestressed) Require_Positive(sec.rd_BarModulus, "elastic modulus of the strands");
    if (type >= kDrilledShaft && type <= kCasedCoredShaft) Check_Circular_Bars(sec);
}

}  // namespace tarvex
