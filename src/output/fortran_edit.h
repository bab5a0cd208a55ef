// Fortran-style editing of numbers: the Fw.d, Ew.d and Iw layouts that every
// report line, plot record and runtime message uses.
//
// Rounding is half away from zero on the exact decimal value of the double; a
// number that does not fit its width becomes a field of w asterisks, so that
// records keep their layout.
#pragma once

#include <cstdint>
#include <string>

namespace tarvex {

std::string Edit_F(double x, int w, int d);  // Fw.d; "ddd." for d = 0
std::string Edit_E(double x, int w, int d);  // Ew.d with a 0.ddd mantissa, "E+xx"
std::string Edit_I(int64_t n, int w);        // Iw, right-justified

// The same layouts with the digits always taken from the full decimal expansion
// of the double: the reference the editing above must equal for every value.
std::string Edit_F_Exact(double x, int w, int d);
std::string Edit_E_Exact(double x, int w, int d);

}  // namespace tarvex
