// Keyword input file reader ("TARVEX6").
#include "engine/store.h"
#include "input/readers.h"
#include "output/report_lines.h"

namespace tarvex {

void Read_Keyword_Input_File() {
    Write_Error_Block(Input_Error_Heading(kUnsupportedFormatError),
                      {"The keyword input file reader is not available in this build."}, true);
    Stop_With_Error(Error_Code(100 + kUnsupportedFormatError), 100 + kUnsupportedFormatError);
}

}  // namespace tarvex
