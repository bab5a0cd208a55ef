// The sections of the keyword file: their keywords, their conditional reads,
// their order, and the error blocks of the soil movement and LRFD sections.
#include <gtest/gtest.h>

#include "engine/store.h"
#include "input/keyword_reading.h"

namespace tarvex_test {
using namespace tarvex;

std::string Unrecognized_Block(std::string_view line) {
    return "\n\n***** INPUT ERROR *****\n\nThe following line is unrecognized or is out-of-order\n\n" +
           std::string(line) + std::string(256 - line.size(), ' ') + "\n\n\n";
}

constexpr const char* kBaseMsg =
    "Reading title data\n"
    "Reading analysis options\n"
    "Reading section properties for Section 1\n"
    "Reading elastic section properties for Section 1\n"
    "Reading soil layering data\n"
    "Reading pile head loading data\n";

TEST(Sections, MinimalFixtureReadsAndEndsAtEND) {
    ReadResult r = Read_Keyword_Text(Fixture("minimal.dat") + "anything after END is not read\n");
    EXPECT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(r.msg, kBaseMsg);
    EXPECT_EQ(r.report, "");
}

TEST(Sections, AnUnknownKeywordOrALeftoverDataLineIsError99) {
    for (const char* line : {"BOGUS", "LOADINGS", "Loading", " END", "END X", ""}) {
        ReadResult r = Read_Keyword_Text(With(std::string(line) + "\n"));
        EXPECT_EQ(r.state, 199) << line;
        EXPECT_EQ(r.report, Unrecognized_Block(line) + Stop_Lines(99)) << line;
        EXPECT_EQ(r.msg, kBaseMsg + Unrecognized_Block(line)) << line;
    }
    ReadResult r = Read_Keyword_Text(Replace(Fixture("minimal.dat"), "\n0\nEND", "\n0\n1 0.0 0.0\nEND"));
    EXPECT_EQ(r.state, 199);
    EXPECT_EQ(r.report, Unrecognized_Block("1 0.0 0.0") + Stop_Lines(99));
}

TEST(Sections, AKeywordLongerThan256ColumnsIsComparedOnItsFirst256) {
    EXPECT_EQ(Read_Keyword_Text(Replace(Fixture("minimal.dat"), "\nEND", "\nEND" + std::string(253, ' ') + "tail")).state, 0);
}

TEST(Sections, SectionsInAnyOrder) {
    std::string text = Fixture("minimal.dat");
    const size_t title = text.find("TITLE\n"), options = text.find("OPTIONS\n");
    const std::string title_section = text.substr(title, options - title);
    text.erase(title, options - title);
    text = Replace(text, "\nEND\n", "\n" + title_section + "END\n");
    ReadResult r = Read_Keyword_Text(text);
    ASSERT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(g.pd.Title(1).trimmed(), "Elastic pile in soft clay, one load case");
    EXPECT_EQ(g.pd.i_LoadType(1), 1);
    EXPECT_EQ(r.msg, "Reading analysis options\nReading section properties for Section 1\n"
                     "Reading elastic section properties for Section 1\nReading soil layering data\n"
                     "Reading pile head loading data\nReading title data\n");
}

// A section given twice would overwrite, or add to, what the first one gave
// (a second SECTIONS part would lengthen the pile): input error 82 names it.
TEST(Sections, ASectionGivenTwiceIsInputError82) {
    for (const char* keyword : {"TITLE", "LOADING", "SECTIONS", "SOIL LAYERS"}) {
        SCOPED_TRACE(keyword);
        std::string text = Fixture("minimal.dat");
        const size_t from = text.find(std::string("\n") + keyword + "\n") + 1;
        size_t to = from;
        for (const char* next : {"OPTIONS\n", "SOIL LAYERS\n", "LOADING\n", "END\n"}) {
            const size_t at = text.find(next, from + 1);
            if (at != std::string::npos && (to == from || at < to)) to = at;
        }
        const std::string section = text.substr(from, to - from);
        text = Replace(text, "\nEND\n", "\n" + section + "END\n");
        const int line = Line_At(text, text.rfind(std::string("\n") + keyword + "\n") + 1);
        ReadResult r = Read_Keyword_Text(text);
        EXPECT_EQ(r.state, 182);
        const std::string block = "\n\n**** Input Data Error No. 82 ****\n\nProblem:  The " + std::string(keyword) +
                                  " section is given a second time on line " + std::to_string(line) +
                                  " of the input file.\nSolution: Give each section of the input file once.\n";
        EXPECT_EQ(r.report, block + Stop_Lines(82));
        EXPECT_TRUE(r.msg.ends_with(block)) << r.msg;
    }
}

// A file without a section its problem needs would reach the solver with
// zero increments, iterations and tolerance: input error 81 names the section.
TEST(Sections, ASectionTheProblemNeedsIsInputError81WhenMissing) {
    const std::string minimal = Fixture("minimal.dat");
    auto without = [](std::string text, const std::string& keyword, const std::string& next) {
        const size_t from = text.find("\n" + keyword + "\n") + 1, to = text.find("\n" + next + "\n", from) + 1;
        return text.erase(from, to - from);
    };
    const std::string lrfd = Replace(minimal, "UseLRFD NO", "UseLRFD YES");
    const struct {
        std::string text;
        const char* missing;
    } kCases[] = {
        {without(minimal, "OPTIONS", "SECTIONS"), "OPTIONS"},
        {without(minimal, "SECTIONS", "SOIL LAYERS"), "SECTIONS"},
        {without(minimal, "SOIL LAYERS", "LOADING"), "SOIL LAYERS"},
        {without(minimal, "LOADING", "END"), "LOADING"},
        {lrfd, "LRFD FACTORS AND CASES"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.missing);
        ReadResult r = Read_Keyword_Text(c.text);
        EXPECT_EQ(r.state, 181);
        const std::string block = "\n\n**** Input Data Error No. 81 ****\n\nProblem:  The input file has no " +
                                  std::string(c.missing) + " section, which this problem needs.\nSolution: Add the " +
                                  c.missing + " section before the END line.\n";
        EXPECT_EQ(r.report, block + Stop_Lines(81));
        EXPECT_TRUE(r.msg.ends_with(block)) << r.msg;
    }
    // The moment-capacity mode needs neither soil layers nor pile-head loads.
    const std::string ei_only = Replace(minimal, "ComputeEIOnly NO", "ComputeEIOnly YES");
    EXPECT_EQ(Read_Keyword_Text(without(without(ei_only, "SOIL LAYERS", "LOADING"), "LOADING", "END")).state, 0);
}

TEST(Sections, AxialThrustLoadsAreSortedAndACountBelowOneLeavesOneThrust) {
    std::string eionly = Replace(Fixture("minimal.dat"), "ComputeEIOnly NO", "ComputeEIOnly YES");
    eionly = Replace(eionly, "LOADING\n1\n1 1 10000.0 0.0 0.0 1\n0\n", "");
    ReadResult r = Read_Keyword_Text(With("AXIAL THRUST LOADS\n4\n1 300.0\n2 100.0\n3 -50.0\n4 200.0\n", eionly));
    ASSERT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(g.pd.i_NumLoads, 4);
    const double sorted[4] = {-50, 100, 200, 300};
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(g.pd.rd_AxialThrust(i), sorted[i - 1]);
    EXPECT_NE(r.msg.find("Reading axial thrust force data for EI-only computations\n"), std::string::npos);

    r = Read_Keyword_Text(With("AXIAL THRUST LOADS\n0\n", eionly));
    ASSERT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(g.pd.i_NumLoads, 1);
    EXPECT_EQ(g.pd.rd_AxialThrust(1), 0.0);
    EXPECT_EQ(r.msg.find("axial thrust"), std::string::npos);
}

TEST(Sections, TipShearBatterAndSlopeMultipliersAndDepths) {
    std::string text = Replace(Fixture("minimal.dat"), "PrintPYCurves NO", "PrintPYCurves YES");
    text = With(
        "TIP SHEAR\n2\n1 0.0 0.0\n2 1.0 50.0\n"
        "PILE BATTER AND SLOPE\n30.0\n10.0\n"
        "GROUPEFF\n1\n1 0.0 0.5 2.0\n"
        "DEPTHS OF PRINTED P-Y CURVES\n3\n1 1.0\n2 2.0\n3 3.0\n",
        text);
    ReadResult r = Read_Keyword_Text(text);
    ASSERT_EQ(r.state, 0) << r.report;
    const ProblemData& pd = g.pd;
    EXPECT_EQ(pd.i_NumTipShearPts, 2);
    EXPECT_EQ(pd.rd_TipShearV(2), 50.0);
    EXPECT_EQ(pd.rd_SlopeAngle, 30.0 * 3.141592653589793 / 180);
    EXPECT_EQ(pd.rd_BatterAngle, 10.0 * 3.141592653589793 / 180);
    EXPECT_EQ(pd.rd_EffSlopeAngle, pd.rd_SlopeAngle - pd.rd_BatterAngle);
    EXPECT_EQ(pd.i_NumPYMult, 1);
    EXPECT_EQ(pd.rd_YMult(1), 2.0);
    EXPECT_EQ(pd.i_NumPYOutDepths, 3);
    EXPECT_EQ(pd.rd_PYOutDepth(3), 3.0);
    EXPECT_EQ(r.msg, std::string(kBaseMsg) +
                         "Reading tip shear data\n"
                         "Reading pile batter and ground slope angles\n"
                         "Reading p-y multiplier data\n"
                         "Reading p-y output depths data\n");
}

TEST(Sections, CountsOfZeroReadNoLinesAndWriteNoProgressLine) {
    ReadResult r = Read_Keyword_Text(With("TIP SHEAR\n0\nGROUPEFF\n0\nGROUP EFFECT FACTORS\n-1\n"));
    ASSERT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(g.pd.i_NumTipShearPts, 0);
    EXPECT_EQ(g.pd.i_NumPYMult, -1);
    EXPECT_EQ(r.msg, kBaseMsg);
}

TEST(Sections, SoilMovementsAndPrintedDepthsAreReadOnlyWhenTheirOptionIsOn) {
    // option off: the keyword is accepted and its data lines are then unrecognized
    ReadResult r = Read_Keyword_Text(With("SOIL MOVEMENTS\n2\n"));
    EXPECT_EQ(r.state, 199);
    EXPECT_EQ(r.report, Unrecognized_Block("2") + Stop_Lines(99));
    EXPECT_EQ(Read_Keyword_Text(With("SOIL MOVEMENTS\nDEPTHS OF PRINTED P-Y CURVES\n")).state, 0);
    EXPECT_EQ(g.pd.i_NumSoilMovePts, 0);

    std::string on = Replace(Fixture("minimal.dat"), "UseSoilMovement NO", "UseSoilMovement YES");
    r = Read_Keyword_Text(With("SOIL MOVEMENTS\n2\n1 0.0 2.0\n2 10.0 0.0\n", on));
    ASSERT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(g.pd.i_NumSoilMovePts, 2);
    EXPECT_EQ(g.pd.rd_SoilMove(1), 2.0);
    EXPECT_EQ(g.pd.rd_SoilMoveDepth(2), 10.0);
    EXPECT_EQ(r.msg, std::string(kBaseMsg) + "Reading soil movement data\n");

    r = Read_Keyword_Text(With("SOIL MOVEMENTS\n2\n1 0.0 2.0\n2 10.0 0.0\n", Replace(on, "Units USCS", "Units SI")));
    ASSERT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(g.pd.rd_SoilMove(1), 2.0 / 1000);  // millimetres to metres
}

TEST(Sections, SoilMovementCountOutside2To100IsError53) {
    std::string on = Replace(Fixture("minimal.dat"), "UseSoilMovement NO", "UseSoilMovement YES");
    for (int n : {1, 101, -3}) {
        ReadResult r = Read_Keyword_Text(With("SOIL MOVEMENTS\n" + std::to_string(n) + "\n", on));
        const std::string block = "**** Input Data Error No. 53 ****\n\nNumber of lines specified for soil movement data = " +
                                  std::to_string(n) +
                                  "\nThe number of lines of soil movement data cannot be less than 2 or exceed 100.\n";
        EXPECT_EQ(r.state, 153);
        EXPECT_EQ(r.report, block + Stop_Lines(53));
        EXPECT_EQ(r.msg, std::string(kBaseMsg) + "Reading soil movement data\n" + block);
    }
    std::string hundred = "SOIL MOVEMENTS\n100\n";
    for (int i = 1; i <= 100; ++i) hundred += std::to_string(i) + " " + std::to_string(i) + ".0 0.5\n";
    EXPECT_EQ(Read_Keyword_Text(With(hundred, on)).state, 0);
    EXPECT_EQ(g.pd.rd_SoilMoveDepth(100), 100.0);
}

TEST(Sections, LoadingFlagsAndDistributedLoad) {
    ReadResult r = Read_Keyword_Text(
        With("LOADING\n3\n1 1 1.0 2.0 3.0 1\n2 5 4.0 5.0 6.0 0\n3 3 7.0 8.0 9.0 7\n3\n1 0 1\n2 5 2\n3 10 3\n"));
    ASSERT_EQ(r.state, 0) << r.report;
    const ProblemData& pd = g.pd;
    EXPECT_EQ(pd.i_NumLoads, 3);
    EXPECT_EQ(pd.i_LoadType(2), 5);
    EXPECT_EQ(pd.rd_LoadCond2(3), 8.0);
    EXPECT_EQ(pd.rd_AxialThrust(3), 9.0);
    EXPECT_EQ(pd.b_ComputeYvsL(1), kFalse);
    EXPECT_EQ(pd.b_ComputeYvsL(2), kTrue);
    EXPECT_EQ(pd.b_ComputeYvsL(3), kTrue);
    EXPECT_EQ(pd.i_NumDistLoadPts, 3);
    EXPECT_EQ(pd.rd_DistLoadDepth(3), 10.0);
    EXPECT_EQ(pd.rd_DistLoad(3), 3.0);
    // a count below 1 sets the first two points to zero
    r = Read_Keyword_Text(With("LOADING\n1\n1 1 1.0 2.0 3.0 1\n0\n",
                               With("LOADING\n1\n1 1 1.0 2.0 3.0 1\n2\n1 4 5\n2 6 7\n")));
    ASSERT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(g.pd.i_NumDistLoadPts, 0);
    EXPECT_EQ(g.pd.rd_DistLoadDepth(2), 0.0);
    EXPECT_EQ(g.pd.rd_DistLoad(1), 0.0);
}

// The minimal fixture with the LRFD option on and `section` inserted.
std::string LRFD(std::string_view section) {
    return With(section, Replace(Fixture("minimal.dat"), "UseLRFD NO", "UseLRFD YES"));
}

std::string Report_Block(int n, std::string_view body) {
    return "\n\n***** Input Data Error No. " + std::to_string(n) + " *****\n\n" + std::string(body) + "\n\n" +
           Stop_Lines(n);
}

TEST(LRFDErrors, ExactBlocksOfErrors98To94And72) {
    struct Case {
        const char* section;
        int n;
        const char* body;
    };
    const Case cases[] = {
        {"LRFD LOADS\n0\n", 98, "Number of LRFD loads specified is 0\nThis is outside of the valid range to 1 to 100\n"},
        {"LRFD LOADS\n101\n", 98,
         "Number of LRFD loads specified is 101\nThis is outside of the valid range to 1 to 100\n"},
        {"LRFD LOADS\n2\n1 1 1.0 2.0 3.0 0\n3 1 1.0 2.0 3.0 0\n", 97,
         "Input appears to be out-of-order for LRFD loading\nInput load number is 3 and the expected load number is 2\n"},
        {"LRFD LOADS\n1\n1 1 1.0 2.0 3.0 3\n1 0.0 1.0\n3 1.0 1.0\n", 96,
         "Input appears to be out-of-order for LRFD distributed load 1\n\n"
         "Input distributed load point is 3 and the expected point number is \n2\n"},
        {"LRFD LOADS\n1\n1 1 1.0 2.0 3.0 1\n", 95,
         "Number of distributed load points for LRFD load number 1 is outside of the valid range of 0 or 2 to 100.\n\n"
         "The input number of distributed load points is 1\n"},
        {"LRFD LOADS\n1\n1 1 1.0 2.0 3.0 101\n", 95,
         "Number of distributed load points for LRFD load number 1 is outside of the valid range of 0 or 2 to 100.\n\n"
         "The input number of distributed load points is 101\n"},
        {"LRFD LOADS\n1\n1 1 1.0 2.0 3.0 -2\n", 95,
         "Number of distributed load points for LRFD load number 1 is outside of the valid range of 0 or 2 to 100.\n\n"
         "The input number of distributed load points is -2\n"},
        {"LRFD FACTORS AND CASES\n0\n", 94,
         "Number of LRFD load combinations outside of the valid range of 1 to 100.\n\n"
         "Number of LRFD load combinations input is 0\n"},
        {"LRFD FACTORS AND CASES\n101\n", 94,
         "Number of LRFD load combinations outside of the valid range of 1 to 100.\n\n"
         "Number of LRFD load combinations input is 101\n"},
        {"LRFD FACTORS AND CASES\n1\n7 0 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nall zero\n", 72,
         "All input load factors for LRFD analysis are zero.\n\nThe number of the LRFD load combination in error is 7\n"},
        {"LRFD FACTORS AND CASES\n1\n1 1.0 -1.0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nsum zero\n", 72,
         "All input load factors for LRFD analysis are zero.\n\nThe number of the LRFD load combination in error is 1\n"},
    };
    for (const Case& c : cases) {
        ReadResult r = Read_Keyword_Text(LRFD(c.section));
        EXPECT_EQ(r.state, 100 + c.n) << c.section;
        EXPECT_EQ(r.report, Report_Block(c.n, c.body)) << c.section;
        EXPECT_EQ(r.msg.find("Error"), std::string::npos) << c.section;  // the report only
    }
}

TEST(LRFDLoads, DistributedLoadCountsZeroTwoAndHundred) {
    std::string hundred;
    for (int k = 1; k <= 100; ++k) hundred += std::to_string(k) + " " + std::to_string(k) + ".0 1.5\n";
    ReadResult r = Read_Keyword_Text(
        LRFD("LRFD LOADS\n3\n1 13 1.0 2.0 3.0 0\n2 1 4.0 5.0 6.0 2\n1 0.0 1.0\n2 10.0 2.0\n3 2 0 0 0 100\n" + hundred +
             "LRFD FACTORS AND CASES\n1\n1 1 0 0 0 0 0 0 0 0 0 0 0 0 0 -1\nDead only\n"));
    ASSERT_EQ(r.state, 0) << r.report;
    const ProblemData& pd = g.pd;
    EXPECT_EQ(pd.i_LRFDLoadType(1), 13);
    EXPECT_EQ(pd.i_LRFDNumDist(2), 2);
    EXPECT_EQ(pd.rd_LRFDDist(2, 2), 2.0);
    EXPECT_EQ(pd.i_LRFDNumDist(3), 100);
    EXPECT_EQ(pd.rd_LRFDDistDepth(100, 3), 100.0);
    EXPECT_EQ(pd.rd_PhiFlexure(1), 0.75);
    EXPECT_EQ(pd.rd_PhiShear(1), 0.75);
    EXPECT_EQ(pd.ComboName(1).trimmed(), "Dead only");
    EXPECT_EQ(r.msg, std::string(kBaseMsg) + "Reading LRFD unfactored load data\n"
                                             "Reading LRFD load and resistance factor data \n");
}

}  // namespace tarvex_test

namespace tarvex_test {

TEST(LRFDLoads, OneAndOneHundredGroupsAndCombinationsAreAccepted) {
    for (int n : {1, 100}) {
        std::string groups = "LRFD LOADS\n" + std::to_string(n) + "\n";
        std::string combos = "LRFD FACTORS AND CASES\n" + std::to_string(n) + "\n";
        for (int i = 1; i <= n; ++i) {
            groups += std::to_string(i) + " " + std::to_string((i - 1) % 13 + 1) + " 1.0 2.0 " + std::to_string(i) + ".0 0\n";
            combos += std::to_string(i) + " 1.0 1.0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nCombination " + std::to_string(i) + "\n";
        }
        ReadResult r = Read_Keyword_Text(LRFD(groups + combos));
        ASSERT_EQ(r.state, 0) << n << r.report;
        EXPECT_EQ(g.pd.i_NumLRFDLoads, n);
        EXPECT_EQ(g.pd.i_NumLRFDCombos, n);
        EXPECT_EQ(g.pd.i_LRFDLoadType(n), (n - 1) % 13 + 1);
        EXPECT_EQ(g.pd.ComboName(n).trimmed(), "Combination " + std::to_string(n));
        EXPECT_EQ(g.pd.i_NumThrusts, n);
        EXPECT_EQ(g.pd.rd_ThrustList(n), n / 1000.0);
    }
}

}  // namespace tarvex_test
