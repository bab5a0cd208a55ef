// Nonlinear iteration of one load case: linear finite-difference solutions
// with secant soil moduli (and secant bending stiffnesses) until the nodal
// deflections stop changing.
#include <cmath>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "solver/convergence_report.h"
#include "solver/solver.h"

namespace tarvex {

constexpr int kExcessDeflectionRuntimeError = 9;
constexpr int kNotANumberRuntimeError = 28;
constexpr int kFirstConvergenceIteration = 6;   // iterations 1 to 5 never converge
constexpr int kFirstDeflectionTestIteration = 11;
constexpr int kReportedIterations = 5;          // the last iterations also go to the report
constexpr double kKipsPerPound = 1.0E-3;

namespace {

// Pads or cuts the open line so that the next text starts at column col.
void Tab_To(Channel& ch, int col) {
    ch.line.resize(size_t(col - 1), ' ');
    ch.open = true;
}

// The values of one iteration, appended to the open line of ch.
void Put_Iteration_Values(Channel& ch, std::string_view top_label) {
    const SolutionState& s = g.sol;
    Put(ch, top_label);
    Put(ch, Edit_E(g.nodes.y(1), 12, 4));
    Put(ch, ", dYmax = ");
    Put(ch, Edit_E(s.rd_dYmax, 12, 4));
    Put(ch, ", Delta dYmax = ");
    Put(ch, Edit_E(s.rd_DeltaDYmax, 12, 4));
    End(ch);
}

// Iteration it of the load case being solved in the runtime message file, and in the report for the last five.
void Write_Iteration_Line(int it) {
    const int j = g.sol.i_LoadCase;
    Channel& msg = g_Out.msg;
    if (msg.open) End(msg);
    Put(msg, "Analysis Case ");
    Put(msg, Int_Text(j));
    Put(msg, ",");
    Tab_To(msg, 20);
    Put(msg, "Iteration ");
    Put(msg, Int_Text(it));
    Put(msg, ",");
    Tab_To(msg, 36);
    Put_Iteration_Values(msg, "Y(top) = ");
    if (it <= g.pd.i_MaxIterations - kReportedIterations) return;
    Channel& rep = g_Out.report;
    if (rep.open) End(rep);
    Put(rep, "For Analysis Case ");
    Put(rep, Int_Text(j));
    Put(rep, ", Iteration ");
    Put(rep, Int_Text(it));
    Put(rep, ",");
    Tab_To(rep, 37);
    Put_Iteration_Values(rep, " Y(top) = ");
}

// Runtime error 28: the solution produced a deflection that is not a number.
[[noreturn]] void Not_A_Number_Error(int it) {
    const std::string what = std::isnan(g.nodes.y(1)) ? "Top deflection is Not-A-Number after iteration "
                                                      : "Maximum change in deflection is Not-A-Number after iteration ";
    Write_Error_Block(Runtime_Error_Heading(kNotANumberRuntimeError), {what + Int_Text(it)}, false, 0);
    Raise_Error(200 + kNotANumberRuntimeError);
}

// Runtime error 9: the pile head deflects beyond the excessive-deflection limit.
[[noreturn]] void Excess_Deflection_Error() {
    const std::string label(g.units.LengthLabel.view());
    const std::string computed = "The computed deflection of the pile head is " + Edit_E(g.nodes.y(1), 12, 4) + " " + label;
    const std::string limit = "The specified excess deflection limit is    " + Edit_E(g.pd.rd_MaxDeflection, 12, 4) + " " + label;
    const auto write = [&](Channel& ch, bool report) {
        if (ch.open) End(ch);
        Blank_Lines(ch, 2);
        Put_Line(ch, Runtime_Error_Heading(kExcessDeflectionRuntimeError));
        Blank_Lines(ch, 1);
        Put_Line(ch, "An error in the analysis was detected by the program.  ");
        Blank_Lines(ch, 1);
        Put_Line(ch, "Problem:  The computed deflection is larger than the specified excess deflection limit.");
        Blank_Lines(ch, 1);
        Put_Line(ch, computed);
        if (report) Blank_Lines(ch, 1);
        Put_Line(ch, limit);
        Blank_Lines(ch, 1);
        Put_Line(ch, "This error may be due to overloading the pile or bad input data.");
        Blank_Lines(ch, report ? 2 : 1);
        Put_Line(ch, "Solution:");
        if (report) Blank_Lines(ch, 1);
        Put_Line(ch, "Please check input values for pile loading and soil properties for accuracy and/or ");
        Put_Line(ch, "increase the size of the pile if necessary.");
    };
    write(g_Out.report, true);
    write(g_Out.msg, false);
    Stop_Runtime_Error(kExcessDeflectionRuntimeError);
}

void Update_Stiffness() {
    SolutionState& s = g.sol;
    s.i_ThrustIndex = Find_Thrust_Index(s.rd_ThrustLoad);
    Update_Nodal_EI(s.i_ThrustIndex, s.rd_ThrustLoad);
}

}  // namespace

void Clear_Running_Maxima() {
    SolutionState& s = g.sol;
    s.rd_MaxMoment = s.rd_MaxMomentX = 0.0;
    s.rd_MaxShear = s.rd_MaxShearX = 0.0;
    s.rd_MaxStress = 0.0;
}

IterationEnd Iterate_Solutions(void (*iteration_line)(int it)) {
    const ProblemData& pd = g.pd;
    SolutionState& s = g.sol;
    Vuggy_Limestone_Prepass();
    const bool nonlinear_ei = Uses_Section_Tables(pd.ICOM);
    s.rd_ThrustLoad = pd.IUNITS == kUnitsUS ? s.rd_AxialLoad * kKipsPerPound : s.rd_AxialLoad;
    if (nonlinear_ei) Update_Stiffness();

    for (int it = 1; it <= pd.i_MaxIterations; ++it) {
        s.i_Iteration = it;
        Clear_Running_Maxima();
        Solve_FD_System(it);
        if (std::isnan(g.nodes.y(1)) || std::isnan(s.rd_dYmax)) return IterationEnd::kNotANumber;
        if (iteration_line) iteration_line(it);
        if (pd.rd_ConvergenceTol >= s.rd_dYmax && it >= kFirstConvergenceIteration) return IterationEnd::kConverged;
        if (s.rd_dYmax > pd.rd_ConvergenceTol && it >= kFirstDeflectionTestIteration &&
            std::fabs(g.nodes.y(1)) >= pd.rd_MaxDeflection)
            return IterationEnd::kExcessDeflection;
        Dispatch_PY_Layers();
        if (nonlinear_ei) Update_Stiffness();
    }
    return IterationEnd::kNotConverged;
}

void Solve_Load_Case(int j) {
    SolutionState& s = g.sol;
    s.i_LoadCase = j;
    s.b_Converged = kFalse;
    s.i_DeferredErrorState = 0;

    switch (Iterate_Solutions(Write_Iteration_Line)) {
        case IterationEnd::kNotANumber: Not_A_Number_Error(s.i_Iteration);
        case IterationEnd::kExcessDeflection: Excess_Deflection_Error();
        case IterationEnd::kConverged: s.b_Converged = kTrue; break;
        case IterationEnd::kNotConverged: break;
    }

    if (!on(s.b_Converged)) {
        Write_Convergence_Failure();
        const int state = 200 + kNoConvergenceRuntimeError;
        // Under a given head deflection and moment the case is still reported before the run ends.
        if (s.i_HeadConditionType == 4) {
            s.i_DeferredErrorState = state;
            return;
        }
        Stop_With_Error(Error_Code(state), state);
    }
    Put_Line(g_Out.msg, "The convergence criteria have been met");
}

void Raise_Deferred_Error() {
    const int state = g.sol.i_DeferredErrorState;
    if (state == 0) return;
    g.sol.i_DeferredErrorState = 0;
    Stop_With_Error(Error_Code(state), state);
}

}  // namespace tarvex
