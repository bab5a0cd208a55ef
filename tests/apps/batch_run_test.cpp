// Many analyses from one `tarvex run`: one process per analysis, outputs where
// single runs put them, the result table, exit statuses and interruption.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/host_run.h"
#include "support/run_dir.h"

extern char** environ;

namespace fs = std::filesystem;

namespace tarvex_test {
namespace {

const std::string kExample = Read_File(fs::path(TARVEX_SOURCE_DIR) / "examples" / "soft_clay_free_head_us.dat");
const char* kOutputs[] = {".out", ".plt", ".msg"};

std::string Copy_Name(int i) { return "pile" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".dat"; }

void Write_Copies(const fs::path& folder, int count) {
    fs::create_directories(folder);
    for (int i = 1; i <= count; ++i) Write_File(folder / Copy_Name(i), kExample);
}

// No scratch folder of a run is left in or beside DIR.
bool Scratch_Left(const fs::path& dir) {
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.path().filename().string().rfind(".tarvex-run-", 0) == 0) return true;
    return false;
}

TEST(BatchRun, TenCopiesInParallelGiveTheFilesOfTenSingleRuns) {
    RunDir d;
    Write_Copies(d.path() / "single", 10);
    Write_Copies(d.path() / "batch", 10);
    for (int i = 1; i <= 10; ++i) ASSERT_EQ(Run_Host(d.path() / "single", "run " + Copy_Name(i)).status, 0);

    HostRun r = Run_Host(d.path(), "run -j 2 batch");
    EXPECT_EQ(r.status, 0) << r.out;
    for (int i = 1; i <= 10; ++i) {
        const std::string stem = Copy_Name(i).substr(0, 6);
        for (const char* ext : kOutputs) {
            const std::string single = Read_File(d.path() / "single" / (stem + ext));
            EXPECT_FALSE(single.empty()) << stem << ext;
            EXPECT_EQ(Read_File(d.path() / "batch" / (stem + ext)), single) << stem << ext;
        }
        // One row per file, with the head deflection and maximum moment of the
        // first load case (the "Line 13" record of its plot output file).
        EXPECT_TRUE(Has(r.out, "batch/" + Copy_Name(i) + "             0  The analysis ended normally.  0.410988 in"
                                                          "      1.1513e+06 in-lbs\n"))
            << r.out;
    }
    EXPECT_EQ(r.out.rfind("File              Return value  Meaning                       Head deflection  "
                          "Maximum moment\n", 0), 0u) << r.out;
    EXPECT_TRUE(Has(r.out, "\n10 files: 10 ended normally, 0 stopped on an error.\n")) << r.out;
    EXPECT_FALSE(Has(r.out, "\r")) << "progress is for a terminal only";
    EXPECT_FALSE(fs::exists(d.path() / "batch" / "NAMES.DAT"));
    EXPECT_FALSE(Scratch_Left(d.path()));
}

TEST(BatchRun, ABrokenFileStopsAloneAndTheStatusIsOne) {
    RunDir d;
    Write_Copies(d.path() / "jobs", 4);
    Write_File(d.path() / "jobs" / "broken.dat", "");
    HostRun r = Run_Host(d.path() / "jobs", "run -j 2 pile01.dat pile02.dat broken.dat pile03.dat pile04.dat");
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_TRUE(Has(r.out, "\nbroken.dat           125  The analysis stopped on input error No. 25.")) << r.out;
    EXPECT_TRUE(Has(r.out, "\n5 files: 4 ended normally, 1 stopped on an error.\n")) << r.out;
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(Has(Read_File(d.path() / "jobs" / ("pile0" + std::to_string(i) + ".msg")),
                        "The analysis ended normally. "));
    EXPECT_TRUE(Has(Read_File(d.path() / "jobs" / "broken.out"), "INP00025"));
}

TEST(BatchRun, AFolderInNameOrderWithOneOutputFolderPerInput) {
    RunDir d;
    fs::create_directories(d.path() / "in");
    Write_File(d.path() / "in" / "b.dat", kExample);
    Write_File(d.path() / "in" / "a.DAT", kExample);
    Write_File(d.path() / "in" / "NAMES.DAT", "not a problem\n");
    Write_File(d.path() / "in" / "notes.txt", "not a problem either\n");
    HostRun r = Run_Host(d.path(), "run in --out results -j1");
    EXPECT_EQ(r.status, 0) << r.out;
    const size_t a = r.out.find("in/a.DAT "), b = r.out.find("in/b.dat ");
    EXPECT_TRUE(a != std::string::npos && b != std::string::npos && a < b) << r.out;
    EXPECT_TRUE(Has(r.out, "\n2 files: 2 ended normally")) << r.out;
    // The same files as a single run into the same kind of folder.
    ASSERT_EQ(Run_Host(d.path(), "run in/b.dat --out single/b").status, 0);
    for (const char* ext : kOutputs)
        EXPECT_EQ(Read_File(d.path() / "results" / "b" / (std::string("b") + ext)),
                  Read_File(d.path() / "single" / "b" / (std::string("b") + ext)))
            << ext;
    EXPECT_TRUE(fs::exists(d.path() / "results" / "a" / "a.out"));
    EXPECT_FALSE(fs::exists(d.path() / "in" / "b.out"));
    EXPECT_FALSE(Scratch_Left(d.path()));
}

TEST(BatchRun, BadUsageIsStatusTwo) {
    RunDir d;
    Write_Copies(d.path() / "x", 1);
    Write_Copies(d.path() / "y", 1);
    fs::create_directories(d.path() / "empty");
    struct Case {
        const char* args;
        const char* why;
    } cases[] = {
        {"run -j 0 x y", "-j needs a number of runs from 1 to 4096"},
        {"run -j two x y", "-j needs a number of runs from 1 to 4096"},
        {"run x/pile01.dat x/pile01.dat", "two inputs would write the same outputs: x/pile01.dat and x/pile01.dat"},
        {"run x/pile01.dat y/pile01.dat --out r", "two inputs would write the same outputs"},
        {"run empty x", "no problem files (*.dat) in folder: empty"},
        {"run x missing.dat", "no such input file or folder: missing.dat"},
    };
    for (const Case& c : cases) {
        HostRun r = Run_Host(d.path(), c.args);
        EXPECT_EQ(r.status, 2) << c.args << "\n" << r.out;
        EXPECT_TRUE(Has(r.out, c.why)) << c.args << "\n" << r.out;
    }
    EXPECT_FALSE(fs::exists(d.path() / "x" / "pile01.out"));
}

TEST(BatchRun, AnInterruptStopsTheRestAndLeavesOnlyFinishedOutputs) {
    RunDir d;
    constexpr int kCopies = 40;
    Write_Copies(d.path(), kCopies);
    const std::string tarvex = std::string(TARVEX_BIN_DIR) + "/tarvex";
    const std::string table = (d.path() / "table.txt").string();
    const char* argv[] = {tarvex.c_str(), "run", "-j", "2", d.path().c_str(), nullptr};
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, table.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, tarvex.c_str(), &files, nullptr, const_cast<char**>(argv), environ), 0);
    posix_spawn_file_actions_destroy(&files);

    // Interrupt once the first analysis has put its outputs in place.
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (!fs::exists(d.path() / "pile01.msg") && std::chrono::steady_clock::now() < give_up)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    kill(pid, SIGINT);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 130);

    const std::string out = Read_File(table);
    EXPECT_TRUE(Has(out, "Not run: interrupted.")) << out;
    int finished = 0;
    for (int i = 1; i <= kCopies; ++i) {
        const fs::path stem = d.path() / Copy_Name(i).substr(0, 6);
        const bool any = fs::exists(stem.string() + ".out") || fs::exists(stem.string() + ".plt") ||
                         fs::exists(stem.string() + ".msg");
        if (!any) continue;
        ++finished;
        EXPECT_TRUE(Has(Read_File(stem.string() + ".out"), "The analysis ended normally. ")) << stem;
        EXPECT_TRUE(Has(Read_File(stem.string() + ".plt"), "Line 13:")) << stem;
        EXPECT_TRUE(Has(Read_File(stem.string() + ".msg"), "The analysis ended normally. ")) << stem;
    }
    EXPECT_GE(finished, 1);
    EXPECT_LT(finished, kCopies);
    EXPECT_FALSE(Scratch_Left(d.path()));
}

}  // namespace
}  // namespace tarvex_test
