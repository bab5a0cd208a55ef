// Runs the command-line host `tarvex` as a separate process, as an engineer would.
#pragma once

#include <filesystem>
#include <string>

namespace tarvex_test {

struct HostRun {
    int status;       // exit status, -1 when the process did not exit
    std::string out;  // standard output and standard error together
};

// Runs `tarvex ARGS` in `cwd` (ARGS already quoted for the shell), reports dated
// with a fixed instant so that runs compare byte for byte.
HostRun Run_Host(const std::filesystem::path& cwd, const std::string& args);

bool Has(const std::string& text, const std::string& part);

}  // namespace tarvex_test
