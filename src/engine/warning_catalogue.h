// Catalogue of warning texts, keyed by the (negative) warning number.
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

namespace tarvex {

struct WarningText {
    int number;                          // negative warning number
    std::vector<std::string_view> lines;  // lines written after the count line, in order
};

const WarningText* Find_Warning_Text(int w);  // nullptr for a number without text

}  // namespace tarvex
