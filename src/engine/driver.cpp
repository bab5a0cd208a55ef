// Analysis driver: the stages of a run after the input file has been read, in
// their order, with the stage lines of the runtime message file.
#include "engine/driver.h"

#include <string>

#include "engine/entry.h"
#include "engine/store.h"
#include "input/input_checks.h"
#include "output/plot_file.h"
#include "output/report_lines.h"
#include "section/section_driver.h"
#include "soil/py_at_depths.h"
#include "solver/case_report.h"
#include "solver/length_study.h"
#include "solver/lrfd_combinations.h"
#include "solver/pile_nodes.h"
#include "solver/response_summary.h"
#include "solver/solver.h"
#include "solver/stiffness_matrix.h"
#include "solver/trial_solution.h"

namespace tarvex {
namespace {


// Every stage that can fail is followed by this test: a set error state ends
// the analysis and leaves the end of the run to the entry point.
void Stop_If_Failed() {
    if (g.err.i_ErrorState >= 1) throw EngineStop{};
}

void Message(std::string_view text) { Put_Line(g_Out.msg, text); }

void Write_Section_Stage_Heading() {
    const ProblemData& pd = g.pd;
    Report_Blank_Lines(2);
    Write_Block_Heading(4, "Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness");
    Report_Blank_Lines(1);
    if (on(pd.b_ComputeInteraction))
        Report_Line("Axial thrust force values were determined from input values");
    else if (on(pd.b_UseLRFD))
        Report_Line("Axial thrust force values were determined from LRFD load combinations");
    else
        Report_Line("Axial thrust force values were determined from pile-head loading conditions");
    Report_Blank_Lines(1);
    Report_Line("Number of Pile Sections Analyzed = " + Int_Text(pd.i_NumSections));
    Report_Blank_Lines(1);
}

// The bending stiffness tables of every section. The pile-response mode
// announces the stage once; the moment-capacity mode announces every section.
void Run_Section_Stage(bool announce_every_section) {
    for (int s = 1; s <= g.pd.i_NumSections; ++s) {
        g.drv.i_CurrentSection = s;
        if (announce_every_section || s == 1) Message("Computing nonlinear bending stiffness of section " + Int_Text(s));
        if (s == 1) Write_Section_Stage_Heading();
        Report_Line("Pile Section No. " + Int_Text(s) + ":");
        Report_Blank_Lines(1);
        Analyze_Pile_Section();
        Stop_If_Failed();
        Message("Completed computing nonlinear bending stiffness of section " + Int_Text(s));
        Message("");
    }
}

// Head conditions of pile-head load case j, or of LRFD combination j: shear
// and moment of its factored loads.
void Set_Head_Conditions(int j) {
    SolutionState& s = g.sol;
    if (on(g.pd.b_UseLRFD)) {
        s.i_HeadConditionType = 1;
        s.rd_HeadShear = Factored_Shear(j);
        s.rd_HeadMoment = Factored_Moment(j);
        s.rd_AxialLoad = Factored_Axial(j);
        return;
    }
    Set_Case_Head_Conditions(j);
}

void Clear_Case_Start() {
    PileNode& nd = g.nodes;
    for (double& y : nd.y.v) y = 0.0;
    g.sol.rd_TipShear = 0.0;
}

// The per-section maxima of case j come from its converged solution alone:
// the stiffness updates of the iterations have recorded moments and shears of
// intermediate deflections, and the LRFD table rates both.
void Clear_Section_Maxima(int j) {
    SolutionState& sol = g.sol;
    for (int s = 1; s <= kMaxSections; ++s) {
        sol.rd_SectionMaxMoment(j, s) = sol.rd_SectionMaxShear(j, s) = 0.0;
        sol.i_SectionMaxMomentNode(j, s) = sol.i_SectionMaxShearNode(j, s) = 0;
    }
}

void Solve_Analysis_Case(int j) {
    ProblemData& pd = g.pd;
    const bool lrfd = on(pd.b_UseLRFD);
    g.drv.i_CurrentLoadCase = j;
    g.sol.i_LoadCase = j;

    // A pile-length study of the case before shortened the pile.
    pd.rd_PileLength = g.drv.rd_InputPileLength;
    Place_Nodes(lrfd);
    Stop_If_Failed();
    Message("Computing lateral response of pile for load number " + Int_Text(j));
    // The warning tallies are not cleared here: the end-of-run summary lists
    // every warning of the run, those of the input and section stages included.
    Clear_Case_Start();
    if (lrfd) Apply_Factored_Loads(j);
    Set_Starting_Soil_Moduli();
    Set_Head_Conditions(j);

    Solve_Load_Case(j);
    Stop_If_Failed();

    if (j == 1) {
        pd.i_PrintPYCurves = g.drv.i_SavedPrintPYCurves;
        if (pd.i_PrintPYCurves == 0) {
            Plot_PY_Curve_Count(0);
        } else {
            PY_At_Depths();
            Stop_If_Failed();
            pd.i_PrintPYCurves = 0;
        }
    }

    Clear_Section_Maxima(j);
    g.rep.b_StiffnessTrial = kFalse;
    Write_Case_Report(j, g.sol.i_Iteration);
    // A failure that the solver deferred until its case was reported ends the run here.
    Raise_Deferred_Error();
    Stop_If_Failed();

    if (!lrfd && on(pd.b_ComputeYvsL(j))) {
        Message("Computing top deflection vs. pile embedment length for load case " + Int_Text(j) + ".");
        Compute_Deflection_Vs_Length(j);
        Stop_If_Failed();
    } else {
        Plot_Length_Study_Count(0, j, lrfd);
    }
    Message("Completed Analysis " + Int_Text(j));
    Message("");
    Flush_Channel(g_Out.msg);  // a host watching the runtime messages sees each case end
}

// The stiffness trials overwrite the head values of load case 1; they are restored afterwards.
void Run_Stiffness_Matrix() {
    ProblemData& pd = g.pd;
    const double shear = pd.rd_LoadCond1(1), moment = pd.rd_LoadCond2(1), axial = pd.rd_AxialThrust(1);
    const int type = pd.i_LoadType(1);
    // The trials analyse the input pile, whatever length a pile-length study left behind.
    pd.rd_PileLength = g.drv.rd_InputPileLength;
    Message("Computing pile-head stiffness matrix components.");
    Message("");
    Compute_Stiffness_Matrix();
    Stop_If_Failed();
    pd.rd_LoadCond1(1) = shear;
    pd.rd_LoadCond2(1) = moment;
    pd.rd_AxialThrust(1) = axial;
    pd.i_LoadType(1) = type;
}

void Run_Pile_Response() {
    ProblemData& pd = g.pd;
    Make_Layer_Tops_Contiguous();
    Plot_Section_Count(pd.i_NumSections);
    if (g.run.FormatTag == "TARVEX6") Convert_Input_Units();
    // Positions only: the factored distributed loads are set up with each combination.
    Place_Nodes(false);
    Stop_If_Failed();
    if (Uses_Section_Tables(pd.ICOM)) Run_Section_Stage(false);

    g.drv.rd_InputPileLength = pd.rd_PileLength;
    g.drv.i_SavedPrintPYCurves = pd.i_PrintPYCurves;
    pd.i_PrintPYCurves = 0;

    if (on(pd.b_UseLRFD)) pd.i_NumLoads = pd.i_NumLRFDCombos;
    g.drv.i_NumAnalysisCases = pd.i_NumLoads;
    for (int j = 1; j <= g.drv.i_NumAnalysisCases; ++j) Solve_Analysis_Case(j);

    Write_Response_Summary();
    Stop_If_Failed();
    if (on(pd.b_ComputeKmatrix)) Run_Stiffness_Matrix();
}

}  // namespace

void Run_Analysis() {
    ProblemData& pd = g.pd;
    if (pd.IUNITS == kUnitsUS) g.drv.b_InputUnitsConverted = kFalse;
    if (pd.IUNITS == kUnitsSI) g.drv.b_InputUnitsConverted = kTrue;
    Set_Unit_Labels(pd.IUNITS);

    Rewind_Channel(g_Out.report);
    Write_Banner();
    Write_Files_Block();
    Write_Date_And_Time();
    Plot_Run_Options(pd.ICOM, pd.IUNITS, pd.KYL, on(pd.b_ComputeKmatrix));

    Echo_And_Check_Input();
    Stop_If_Failed();
    Convert_Input_Units();

    if (pd.ICOM == kMomentCapacityOnly) {
        Plot_Section_Count(pd.i_NumSections);
        Run_Section_Stage(true);
        return;
    }
    Run_Pile_Response();
}

}  // namespace tarvex
