// Vuggy limestone (strong rock) p-y curves: a stiff straight line to 0.0004 b,
// a second straight line of slope 100 cu to 0.0024 b where the rock reaches
// its strength b cu, and beyond it only the resistance of the overburden.
#include <cmath>

#include "input/input_errors.h"
#include "soil/py_model_support.h"
#include "soil/py_models.h"
#include "soil/py_protocol.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {

constexpr double kFirstBreak = double(0.0004f);  // y1 / b
constexpr double kFirstStrength = double(0.8f);  // p1 / (b cu)
constexpr double kInitialSlope = 2000.0;         // k1 / cu
constexpr double kSecondSlope = 100.0;           // slope of the second line / cu
constexpr double kLowStrengthUS = 1000.0, kHighStrengthUS = 2500.0;  // psi
constexpr double kLowStrengthSI = 6895.0, kHighStrengthSI = 17237.5; // kPa
constexpr int kNoStrength = 51;

struct VuggyCurve {
    double xp = 0, xg = 0, b = 0, qu = 0, cu = 0, gamma = 0;
    double y1 = 0, p1 = 0, k1 = 0, y2 = 0;
    double pm = 1, ym = 1;
};

double Vuggy_P(const VuggyCurve& s, double y) {
    if (y < s.y1) return s.k1 * y;
    if (y <= s.y2) return kSecondSlope * s.cu * (y - s.y1) + s.p1;
    return 0.5 * s.gamma * s.b * s.xg;  // the strength is lost
}

// A vuggy limestone layer without strength has no curve: input error 51.
void Check_Layer_Strength(int k) {
    const ProblemData& pd = g.pd;
    const double top = pd.rd_ProfileStrength(2 * k - 1), bottom = pd.rd_ProfileStrength(2 * k);
    if (top > 0.0 && bottom > 0.0) return;
    Input_Check_Error(
        kNoStrength,
        {"Problem:  The uniaxial compressive strength of a vuggy limestone layer is less than or ",
         "          equal to zero.  Layer = " + Int_Text(k) + ", strength at top = " + Edit_E(top, 12, 4) +
             ", at bottom = " + Edit_E(bottom, 12, 4),
         "", "Solution:  Input a positive uniaxial compressive strength at the top and bottom of the layer.", ""});
}

void Check_Strength_Range(int k, double xp, double qu) {
    if (!(xp > g.pd.XLayerTop(k))) return;
    const int units = g.pd.IUNITS;
    if ((units == kUnitsUS && (qu < kLowStrengthUS || qu > kHighStrengthUS)) ||
        (units == kUnitsSI && (qu < kLowStrengthSI || qu > kHighStrengthSI)))
        Record_Warning(-308);
}

VuggyCurve Vuggy_Curve(int k, int i) {
    VuggyCurve s;
    s.xp = PY_Node_Depth(i);
    s.xg = s.xp - g.pd.XGround;
    s.b = PY_Pile_Width(i);
    s.qu = fn_c(s.xp);
    s.gamma = fn_GammaAvg(s.xp);
    s.pm = fn_pMultiplier(g.nodes.xa(i));
    s.ym = fn_yMultiplier(g.nodes.xa(i));
    Check_Strength_Range(k, s.xp, s.qu);
    s.cu = s.qu / 2.0;
    s.y1 = kFirstBreak * s.b;
    s.p1 = kFirstStrength * s.b * s.cu;
    s.k1 = kInitialSlope * s.cu;
    s.y2 = (s.b * s.cu - s.p1) / (kSecondSlope * s.cu) + s.y1;
    return s;
}

void Vuggy_Report(int k, int i, const VuggyCurve& s) {
    PY_Report_Title("p-y Curve for Vuggy Limestone (Strong Rock) Criteria");
    PY_Report_Int("Soil Layer Number", k);
    PY_Report_Depths(s.xp, s.xg);
    PY_Report_Value("Shaft Diameter", s.b, 3, Unit_Length());
    PY_Report_Value("Uniaxial Compressive Strength", s.qu, 3, Unit_Stress());
    PY_Report_Multipliers(s.pm, s.ym);
    Report_Blank_Lines(1);
    PY_Report_Short_Table_Head();
    PY_Plot_Curve_Record(s.xp, 17, "Line 7:  p-y curve depth in vuggy limestone, no. p-y points on curve no. ", i);
    for (int j = 1; j <= 17; ++j) {
        double y;
        if (j == 1) y = 0.0;
        else if (j <= 16) y = s.y1 + (j - 2) * (s.y2 - s.y1) / 15.0;
        else y = s.y2;
        const double yout = s.ym * y, pout = s.pm * Vuggy_P(s, y);
        PY_Report_Table_Row(yout, pout);
        PY_Plot_Point_Record(yout, pout, j, "vuggy limestone rock");
    }
}

}  // namespace

void PY_VuggyLS(int k) {
    const PileNode& nd = g.nodes;
    if (nd.IBOT < nd.ITOP) return;
    Check_Layer_Strength(k);
    for (int i = nd.ITOP; i <= nd.IBOT; ++i) {
        const VuggyCurve s = Vuggy_Curve(k, i);
        if (PY_Report_Mode()) {
            Vuggy_Report(k, i, s);
            continue;
        }
        // Like every other model the rock resists the deflection relative to the soil movement.
        const double yc = PY_Relative_Deflection(i, s.ym);
        const double es = yc >= 1.0E-14 ? Vuggy_P(s, yc) / yc * s.pm / s.ym : s.k1 / s.ym;
        Check_Soil_Modulus(i, es, "vuggy limestone");
        PY_Store_Modulus(i, es);
    }
}

}  // namespace tarvex
