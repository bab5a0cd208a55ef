// Runs the keyword reader on a text, as the entry point does after the tag
// line, and keeps what it wrote to the report and the runtime message file.
#pragma once

#include <string>
#include <string_view>

namespace tarvex_test {

struct ReadResult {
    int state;           // error state after the reading
    std::string report;  // text written to the output report
    std::string msg;     // text written to the runtime message file
};

// Resets the store, reads `text` (whose first line is the tag line) and leaves
// the store as the reader filled it.
ReadResult Read_Keyword_Text(std::string_view text);
// Resets the store and reads `text` from its first line through the reader
// that line selects, as the entry point does.
ReadResult Read_Any_Format(std::string_view text);

// A fixture file of tests/input/fixtures.
std::string Fixture(const std::string& name);

// `text` with the first occurrence of `from` replaced by `to`.
std::string Replace(std::string text, std::string_view from, std::string_view to);

// The minimal fixture (or `text`) with `section` in place of the section of the
// same keyword, or inserted before its "END" line when it has none.
std::string With(std::string_view section);
std::string With(std::string_view section, std::string text);

// The minimal fixture with its "SECTIONS" part replaced by the count and records given.
std::string With_Sections(std::string_view records, std::string_view units = "Units USCS");

// Number of the line of `text` that starts at byte `pos`.
int Line_At(std::string_view text, size_t pos);

// The report tail that the error stop adds after an input error's own block.
std::string Stop_Lines(int n);

}  // namespace tarvex_test
