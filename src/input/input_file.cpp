// The problem input file held as lines.
#include "input/input_file.h"

#include <cstdio>

namespace tarvex {

InputFile g_Input;

bool Next_Line(LineCursor& c, std::string_view& line) {
    if (c.pos >= c.text.size()) return false;
    size_t end = c.text.find('\n', c.pos);
    size_t next = (end == std::string_view::npos) ? c.text.size() : end + 1;
    if (end == std::string_view::npos) end = c.text.size();
    size_t stop = end;
    if (stop > c.pos && c.text[stop - 1] == '\r') --stop;
    line = c.text.substr(c.pos, stop - c.pos);
    c.pos = next;
    return true;
}

bool Load_Input_File(InputFile& f, const char* path) {
    f = InputFile{};
    std::FILE* in = std::fopen(path, "rb");
    if (!in) return false;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, in)) > 0) f.text.append(buf, n);
    bool ok = !std::ferror(in);
    std::fclose(in);
    return ok;
}

bool Next_Line(InputFile& f, std::string_view& line) {
    LineCursor c{f.text, f.pos};
    if (!Next_Line(c, line)) return false;
    f.pos = c.pos;
    ++f.line_number;
    return true;
}

void Rewind_Input(InputFile& f) {
    f.pos = 0;
    f.line_number = 0;
}

}  // namespace tarvex
