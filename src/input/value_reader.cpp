// Free-format reading of the problem input file.
#include "input/value_reader.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "input/input_errors.h"
#include "input/input_file.h"

namespace tarvex {
namespace {

constexpr size_t kKeywordColumns = 256;  // columns of a keyword line that are compared

bool Is_Blank(char c) { return c == ' ' || c == '\t'; }
bool Ends_Token(char c) { return Is_Blank(c) || c == ',' || c == '/'; }
bool Is_Digit(char c) { return c >= '0' && c <= '9'; }

// One item of the value stream: a value text, an empty value or the slash.
struct Item {
    enum Kind { kValue, kEmpty, kSlash } kind;
    std::string_view text;
};

// The position of one read in the lines of g_Input.
struct Cursor {
    std::string_view line;
    size_t pos = 0;
    bool after_comma = true;  // a comma here gives an empty value (also at the start of the read)
    int repeat = 0;           // values still to come from "r*v"
    Item repeated{Item::kEmpty, {}};
};

void Next_Read_Line(Cursor& c) {
    if (!Next_Line(g_Input, c.line)) End_Of_File_Error();
    c.pos = 0;
}

Item Next_Item(Cursor& c) {
    if (c.repeat > 0) {
        --c.repeat;
        return c.repeated;
    }
    for (;;) {
        while (c.pos < c.line.size() && Is_Blank(c.line[c.pos])) ++c.pos;
        if (c.pos >= c.line.size()) {  // the line end separates like a blank
            Next_Read_Line(c);
            continue;
        }
        char ch = c.line[c.pos];
        if (ch == '/') return {Item::kSlash, {}};
        if (ch == ',') {
            ++c.pos;
            if (c.after_comma) return {Item::kEmpty, {}};
            c.after_comma = true;
            continue;
        }
        size_t start = c.pos;
        while (c.pos < c.line.size() && !Ends_Token(c.line[c.pos])) ++c.pos;
        c.after_comma = false;
        std::string_view token = c.line.substr(start, c.pos - start);
        size_t star = token.find('*');
        if (star == std::string_view::npos || star == 0) return {Item::kValue, token};
        std::string_view count = token.substr(0, star);
        for (char d : count)
            if (!Is_Digit(d)) return {Item::kValue, token};
        int r = 0;
        if (!Parse_Integer(count, r) || r < 1) Value_Type_Error(token, "a repeat count");
        std::string_view value = token.substr(star + 1);
        c.repeated = value.empty() ? Item{Item::kEmpty, {}} : Item{Item::kValue, value};
        c.repeat = r - 1;
        return c.repeated;
    }
}

void Assign(const ValueTarget& t, std::string_view text) {
    switch (t.kind) {
        case ValueTarget::kInteger:
            if (!Parse_Integer(text, *static_cast<int*>(t.p))) Value_Type_Error(text, "an integer");
            break;
        case ValueTarget::kReal:
            if (!Parse_Real(text, *static_cast<double*>(t.p))) Value_Type_Error(text, "a real number");
            break;
        case ValueTarget::kToken: {
            char* c = static_cast<char*>(t.p);
            std::memset(c, ' ', size_t(t.length));
            std::memcpy(c, text.data(), text.size() < size_t(t.length) ? text.size() : size_t(t.length));
            break;
        }
    }
}

}  // namespace

bool Parse_Integer(std::string_view s, int& n) {
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    if (i >= s.size()) return false;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (!Is_Digit(s[i])) return false;
        v = v * 10 + (s[i] - '0');
        if (v > 1LL + INT_MAX) return false;
    }
    if (negative) v = -v;
    if (v < INT_MIN || v > INT_MAX) return false;
    n = int(v);
    return true;
}

bool Parse_Real(std::string_view s, double& x) {
    // [sign] digits [. [digits]] | [sign] . digits, then [eEdD [sign] digits]
    std::string text(s);
    size_t i = 0, digits = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    while (i < text.size() && Is_Digit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && Is_Digit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < text.size() && std::strchr("eEdD", text[i])) {
        text[i++] = 'e';
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        size_t exp_digits = 0;
        while (i < text.size() && Is_Digit(text[i])) ++i, ++exp_digits;
        if (exp_digits == 0) return false;
    }
    if (i != text.size()) return false;
    errno = 0;
    double v = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(v)) return false;
    x = v;
    return true;
}

void Read_Values(std::initializer_list<ValueTarget> targets) {
    Read_Values(std::span<const ValueTarget>(targets.begin(), targets.size()));
}

void Read_Values(std::span<const ValueTarget> targets) {
    Cursor c;
    Next_Read_Line(c);
    for (const ValueTarget& t : targets) {
        Item item = Next_Item(c);
        if (item.kind == Item::kSlash) return;
        if (item.kind == Item::kValue) Assign(t, item.text);
    }
}

std::string_view Read_Text_Line() {
    std::string_view line;
    if (!Next_Line(g_Input, line)) End_Of_File_Error();
    return line;
}

std::string_view Keyword_Form(std::string_view line) {
    line = line.substr(0, kKeywordColumns);
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    return line;
}

std::string_view Read_Keyword_Line() { return Keyword_Form(Read_Text_Line()); }

}  // namespace tarvex
