// Runtime error 43: the problem needs an analysis stage this engine does not have.
#include <string>

#include "engine/driver.h"
#include "engine/internal_errors.h"
#include "engine/store.h"

namespace tarvex {

void Stop_Stage_Not_Available(std::string_view stage) {
    const std::string named = "    " + std::string(stage);
    Write_Error_Block(Runtime_Error_Heading(kStageRuntimeError),
                      {"The analysis of this problem needs the following stage, which is not",
                       "available in this version of the engine:", named, "",
                       "The analysis was stopped; no results of this stage were computed."},
                      true);
    Raise_Error(200 + kStageRuntimeError);
}

}  // namespace tarvex
