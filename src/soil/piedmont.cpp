// Piedmont residual soil p-y curves (Simpson and Brown 2003): a straight line
// of the initial modulus from a field test, a logarithmic softening branch and
// a plateau from 3.75 % of the shaft diameter.
#include <cmath>
#include <string>

#include "soil/py_model_support.h"
#include "soil/py_models.h"
#include "soil/py_protocol.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {

enum FieldTest { kSPT = 1, kCPT = 2, kDMT = 3, kPMT = 4 };

constexpr double kSptFactorUS = 22.0;                 // Ei per blow, psi
constexpr double kSptFactorSI = 151.68465995788574;   // Ei per blow, kPa
constexpr double kCptFactor = 0.11800000071525574;
constexpr double kDmtFactor = 0.07599999755620956;
constexpr double kPmtFactor = 0.23499999940395355;
constexpr double kLinearLimit = 0.0010000000474974513;  // yl / b
constexpr double kPlateauStart = 0.03750000149011612;   // yu / b
constexpr double kPlateauFactor = 0.21632074170043247;  // pu = Ei factor b yu
constexpr double kSofteningFactor = 0.21624703162973105;
constexpr double kLastReportPoint = 1.0499999523162842;

struct PiedmontCurve {
    int test = 0;      // field test type
    double T = 0;      // test value at the depth
    double b = 0, Ei = 0, yl = 0, yu = 0, pu = 0;
};

double Piedmont_Curve(const PiedmontCurve& s, double y) {
    if (y < s.yl) return s.Ei * s.b * y;
    if (y < s.yu) return s.Ei * y * (1.0 - kSofteningFactor * std::log(1000.0 * y / s.b)) * s.b;
    return s.pu;
}

PiedmontCurve Piedmont_Node(int k, double xp, double b) {
    const ProblemData& pd = g.pd;
    PiedmontCurve s;
    s.b = b;
    s.test = pd.i_ProfileTestType(2 * k - 1);
    const bool us = pd.IUNITS == kUnitsUS, si = pd.IUNITS == kUnitsSI;
    switch (s.test) {
        case kSPT: s.T = Layer_Profile_Value(pd.rd_ProfileN60, k, xp); break;
        case kCPT: s.T = Layer_Profile_Value(pd.rd_ProfileQc, k, xp); break;
        case kDMT: s.T = Layer_Profile_Value(pd.rd_ProfileEdmt, k, xp); break;
        case kPMT: s.T = Layer_Profile_Value(pd.rd_ProfileEpmt, k, xp); break;
        default: break;
    }
    if (us || si) {
        switch (s.test) {
            case kSPT: s.Ei = (us ? kSptFactorUS : kSptFactorSI) * s.T; break;
            case kCPT: s.Ei = kCptFactor * s.T; break;
            case kDMT: s.Ei = kDmtFactor * s.T; break;
            case kPMT: s.Ei = kPmtFactor * s.T; break;
            default: break;
        }
    }
    s.yl = kLinearLimit * b;
    s.yu = kPlateauStart * b;
    s.pu = s.Ei * kPlateauFactor * b * s.yu;
    return s;
}

void Piedmont_Report(int k, int i, double xp, const PiedmontCurve& s, double pmult, double ymult) {
    const bool us = g.pd.IUNITS == kUnitsUS, si = g.pd.IUNITS == kUnitsSI;
    PY_Report_Title("p-y Curve for Piedmont Residual Soil Criteria");
    PY_Report_Text("Soil Layer Number", Edit_I(k, 10));
    PY_Report_Depths(xp, xp - g.pd.XGround);
    PY_Report_Value("Shaft Diameter", s.b, 3, Unit_Length());
    static constexpr const char* kTestNames[4] = {"Standard Penetration Test", "Cone Penetration Test",
                                                  "Dilatometer Test", "Pressuremeter Test"};
    if (s.test >= kSPT && s.test <= kPMT) PY_Report_Text("Type of Field Test", kTestNames[s.test - 1]);
    if (us || si) {
        const char* stress = us ? "psf" : "kPa";
        switch (s.test) {
            case kSPT: PY_Report_Value("SPT  N60-value", s.T, 3, us ? "blows/ft" : "blows/0.3 m"); break;
            case kCPT: PY_Report_Value("CPT qc", s.T, 3, stress); break;
            case kDMT: PY_Report_Value("DMT Edmt", s.T, 3, stress); break;
            case kPMT: PY_Report_Value("PMT Epmt", s.T, 3, stress); break;
            default: break;
        }
    }
    PY_Report_Value("Initial Modulus from Field Tests", s.Ei, 3, Unit_Stress());
    PY_Report_Multipliers(pmult, ymult);
    Report_Blank_Lines(1);
    PY_Report_Short_Table_Head();
    PY_Plot_Curve_Record(xp, 17, "Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. ",
                         i);
    for (int j = 1; j <= 17; ++j) {
        double y;
        if (j == 1) y = 0.0;
        else if (j == 2) y = s.yl;
        else if (j <= 15) y = s.yl + (j - 2) * (s.yu - s.yl) / 14.0;
        else if (j == 16) y = s.yu;
        else y = kLastReportPoint * s.yu;
        const double yout = ymult * y, pout = pmult * Piedmont_Curve(s, y);
        PY_Report_Table_Row(yout, pout);
        PY_Plot_Point_Record(yout, pout, j, "Piedmont residual soil");
    }
}

}  // namespace

void PY_Piedmont(int k) {
    const PileNode& nd = g.nodes;
    if (nd.IBOT < nd.ITOP) return;
    for (int i = nd.ITOP; i <= nd.IBOT; ++i) {
        const double xp = PY_Node_Depth(i);
        const PiedmontCurve s = Piedmont_Node(k, xp, PY_Pile_Width(i));
        const double pmult = fn_pMultiplier(nd.xa(i));
        const double ymult = fn_yMultiplier(nd.xa(i));
        if (PY_Report_Mode()) {
            Piedmont_Report(k, i, xp, s, pmult, ymult);
            continue;
        }
        const double yc = PY_Relative_Deflection(i, ymult);
        PY_Store_Modulus(i, yc >= 9.9999998245167E-15 ? Piedmont_Curve(s, yc) / yc * pmult / ymult
                                                      : s.Ei * s.b / ymult);
    }
}

}  // namespace tarvex
