// Pile-head deflection versus pile length: each shorter pile is solved with the
// full nonlinear iteration until one becomes too short, deflects excessively or
// does not converge.
#include "solver/length_study.h"

#include <cmath>
#include <string>

#include "engine/store.h"
#include "output/channel.h"
#include "output/fortran_edit.h"
#include "output/plot_file.h"
#include "output/report_lines.h"
#include "solver/solver.h"
#include "solver/trial_solution.h"

namespace tarvex {

constexpr int kStudyTrials = 20;
constexpr float kLengthStep = 0.05f;                  // each trial is 5 % of the input length shorter
constexpr double kShortestEmbedment = 0.05000000074505806;  // 0.05 in single precision
constexpr double kInchesPerFoot = 12.0;

namespace {

// Trial length k: (1 - (k - 1) 0.05) L0, the factor in single precision.
double Trial_Length(int k, double L0) {
    const float step = float(k - 1) * kLengthStep;
    const float factor = 1.0f - step;
    return double(factor) * L0;
}

void Keep_Point(int j) {
    LengthStudy& st = g.study;
    PileNode& nd = g.nodes;
    const int p = ++st.i_NumYvsLPoints(j);
    Clear_Running_Maxima();
    for (int i = 1; i <= nd.i_NumNodes; ++i) Nodal_Response(i);
    st.rd_YvsLLength(p) = nd.xa(nd.i_NumNodes);
    st.rd_YvsLTopY(p) = nd.y(1);
    st.rd_YvsLMaxMoment(p) = g.sol.rd_MaxMoment;
    st.rd_YvsLMaxShear(p) = g.sol.rd_MaxShear;
}

std::string Force_Unit() { return std::string(g.units.ForceLabel.trimmed()); }
std::string Moment_Unit() { return std::string(g.units.LengthLabel.trimmed()) + "-" + Force_Unit(); }

void Load_Line(std::string_view label, std::string value, std::string_view unit) {
    Report_Line(std::string(label) + value + (unit.empty() ? "" : " " + std::string(unit)));
}

// The load of case j: its boundary condition type and values.
void Write_Study_Load(int j) {
    const ProblemData& pd = g.pd;
    const double c1 = pd.rd_LoadCond1(j), c2 = pd.rd_LoadCond2(j);
    const int type = pd.i_LoadType(j);
    static constexpr const char* kTitles[5] = {
        "Boundary Condition Type 1, Shear and Moment", "Boundary Condition Type 2, Shear and Slope",
        "Boundary Condition Type 3, Shear and Rotational Restraint", "Boundary Condition Type 4, Deflection and Moment",
        "Boundary Condition Type 5, Deflection and Slope"};
    if (type < 1 || type > 5) return;
    Report_Line(kTitles[type - 1]);
    Report_Blank_Lines(1);
    if (type <= 3)
        Load_Line("Shear      = ", Edit_F(c1, 15, 0), Force_Unit());
    else
        Load_Line("Deflection = ", Edit_F(c1, 15, 5), std::string(g.units.LengthLabel.trimmed()));
    if (type == 1 || type == 4)
        Load_Line("Moment     = ", Edit_F(c2, 15, 0), Moment_Unit());
    else if (type == 3)
        Load_Line("Rot. Rest. = ", Edit_E(c2, 15, 7), Moment_Unit() + "/Radian");
    else
        Load_Line("Slope      = ", Edit_F(c2, 15, 5), "");
    Load_Line("Axial Load = ", Edit_F(pd.rd_AxialThrust(j), 15, 0), Force_Unit());
}

void Plot_Study_Count(int points, int j) {
    Put_Line(g_Out.plot, Plot_Int(points) + std::string(75, ' ') +
                             "Line 11: Num. points on Ytop vs. pile length curve for load case " + Int_Text(j));
}

void Write_Study_Table(int j) {
    const LengthStudy& st = g.study;
    const bool us = g.pd.IUNITS == kUnitsUS;
    const int points = st.i_NumYvsLPoints(j);
    Report_Blank_Lines(2);
    Report_Line("   Pile       Pile Head       Maximum      Maximum");
    Report_Line("  Length      Deflection      Moment        Shear ");
    Report_Line(us ? "   feet         inches        ln-lbs         lbs " : "  meters        meters         kN-m          kN  ");
    Report_Line("-----------  ------------  ------------  ------------");
    for (int p = 1; p <= points; ++p) {
        Write_Real_Field(us ? st.rd_YvsLLength(p) / kInchesPerFoot : st.rd_YvsLLength(p), 10);
        for (double x : {st.rd_YvsLTopY(p), st.rd_YvsLMaxMoment(p), st.rd_YvsLMaxShear(p)}) Write_Real_Field(x, 14);
        End_Line();
    }
    Plot_Study_Count(points, j);
    const std::string label = us ? "Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)"
                                 : "Line 12: pile length (m), Ytop (m), Mmax (kN-m), Vmax (kN)";
    for (int p = 1; p <= points; ++p)
        Put_Line(g_Out.plot, Plot_Real(st.rd_YvsLLength(p)) + Plot_Real(st.rd_YvsLTopY(p)) +
                                 Plot_Real(st.rd_YvsLMaxMoment(p)) + Plot_Real(st.rd_YvsLMaxShear(p)) +
                                 std::string(20, ' ') + label);
}

void Write_Study_Report(int j) {
    Report_Blank_Lines(2);
    Report_Line(Rule('-'));
    Report_Line(std::string(12, ' ') + "Pile-head Deflection vs. Pile Length for Load Case " + Int_Text(j));
    Report_Line(Rule('-'));
    Report_Blank_Lines(1);
    Write_Study_Load(j);
    if (g.study.i_NumYvsLPoints(j) == 0) {
        Report_Blank_Lines(2);
        Report_Line("No computations for top deflection vs. pile length were successful for this load case.");
        Report_Blank_Lines(1);
        Plot_Study_Count(0, j);
        return;
    }
    Write_Study_Table(j);
}

}  // namespace

void Compute_Deflection_Vs_Length(int j) {
    ProblemData& pd = g.pd;
    const double L0 = pd.rd_PileLength;
    pd.b_PrintSummaryOnly = kFalse;
    g.study.i_NumYvsLPoints(j) = 0;
    // The trials keep no per-section maxima: those of load case j are its own.
    g.sol.i_LoadCase = 0;
    for (int k = 1; k <= kStudyTrials; ++k) {
        const double L = Trial_Length(k, L0);
        if (L < kShortestEmbedment * L0 + pd.XGround) continue;
        Set_Up_Trial_Nodes(L, true);
        Set_Case_Head_Conditions(j);
        if (Solve_Trial(nullptr) != TrialOutcome::kConverged) break;
        if (std::fabs(g.nodes.y(1)) <= pd.rd_MaxDeflection && std::fabs(g.sol.rd_dYmax) < pd.rd_ConvergenceTol)
            Keep_Point(j);
    }
    Write_Study_Report(j);
}

}  // namespace tarvex
