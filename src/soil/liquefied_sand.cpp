// Liquefied sand p-y curves (Rollins, Gerber, Lane and Ashford 2005): the
// concave-upward curve p = Pd A (B y)^C of fully liquefied sand, in kN/m for y
// in mm, with coefficients from the depth, scaled by the pile diameter factor
// Pd and limited to 15 kN/m times Pd.
#include <cmath>
#include <string>

#include "output/plot_file.h"
#include "input/input_errors.h"
#include "soil/py_model_support.h"
#include "soil/py_models.h"
#include "soil/py_protocol.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {

constexpr double kMetresPerInch = double(0.0254f);
constexpr double kMillimetresPerInch = double(25.4f);
constexpr double kLbPerInPerKnPerM = 5.710147380828857;
constexpr double kTenKnPerM3InPci = 0.036839600652456284;   // 10 kN/m3 in lb/in3
constexpr double kNormalUnitWeightSI = 10.0;                 // kN/m3
constexpr double kReferenceDiameter = double(0.3f);          // m, the test pile of Rollins et al.
constexpr double kDiameterSlope = double(3.81f);             // Pd = 3.81 ln b + 5.6 above 0.3 m
constexpr double kDiameterIntercept = double(5.6f);
constexpr double kA0 = 3.0E-7, kAExponent = double(6.05f);
constexpr double kB0 = double(2.8f), kBExponent = double(0.11f);
constexpr double kC0 = double(2.85f), kCExponent = double(-0.41f);
constexpr double kLimitDeflectionMm = 150.0;
constexpr double kLimitResistance = 15.0;                    // kN/m
constexpr double kMillimetresPerMetre = 1000.0;
constexpr double kLimitDeflectionM = double(0.15f);
constexpr double kLimitDeflectionIn = 5.905511856079102;     // 150 mm
constexpr double kLastPointFactor = double(1.05f);
constexpr double kDeepestDepth = 6.0;                         // m, the deepest normalised depth of the tests
// The curve has zero or infinite initial slope; at deflections below this
// fraction of the limiting deflection the modulus is the secant to it.
constexpr double kSmallDeflection = 1.0E-5;
constexpr int kGenericUnits = 46;

constexpr double kReportPointsUS[17] = {0.0, 0.125, 0.25, 0.375, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0,
                                        4.5, 5.0, 5.5, 5.905511856079102, 6.200787544250488};
constexpr double kReportPointsSI[17] = {0.0,           double(0.003f), double(0.0065f), double(0.01f),
                                        double(0.0125f), double(0.015f), double(0.03f),  double(0.045f),
                                        double(0.06f),  double(0.075f), double(0.09f),  double(0.1f),
                                        double(0.115f), double(0.125f), double(0.14f),  double(0.15f),
                                        double(0.1575f)};

struct LiqSandCurve {
    double xp = 0, xg = 0, b = 0, gamma = 0;
    double bm = 0, Pd = 0, z = 0;  // width in metres, diameter factor, normalised depth in metres
    double A = 0, B = 0, C = 0, pu = 0, yl = 0;
    bool limited = false;          // the curve reaches 15 kN/m before 150 mm
    double pm = 1, ym = 1;
};

// The smaller of p and the limit; a p that is not a number stays so, to be caught.
double Limited(double p, double limit) { return p > limit ? limit : p; }

double Liq_Sand_P(const LiqSandCurve& s, double y) {
    if (g.pd.IUNITS == kUnitsUS)
        return Limited(kLbPerInPerKnPerM * s.Pd * s.A * std::pow(kMillimetresPerInch * s.B * y, s.C), s.pu);
    return Limited(s.Pd * s.A * std::pow(kMillimetresPerMetre * s.B * y, s.C), s.pu);
}

// The criterion is written in kN, m and mm: generic units cannot use it (input error 46).
void Check_Units() {
    if (g.pd.IUNITS == kUnitsUS || g.pd.IUNITS == kUnitsSI) return;
    Input_Check_Error(kGenericUnits,
                          {"Problem:  The p-y criteria for liquefied sand are defined in kilonewtons and meters ",
                           "          and cannot be used with generic units.", "",
                           "Solution:  Select US customary or SI units for a problem with liquefied sand layers.", ""});
}

LiqSandCurve Liq_Sand_Curve(int k, int i) {
    const bool us = g.pd.IUNITS == kUnitsUS;
    LiqSandCurve s;
    s.xp = PY_Node_Depth(i);
    s.xg = s.xp - g.pd.XGround;
    s.b = PY_Pile_Width(i);
    s.gamma = fn_GammaAvg(s.xp);
    s.pm = fn_pMultiplier(g.nodes.xa(i));
    s.ym = fn_yMultiplier(g.nodes.xa(i));
    s.bm = us ? s.b * kMetresPerInch : s.b;
    s.Pd = s.bm <= kReferenceDiameter ? s.bm / kReferenceDiameter
                                      : kDiameterSlope * std::log(s.bm) + kDiameterIntercept;
    // Below the first layer the depth is the one at which a unit weight of
    // 10 kN/m3 gives the same vertical effective stress.
    if (k == 1) s.z = us ? s.xg * kMetresPerInch : s.xg;
    else s.z = us ? s.xg * s.gamma / kTenKnPerM3InPci * kMetresPerInch : s.xg * s.gamma / kNormalUnitWeightSI;
    s.A = kA0 * std::pow(s.z + 1.0, kAExponent);
    s.B = kB0 * std::pow(s.z + 1.0, kBExponent);
    s.C = kC0 * std::pow(s.z + 1.0, kCExponent);
    const double p150 = s.A * std::pow(kLimitDeflectionMm * s.B, s.C);
    s.limited = p150 >= kLimitResistance;
    s.pu = s.Pd * Limited(p150, kLimitResistance) * (us ? kLbPerInPerKnPerM : 1.0);
    if (s.limited) {
        const double ymm = std::exp(std::log(kLimitResistance / s.A) / s.C - std::log(s.B));
        s.yl = us ? ymm / kMillimetresPerInch : ymm / kMillimetresPerMetre;
    } else {
        s.yl = us ? kLimitDeflectionIn : kLimitDeflectionM;
    }
    return s;
}

void Liq_Sand_Report(int k, int i, const LiqSandCurve& s) {
    const std::string fpl = Unit_Force_Per_Length(), len = Unit_Length();
    PY_Report_Title("p-y Curve Computed Using Liquefied Sand Criteria");
    PY_Report_Depths(s.xp, s.xg);
    if (k >= 2) PY_Report_Value("Normalized depth below ground surface in meters*", s.z, 3, "m");
    PY_Report_Value("Pile Diameter", s.b, 3, len);
    PY_Report_Value("Pile Diameter in meters ", s.bm, 3, "m");
    PY_Report_Value("Gamma Avg", s.gamma, 5, Unit_Unit_Weight());
    PY_Report_Exp("A ", s.A, 5);
    PY_Report_Value("B ", s.B, 5);
    PY_Report_Value("C ", s.C, 5);
    PY_Report_Value("Pd", s.Pd, 5);
    PY_Report_Value("Upper limit Pu", s.pu, 3, fpl);
    PY_Report_Value("Yu ", s.yl, 5, len);
    PY_Report_Multipliers(s.pm, s.ym);
    Report_Blank_Lines(1);
    if (k >= 2) {
        Report_Line("The depth of the p-y curve was equated to the initial vertical stress divided ");
        Report_Line("by 10 kN/m3, as recommended by Rollins, et al. (2005)");
        Report_Blank_Lines(1);
    }
    if (s.z > kDeepestDepth) {
        Report_Line("NOTE: The normalized depth of the p-y curve is deeper than the depth of ");
        Report_Line("6.0 meters recommended by Rollins, et al. (2005)");
        Report_Blank_Lines(1);
    }
    Report_Line("        y, " + std::string(g.units.LengthLabel.view()) + "            p, " + fpl);
    Report_Line("----------------    -----------------");
    PY_Plot_Curve_Record(s.xp, 17, "Line 7:  p-y curve depth in liquefied sand, no. p-y points on curve no. ", i);
    const double* points = g.pd.IUNITS == kUnitsUS ? kReportPointsUS : kReportPointsSI;
    for (int j = 1; j <= 17; ++j) {
        double y = points[j - 1];
        if (s.limited) y = j <= 15 ? (j - 1) * s.yl / 15.0 : (j == 16 ? s.yl : kLastPointFactor * s.yl);
        const double yout = s.ym * y, pout = s.pm * Liq_Sand_P(s, y);
        PY_Report_Table_Row(yout, pout);
        Put_Line(g_Out.plot, Plot_Real(yout) + Plot_Real(pout) + std::string(20, ' ') + "Line 8(" + Edit_I(j, 2) +
                                 "): y, p, for liquefied sand");
    }
    Report_Blank_Lines(1);
}

}  // namespace

void PY_LiqSand(int k) {
    const PileNode& nd = g.nodes;
    if (g.pd.rd_NumCycles <= 0.0) g.pd.rd_NumCycles = 1.0;
    if (nd.IBOT < nd.ITOP) return;
    Check_Units();
    double r_previous = 0.0;
    for (int i = nd.ITOP; i <= nd.IBOT; ++i) {
        const LiqSandCurve s = Liq_Sand_Curve(k, i);
        if (PY_Report_Mode()) {
            Liq_Sand_Report(k, i, s);
            continue;
        }
        double yc = PY_Relative_Deflection(i, s.ym);
        yc = std::fmax(yc, kSmallDeflection * s.yl);
        const double es = s.pm / s.ym * (Liq_Sand_P(s, yc) / yc);
        Check_Soil_Modulus(i, es, "liquefied sand");
        PY_Store_Modulus(i, es);
        Sum_Layer_Resistance(k, i, s.pu, r_previous);
        g.soil.rd_LayerResistanceSaved(k) = g.soil.rd_LayerResistance(k);
    }
}

}  // namespace tarvex
