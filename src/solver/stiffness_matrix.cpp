// Pile-head stiffness matrix from trial solutions under head shears with the
// head held against rotation and head moments with the head held against
// deflection: the secant stiffness of the pile-soil system at each load level.
#include "solver/stiffness_matrix.h"

#include <cmath>
#include <string>

#include "engine/errors.h"
#include "engine/store.h"
#include "output/channel.h"
#include "output/fortran_edit.h"
#include "output/plot_file.h"
#include "output/report_lines.h"
#include "solver/case_report.h"
#include "solver/trial_solution.h"

namespace tarvex {

constexpr double kFirstLoadFraction = 0.10000000149011612;  // 0.1 in single precision
constexpr double kNegligibleBaseLoad = 1.0000000116860974E-7;
// A negligible base load of load case 1 is replaced by a small one of each unit system.
constexpr double kReplacementShearUS = 10.0;                  // lbs
constexpr double kReplacementMomentUS = 100.0;                // in-lbs
constexpr double kReplacementShearSI = 0.04448220133781433;   // kN, 10 lbs
constexpr double kReplacementMomentSI = 0.011298480443656445; // kN-m, 100 in-lbs
constexpr double kReplacementGeneric = 1.0;                   // one force or moment unit
constexpr int kZeroHeadMovementRuntimeError = 50;

namespace {

// Fraction g(j) of the base load applied in level j: 0.1, then log10(2) ... log10(10) = 1.
double Load_Fraction(int j) { return j == 1 ? kFirstLoadFraction : std::log10(double(j)); }

double Base_Load(double value, double us, double si) {
    if (std::fabs(value) >= kNegligibleBaseLoad) return value;
    switch (g.pd.IUNITS) {
        case kUnitsUS: return us;
        case kUnitsSI: return si;
        default: return kReplacementGeneric;
    }
}

void Put_Trial_Values(Channel& ch, std::string_view top_label) {
    Put(ch, top_label);
    Put(ch, Edit_E(g.nodes.y(1), 12, 4));
    Put(ch, ", dYmax = ");
    Put(ch, Edit_E(g.sol.rd_dYmax, 12, 4));
    End(ch);
}

// The iteration of a trial in the runtime message file, and in the report for the last five.
void Trial_Iteration_Line(int m) {
    Channel& msg = g_Out.msg;
    if (msg.open) End(msg);
    Put(msg, Fixed("Analysis Case " + Int_Text(g.drv.i_CurrentLoadCase) + ",", 19) +
                 Fixed("Iteration " + Int_Text(m) + ",", 16));
    Put_Trial_Values(msg, "Y(top) = ");
    if (m <= g.pd.i_MaxIterations - 5) return;
    Channel& rep = g_Out.report;
    if (rep.open) End(rep);
    Put(rep, Fixed("Iteration " + Int_Text(m) + ",", 15));
    Put_Trial_Values(rep, " Y(top) = ");
}

void Set_Trial_Loads(double Vb, double Mb, double Pb) {
    ProblemData& pd = g.pd;
    for (int j = 1; j <= kStiffnessLevels; ++j) {
        const int r = kStiffnessLevels + j;
        pd.i_LoadType(j) = 2;  // shear, head held against rotation
        pd.rd_LoadCond1(j) = Vb * Load_Fraction(j);
        pd.rd_LoadCond2(j) = 0.0;
        pd.rd_AxialThrust(j) = Pb;
        pd.i_LoadType(r) = 4;  // moment, head held against deflection
        pd.rd_LoadCond1(r) = 0.0;
        pd.rd_LoadCond2(r) = Mb * Load_Fraction(j);
        pd.rd_AxialThrust(r) = Pb;
    }
}

// Runtime error 50: a trial whose head did not move gives no stiffness.
[[noreturn]] void Zero_Head_Movement(int trial) {
    Write_Error_Block(Runtime_Error_Heading(kZeroHeadMovementRuntimeError),
                      {"Problem:  The pile-head stiffness matrix cannot be computed.",
                       "          The pile head did not move in stiffness trial " + Int_Text(trial) + ".", "",
                       "Solution: Check the pile-head loads of load case 1 and the pile and soil properties.", ""},
                      true);
    Raise_Error(200 + kZeroHeadMovementRuntimeError);
}

void Compute_Terms() {
    const ProblemData& pd = g.pd;
    const CaseResults& r = g.rep;
    StiffnessTerms& k = g.kmat;
    for (int j = 1; j <= kStiffnessLevels; ++j) {
        const int m = kStiffnessLevels + j;
        if (r.rd_CaseTopY(j) == 0.0) Zero_Head_Movement(j);
        if (r.rd_CaseTopSlope(m) == 0.0) Zero_Head_Movement(m);
        k.rd_K22(j) = pd.rd_LoadCond1(j) / r.rd_CaseTopY(j);
        k.rd_K32(j) = -r.rd_CaseTopMoment(j) / r.rd_CaseTopY(j);
        k.rd_K23(j) = r.rd_CaseTopShear(m) / r.rd_CaseTopSlope(m);
        k.rd_K33(j) = -pd.rd_LoadCond2(m) / r.rd_CaseTopSlope(m);
    }
}

void Plot_Stiffness_Terms() {
    const ProblemData& pd = g.pd;
    const CaseResults& r = g.rep;
    const StiffnessTerms& k = g.kmat;
    for (int j = 1; j <= kStiffnessLevels; ++j) {
        const int m = kStiffnessLevels + j;
        std::string line;
        for (double x : {pd.rd_LoadCond1(j), pd.rd_LoadCond2(m), k.rd_K22(j), k.rd_K23(j), k.rd_K32(j), k.rd_K33(j),
                         std::fabs(r.rd_CaseTopY(j)), std::fabs(r.rd_CaseTopSlope(m))})
            line += Plot_Real(x);
        Put_Line(g_Out.plot, line + "  Line 14: V, M, K22, K23, K32, K33, ytop, theta");
    }
}

void Write_Term_Row(double first, int case_j, double ka, double kb) {
    const CaseResults& r = g.rep;
    Write_Real_Field(first, 14);
    for (double x : {std::fabs(r.rd_CaseTopShear(case_j)), std::fabs(r.rd_CaseTopMoment(case_j)), std::fabs(ka),
                     std::fabs(kb)})
        Write_Real_Field(x, 16);
    End_Line();
}

constexpr const char* kTableRule = "  ------------  --------------  --------------  --------------  --------------";

void Write_Deflection_Table() {
    const bool us = g.pd.IUNITS == kUnitsUS;
    Report_Line("    Pile-Top       Pile-Top        Pile-Top                                   ");
    Report_Line("   Deflection   Shear Reaction   Moment React.       K22              K32     ");
    Report_Line(us ? "     inches          lbs            in-lbs          lb/in.         in-lb/in.  "
                   : "     meters           kN             kN-m            kN/m            kN-m/m   ");
    Report_Line(kTableRule);
    for (int j = 1; j <= kStiffnessLevels; ++j) Write_Term_Row(g.rep.rd_CaseTopY(j), j, g.kmat.rd_K22(j), g.kmat.rd_K32(j));
    Report_Blank_Lines(1);
}

void Write_Rotation_Table() {
    if (g.pd.IUNITS == kUnitsUS) {
        Report_Line("    Pile-Top       Pile-Top        Pile-Top                                  ");
        Report_Line("    Rotation     Shear React.    Moment React.       K23              K33    ");
        Report_Line("     radians          lbs            in-lbs         lb/rad         in-lb/rad ");
    } else {
        Report_Line("    Pile-Top       Pile-Top        Pile-Top                                   ");
        Report_Line("    Rotation     Shear React.    Moment React.       K23              K33     ");
        Report_Line("     radians          kN             kN-m           kN/rad          kN-m/rad  ");
    }
    Report_Line(kTableRule);
    for (int j = 1; j <= kStiffnessLevels; ++j) {
        const int m = kStiffnessLevels + j;
        Write_Term_Row(std::fabs(g.rep.rd_CaseTopSlope(m)), m, g.kmat.rd_K23(j), g.kmat.rd_K33(j));
    }
}

}  // namespace

void Compute_Stiffness_Matrix() {
    ProblemData& pd = g.pd;
    if (!on(pd.b_ComputeKmatrix)) return;
    pd.b_PrintSummaryOnly = kTrue;
    const double Vb = Base_Load(pd.rd_LoadCond1(1), kReplacementShearUS, kReplacementShearSI);
    const double Mb = Base_Load(pd.rd_LoadCond2(1), kReplacementMomentUS, kReplacementMomentSI);
    Set_Trial_Loads(Vb, Mb, pd.rd_AxialThrust(1));

    const int num_loads = pd.i_NumLoads;
    pd.i_NumLoads = kStiffnessTrials;
    for (int j = 1; j <= kStiffnessTrials; ++j) {
        g.drv.i_CurrentLoadCase = j;
        // The trials keep no per-section maxima: those of the load cases are reported already.
        g.sol.i_LoadCase = 0;
        Set_Up_Trial_Nodes(pd.rd_PileLength, false);
        Set_Case_Head_Conditions(j);
        if (Solve_Trial(Trial_Iteration_Line) != TrialOutcome::kConverged) break;
        g.rep.b_StiffnessTrial = kTrue;
        Write_Case_Report(j, g.sol.i_Iteration);
    }
    pd.i_NumLoads = num_loads;
}

void Write_Stiffness_Matrix() {
    Report_Blank_Lines(2);
    Report_Line(Rule('-'));
    Report_Line(std::string(18, ' ') + "Computed Pile-head Stiffness Matrix Values");
    Report_Line(std::string(20, ' ') + "K22, K23, K32, K33 for Pile  Head");
    Report_Line(Rule('-'));
    Report_Blank_Lines(1);
    Compute_Terms();
    Plot_Stiffness_Terms();
    Write_Deflection_Table();
    Write_Rotation_Table();
    Report_Blank_Lines(1);
    Report_Line("  K22 = abs(Shear Reaction/Top y)");
    Report_Line("  K23 = abs(Shear Reaction/Top Rotation)");
    Report_Line("  K32 = abs(Moment Reaction/Top y)");
    Report_Line("  K33 = abs(Moment Reaction/Top Rotation)");
    Report_Blank_Lines(2);
}

}  // namespace tarvex
