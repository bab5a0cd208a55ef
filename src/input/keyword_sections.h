// Section readers of the keyword input file, called by Read_Keyword_Input_File
// after the section's keyword line; each reads its lines from g_Input into g.pd.
#pragma once

#include <string_view>

namespace tarvex {

constexpr int kUnrecognizedLineError = 99;  // a line that is neither a keyword nor in its place
constexpr int kOptionError = 95;            // an option, section or LRFD point count not understood

void Read_Options();
void Read_Sections();           // the pile section records
void Read_Soil_Layers();
void Read_LRFD_Loads();
void Read_LRFD_Combinations();
void Read_Pile_Head_Loading();
void Build_Thrust_List();       // the distinct axial thrusts of the section analysis

// The unrecognized or out-of-order line block (report and runtime messages); input error 99.
[[noreturn]] void Unrecognized_Line_Error(std::string_view line);
// A blank line and the text to the report; input error 95.
[[noreturn]] void Unrecognized_Command_Error(std::string_view text);

}  // namespace tarvex
