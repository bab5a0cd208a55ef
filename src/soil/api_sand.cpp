// API RP 2A (O'Neill and Murchison 1983) sand p-y curves:
// p = A pu tanh(k x y / (A pu)), pu the lesser of the shallow and deep resistances.
#include <cmath>
#include <string>

#include "engine/errors.h"
#include "input/input_errors.h"
#include "soil/py_model_support.h"
#include "soil/py_models.h"
#include "soil/py_protocol.h"
#include "soil/sand_wedge.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {

constexpr double kApiK0 = 0.4000000059604645;
constexpr double kApiSlopeA = 0.800000011920929;  // decrease of A with x / b under static loading
constexpr double kApiMinA = 0.8999999761581421;   // A under cyclic loading, and its floor
constexpr double kReportStep = 0.19634954084936207;  // pi / 16: the report spans pi A pu / (k x)

// One API sand curve.
struct ApiSand {
    SandAngles w;
    double b = 0, gamma = 0, x = 0, xg = 0, k = 0;
    double C1 = 0, C2 = 0, C3 = 0;
    double pus = 0, pud = 0, ps = 0;  // shallow, deep and governing ultimate resistance
    double A = 0;
};

double Api_Sand_Curve(const ApiSand& s, double y) {
    const double apu = s.A * s.ps;
    if (s.x < 1.0E-10 || apu == 0.0) return 0.0;  // no resistance at the surface (nor without weight)
    return apu * std::tanh(s.k * s.x * y / apu);
}

// Slope factor D on sloping ground (0 means: the deep resistance governs). A
// deflection within 1e-14 of zero keeps the previous node's D, except an exact
// zero on a positive slope.
double Api_Slope_Factor(double y, double theta, double t0, double D_previous) {
    const bool theta_pos = theta > 1.0E-14;
    if (y > 1.0E-14) return theta_pos ? 1.0 + t0 : 1.0 - t0;
    if (y < -1.0E-14) return theta_pos ? 1.0 - t0 : 1.0 + t0;
    if (y == 0.0 && theta_pos) return 1.0 + t0;
    return D_previous;
}

void Api_Input_Error_1(int k) {
    const std::string layer = "curve using the API sand criteria for layer " + Int_Text(k) + ".";
    Input_Check_Error(1,
                          {"An error was detected in the input data when computing a p-y.", layer, "",
                           "Problem:  A zero was input for the friction angle for sand.", "",
                           "Solution:  Check the friction angle values and revise the ",
                           "data to correct this problem.", ""});
}

void Api_Input_Error_2(int k) {
    const std::string layer = "curve using the API criteria for sand for layer " + Int_Text(k) + ".";
    Input_Check_Error(2,
                          {"An error was detected in the input data when computing a p-y.", layer, "",
                           "Problem:  The angle of the ground slope can not be greater ",
                           "than the internal friction angle of the sand.", "",
                           "Solution:  Set the value for slope angle to be less than ", "the angle of friction."});
}

void Api_Sand_Report(int k, int i, double xp, double xg, const ApiSand& s, double pmult, double ymult,
                     bool default_k) {
    const bool cyclic = on(g.pd.b_CyclicLoading);
    PY_Report_Title(cyclic ? "p-y Curve Computed Using API Sand Criteria for Cyclic Loading"
                           : "p-y Curve Computed Using API Sand Criteria for Static Loading");
    PY_Report_Int("Soil Layer Number", k);
    PY_Report_Depths(xp, xg);
    PY_Report_Angles("Pile Batter");
    PY_Report_Value("Equivalent Depth (see note)", s.x, 3, Unit_Length());
    PY_Report_Value("Diameter", s.b, 3, Unit_Length());
    PY_Report_Value("Friction Angle phi", s.w.phi * kDegreesPerRadian, 3, "deg.");
    PY_Report_Value("Avg. Eff. Unit Wt.", s.gamma, 5, Unit_Unit_Weight());
    PY_Report_Value("A", s.A, 5);
    PY_Report_Value("k", s.k, 3, Label(g.units.UnitWeightLabel));
    PY_Report_Value("C1", s.C1, 5);
    PY_Report_Value("C2", s.C2, 5);
    PY_Report_Value("C3", s.C3, 5);
    const std::string fpl = Unit_Force_Per_Length();
    PY_Report_Value("Pus", s.pus, 3, fpl);
    PY_Report_Value("Pud", s.pud, 3, fpl);
    PY_Report_Value("Pu", s.ps, 3, fpl);
    PY_Report_Multipliers(pmult, ymult);
    Report_Blank_Lines(1);
    PY_Report_Depth_Note();
    Report_Line("        y, " + std::string(g.units.LengthLabel.view()) + "             p," + fpl);
    Report_Line("----------------    -----------------");
    PY_Plot_Curve_Record(xp, 17, "Line 7:  p-y curve depth in API sand, no. p-y points on curve no. ", i);
    const double kx = s.x * s.k;
    const double step = kx == 0.0 ? (g.pd.IUNITS == kUnitsUS ? double(0.05f) : double(0.00127f))
                                  : kReportStep * s.A * s.ps / kx;
    for (int j = 1; j <= 17; ++j) {
        const double y = (j - 1) * step;
        const double yout = ymult * y, pout = pmult * Api_Sand_Curve(s, y);
        Report_Line(Edit_F(yout, 15, 4) + Edit_F(pout, 17, 3));
        PY_Plot_Point_Record(yout, pout, j, "API sand");
    }
    if (default_k) {
        Report_Blank_Lines(1);
        Report_Line("The above p-y curve was computed using the internal default value of k.");
        Report_Blank_Lines(1);
    }
}

}  // namespace

void PY_APISand(int k) {
    PileNode& nd = g.nodes;
    if (nd.IBOT < nd.ITOP) return;
    const bool report = PY_Report_Mode();
    const bool cyclic = on(g.pd.b_CyclicLoading);
    const double theta = g.pd.rd_EffSlopeAngle;
    const bool sloping = std::fabs(theta) > 1.0E-10;
    double D = 0.0;  // slope factor of the previous node
    double r_previous = 0.0;
    for (int i = nd.ITOP; i <= nd.IBOT; ++i) {
        const SandNodeInputs in = Sand_Node_Inputs(i);
        const double xp = in.xp, xg = in.xg, pmult = in.pmult, ymult = in.ymult;
        if (in.phi < 1.0E-10 && i > nd.ITOP) Api_Input_Error_1(k);
        if (in.phid < 20.0 || in.phid > 48.0) Record_Warning(-303);
        // Checked in every layer: a slope steeper than phi leaves the active
        // coefficient of the sloping wedge without a real value.
        if (sloping && Slope_Margin(in.phi, theta) < 1.0E-10) Api_Input_Error_2(k);
        ApiSand s;
        s.b = in.b;
        s.gamma = in.gamma;
        s.w = Sand_Angles(in.phi, theta, kApiK0);
        if (i == nd.ITOP) Set_Sand_Top_Properties(s.w, s.b, s.gamma);
        s.x = PY_Equivalent_Depth(k, i, xp, xg);
        s.xg = xg;
        bool default_k = false;
        s.k = Sand_Subgrade_K(k, xp, in, default_k);
        if (default_k) {
            g.pd.rd_LayerKTop(k) = 0.0;
            g.pd.rd_LayerKBottom(k) = 0.0;
        }
        const SandAngles& w = s.w;
        const double tp = std::tan(w.phi), ta = std::tan(w.alpha), tb = std::tan(w.beta);
        s.C1 = tb * (w.Kp * ta + w.K0 * (tp * std::sin(w.beta) * (1.0 / std::cos(w.alpha) + 1.0) - ta));
        s.C2 = w.Kp - w.Ka0;
        s.C3 = w.Kp * w.Kp * (w.Kp + w.K0 * tp) - w.Ka0;
        if (!sloping) {
            s.pus = (s.C1 * s.x + s.C2 * s.b) * s.gamma * s.x;
            s.pud = s.C3 * s.b * s.gamma * xg;
        } else {
            const double t0 = std::tan(std::fabs(theta)) * tb;
            D = Api_Slope_Factor(nd.y(i), theta, t0, D);
            s.pud = Sand_Flow_Around(w, s.gamma, s.x, s.b);
            if (D > 1.0E-20) s.pus = Sand_Wedge_Slope(w, s.gamma, s.x, s.b, t0, D);
            if (D <= 1.0E-10) s.pus = s.pud;
        }
        s.ps = std::fmin(s.pus, s.pud);
        s.A = cyclic ? kApiMinA : std::fmax(3.0 - kApiSlopeA * s.x / s.b, kApiMinA);
        if (report) {
            Api_Sand_Report(k, i, xp, xg, s, pmult, ymult, default_k);
            continue;
        }
        const double yc = PY_Relative_Deflection(i, ymult);
        PY_Store_Modulus(i, yc >= 1.0E-14 ? pmult * Api_Sand_Curve(s, yc) / yc / ymult : s.k * s.x);
        Sum_Layer_Resistance(k, i, Api_Sand_Curve(s, 3.0 * s.b / 80.0), r_previous);
        if (g.pd.XGround < -9.999999747378752E-06 && k == 1)
            g.soil.rd_LayerResistance(1) =
                Api_Sand_Curve(s, 3.0 * s.b / 80.0) * 0.5 * (g.pd.XLayerBottom(1) - g.pd.XLayerTop(1));
    }
}

}  // namespace tarvex
