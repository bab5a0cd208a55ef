// "OPTIONS" of the keyword input file: the option lines in their fixed order,
// with the range checks of the solution controls.
#include <string>

#include "engine/store.h"
#include "input/input_errors.h"
#include "input/keyword_sections.h"
#include "input/value_reader.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

constexpr double kMaxTolUS = double(0.1f);  // in; compared as the single-precision 0.1
constexpr double kMinTolUS = 1e-20;         // in
constexpr double kMaxTolSI = 0.00254;       // m
constexpr double kMinTolSI = 2.54e-22;      // m
constexpr int kInteractionCodeLength = 11;  // characters kept of the design code token

// A "<name> YES" or "<name> NO" line; anything else is input error 95 with the given text.
bool Read_Yes_No(std::string_view name, std::string_view error_text) {
    std::string_view line = Read_Keyword_Line();
    if (line.size() > name.size() && line.substr(0, name.size()) == name) {
        std::string_view answer = line.substr(name.size());
        if (answer == " YES") return true;
        if (answer == " NO") return false;
    }
    Unrecognized_Command_Error(error_text);
}

Flag Flag_Of(bool b) { return b ? kTrue : kFalse; }

void Read_Units() {
    std::string_view raw = Read_Text_Line();
    std::string_view line = Keyword_Form(raw);
    if (line == "Units USCS") g.pd.IUNITS = kUnitsUS;
    else if (line == "Units SI") g.pd.IUNITS = kUnitsSI;
    else if (line == "Units GENERAL") g.pd.IUNITS = kUnitsGeneric;
    else Unrecognized_Line_Error(raw);
}

// Columns 9-14 "CYCLIC" or "STATIC", columns 15-20 the number of cycles.
void Read_Loading_Type() {
    std::string_view line = Read_Text_Line();
    std::string_view kind = line.size() >= 14 ? line.substr(8, 6) : std::string_view();
    if (kind != "CYCLIC" && kind != "STATIC")
        Unrecognized_Command_Error("INPUT ERROR - Unrecognized command for loading type option");
    g.pd.b_CyclicLoading = Flag_Of(kind == "CYCLIC");
    std::string field(line.substr(14, 6));
    std::erase(field, ' ');  // blanks in a numeric field are not significant
    double cycles = 0;
    if (!field.empty() && !Parse_Real(field, cycles)) Value_Type_Error(field, "a real number");
    g.pd.rd_NumCycles = cycles;
}

void Iteration_Limit_Error(int n, std::string_view which) {
    Write_Error_Block("***** Input Data Error No. 95 *****",
                      {"Problem: Input value for iterations limit = " + Int_Text(n) + std::string(which),
                       "Solution:  Correct input value to be between 30 and 1000 iterations.", "", ""},
                      false, 0);
    Stop_Input_Error(kOptionError);
}

void Tolerance_Error(int n, std::string_view problem, std::string_view recommended) {
    Write_Error_Block(Input_Error_Heading(n), {problem, recommended, ""}, true, 1);
    Stop_Input_Error(n);
}

void Check_Tolerance(double tol) {
    constexpr const char* kRecommendUS = "The recommended value for convergence tolerance is 0.00001 inches.";
    constexpr const char* kRecommendSI = "The recommended value for convergence tolerance is 2.54E-7 meters.";
    if (g.pd.IUNITS == kUnitsUS) {
        if (tol < kMinTolUS)
            Tolerance_Error(65, "Input value for convergence tolerance is too small (less than 1E-10 inches).",
                            kRecommendUS);
        if (tol > kMaxTolUS)
            Tolerance_Error(66, "Input value for convergence tolerance is too large (more than 0.1 inches). ",
                            kRecommendUS);
    } else if (g.pd.IUNITS == kUnitsSI) {
        if (tol < kMinTolSI)
            Tolerance_Error(67, "Input value for convergence tolerance is too small (less than 2.5E-12 meters). ",
                            kRecommendSI);
        if (tol > kMaxTolSI)
            Tolerance_Error(68, "Input value of convergence tolerance too large (more than 2.54E-3 meters). ",
                            kRecommendSI);
    }
}

void Increments_Error(int n, std::string_view problem, std::string_view solution) {
    Write_Error_Block(Input_Error_Heading(n), {problem, "", solution}, true, 0);
    Stop_Input_Error(n);
}

void Check_Increments(int n) {
    if (n < kMinIncrements)
        Increments_Error(55, "Problem:  The number of pile increments is less than 40.",
                         "Solution: Increase the number of pile increments to more than 40, preferably more than 100 increments.");
    if (n > kMaxIncrements)
        Increments_Error(56, "Problem:  The number of pile increments is more than 500.",
                         "Solution: Limit the number of pile increments to 500 or less.");
}

void Read_Interaction_Code() {
    Text<kInteractionCodeLength> label, code;
    Read_Values({label, code});
    std::string_view c = code.trimmed();
    if (c == "AASHTO") g.pd.i_InteractionCode = 1;
    else if (c == "ACI318") g.pd.i_InteractionCode = 2;
    else if (c == "Eurocode2") g.pd.i_InteractionCode = 3;
    else Unrecognized_Command_Error("INPUT ERROR - Unrecognized command for interaction code option");
}

}  // namespace

void Read_Options() {
    ProblemData& pd = g.pd;
    Put_Line(g_Out.msg, "Reading analysis options");
    Read_Units();
    pd.b_UseLRFD = Flag_Of(Read_Yes_No("UseLRFD", "INPUT ERROR - Unrecognized command for LRFD analysis option"));
    pd.b_ComputeKmatrix = Flag_Of(Read_Yes_No(
        "ComputeKmatrix", "INPUT ERROR - Unrecognized command for compute pile-head stiffness matrix option"));
    pd.b_UseTipShear =
        Flag_Of(Read_Yes_No("UseTipShear", "INPUT ERROR - Unrecognized command for tip shear option"));
    pd.b_UseSoilMovement =
        Flag_Of(Read_Yes_No("UseSoilMovement", "INPUT ERROR - Unrecognized command for soil movement option"));
    bool modifiers =
        Read_Yes_No("UsePYModifiers", "INPUT ERROR - Unrecognized command for use of p-y modifiers option");
    pd.b_UsePYModifiers = Flag_Of(modifiers);
    pd.i_NumPYMult = modifiers ? 1 : 0;
    pd.ICOM = Read_Yes_No("ComputeEIOnly", "INPUT ERROR - Unrecognized command for compute nonlinear EI only option")
                  ? 2 : 3;
    Read_Loading_Type();

    Label label;
    Read_Values({label, pd.i_MaxIterations});
    if (pd.i_MaxIterations < kMinIterations) Iteration_Limit_Error(pd.i_MaxIterations, " and is less than 30 iteractions");
    if (pd.i_MaxIterations > kMaxIterations) Iteration_Limit_Error(pd.i_MaxIterations, " and is more than 1,000 iteractions");
    Read_Values({label, pd.rd_MaxDeflection});
    Read_Values({label, pd.rd_ConvergenceTol});
    Check_Tolerance(pd.rd_ConvergenceTol);
    Read_Values({label, pd.i_NumIncrements});
    Check_Increments(pd.i_NumIncrements);

    pd.b_PrintSummaryOnly = Flag_Of(
        Read_Yes_No("PrintSummaryOnly", "INPUT ERROR - Unrecognized command for print summary only option"));
    Read_Values({label, pd.i_PrintIncrement});
    bool curves = Read_Yes_No("PrintPYCurves", "INPUT ERROR - Unrecognized command for p-y curve output depths option");
    pd.b_PrintPYCurves = Flag_Of(curves);
    pd.i_PrintPYCurves = curves ? 1 : 0;
    bool interaction =
        Read_Yes_No("ComputeInteraction", "INPUT ERROR - Unrecognized command for compute interaction option");
    pd.b_ComputeInteraction = Flag_Of(interaction);
    if (interaction) Read_Interaction_Code();
}

}  // namespace tarvex
