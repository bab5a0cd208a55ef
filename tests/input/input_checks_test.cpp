// Checks of the problem before the analysis: a pile-response run needs a load case.
#include <gtest/gtest.h>

#include <string>

#include "support/run_dir.h"

namespace tarvex_test {
namespace {

std::string Example_With_Loading(const std::string& loading) {
    std::string text = Read_File(std::string(TARVEX_SOURCE_DIR) + "/examples/soft_clay_free_head_us.dat");
    const size_t at = text.find("LOADING\n");
    return text.substr(0, at) + loading + "END\n";
}

TEST(InputChecks, PileResponseWithoutALoadCaseIsInputError80) {
    RunDir d;
    EXPECT_EQ(d.run(Example_With_Loading("LOADING\n0\n0\n")), 180);
    const std::string block =
        "\n\n**** Input Data Error No. 80 ****\n\n"
        "Problem:  No pile-head load case was specified.  Number of loads = 0\n\n"
        "Solution:  Specify at least one pile-head load case in the LOADING section\n"
        "of the input data.\n\n";
    EXPECT_NE(d.msg().find(block + "\nThe analysis ended due to input error No. 80.\n\n"), std::string::npos)
        << d.msg();
    EXPECT_NE(d.report().find(block + "\n\nTarvex ended prematurely due to input error number INP00080\n"),
              std::string::npos)
        << d.report();
    EXPECT_EQ(d.msg().find("The analysis ended normally."), std::string::npos);
}

TEST(InputChecks, OneLoadCaseIsEnough) {
    RunDir d;
    EXPECT_EQ(d.run(Example_With_Loading("LOADING\n1\n1 1 15000.0 0.0 50000.0 1\n0\n")), 0);
}

}  // namespace
}  // namespace tarvex_test
