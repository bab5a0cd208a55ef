// The command-line host: run files, current directory, paths and exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "support/run_dir.h"

namespace fs = std::filesystem;

namespace tarvex_test {
namespace {

struct HostRun {
    int status;
    std::string out;
};

// Runs the host in `cwd` with the given arguments (already quoted for the shell).
HostRun Run_Host(const fs::path& cwd, const std::string& args) {
    std::string cmd = "cd '" + cwd.string() + "' && '" + std::string(TARVEX_BIN_DIR) + "/tarvex' " + args + " 2>&1";
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

TEST(Host, RelativeInputWithBlanksFromAnotherFolder) {
    RunDir d;
    fs::create_directories(d.path() / "job folder");
    Write_File(d.path() / "job folder" / "pile 1.dat", "");
    HostRun r = Run_Host(d.path(), "run 'job folder/pile 1.dat'");
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_EQ(Read_File(d.path() / "job folder" / "NAMES.DAT"), "pile 1.dat\npile 1.out\npile 1.plt\npile 1.msg\n");
    EXPECT_TRUE(Has(r.out, "Size of input data file is 0 bytes.  No analysis performed.")) << r.out;
    EXPECT_TRUE(Has(r.out, "The analysis stopped on input error No. 25. (return value 125)")) << r.out;
    EXPECT_TRUE(Has(r.out, "Output report:        " + (d.path() / "job folder" / "pile 1.out").string())) << r.out;
    EXPECT_TRUE(fs::exists(d.path() / "job folder" / "pile 1.out"));
    EXPECT_TRUE(fs::exists(d.path() / "job folder" / "pile 1.plt"));
    EXPECT_TRUE(fs::exists(d.path() / "job folder" / "pile 1.msg"));
}

TEST(Host, AbsoluteInputWithAnOutputFolder) {
    RunDir d;
    fs::create_directories(d.path() / "in");
    Write_File(d.path() / "in" / "shaft.dat", "");
    const fs::path input = d.path() / "in" / "shaft.dat";
    HostRun r = Run_Host("/", "run '" + input.string() + "' --out '" + (d.path() / "results").string() + "'");
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_EQ(Read_File(d.path() / "results" / "NAMES.DAT"), "../in/shaft.dat\nshaft.out\nshaft.plt\nshaft.msg\n");
    EXPECT_TRUE(Has(Read_File(d.path() / "results" / "shaft.out"), "INP00025"));
    EXPECT_FALSE(fs::exists(d.path() / "in" / "shaft.out"));
}

TEST(Host, UsageAndHelp) {
    RunDir d;
    HostRun help = Run_Host(d.path(), "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(Has(help.out, "Usage: tarvex run INPUT [--out DIR]")) << help.out;
    EXPECT_EQ(Run_Host(d.path(), "").status, 2);
    EXPECT_EQ(Run_Host(d.path(), "run").status, 2);
    EXPECT_EQ(Run_Host(d.path(), "run missing.dat").status, 2);
    Write_File(d.path() / "a.dat", "");
    EXPECT_EQ(Run_Host(d.path(), "run a.dat --bogus").status, 2);
}

}  // namespace
}  // namespace tarvex_test
