// Input errors of the reader that the file format leaves to this engine.
#include "input/input_errors.h"

#include <string>

#include "engine/store.h"
#include "input/input_file.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

std::string Line_Text() { return "line " + Int_Text(g_Input.line_number) + " of the input file"; }

}  // namespace

void Stop_Input_Error(int n) { Stop_With_Error(Error_Code(100 + n), 100 + n); }

void Input_Check_Error(int n, std::initializer_list<std::string_view> body, int blank_before) {
    Write_Error_Block(Input_Error_Heading(n), body, true, blank_before);
    Stop_Input_Error(n);
}

void Value_Type_Error(std::string_view value, std::string_view what) {
    Write_Error_Block(Input_Error_Heading(kValueTypeError),
                      {"Problem:  The value \"" + std::string(value) + "\" on " + Line_Text() +
                           " cannot be read as " + std::string(what) + ".",
                       "Solution: Correct the value; integers are written without a decimal point."},
                      true);
    Stop_Input_Error(kValueTypeError);
}

void End_Of_File_Error() {
    Write_Error_Block(Input_Error_Heading(kEndOfFileError),
                      {"Problem:  The input file ends after line " + Int_Text(g_Input.line_number) +
                           " before all data were read.",
                       "Solution: Complete the input file; its last line must read END."},
                      true);
    Stop_Input_Error(kEndOfFileError);
}

void Count_Over_Capacity(long long count, int limit, std::string_view what) {
    Write_Error_Block(Input_Error_Heading(kCapacityError),
                      {"Problem:  The count of " + Int_Text(count) + " on " + Line_Text() +
                           " exceeds the limit of " + Int_Text(limit) + " " + std::string(what) + ".",
                       "Solution: Reduce the count to " + Int_Text(limit) + " or less."},
                      true);
    Stop_Input_Error(kCapacityError);
}

void Code_Out_Of_Range(long long code, int lo, int hi, std::string_view what) {
    Write_Error_Block(Input_Error_Heading(kCodeRangeError),
                      {"Problem:  The " + std::string(what) + " " + Int_Text(code) + " on " + Line_Text() +
                           " is outside the range of " + Int_Text(lo) + " to " + Int_Text(hi) + ".",
                       "Solution: Correct the code."},
                      true);
    Stop_Input_Error(kCodeRangeError);
}

}  // namespace tarvex
