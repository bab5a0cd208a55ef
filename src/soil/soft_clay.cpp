// Matlock (1970) soft clay p-y curves, and the same criteria with a J that
// varies with depth: p/pu = 0.5 (y/y50)^(1/3) up to 8 y50 (static), or to
// 3 y50 followed by the cyclic plateau or the reduced resistance above Xr.
#include <cmath>
#include <string>

#include "engine/store.h"
#include "input/input_errors.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "soil/py_models.h"
#include "soil/py_protocol.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kMatlockJ = 0.5;
constexpr double kThird = 0.3333333432674408;               // 1/3 in single precision
constexpr double kCyclicPcFactor = 0.7211247682571411;      // 0.5 * 3^(1/3)
constexpr double kLimitSlopeFactor = 0.01077217236161232;   // 0.5 * (1e-5)^(1/3)
constexpr double kLimitSlopeY = 2.9999999242136255E-05;     // 3e-5
constexpr double kSmallY = 9.999999747378752E-06;           // 1e-5 of y50: the straight initial branch
constexpr double kNoStrength = 1.0E-10;
constexpr double kAboveHead = -9.999999747378752E-06;
constexpr double kHighStrengthUS = 8.68055534362793;        // psi (1,250 psf)
constexpr double kHighStrengthSI = 59.85032272338867;       // kPa

// Default epsilon-50 by strength band: lower band limits in psi and kPa.
constexpr double kEps50BandUS[4] = {3.472222328186035, 6.94444465637207, 13.88888931274414, 27.77777862548828};
constexpr double kEps50BandSI[4] = {23.940128326416016, 47.88025665283203, 95.76051330566406, 191.52102661132812};
constexpr double kEps50Default[5] = {double(0.02f), double(0.01f), double(0.005f), double(0.005f), double(0.004f)};

// Deflections of the reported curve, in multiples of y50.
constexpr int kCurvePoints = 17;
constexpr double kStaticPoints[kCurvePoints] = {0.0, double(0.05f), 0.125, 0.25, 0.375, 0.5, 1.0, 1.5, 2.0,
                                                2.5, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 8.5};
constexpr double kCyclicPoints[kCurvePoints] = {0.0, double(0.05f), double(0.1f), double(0.2f), double(0.3f),
                                                double(0.4f), 0.5, double(0.6f), double(0.8f), 1.0, 1.5, 2.0,
                                                2.5, 3.0, 9.0, 15.0, 16.0};

// What tells the two soft clay criteria apart: their numbers and texts.
struct SoftClayModel {
    bool with_j;                     // J from the profile (else 0.5)
    int zero_strength_error;         // input error
    int limit_nan_error, curve_nan_error, no_eps50_error;  // runtime errors
    const char* nan_heading_curve;   // heading of the curve-branch error
    const char* model_text;          // "soft clay" / "API soft clay" in the error blocks
    const char* title;               // report title up to "for"
    const char* j_label;
    const char* y50_label;
    const char* xr_label;
    const char* cycles_unit;
    const char* plot_curve_label;
    const char* plot_point_text;
    const char* warning_end;
};

constexpr SoftClayModel kMatlockCriteria = {
    false, 12, 33, 34, 37, "**** Runtime Error No. 34 ****", "soft clay",
    "p-y Curve Computed Using the Soft Clay Criteria", "J", "Y50", "X_r", "cycles",
    "Line 7:  p-y curve depth in soft clay, no. p-y points on curve no. ", "soft clay",
    ") when computing the p-y curve for soft clay."};
constexpr SoftClayModel kSoftClayJCriteria = {
    true, 71, 35, 36, 38, "**** Runtime Error No 36. ****", "API soft clay",
    "p-y Curve Computed Using the Soft Clay Criteria with J", "J parameter", "y_50", "Xr", "",
    "Line 7:  p-y curve depth in soft clay with J, no. points on p-y curve no. ", "API soft clay",
    ") when computing the p-y curve for soft clay with J."};

// One soft clay curve at a node.
struct SoftClayCurve {
    double xp = 0, xg = 0;   // depth below the pile head, below the ground surface
    double b = 0, c = 0, gamma = 0, eps50 = 0, J = 0, y50 = 0;
    double x = 0;            // equivalent depth
    double Np_level = 0;     // ultimate resistance factor on level ground
    double Xr = 0, F = 1;    // transition depth, sloping ground factor
    double pu = 0, pc = 0, pd = 0, es_lim = 0;
    double pm = 1, ym = 1;   // p- and y-multipliers
};

double Soft_Clay_P(const SoftClayCurve& s, double y) {
    if (y < kSmallY * s.y50) return s.es_lim * y;
    const double shape = 0.5 * s.pu * std::pow(y / s.y50, kThird);
    if (!on(g.pd.b_CyclicLoading)) return y <= 8 * s.y50 ? shape : s.pu;
    if (y <= 3 * s.y50) return shape;
    if (s.x >= s.Xr) return s.pc;
    if (y <= 15 * s.y50) return s.pc + (s.pd - s.pc) * (y - 3 * s.y50) / (12 * s.y50);
    return s.pd;
}

double Default_Eps50(const SoftClayModel& m, double c) {
    const double* band;
    if (g.pd.IUNITS == kUnitsUS)
        band = kEps50BandUS;
    else if (g.pd.IUNITS == kUnitsSI)
        band = kEps50BandSI;
    else
        Raise_Error(200 + m.no_eps50_error);  // generic units have no default
    int n = 0;
    while (n < 4 && c >= band[n]) ++n;
    return kEps50Default[n];
}

void Put_Lines(Channel& ch, std::initializer_list<std::string_view> lines) {
    if (ch.open) End(ch);
    for (auto line : lines) Put_Line(ch, line);
}

[[noreturn]] void Stop_Zero_Strength(const SoftClayModel& m, int k, int i, const SoftClayCurve& s) {
    const PileNode& nd = g.nodes;
    const std::string where = "Layer no. = " + Int_Text(k) + ", Node no. = " + Int_Text(i) +
                              ", Top node in layer = " + Int_Text(nd.ITOP) + ", Elevation = " + Edit_F(s.xp, 10, 3) +
                              ", c(x) = " + Edit_F(s.c, 10, 3);
    const std::string problem = std::string("Problem:  A negative or zero value of cohesion was input for a ") +
                                (m.with_j ? "soft clay soil with J." : "soft clay soil.");
    auto block = [&](Channel& ch, bool report) {
        Put_Lines(ch, {Input_Error_Heading(m.zero_strength_error), "",
                       "An error was detected that is related to an incompatibility between the input ",
                       "data defining soil layering and soil shear strength values when computing a ",
                       "p-y curve using the Matlock soft clay criteria.", "", problem, "",
                       "Solution:  Please compare the depth values for soil layering and soil shear ",
                       "strength values and revise the input data.", ""});
        if (!report) return Put_Line(ch, where);
        Put_Line(ch, where + ", Pile length = " + Edit_F(g.pd.rd_PileLength, 10, 3));
        Put_Line(ch, ", ITOP = " + Int_Text(nd.ITOP) + ", IBOT = " + Int_Text(nd.IBOT));
    };
    block(g_Out.msg, false);
    block(g_Out.report, true);
    Stop_Input_Error(m.zero_strength_error);
}

[[noreturn]] void Stop_Modulus_Not_A_Number(const SoftClayModel& m, int i, bool limit_branch) {
    const std::string what = limit_branch ? "The default value of soil modulus computed in "
                                          : "The computed value of soil modulus computed in ";
    Put_Lines(g_Out.report,
              {limit_branch ? Runtime_Error_Heading(m.limit_nan_error) : std::string(m.nan_heading_curve), "",
               what + m.model_text + " is not-a-number for node number " + Int_Text(i), "",
               "This problem is usually due to a required soil property being left equal to zero."});
    Raise_Error(200 + (limit_branch ? m.limit_nan_error : m.curve_nan_error));
}

// Steps common to both modes: the soil values, the equivalent depth and the
// resistances of the curve at node i of layer k.
SoftClayCurve Soft_Clay_Curve(const SoftClayModel& m, int k, int i) {
    const ProblemData& pd = g.pd;
    const PileNode& nd = g.nodes;
    SoftClayCurve s;
    s.xp = PY_Node_Depth(i);
    s.xg = s.xp - pd.XGround;
    s.b = PY_Pile_Width(i);
    s.c = fn_c(s.xp);
    const bool at_interface = on(g.soil.b_AtNode);
    s.gamma = fn_GammaAvg(s.xp);
    s.J = m.with_j ? fn_J(s.xp) : kMatlockJ;
    s.pm = fn_pMultiplier(nd.xa(i));
    s.ym = fn_yMultiplier(nd.xa(i));
    if (!at_interface) {
        if (pd.IUNITS == kUnitsUS && s.c > kHighStrengthUS) Record_Warning(-3041);
        if (pd.IUNITS == kUnitsSI && s.c > kHighStrengthSI) Record_Warning(-3042);
    }
    s.eps50 = fn_Eps50(s.xp);
    if (s.eps50 <= 0.0) s.eps50 = Default_Eps50(m, s.c);
    s.y50 = 2.5 * s.eps50 * s.b;
    if (i > nd.ITOP && s.c < kNoStrength) Stop_Zero_Strength(m, k, i, s);

    LayerTopProperties& top = g.soil.top;
    top.b = s.b;
    top.c = s.c;
    top.gamma = s.gamma;
    top.J = s.J;
    s.x = PY_Equivalent_Depth(k, i, s.xp, s.xg);

    const double beta = pd.rd_EffSlopeAngle;
    s.F = Sloping_Ground_Factor(nd.y(i), beta);
    if (s.c < kNoStrength) {
        // Strength growing from zero at the top of the layer: no resistance at
        // the node, the limit of the criteria as c goes to zero.
        s.Np_level = 0.0;
        s.Xr = 2.5 * s.b;
        return s;
    }
    if (m.with_j)
        s.Np_level = s.gamma * s.x / s.c + 3 + s.J * s.x / s.b;
    else
        s.Np_level = s.x * s.J / s.b + 3 + s.x * s.gamma / s.c;
    s.Xr = 6 * s.b * s.c / (s.b * s.gamma + s.J * s.c);
    if (s.Xr < 2.5 * s.b) s.Xr = 2.5 * s.b;
    const double Np = std::fabs(beta) > 1.0E-20 ? s.Np_level * s.F : s.Np_level;
    s.pu = Np >= 9 ? 9 * s.c * s.b : s.c * s.b * Np;
    s.pc = kCyclicPcFactor * s.pu;
    s.pd = s.pc * s.x / s.Xr;
    s.es_lim = s.pu * kLimitSlopeFactor / (s.y50 * kLimitSlopeY);
    return s;
}

// The secant modulus of node i at its deflection relative to the soil.
void Soft_Clay_Modulus(const SoftClayModel& m, int i, const SoftClayCurve& s) {
    const double yc = PY_Relative_Deflection(i, s.ym);
    const bool limit_branch = yc < kSmallY * s.y50;
    const double es = limit_branch ? s.es_lim : s.pm * Soft_Clay_P(s, yc) / (s.ym * yc);
    if (std::isnan(es)) Stop_Modulus_Not_A_Number(m, i, limit_branch);
    PY_Store_Modulus(i, es);
}

// Running sum of the ultimate resistance of layer k over its nodes.
struct LayerSum {
    double pu = 0, pc = 0, pd = 0;  // values of the previous node
};

void Sum_Soft_Clay_Resistance(const SoftClayModel& m, int k, int i, const SoftClayCurve& s, LayerSum& prev) {
    const ProblemData& pd = g.pd;
    const PileNode& nd = g.nodes;
    double& r = g.soil.rd_LayerResistance(k);
    const double h = pd.rd_PileLength / double(pd.i_NumIncrements);
    // The reduced cyclic resistance of the sum; soft clay keeps pc below Xr.
    const double pdr = m.with_j || s.x < s.Xr ? s.pd : s.pc;
    if (i == nd.ITOP) {
        r = 0.0;
    } else if (!on(pd.b_CyclicLoading)) {
        r += (prev.pu + s.pu) * h / 2;
    } else {
        r += (prev.pc + s.pc) * h / 2;
        if (s.x < s.Xr) r += (prev.pd + pdr) * h / 2;
    }
    if (i == nd.IBOT) r += s.pu * h;
    if (pd.XGround < kAboveHead && k == 1)
        r = (3 * s.c * s.b + s.pu) * 0.5 * (pd.XLayerBottom(1) - pd.XLayerTop(1));
    prev = {s.pu, s.pc, pdr};
}

void Report_Soft_Clay_Curve(const SoftClayModel& m, int k, int i, const SoftClayCurve& s) {
    const ProblemData& pd = g.pd;
    const bool us = pd.IUNITS == kUnitsUS;
    const bool cycles = pd.rd_NumCycles >= 2;
    const std::string len = Unit_Length();
    const std::string force(g.units.ForceLabel.trimmed());
    const double to_ft = us ? 12.0 : 1.0;
    PY_Report_Title(std::string(m.title) + (cycles ? " for Cyclic Loading Conditions" : " for Static Loading Conditions"));
    PY_Report_Int("Soil Layer Number", k);
    PY_Report_Value("Depth below pile head", s.xp / to_ft, 3, Unit_Depth());
    PY_Report_Value("Depth below ground surface", s.xg / to_ft, 3, Unit_Depth());
    PY_Report_Value("Ground Slope Angle", pd.rd_SlopeAngle * 180 / kPi, 3, "degrees");
    PY_Report_Value("Pile Batter", pd.rd_BatterAngle * 180 / kPi, 3, "degrees");
    PY_Report_Value("Effective Slope", pd.rd_EffSlopeAngle * 180 / kPi, 3, "degrees");
    if (m.with_j && us) {
        PY_Report_Value("Equivalent Depth", s.x / 12, 3, "ft");
        PY_Report_Value("Pile Diameter", s.b, 3, len);
        PY_Report_Value("Cohesion, c", s.c * 144, 3, force + "/ft**2");
        PY_Report_Value("Avg Eff Unit Weight", s.gamma * 1728, 5, force + "/ft**3");
    } else {
        PY_Report_Value("Equivalent Depth", s.x, 3, len);
        PY_Report_Value("Pile Diameter", s.b, 3, len);
        PY_Report_Value("Cohesion, c", s.c, 3, Unit_Stress());
        PY_Report_Value("Avg Eff Unit Weight", s.gamma, 5, Unit_Unit_Weight());
    }
    PY_Report_Value("Epsilon50 parameter", s.eps50, 5);
    PY_Report_Value(m.j_label, s.J, 3);
    PY_Report_Value("Transition Depth Xr", s.Xr, 3, len);
    PY_Report_Value("pu_s", s.c * s.b * s.Np_level, 3, Unit_Force_Per_Length());
    PY_Report_Value("pu_d", 9 * s.c * s.b, 3, Unit_Force_Per_Length());
    PY_Report_Value(m.y50_label, s.y50, 5, len);
    PY_Report_Value("p-multiplier", s.pm, 5);
    PY_Report_Value("y-multiplier", s.ym, 5);
    if (cycles) {
        PY_Report_Value("Number of cycles of loading", pd.rd_NumCycles, 0, m.cycles_unit);
        PY_Report_Value(m.xr_label, s.Xr, 3, len);
    }
    PY_Plot_Curve_Record(s.xp, kCurvePoints, m.plot_curve_label, i);
    PY_Report_Value("Sloping Ground Factor", s.F, 3);
    PY_Report_Value("pu_static", s.pu, 3, Unit_Force_Per_Length());
    if (cycles) PY_Report_Value("pu_cyclic", s.pc, 3, Unit_Force_Per_Length());

    // Soft clay heads its p column with the whole force-per-length label
    // (blank-padded), soft clay with J with force "/" length composed.
    PY_Report_Table_Head(m.with_j ? Unit_Force_Per_Length() : std::string(g.units.ForcePerLengthLabel.view()));
    const double* mult = on(pd.b_CyclicLoading) ? kCyclicPoints : kStaticPoints;
    for (int j = 1; j <= kCurvePoints; ++j) {
        const double y = mult[j - 1] * s.y50;
        const double y_out = s.ym * y, p_out = s.pm * Soft_Clay_P(s, y);
        PY_Report_Table_Row(y_out, p_out);
        PY_Plot_Point_Record(y_out, p_out, j, m.plot_point_text);
        if (j >= 2 && y < kSmallY * s.y50) {
            Report_Blank_Lines(1);
            Report_Line("**** Warning ****");
            Report_Blank_Lines(1);
            Report_Line("The pile deflection is less than 0.00001*Y50.");
            Report_Line("Tarvex used the limiting value of soil modulus (= " + Edit_E(s.es_lim, 12, 4) + Unit_Stress());
            Report_Line(m.warning_end);
        }
    }
}

void Soft_Clay_Layer(const SoftClayModel& m, int k) {
    const PileNode& nd = g.nodes;
    if (nd.IBOT < nd.ITOP) return;
    Check_Clay_Slope();
    const bool report = PY_Report_Mode();
    LayerSum prev;
    for (int i = nd.ITOP; i <= nd.IBOT; ++i) {
        const SoftClayCurve s = Soft_Clay_Curve(m, k, i);
        if (report) {
            Report_Soft_Clay_Curve(m, k, i, s);
            continue;
        }
        Soft_Clay_Modulus(m, i, s);
        Sum_Soft_Clay_Resistance(m, k, i, s, prev);
    }
}

}  // namespace

void PY_SoftClay(int k) { Soft_Clay_Layer(kMatlockCriteria, k); }
void PY_SoftClyJ(int k) { Soft_Clay_Layer(kSoftClayJCriteria, k); }

}  // namespace tarvex
