// Reese, Cox and Koop (1974) sand p-y curves: an initial straight line of
// slope k x, a parabola from the line to (ym, pm), a straight line to (yu, pu)
// and the ultimate resistance beyond, with the empirical factors A and B.
#include <cmath>
#include <string>

#include "engine/errors.h"
#include "input/input_errors.h"
#include "soil/py_model_support.h"
#include "soil/py_models.h"
#include "soil/py_protocol.h"
#include "soil/reese_sand_tables.h"
#include "soil/sand_wedge.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {

constexpr double kReeseK0 = 0.4;

// One Reese sand curve: its depths, resistances and the points of its branches.
struct ReeseSand {
    SandAngles w;                 // friction angle and earth pressure coefficients
    double b = 0;                 // pile width
    double gamma = 0;             // average effective unit weight
    double x = 0, xg = 0;         // equivalent depth, depth below ground
    double k = 0, kx = 0;         // subgrade modulus and initial slope k x
    double pst = 0, psd = 0, ps = 0;  // wedge, flow-around and governing resistance
    double A = 0, B = 0;          // empirical factors
    double pu = 0, pm = 0, ym = 0, yu = 0;
    double m = 0, n = 0, C = 0, yk = 0, pk = 0;
    int shape = 0;                // 1 normal, 2 tri-linear, 3 bi-linear, 0 none of them
};

// Slope factor D of the sloping wedge: 1 + t0 when the deflection and the slope
// have the same sign (a zero deflection counts as negative), 1 - t0 otherwise.
bool Reese_Same_Side(double y, double theta) { return (y > 1.0E-14) == (theta > 1.0E-14); }

void Reese_Sand_Resistance(ReeseSand& s, double theta, bool same_side) {
    s.psd = Sand_Flow_Around(s.w, s.gamma, s.xg, s.b);
    if (std::fabs(theta) > 1.0E-15) {
        const double t0 = std::tan(std::fabs(theta)) * std::tan(s.w.beta);
        const double D = same_side ? 1.0 + t0 : 1.0 - t0;
        if (D > 1.0E-20) s.pst = Sand_Wedge_Slope(s.w, s.gamma, s.x, s.b, t0, D);
        if (D <= 1.0E-10) s.pst = s.psd;
    } else {
        s.pst = Sand_Wedge_Level(s.w, s.gamma, s.x, s.b);
    }
    s.ps = std::fmin(s.pst, s.psd);
}

// Factors A and B at x / b, the characteristic points and the shape of the curve.
void Reese_Sand_Shape(ReeseSand& s, const double (&a)[10], const double (&bt)[10], const double (&r)[10]) {
    s.A = fn_Table10(s.x, s.b, a, r);
    s.B = fn_Table10(s.x, s.b, bt, r);
    s.pu = s.A * s.ps;
    s.pm = s.B * s.ps;
    s.ym = s.b / 60.0;
    s.yu = 3.0 * s.b / 80.0;
    s.kx = s.k * s.x;
    if (s.x >= 0.0) {
        s.m = (s.pu - s.pm) / (s.yu - s.ym);
        if (s.x == 0.0) {
            s.n = s.C = s.yk = s.pk = 0.0;
        } else {
            s.n = s.pm / (s.m * s.ym);
            s.C = s.pm / std::pow(s.ym, 1.0 / s.n);
            s.yk = std::pow(s.C / s.kx, s.n / (s.n - 1.0));
            s.pk = s.C * std::pow(s.yk, 1.0 / s.n);
        }
    } else {
        s.yk = 2.0 * s.b;
    }
    if (s.yk < s.ym && s.ym < s.yu) s.shape = 1;
    else if (s.ym < s.yk && s.yk < s.yu) s.shape = 2;
    else if (s.ym < s.yu && s.yu < s.yk) s.shape = 3;
    else s.shape = 0;
}

// The curve before the cut by the initial straight line.
double Reese_Sand_Curve_Unlimited(const ReeseSand& s, double y) {
    if (y <= s.yk && y < s.ym) return s.kx * y;
    if (y <= s.ym) return s.n == 0.0 ? 0.0 : s.C * std::pow(y, 1.0 / s.n);
    if (y <= s.yu) return s.pm + s.m * (y - s.ym);
    return s.pu;
}

double Reese_Sand_Curve(const ReeseSand& s, double y) {
    return std::fmin(Reese_Sand_Curve_Unlimited(s, y), s.kx * y);
}

// The 17 deflections of the report, y[1..17], spread over the branches of the shape.
void Reese_Sand_Report_Deflections(const ReeseSand& s, double (&y)[18]) {
    auto tail = [](int j) { return double(1.0f + float(j - 15) * 0.025f); };
    y[1] = 0.0;
    switch (s.shape) {
        case 1:
            y[2] = s.yk;
            for (int j = 3; j <= 12; ++j) y[j] = s.yk + (j - 2) * (s.ym - s.yk) / 11.0;
            y[13] = s.ym;
            y[14] = 13.0 * s.b / 480.0;
            y[15] = s.yu;
            y[16] = tail(16) * s.yu;
            y[17] = tail(17) * s.yu;
            break;
        case 2: {
            const double slope = (s.pu - s.pk) / (s.yu - s.yk);
            const double ystar = (s.pu - s.yu * slope) / (s.kx - slope);
            y[2] = ystar;
            for (int j = 3; j <= 14; ++j) y[j] = ystar + (j - 2) * (s.yu - ystar) / 13.0;
            y[15] = s.yu;
            y[16] = tail(16) * s.yu;
            y[17] = tail(17) * s.yu;
            break;
        }
        case 3:
            for (int j = 2; j <= 15; ++j) y[j] = (j - 1) * (s.pu / s.kx) / 14.0;
            y[16] = tail(16) * s.pu / s.kx;
            y[17] = tail(17) * s.pu / s.kx;
            break;
        default:
            for (int j = 2; j <= 17; ++j) y[j] = y[j - 1];
            break;
    }
}

// A row of the curve table, "   *" after a point on the initial straight line.
void Sand_Table_Row(double y, double p, bool marked) {
    Write_Blanks(3);
    Write_Real_Field(y, 12);
    Write_Blanks(5);
    Write_Real_Field(p, 12);
    if (marked) Report_Text("   *");
    End_Line();
}

// Deflection of the last solution at vertical depth d, linear between nodes.
double Deflection_At_Depth(double d) {
    const PileNode& n = g.nodes;
    for (int j = 1; j <= n.i_NumNodes; ++j) {
        if (n.xv(j) < d) continue;
        if (j == 1 || n.xv(j) == n.xv(j - 1)) return n.y(j);
        return n.y(j - 1) + (n.y(j) - n.y(j - 1)) * (d - n.xv(j - 1)) / (n.xv(j) - n.xv(j - 1));
    }
    return n.i_NumNodes >= 1 ? n.y(n.i_NumNodes) : 0.0;
}

void Sand_Input_Error_8() {
    Write_Msg_Block({Input_Error_Heading(8), "",
                     "An error was detected in the input data for friction angle.",
                     "Problem:  Zero was input for the friction angle for a sand when computing ",
                     "          a p-y curve using the Reese et al. criteria.", "",
                     "Solution: Check values of soil strength values and revise the input data.", ""});
    Stop_With_Error("INP00008", 108);
}

void Sand_Warning_302() {
    Write_Msg_Block({"", "**** Warning ****", "",
                     "An unreasonable value for friction angle was input for a Reese sand layer. ",
                     "The input value is either smaller than 20 degrees or higher than 48 degrees.",
                     "The input data should be checked for correctness.", "",
                     "The input value for friction angle was used in computations.", ""});
    Record_Warning(-302);
}

void Sand_Input_Error_9(int k) {
    const std::string layer = "the Reese sand criteria for layer " + Int_Text(k) + ".";
    Input_Check_Error(9,
                          {"An error was found in the input data when computing a p-y curve using ", layer, "",
                           "Problem:  The angle of the ground slope can not be greater than the ",
                           "internal friction angle of the sand.", "",
                           "Solution:  Set the value for slope angle to be less than the angle of friction."});
}

// Runtime error 31 (curve branch) or 32 (small-deflection branch): Es is not a number.
void Sand_Modulus_Not_A_Number(int i, bool small_deflection) {
    const int n = small_deflection ? 32 : 31;
    const std::string what = small_deflection ? "The default value" : "The computed value";
    Write_Error_Block(Runtime_Error_Heading(n),
                      {what + " of soil modulus computed in Reese Sand is not-a-number for node number " +
                           Int_Text(i),
                       "", "This problem is usually due to a required soil property being left equal to zero."},
                      false, 0);
    Raise_Error(200 + n);
}

void Sand_Report(int k, int i, double xp, double xg, const ReeseSand& s, double pmult, double ymult,
                 bool default_k) {
    const bool cyclic = on(g.pd.b_CyclicLoading);
    const bool us = g.pd.IUNITS == kUnitsUS;
    PY_Report_Title(cyclic ? "p-y Curve in Sand Computed Using Reese Criteria for Cyclic Loading Conditions"
                           : "p-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions");
    PY_Report_Int("Soil Layer Number", k);
    PY_Report_Depths(xp, xg);
    PY_Report_Angles("Pile Batter");
    PY_Report_Value("Equivalent Depth (see note)", s.x, 3, Unit_Length());
    PY_Report_Value("Pile Diameter, b", s.b, 3, Unit_Length());
    PY_Report_Value("Angle of Friction", s.w.phi * kDegreesPerRadian, 3, "degrees");
    if (us)
        PY_Report_Value("Avg. Eff. Unit Weight", s.gamma * 1728.0, 5, Label(g.units.ForceLabel) + "/ft**3");
    else
        PY_Report_Value("Avg. Eff. Unit Weight", s.gamma, 5, Unit_Unit_Weight());
    PY_Report_Value("kpy", s.k, 3, Label(g.units.UnitWeightLabel));
    PY_Report_Value("K active", s.w.Ka0, 3);
    PY_Report_Value("K passive", s.w.Kp, 3);
    PY_Report_Value("K0", s.w.K0, 3);
    const std::string fpl = Unit_Force_Per_Length();
    PY_Report_Value("Pst", s.pst, 3, fpl);
    PY_Report_Value("Psd", s.psd, 3, fpl);
    PY_Report_Value(s.psd <= s.pst ? "Ps = Psd (deep controls)" : "Ps = Pst (shallow controls)", s.ps, 3, fpl);
    PY_Report_Value(cyclic ? "A (cyclic)" : "A (static)", s.A, 4);
    PY_Report_Value(cyclic ? "B (cyclic)" : "B (static)", s.B, 4);
    PY_Report_Value("C = Pm/(Ym^(1/n))", s.C, 4);
    PY_Report_Value("n = Pm/(m Ym)", s.n, 4);
    PY_Report_Value("m = (Pu-Pm)/(Yu-Ym)", s.m, 4);
    PY_Report_Value("Yk = [c/(kx)]^(n/(n-1))", s.yk, 4, Unit_Length());
    PY_Report_Value("Pk", s.pk, 3, fpl);
    PY_Report_Value("Ym = b/60", s.ym, 4, Unit_Length());
    PY_Report_Value("Pm = B ps", s.pm, 3, fpl);
    PY_Report_Value("Yu = 3b/80", s.yu, 4, Unit_Length());
    PY_Report_Value("Pu = A Ps", s.pu, 3, fpl);
    PY_Report_Value("Es,lim", s.kx, 3, Unit_Force_Per_Length_Per_Length());
    PY_Report_Multipliers(pmult, ymult);
    Report_Blank_Lines(1);
    PY_Report_Depth_Note();
    switch (s.shape) {
        case 1: Report_Line("This curve has the normal shape for a Reese sand p-y curve where Yk < Ym < Yu."); break;
        case 2: Report_Line("This curve has a tri-linear shape for a Reese sand p-y curve because Ym < Yk < Yu."); break;
        case 3: Report_Line("This curve has a bi-linear shape for a Reese sand p-y curve because Ym < Yu < Yk."); break;
        default: break;
    }
    if (s.shape != 0) Report_Blank_Lines(1);
    std::string head = std::string(9, ' ') + "y, " + Label(g.units.LengthLabel);
    head.resize(25, ' ');
    Report_Line(head + "p, " + fpl);
    Report_Line("----------------    -----------------");
    PY_Plot_Curve_Record(xp, 17, "Line 7:  p-y curve depth in sand, no. p-y points on curve no. ", i);

    double y[18];
    Reese_Sand_Report_Deflections(s, y);
    bool any_marked = false;
    for (int j = 1; j <= 17; ++j) {
        double yj = y[j];
        double p = Reese_Sand_Curve(s, yj);
        bool marked = j > 1 && yj <= s.yk && yj < s.ym;
        if (s.kx * yj < Reese_Sand_Curve_Unlimited(s, yj)) {
            // The initial straight line cuts the curve: the last two points show the plateau.
            if (j == 16) {
                yj = s.pu / s.kx;
                p = s.pu;
            } else if (j == 17) {
                yj = double(0.025f) * s.yu + s.yu + s.pu / s.kx;
                p = s.pu;
            } else {
                p = s.kx * yj;
                marked = true;
            }
            any_marked = true;
        }
        any_marked = any_marked || marked;
        Sand_Table_Row(ymult * yj, pmult * p, marked);
        PY_Plot_Point_Record(ymult * yj, pmult * p, j, "sand");
    }
    if (any_marked) {
        Report_Blank_Lines(1);
        Report_Line("* p value(s) computed using p = k * Eff x * y ");
    }
    if (default_k) {
        Report_Blank_Lines(1);
        Report_Line("The above p-y curve was computed using internal default values of k.");
    }
    Report_Blank_Lines(1);
}

}  // namespace

void PY_Sand(int k) {
    PileNode& nd = g.nodes;
    if (nd.IBOT < nd.ITOP) return;
    const bool report = PY_Report_Mode();
    const double theta = g.pd.rd_EffSlopeAngle;
    double r_previous = 0.0;
    for (int i = nd.ITOP; i <= nd.IBOT; ++i) {
        const SandNodeInputs in = Sand_Node_Inputs(i);
        const double xp = in.xp, xg = in.xg, pmult = in.pmult, ymult = in.ymult;
        if (in.phi < 1.0E-10) Sand_Input_Error_8();
        if (in.phid < 20.0 || in.phid > 48.0) Sand_Warning_302();
        // The slope must be flatter than the friction angle in every sand layer,
        // or the active coefficient of the sloping wedge has no real value.
        if (Slope_Margin(in.phi, theta) < 1.0E-10) Sand_Input_Error_9(k);
        ReeseSand s;
        s.b = in.b;
        s.gamma = in.gamma;
        s.w = Sand_Angles(in.phi, theta, kReeseK0);
        if (i == nd.ITOP) Set_Sand_Top_Properties(s.w, s.b, s.gamma);
        s.x = PY_Equivalent_Depth(k, i, xp, xg);
        s.xg = xg;
        bool default_k = false;
        s.k = Sand_Subgrade_K(k, xp, in, default_k);
        const double y_slope = report ? Deflection_At_Depth(xp) : nd.y(i);
        Reese_Sand_Resistance(s, theta, Reese_Same_Side(y_slope, theta));
        const bool cyclic = on(g.pd.b_CyclicLoading);
        Reese_Sand_Shape(s, cyclic ? kReeseACyclic : kReeseAStatic, cyclic ? kReeseBCyclic : kReeseBStatic,
                         kReeseSandAbscissa);
        if (report) {
            Sand_Report(k, i, xp, xg, s, pmult, ymult, default_k);
            continue;
        }
        const double yc = PY_Relative_Deflection(i, ymult);
        double es;
        if (yc < 1.0E-14) {
            es = s.kx;
            if (std::isnan(es)) Sand_Modulus_Not_A_Number(i, true);
        } else {
            es = pmult * Reese_Sand_Curve(s, yc) / (std::fabs(yc) * ymult);
            if (std::isnan(es)) Sand_Modulus_Not_A_Number(i, false);
        }
        PY_Store_Modulus(i, es);
        Sum_Layer_Resistance(k, i, s.pu, r_previous);
        if (g.pd.XGround < -9.999999747378752E-06 && k == 1)
            g.soil.rd_LayerResistance(1) = s.pu * 0.5 * (g.pd.XLayerBottom(1) - g.pd.XLayerTop(1));
    }
}

}  // namespace tarvex
