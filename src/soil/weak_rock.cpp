// Weak rock p-y curves (Reese 1997): an initial straight line of slope Kir up
// to yA, then p = pur / 2 (y / yrm)^0.25 up to the ultimate resistance pur of
// the rock mass, reduced by the strength reduction factor alpha_r from RQD.
#include <cmath>
#include <string>

#include "input/input_errors.h"
#include "soil/py_model_support.h"
#include "soil/py_models.h"
#include "soil/py_protocol.h"
#include "soil/rock_modulus.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {

constexpr double kRqdReduction = 0.006666666828095913;   // alpha_r = 1 - RQD / 150
constexpr double kSurfaceWedgeFactor = double(1.4f);     // pur = alpha_r qur b (1 + 1.4 xr / b) near the surface
constexpr double kDeepFactor = double(5.2f);             // pur = 5.2 alpha_r qur b below 3 b
constexpr double kSurfaceKirBase = 100.0;                // Kir = Eir (100 + 400 xr / 3b) near the surface
constexpr double kSurfaceKirSlope = 400.0;
constexpr double kDeepKir = 500.0;
constexpr double kYaExponent = 1.3329999446868896;       // 1.333 in single precision, not 4/3
constexpr double kDepthNudge = 1.0E-8;
constexpr double kNoStrength = 1.0E-10;
constexpr double kLowKrm = 4.999999873689376E-05;
constexpr double kHighKrm = 0.0005000000237487257;
constexpr double kLowStrengthUS = 100.0, kHighStrengthUS = 1000.0;  // psi
constexpr double kLowStrengthSI = 689.5, kHighStrengthSI = 6895.0;  // kPa
constexpr int kStrengthNotPositive = 62, kNoStrengthBelowTop = 16, kKrmNotPositive = 63;
constexpr int kYrmNotPositive = 22, kNoInitialSlope = 49;

// One weak rock curve at a node.
struct WeakRockCurve {
    double xp = 0, xg = 0, b = 0, qu = 0, gamma = 0, rqd = 0, Eir = 0, krm = 0;
    double alpha = 0, xr = 0, pur = 0, Kir = 0, yrm = 0, yA = 0;
    double pm = 1, ym = 1;
};

double Weak_Rock_P(const WeakRockCurve& s, double y) {
    if (y < s.yA) return s.Kir * y;
    return std::fmin(0.5 * s.pur * std::pow(y / s.yrm, 0.25), s.pur);
}

// Depth into the rock mass: from the top of layer k and of the weak rock and
// vuggy limestone layers directly above it.
double Depth_Into_Rock(int k, double xp) {
    const ProblemData& pd = g.pd;
    double xr = (xp + kDepthNudge) - pd.XLayerTop(k);
    for (int j = k - 1; j >= 1; --j) {
        const int code = pd.i_SoilLayer_py_Type(j);
        if (code != kWeakRock && code != kVuggyLS) break;
        xr += pd.XLayerBottom(j) - pd.XLayerTop(j);
    }
    return xr;
}

void Check_Strength(int k, int i, double qu) {
    const int units = g.pd.IUNITS;
    if (!on(g.soil.b_AtNode)) {
        if (units == kUnitsUS) {
            if (qu < kLowStrengthUS) Record_Warning(-3071);
            if (qu > kHighStrengthUS) Record_Warning(-3072);
        } else if (units == kUnitsSI) {
            if (qu < kLowStrengthSI) Record_Warning(-3073);
            if (qu > kHighStrengthSI) Record_Warning(-3074);
        }
        if (qu <= 0.0)
            Input_Check_Error(kStrengthNotPositive,
                                  {"Problem:   The input value for compressive strength is less than or equal to zero.",
                                   "", "Solution:  Check the input values for layer " + Int_Text(k)});
    }
    if (i > g.nodes.ITOP && qu < kNoStrength)
        Input_Check_Error(kNoStrengthBelowTop,
                              {"An error was detected when computing the p-y curve for weak rock.",
                               "Problem:   The input value for the compressive strength of a weak rock was ",
                               "           input as negative or zero (0).", "",
                               "Solution:  Check the depth values for soil layering and soil shear strength ",
                               "           values and correct the input data.", ""});
}

void Check_Krm(int k, double krm) {
    if (krm <= 0.0)
        Input_Check_Error(kKrmNotPositive,
                              {"Problem:  The input value for k_rm for weak rock is less than or equal to zero.", "",
                               "Solution: Check the input values for layer " + Int_Text(k), ""});
    if (krm < kLowKrm) Record_Warning(-316);
    if (krm > kHighKrm) Record_Warning(-317);
}

WeakRockCurve Weak_Rock_Curve(int k, int i) {
    const PileNode& nd = g.nodes;
    WeakRockCurve s;
    s.xp = PY_Node_Depth(i);
    s.xg = s.xp - g.pd.XGround;
    s.b = PY_Pile_Width(i);
    s.qu = fn_c(s.xp);
    Check_Strength(k, i, s.qu);
    s.gamma = fn_GammaAvg(s.xp);
    s.pm = fn_pMultiplier(nd.xa(i));
    s.ym = fn_yMultiplier(nd.xa(i));
    s.rqd = fn_RQD(s.xp);
    s.Eir = fn_LayerModulus(k, s.xp);
    s.alpha = 1.0 - s.rqd * kRqdReduction;
    s.krm = fn_krm(s.xp);
    Check_Krm(k, s.krm);
    s.xr = Depth_Into_Rock(k, s.xp);
    if (s.xr <= 3.0 * s.b) {
        s.pur = s.qu * s.alpha * s.b * (1.0 + kSurfaceWedgeFactor * s.xr / s.b);
        s.Kir = s.Eir * (kSurfaceKirBase + kSurfaceKirSlope * s.xr / (3.0 * s.b));
    } else {
        s.pur = kDeepFactor * s.alpha * s.qu * s.b;
        s.Kir = kDeepKir * s.Eir;
    }
    s.yrm = s.krm * s.b;
    if (s.yrm <= 0.0)
        Stop_Runtime_Error(
            kYrmNotPositive,
            {"An error was detected when computing the p-y curve for weak rock.     ",
             "Problem:  The input value for k_rm is less than or equal to 0. ", "",
             "Solution:  Check the input values for the week rock properties in the soil layer " + Int_Text(k), ""}, 0);
    // Without a positive initial slope the straight branch cannot meet the curve.
    if (s.Kir > 0.0) s.yA = std::pow(s.pur / (2.0 * std::pow(s.yrm, 0.25) * s.Kir), kYaExponent);
    if (!(s.Kir > 0.0) || !std::isfinite(s.yA))
        Stop_Runtime_Error(
            kNoInitialSlope,
            {"An error was detected when computing the p-y curve for weak rock.",
             "Problem:  The initial modulus of rock is not greater than zero, so the initial ",
             "          slope of the p-y curve cannot be formed.",
             "          Layer = " + Int_Text(k) + ", Depth = " + Edit_F(s.xp, 12, 3) +
                 ", Initial modulus of rock = " + Edit_E(s.Eir, 12, 4),
             "", "Solution:  Input a positive initial modulus of rock at the top and bottom of the layer.", ""}, 0);
    return s;
}

void Weak_Rock_Report(int k, int i, const WeakRockCurve& s) {
    const std::string fpl = Unit_Force_Per_Length(), len = Unit_Length();
    PY_Report_Title("p-y Curve Computed Using Weak Rock Criteria");
    PY_Report_Int("Soil Layer Number", k);
    PY_Report_Depths(s.xp, s.xg);
    PY_Report_Value("Diameter", s.b, 3, len);
    PY_Report_Value("Unconfined Compressive Strength", s.qu, 3, Unit_Stress());
    PY_Report_Value("Gamma Avg", s.gamma, 5, Unit_Unit_Weight());
    PY_Report_Value("Xr", s.xr, 3, len);
    PY_Report_Value("RQD", s.rqd, 3, "%");
    PY_Report_Value("Eir", s.Eir, 0, Unit_Stress());
    PY_Report_Value("Pu", s.pur, 3, fpl);
    PY_Report_Value("k_rm", s.krm, 5);
    PY_Report_Exp("K_ir", s.Kir, 5, Unit_Stress());
    PY_Report_Value("Alpha_r", s.alpha, 3);
    PY_Report_Value("Yu", 3.0 * s.b / 80.0, 5, len);
    PY_Report_Value("Yrm", s.yrm, 5, len);
    PY_Report_Exp("Y_A", s.yA, 5, len);
    PY_Report_Multipliers(s.pm, s.ym);
    Report_Blank_Lines(1);
    Report_Line("        y, " + std::string(g.units.LengthLabel.view()) + "            p, " + fpl);
    Report_Line("----------------    -----------------");
    PY_Plot_Curve_Record(s.xp, 17, "Line 7:  p-y curve depth in weak rock, no. p-y points on curve no. ", i);
    static constexpr double kSteps[14] = {double(0.02f), double(0.04f), double(0.06f), double(0.08f),
                                          double(0.1f),  double(0.2f),  double(0.3f),  double(0.4f),
                                          double(0.5f),  double(0.6f),  double(0.7f),  double(0.8f),
                                          double(0.9f),  1.0};
    for (int j = 1; j <= 17; ++j) {
        double y;
        if (j == 1) y = 0.0;
        else if (j == 2) y = s.yA;
        else if (j <= 16) y = s.yA + kSteps[j - 3] * (16.0 * s.yrm - s.yA);
        else y = 20.0 * s.yrm;
        const double yout = s.ym * y, pout = s.pm * Weak_Rock_P(s, y);
        PY_Report_Table_Row(yout, pout);
        PY_Plot_Point_Record(yout, pout, j, "weak rock");
    }
    Report_Blank_Lines(1);
}

}  // namespace

void PY_WeakRock(int k) {
    const PileNode& nd = g.nodes;
    if (g.pd.rd_NumCycles <= 0.0) g.pd.rd_NumCycles = 1.0;
    if (nd.IBOT < nd.ITOP) return;
    double r_previous = 0.0;
    for (int i = nd.ITOP; i <= nd.IBOT; ++i) {
        const WeakRockCurve s = Weak_Rock_Curve(k, i);
        if (PY_Report_Mode()) {
            Weak_Rock_Report(k, i, s);
            continue;
        }
        const double yc = PY_Relative_Deflection(i, s.ym);
        const double es = std::fabs(yc) >= s.yA ? s.pm * Weak_Rock_P(s, yc) / yc / s.ym : s.Kir;
        Check_Soil_Modulus(i, es, "weak rock");
        PY_Store_Modulus(i, es);
        Sum_Layer_Resistance(k, i, s.pur, r_previous);
    }
}

}  // namespace tarvex
