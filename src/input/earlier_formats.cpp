// Earlier input formats: the previous tagged format and the untagged legacy
// format. This engine does not read them yet; such a file ends the run with
// an input error instead of a partial analysis.
#include "engine/store.h"
#include "input/readers.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

[[noreturn]] void Unsupported_Format(std::string_view what) {
    Write_Error_Block(Input_Error_Heading(kUnsupportedFormatError),
                      {std::string("The input file is in the ") + std::string(what) + ",",
                       "which this version of the engine does not read.",
                       "Save the problem again in the current keyword format (first line TARVEX6)."},
                      true);
    Stop_With_Error(Error_Code(100 + kUnsupportedFormatError), 100 + kUnsupportedFormatError);
}

}  // namespace

void Read_Previous_Format_File() { Unsupported_Format("previous format (TARVEX5)"); }
void Read_Untagged_Input_File() { Unsupported_Format("untagged legacy format"); }

}  // namespace tarvex
