// Readers of the problem input file, one per format. Each continues from the
// current line of g_Input (the keyword reader and the previous-format reader
// after the tag line, the untagged reader from line 1) and fills g.pd.
#pragma once

namespace tarvex {

void Read_Keyword_Input_File();    // "TARVEX6"
void Read_Tagged_Previous_Format();  // "TARVEX5"
void Read_Untagged_Format();         // legacy untagged format

}  // namespace tarvex
