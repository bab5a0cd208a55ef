// The blocks of the input echo and the checks that follow them, in the files
// of their subject; Echo_And_Check_Input calls them in the order of the report.
#pragma once

#include <string>

namespace tarvex {

void Echo_Input_Sections();     // "Input Structural Properties:" and every pile section
void Echo_Soil_Layers();        // layer descriptions, warnings and the soil property summary
void Write_Pile_Head_Loads();   // pile-head load cases and fixity conditions
void Write_LRFD_Input();        // LRFD groups, totals, combinations and factored loads

// Checks of the input echo; each writes its input error block and stops the run.
void Check_Pile_Widths();          // input error 27: a pile width of zero or less
void Check_Number_Of_Cycles();     // input error 28: cyclic loading outside 2 to 5000 cycles
void Check_Tip_Shear_Curve();      // input error 50: the curve must start at 0 and increase
void Filter_PY_Output_Depths();    // input errors 29, 30: keeps the depths within the soil along the pile
void Check_Pile_Point_Count();     // input error 17: 2 to 40 pile property points
void Check_Soil_Profile();         // input errors 18 to 21: the profile against the pile
void Check_Load_Cases();           // input error 80: a pile-response run needs a load case

// "Number of cycles of loading = " and the number of cycles, truncated.
std::string Cycles_Line();

}  // namespace tarvex
