// Error stop, error state and warning tallies.
//
// A routine that finds a fatal condition writes its own numbered block, then
// calls Stop_With_Error (or Raise_Error where the block is the whole report);
// both set i_ErrorState and unwind by EngineStop to the entry point, which
// runs the end of the run. The first error ends the run.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/checked_array.h"

namespace tarvex {

struct Channel;

constexpr int kMaxWarningNumber = 4000;  // tallies cover warnings -1 .. -4000
constexpr int kMaxWarningTally = 4000;   // a tally stays at this value

struct ErrorRecord {
    int i_ErrorState = 0;                         // 0; 100 + input error; 200 + runtime error; 999
    Arr<int, kMaxWarningNumber> i_WarningTally;   // times warning -k was recorded in this call
    int i_NumWarnings = 0;                        // distinct warnings, counted by the summary
};

// Unwinds from the routine that set i_ErrorState to the entry point.
struct EngineStop {};

// "INP" or "RUN" and the error number in five digits: 125 -> "INP00025".
std::string Error_Code(int state);

// Writes the stop lines of an input error, sets i_ErrorState and unwinds.
[[noreturn]] void Stop_With_Error(std::string_view code, int state);
// Ends the run with runtime error n (code "RUNnnnnn", state 200 + n) after its
// block was written; or writes its block to both files first.
[[noreturn]] void Stop_Runtime_Error(int n);
[[noreturn]] void Stop_Runtime_Error(int n, std::initializer_list<std::string_view> body, int blank_before = 2);
// Sets i_ErrorState without stop lines (the caller wrote the block) and unwinds.
[[noreturn]] void Raise_Error(int state);

void Record_Warning(int w);
int Count_Distinct_Warnings();
void Write_Warning_Summary();

// An error block: the heading "**** <kind> Error No. n ****" after the given
// number of empty lines, an empty line, then the body lines; written to the
// report and, when to_msg, also to the runtime message file.
void Write_Error_Block(std::string_view heading, std::initializer_list<std::string_view> body,
                       bool to_msg, int blank_before = 2);
// The same block on one channel, where the two files word it differently.
void Write_Error_Lines(Channel& ch, std::string_view heading, std::initializer_list<std::string_view> body,
                       int blank_before);
std::string Input_Error_Heading(int n);    // "**** Input Data Error No. n ****"
std::string Runtime_Error_Heading(int n);  // "**** Runtime Error No. n ****"

}  // namespace tarvex
