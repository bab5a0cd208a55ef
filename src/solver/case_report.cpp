// Pile response report of a load case: walks the nodes from the head to the tip
// once more, writes the table of computed values, the nodal plot records and
// the output summary, checks the equilibrium of the solution segment by
// segment, and keeps the head values and maxima of the case.
#include "solver/case_report.h"

#include <cmath>
#include <string>

#include "engine/store.h"
#include "output/channel.h"
#include "output/fortran_edit.h"
#include "output/plot_file.h"
#include "output/report_lines.h"
#include "solver/solver.h"
#include "solver/stiffness_matrix.h"

namespace tarvex {
namespace {

constexpr double kPrintZero = 1.0E-20;           // smaller magnitudes print as 0
constexpr double kImbalanceLimitUS = 1.0;        // in-lbs
constexpr double kImbalanceLimitSI = 0.00011298; // kN-m, the same moment
constexpr double kFixedHeadSlope = 1.0E-10;      // a smaller specified slope means a fixed head
constexpr int kHeadLabelWidth = 55;              // "= " stands in columns 56 and 57
constexpr int kHeadValueWidth = 15;

double Printed(double x) { return std::fabs(x) < kPrintZero ? 0.0 : x; }
bool US() { return g.pd.IUNITS == kUnitsUS; }
bool SI() { return g.pd.IUNITS == kUnitsSI; }

// The pile-head conditions block of each load type: its title, whether an
// empty line follows the title, and its three value lines.
enum class Form { F3, F6, E3 };
struct HeadValue {
    const char* label;
    Form form;
    const char *us, *si;
};
struct HeadBlock {
    const char* title;
    bool blank_after_title;
    HeadValue line[3];
};
constexpr HeadBlock kHeadBlocks[5] = {
    {"Pile-head conditions are Shear and Moment (Loading Type 1)", true,
     {{"Shear force at pile head", Form::F3, "lbs", "kN"},
      {"Applied moment at pile head        ", Form::F3, "in-lbs", "kN-m"},
      {"Axial thrust load on pile head     ", Form::F3, "lbs", "kN"}}},
    {"Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)", true,
     {{"Shear force at pile head", Form::F3, "lbs", "kN"},
      {"Rotation of pile head   ", Form::E3, "radians", "radians"},
      {"Axial load at pile head ", Form::F3, "lbs", "kN"}}},
    {"Pile-head conditions are Shear and Rotational Stiffness (Loading Type 3)", false,
     {{"Shear force at pile head", Form::F3, "lb", "kN"},
      {"Rotational stiffness    ", Form::F3, "in-lb/rad", "kN-m/rad"},
      {"Axial load at pile head ", Form::F3, "lbs", "kN"}}},
    {"Pile-head conditions are Displacement and Moment (Loading Type 4)", false,
     {{"Displacement of pile head", Form::F6, "inches", "meters"},
      {"Moment at pile head      ", Form::F3, "in-lbs", "kN-m"},
      {"Axial load at pile head  ", Form::F3, "lbs", "kN"}}},
    {"Pile-head conditions are Displacement and Pile-head Rotation (Loading Type 5)", false,
     {{"Displacement of pile head", Form::F6, "inches", "meters"},
      {"Rotation of pile head    ", Form::E3, "radians", "radians"},
      {"Axial load on pile head  ", Form::F3, "lbs", "kN"}}},
};

void Head_Value_Line(const HeadValue& v, double x) {
    std::string value = v.form == Form::F3   ? Edit_F(x, kHeadValueWidth, 3)
                        : v.form == Form::F6 ? Edit_F(x, kHeadValueWidth, 6)
                                             : Edit_E(x, kHeadValueWidth, 3);
    Report_Line(Fixed(v.label, kHeadLabelWidth) + "= " + value + " " + (US() ? v.us : v.si));
}

void Write_Head_Conditions(int j) {
    const ProblemData& pd = g.pd;
    const int type = pd.i_LoadType(j);
    if ((!US() && !SI()) || type < 1 || type > 5) return;
    const HeadBlock& block = kHeadBlocks[type - 1];
    Report_Line(block.title);
    if (block.blank_after_title) Report_Blank_Lines(1);
    const double values[3] = {pd.rd_LoadCond1(j), pd.rd_LoadCond2(j), pd.rd_AxialThrust(j)};
    for (int k = 0; k < 3; ++k) Head_Value_Line(block.line[k], values[k]);
    Report_Blank_Lines(1);
    if (type == 2) {
        Report_Line(std::fabs(values[1]) < kFixedHeadSlope
                        ? "(Zero slope for this load indicates fixed-head conditions)"
                        : "(Non-zero slope for this load does indicates rotated pile-head condition)");
        Report_Blank_Lines(1);
    }
}

void Write_Case_Heading(int j) {
    Report_Blank_Lines(2);
    Report_Line(Rule('-'));
    Report_Line(std::string(17, ' ') + "Computed Values of Pile Loading and Deflection");
    if (on(g.pd.b_UseLRFD))
        Report_Line(std::string(17, ' ') + "for Lateral Loading for LRFD Load Case Number " + Int_Text(j));
    else
        Report_Line(std::string(19, ' ') + "for Lateral Loading for Load Case Number " + Int_Text(j));
    Report_Line(Rule('-'));
    Report_Blank_Lines(1);
    if (on(g.pd.b_UseLRFD)) {
        Report_Blank_Lines(1);
        Report_Line("Load Case No. " + Int_Text(j) + ":  " + std::string(g.pd.ComboName(j).view()));
        Report_Blank_Lines(2);
    }
}

void Write_Table_Heading() {
    if (!US() && !SI()) return;
    Report_Line("   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   Soil Res.  Soil Spr.   Distrib. ");
    Report_Line("     X         y        Moment     Force         S       Stress   Stiffness      p         Es*h    Lat. Load ");
    Report_Line(US() ? "   inches    inches     in-lbs      lbs       radians     psi*      lb-in^2    lb/in      lb/inch    lb/inch "
                     : "   meters    meters      kN-m       kN        radians     kPa*      kN-m^2     kN/m        kN/m      kN/m    ");
    std::string rule;
    for (int k = 0; k < 10; ++k) rule += (k ? " " : "") + std::string(10, '-');
    Report_Line(rule);
}

void Write_Table_Row(int i, double y, double m, double v, double s, double stress, double p) {
    const PileNode& nd = g.nodes;
    const int n = nd.i_NumNodes;
    double spring = nd.Es(i) * nd.rd_IncrementLength;
    if (i == 1 || i == n) spring *= 0.5;
    Write_Real_Field(nd.xa(i), 10);
    for (double x : {y, m, v, s, stress, nd.EI(i), p, spring, nd.q(i)}) Write_Real_Field(x, 11);
    End_Line();
}

void Write_Stress_Footnote() {
    const ProblemData& pd = g.pd;
    bool all_elastic = true;
    for (int s = 1; s <= pd.i_NumSections; ++s)
        if (pd.Section(s).i_SectionType != kElasticPile) all_elastic = false;
    Report_Blank_Lines(1);
    if (all_elastic) {
        Report_Line("* The above values of total stress are combined axial and bending stress. ");
    } else {
        Report_Line("* This analysis makes computations of pile response using nonlinear moment-curvature relationships. ");
        Report_Line("  The above values of total stress are computed for combined axial and bending stress in elastic ");
        Report_Line("  sections and do not equal actual stresses in concrete and steel in the range of nonlinear bending. ");
    }
    Report_Blank_Lines(1);
}

// Sign changes of the deflection from node to node, the value below the tip included.
int Count_Zero_Deflection_Points() {
    const PileNode& nd = g.nodes;
    int count = 0;
    for (int i = 1; i <= nd.i_NumNodes; ++i) {
        const double a = nd.y(i), b = nd.y(i + 1);
        if ((a > 0 && b < 0) || (a < 0 && b > 0)) ++count;
    }
    return count;
}

void Summary_Real_Line(std::string_view label, double x, std::string_view us, std::string_view si) {
    Report_Text(label);
    Write_Real_Field(x, 14);
    Report_Text(US() ? us : si);
    End_Line();
}

void Summary_Int_Line(std::string_view label, int k) {
    Report_Text(label);
    Write_Int_Field(k, 14);
    End_Line();
}

void Write_Output_Summary(int j, int iterations, int zero_points) {
    if (!US() && !SI()) return;
    const SolutionState& s = g.sol;
    Report_Blank_Lines(1);
    Report_Line("Output Summary for Load Case No. " + Int_Text(j) + ":");
    Report_Blank_Lines(1);
    Summary_Real_Line("Pile-head deflection             = ", g.nodes.y(1), " inches", " meters");
    Summary_Real_Line("Computed slope at pile head      = ", g.rep.rd_CaseTopSlope(j), " radians", " radians");
    Summary_Real_Line("Maximum bending moment           = ", s.rd_MaxMoment, " inch-lbs", " kN-m");
    Summary_Real_Line("Maximum shear force              = ", s.rd_MaxShear, " lbs", " kN");
    Summary_Real_Line("Depth of maximum bending moment  = ", s.rd_MaxMomentX, " inches below pile head",
                      " meters below pile head");
    Summary_Real_Line("Depth of maximum shear force     = ", s.rd_MaxShearX, " inches below pile head",
                      " meters below pile head");
    Summary_Int_Line("Number of iterations             = ", iterations);
    Summary_Int_Line("Number of zero deflection points = ", zero_points);
    Report_Blank_Lines(1);
}

std::string Moment_Unit() {
    return std::string(g.units.LengthLabel.trimmed()) + "-" + std::string(g.units.ForceLabel.trimmed());
}

void Write_Imbalance_Warning() {
    const CaseResults& r = g.rep;
    const bool us = US();
    const std::string force_unit(g.units.ForceLabel.trimmed());
    auto body = [&](Channel& ch, std::string_view heading) {
        if (ch.open) End(ch);
        Blank_Lines(ch, 2);
        Put_Line(ch, heading);
        Blank_Lines(ch, 1);
        Put_Line(ch, "Force and moment imbalances may be too large for a good solution.");
        Blank_Lines(ch, 1);
        Put_Line(ch, "The cause of the imbalance may be due to extreme changes in magnitude");
        Put_Line(ch, "of nonlinear bending stiffness within three nodal points of the top of the pile");
        Put_Line(ch, "which may affect the finite difference computation of shear force.");
        Blank_Lines(ch, 1);
        Put_Line(ch, "Please examine curves and printed output for deflection, moment, shear force,");
        Put_Line(ch, "and number of iterations to determine if computed values are reasonable.");
        Put_Line(ch, "If the shear force shows large changes, increase the number of nodal points");
        Put_Line(ch, "(pile increments) and repeat the analysis.");
        Blank_Lines(ch, 1);
    };
    body(g_Out.report, us ? "**** Warning - POSSIBLE SOLUTION ERROR 5501 ****" : "**** Warning - Possible Solution Error 5501 ****");
    Report_Line("Maximum internal moment imbalance for pile        = " + Real_Field(r.rd_MaxMomentImbalance, 12) + " " +
                Moment_Unit());
    Report_Line("Maximum internal lateral force imbalance for pile = " + Real_Field(r.rd_MaxForceImbalance, 12) + " " +
                force_unit);
    body(g_Out.msg, us ? "**** Warning - POSSIBLE SOLUTION ERROR 550 ****" : "**** Warning - Possible Solution Error 550 ****");
    Put_Line(g_Out.msg, "Maximum internal moment imbalance for pile solution         = " +
                            Edit_E(r.rd_MaxMomentImbalance, 12, 5) + " " + Moment_Unit() + " at node " +
                            Int_Text(r.i_MaxMomentImbalanceNode));
    Put_Line(g_Out.msg, "Maximum internal lateral force imbalance for pile  solution = " +
                            Edit_E(r.rd_MaxForceImbalance, 12, 5) + " " + force_unit + " at node " +
                            Int_Text(r.i_MaxForceImbalanceNode));
}

// Net lateral load per unit length at node m: distributed load less soil reaction.
double Net_Load(int m) { return g.nodes.q(m) - g.nodes.Es(m) * g.nodes.y(m); }

}  // namespace

void Check_Equilibrium(int i) {
    const PileNode& nd = g.nodes;
    const SolutionState& sol = g.sol;
    CaseResults& r = g.rep;
    const int n = nd.i_NumNodes;
    const double h = nd.rd_IncrementLength;
    const double P = sol.rd_AxialLoad;
    if (i == 3) {
        r.rd_CarriedSb = (nd.y(2) - nd.y(0)) / (2 * h);
        r.rd_CarriedVb = nd.EI(1) * (nd.y(3) - 2 * nd.y(2) + 2 * nd.y(0) - nd.y(-1)) / (2 * h * h * h);
        r.rd_CarriedMb = sol.rd_ReportedHeadMoment;  // specified, or computed where the head leaves it free
    }
    double S, V, M;
    if (i <= n) {
        S = (nd.y(i) - nd.y(i - 2)) / (2 * h);
        V = (sol.rd_Moment - r.rd_CarriedMb) / (2 * h);
        M = r.rd_CarriedMa;
    } else {
        S = (nd.y(n) - nd.y(n - 1)) / h;
        V = -P * S;
        M = 0.0;
    }
    const double Vb = r.rd_CarriedVb, Sb = r.rd_CarriedSb, Mb = r.rd_CarriedMb;
    double F = (Vb + P * Sb) - (V + P * S) + h / 2 * (Net_Load(i - 2) + Net_Load(i - 1));
    if (i == n + 1) F -= sol.rd_TipShear;
    const double G = (Vb + P * Sb + h / 2 * Net_Load(i - 2)) * h + P * (nd.y(i - 2) - nd.y(i - 1)) + (Mb - M);
    if (std::fabs(G) > std::fabs(r.rd_MaxMomentImbalance)) {
        r.rd_MaxMomentImbalance = G;
        r.i_MaxMomentImbalanceNode = i;
    }
    if (std::fabs(F) > std::fabs(r.rd_MaxForceImbalance)) {
        r.rd_MaxForceImbalance = F;
        r.i_MaxForceImbalanceNode = i;
    }
    r.rd_CarriedMb = M;
    if (i <= n) r.rd_CarriedMa = sol.rd_Moment;
    r.rd_CarriedVb = V;
    r.rd_CarriedSb = S;

    if (i != n + 1 || !(US() || SI())) return;
    const double limit = US() ? kImbalanceLimitUS : kImbalanceLimitSI;
    if (std::fabs(r.rd_MaxMomentImbalance) <= limit) {
        if (!on(g.pd.b_PrintSummaryOnly) && !on(g.pd.b_ComputeKmatrix)) {
            Report_Blank_Lines(1);
            Report_Line("Output Verification: Computed forces and moments are within specified convergence limits.");
            Report_Blank_Lines(1);
        }
    } else {
        Write_Imbalance_Warning();
    }
}

void Write_Case_Report(int j, int iterations) {
    const ProblemData& pd = g.pd;
    PileNode& nd = g.nodes;
    SolutionState& sol = g.sol;
    CaseResults& r = g.rep;
    const bool trial = on(r.b_StiffnessTrial);
    const bool summary_only = on(pd.b_PrintSummaryOnly);
    const bool table = !summary_only && pd.ICOM >= 3;
    const int n = nd.i_NumNodes;

    if (!trial) {
        if (!summary_only) Write_Case_Heading(j);
        if (j == 1) Plot_Response_Counts(pd.i_NumLoads, n, pd.IUNITS);
        if (!summary_only) Write_Head_Conditions(j);
    }
    sol.rd_MaxMoment = sol.rd_MaxMomentX = 0.0;
    sol.rd_MaxShear = sol.rd_MaxShearX = 0.0;
    sol.rd_MaxStress = 0.0;
    r.rd_MaxMomentImbalance = r.rd_MaxForceImbalance = 0.0;
    r.i_MaxMomentImbalanceNode = r.i_MaxForceImbalanceNode = 0;
    if (table) Write_Table_Heading();

    long long next_printed = 1;  // wide: a printing increment may be as large as any integer
    for (int i = 1; i <= n; ++i) {
        Nodal_Response(i);
        // The head shows the head values of the solution: the specified ones kept.
        if (i == 1) {
            sol.rd_Moment = sol.rd_ReportedHeadMoment;
            sol.rd_Shear = sol.rd_ReportedHeadShear;
        }
        if (i <= 2)
            r.rd_CarriedMa = sol.rd_Moment;
        else
            Check_Equilibrium(i);
        const double y = Printed(nd.y(i)), m = Printed(sol.rd_Moment), v = Printed(sol.rd_Shear),
                     p = Printed(sol.rd_SoilReaction);
        if (i == 1) {
            r.rd_CaseTopShear(j) = sol.rd_Shear;
            r.rd_CaseTopMoment(j) = sol.rd_Moment;
            r.rd_CaseTopY(j) = nd.y(1);
            r.rd_CaseTopSlope(j) = sol.rd_ComputedHeadSlope;
        }
        if (!trial) Plot_Nodal_Response(i, nd.xa(i), y, m, v, p, nd.EI(i));
        if (i == next_printed) {
            if (table) Write_Table_Row(i, y, m, v, sol.rd_Slope, sol.rd_Stress, p);
            next_printed += pd.i_PrintIncrement;
        }
    }
    if (!summary_only && pd.ICOM == 3) Write_Stress_Footnote();
    Check_Equilibrium(n + 1);
    r.rd_CaseMaxMoment(j) = sol.rd_MaxMoment;
    r.rd_CaseMaxShear(j) = sol.rd_MaxShear;
    const int zero_points = Count_Zero_Deflection_Points();
    if (!summary_only) Write_Output_Summary(j, iterations, zero_points);
    if (trial && j == pd.i_NumLoads) Write_Stiffness_Matrix();
}

}  // namespace tarvex
