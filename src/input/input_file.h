// The problem input file held as lines: a CR before a line end is not part of
// the line, and a last line without a line end is still a line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvex {

struct InputFile {
    std::string text;     // the whole file
    size_t pos = 0;       // start of the next line
    int line_number = 0;  // number of the last line read (1-based)
};
extern InputFile g_Input;

bool Load_Input_File(InputFile& f, const char* path);  // false: cannot be opened
bool Next_Line(InputFile& f, std::string_view& line);  // false at the end of the file
void Rewind_Input(InputFile& f);

// Splits any text into lines by the same rules.
struct LineCursor {
    std::string_view text;
    size_t pos = 0;
};
bool Next_Line(LineCursor& c, std::string_view& line);

}  // namespace tarvex
