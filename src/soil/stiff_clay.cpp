// Stiff clay p-y curves: with free water (Reese, Cox and Koop 1975), without
// free water (Welch and Reese 1972), and without free water with an initial
// modulus k that bounds the curve from above.
#include <cmath>
#include <string>

#include "engine/errors.h"
#include "input/input_errors.h"
#include "soil/py_model_support.h"
#include "soil/py_models.h"
#include "soil/py_protocol.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {

enum StiffClay { kWithWater, kWithoutWater, kWithoutWaterK };

// Strength class bounds (1 below the first, 4 from the last) and the warning
// limits of each criterion, in psi and kPa.
struct StiffClayLimits {
    double us_class[3], si_class[3];
    double si_low, si_high;
    int warning;  // US low; then US high, SI low, SI high follow it downwards
};
constexpr StiffClayLimits kLimits[3] = {
    {{6.94444465637207, 13.88888931274414, 27.77777862548828},
     {47.8802604675293, 95.7605209350586, 191.5210418701172}, 23.940128326416016, 383.04205322265625, -3051},
    {{6.940000057220459, 13.880000114440918, 27.780000686645508},
     {47.8927001953125, 95.785400390625, 191.57080078125}, 23.940000534057617, 383.0400085449219, -3061},
    {{6.940000057220459, 13.880000114440918, 27.780000686645508},
     {47.8927001953125, 95.785400390625, 191.57080078125}, 23.940000534057617, 383.0400085449219, -3261},
};
constexpr double kUsLowStrength = 3.472222328186035;    // 500 psf
constexpr double kUsHighStrength = 55.55555725097656;   // 8000 psf

// Default epsilon-50 and subgrade moduli by strength class (US lb/in^3, SI kN/m^3).
constexpr double kDefaultEps50[4] = {0.010999999940395355, 0.007000000216066837, 0.004999999888241291,
                                     0.004000000189989805};
constexpr double kDefaultKStaticUS[4] = {250.0, 500.0, 1000.0, 2000.0};
constexpr double kDefaultKCyclicUS[4] = {100.0, 200.0, 400.0, 800.0};
constexpr double kDefaultKStaticSI[4] = {67861.796875, 135723.59375, 271447.1875, 542894.375};
constexpr double kDefaultKCyclicSI[4] = {27144.7109375, 54289.3984375, 108578.8984375, 217157.703125};

// Single-precision constants of the free-water criteria.
constexpr double kPctFactor = double(2.83f);
constexpr double kStaticDrop = double(0.055f);
constexpr double kStaticResidual = double(0.411f);
constexpr double kYpFactor = double(4.1f);
constexpr double kCyclicPeakAt = double(0.45f);
constexpr double kCyclicFirst = double(0.6f);
constexpr double kCyclicSecond = double(1.8f);
constexpr double kCyclicLevel = double(0.936f);
constexpr double kCyclicSlope = double(0.085f);
constexpr double kCyclicFinal = double(0.102f);
constexpr double kCyclicResidualAs = double(0.4182f);
constexpr double kCycleFactor = double(0.6f);  // growth of y50 with log10 N

// Values of one stiff clay curve.
struct StiffClayCurve {
    double b = 0, c = 0, ca = 0, cg = 0, gamma = 0, eps50 = 0, k = 0;
    double x = 0, F = 1;
    double As = 0, Ac = 0;         // free-water coefficients
    double pct = 0, pcd = 0, pc = 0;  // shallow, deep and governing resistance (pu without free water)
    double y50 = 0, kx = 0, pr = 0;   // pr: final resistance with free water
};

int Strength_Class(double c, const double (&bounds)[3]) {
    for (int n = 0; n < 3; ++n)
        if (c < bounds[n]) return n;
    return 3;
}

void Stiff_Clay_Zero_Strength(StiffClay model) {
    if (model == kWithWater) {
        Input_Check_Error(14,
                              {"An error was detected in the input data used to compute p-y curves in ",
                               "stiff clay with free water.", "",
                               "Problem:  Zero was input for the cohesion of a stiff clay. ", "",
                               "Solution:  Check and compare the values of shear strength and revise the ",
                               "input so that the strength values are correct for the soil types specified.", ""});
    }
    if (model == kWithoutWater)
        Write_Error_Block(Input_Error_Heading(13),
                          {"An error was detected in the input data.",
                           "Problem:  Zero was input for cohesion of stiff clay without free water.", "",
                           "Solution:  Please check the values of soil shear strength and revise the input data.",
                           ""},
                          true, 0);
    else
        Write_Error_Block(Input_Error_Heading(13),
                          {"An error was detected in the input data.",
                           "Problem:  Zero was input for cohesion of stiff clay without free water.", "",
                           "Solution:  Please check the values of soil shear strength and revise",
                           "the input data.", ""},
                          true, 0);
    Stop_With_Error("INP00013", 113);
}

void Stiff_Clay_Strength_Warnings(StiffClay model, double c) {
    const StiffClayLimits& lim = kLimits[model];
    if (g.pd.IUNITS == kUnitsUS) {
        if (c < kUsLowStrength) Record_Warning(lim.warning);
        else if (c > kUsHighStrength) Record_Warning(lim.warning - 1);
    } else if (g.pd.IUNITS == kUnitsSI) {
        if (c < lim.si_low) Record_Warning(lim.warning - 2);
        else if (c > lim.si_high) Record_Warning(lim.warning - 3);
    }
}

// The node values common to the three criteria, the average strength and the
// equivalent depth (which, at the top node, runs the layering correction).
StiffClayCurve Stiff_Clay_Node(StiffClay model, int k, int i, double xp, double xg, double& s_sum,
                               double& c_previous) {
    const PileNode& nd = g.nodes;
    const ProblemData& pd = g.pd;
    StiffClayCurve s;
    s.b = PY_Pile_Width(i);
    s.c = fn_c(xp);
    const bool at_interface = on(g.soil.b_AtNode);
    s.gamma = fn_GammaAvg(xp);
    s.eps50 = fn_Eps50(xp);
    if (i > nd.ITOP && s.c < 1.0E-10) Stiff_Clay_Zero_Strength(model);
    if (!at_interface) Stiff_Clay_Strength_Warnings(model, s.c);

    // Average strength over the layer's nodes down to this one.
    const double xtop = PY_Node_Depth(nd.ITOP);
    if (i == nd.ITOP) {
        s_sum = 0.0;
        s.ca = s.c;
    } else {
        s_sum += (xp - PY_Node_Depth(i - 1)) * 0.5 * (c_previous + s.c);
        s.ca = s_sum / (xp - xtop);
    }
    c_previous = s.c;
    if (model == kWithWater) {
        if (k == 1) s.ca = fn_cAvg(nd.xa(i));
    } else {
        s.cg = fn_cAvg(xp);
    }

    // Defaults from the strength class (none in generic units).
    const bool us = pd.IUNITS == kUnitsUS, si = pd.IUNITS == kUnitsSI;
    const StiffClayLimits& lim = kLimits[model];
    const int cls = Strength_Class(s.c, us ? lim.us_class : lim.si_class);
    if (s.eps50 <= 0.0 && (us || si)) s.eps50 = kDefaultEps50[cls];
    if (model != kWithoutWater) {
        const double ktop = pd.rd_LayerKTop(k);
        const bool want_default = model == kWithWater ? ktop <= 0.0 : ktop == 0.0;
        if (want_default && (us || si)) {
            const bool cyclic = on(pd.b_CyclicLoading);
            s.k = us ? (cyclic ? kDefaultKCyclicUS : kDefaultKStaticUS)[cls]
                     : (cyclic ? kDefaultKCyclicSI : kDefaultKStaticSI)[cls];
        } else {
            // A bottom value left at zero takes the top value.
            if (pd.rd_LayerKBottom(k) <= 0.0) g.pd.rd_LayerKBottom(k) = ktop;
            s.k = Layer_K_At(k, xp);
        }
    }

    if (i == nd.ITOP) {
        LayerTopProperties& t = g.soil.top;
        t.b = s.b;
        t.c = s.c;
        t.ca = s.ca;
        t.gamma = s.gamma;
    }
    s.x = PY_Equivalent_Depth(k, i, xp, xg);
    s.F = Sloping_Ground_Factor(nd.y(i), pd.rd_EffSlopeAngle,
                                model == kWithWater ? kHalfSqrt2 : kHalfSqrt2Single);
    return s;
}

// --- Stiff clay with free water ---------------------------------------------

void With_Water_Resistance(StiffClayCurve& s) {
    s.As = fn_As(s.x / s.b);
    s.Ac = fn_Ac(s.x / s.b);
    s.pct = ((s.gamma * s.b + kPctFactor * s.ca) * s.x + 2.0 * s.ca * s.b) * s.F;
    s.pcd = 11.0 * s.c * s.b;
    s.pc = std::fmin(s.pct, s.pcd);
    s.y50 = s.eps50 * s.b;
    s.kx = s.k * s.x;
    const double f = on(g.pd.b_CyclicLoading) ? kCyclicLevel * s.Ac - kCyclicResidualAs * s.As
                                              : 0.5 * std::sqrt(6.0 * s.As) - kStaticResidual - 0.75 * s.As;
    s.pr = f * s.pc;
}

double With_Water_Curve(const StiffClayCurve& s, double y) {
    const double pc = s.pc, y50 = s.y50, As = s.As;
    double p;
    if (!on(g.pd.b_CyclicLoading)) {
        if (y <= As * y50) p = 0.5 * pc * std::sqrt(y / y50);
        else if (y <= 6.0 * As * y50)
            p = (0.5 * std::sqrt(y / y50) - kStaticDrop * std::pow(y / (As * y50) - 1.0, 1.25)) * pc;
        else if (y <= 18.0 * As * y50)
            p = 0.5 * std::sqrt(6.0 * As) * pc - kStaticResidual * pc - 0.0625 * pc * (y - 6.0 * As * y50) / y50;
        else
            p = 0.5 * std::sqrt(6.0 * As) * pc - 0.75 * As * pc - kStaticResidual * pc;
    } else {
        const double yp = kYpFactor * As * y50;
        if (y <= kCyclicFirst * yp)
            p = s.Ac * pc * (1.0 - std::pow(std::fabs((y - kCyclicPeakAt * yp) / (kCyclicPeakAt * yp)), 2.5));
        else if (y <= kCyclicSecond * yp)
            p = kCyclicLevel * s.Ac * pc - kCyclicSlope * pc * (y - kCyclicFirst * yp) / y50;
        else
            p = kCyclicLevel * s.Ac * pc - kCyclicFinal * pc * yp / y50;
    }
    return std::fmin(p, s.kx * y);
}

void With_Water_Report(int k, int i, double xp, double xg, const StiffClayCurve& s, double pmult,
                       double ymult) {
    const bool cyclic = on(g.pd.b_CyclicLoading);
    PY_Report_Title(cyclic ? "p-y Curve Computed Using Cyclic Criteria for Stiff Clay with Free Water"
                           : "p-y Curve Computed Using Static Criteria for Stiff Clay with Free Water");
    PY_Report_Int("Soil Layer Number", k);
    PY_Report_Depths(xp, xg);
    PY_Report_Value("Equivalent Depth", s.x, 3, Unit_Length());
    PY_Report_Value("Diameter", s.b, 3, Unit_Length());
    PY_Report_Value("c (at curve depth)", s.c, 3, Unit_Stress());
    PY_Report_Value("Avergage c", s.ca, 3, Unit_Stress());
    PY_Report_Value("Average Eff. Unit Weight", s.gamma, 5, Unit_Unit_Weight());
    PY_Report_Value("k", s.k, 3, Label(g.units.UnitWeightLabel));
    PY_Report_Value("Epsilon50", s.eps50, 5);
    PY_Report_Value("y50", s.y50, 3, Unit_Length());
    PY_Report_Value("As", s.As, 3);
    PY_Report_Value(cyclic ? "Ac" : "Ac (not used)", s.Ac, 3);
    const std::string fpl = Unit_Force_Per_Length();
    PY_Report_Value("pct", s.pct, 3, fpl);
    PY_Report_Value("pcd", s.pcd, 3, fpl);
    PY_Report_Value("pc", s.pc, 3, fpl);
    PY_Report_Value("pu", s.pr, 3, fpl);
    PY_Report_Multipliers(pmult, ymult);
    if (cyclic) PY_Report_Value("Number of Cycles of Loading", g.pd.rd_NumCycles, 0);
    Report_Blank_Lines(1);
    Report_Line("        y, " + std::string(g.units.LengthLabel.view()) + "             p," + fpl);
    Report_Line("----------------    -----------------");
    PY_Plot_Curve_Record(
        xp, 17, "Line 7:  p-y curve depth in stiff clay with free water, no. p-y points on curve no. ", i);
    const double yp = kYpFactor * s.As * s.y50;
    for (int j = 1; j <= 17; ++j) {
        double y;
        if (!cyclic) {
            const double f = j <= 13 ? 0.5 * (j - 1) : (j == 17 ? 19.0 : 10.0 + 4.0 * (j - 14));
            y = f * s.As * s.y50;
        } else {
            const double f = j <= 13 ? double(0.05f) * (j - 1)
                                     : (j == 17 ? double(1.9f) : 1.0 + double(0.4f) * (j - 14));
            y = f * yp;
        }
        const double yout = ymult * y, pout = pmult * With_Water_Curve(s, y);
        if (cyclic) Report_Line(Edit_F(yout, 15, 4) + Edit_F(pout, 17, 3));
        else PY_Report_Table_Row(yout, pout);
        PY_Plot_Point_Record(yout, pout, j,
                             cyclic ? "cyclic stiff clay with free water" : "static stiff clay with free water");
    }
}

// --- Stiff clay without free water ------------------------------------------

void Without_Water_Resistance(StiffClayCurve& s, bool with_k) {
    s.pct = ((s.gamma * s.b + 0.5 * s.c) * s.x + 3.0 * s.b * s.c) * s.F;
    s.pcd = 9.0 * s.b * s.c;
    s.pc = std::fmin(s.pct, s.pcd);
    s.y50 = 2.5 * s.eps50 * s.b;
    if (with_k) s.kx = s.k * s.x;
}

double Without_Water_Curve(const StiffClayCurve& s, double y, bool with_k) {
    const double pu = s.pc;
    if (!on(g.pd.b_CyclicLoading)) {
        if (y > 16.0 * s.y50) return pu;
        const double p = 0.5 * pu * std::pow(y / s.y50, 0.25);
        return with_k ? std::fmin(p, s.kx * y) : p;
    }
    const double n = g.pd.rd_NumCycles;
    double p = std::fmin(0.5 * pu * std::pow(y / ((1.0 + kCycleFactor * std::log10(n)) * s.y50), 0.25), pu);
    return with_k ? std::fmin(p, s.kx * y) : p;
}

void Without_Water_Report(int k, int i, double xp, double xg, const StiffClayCurve& s, double pmult,
                          double ymult, bool with_k) {
    const bool cyclic = on(g.pd.b_CyclicLoading);
    const std::string title = cyclic ? "p-y Curve Computed Using Cyclic Criteria for Stiff Clay without Free Water"
                                     : "p-y Curve Computed Using Static Criteria for Stiff Clay without Free Water";
    if (with_k) {
        Report_Blank_Lines(2);
        Report_Line(title);
        Report_Line("with Option of Defining Initial k");
        Report_Blank_Lines(1);
    } else {
        PY_Report_Title(title);
    }
    PY_Report_Int("Soil Layer Number", k);
    PY_Report_Depths(xp, xg);
    if (!with_k) PY_Report_Angles("Pile Batter Angle");
    PY_Report_Value("Equivalent Depth", s.x, 3, Unit_Length());
    PY_Report_Value("Diameter", s.b, 3, Unit_Length());
    PY_Report_Value("Undrained cohesion, c", s.c, 5, Unit_Stress());
    PY_Report_Value("Average Eff. Unit Weight", s.gamma, 3, Unit_Unit_Weight());
    if (with_k) PY_Report_Value("k", s.k, 0, Label(g.units.UnitWeightLabel));
    PY_Report_Value("Epsilon-50", s.eps50, 3);
    const std::string fpl = Unit_Force_Per_Length();
    PY_Report_Value("Pct", s.pct, 3, fpl);
    PY_Report_Value("Pcd", s.pcd, 3, fpl);
    PY_Report_Value("Pu", s.pc, 3, fpl);
    PY_Report_Value("y50", s.y50, 3, Unit_Length());
    PY_Report_Multipliers(pmult, ymult);
    if (cyclic)
        PY_Report_Value(with_k ? "Number of Cycles of Loading" : "Number of cycles of loading ",
                        g.pd.rd_NumCycles, 0);
    Report_Blank_Lines(1);
    Report_Line("        y, " + std::string(g.units.LengthLabel.view().substr(0, 2)) + "            p, " + fpl);
    Report_Line("----------------    -----------------");
    PY_Plot_Curve_Record(xp, 17,
                         with_k ? "Line 7:  p-y curve depth in stiff clay w/o free water with k, no. p-y points "
                                  "on curve no. "
                                : "Line 7:  p-y curve depth in stiff clay w/o free water, no. p-y points on curve no. ",
                         i);
    static constexpr double kFractions[15] = {0.0,   1.0E-5, 5.0E-5, 1.0E-4, 5.0E-4, 0.001, 0.005, 0.01,
                                              0.025, 0.05,   0.075,  0.1,    0.25,   0.5,   1.0};
    const double y16 = 16.0 * s.y50;
    const double ye = cyclic
                          ? 1.25 * (double(9.6f) * std::log10(g.pd.rd_NumCycles) + 16.0) * s.y50
                          : double(16.8f) * s.y50;
    for (int j = 1; j <= 17; ++j) {
        const double y = j <= 15 ? y16 * kFractions[j - 1] : (j == 16 ? (y16 + ye) / 2.0 : ye);
        const double yout = ymult * y, pout = pmult * Without_Water_Curve(s, y, with_k);
        PY_Report_Table_Row(yout, pout);
        PY_Plot_Point_Record(yout, pout, j, with_k ? "stiff clay with k" : "stiff clay w/o water");
    }
}

void Stiff_Clay(StiffClay model, int k) {
    PileNode& nd = g.nodes;
    if (nd.IBOT < nd.ITOP) return;
    Check_Clay_Slope();  // the sloping-ground factor has no wedge at 45 degrees and beyond
    const bool report = PY_Report_Mode();
    double s_sum = 0.0, c_previous = 0.0, r_previous = 0.0;
    for (int i = nd.ITOP; i <= nd.IBOT; ++i) {
        const double xp = PY_Node_Depth(i);
        const double xg = xp - g.pd.XGround;
        StiffClayCurve s = Stiff_Clay_Node(model, k, i, xp, xg, s_sum, c_previous);
        const double pmult = fn_pMultiplier(nd.xa(i));
        const double ymult = fn_yMultiplier(nd.xa(i));
        const bool with_k = model == kWithoutWaterK;
        if (model == kWithWater) With_Water_Resistance(s);
        else Without_Water_Resistance(s, with_k);
        if (report) {
            if (model == kWithWater) With_Water_Report(k, i, xp, xg, s, pmult, ymult);
            else Without_Water_Report(k, i, xp, xg, s, pmult, ymult, with_k);
            continue;
        }
        const double yc = PY_Relative_Deflection(i, ymult);
        double es;
        if (model == kWithWater) {
            es = yc >= 1.0E-14 ? pmult * With_Water_Curve(s, yc) / std::fabs(yc) / ymult : s.kx;
        } else if (with_k) {
            es = yc >= 1.0E-14 ? pmult * Without_Water_Curve(s, yc, true) / std::fabs(yc) / ymult : s.kx;
        } else {
            // Below 2e-5 b the secant of the static curve at that deflection.
            const double ylim = 2.0E-5 * s.b;
            es = yc >= ylim ? pmult * Without_Water_Curve(s, yc, false) / std::fabs(yc) / ymult
                            : (pmult / ymult) * 0.5 * s.pc * std::pow(s.y50 / ylim, 0.75) / s.y50;
        }
        PY_Store_Modulus(i, es);
        const double r = model == kWithWater ? s.pr : s.pc;
        Sum_Layer_Resistance(k, i, r, r_previous);
        if (g.pd.XGround < -9.999999747378752E-06 && k == 1) {
            const double t = g.pd.XLayerBottom(1) - g.pd.XLayerTop(1);
            g.soil.rd_LayerResistance(1) = model == kWithWater ? t * 0.5 * (2.0 * s.ca * s.b + s.pc)
                                                               : t * 0.5 * (3.0 * s.cg * s.b + s.pc);
        }
    }
}

}  // namespace

void PY_StfClyBW(int k) { Stiff_Clay(kWithWater, k); }

void PY_StfClyAW(int k) {
    g.pd.rd_NumCycles = std::fmax(g.pd.rd_NumCycles, 1.0);
    Stiff_Clay(kWithoutWater, k);
}

void PY_StfClyAK(int k) {
    if (g.pd.rd_NumCycles == 0.0) g.pd.rd_NumCycles = 1.0;
    Stiff_Clay(kWithoutWaterK, k);
}

}  // namespace tarvex
