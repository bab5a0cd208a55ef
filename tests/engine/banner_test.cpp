// The report banner, the "Files Used for Analysis" block and the date block.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/entry.h"
#include "engine/store.h"
#include "output/report_lines.h"
#include "support/captured.h"

namespace tarvex {
namespace {

const std::string kDashes(80, '-');
const std::string kEquals(80, '=');
const std::string k15(15, ' ');

class ReportHead : public testing::Test {
protected:
    void SetUp() override {
        Reset_Store();
        g.run.VersionString.set("2012-06.030");
    }
    void TearDown() override { Reset_Store(); }
};

TEST_F(ReportHead, Banner) {
    tarvex_test::Captured report(g_Out.report);
    Write_Banner();
    EXPECT_EQ(report.text(), kEquals + "\n\n" + k15 + "   Tarvex for Windows, Version 2012-06.030\n\n" + k15 +
                                 " Analysis of Individual Piles and Drilled Shafts \n" + k15 +
                                 "Subjected to Lateral Loading Using the p-y Method\n\n" + kEquals + "\n\n");
}

TEST_F(ReportHead, FilesBlockSplitsDriveDirectoryNameAndExtension) {
    struct Case {
        const char* input;
        const char* path_line;
        const char* name;
    };
    const Case cases[] = {
        {"C:\\Piles\\Job 7\\shaft.tvx", "C:\\Piles\\Job 7\\", "shaft.tvx"},
        {"/home/eng/piles/shaft.dat", "/home/eng/piles/", "shaft.dat"},
        {"shaft.dat", "", "shaft.dat"},
        {"runs/pile.design", "runs/", "pile.design"},  // the whole extension, not five characters
        {"runs/README", "runs/", "README"},
    };
    for (const auto& c : cases) {
        tarvex_test::Captured report(g_Out.report);
        g.run.InputFileName.set(c.input);
        g.run.OutputFileName.set("out/shaft.out");
        g.run.PlotFileName.set("shaft.plt");
        g.run.RunMessageFileName.set("C:shaft.msg");
        Write_Files_Block();
        EXPECT_EQ(report.text(), kDashes + "\n" + std::string(28, ' ') + "Files Used for Analysis\n" + kDashes +
                                     "\n\nPath to file locations:        " + c.path_line +
                                     "\nName of input data file:       " + c.name +
                                     "\nName of output report file:    shaft.out"
                                     "\nName of plot output file:      shaft.plt"
                                     "\nName of runtime messeage file: shaft.msg\n\n")
            << c.input;
    }
}

TEST_F(ReportHead, DateBlockUsesSourceDateEpoch) {
    tarvex_test::Captured report(g_Out.report);
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);  // 14 November 2023, 22:13:20 UTC
    Write_Date_And_Time();
    setenv("SOURCE_DATE_EPOCH", "1704070861", 1);  // 1 January 2024, 01:01:01 UTC
    Write_Date_And_Time();
    const std::string head = kDashes + "\n" + std::string(27, ' ') + "Date and Time of Analysis\n" + kDashes + "\n\n";
    EXPECT_EQ(report.text(), head + k15 + "Date:  November 14, 2023     Time:  22:13:20\n" + head + k15 +
                                 "Date:  January 1, 2024     Time:   1:01:01\n");
}

}  // namespace
}  // namespace tarvex
