// Input errors of this reader: counts over a capacity, codes outside their
// range, values of the wrong type and the end of the file before "END", each
// naming the line; and a valid file cut at every line.
#include <gtest/gtest.h>

#include "engine/store.h"
#include "input/keyword_reading.h"
#include "support/run_dir.h"

namespace tarvex_test {
using namespace tarvex;

std::string Capacity_Block(long long count, int line, int limit, std::string_view what) {
    return "\n\n**** Input Data Error No. 76 ****\n\nProblem:  The count of " + std::to_string(count) + " on line " +
           std::to_string(line) + " of the input file exceeds the limit of " + std::to_string(limit) + " " +
           std::string(what) + ".\nSolution: Reduce the count to " + std::to_string(limit) + " or less.\n";
}

std::string Code_Block(long long code, int line, int lo, int hi, std::string_view what) {
    return "\n\n**** Input Data Error No. 77 ****\n\nProblem:  The " + std::string(what) + " " + std::to_string(code) +
           " on line " + std::to_string(line) + " of the input file is outside the range of " + std::to_string(lo) +
           " to " + std::to_string(hi) + ".\nSolution: Correct the code.\n";
}

struct CapacityCase {
    const char* section;  // inserted before "END"; the count is on the line holding `marker`
    const char* marker;
    long long count;
    int limit;
    const char* what;
};

const CapacityCase kCapacityCases[] = {
    {"SOIL LAYERS\n41\n", "41\n", 41, 40, "soil layers"},
    {"SOIL LAYERS\n1\n14 0.0 60.0\n55.0 31\n", "55.0 31\n", 31, 30, "pairs of a user-input p-y curve"},
    {"LOADING\n101\n", "101\n", 101, 100, "pile-head load cases"},
    {"LOADING\n1\n1 1 1.0 0.0 0.0 1\n51\n", "51\n", 51, 50, "distributed-load points"},
    {"AXIAL THRUST LOADS\n101\n", "101\n", 101, 100, "axial thrust loads"},
    {"GROUPEFF\n81\n", "81\n", 81, 80, "p-y multiplier points"},
    {"GROUP EFFECT FACTORS\n2147483647\n", "2147483647\n", 2147483647, 80, "p-y multiplier points"},
    {"TIP SHEAR\n51\n", "51\n", 51, 50, "points of the tip shear curve"},
    {"DEPTHS OF PRINTED P-Y CURVES\n101\n", "101\n", 101, 100, "depths of printed p-y curves"},
};

class CapacityError : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(CapacityError, NamesTheLineTheCountAndTheLimit) {
    const CapacityCase& c = GetParam();
    std::string text = With(c.section, Replace(Fixture("minimal.dat"), "PrintPYCurves NO", "PrintPYCurves YES"));
    const int line = Line_At(text, text.find(c.marker, text.rfind(std::string(c.section).substr(0, 8))));
    ReadResult r = Read_Keyword_Text(text);
    const std::string block = Capacity_Block(c.count, line, c.limit, c.what);
    EXPECT_EQ(r.state, 176);
    EXPECT_EQ(r.report, block + Stop_Lines(76));
    EXPECT_TRUE(r.msg.ends_with(block)) << r.msg;
}

INSTANTIATE_TEST_SUITE_P(Counts, CapacityError, ::testing::ValuesIn(kCapacityCases));

TEST(Capacities, CountsAtTheirLimitAreRead) {
    std::string layers = "SOIL LAYERS\n40\n";
    for (int b = 1; b <= 40; ++b)
        layers += "1 " + std::to_string(b - 1) + ".0 " + std::to_string(b) + ".0\n55 600 0.02\n55 600 0.02\n";
    std::string curve = "SOIL LAYERS\n1\n14 0.0 60.0\n55.0 30\n";
    for (int k = 1; k <= 30; ++k) curve += std::to_string(k) + ".0 " + std::to_string(10 * k) + ".0\n";
    curve += "55.0 0\n";
    std::string mult = "GROUPEFF\n80\n";
    for (int k = 1; k <= 80; ++k) mult += std::to_string(k) + " " + std::to_string(k) + ".0 1.0 1.0\n";
    ReadResult r = Read_Keyword_Text(With(layers + mult));
    ASSERT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(g.pd.i_Number_of_Layers, 40);
    EXPECT_EQ(g.pd.i_NumProfilePoints, 80);
    EXPECT_EQ(g.pd.rd_ProfileDepth(80), 40.0);
    EXPECT_EQ(g.pd.i_NumPYMult, 80);
    EXPECT_EQ(g.pd.rd_PYMultDepth(80), 80.0);
    r = Read_Keyword_Text(With(curve));
    ASSERT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(g.pd.i_UserPyNumPts(1), 30);
    EXPECT_EQ(g.pd.rd_UserPyP(1, 30), 300.0);
    EXPECT_EQ(g.pd.i_UserPyNumPts(2), 0);
}

TEST(CodeRange, LayerModelLoadTypeAndLRFDLoadTypeAreCheckedWhereRead) {
    struct Case { const char* section; const char* marker; long long code; int lo, hi; const char* what; };
    const Case cases[] = {
        {"SOIL LAYERS\n1\n18 0.0 60.0\n", "18 0.0", 18, 1, 17, "p-y model code"},
        {"SOIL LAYERS\n2\n17 0.0 1.0\n0 1.0 60.0\n", "0 1.0", 0, 1, 17, "p-y model code"},
        {"LOADING\n1\n1 6 1.0 0.0 0.0 1\n0\n", "1 6 ", 6, 1, 5, "pile-head load type"},
        {"LOADING\n1\n1 0 1.0 0.0 0.0 1\n0\n", "1 0 ", 0, 1, 5, "pile-head load type"},
        {"LRFD LOADS\n1\n1 14 1.0 1.0 1.0 0\n", "1 14 ", 14, 1, 13, "LRFD load type"},
        {"LRFD LOADS\n1\n1 0 1.0 1.0 1.0 0\n", "1 0 1.0 1.0", 0, 1, 13, "LRFD load type"},
    };
    for (const Case& c : cases) {
        std::string text = With(c.section);
        const int line = Line_At(text, text.rfind(c.marker));
        ReadResult r = Read_Keyword_Text(text);
        EXPECT_EQ(r.state, 177) << c.section;
        EXPECT_EQ(r.report, Code_Block(c.code, line, c.lo, c.hi, c.what) + Stop_Lines(77)) << c.section;
    }
}

TEST(SoilLayers, FrozenSoilReadsOnlyItsHeaderLine) {
    ReadResult r = Read_Keyword_Text(Replace(Fixture("minimal.dat"), "1\n1 0.0 60.0\n55.0 600.0 0.02\n55.0 1200.0 0.01\n",
                                             "2\n17 0.0 10.0\n1 10.0 60.0\n50 500 0.02\n50 600 0.02\n"));
    ASSERT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(g.pd.i_Number_of_Layers, 2);
    EXPECT_EQ(g.pd.i_SoilLayer_py_Type(1), 17);
    EXPECT_EQ(g.pd.rd_ProfileGamma(1), 0.0);
    EXPECT_EQ(g.pd.rd_ProfileGamma(3), 50.0);
    EXPECT_EQ(g.pd.rd_ProfileStrength(4), 600.0);
    EXPECT_EQ(g.pd.XGround, 0.0);
}

TEST(SoilLayers, GroundIsTheTopOfTheFirstLayer) {
    ReadResult r = Read_Keyword_Text(With("SOIL LAYERS\n1\n1 2.5 60.0\n50 500 0.02\n50 600 0.02\n"));
    ASSERT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(g.pd.XGround, 2.5);
    EXPECT_EQ(g.pd.rd_GammaDepth(1), 2.5);
}

TEST(ValueType, AValueThatDoesNotFitItsTypeNamesItsLine) {
    struct Case { const char* from; const char* to; const char* value; const char* kind; };
    const Case cases[] = {
        {"MaxIterations 100", "MaxIterations 100.0", "100.0", "an integer"},
        {"Increments 100", "Increments 1e2", "1e2", "an integer"},
        {"MaxDeflection 100.0", "MaxDeflection ten", "ten", "a real number"},
        {"Loading STATIC     0", "Loading STATIC  1x0", "1x0", "a real number"},
        {"1 0.0 60.0", "1 0.0 6O.0", "6O.0", "a real number"},
        {"LOADING\n1\n", "LOADING\none\n", "one", "an integer"},
    };
    for (const Case& c : cases) {
        std::string text = Replace(Fixture("minimal.dat"), c.from, c.to);
        const int line = Line_At(text, text.find(c.to) + (std::string(c.to).starts_with("LOADING") ? 8 : 0));
        ReadResult r = Read_Keyword_Text(text);
        const std::string block = "\n\n**** Input Data Error No. 74 ****\n\nProblem:  The value \"" + std::string(c.value) +
                                  "\" on line " + std::to_string(line) + " of the input file cannot be read as " +
                                  c.kind + ".\nSolution: Correct the value; integers are written without a decimal point.\n";
        EXPECT_EQ(r.state, 174) << c.to;
        EXPECT_EQ(r.report, block + Stop_Lines(74)) << c.to;
        EXPECT_TRUE(r.msg.ends_with(block)) << c.to;
    }
}

TEST(EndOfFile, AFileWithoutENDEndsWithError75) {
    std::string text = Fixture("minimal.dat");
    text = text.substr(0, text.rfind("END"));
    ReadResult r = Read_Keyword_Text(text);
    const std::string block =
        "\n\n**** Input Data Error No. 75 ****\n\nProblem:  The input file ends after line 46 before all data were read.\n"
        "Solution: Complete the input file; its last line must read END.\n";
    EXPECT_EQ(r.state, 175);
    EXPECT_EQ(r.report, block + Stop_Lines(75));
    EXPECT_TRUE(r.msg.ends_with(block));
}

// Every prefix of a valid file, through the entry point: an input error, a
// final status line in both files, never a normal end.
TEST(EndOfFile, AValidFileCutAtEveryLineEndsWithAnInputError) {
    const std::string text = Fixture("complete.dat");
    std::vector<size_t> ends;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n') ends.push_back(i + 1);
    ASSERT_GT(ends.size(), 300u);
    RunDir d;
    for (size_t k = 0; k + 1 < ends.size(); ++k) {
        const int rc = d.run(text.substr(0, ends[k]));
        ASSERT_GT(rc, 100) << "cut after line " << k + 1;
        ASSERT_LT(rc, 200) << "cut after line " << k + 1;
        const std::string status = "\nThe analysis ended due to input error No. " + std::to_string(rc - 100) + ".\n\n";
        ASSERT_TRUE(d.msg().ends_with(status)) << "cut after line " << k + 1;
        ASSERT_TRUE(d.report().ends_with(status)) << "cut after line " << k + 1;
        ASSERT_EQ(d.msg().find("ended normally"), std::string::npos);
    }
    // cut inside the last line, "END" itself
    EXPECT_EQ(d.run(text.substr(0, text.size() - 2)), 199);
}

}  // namespace tarvex_test

namespace tarvex_test {

// Layer tops are made contiguous with the bottoms above them; a layer that
// starts above the bottom of the layer over it would keep profile points at
// its own top: input error 83 names both layers and their depths. A gap stays
// allowed and is closed later.
TEST(SoilLayers, OverlappingLayersAreInputError83) {
    const std::string text = With("SOIL LAYERS\n2\n1 0.0 30.0\n55 600 0.02\n55 900 0.02\n"
                                  "1 20.0 60.0\n55 900 0.02\n55 1200 0.01\n");
    const int line = Line_At(text, text.find("1 20.0 60.0"));
    ReadResult r = Read_Keyword_Text(text);
    EXPECT_EQ(r.state, 183);
    const std::string block = "\n\n**** Input Data Error No. 83 ****\n\nProblem:  Soil layer 2 starts at a depth of "
                              "20.00000000, above the bottom of soil layer 1 at 30.00000000 (line " +
                              std::to_string(line) +
                              " of the input file).\nSolution: Correct the layer depths so that each layer starts at "
                              "or below the bottom of the layer above it.\n";
    EXPECT_EQ(r.report, block + Stop_Lines(83));
    EXPECT_TRUE(r.msg.ends_with(block)) << r.msg;

    EXPECT_EQ(Read_Keyword_Text(With("SOIL LAYERS\n2\n1 0.0 30.0\n55 600 0.02\n55 900 0.02\n"
                                     "1 30.0 60.0\n55 900 0.02\n55 1200 0.01\n")).state, 0);
    EXPECT_EQ(Read_Keyword_Text(With("SOIL LAYERS\n2\n1 0.0 30.0\n55 600 0.02\n55 900 0.02\n"
                                     "1 35.0 60.0\n55 900 0.02\n55 1200 0.01\n")).state, 0);
}

// The echo and the solver divide the moment of a user-defined curve by its
// bending stiffness: a stiffness of zero or less is input error 84.
TEST(UserEI, AStiffnessOfZeroOrLessIsInputError84) {
    for (const char* ei : {"0.0", "-5.0"}) {
        SCOPED_TRACE(ei);
        const std::string text = With_Sections(std::string("1\n1\n13\n50.0\n36.0\n1\n0.0\n2\n1000000.0\n2.968E11\n"
                                                           "2000000.0\n") + ei + "\n");
        const int line = Line_At(text, text.rfind(std::string("\n") + ei + "\n") + 1);
        ReadResult r = Read_Keyword_Text(text);
        EXPECT_EQ(r.state, 184);
        const std::string value = std::string(ei) == "0.0" ? "0.0000000" : "-5.00000000";
        const std::string block = "\n\n**** Input Data Error No. 84 ****\n\nProblem:  The bending stiffness of point 2 "
                                  "for axial thrust 1 of section 1 is " + value + " (line " + std::to_string(line) +
                                  " of the input file).\nSolution: Give every point of a user-defined curve a "
                                  "positive bending stiffness.\n";
        EXPECT_EQ(r.report, block + Stop_Lines(84));
        EXPECT_TRUE(r.msg.ends_with(block)) << r.msg;
    }
}

}  // namespace tarvex_test
