// Line forms of the section report, for building expected text: a label with
// "= " in columns 56-57, and a value line with its 15-character field and its
// 8-character unit text.
#pragma once

#include <string>

#include "output/report_lines.h"

namespace tarvex_test {

inline std::string Label(const std::string& label) { return label + std::string(55 - label.size(), ' ') + "= "; }

inline std::string Value(const std::string& label, double v, const std::string& unit8) {
    return Label(label) + tarvex::Real_Field(v, 15) + unit8 + "\n";
}

inline bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace tarvex_test
