// Massive rock p-y curves (Liang, Yang and Nusairat 2009): the Hoek-Brown
// strength of the rock mass, expressed as equivalent Mohr-Coulomb c' and phi'
// at the overburden stress, gives the ultimate resistance of a wedge near the
// surface or of flow around the shaft; the curve is a hyperbola p = y / (1/Ki + y/pu).
#include <algorithm>
#include <cmath>
#include <string>

#include "input/input_errors.h"
#include "soil/py_model_support.h"
#include "soil/py_models.h"
#include "soil/py_protocol.h"
#include "soil/rock_modulus.h"
#include "output/plot_file.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {

constexpr double kPi = 3.141592653589793;
// Hoek-Brown constants of this model: mi = 6, GSI = 42, no disturbance.
constexpr double kMi = 6.0;
constexpr double kGsi = 42.0;
constexpr double kPoisson = double(0.4f);
constexpr double kMbExponent = -2.0714285714285716;   // (GSI - 100) / (28 - 14 D)
constexpr double kSExponent = -6.444444444444445;     // (GSI - 100) / (9 - 3 D)
constexpr double kAExponent = -2.8;                   // -GSI / 15
constexpr double kATail = 0.001272633788175881;       // exp(-20/3)
constexpr double kSixth = 0.1666666716337204;
constexpr double kModulusExponent = 1.9354838029190344;
constexpr double kPoissonExponent = double(-0.8f);
constexpr double kStiffnessExponent = double(0.284f);
constexpr double kFlowAroundCohesion = 2.0 * double(0.45f) / 3.0;  // 0.3 sqrt(qu)
constexpr double kSurfaceDepthUS = 9.999999747378752E-05;          // in
constexpr double kSurfaceDepthSI = 2.539999968576012E-06;          // m
constexpr double kMinConfinement = 9.999999747378752E-06;
constexpr double kReferenceWidthSI = double(0.3048f);              // m
constexpr double kReferenceWidthUS = 12.0;                         // in
constexpr double kSmallDeflection = 1.0E-14;
constexpr int kNoStrength = 44, kNoModulus = 45;

// Hoek-Brown rock mass constants, the same at every node.
struct HoekBrown {
    double mb = kMi * std::exp(kMbExponent);
    double s = std::exp(kSExponent);
    double a = 0.5 + (std::exp(kAExponent) - kATail) * kSixth;
    double fE = std::exp(kModulusExponent);
    double fNu = std::exp(kPoissonExponent);
    double K0 = 1.0 - std::sin(45.0);  // the argument is taken in radians
};

struct MassRockCurve {
    double xp = 0, xg = 0, H = 0, b = 0, EI = 0, qu = 0, gamma = 0;
    double sigma1 = 0, phi = 0, cp = 0;  // major principal stress, equivalent friction angle and cohesion
    double puW = 0, puD = 0, pu = 0, Eir = 0, Em = 0, Ki = 0;
    double pm = 1, ym = 1;
};

double Mass_Rock_P(const MassRockCurve& s, double y) { return y / (1.0 / s.Ki + y / s.pu); }

// Ultimate resistance of the wedge and of flow around the shaft at depth H.
void Mass_Rock_Resistance(const HoekBrown& hb, MassRockCurve& s) {
    const double xg = s.xg == 0.0 ? (g.pd.IUNITS == kUnitsUS ? kSurfaceDepthUS : kSurfaceDepthSI) : s.xg;
    const double qu = s.qu, gm = s.gamma, b = s.b, H = s.H;
    const double sigma3 = xg * gm;
    const double sigma0 = std::max(sigma3, kMinConfinement);
    s.sigma1 = sigma3 + qu * std::pow(hb.mb * sigma3 / qu + hb.s, hb.a);
    const double d = s.sigma1 - sigma3;
    const double sn = sigma3 + d * d / (0.5 * qu * hb.mb + 2.0 * d);
    const double tau = (sn - sigma3) * std::sqrt(qu * hb.mb / (2.0 * d) + 1.0);
    s.phi = kPi / 2.0 - std::asin(2.0 * tau / d);
    s.cp = tau - sn * std::tan(s.phi);
    const double al = s.phi / 2.0, be = kPi / 4.0 + al;
    const double ka = std::pow(std::tan(kPi / 4.0 - al), 2);
    const double tp = std::tan(s.phi), tb = std::tan(be), ta = std::tan(al);
    const double ca = std::cos(al), cb = std::cos(be), sb = std::sin(be);
    const double T1 = (hb.K0 * tp * (sigma0 + 0.5 * gm * H) + s.cp) * H * tb / ca;
    const double T2 = s.cp * (b + 2.0 * H * tb * ta);
    const double T3 = tb * ((sigma0 + gm * H) * b + (2.0 * sigma0 + gm * H) * H * tb * ta);
    const double T4 = hb.K0 * H * (sigma0 + 0.5 * gm * H) * tb / ca;
    const double F = (T3 + T2 + 2.0 * T1 * cb * ca) / (sb - tp * cb);
    // Active pressure behind the shaft, b gamma (H - 2c'/(gamma sqrt Ka) + sigma0/gamma) written
    // without the division by gamma, which may be zero.
    const double active = hb.K0 * b * (gm * H - 2.0 * s.cp / std::sqrt(ka) + sigma0);
    s.puW = (2.0 * T1 * ca + F * tp + T2 / cb) * sb + F * cb - 2.0 * T4 * std::sin(al) - std::max(0.0, active);
    s.puD = b * (kPi / 4.0 * s.sigma1 - std::pow(ka, sigma0) + 2.0 * s.cp * std::sqrt(ka) +
                 kFlowAroundCohesion * std::sqrt(qu));
    s.pu = std::min(s.puW, s.puD);
}

// The criterion needs a positive intact rock strength and rock modulus: input errors 44 and 45.
void Check_Layer_Values(int k) {
    const ProblemData& pd = g.pd;
    const double qt = pd.rd_ProfileStrength(2 * k - 1), qb = pd.rd_ProfileStrength(2 * k);
    if (!(qt > 0.0 && qb > 0.0))
        Input_Check_Error(
            kNoStrength,
            {"Problem:  The uniaxial compressive strength of intact rock (sigma_ci) of a massive rock ",
             "          layer is less than or equal to zero.  Layer = " + Int_Text(k) +
                 ", at top = " + Edit_E(qt, 12, 4) + ", at bottom = " + Edit_E(qb, 12, 4),
             "", "Solution:  Input a positive uniaxial compressive strength at the top and bottom of the layer.", ""});
    const double et = pd.rd_LayerKTop(k), eb = pd.rd_LayerKBottom(k);
    if (!(et > 0.0 && eb > 0.0))
        Input_Check_Error(
            kNoModulus, {"Problem:  The rock mass modulus of a massive rock layer is less than or equal to zero.",
                         "          Layer = " + Int_Text(k) + ", at top = " + Edit_E(et, 12, 4) +
                             ", at bottom = " + Edit_E(eb, 12, 4),
                         "", "Solution:  Input a positive rock mass modulus at the top and bottom of the layer.", ""});
}

MassRockCurve Mass_Rock_Curve(const HoekBrown& hb, int k, int i) {
    const PileNode& nd = g.nodes;
    MassRockCurve s;
    s.xp = PY_Node_Depth(i);
    s.xg = s.xp - g.pd.XGround;
    // In report mode the depth of the wedge is the requested depth, as for sigma3.
    s.H = s.xg;
    s.b = PY_Pile_Width(i);
    s.EI = nd.rd_EIAtX;
    s.qu = fn_c(s.xp);
    s.gamma = fn_GammaAvg(s.xp);
    s.pm = fn_pMultiplier(nd.xa(i));
    s.ym = fn_yMultiplier(nd.xa(i));
    Mass_Rock_Resistance(hb, s);
    s.Eir = fn_LayerModulus(k, s.xp);
    s.Em = s.Eir / 100.0 * hb.fE;
    const double bref = g.pd.IUNITS == kUnitsSI ? kReferenceWidthSI : kReferenceWidthUS;
    s.Ki = s.Em * std::pow(s.EI / (std::pow(s.b, 4) * s.Em), kStiffnessExponent) * (s.b / bref) * hb.fNu;
    return s;
}

void Mass_Rock_Report(int k, int i, const MassRockCurve& s) {
    PY_Report_Title("p-y Curve Computed Using the Criteria for Massive Rock by Liang, et al., 2009");
    PY_Report_Text("Soil Layer Number", Edit_I(k, 10));
    PY_Report_Depths(s.xp, s.H);
    PY_Report_Value("Pile Diameter", s.b, 3, Unit_Length());
    PY_Report_Value("Uniaxial compressive strength", s.qu, 3, Unit_Stress());
    PY_Report_Value("Avg. Eff. Unit Weight", s.gamma, 5, Unit_Unit_Weight());
    PY_Report_Value("m sub i", kMi, 3);
    PY_Report_Value("Geological Strength Index GSI", kGsi, 3);
    PY_Report_Value("Poisson's Ratio", kPoisson, 3);
    PY_Report_Multipliers(s.pm, s.ym);
    Report_Blank_Lines(1);
    std::string head = std::string(5, ' ') + "y, " + std::string(g.units.LengthLabel.view());
    head.resize(24, ' ');
    Report_Line(head + "p," + Unit_Force_Per_Length());
    Report_Line("----------------    -----------------");
    PY_Plot_Curve_Record(s.xp, 17, "Line 7:  p-y curve depth in massive rock, no. p-y points on curve no. ", i);
    const double ylast = double(0.005f) * s.b;
    const std::string text = g.pd.IUNITS == kUnitsUS ? "): y (in), p (lb/in), for Massive Rock"
                                                      : "): y (m), p (kN/m), for Massive Rock";
    for (int j = 1; j <= 17; ++j) {
        const double y = j <= 16 ? (j - 1) * ylast / 15.0 : double(1.2f) * ylast;
        const double yout = s.ym * y, pout = s.pm * Mass_Rock_P(s, y);
        PY_Report_Table_Row(yout, pout);
        Put_Line(g_Out.plot, Plot_Real(yout) + Plot_Real(pout) + std::string(50, ' ') + "Line 8(" + Int_Text(j) + text);
    }
}

}  // namespace

void PY_MassRock(int k) {
    const PileNode& nd = g.nodes;
    if (nd.IBOT < nd.ITOP) return;
    Check_Layer_Values(k);
    const HoekBrown hb;
    double r_previous = 0.0;
    for (int i = nd.ITOP; i <= nd.IBOT; ++i) {
        const MassRockCurve s = Mass_Rock_Curve(hb, k, i);
        if (PY_Report_Mode()) {
            Mass_Rock_Report(k, i, s);
            continue;
        }
        const double yc = PY_Relative_Deflection(i, s.ym);
        // At zero deflection the secant tends to the initial slope Ki.
        const double es = yc >= kSmallDeflection ? s.pm * (Mass_Rock_P(s, yc) / yc) / s.ym : s.pm * s.Ki / s.ym;
        Check_Soil_Modulus(i, es, "massive rock");
        PY_Store_Modulus(i, es);
        Sum_Layer_Resistance(k, i, s.pu, r_previous);
    }
}

}  // namespace tarvex
