// Report lines of the input echo: labelled values with "= " at column 56,
// framed block headings and the unit texts of the echo.
#pragma once

#include <string>
#include <string_view>

#include "soil/py_protocol.h"

namespace tarvex {

constexpr int kEchoLabelWidth = 55;  // "= " of a labelled value starts at column 56

// The label blank-padded to 55 characters followed by "= "; the line stays open.
void Echo_Label(std::string_view label);
// Label, "= ", the real value (Write_Real_Field of width w), a blank and the unit.
void Echo_Real(std::string_view label, double x, int w, std::string_view unit);
// Label, "= " and the integer right-justified in w characters.
void Echo_Int(std::string_view label, int n, int w);
// `blank_before` empty lines, then the framed heading indented `indent` blanks.
void Echo_Heading(int blank_before, int indent, std::string_view title);

// Unit texts composed of the unit labels, trimmed: "in-lbs", "in^2", "lbs/in^2"
// (Unit_Length and the units of the p-y reports come from soil/py_protocol.h).
std::string Unit_Force();     // ForceLabel trimmed
std::string Unit_Moment();    // length "-" force
std::string Unit_Power(int p);           // length "^" p
std::string Unit_Force_Per_Power(int p); // force "/" length ["^" p]

}  // namespace tarvex
