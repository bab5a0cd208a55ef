// Engine entry point TGO: resets the store, names and opens the run files,
// dispatches to the input reader and the analysis driver, and ends the run.
// Nothing escapes it: every failure becomes an error state and its block.
#include "tarvex/tarvex.h"

#include <unistd.h>

#include <cstdio>
#include <new>

#include "engine/driver.h"
#include "engine/entry.h"
#include "engine/internal_errors.h"
#include "engine/store.h"
#include "input/input_file.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

void Start_Call() {
    Reset_Store();
    g_Input = InputFile{};
    g.run.VersionString.set("2012-06.030");
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd)) g.run.CurrentDirectory.set(cwd);
    // Until the run files are open, report text goes to standard output.
    Attach_Channel(g_Out.report, stdout);
}

void Run_Call() {
    Start_Call();
    Read_Run_File_Names();
    Open_Run_Files();
    Dispatch_Input_Reader();
    Put_Line(g_Out.msg, "Input of data completed");
    Run_Analysis();
}

// Runs f; any failure that escapes it ends in an error state and its block.
template <class F>
void Guarded(F f) {
    try {
        f();
    } catch (const EngineStop&) {
    } catch (const CapacityFault& fault) {
        Internal_Capacity_Error(fault);
    } catch (const std::bad_alloc&) {
        Internal_Memory_Error();
    } catch (...) {
        Internal_Unexpected_Error();
    }
}

}  // namespace
}  // namespace tarvex

extern "C" int32_t TGO(int32_t i_InterfaceVersion) {
    using namespace tarvex;
    if (i_InterfaceVersion != kInterfaceVersion) return 99;
    Guarded(Run_Call);
    Guarded(End_Of_Run);
    int32_t result = Return_Value();
    Close_Channel(g_Out.report);
    Close_Channel(g_Out.plot);
    Close_Channel(g_Out.msg);
    g_Input = InputFile{};
    return result;
}
