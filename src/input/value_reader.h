// Free-format reading of the problem input file.
//
// Every value of every format is read here. A read starts at the beginning of
// the next line and takes values separated by blanks or commas, continuing on
// the following lines while it needs more; whatever follows the last value it
// needs is ignored. "r*v" repeats v r times, "r*" gives r empty values; an
// empty value between two commas leaves its target unchanged, and a slash ends
// the read, leaving all remaining targets unchanged. Integers are written
// without a decimal point. A token target takes one word without blanks or
// commas, cut to its length.
#pragma once

#include <initializer_list>
#include <span>
#include <string_view>

#include "engine/checked_array.h"

namespace tarvex {

// The label of a labelled value line: the first 16 characters of its token.
using Label = Text<16>;

// One target of a free-format read.
struct ValueTarget {
    enum Kind { kInteger, kReal, kToken };
    Kind kind;
    void* p;
    int length;  // characters of a token target

    ValueTarget(int& n) : kind(kInteger), p(&n), length(0) {}      // NOLINT: implicit by design
    ValueTarget(double& x) : kind(kReal), p(&x), length(0) {}      // NOLINT
    template <int N>
    ValueTarget(Text<N>& t) : kind(kToken), p(t.c), length(N) {}  // NOLINT
};

// Reads the targets in order from the next line(s) of g_Input. A value of the
// wrong type ends the run with input error 74, the end of the file with 75.
void Read_Values(std::initializer_list<ValueTarget> targets);
// The same for a list of targets whose length is known only at run time.
void Read_Values(std::span<const ValueTarget> targets);

// The next line of g_Input as it stands (a CR before the line end removed).
// The end of the file ends the run with input error 75.
std::string_view Read_Text_Line();

// The next line cut to its first 256 characters, trailing blanks dropped:
// the form in which keyword lines are compared.
std::string_view Read_Keyword_Line();
std::string_view Keyword_Form(std::string_view line);

// Parses one value text as an integer or a real number; false if it is not one.
bool Parse_Integer(std::string_view s, int& n);
bool Parse_Real(std::string_view s, double& x);

}  // namespace tarvex
