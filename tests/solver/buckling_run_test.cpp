// A whole run whose axial thrust exceeds the buckling load of the pile in its
// soil ends with runtime error 44 instead of reporting a response.
#include <gtest/gtest.h>

#include <string>

#include "support/run_dir.h"

namespace tarvex_test {
namespace {

std::string Example_With_Thrust(const std::string& thrust) {
    std::string text = Read_File(std::string(TARVEX_SOURCE_DIR) + "/examples/soft_clay_free_head_us.dat");
    const std::string load = "1 1 15000.0 0.0 50000.0 1";
    const size_t at = text.find(load);
    EXPECT_NE(at, std::string::npos);
    if (at != std::string::npos) text.replace(at, load.size(), "1 1 15000.0 0.0 " + thrust + " 1");
    return text;
}

TEST(BucklingRun, ThrustBeyondTheBucklingLoadEndsWithRuntimeError44) {
    RunDir d;
    EXPECT_EQ(d.run(Example_With_Thrust("1.0E8")), 244);
    const std::string report = d.report();
    EXPECT_NE(report.find("**** Runtime Error No. 44 ****\n\n"
                          "Problem:  The pile is unstable under the axial load: the stiffness of the pile\n"
                          "          on its soil is no longer positive (buckling).\n"),
              std::string::npos);
    EXPECT_EQ(report.find("Computed Values of Pile Loading and Deflection"), std::string::npos);
    EXPECT_NE(d.msg().find("**** Runtime Error No. 44 ****"), std::string::npos);
}

TEST(BucklingRun, TheSameCaseBelowTheBucklingLoadEndsNormally) {
    RunDir d;
    EXPECT_EQ(d.run(Example_With_Thrust("50000.0")), 0);
    EXPECT_NE(d.msg().find("The convergence criteria have been met"), std::string::npos);
}

}  // namespace
}  // namespace tarvex_test
