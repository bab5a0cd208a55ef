// Checks of the input echo: each input error writes its block to both files
// right after the echo block that shows its data, and nothing after it is
// echoed; a pile-response run needs a load case.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_dir.h"

namespace tarvex_test {
namespace {

std::string Base() { return Read_File(std::string(TARVEX_SOURCE_DIR) + "/examples/soft_clay_free_head_us.dat"); }

std::string Example_With_Loading(const std::string& loading) {
    std::string text = Base();
    const size_t at = text.find("LOADING\n");
    return text.substr(0, at) + loading + "END\n";
}

// `text` with the first occurrence of `from` replaced by `to`.
std::string Sub(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string Lines_Of(const std::vector<std::string>& lines) {
    std::string s;
    for (const std::string& l : lines) s += l + "\n";
    return s;
}

constexpr const char* kLegendEnd = "Axial thrust is assumed to be acting axially for all pile batter angles.\n";

struct ErrorCase {
    int n;
    std::string input;
    std::string before;               // the end of the echo block that shows the data
    std::string block;                // the error block, empty lines before it included
    std::vector<std::string> absent;  // echo blocks that must not follow
};

std::vector<ErrorCase> Error_Cases() {
    const std::string base = Base();
    const std::string pipe = "3\n29000000.0\n24.0\n24.0\n0.5\n0.5\n";
    const std::string py_depths = Sub(base, "PrintPYCurves NO", "PrintPYCurves YES");
    const std::string dashes(80, '-');
    const std::string py_frame = dashes + "\n                   Specified Depths for Output of p-y Curves\n" + dashes + "\n\n";
    const std::string tip = Sub(Sub(base, "UseTipShear NO", "UseTipShear YES"), "END\n",
                                "TIP SHEAR\n3\n1 0.0 0.0\n2 0.1 100.0\n3 0.1 150.0\nEND\n");
    // The block of input error 28, ending with the number of cycles as the report shows it.
    auto cycles_block = [](const std::string& cycles) {
        return Lines_Of({"", "", "**** Input Data Error No. 28 ****", "",
                         "Problem:  Cyclic loading type was specified and the number of cycles of loading",
                         "are outside the valid range of 2 to 5,000.", "",
                         "Solution:  Either correct the number of cycles of loading to be within 2 to 5,000",
                         "or specify static loading.", "Number of cycles of loading = " + cycles});
    };
    const std::string mult = Sub(Sub(Sub(base, "UsePYModifiers NO", "UsePYModifiers YES"), "1 0.0 70.0", "1 2.0 70.0"),
                                 "END\n", "GROUPEFF\n2\n1 0.0 1.0 1.0\n2 70.0 1.0 1.0\nEND\n");
    return {
        {27, Sub(base, pipe, "3\n29000000.0\n24.0\n0.0\n0.5\n0.5\n"),
         "   Elastic Modulus                                     =       29000000. lbs/in^2\n\n\n",
         Lines_Of({"", "**** Input Data Error No. 27 ****", "",
                   "Problem:  Zero values for one of the following values were ",
                   "entered for one or more values of pile diameter.", "",
                   "Solution:  NONE of these values may be zero.  Correct the ",
                   "pile property data in your input data.", ""}),
         {"Ground Slope and Pile Batter Angles"}},
        {28, Sub(base, "Loading STATIC     0", "Loading CYCLIC   1.9"),
         "Cyclic loading criteria were used for computation of p-y curves for all analyses.\n\n"
         "Number of cycles of loading = 1\n",
         cycles_block("1"),
         {"Pile-head Loading and Pile-head Fixity Conditions"}},
        {28, Sub(base, "Loading STATIC     0", "Loading CYCLIC  5001"), "Number of cycles of loading = 5001\n",
         cycles_block("5001"),
         {}},
        // Two faults: the one whose data comes first in the echo is reported.
        {28, Sub(tip, "Loading STATIC     0", "Loading CYCLIC  5001"), "Number of cycles of loading = 5001\n",
         cycles_block("5001"),
         {"Shear Resistance Curve at Pile Tip"}},
        {50, tip, "   3          0.100             150.000\n",
         Lines_Of({"**** Input Data Error No. 50 ****", "",
                   "Problem:   The input data for shear resistance at the pile tip appears to be in error at point 3.",
                   "",
                   "Solution:  Check that the first point is (0,0) and that the x-values sucessively increase in "
                   "deflection and magnitude."}),
         {"Specified Depths for Output of p-y Curves"}},
        {30, Sub(py_depths, "END\n", "DEPTHS OF PRINTED P-Y CURVES\n2\n1 10.0\n2 61.0\nEND\n"), py_frame,
         Lines_Of({"**** Input Data Error No. 30 ****", "",
                   "Problem:  Printing of a p-y curve was specified below the pile tip.", "",
                   "Solution:  Specify printing depths only for depths above the pile tip.", "",
                   "Input Point 2 at   61.00ft  was not printed because it is below the pile tip."}),
         {"Lateral load-transfer (p-y) curves are computed"}},
        {29, Sub(py_depths, "END\n", "DEPTHS OF PRINTED P-Y CURVES\n1\n1 -1.0\nEND\n"), py_frame,
         Lines_Of({"**** Input Data Error No. 29 ****", "",
                   "Problem:  A depth above the ground surface was specified for the printing", "of a p-y curve.", "",
                   "Solution:  Specify a depth between the ground surface and pile tip.", ""}),
         {"Lateral load-transfer (p-y) curves are computed"}},
        {17, Sub(base, "SECTIONS\n1\n1\n11\n60.0\n" + pipe + "36.91371\n36.91371\n2549.354\n2549.354\n", "SECTIONS\n0\n"),
         kLegendEnd,
         Lines_Of({"", "", "**** Input Data Error No. 17 ****", "",
                   "The number of points to define the pile properties is 2 to 40, not the input value of          0",
                   ""}),
         {}},
        {18, Sub(base, "1 0.0 70.0", "1 0.0 50.0"), kLegendEnd,
         Lines_Of({"**** Input Data Error No. 18 ****", "",
                   "Problem: The depth at the bottom of the lowermost soil layer is   0.5000E+02",
                   "         This depth is higher than the tip of the pile at   0.6000E+02.",
                   "Solution: Increase the depth of the soil profile or shorten the pile length."}),
         {}},
        {21, mult, kLegendEnd,
         Lines_Of({"**** Input Data Error No. 21 ****", "",
                   "Problem:  The depth for the first data for p-multipliers is ",
                   "          located at   0.0000E+00 below the top of the pile.",
                   "          The ground surface is located at   0.2000E+01.",
                   "Solution:  Correct the input data so that the first depth for ",
                   "          the p-multiplier data is the same as the elevation as the ", "          ground surface."}),
         {}},
    };
}

// Every check of the echo, in its order: the report ends with the data, the
// block and the stop lines; the runtime message file has the same block and
// no completion line of the echo.
TEST(InputChecks, EveryErrorFollowsTheBlockThatShowsItsDataInBothFiles) {
    for (const ErrorCase& c : Error_Cases()) {
        SCOPED_TRACE("input error " + std::to_string(c.n));
        RunDir d;
        EXPECT_EQ(d.run(c.input), 100 + c.n);
        const std::string report = d.report(), msg = d.msg();
        const std::string code = std::string("INP000") + std::to_string(c.n);
        EXPECT_NE(report.find(c.before + c.block + "\n\nTarvex ended prematurely due to input error number " + code),
                  std::string::npos)
            << report.substr(report.size() > 3000 ? report.size() - 3000 : 0);
        EXPECT_NE(msg.find("Output of input data begun\n" + c.block), std::string::npos) << msg;
        EXPECT_EQ(msg.find("Output of input data completed"), std::string::npos);
        for (const std::string& later : c.absent) EXPECT_EQ(report.find(later), std::string::npos) << later;
    }
}

TEST(InputChecks, CyclesAtTheLimitsAndACorrectTipShearCurvePass) {
    const std::string base = Base();
    for (const char* cycles : {"Loading CYCLIC     2", "Loading CYCLIC  5000"}) {
        RunDir d;
        EXPECT_EQ(d.run(Sub(base, "Loading STATIC     0", cycles)), 0) << cycles;
    }
    RunDir d;
    EXPECT_EQ(d.run(Sub(Sub(base, "UseTipShear NO", "UseTipShear YES"), "END\n",
                        "TIP SHEAR\n3\n1 0.0 0.0\n2 0.1 100.0\n3 0.2 150.0\nEND\n")),
              0);
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
