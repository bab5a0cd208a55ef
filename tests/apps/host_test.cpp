// The command-line host: run files, current directory, paths and exit status.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/host_run.h"
#include "support/run_dir.h"

namespace fs = std::filesystem;

namespace tarvex_test {
namespace {

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
    EXPECT_TRUE(Has(help.out, "tarvex run [-j N] [--out DIR] INPUT|FOLDER...")) << help.out;
    HostRun version = Run_Host(d.path(), "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("tarvex " TARVEX_VERSION " (engine interface 6030)\n", 0), 0u) << version.out;
    EXPECT_EQ(Run_Host(d.path(), "").status, 2);
    EXPECT_EQ(Run_Host(d.path(), "run").status, 2);
    EXPECT_EQ(Run_Host(d.path(), "run missing.dat").status, 2);
    Write_File(d.path() / "a.dat", "");
    EXPECT_EQ(Run_Host(d.path(), "run a.dat --bogus").status, 2);
}

}  // namespace
}  // namespace tarvex_test
