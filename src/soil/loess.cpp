// Loess p-y curves (Johnson et al. 2006): a hyperbola whose ultimate
// resistance comes from the cone tip resistance and falls with the logarithm
// of the number of load cycles.
#include <cmath>
#include <string>

#include "engine/errors.h"
#include "soil/py_model_support.h"
#include "soil/py_models.h"
#include "soil/py_protocol.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {

constexpr double kRefDeflectionUS = 0.11699999868869781;    // yr, inches
constexpr double kRefDeflectionSI = 0.0029718000441789627;  // yr, metres
constexpr double kMaxCycles = 10.100000381469727;
constexpr double kUltimateFactor = 0.4090000092983246;      // pu0 / qc
constexpr double kCycleReduction = 0.23999999463558197;     // per ln N
constexpr double kShapeFactor = 0.10000000149011612;
constexpr double kReportRatios[17] = {0, 0.25, 0.5, 0.75, 1, 1.5, 2, 3, 4, 6, 8, 12, 16, 23, 30, 40, 50};

struct LoessCurve {
    double b = 0, qc = 0, pu0 = 0, pu = 0, Ei = 0, yr = 0;
    bool adjusted = false;  // qc reduced near the pile head
};

double Loess_Curve(const LoessCurve& s, double y) {
    return s.Ei * y / (1.0 + (y / s.yr) * (1.0 + kShapeFactor * std::exp(-y / s.yr)));
}

void Loess_Input_Error_70(int k, double n) {
    Write_Error_Block(Input_Error_Heading(70),
                      {"PROBLEM: Soil layer " + Int_Text(k) +
                           " is a loess and the input value for the number of cycles of loading = " +
                           Edit_F(n, 12, 1),
                       "This value is greater than 10. The soil model for loess is valid only for 1 to 10 cycles "
                       "of loading. ",
                       "SOLUTION: Revise the input data so that the number of cycles of loading is in the range "
                       "of 1 to 10.",
                       ""},
                      false, 2);
    Stop_With_Error("INP00070", 170);
}

void Loess_Report(int k, int i, double xp, const LoessCurve& s, double pmult, double ymult) {
    PY_Report_Title("p-y Curve for Loess");
    PY_Report_Text("Soil Layer Number", Edit_I(k, 10));
    PY_Report_Depths(xp, xp - g.pd.XGround);
    PY_Report_Value("Shaft Diameter", s.b, 3, Unit_Length());
    PY_Report_Value(s.adjusted ? "Depth Adj. Cone tip resistance" : "Cone tip resistance", s.qc, 3, Unit_Stress());
    PY_Report_Value("Initial Modulus, Ei", s.Ei, 3, Unit_Stress());
    PY_Report_Value("p_u0", s.pu0, 3, Unit_Stress());
    PY_Report_Value("p_u", s.pu, 3, Unit_Force_Per_Length());
    PY_Report_Value("Number of Cycles of Loading", g.pd.rd_NumCycles, 0, "cycles");
    PY_Report_Multipliers(pmult, ymult);
    Report_Blank_Lines(1);
    PY_Report_Short_Table_Head();
    PY_Plot_Curve_Record(xp, 17, "Line 7:  p-y curve depth in loess, no. p-y points on curve no. ", i);
    for (int j = 1; j <= 17; ++j) {
        const double y = kReportRatios[j - 1] * s.yr;
        const double yout = ymult * y, pout = pmult * Loess_Curve(s, y);
        PY_Report_Table_Row(yout, pout);
        PY_Plot_Point_Record(yout, pout, j, "Loess");
    }
}

}  // namespace

void PY_KSLoess(int k) {
    const PileNode& nd = g.nodes;
    if (nd.IBOT < nd.ITOP) return;
    const double n_input = std::fabs(g.pd.rd_NumCycles);
    if (n_input > kMaxCycles) Loess_Input_Error_70(k, n_input);
    // Static loading (N = 0) and fractions of a cycle count as one cycle: below
    // that the cycle reduction would vanish or turn the resistance negative.
    const double n = std::fmax(n_input, 1.0);
    for (int i = nd.ITOP; i <= nd.IBOT; ++i) {
        const double xp = PY_Node_Depth(i);
        const double xa = nd.xa(i);
        LoessCurve s;
        s.b = PY_Pile_Width(i);
        s.yr = g.pd.IUNITS == kUnitsUS ? kRefDeflectionUS : kRefDeflectionSI;
        s.qc = Layer_Profile_Value(g.pd.rd_ProfileQc, k, xp);
        if (xa < 2.0 * s.b) {
            s.qc *= xa / (2.0 * s.b) + 0.5;
            s.adjusted = true;
        }
        s.pu0 = kUltimateFactor * s.qc;
        s.pu = s.b * s.pu0 / (1.0 + kCycleReduction * std::log(n));
        s.Ei = s.pu / s.yr;
        const double pmult = fn_pMultiplier(xa);
        const double ymult = fn_yMultiplier(xa);
        if (PY_Report_Mode()) {
            Loess_Report(k, i, xp, s, pmult, ymult);
            continue;
        }
        const double yc = PY_Relative_Deflection(i, ymult);
        // At zero deflection the secant is the initial slope Ei of the hyperbola.
        PY_Store_Modulus(i, (pmult / ymult) * (yc < 1.0E-14 ? s.Ei : Loess_Curve(s, yc) / yc));
    }
}

}  // namespace tarvex
