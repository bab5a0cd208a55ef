// Readers of the problem input file, one per format. Each continues from the
// current line of g_Input (the keyword reader and the previous-format reader
// after the tag line, the untagged reader from line 1) and fills g.pd.
#pragma once

namespace tarvex {

constexpr int kUnsupportedFormatError = 73;  // input error: a format this engine cannot read

void Read_Keyword_Input_File();    // "TARVEX6"
void Read_Previous_Format_File();  // "TARVEX5"
void Read_Untagged_Input_File();   // legacy untagged format

}  // namespace tarvex
