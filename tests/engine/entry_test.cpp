// Start and end of a call: NAMES.DAT, the run files, the empty input file and
// the format tag.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/entry.h"
#include "engine/store.h"
#include "support/run_dir.h"

namespace tarvex_test {
namespace {

const std::string kFallback = tarvex::kFallbackMessageFile;

std::string Fallback_Block(int n, const std::string& text) {
    return "\n\n**** Runtime Error No. " + std::to_string(n) + " ****\n\n" + text + "\n" +
           "\nThe analysis ended due to runtime error No. " + std::to_string(n) + ".\n\n";
}

// Before the run files are open, report text goes to standard output.
int Call_Capturing_Stdout(const RunDir& d, std::string& out) {
    testing::internal::CaptureStdout();
    int rc = d.call();
    out = testing::internal::GetCapturedStdout();
    return rc;
}

TEST(RunFiles, MissingNamesFileIsRuntimeError2) {
    RunDir d;
    std::string out;
    EXPECT_EQ(Call_Capturing_Stdout(d, out), 202);
    EXPECT_EQ(d.read(kFallback), Fallback_Block(2, "Contents of file NAMES.DAT is corrupted."));
    EXPECT_EQ(out, "\nThe analysis ended due to runtime error No. 2.\n\n");
}

TEST(RunFiles, ShortNamesFileStopsOnTheFirstMissingLine) {
    struct Case {
        const char* names;
        int state;
        const char* text;
    };
    const Case cases[] = {
        {"", 203, "The name of the input data file is corrupted."},
        {"in.dat\n", 204, "The name of the output report file is corrupted."},
        {"in.dat\nout.txt", 205, "The name of the plot output file is corrupted."},
        {"in.dat\nout.txt\nplot.txt\n", 206, "Name of runtime message file is corrupted"},
    };
    for (const auto& c : cases) {
        RunDir d;
        d.write("NAMES.DAT", c.names);
        d.write("in.dat", "TARVEX6\n");
        std::string out;
        EXPECT_EQ(Call_Capturing_Stdout(d, out), c.state) << c.names;
        EXPECT_EQ(d.read(kFallback), Fallback_Block(c.state - 200, c.text)) << c.names;
        EXPECT_FALSE(d.exists("out.txt"));
    }
}

TEST(RunFiles, BlankNameIsRuntimeError17OnStandardError) {
    struct Case {
        const char* names;
        const char* text;
    };
    const Case cases[] = {
        {"   \nout.txt\nplot.txt\nmsg.txt\n",
         "Input data filename information corrupted. No analysis was performed."},
        {"in.dat\n\nplot.txt\nmsg.txt\n",
         "Output filename information is corrupted. No analysis was performed."},
        {"in.dat\nout.txt\n \r\nmsg.txt\n",
         "Plot output filename information is corrupted. No analysis was performed."},
        {"in.dat\nout.txt\nplot.txt\n\n",
         "Run message filename information is corrupted. No analysis performed."},
    };
    for (const auto& c : cases) {
        RunDir d;
        d.write("NAMES.DAT", c.names);
        d.write("in.dat", "TARVEX6\n");
        testing::internal::CaptureStderr();
        std::string out;
        int rc = Call_Capturing_Stdout(d, out);
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(rc, 217);
        EXPECT_EQ(err, std::string("**** Runtime Error No. 17 ****\n\n") + c.text + "\n");
        EXPECT_FALSE(d.exists("out.txt"));
    }
}

TEST(RunFiles, EmptyInputFileIsInputError25) {
    RunDir d;
    EXPECT_EQ(d.run(""), 125);
    EXPECT_EQ(d.report(),
              "\n\nTarvex ended prematurely due to input error number INP00025\n"
              "\n**** Input Data Error No. 25 ****\n"
              "\nLength of input file is 0 bytes.  No analysis can be performed.\n"
              "\nThe analysis ended due to input error No. 25.\n\n");
    EXPECT_EQ(d.msg(),
              "\n\n**** Input Data Error No. 25 ****\n"
              "\nSize of input data file is 0 bytes.  No analysis performed.\n\n"
              "\nThe analysis ended due to input error No. 25.\n\n");
    EXPECT_EQ(d.plot(), "");
    EXPECT_FALSE(d.exists(kFallback));
}

TEST(RunFiles, MissingInputFileIsRuntimeError7) {
    RunDir d;
    d.write("NAMES.DAT", "nothere.dat\nout.txt\nplot.txt\nmsg.txt\n");
    testing::internal::CaptureStderr();
    std::string out;
    EXPECT_EQ(Call_Capturing_Stdout(d, out), 207);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("**** Runtime Error No. 7 ****"), std::string::npos) << err;
    EXPECT_NE(err.find("nothere.dat"), std::string::npos) << err;
}

TEST(RunFiles, ReportThatCannotBeCreatedIsRuntimeError8) {
    RunDir d;
    d.write("NAMES.DAT", "in.dat\nno/such/folder/out.txt\nplot.txt\nmsg.txt\n");
    d.write("in.dat", "TARVEX6\n");
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    EXPECT_EQ(d.call(), 208);
    testing::internal::GetCapturedStdout();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("**** Runtime Error No. 8 ****"), std::string::npos) << err;
}

// Hosts on Windows write CRLF line ends; a CR is not part of a path. Long
// lines are cut at 256 characters, binary bytes never crash the reader, and a
// last line without a line end is still a line.
TEST(RunFiles, NamesFileWithCrlfLongLinesAndNoFinalLineEnd) {
    {
        RunDir d;
        d.write("NAMES.DAT", "in.dat\r\nout.txt\r\nplot.txt\r\nmsg.txt");
        d.write("in.dat", "");
        EXPECT_EQ(d.call(), 125);
        EXPECT_TRUE(d.exists("out.txt"));
        EXPECT_TRUE(d.exists("msg.txt"));
        EXPECT_TRUE(d.exists("plot.txt"));
    }
    {
        RunDir d;
        std::string dots;
        for (int k = 0; k < 125; ++k) dots += "./";
        d.write("NAMES.DAT", "in.dat\n" + dots + "out.txt" + std::string(50, 'x') + "\nplot.txt\nmsg.txt\n");
        d.write("in.dat", "");
        EXPECT_EQ(d.call(), 125);
        EXPECT_TRUE(d.exists("out.tx"));  // the first 256 characters
    }
    {
        RunDir d;
        std::string binary("in.dat\n\x01\xff\x7f\x00zz\nplot.txt\nmsg.txt\n", 30);
        d.write("NAMES.DAT", binary);
        d.write("in.dat", "");
        testing::internal::CaptureStderr();
        std::string out;
        int rc = Call_Capturing_Stdout(d, out);
        testing::internal::GetCapturedStderr();
        EXPECT_TRUE(rc == 125 || rc == 208) << rc;
    }
}

TEST(FormatTag, DispatchOnTheFirstToken) {
    using tarvex::InputFormat;
    struct Case {
        const char* line;
        InputFormat format;
    };
    const Case cases[] = {
        {"TARVEX6", InputFormat::Keyword},
        {"TARVEX6 written by hand", InputFormat::Keyword},
        {"TARVEX6,comment", InputFormat::Keyword},
        {"  TARVEX6", InputFormat::Keyword},
        {"TARVEX67", InputFormat::Keyword},  // the tag is the first seven characters
        {"TARVEX5", InputFormat::Previous},
        {"tarvex6", InputFormat::Untagged},
        {"TARVEX", InputFormat::Untagged},
        {"12.0 1 2", InputFormat::Untagged},
        {"", InputFormat::Untagged},
        {"\x01\xfe\xff", InputFormat::Untagged},
    };
    for (const auto& c : cases) {
        tarvex::Reset_Store();
        EXPECT_EQ(tarvex::Format_Of_First_Line(c.line), c.format) << '"' << c.line << '"';
    }
}

// Runs `tarvex run in.dat` in a process of its own, with the fixed date of RunDir.
int Run_Fresh_Process(const RunDir& d) {
    std::string cmd = "cd '" + d.path().string() + "' && SOURCE_DATE_EPOCH=1700000000 '" +
                      std::string(TARVEX_BIN_DIR) + "/tarvex' run in.dat >/dev/null 2>&1";
    return std::system(cmd.c_str());
}

// Solves `first` then `second` in this process and expects the files of each to
// equal those of a process of its own.
void Expect_Fresh_Files_For_Both(const std::string& first, const std::string& second) {
    const char* names = "in.dat\nin.out\nin.plt\nin.msg\n";
    RunDir fresh_first, fresh_second, one;
    fresh_first.write("in.dat", first);
    fresh_second.write("in.dat", second);
    Run_Fresh_Process(fresh_first);
    Run_Fresh_Process(fresh_second);
    ASSERT_FALSE(fresh_first.read("in.out").empty());
    ASSERT_FALSE(fresh_second.read("in.out").empty());
    one.write("NAMES.DAT", names);
    one.write("in.dat", first);
    one.call();
    for (const char* f : {"in.out", "in.plt", "in.msg"}) EXPECT_EQ(one.read(f), fresh_first.read(f)) << f;
    one.write("in.dat", second);
    one.call();
    for (const char* f : {"in.out", "in.plt", "in.msg"}) EXPECT_EQ(one.read(f), fresh_second.read(f)) << f;
    EXPECT_NE(one.read("in.out"), fresh_first.read("in.out"));
}

std::string Example(const char* name) {
    const std::string text = Read_File(std::string(TARVEX_SOURCE_DIR) + "/examples/" + name);
    EXPECT_FALSE(text.empty()) << name;
    return text;
}

// Nothing of one call survives into the next: two problems solved one after
// the other in one process give the files of two fresh processes.
TEST(Entry, TwoCallsInOneProcessMatchFreshProcesses) {
    Expect_Fresh_Files_For_Both(Example("fixed_head_two_loads_us.dat"), Example("soft_clay_free_head_si.dat"));
}

// Replaces the first `from` in text by `to`.
std::string Edited(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// A large problem (500 increments, an upper clay strong enough to be warned
// about) leaves nodes, soil values and a warning tally behind; the small problem
// after it starts from none of them.
TEST(Entry, SmallProblemAfterALargeOneMatchesAFreshProcess) {
    const std::string small = Example("two_clay_layers_distributed_load_us.dat");
    std::string large = Edited(small, "Increments 120", "Increments 500");
    large = Edited(large, "45.0 300.0 0.02\n45.0 450.0 0.02", "45.0 1500.0 0.02\n45.0 1600.0 0.02");
    Expect_Fresh_Files_For_Both(large, small);
}

}  // namespace
}  // namespace tarvex_test
