#include "input/keyword_reading.h"

#include <cstdio>

#include "engine/entry.h"
#include "engine/store.h"
#include "input/input_file.h"
#include "input/readers.h"
#include "support/captured.h"
#include "support/run_dir.h"

namespace tarvex_test {
using namespace tarvex;

namespace {

// Resets the store, loads `text` as the input file and runs `read` on it,
// keeping what it wrote to the report and the runtime message file.
ReadResult Run_Reader(std::string_view text, bool skip_tag_line, void (*read)()) {
    Reset_Store();
    g_Input = InputFile{};
    g_Input.text = std::string(text);
    if (skip_tag_line) {
        std::string_view tag;
        Next_Line(g_Input, tag);
    }
    ReadResult r{};
    {
        Captured report(g_Out.report), msg(g_Out.msg);
        try {
            read();
        } catch (const EngineStop&) {
        }
        r.report = report.text();
        r.msg = msg.text();
    }
    r.state = g.err.i_ErrorState;
    return r;
}

}  // namespace

ReadResult Read_Keyword_Text(std::string_view text) { return Run_Reader(text, true, Read_Keyword_Input_File); }

ReadResult Read_Any_Format(std::string_view text) { return Run_Reader(text, false, Dispatch_Input_Reader); }

std::string Fixture(const std::string& name) {
    return Read_File(std::string(TARVEX_SOURCE_DIR) + "/tests/input/fixtures/" + name);
}

std::string Replace(std::string text, std::string_view from, std::string_view to) {
    size_t at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

std::string With(std::string_view section) { return With(section, Fixture("minimal.dat")); }

namespace {

constexpr const char* kKeywords[] = {
    "TITLE", "OPTIONS", "SECTIONS", "AXIAL THRUST LOADS", "SOIL LAYERS", "TIP SHEAR", "PILE BATTER AND SLOPE",
    "GROUPEFF", "GROUP EFFECT FACTORS", "LRFD LOADS", "LRFD FACTORS AND CASES", "LOADING", "SOIL MOVEMENTS",
    "DEPTHS OF PRINTED P-Y CURVES", "END",
};

bool Is_Keyword(std::string_view line) {
    for (const char* k : kKeywords)
        if (line == k) return true;
    return false;
}

// The start of the next keyword line of `text` after byte `from`.
size_t Next_Keyword(const std::string& text, size_t from) {
    for (size_t at = text.find('\n', from); at != std::string::npos; at = text.find('\n', at + 1)) {
        const size_t end = text.find('\n', at + 1);
        if (Is_Keyword(std::string_view(text).substr(at + 1, end - at - 1))) return at + 1;
    }
    return text.size();
}

}  // namespace

std::string With(std::string_view section, std::string text) {
    const std::string keyword(section.substr(0, section.find('\n')));
    const size_t at = text.find("\n" + keyword + "\n");
    if (at != std::string::npos) {  // a section of the file is replaced, as each is given once
        const size_t end = Next_Keyword(text, at + 1);
        return text.replace(at + 1, end - at - 1, section);
    }
    return Replace(std::move(text), "\nEND\n", "\n" + std::string(section) + "END\n");
}

std::string With_Sections(std::string_view records, std::string_view units) {
    std::string text = Replace(Fixture("minimal.dat"), "Units USCS", units);
    size_t from = text.find("SECTIONS\n") + 9, to = text.find("SOIL LAYERS\n");
    return text.replace(from, to - from, records);
}

int Line_At(std::string_view text, size_t pos) {
    int line = 1;
    for (size_t i = 0; i < pos && i < text.size(); ++i) line += text[i] == '\n';
    return line;
}

std::string Stop_Lines(int n) {
    char code[16];
    std::snprintf(code, sizeof code, "INP%05d", n);
    return "\n\nTarvex ended prematurely due to input error number " + std::string(code) + "\n";
}

}  // namespace tarvex_test
