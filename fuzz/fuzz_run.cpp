// Feeds arbitrary bytes as the problem input file to a whole engine run through
// TGO: the reader, the input checks, node set-up, the p-y models, the solver
// iterations and the reports. Every input must end normally, with warnings or
// with a numbered input or runtime error, its status line written and its
// files closed. An internal fault (an index outside a capacity, exhausted
// memory, an escaped exception), a memory fault or undefined behaviour is a
// finding.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/internal_errors.h"
#include "tarvex/tarvex.h"

namespace {

bool Write_Whole(const std::string& path, const void* data, size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

std::string Read_Whole(const std::string& path) {
    std::string text;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return text;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    std::fclose(f);
    return text;
}

// One scratch folder per process, on a memory file system where there is one.
const std::string& Scratch() {
    static const std::string dir = [] {
        std::string base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string tmpl = base + "/tarvex-fuzz-run-XXXXXX";
        if (!mkdtemp(tmpl.data())) std::abort();
        const char names[] = "in.dat\nout.txt\nplot.txt\nmsg.txt\n";
        if (!Write_Whole(tmpl + "/NAMES.DAT", names, sizeof names - 1)) std::abort();
        setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
        return tmpl;
    }();
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& dir = Scratch();
    if (!Write_Whole(dir + "/in.dat", data, size)) std::abort();
    // TGO reads NAMES.DAT from the current directory; the fuzzer's own paths
    // are relative to the directory it was started in.
    char here[4096];
    if (!getcwd(here, sizeof here) || chdir(dir.c_str()) != 0) std::abort();
    const int rc = TGO(6030);
    if (chdir(here) != 0) std::abort();
    const std::string msg = Read_Whole(dir + "/msg.txt");
    bool internal_fault = false;
    for (int internal : {tarvex::kCapacityRuntimeError, tarvex::kMemoryRuntimeError, tarvex::kUnexpectedRuntimeError})
        internal_fault = internal_fault || rc == 200 + internal;  // an engine fault, not a fault of the file
    // Every run ends with its status line in the runtime message file, except
    // the internal error of the strength lookup (999), which writes none.
    const bool status_written = rc == 999 || msg.find("The analysis ended") != std::string::npos;
    if (internal_fault || !status_written) {
        std::fprintf(stderr, "TGO returned %d; runtime messages:\n%s\n", rc, msg.c_str());
        __builtin_trap();
    }
    return 0;
}
