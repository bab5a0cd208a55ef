// Pile section records: bar and strand placement, the strand table, the
// shapes of elastic sections, and the error blocks of the section lines.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/store.h"
#include "input/keyword_reading.h"
#include "input/section_records.h"

namespace tarvex_test {
using namespace tarvex;

constexpr double kPi = 3.141592653589793;

// A drilled shaft (type 1) of 36 in with the given bar lines.
std::string Shaft(std::string_view concrete_and_bars) {
    return "1\n1\n1\n50.0\n36.0\n" + std::string(concrete_and_bars);
}

constexpr const char* kConcrete = "4000.0\n0.75\nUse default concrete tensile strength\nUse internal stress-strain curve for concrete\n";

// A circular arrangement: positions, bars per position, diameter, cover.
std::string Circle(int n, int nb, double d, double c) {
    return std::string(kConcrete) + "Rebar Arrangement Not Same As Section Above\nRebar in circle\n60000\n29000000\n" +
           std::to_string(n) + "\n" + std::to_string(nb) + "\n" + std::to_string(d) + "\n0.79\n" + std::to_string(c) +
           "\n0.0\n";
}

TEST(BarsOnCircle, EightPositionsOfTwoBarsAroundThePositiveXAxis) {
    BarCoords x, y;
    double d = 1.0;
    ASSERT_TRUE(Place_Bars_On_Circle(x, y, 36.0, 3.0, d, 8, 2));
    const double R = 14.5, r = 1.0 / R;
    EXPECT_NEAR(x(1), R * std::cos(-r / 2), 1e-12);
    EXPECT_NEAR(y(1), R * std::sin(-r / 2), 1e-12);
    EXPECT_NEAR(y(2), R * std::sin(r / 2), 1e-12);
    EXPECT_NEAR(x(15), R * std::cos(7 * kPi / 4 - r / 2), 1e-12);
    EXPECT_NEAR(y(16), R * std::sin(7 * kPi / 4 + r / 2), 1e-12);
    EXPECT_EQ(x(17), 0.0);
}

TEST(BarsOnCircle, SingleBundlesAndBundlesOfThree) {
    BarCoords x, y;
    double d = 1.0;
    ASSERT_TRUE(Place_Bars_On_Circle(x, y, 36.0, 3.0, d, 4, 1));
    const double R = 14.5;
    const double at[4][2] = {{R, 0}, {0, R}, {-R, 0}, {0, -R}};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_NEAR(x(k), at[k - 1][0], 1e-12);
        EXPECT_NEAR(y(k), at[k - 1][1], 1e-12);
    }
    ASSERT_TRUE(Place_Bars_On_Circle(x, y, 36.0, 3.0, d, 1, 1));
    EXPECT_EQ(x(1), 0.0);
    EXPECT_EQ(y(1), 0.0);
    ASSERT_TRUE(Place_Bars_On_Circle(x, y, 36.0, 3.0, d, 1, 2));
    EXPECT_EQ(x(1), -0.5);
    EXPECT_EQ(x(2), 0.5);
    ASSERT_TRUE(Place_Bars_On_Circle(x, y, 36.0, 3.0, d, 2, 3));
    const double R3 = R - 0.8660254037844386;
    EXPECT_NEAR(x(3), R3, 1e-12);
    EXPECT_NEAR(x(6), -R3, 1e-12);
    EXPECT_NEAR(y(4), R * std::sin(kPi - 1.0 / R / 2), 1e-12);
    ASSERT_TRUE(Place_Bars_On_Circle(x, y, 36.0, 3.0, d, 4, 4));  // bundles of four are not placed
    EXPECT_EQ(x(1), 0.0);
    d = 150.0;
    ASSERT_TRUE(Place_Bars_On_Circle(x, y, 300.0, 3.0, d, 4, 1));  // a diameter above 100 is taken as 0
    EXPECT_EQ(d, 0.0);
    EXPECT_NEAR(x(1), 147.0, 1e-12);
}

TEST(BarsOnCircle, InvalidInputIsRefused) {
    struct Case { double D, c, d; int n, nb; };
    const Case cases[] = {{0.5, 3, 1, 4, 1}, {0, 3, -1, 4, 1}, {36, 0, 1, 4, 1}, {36, -1, 1, 4, 1}, {36, 3, 1, 0, 1},
                          {36, 3, 1, 301, 1}, {36, 3, 1, 4, 0}, {36, 17.5, 1, 4, 1}, {36, 3, 1, 101, 3}};
    for (const Case& c : cases) {
        BarCoords x, y;
        double d = c.d;
        EXPECT_FALSE(Place_Bars_On_Circle(x, y, c.D, c.c, d, c.n, c.nb)) << c.D << " " << c.c << " " << c.n;
    }
}

// Half side a = (20 - 1) / 2 - 2 = 7.5.
std::vector<std::pair<double, double>> Square(int n, int pattern) {
    BarCoords x, y;
    x.fill(99.0);
    Place_Strands_On_Square(x, y, 20.0, 2.0, 1.0, n, pattern);
    std::vector<std::pair<double, double>> p;
    for (int k = 1; k <= std::max(n, 3); ++k) p.emplace_back(x(k), y(k));
    return p;
}

TEST(StrandsOnSquare, ExamplesOfBothPatterns) {
    using P = std::vector<std::pair<double, double>>;
    EXPECT_EQ(Square(6, 1), (P{{-7.5, -7.5}, {0, -7.5}, {7.5, -7.5}, {7.5, 7.5}, {0, 7.5}, {-7.5, 7.5}}));
    EXPECT_EQ(Square(6, 2), (P{{-7.5, -7.5}, {7.5, -7.5}, {7.5, 0}, {7.5, 7.5}, {-7.5, 7.5}, {-7.5, 0}}));
    const P twelve{{-7.5, -7.5}, {-2.5, -7.5}, {2.5, -7.5}, {7.5, -7.5}, {7.5, 0},  {7.5, 5},
                   {7.5, 7.5},   {2.5, 7.5},   {-2.5, 7.5}, {-7.5, 7.5}, {-7.5, 0}, {-7.5, -5}};
    EXPECT_EQ(Square(12, 1), twelve);
    EXPECT_EQ(Square(12, 2), twelve);
}

TEST(StrandsOnSquare, OddCountsLeaveTheLastStrandAtTheCentre) {
    using P = std::vector<std::pair<double, double>>;
    EXPECT_EQ(Square(5, 1), (P{{-7.5, -7.5}, {7.5, -7.5}, {7.5, 7.5}, {-7.5, 7.5}, {0, 0}}));
    P nine = Square(9, 2);
    EXPECT_EQ(nine[8], (std::pair<double, double>{0, 0}));
    EXPECT_EQ(nine[7], (std::pair<double, double>{-7.5, 0}));
    EXPECT_EQ(Square(7, 1).back(), (std::pair<double, double>{0, 0}));
}

TEST(StrandsOnSquare, CountsBelowFour) {
    using P = std::vector<std::pair<double, double>>;
    EXPECT_EQ(Square(1, 1), (P{{0, 0}, {0, 0}, {0, 0}}));
    EXPECT_EQ(Square(2, 1), (P{{-7.5, -7.5}, {7.5, 7.5}, {-7.5, 7.5}}));
    EXPECT_EQ(Square(3, 1), (P{{-7.5, -7.5}, {7.5, 7.5}, {0, 0}}));
    EXPECT_EQ(Square(3, 2), (P{{0, 0}, {0, 0}, {0, 0}}));
}

TEST(StrandTable, SIStrandOfType1Size3) {
    Read_Keyword_Text(With_Sections("0\n", "Units SI"));
    Set_Strand_Properties(1, 1, 1, 3);
    const double inch = double(0.0254f);
    EXPECT_EQ(g.pd.Section(1).rd_BarDiam(1), 0.5 * inch);
    EXPECT_EQ(g.pd.Section(1).rd_BarArea(1), double(0.153f) * inch * inch);
    EXPECT_EQ(g.pd.Section(1).rd_StrandFpu, 270000.0);
    EXPECT_EQ(g.pd.Section(1).rd_BarModulus, 193053200.0);
}

TEST(StrandTable, EveryTypeAndASizeOutsideItsRow) {
    Read_Keyword_Text(With_Sections("0\n"));
    const PileSection& sec = g.pd.Section(1);
    struct Case { int type, size; double fpu, modulus; float d, a; };
    const Case cases[] = {{0, 0, 250000, 28000, 0.34f, 0.058f}, {0, 6, 250000, 28000, 0.6f, 0.216f},
                          {1, 7, 270000, 28000, 0.7f, 0.294f},  {2, 1, 300000, 28000, 0.438f, 0.115f},
                          {3, 5, 145000, 29000, 1.375f, 1.485f}, {4, 2, 160000, 29000, 1.0f, 0.785f},
                          {5, 0, 157000, 29000, 0.625f, 0.28f}, {5, 1, 150000, 29000, 1.0f, 0.85f},
                          {5, 4, 160000, 29000, 1.25f, 1.25f},  {5, 5, 150000, 29000, 1.375f, 1.58f}};
    for (const Case& c : cases) {
        Set_Strand_Properties(1, 2, c.type, c.size);
        EXPECT_EQ(sec.rd_StrandFpu, c.fpu) << c.type << " " << c.size;
        EXPECT_EQ(sec.rd_BarModulus, c.modulus);
        EXPECT_EQ(sec.rd_BarDiam(2), double(c.d));
        EXPECT_EQ(sec.rd_BarArea(2), double(c.a));
    }
    EXPECT_EQ(sec.rd_BarDiam(2), double(1.375f));
    Set_Strand_Properties(1, 2, 2, 5);  // size outside the row of type 2
    EXPECT_EQ(sec.rd_BarDiam(2), double(1.375f));
    EXPECT_EQ(sec.rd_StrandFpu, 300000.0);
}

TEST(SectionRecords, ElasticShapesGiveTheirPYWidth) {
    struct Case { int type, shape; const char* lines; double width_top, width_bottom; };
    const Case cases[] = {
        {11, 1, "3E7\n10\n12\n20\n22\n200\n220\n1000\n1100\n", 10, 12},
        {11, 2, "3E7\n10\n12\n78\n113\n490\n1017\n", 10, 12},
        {11, 3, "3E7\n10\n12\n0.5\n0.6\n15\n22\n170\n390\n", 10, 12},
        {11, 5, "3E7\n14\n13.6\n0.7\n0.5\n21\n230\n", 13.6, 13.6},
        {12, 1, "3E7\n5E6\n6E6\n10\n12\n20\n22\n200\n220\n1000\n1100\n", 10, 12},
        {12, 5, "3E7\n5E6\n14\n13.6\n0.7\n0.5\n21\n230\n", 13.6, 13.6},
        {12, 6, "3E7\n5E6\n6E6\n10\n9\n78\n63\n490\n322\n30\n", 30, 30},
    };
    for (const Case& c : cases) {
        std::string record = "1\n1\n" + std::to_string(c.type) + "\n50.0\n" + std::to_string(c.shape) + "\n" + c.lines;
        ReadResult r = Read_Keyword_Text(With_Sections(record));
        ASSERT_EQ(r.state, 0) << c.type << " " << c.shape << r.report;
        EXPECT_EQ(g.pd.rd_PilePointDiam(1), c.width_top) << c.type << " " << c.shape;
        EXPECT_EQ(g.pd.rd_PilePointDiam(2), c.width_bottom) << c.type << " " << c.shape;
        EXPECT_EQ(g.pd.rd_PilePointE(2), 3e7);
        EXPECT_EQ(g.pd.rd_PileLength, 50.0);
    }
    EXPECT_EQ(g.pd.Section(1).rd_PlasticMomentBottom, 6e6);
    EXPECT_EQ(g.pd.rd_PilePointPoleWidth(2), 9.0);
    EXPECT_EQ(g.pd.rd_PilePointArea(1), 78.0);
    EXPECT_EQ(g.pd.rd_PilePointI(2), 322.0);
}

TEST(SectionRecords, SIElasticValuesAreConvertedButNotTheModulusOrPlasticMoment) {
    std::string record = "1\n1\n12\n5.0\n3\n2E8\n900\n910\n600\n500\n10\n12\n18000\n17000\n6E8\n5E8\n";
    ASSERT_EQ(Read_Keyword_Text(With_Sections(record, "Units SI")).state, 0);
    const PileSection& sec = g.pd.Section(1);
    EXPECT_EQ(sec.rd_ElasModulus, 2e8);
    EXPECT_EQ(sec.rd_PlasticMomentTop, 900.0);
    EXPECT_EQ(sec.rd_ElasWidthTop, 600.0 / 1000);
    EXPECT_EQ(sec.rd_ElasDepthBottom, 12.0 / 1000);  // wall thickness of the pipe
    EXPECT_EQ(sec.rd_ElasAreaTop, 18000.0 / 1e6);
    EXPECT_EQ(sec.rd_ElasInertiaBottom, 5e8 / 1e12);
    EXPECT_EQ(g.pd.rd_PilePointDiam(2), 0.5);
}

TEST(SectionRecords, AMicropileDoesNotLengthenThePile) {
    std::string records = "2\n1\n14\n7.0\n2\n4\n20.0\n24.0\n0.5\n36000\n29000000\n";
    ReadResult r = Read_Keyword_Text(With_Sections(records));
    ASSERT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(g.pd.rd_PileLength, 20.0);
    EXPECT_EQ(g.pd.rd_PilePointX(1), 0.0);
    EXPECT_EQ(g.pd.rd_PilePointX(2), 0.0);
    EXPECT_EQ(g.pd.rd_PilePointX(3), 0.0);
    EXPECT_EQ(g.pd.rd_PilePointX(4), 20.0);
    EXPECT_EQ(g.pd.rd_PilePointDiam(3), 24.0);
    EXPECT_EQ(g.pd.i_NumPilePoints, 4);
}

TEST(SectionRecords, CircularRebarOffsetMovesEveryBar) {
    std::string bars = Circle(5, 3, 1.0, 3.0);
    bars = Replace(bars, "\n0.0\n", "\n2.0\n");
    ASSERT_EQ(Read_Keyword_Text(With_Sections(Shaft(bars))).state, 0);
    const PileSection& sec = g.pd.Section(1);
    EXPECT_EQ(sec.i_NumBars, 15);
    BarCoords x, y;
    double d = 1.0;
    Place_Bars_On_Circle(x, y, 36.0, 3.0, d, 5, 3);
    for (int k = 1; k <= 15; ++k) EXPECT_EQ(sec.rd_BarY(k), y(k) + 2.0) << k;
}

struct SectionErrorCase {
    const char* name;
    std::string records;  // the "SECTIONS" part
    int state;
    std::string report;  // the report before the stop lines
};

std::vector<SectionErrorCase> Section_Error_Cases() {
    const std::string bars = "Rebar Arrangement Not Same As Section Above\n";
    const std::string strands = "1\n1\n5\n50.0\n24.0\n" + std::string(kConcrete);
    std::string many_sections = "21\n";
    return {
        {"OutOfOrder", "1\n2\n11\n", 195, "SECTION DATA OUT-OF-ORDER\n\nExpecting section number 1, but section number 2 was found\n"},
        {"TensileStrength", Shaft("4000\n0.75\nUse default tensile strength\n"), 195,
         "\nINPUT ERROR - Unrecognized command for concrete tensile strength option\n"},
        {"CurveOption", Shaft("4000\n0.75\nUse default concrete tensile strength\nUse internal curve\n"), 195,
         "\nINPUT ERROR - Unrecognized input for concrete stress-strain option\n"},
        {"CurveSequence",
         Shaft("4000\n0.75\nOverride concrete tensile strength\n400\nInput stress-strain curve for concrete\n3\n1 0 0\n3 0.001 2000\n"),
         195,
         "\nINPUT ERROR - Sequence error encountered when reading concrete stress-strain curve\n\n"
         "Expecting line no. 2 but line no. 3 was read\n\n\n"},
        {"RebarContinuation", Shaft(std::string(kConcrete) + "Rebar Same As Above\n"), 195,
         "\nINPUT ERROR - Unrecognized command for rebar continuation from section above option\n"},
        {"StrandOption", strands + "Automatic strands\n", 195, "INPUT ERROR - Unrecognized input for strand no. 1\n\n"},
        {"StrandOrder", strands + "Manually-positioned strands\n1\n2\n100000\n0.1\n1 1 3 5.0 0.0\n3 1 3 -5.0 0.0\n", 195,
         "INPUT ERROR - Input out-of-order for strand no. \n"},
        {"TooManySections", many_sections, 117,
         "\n\n**** Input Data Error No. 17 ****\n\n"
         "The number of points to define the pile properties is 2 to 40, not the input value of         42\n\n"},
        {"SectionType", "1\n1\n15\n", 177,
         "\n\n**** Input Data Error No. 77 ****\n\n"
         "Problem:  The section type 15 on line 28 of the input file is outside the range of 0 to 14.\n"
         "Solution: Correct the code.\n"},
        {"SectionTypeMinus1", "1\n1\n-1\n", 177,
         "\n\n**** Input Data Error No. 77 ****\n\n"
         "Problem:  The section type -1 on line 28 of the input file is outside the range of 0 to 14.\n"
         "Solution: Correct the code.\n"},
        {"ElasticShape", "1\n1\n11\n50\n7\n", 177,
         "\n\n**** Input Data Error No. 77 ****\n\n"
         "Problem:  The elastic section shape 7 on line 30 of the input file is outside the range of 1 to 6.\n"
         "Solution: Correct the code.\n"},
        {"StrandType", strands + "Autoposition strands\n6\n", 177,
         "\n\n**** Input Data Error No. 77 ****\n\n"
         "Problem:  The strand type 6 on line 36 of the input file is outside the range of 0 to 5.\n"
         "Solution: Correct the code.\n"},
        {"BarPattern", Shaft(std::string(kConcrete) + bars + "Rebar in spiral\n"), 179,
         "\n\n**** Input Data Error No. 79 ****\n\n"
         "Problem:  Line 36 of the input file, in section 1, is neither \"Rebar in circle\" nor\n"
         "          \"Rebar in noncircular pattern\".\n"
         "Solution: Correct the bar pattern line of the section.\n"},
        {"BarCircle", Shaft(Circle(8, 1, 1.0, 0.0)), 178,
         "\n\n**** Input Data Error No. 78 ****\n\n"
         "Problem:  The bars or strands of section 1 (ending on line 44 of the input file) cannot be placed on a circle.\n"
         "          The bar diameter exceeds the section diameter, the cover is not positive,\n"
         "          or there are no positions or bars, or more bars than 300.\n"
         "Solution: Correct the section diameter, the cover or the bar arrangement.\n"},
        {"StrandCircle", strands + "Autoposition strands\n1\n3\n0\n100000\n0.1\n3.0\n0\n", 178,
         "\n\n**** Input Data Error No. 78 ****\n\n"
         "Problem:  The bars or strands of section 1 (ending on line 42 of the input file) cannot be placed on a circle.\n"
         "          The bar diameter exceeds the section diameter, the cover is not positive,\n"
         "          or there are no positions or bars, or more bars than 300.\n"
         "Solution: Correct the section diameter, the cover or the bar arrangement.\n"},
    };
}

class SectionError : public ::testing::TestWithParam<SectionErrorCase> {};

TEST_P(SectionError, WritesItsBlockAndStops) {
    const SectionErrorCase& c = GetParam();
    ReadResult r = Read_Keyword_Text(With_Sections(c.records));
    EXPECT_EQ(r.state, c.state);
    EXPECT_EQ(r.report, c.report + Stop_Lines(c.state - 100));
}

INSTANTIATE_TEST_SUITE_P(Records, SectionError, ::testing::ValuesIn(Section_Error_Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SectionRecords, TwentySectionsAreReadAndTwentyOneRefusedBeforeAnyIsRead) {
    std::string records = "20\n";
    for (int s = 1; s <= 20; ++s) records += std::to_string(s) + "\n14\n1.0\n";
    EXPECT_EQ(Read_Keyword_Text(With_Sections(records)).state, 0);
    EXPECT_EQ(g.pd.i_NumSections, 20);
    EXPECT_EQ(g.pd.i_NumPilePoints, 40);
    ReadResult r = Read_Keyword_Text(With_Sections("21\n" + records.substr(3)));
    EXPECT_EQ(r.state, 117);
    EXPECT_EQ(r.msg.find("Reading section properties"), std::string::npos);
    // The block goes to the runtime message file as well as to the report.
    EXPECT_EQ(r.msg, "Reading title data\nReading analysis options\n\n\n**** Input Data Error No. 17 ****\n\n"
                     "The number of points to define the pile properties is 2 to 40, not the input value of "
                     "        42\n\n");
    EXPECT_EQ(g.pd.i_NumSections, 0);
}

}  // namespace tarvex_test

namespace tarvex_test {

TEST(SectionRecords, BarStrandCurveAndUserEICountsOverTheirCapacity) {
    const std::string arrangement = std::string(kConcrete) + "Rebar Arrangement Not Same As Section Above\n";
    const std::string strands = "1\n1\n5\n50.0\n24.0\n" + std::string(kConcrete);
    // lines_after: lines of the records after the line that completes the count
    struct Case { std::string records; long long count; int limit; const char* what; int lines_after = 0; };
    const Case cases[] = {
        {Shaft(arrangement + "Rebar in noncircular pattern\n60000\n29000000\n301\n"), 301, 300, "reinforcing bars"},
        // positions x bars per position, named on the bars-per-position line (diameter, area, cover, offset follow)
        {Shaft(Circle(151, 2, 1.0, 3.0)), 302, 300, "reinforcing bars", 4},
        {Shaft(Circle(2147483647, 3, 1.0, 3.0)), 6442450941LL, 300, "reinforcing bars", 4},
        {strands + "Autoposition strands\n1\n3\n301\n", 301, 300, "prestressing strands"},
        {strands + "Manually-positioned strands\n1\n400\n", 400, 300, "prestressing strands"},
        {Shaft("4000\n0.75\nUse default concrete tensile strength\nInput stress-strain curve for concrete\n101\n"), 101,
         100, "points of a concrete stress-strain curve"},
        {"1\n1\n13\n50\n24\n101\n", 101, 100, "axial thrusts of a user-defined EI section"},
        {"1\n1\n13\n50\n24\n1\n0.0\n151\n", 151, 150, "points of a user-defined moment-stiffness curve"},
    };
    for (const Case& c : cases) {
        std::string text = With_Sections(c.records);
        const int line = Line_At(text, text.find("SOIL LAYERS")) - 1 - c.lines_after;
        ReadResult r = Read_Keyword_Text(text);
        EXPECT_EQ(r.state, 176) << c.what;
        EXPECT_EQ(r.report, "\n\n**** Input Data Error No. 76 ****\n\nProblem:  The count of " + std::to_string(c.count) +
                                " on line " + std::to_string(line) + " of the input file exceeds the limit of " +
                                std::to_string(c.limit) + " " + c.what + ".\nSolution: Reduce the count to " +
                                std::to_string(c.limit) + " or less.\n" + Stop_Lines(76))
            << c.what;
    }
}

TEST(SectionRecords, ThreeHundredListedBarsAreRead) {
    std::string bars = std::string(kConcrete) + "Rebar Arrangement Not Same As Section Above\nRebar in noncircular pattern\n60000\n29000000\n300\n";
    for (int k = 1; k <= 300; ++k) bars += std::to_string(k) + " 4 0.5 0.2 " + std::to_string(k % 10) + " 1.0\n";
    ReadResult r = Read_Keyword_Text(With_Sections(Shaft(bars), "Units SI"));
    ASSERT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(g.pd.Section(1).i_NumBars, 300);
    EXPECT_EQ(g.pd.Section(1).rd_BarX(299), 9.0 / 1000);
    EXPECT_EQ(g.pd.Section(1).rd_BarArea(300), 0.2 / 1e6);
}

}  // namespace tarvex_test
