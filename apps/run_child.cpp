#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

#include "batch_run.h"
#include "run_files.h"
#include "tarvex/tarvex.h"

namespace fs = std::filesystem;

namespace tarvex_host {

namespace {

// Puts a finished output in place with one rename (a copy across file systems).
void Move_Into_Place(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (!ec) return;
    if (fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec)) fs::remove(from, ec);
}

}  // namespace

// One analysis in its scratch folder; its outputs appear in OUTDIR only once complete.
int Run_Child(const fs::path& scratch, const fs::path& out_dir, const fs::path& input) {
    if (chdir(scratch.c_str()) != 0) {
        std::cerr << "cannot enter " << scratch.string() << ": " << std::strerror(errno) << "\n";
        return 3;
    }
    const int32_t rc = TGO(kInterfaceVersion);
    std::fflush(stdout);

    // An interrupt from here on waits until the outputs are in place.
    sigset_t stop;
    sigemptyset(&stop);
    for (int s : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&stop, s);
    sigprocmask(SIG_BLOCK, &stop, nullptr);

    // Outputs of an earlier run that this one did not write would claim its result.
    for (const std::string& name : Output_Names(input)) {
        std::error_code ec;
        if (fs::exists(scratch / name, ec))
            Move_Into_Place(scratch / name, out_dir / name);
        else
            fs::remove(out_dir / name, ec);
    }
    std::ofstream(scratch / "RETURN-VALUE") << rc << "\n";
    return 0;
}

}  // namespace tarvex_host
