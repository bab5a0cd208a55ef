// Runtime errors for failures that no routine raised by itself.
#include "engine/internal_errors.h"

#include "engine/store.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

void Internal_Error(int n, std::string_view problem) {
    if (g.err.i_ErrorState == 0) g.err.i_ErrorState = 200 + n;
    try {
        Write_Error_Block(Runtime_Error_Heading(n),
                          {problem, "", "The analysis was stopped; no results of this run are valid.",
                           "Please check the input data, and report this problem with the input",
                           "file if the input data are correct."},
                          true);
    } catch (...) {
        // The state is set; the end of the run still reports it.
    }
}

}  // namespace

void Raise_Capacity_Fault(int index, int capacity) { throw CapacityFault{index, capacity}; }

void Internal_Capacity_Error(const CapacityFault& fault) {
    Internal_Error(kCapacityRuntimeError,
                   "An index of " + Int_Text(fault.index) + " lies outside an internal array of " +
                       Int_Text(fault.capacity) + " entries.");
}

void Internal_Memory_Error() {
    Internal_Error(kMemoryRuntimeError, "The engine ran out of memory.");
}

void Internal_Unexpected_Error() {
    Internal_Error(kUnexpectedRuntimeError, "An unexpected internal failure occurred.");
}

}  // namespace tarvex
