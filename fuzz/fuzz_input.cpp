// Feeds arbitrary bytes as the problem input file to the input readers, with
// the store reset as the entry point resets it. Every input must end either
// normally or in an error state set by a reader; an index outside a capacity,
// an escaped exception, a memory fault or undefined behaviour is a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/entry.h"
#include "engine/store.h"
#include "input/input_file.h"
#include "output/channel.h"

using namespace tarvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The report and the runtime messages are written as in a run, then discarded.
    static std::FILE* discard = std::fopen("/dev/null", "wb");
    Reset_Store();
    g_Input = InputFile{};
    g_Input.text.assign(reinterpret_cast<const char*>(data), size);
    Attach_Channel(g_Out.report, discard);
    Attach_Channel(g_Out.msg, discard);
    try {
        Dispatch_Input_Reader();
    } catch (const EngineStop&) {
        if (g.err.i_ErrorState < 101 || g.err.i_ErrorState > 199) std::abort();  // readers raise input errors only
    } catch (const CapacityFault&) {
        std::abort();  // a count or code that was not checked where it was read
    }
    Close_Channel(g_Out.report);
    Close_Channel(g_Out.msg);
    return 0;
}
