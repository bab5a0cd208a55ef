#include "support/host_run.h"

#include <sys/wait.h>

#include <cstdio>

namespace tarvex_test {

HostRun Run_Host(const std::filesystem::path& cwd, const std::string& args) {
    std::string cmd = "cd '" + cwd.string() + "' && SOURCE_DATE_EPOCH=1700000000 '" + std::string(TARVEX_BIN_DIR) +
                      "/tarvex' " + args + " 2>&1";
    HostRun r{-1, {}};
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace tarvex_test
