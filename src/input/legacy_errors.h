// Input errors of the two earlier problem file formats. Each block goes to the
// output report and the runtime message file, and ends the run.
#pragma once

#include <string_view>

namespace tarvex {

enum class LegacyFlavour { Tagged, Untagged };  // "TARVEX5" file, or untagged file

// Reads a count line: a count over `limit` ends the run with input error 76
// naming `what`; a negative count reads as none.
int Read_Legacy_Count(int limit, std::string_view what);

[[noreturn]] void Legacy_PY_Multipliers_With_User_Curves_Error();       // 6
[[noreturn]] void Legacy_No_Unit_Weight_Or_User_Curves_Error(LegacyFlavour f);  // 7
[[noreturn]] void Legacy_Too_Many_Bars_Error(int n);                    // 26
[[noreturn]] void Legacy_Layer_Depths_Error(int k);                     // 47
[[noreturn]] void Legacy_Soil_Movement_Count_Error(int n);              // 53
[[noreturn]] void Legacy_Too_Few_Increments_Error();                    // 55
[[noreturn]] void Legacy_Too_Many_Increments_Error();                   // 56
[[noreturn]] void Legacy_Zero_Pile_Length_Error();                      // 57
[[noreturn]] void Legacy_Too_Many_Pile_Points_Error();                  // 59
[[noreturn]] void Legacy_Top_Layer_Bottom_Error();                      // 61
[[noreturn]] void Legacy_Iteration_Limit_Error();                       // 64
[[noreturn]] void Legacy_Tolerance_Error(int n);                        // 65 to 68
[[noreturn]] void Legacy_Deflection_Limit_Error();                      // 69
[[noreturn]] void Legacy_Core_Diameter_Error(double diameter, int s);   // 70
[[noreturn]] void Legacy_Liquefied_Sand_Diameter_Error();               // 71

}  // namespace tarvex
