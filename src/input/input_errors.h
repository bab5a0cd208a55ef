// Input errors of the reader that the file format leaves to this engine: a
// value that does not fit its type, an end of file before "END", a count over
// a fixed capacity and a code outside its range. Each block names the line.
#pragma once

#include <initializer_list>
#include <string_view>

namespace tarvex {

constexpr int kValueTypeError = 74;      // a value that cannot be read as its type
constexpr int kEndOfFileError = 75;      // the file ends before the "END" line
constexpr int kCapacityError = 76;       // a count over the capacity of its table
constexpr int kCodeRangeError = 77;      // a code outside its range
constexpr int kBarCircleError = 78;      // bars or strands that cannot be placed on a circle
constexpr int kBarPatternError = 79;     // a bar pattern line that is neither keyword

// Ends the run with input error n (code "INPnnnnn") after its block was written.
[[noreturn]] void Stop_Input_Error(int n);
// Writes the block of input error n to the output report and the runtime
// message file after `blank_before` empty lines, then ends the run with it.
[[noreturn]] void Input_Check_Error(int n, std::initializer_list<std::string_view> body, int blank_before = 0);

// The value text on the current line cannot be read as `what` ("an integer", "a real number").
[[noreturn]] void Value_Type_Error(std::string_view value, std::string_view what);
[[noreturn]] void End_Of_File_Error();
// The count on the current line exceeds the capacity of `what` ("soil layers").
[[noreturn]] void Count_Over_Capacity(long long count, int limit, std::string_view what);
inline void Check_Count(long long count, int limit, std::string_view what) {
    if (count > limit) Count_Over_Capacity(count, limit, what);
}
// The code on the current line lies outside lo..hi; `what` names it ("p-y model code").
[[noreturn]] void Code_Out_Of_Range(long long code, int lo, int hi, std::string_view what);
inline void Check_Code(long long code, int lo, int hi, std::string_view what) {
    if (code < lo || code > hi) Code_Out_Of_Range(code, lo, hi, what);
}

}  // namespace tarvex
