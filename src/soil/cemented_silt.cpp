// Cemented silt (c-phi soil) p-y curves: the ultimate resistance adds the
// frictional wedge and flow-around resistance of Reese, Cox and Koop (1974)
// sand to the cohesive resistance of Matlock (1970) soft clay, and the curve
// keeps the Reese sand shape: a straight line k x y, a parabola to b/60, a
// straight line to 3b/80 and the ultimate resistance beyond.
#include <cmath>
#include <string>

#include "input/input_errors.h"
#include "soil/py_model_support.h"
#include "soil/py_models.h"
#include "soil/py_protocol.h"
#include "soil/reese_sand_tables.h"
#include "soil/sand_wedge.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kSiltK0 = double(0.4f);
constexpr double kMatlockJ = 0.5;
constexpr double kNoStrength = 1.0E-10;
constexpr double kZeroSign = 1.0E-20;       // sign threshold of the sloping ground factor
constexpr double kSandSign = 1.0E-14;       // sign threshold of the sloping wedge
constexpr double kSlopingGround = 1.0E-20;
constexpr double kFlatWedge = 1.0E-10;
constexpr double kSmallDeflection = 1.0E-14;
constexpr double kAboveHead = -9.999999747378752E-06;
constexpr double kPlateauStep = 0.05000000074505806;  // report points beyond yu
constexpr double kPmcFactor = 1.5;
constexpr int kNoCohesion = 48, kNoFriction = 10, kSlopeTooSteep = 11, kSlopeOverFriction = 23;

// Default epsilon-50 (reported only) by strength band: lower band limits in psi and kPa.
constexpr double kEps50BandUS[4] = {3.472222328186035, 6.94444465637207, 13.88888931274414, 27.77777862548828};
constexpr double kEps50BandSI[4] = {23.94013023376465, 47.8802604675293, 95.7605209350586, 191.5210418701172};
constexpr double kEps50Default[5] = {0.019999999552965164, 0.009999999776482582, 0.004999999888241291,
                                     0.004999999888241291, 0.004000000189989805};

// Default subgrade modulus: a base value by strength band and loading, and an
// increment by unit weight and friction angle (pci, kN/m3).
constexpr double kKBandUS[3] = {6.940000057220459, 13.880000114440918, 27.780000686645508};
constexpr double kKBandSI[3] = {47.8927001953125, 95.785400390625, 191.57080078125};
constexpr double kKBaseUS[2][4] = {{250, 500, 1000, 2000}, {100, 200, 400, 800}};  // static, cyclic
constexpr double kKBaseSI[2][4] = {{67861.796875, 135723.59375, 271447.1875, 542894.375},
                                   {27144.7109375, 54289.3984375, 108578.8984375, 217157.703125}};
constexpr double kHeavyUS = 0.04500000178813934, kHeavySI = 12.225000381469727;
constexpr double kKIncrementUS[2][3] = {{20, 60, 125}, {25, 90, 225}};  // light, heavy; phi <= 30, <= 36, above
constexpr double kKIncrementSI[2][3] = {{5428.93994140625, 16286.830078125, 33930.8984375},
                                        {6786.18017578125, 24430.240234375, 61075.6015625}};

struct SiltCurve {
    double xp = 0, xg = 0, b = 0, c = 0, gamma = 0, eps50 = 0, phid = 0;
    SandAngles w;
    double k = 0, x = 0, kx = 0;
    double pst = 0, psd = 0, ps = 0, puc = 0;
    double A = 0, B = 0, pu = 0, pmc = 0, ym = 0, yu = 0;
    double m = 0, n = 0, C = 0, yk = 0;
    double pmult = 1, ymult = 1;
};

double Silt_P(const SiltCurve& s, double y) {
    double p;
    if (y <= s.yk) p = s.kx * y;
    else if (y <= s.ym) p = s.n == 0.0 ? s.pmc : s.C * std::pow(y, 1.0 / s.n);
    else if (y <= s.yu) p = s.pmc + s.m * (y - s.ym);
    else p = s.pu;
    return p > s.kx * y ? s.kx * y : p;  // a p that is not a number stays so, to be caught
}

int Band(double c, const double* limits, int count) {
    int n = 0;
    while (n < count && c >= limits[n]) ++n;
    return n;
}

double Default_Eps50(double c, double eps50) {
    if (g.pd.IUNITS == kUnitsUS) return kEps50Default[Band(c, kEps50BandUS, 4)];
    if (g.pd.IUNITS == kUnitsSI) return kEps50Default[Band(c, kEps50BandSI, 4)];
    return eps50;
}

double Default_K(double c, double gamma, double phid) {
    const bool us = g.pd.IUNITS == kUnitsUS;
    if (!us && g.pd.IUNITS != kUnitsSI) return 0.0;
    const int loading = on(g.pd.b_CyclicLoading) ? 1 : 0;
    const int band = Band(c, us ? kKBandUS : kKBandSI, 3);
    const int heavy = gamma > (us ? kHeavyUS : kHeavySI) ? 1 : 0;
    const int friction = phid <= 30.0 ? 0 : (phid <= 36.0 ? 1 : 2);
    return (us ? kKBaseUS : kKBaseSI)[loading][band] + (us ? kKIncrementUS : kKIncrementSI)[heavy][friction];
}

// The layer's k at depth xp; a layer with a top value but no bottom value keeps the top value.
double Silt_K(int k, double xp, double c, double gamma, double phid) {
    ProblemData& pd = g.pd;
    if (!(pd.rd_LayerKTop(k) > 0.0)) return Default_K(c, gamma, phid);
    if (pd.rd_LayerKBottom(k) == 0.0) pd.rd_LayerKBottom(k) = pd.rd_LayerKTop(k);
    const double kt = pd.rd_LayerKTop(k), kb = pd.rd_LayerKBottom(k);
    if (kt == kb) return kt;
    return kt + (kb - kt) * (xp - pd.XLayerTop(k)) / (pd.XLayerBottom(k) - pd.XLayerTop(k));
}

void Check_Node(int k, const SiltCurve& s) {
    if (s.c < kNoStrength && s.xp > g.pd.XLayerTop(k))
        Input_Check_Error(kNoCohesion,
                              {"Problem: A negative or zero value of cohesion was input for ",
                               "a soil defined as a silt.",
                               "Layer = " + Int_Text(k) + ", Depth = " + Edit_F(s.xp, 13, 8) +
                                   ", c = " + Edit_E(s.c, 10, 3),
                               "Solution:  Please revise and correct the input data.  ",
                               "Both cohesion and friction angle should be non-zero for silt soils."});
}

void Check_Friction(double phi) {
    if (phi < kNoStrength)
        Input_Check_Error(kNoFriction,
                              {"Problem:  A negative or zero value was input for the friction angle for a silt.", "",
                               "Solution:  Please revise and correct the input data.  ",
                               "Both cohesion and friction angle must be non-zero for the cemented silt soil."});
}

void Check_Slope(int k, double phi, double c, double theta) {
    if (std::fabs(theta) > phi)
        Stop_Runtime_Error(kSlopeOverFriction,
                                {"A runtime error occurred due to the ground slope angle being",
                                 "greater than the friction angle for silt for layer " + Int_Text(k) + ".", "",
                                 "Problem:  The angle of the ground slope can not be greater ",
                                 "than the internal friction angle of silt.", "",
                                 "Solution:  Set the value for slope angle to be less than ",
                                 "the angle of friction or convert the layer into an equivalent",
                                 "strength clay layer."}, 0);
    if (Slope_Margin(phi, theta) < 1.0E-10 && c <= 0.0)
        Input_Check_Error(kSlopeTooSteep,
                              {"An error was detected in the input data when computing a p-y.",
                               "curve using the criteria for silt for layer " + Int_Text(k) + ".", "",
                               "Problem:  The angle of the ground slope can not be greater ",
                               "than the internal friction angle of cohesionless silt.", "",
                               "Solution:  Set the value for slope angle to be less than ", "the angle of friction."});
}

// Frictional part: the sand wedge (on a slope the wedge of the side the pile moves to) and flow around.
void Silt_Friction(SiltCurve& s, double theta, double y) {
    s.psd = Sand_Flow_Around(s.w, s.gamma, s.xg, s.b);
    s.pst = Sand_Wedge_Level(s.w, s.gamma, s.x, s.b);
    if (std::fabs(theta) > kSlopingGround) {
        const double t0 = std::tan(std::fabs(theta)) * std::tan(s.w.beta);
        const double D = (y > kSandSign) == (theta > kSandSign) ? 1.0 + t0 : 1.0 - t0;
        if (D > kSlopingGround) s.pst = Sand_Wedge_Slope(s.w, s.gamma, s.x, s.b, t0, D);
        if (D <= kFlatWedge && std::fabs(theta) > kFlatWedge) s.pst = s.psd;
    }
    s.ps = std::fmin(s.pst, s.psd);
}

// Cohesive part, as Matlock soft clay with J = 0.5; no cohesion gives none.
void Silt_Cohesion(SiltCurve& s, double theta, double y) {
    if (s.c < kNoStrength) {
        s.puc = 0.0;
        return;
    }
    double Np = s.x * kMatlockJ / s.b + 3.0 + s.x * s.gamma / s.c;
    if (std::fabs(theta) > kZeroSign) {
        const double a = std::fabs(theta);
        const bool same = (y > kZeroSign) == (theta > kZeroSign);
        Np *= same ? 1.0 / (1.0 + std::tan(a)) : std::cos(a) * kHalfSqrt2Single / std::cos(a + kQuarterPi);
    }
    s.puc = Np >= 9.0 ? 9.0 * s.b * s.c : s.b * s.c * Np;
}

void Silt_Shape(SiltCurve& s) {
    const bool cyclic = on(g.pd.b_CyclicLoading);
    s.A = fn_Table10(s.x, s.b, cyclic ? kReeseACyclic : kReeseAStatic, kReeseSandAbscissa);
    s.B = fn_Table10(s.x, s.b, cyclic ? kReeseBCyclic : kReeseBStatic, kReeseSandAbscissa);
    s.pu = s.A * s.ps + s.puc;
    s.pmc = kPmcFactor * (s.ps + s.puc);
    s.ym = s.b / 60.0;
    s.yu = 3.0 * s.b / 80.0;
    if (s.x >= 0.0) {
        s.m = (s.pu - s.pmc) / (s.yu - s.ym);
        s.n = s.pmc == 0.0 ? 0.0 : s.pmc / (s.ym * s.m);  // no resistance at all: no parabola
        s.C = s.n == 0.0 ? 0.0 : s.pmc / std::pow(s.ym, 1.0 / s.n);
        s.yk = s.kx == 0.0 ? 0.0 : std::pow(s.C / s.kx, s.n / (s.n - 1.0));
    } else {
        s.m = s.n = 0.0;
        s.yk = 2.0 * s.b;
    }
}

SiltCurve Silt_Curve(int k, int i) {
    const ProblemData& pd = g.pd;
    const PileNode& nd = g.nodes;
    const double theta = pd.rd_EffSlopeAngle;
    SiltCurve s;
    s.xp = PY_Node_Depth(i);
    s.xg = s.xp - pd.XGround;
    g.soil.rd_XeqTop(0) = s.xg;
    s.b = PY_Pile_Width(i);
    s.pmult = fn_pMultiplier(nd.xa(i));
    s.ymult = fn_yMultiplier(nd.xa(i));
    s.c = fn_c(s.xp);
    Check_Node(k, s);
    s.gamma = fn_GammaAvg(s.xp);
    s.eps50 = fn_Eps50(s.xp);
    if (s.eps50 <= 0.0) s.eps50 = Default_Eps50(s.c, s.eps50);
    s.phid = fn_Phi(s.xp);
    const double phi = s.phid * kPi / 180.0;
    Check_Friction(phi);
    s.k = Silt_K(k, s.xp, s.c, s.gamma, s.phid);
    Check_Slope(k, phi, s.c, theta);
    s.w = Sand_Angles(phi, theta, kSiltK0);
    if (i == nd.ITOP) {
        Set_Sand_Top_Properties(s.w, s.b, s.gamma);
        g.soil.top.c = s.c;
    }
    s.x = PY_Equivalent_Depth(k, i, s.xp, s.xg);
    s.kx = s.k * s.x;
    // In report mode the signs follow the last deflection of the node numbered as the curve.
    const double y = nd.y(i);
    Silt_Friction(s, theta, y);
    Silt_Cohesion(s, theta, y);
    Silt_Shape(s);
    return s;
}

void Silt_Report(int k, int i, const SiltCurve& s) {
    const std::string fpl = Unit_Force_Per_Length(), len = Unit_Length();
    PY_Report_Title(on(g.pd.b_CyclicLoading) ? "p-y Curve Computed Using the Cyclic Criteria for Cemented Silt"
                                             : "p-y Curve Computed Using the Static Criteria for Cemented Silt");
    PY_Report_Int("Soil Layer Number", k);
    PY_Report_Depths(s.xp, s.xg);
    PY_Report_Value("Equivalent Depth, x", s.x, 3, len);
    PY_Report_Value("Pile Diameter, B", s.b, 3, len);
    PY_Report_Value("Cohesion, c", s.c, 3, Unit_Stress());
    PY_Report_Value("Angle of Friction, phi", s.phid, 3, "deg.");
    PY_Report_Value("Avg. Eff. Unit Weight", s.gamma, 5, Unit_Unit_Weight());
    PY_Report_Value("k (interp. from input)", s.k, 3, Label(g.units.UnitWeightLabel));
    PY_Report_Value("Epsilon50 (interp.)", s.eps50, 5);
    PY_Report_Value("x/B ratio", s.x / s.b, 3);
    PY_Report_Value("A parameter = fn(x/B)", s.A, 5);
    PY_Report_Value("B parameter = fn(x/B)", s.B, 5);
    PY_Report_Value("m", s.m, 5);
    PY_Report_Value("n", s.n, 5);
    PY_Report_Value("Cbar", s.C, 5);
    PY_Report_Value("yk", s.yk, 5, len);
    PY_Report_Value("Pu", s.puc, 3, fpl);
    PY_Report_Value("Pc", s.ps, 3, fpl);
    PY_Report_Value("ym = b/60", s.ym, 5, len);
    PY_Report_Value("pm", s.pmc, 3, fpl);
    PY_Report_Value("yu = 3b/80", s.yu, 5, len);
    PY_Report_Value("Pu,c", s.puc, 3, fpl);
    PY_Report_Value("Pu,phi", s.ps, 3, fpl);
    PY_Report_Multipliers(s.pmult, s.ymult);
    Report_Blank_Lines(2);  // the multipliers' blank line and the table's
    Report_Line("        y, " + std::string(g.units.LengthLabel.view()) + "             p, " + fpl);
    Report_Line("----------------    -----------------");
    PY_Plot_Curve_Record(s.xp, 17,
                         g.pd.IUNITS == kUnitsUS
                             ? "Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. "
                             : "Line 7:  p-y curve depth in cemented silt (m), no. p-y points on curve no. ",
                         i);
    double y = 0.0;
    for (int j = 1; j <= 17; ++j) {
        if (j <= 13) y = (j - 1) * (s.ym / 12.0);
        else if (j == 14) y = s.yu;
        else y += kPlateauStep * s.yu;
        const double yout = s.ymult * y, pout = s.pmult * Silt_P(s, y);
        PY_Report_Table_Row(yout, pout);
        PY_Plot_Point_Record(yout, pout, j, "cemented c-phi");
    }
}

}  // namespace

void PY_CemSilt(int k) {
    const PileNode& nd = g.nodes;
    if (nd.IBOT < nd.ITOP) return;
    double r_previous = 0.0;
    for (int i = nd.ITOP; i <= nd.IBOT; ++i) {
        const SiltCurve s = Silt_Curve(k, i);
        if (PY_Report_Mode()) {
            Silt_Report(k, i, s);
            continue;
        }
        const double yc = PY_Relative_Deflection(i, s.ymult);
        const double es = yc >= kSmallDeflection ? s.pmult * Silt_P(s, yc) / std::fabs(yc) / s.ymult : s.kx;
        Check_Soil_Modulus(i, es, "cemented silt");
        PY_Store_Modulus(i, es);
        Sum_Layer_Resistance(k, i, s.pu, r_previous);
        if (g.pd.XGround < kAboveHead && k == 1)
            g.soil.rd_LayerResistance(1) = (3.0 * s.c * s.b + s.pu) * 0.5 * (g.pd.XLayerBottom(1) - g.pd.XLayerTop(1));
    }
}

}  // namespace tarvex
