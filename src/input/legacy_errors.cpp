// Input errors of the earlier problem file formats: the blocks their readers
// write to the output report and the runtime message file.
#include "input/legacy_errors.h"

#include <initializer_list>
#include <string>

#include "engine/errors.h"
#include "engine/store.h"
#include "input/input_errors.h"
#include "input/value_reader.h"
#include "output/channel.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

constexpr std::string_view kToleranceAdviceUS = "The recommended value for convergence tolerance is 0.00001 inches.";
constexpr std::string_view kToleranceAdviceSI = "The recommended value for convergence tolerance is 2.54E-7 meters.";

}  // namespace

int Read_Legacy_Count(int limit, std::string_view what) {
    int n = 0;
    Read_Values({n});
    Check_Count(n, limit, what);
    return n < 0 ? 0 : n;
}

void Legacy_PY_Multipliers_With_User_Curves_Error() {
    Input_Check_Error(6, {"p-y multipliers cannot be specified for use with user-specified p-y curves", "", "Solution:",
                          "Consult the technical manual for how to compute p-y multipliers",
                          "and adjust the user-specified p-y as needed."});
}

void Legacy_No_Unit_Weight_Or_User_Curves_Error(LegacyFlavour f) {
    if (f == LegacyFlavour::Tagged)
        Input_Check_Error(7, {"Problem:  Number of points defining effective unit weight vs. depth is",
                              "          zero and number of input p-y curves is also zero.", "",
                              "Solution: Please input data for soil layering vs. depth, effective unit",
                              "          weight vs. depth, and shear strength vs. depth to use internally",
                              "          generated p-y curves."});
    Input_Check_Error(7, {"Number of points defining effective unit weight vs. depth is zero ",
                          "and number of input p-y curves is also zero.", "", "Solution:",
                          "Please input data for soil layering vs. depth, effective unit",
                          "weight vs. depth, and shear strength vs. depth to use internally", "generated p-y curves."});
}

// The message file and the report word the count of this block differently.
void Legacy_Too_Many_Bars_Error(int n) {
    const std::string heading = Input_Error_Heading(26);
    const std::string count = Int_Text(n);
    auto block = [&](Channel& ch, const std::string& problem) {
        Write_Error_Lines(ch, heading,
                          {problem, "", "Solution: The number of rebar bars cannot exceed 100 bars.",
                           "Reconfigure the bar layout using a smaller number of larger bars with ",
                           "an equal area of steel and clear cover. The bending stiffness ",
                           "is insensitive to the number of bars if more than 12 bars for an equal amount of steel."},
                          0);
    };
    block(g_Out.msg, "Problem:  Number of rebar bars input is more than 100, = " + count + ")");
    block(g_Out.report, "Problem:  Number of rebar bars input is more than 100 (= " + count + ")");
    Stop_Input_Error(26);
}

void Legacy_Layer_Depths_Error(int k) {
    const std::string solution = "Solution: Correct the data for top and bottom depths of soil layer " + Int_Text(k);
    Input_Check_Error(47,
                      {"Problem:  Depth of top of soil layer is greater than or equal to depth of ",
                       "          bottom of soil layer.", "", solution, ""},
                      2);
}

void Legacy_Soil_Movement_Count_Error(int n) {
    const std::string count = "Number of lines of soil movement data = " + Int_Text(n);
    Input_Check_Error(53, {count, "The number of lines of soil movement data cannot exceed 50", ""});
}

void Legacy_Too_Few_Increments_Error() {
    Input_Check_Error(55, {"Problem:  The number of pile increments is less than 40.", "",
                           "Solution: Increase the number of pile increments to more than 40,",
                           "          preferably 100 or more increments."});
}

void Legacy_Too_Many_Increments_Error() {
    Input_Check_Error(56, {"Problem:  The number of pile increments is more than 300.", "",
                           "Solution: Limit the number of pile increments to 300 or less."});
}

void Legacy_Zero_Pile_Length_Error() {
    Input_Check_Error(57, {"Problem:  The input value for pile length is zero.", "",
                           "Solution: Review and correct the data for pile length."});
}

void Legacy_Too_Many_Pile_Points_Error() {
    Input_Check_Error(59, {"Problem:  The number of pile diameter values is more than 40.", "",
                           "Solution: Limit the number of input values to 40 or less."});
}

void Legacy_Top_Layer_Bottom_Error() {
    Input_Check_Error(61, {"Problem:  The depth of the bottom of the top soil layer is less than ",
                           "          or equal to zero. This will cause the layering correction to ",
                           "          p-y curves to generate incorrect p-y curves below the top layer.", "",
                           "Solution: The top soil layer must extend from the ground surface to below ",
                           "          the pile head.",
                           "          The upper soil layer must be defined so that the vertical effective stress",
                           "          at the pile head correctly generated with the correct vertical thickness.",
                           "          One way to correct the input",
                           "          data is to combine the upper soil layers into a single layer with one effective",
                           "          unit weight that results in the correct effective stress at the pile head and ",
                           "          to extend the soil layer to just below the top of the pile."});
}

void Legacy_Iteration_Limit_Error() {
    Input_Check_Error(64, {"Input value for iteration limit is outside the range of 40 to 1000.",
                           "The number of iterations must be between 40 and 1000.", ""});
}

void Legacy_Tolerance_Error(int n) {
    switch (n) {
        case 65:
            Input_Check_Error(65, {"Input value of convergence tolerance is too small (less than 1E-10 inches).",
                                   kToleranceAdviceUS, ""});
        case 66:
            Input_Check_Error(66, {"Input value of convergence tolerance is too large (more than 0.001 inches). ",
                                   kToleranceAdviceUS, ""});
        case 67:
            Input_Check_Error(67, {"Input value of convergence tolerance is too small (less than 2.5E-12 meters). ",
                                   kToleranceAdviceSI, ""});
        default:
            Input_Check_Error(68, {"Input value of convergence tolerance too large (more than 2.54E-5 meters). ",
                                   kToleranceAdviceSI, ""});
    }
}

void Legacy_Deflection_Limit_Error() {
    Input_Check_Error(69, {"Input value of excessive deflection limit is less than 10 percent of the pile diameter.",
                           "The recommended value for convergence tolerance is 10 times the pile diameter.", ""});
}

void Legacy_Core_Diameter_Error(double diameter, int s) {
    const std::string problem =
        "Problem:  Diameter of inner core = " + Edit_F(diameter, 8, 4) + " for Section " + Int_Text(s);
    Input_Check_Error(70, {problem, "Solution: The diameter of the inner core cannot be less than or equal to zero.",
                           "          Either change the section type or enter a value for the inner core diameter."});
}

void Legacy_Liquefied_Sand_Diameter_Error() {
    Input_Check_Error(71, {"Problem:  A pile diameter of less than 0.3 meters (11.8 inches) was defined",
                           "          for a soil layer defined using the liquefied sand criteria. The liquefied",
                           "          sand criteria is valid only for pile diameters ranging from 0.3 to 2.44",
                           "          meters (12 to 96 inches) in diameter.", "",
                           "Solution: Increase the value of pile diameter over the depth range of the",
                           "          liquefied sand layer.", ""});
}

}  // namespace tarvex
