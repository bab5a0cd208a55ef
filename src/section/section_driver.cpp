// Section analysis entry: the working description of one pile section, its
// properties report and the producer of its bending stiffness tables.
#include "section/section_driver.h"

#include <cmath>

#include "engine/driver.h"
#include "engine/store.h"
#include "section/elastic_tables.h"
#include "input/section_records.h"
#include "section/section_analysis.h"
#include "section/section_checks.h"
#include "section/section_report.h"

namespace tarvex {
namespace {

constexpr double kPsiPerKsi = 1000.0;
constexpr double kKPaPerKsiExact = 6894.75732421875;  // fpu of the record (psi) to kPa, per 1000

// Unit system and unit texts of the section report.
void Set_Section_Units() {
    SectionWork& w = g.sec;
    const int iu = g.pd.IUNITS;
    if (iu == kUnitsUS || iu == kUnitsSI) w.i_SectionUnits = iu;
    const bool us = w.i_SectionUnits == kUnitsUS;
    if (w.i_SectionUnits != kUnitsUS && w.i_SectionUnits != kUnitsSI) return;
    w.LengthText = Text<8>(us ? " in" : " m");
    w.StressText = Text<8>(us ? " ksi" : " kPa");
    w.ForceText = Text<8>(us ? " kips" : " kN");
    w.CurvatureText = Text<8>(us ? " rad/in" : " rad/m");
    w.AreaText = Text<8>(us ? " sq. in." : " sq. m");
    w.InertiaText = Text<8>(us ? " in^4" : " m^4");
    w.StiffnessText = Text<8>(us ? " lb-in^2" : " kN-m^2");
    g.units.MomentLabel = Text<8>(us ? " in-kip" : " kN-m");
    g.units.StressLabel = Text<4>(us ? " psi" : " kPa");
}

int Section_Kind(const PileSection& sec) {
    switch (sec.i_SectionType) {
        case kRectConcrete: return kKindRectangle;
        case kDrilledShaft:
        case kCircSolidPrestressed: return kKindCircle;
        case kCircHollowPrestressed: return kKindCircleWithCore;
        case kCasedShaft: return kKindCasedCircle;
        case kCasedCoredShaft: return kKindCasedCircleWithCore;
        case kSteelPipe: return kKindSteelPipe;
        case kSquareSolidPrestressed: return sec.rd_ChamferSize != 0 ? kKindPolygon : kKindRectangle;
        case kOctSolidPrestressed: return kKindPolygon;
        case kSquareHollowPrestressed: return sec.rd_ChamferSize != 0 ? kKindPolygonWithCore : kKindRectangleWithCore;
        case kOctHollowPrestressed: return kKindPolygonWithCore;
        default: return g.sec.geo.SectionKind;
    }
}

void Set_Bar(int k, double x, double y, double d, double a) {
    SectionGeometry& geo = g.sec.geo;
    geo.BarX(k) = x;
    geo.BarY(k) = y;
    geo.BarDiam(k) = d;
    geo.BarArea(k) = a;
}

// Bars listed one by one, or all of the circular arrangement's size (rule A).
void Load_Listed_Bars(const PileSection& sec) {
    g.sec.geo.i_NumBars = sec.i_NumBars;
    for (int k = 1; k <= sec.i_NumBars && k <= kMaxBars; ++k) {
        if (on(sec.b_RebarInCircle))
            Set_Bar(k, sec.rd_BarX(k), sec.rd_BarY(k), sec.rd_RebarDiameter, sec.rd_RebarArea);
        else
            Set_Bar(k, sec.rd_BarX(k), sec.rd_BarY(k), sec.rd_BarDiam(k), sec.rd_BarArea(k));
    }
}

// The bar whose gap to bar 2 is the edge-to-edge spacing: bar 1 for single bars,
// else the first bar of the second bundle.
int Spacing_Bar(int bars_per_bundle) { return bars_per_bundle == 1 ? 1 : (bars_per_bundle == 2 ? 3 : 4); }

// Bars of a drilled shaft re-placed on the circle of diameter Dp (rule B).
void Load_Shaft_Bars(PileSection& sec, double Dp) {
    SectionWork& w = g.sec;
    w.BarSpacing = 0;
    const int n = sec.i_NumBars;
    if (!on(sec.b_RebarInCircle) || n < 1) {
        Load_Listed_Bars(sec);
        return;
    }
    const int nb = sec.i_BarsPerBundle;
    double d = sec.rd_RebarDiameter;
    Place_Bars_On_Circle(sec.rd_BarX, sec.rd_BarY, Dp, sec.rd_Cover, d, n / nb, nb);
    w.geo.i_NumBars = n;
    for (int k = 1; k <= n && k <= kMaxBars; ++k)
        Set_Bar(k, sec.rd_BarX(k), sec.rd_BarY(k) + sec.rd_RebarOffset, sec.rd_RebarDiameter, sec.rd_RebarArea);
    if (Has_Bar_Spacing(sec)) {
        const int j = Spacing_Bar(nb);
        w.BarSpacing = std::hypot(sec.rd_BarX(j) - sec.rd_BarX(2), sec.rd_BarY(j) - sec.rd_BarY(2)) - sec.rd_RebarDiameter;
    }
}

void Load_Strands(const PileSection& sec) {
    g.sec.geo.i_NumBars = sec.i_NumStrands;
    for (int k = 1; k <= sec.i_NumStrands && k <= kMaxBars; ++k)
        Set_Bar(k, sec.rd_BarX(k), sec.rd_BarY(k), sec.rd_BarDiam(k), sec.rd_BarArea(k));
}

// Working geometry, materials and bars of the section from its record.
void Load_Working_Description(PileSection& sec) {
    SectionWork& w = g.sec;
    SectionGeometry& geo = w.geo;
    SectionMaterials& m = w.mat;
    const int type = sec.i_SectionType;
    const double stress = US_Section_Units() ? 1.0 / kPsiPerKsi : 1.0;
    geo.SectionKind = Section_Kind(sec);
    geo.D = sec.rd_SectionDiameter;
    geo.W = type == kRectConcrete ? sec.rd_SectionWidth : geo.D;
    if (type == kRectConcrete) geo.D = sec.rd_SectionDepth;
    geo.i_NumBars = 0;
    geo.CasingThickness = sec.rd_CasingThickness;
    geo.CoreDiameter = geo.CoreThickness = 0;
    geo.b_CoreFilled = geo.b_CoreFillOption = kFalse;
    m = SectionMaterials{};
    m.fc = sec.rd_ConcreteFc * stress;
    m.AggregateSize = sec.rd_AggregateSize;
    m.fy = sec.rd_BarYield * stress;
    m.Es = sec.rd_BarModulus * stress;
    m.CasingFy = sec.rd_CasingYield * stress;
    m.CasingE = sec.rd_CasingModulus * stress;
    m.i_CoreFill = type == kCasedCoredShaft ? 2 : 1;
    switch (type) {
        case kRectConcrete: Load_Listed_Bars(sec); break;
        case kDrilledShaft: Load_Shaft_Bars(sec, geo.D); break;
        case kCasedShaft: Load_Shaft_Bars(sec, geo.D - 2 * sec.rd_CasingThickness); break;
        case kCasedCoredShaft:
            Load_Shaft_Bars(sec, geo.D - 2 * sec.rd_CasingThickness);
            m.CoreFy = sec.rd_CoreYield * stress;
            m.CoreE = sec.rd_CoreModulus * stress;
            geo.CoreDiameter = sec.rd_CoreDiameter;
            geo.CoreThickness = sec.rd_CoreThickness;
            geo.b_CoreFillOption = sec.b_FillCoreWithConcrete;
            geo.b_CoreFilled = sec.b_FillCoreWithConcrete;
            m.CoreFc = on(sec.b_FillCoreWithConcrete) ? m.fc : 0.0;
            break;
        case kSteelPipe: {
            m.i_ConcreteModel = 1;
            const double Di = geo.D - 2 * geo.CasingThickness;
            m.PipeArea = kPi / 4 * (geo.D * geo.D - Di * Di);
            break;
        }
        default: break;
    }
    if (type >= kCircSolidPrestressed && type <= kOctHollowPrestressed) {
        const int iu = g.pd.IUNITS;
        m.fpu = iu == kUnitsUS   ? sec.rd_StrandFpu / kPsiPerKsi
                : iu == kUnitsSI ? sec.rd_StrandFpu * kKPaPerKsiExact / kPsiPerKsi
                                 : sec.rd_StrandFpu;
        m.Es = sec.rd_BarModulus;
        m.PrestressForce = sec.rd_PrestressForce;
        m.PrestressLoss = sec.rd_PrestressLoss;
        m.StrandCover = sec.rd_StrandCover;
        m.i_StrandType = sec.i_StrandType;
        m.i_StrandSize = sec.i_StrandSize;
        m.i_SteelModel = kFirstStrandModel + sec.i_StrandType;
        m.fy = Deformed_Bar_Strength(sec.i_StrandSize) / kPsiPerKsi;  // ksi
        Load_Strands(sec);
        if (type == kCircHollowPrestressed || type == kSquareHollowPrestressed || type == kOctHollowPrestressed)
            geo.CoreDiameter = sec.rd_VoidDiameter;
    }
}

void Copy_Working_Thrusts() {
    SectionWork& w = g.sec;
    w.i_NumWorkThrusts = g.pd.i_NumThrusts;
    for (int t = 1; t <= w.i_NumWorkThrusts && t <= kMaxThrusts; ++t) w.WorkThrust(t) = g.pd.rd_ThrustList(t);
}

bool Has_Curve_Analysis(int type) { return type >= kRectConcrete && type <= kOctHollowPrestressed; }

}  // namespace

bool Has_Bar_Spacing(const PileSection& sec) {
    const int n = sec.i_NumBars;
    return on(sec.b_RebarInCircle) && n >= 2 && n >= Spacing_Bar(sec.i_BarsPerBundle);
}

void Analyze_Pile_Section() {
    SectionWork& w = g.sec;
    PileSection& sec = g.pd.Section(g.drv.i_CurrentSection);
    const int type = sec.i_SectionType;
    switch (type) {
        case kElasticPile: Build_Elastic_EI_Table(g.drv.i_CurrentSection); return;
        case kElasticPlasticPile: Build_Elastic_Plastic_EI_Table(g.drv.i_CurrentSection); return;
        case kUserEIPile: Build_User_EI_Table(g.drv.i_CurrentSection); return;
        default:
            if (!Has_Curve_Analysis(type))
                Stop_Stage_Not_Available("moment-curvature and bending stiffness analysis of pile sections");
    }
    Set_Section_Units();
    w.b_PrestressReported = kFalse;
    w.rd_CrackingLoad = 0;
    w.rd_TotalBarArea = 0;
    Check_Section_Input(sec);
    Load_Working_Description(sec);
    Write_Section_Properties(sec);
    Copy_Working_Thrusts();
    Compute_Moment_Curvature();
}

}  // namespace tarvex
