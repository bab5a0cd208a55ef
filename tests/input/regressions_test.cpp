// Hostile and fuzz-found inputs: each file of fixtures/regressions ends, through
// the entry point, normally or with an input error, never with an internal
// runtime error, and with its status line written.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/internal_errors.h"
#include "engine/store.h"
#include "input/keyword_reading.h"
#include "support/run_dir.h"

namespace tarvex_test {
namespace fs = std::filesystem;

struct Expected {
    const char* file;
    int state;  // error state after the reader
};

// What each hand-written hostile input must give; files found by the fuzzer
// need only end without an internal error.
const Expected kExpected[] = {
    {"negative_counts.dat", 181},        // nothing read, and no OPTIONS section
    {"huge_repeat_count.dat", 175},      // the repeat gives 100 iterations, then the file ends
    {"negative_bar_positions.dat", 178}, // -20 positions of -10 bars cannot be placed
    {"square_of_299_strands.dat", 181},  // the strands are read; the file has no OPTIONS section
    {"long_and_nul_lines.dat", 199},     // "E\0ND" is not a keyword
    {"negative_distributed_load_count.dat", 0},  // no distributed load
    {"huge_print_increment.dat", 0},     // the table shows the head node only
    {"no_options_two_head_type4_loads.dat", 181},  // no increments, iterations nor tolerance
    {"soil_layers_given_twice.dat", 182},
    {"overlapping_layers.dat", 183},     // layer 2 starts at 20 ft, layer 1 ends at 30 ft
    {"user_ei_of_zero.dat", 184},        // point 2 of the curve has EI = 0
};

TEST(Regressions, EveryFileEndsNormallyOrWithAnInputError) {
    const fs::path dir = fs::path(TARVEX_SOURCE_DIR) / "tests/input/fixtures/regressions";
    int files = 0;
    RunDir d;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        const std::string text = Read_File(entry.path());
        ++files;
        const int rc = d.run(text);
        for (int internal : {tarvex::kCapacityRuntimeError, tarvex::kMemoryRuntimeError, tarvex::kUnexpectedRuntimeError})
            EXPECT_NE(rc, 200 + internal) << name;
        EXPECT_NE(d.msg().find("\nThe analysis ended"), std::string::npos) << name;
        for (const Expected& e : kExpected)
            if (name == e.file) EXPECT_EQ(Read_Keyword_Text(text).state, e.state) << name;
    }
    EXPECT_GE(files, 5);
}

TEST(Regressions, NegativeSectionCountKeepsTwiceItInRange) {
    // The count is kept before the missing OPTIONS section ends the reading.
    ASSERT_EQ(Read_Keyword_Text("TARVEX6\nSECTIONS\n-2147483648\nEND\n").state, 181);
    EXPECT_EQ(tarvex::g.pd.i_NumSections, -2147483647 - 1);
    EXPECT_EQ(tarvex::g.pd.i_NumPilePoints, -2147483647 - 1);
}

TEST(Regressions, SquareOf299StrandsPlaces298AndLeavesTheLastAtTheCentre) {
    ASSERT_EQ(Read_Keyword_Text(Fixture("regressions/square_of_299_strands.dat")).state, 181);
    const tarvex::PileSection& sec = tarvex::g.pd.Section(1);
    EXPECT_EQ(sec.i_NumStrands, 299);
    EXPECT_EQ(sec.rd_BarX(299), 0.0);
    EXPECT_EQ(sec.rd_BarY(299), 0.0);
    EXPECT_NE(sec.rd_BarX(298), 0.0);
}

}  // namespace tarvex_test
