// The earlier problem file formats: every record read into the store, the
// error blocks in both files, truncated files, and the twins of the keyword
// examples that must give the same analysis.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "engine/store.h"
#include "input/keyword_reading.h"
#include "support/run_dir.h"

namespace tarvex_test {
namespace {
using namespace tarvex;
namespace fs = std::filesystem;

std::string Example(const std::string& name) { return Read_File(fs::path(TARVEX_SOURCE_DIR) / "examples" / name); }

TEST(PreviousFormat, EveryRecordLandsInTheStore) {
    ASSERT_EQ(Read_Any_Format(Fixture("previous_format_all_records.dat")).state, 0);
    const ProblemData& pd = g.pd;
    EXPECT_EQ(pd.Title(1).trimmed(), "Every record of the previous format, SI units, pile response with section data");
    EXPECT_TRUE(pd.Title(2).blank());
    EXPECT_EQ(pd.IUNITS, 2);
    EXPECT_EQ(pd.ICOM, 5);
    EXPECT_EQ(pd.KYL, 1);
    EXPECT_TRUE(on(pd.b_UseSoilMovement));
    EXPECT_FALSE(on(pd.b_ComputeKmatrix));
    // pile line and property points
    EXPECT_EQ(pd.i_NumIncrements, 50);
    EXPECT_EQ(pd.i_NumPilePoints, 3);
    EXPECT_DOUBLE_EQ(pd.XGround, 0.5);
    EXPECT_DOUBLE_EQ(pd.rd_PileLength, 12.0);
    EXPECT_DOUBLE_EQ(pd.rd_SlopeAngle, 10.0 * 3.141592653589793 / 180.0);
    EXPECT_DOUBLE_EQ(pd.rd_PilePointX(3), 12.0);
    EXPECT_DOUBLE_EQ(pd.rd_PilePointDiam(3), 0.5);
    EXPECT_DOUBLE_EQ(pd.rd_PilePointI(3), 0.0030);
    EXPECT_DOUBLE_EQ(pd.rd_PilePointArea(3), 0.20);
    EXPECT_DOUBLE_EQ(pd.rd_PilePointE(3), 2.5E7);
    // layers: a bottom modulus of 0 takes the top modulus
    EXPECT_EQ(pd.i_Number_of_Layers, 3);
    EXPECT_EQ(pd.i_SoilLayer_py_Type(2), kSand);
    EXPECT_DOUBLE_EQ(pd.rd_LayerKBottom(1), 100.0);
    EXPECT_DOUBLE_EQ(pd.rd_LayerKBottom(2), 30000.0);
    // the depth curves laid onto the layer tops and bottoms
    EXPECT_EQ(pd.i_NumProfilePoints, 6);
    EXPECT_EQ(pd.i_NumGammaPts, 6);
    const double depth[] = {0.5, 4.0, 4.0, 8.0, 8.0, 14.0};
    const double c[] = {20.0, 40.0, 40.0, 48.0, 48.0, 60.0};
    const double phi[] = {0.0, 30.0, 30.0, 32.4, 32.4, 36.0};
    const double rqd[] = {0.0, 50.0, 50.0, 62.0, 62.0, 80.0};
    for (int j = 1; j <= 6; ++j) {
        SCOPED_TRACE(j);
        EXPECT_DOUBLE_EQ(pd.rd_ProfileDepth(j), depth[j - 1]);
        EXPECT_DOUBLE_EQ(pd.rd_GammaDepth(j), depth[j - 1]);
        EXPECT_NEAR(pd.rd_ProfileStrength(j), c[j - 1], 1e-12);
        EXPECT_NEAR(pd.rd_ProfilePhi(j), phi[j - 1], 1e-12);
        EXPECT_NEAR(pd.rd_ProfileRQD(j), rqd[j - 1], 1e-12);
        EXPECT_NEAR(pd.rd_ProfileGamma(j), 8.0 + 2.0 * (depth[j - 1] - 0.5) / 13.5, 1e-12);
    }
    EXPECT_NEAR(pd.rd_ProfileEps50(4), 0.01 - 0.005 * 0.4, 1e-15);
    // p-y multipliers, the user curve of the user layer
    EXPECT_EQ(pd.i_NumPYMult, 2);
    EXPECT_DOUBLE_EQ(pd.rd_PMult(1), 0.8);
    EXPECT_DOUBLE_EQ(pd.rd_PYMultDepth(2), 6.0);
    for (int j : {5, 6}) {
        EXPECT_EQ(pd.i_UserPyNumPts(j), 3);
        EXPECT_DOUBLE_EQ(pd.rd_UserPyY(j, 3), 0.05);
        EXPECT_DOUBLE_EQ(pd.rd_UserPyP(j, 2), 50.0);
    }
    EXPECT_DOUBLE_EQ(pd.rd_UserPyDepth(5), 8.0);
    EXPECT_DOUBLE_EQ(pd.rd_UserPyDepth(6), 14.0);
    // loading, load cases (every case asks for the length study), tip shear, output, solution
    EXPECT_EQ(pd.i_NumDistLoadPts, 2);
    EXPECT_DOUBLE_EQ(pd.rd_DistLoad(1), 1.0);
    EXPECT_TRUE(on(pd.b_CyclicLoading));
    EXPECT_DOUBLE_EQ(pd.rd_NumCycles, 100.0);
    EXPECT_EQ(pd.i_NumLoads, 2);
    EXPECT_EQ(pd.i_LoadType(2), 4);
    EXPECT_DOUBLE_EQ(pd.rd_LoadCond1(2), 0.01);
    EXPECT_DOUBLE_EQ(pd.rd_AxialThrust(2), 800.0);
    EXPECT_TRUE(on(pd.b_ComputeYvsL(1)) && on(pd.b_ComputeYvsL(2)));
    EXPECT_EQ(pd.i_NumTipShearPts, 2);
    EXPECT_TRUE(on(pd.b_UseTipShear));
    EXPECT_DOUBLE_EQ(pd.rd_TipShearV(2), 10.0);
    EXPECT_EQ(pd.i_PrintIncrement, 10);
    EXPECT_TRUE(on(pd.b_PrintSummaryOnly));
    EXPECT_EQ(pd.i_PrintPYCurves, 1);
    EXPECT_EQ(pd.i_NumPYOutDepths, 2);
    EXPECT_DOUBLE_EQ(pd.rd_PYOutDepth(2), 3.0);
    EXPECT_EQ(pd.i_MaxIterations, 100);
    EXPECT_DOUBLE_EQ(pd.rd_ConvergenceTol, 1.0E-6);
    EXPECT_DOUBLE_EQ(pd.rd_MaxDeflection, 0.5);
    EXPECT_EQ(pd.i_NumSoilMovePts, 2);
    EXPECT_DOUBLE_EQ(pd.rd_SoilMove(1), 0.02);
    // sections: the thrust list ascending (SI: as given), legacy type 2 is a drilled shaft
    EXPECT_EQ(pd.i_NumSections, 1);
    EXPECT_EQ(pd.i_NumThrusts, 2);
    EXPECT_DOUBLE_EQ(pd.rd_ThrustList(1), 500.0);
    EXPECT_DOUBLE_EQ(pd.rd_ThrustList(2), 800.0);
    const PileSection& sec = pd.Section(1);
    EXPECT_EQ(sec.i_SectionType, kDrilledShaft);
    EXPECT_DOUBLE_EQ(sec.rd_ConcreteFc, 30000.0);
    EXPECT_DOUBLE_EQ(sec.rd_BarYield, 420000.0);
    EXPECT_DOUBLE_EQ(sec.rd_SectionDiameter, 600.0);
    // eight generated bars of 490 mm2 evenly on the circle at a cover of 75 mm
    EXPECT_EQ(sec.i_NumBars, 8);
    const double d = std::sqrt(4.0 * 490.0 / 3.141592653589793);
    const double R = (600.0 - d) / 2 - 75.0;
    for (int k = 1; k <= 8; ++k) {
        EXPECT_DOUBLE_EQ(sec.rd_BarArea(k), 490.0);
        EXPECT_NEAR(std::hypot(sec.rd_BarX(k), sec.rd_BarY(k)), R, 1e-9);
    }
}

// The untagged twin of a small problem: shorter layer and strength lines,
// the strength doubling of API sand layers, soil movements as one list of
// pairs, the extra section integer and seven-value line.
TEST(UntaggedFormat, ReadsItsOwnLinesAndDoublesApiSandStrengths) {
    const std::string text =
        "Untagged file, US units\n"
        "1 3 0 0 1\n"
        "40 2 0.0 30.0 0.0\n"
        "0.0 24.0 2549.354 36.91371 29000000.0\n"
        "30.0 24.0 2549.354 36.91371 29000000.0\n"
        "2 1 3 0 0\n"
        "1 0.0 10.0 0.0\n"
        "6 10.0 40.0 90.0\n"
        "0.0 50.0\n"
        "0.0 400.0 0.0 0.02\n"
        "10.0 500.0 30.0 0.01\n"
        "40.0 700.0 34.0 0.0\n"
        "0 1 0\n"
        "1\n"
        "1 1000.0 0.0 0.0\n"
        "0\n"
        "5 1 0\n"
        "10 1.0E-5 100.0\n"
        "3\n"
        "0.0 1.0 10.0\n"
        "0.5, 20.0 0.0\n"
        "1\n"
        "1\n"
        "100000.0\n"
        "5 0\n"
        "0.0 0.0 36000.0 29000000.0\n"
        "0.0 24.0 0.0 0.5 0.0\n"
        "1 2 3 4 5 6 7\n";
    ASSERT_EQ(Read_Any_Format(text).state, 0);
    const ProblemData& pd = g.pd;
    EXPECT_EQ(pd.Title(1).trimmed(), "Untagged file, US units");
    EXPECT_DOUBLE_EQ(pd.rd_LayerKBottom(2), 90.0);
    EXPECT_EQ(pd.i_MaxIterations, 10);  // the untagged file has no range checks
    // strength point 2 (10 ft) starts a segment within the API sand layer: the
    // point itself is doubled, so both layers that meet there see 1000
    EXPECT_DOUBLE_EQ(pd.rd_ProfileStrength(1), 400.0);
    EXPECT_DOUBLE_EQ(pd.rd_ProfileStrength(2), 1000.0);
    EXPECT_DOUBLE_EQ(pd.rd_ProfileStrength(3), 1000.0);
    EXPECT_DOUBLE_EQ(pd.rd_ProfileStrength(4), 700.0);
    EXPECT_DOUBLE_EQ(pd.rd_ProfileRQD(3), 0.0);
    EXPECT_EQ(pd.i_NumSoilMovePts, 3);
    EXPECT_DOUBLE_EQ(pd.rd_SoilMoveDepth(2), 10.0);
    EXPECT_DOUBLE_EQ(pd.rd_SoilMove(2), 0.5);
    EXPECT_DOUBLE_EQ(pd.rd_SoilMoveDepth(3), 20.0);
    EXPECT_DOUBLE_EQ(pd.rd_ThrustList(1), 100.0);  // pounds to kips
    EXPECT_EQ(pd.Section(1).i_SectionType, kSteelPipe);
    EXPECT_DOUBLE_EQ(pd.Section(1).rd_CasingThickness, 0.5);
}

TEST(PreviousFormat, ThrustsInPoundsBecomeASortedListInKips) {
    const std::string text = "TARVEX5\nEI only\n1 2 0 0 0\n1\n2\n100000\n50000\n5\n0 0 36000 29000000\n0 24 0 0.5 0\n";
    ASSERT_EQ(Read_Any_Format(text).state, 0);
    EXPECT_EQ(g.pd.i_NumThrusts, 2);
    EXPECT_DOUBLE_EQ(g.pd.rd_ThrustList(1), 50.0);
    EXPECT_DOUBLE_EQ(g.pd.rd_ThrustList(2), 100.0);
}

// One line of the soft clay twin replaced, and the block its check writes
// (the same in both files unless `report` differs).
struct LegacyErrorCase {
    const char* name;
    bool tagged;
    const char* from;
    const char* to;
    int error;
    const char* block;
    const char* report = nullptr;
};

const std::string kHead5 = "TARVEX5\n";

const LegacyErrorCase kErrorCases[] = {
    {"increments39", true, "100 2 0.0 60.0 0.0", "39 2 0.0 60.0 0.0", 55,
     "**** Input Data Error No. 55 ****\n\nProblem:  The number of pile increments is less than 40.\n\n"
     "Solution: Increase the number of pile increments to more than 40,\n          preferably 100 or more increments.\n"},
    {"increments301", true, "100 2 0.0 60.0 0.0", "301 2 0.0 60.0 0.0", 56,
     "**** Input Data Error No. 56 ****\n\nProblem:  The number of pile increments is more than 300.\n\n"
     "Solution: Limit the number of pile increments to 300 or less.\n"},
    {"untagged501", false, "100 2 0.0 60.0 0.0", "501 2 0.0 60.0 0.0", 56,
     "**** Input Data Error No. 56 ****\n\nProblem:  The number of pile increments is more than 300.\n\n"
     "Solution: Limit the number of pile increments to 300 or less.\n"},
    {"length0", true, "100 2 0.0 60.0 0.0", "100 2 0.0 0.0 0.0", 57,
     "**** Input Data Error No. 57 ****\n\nProblem:  The input value for pile length is zero.\n\n"
     "Solution: Review and correct the data for pile length.\n"},
    {"untaggedLength0", false, "100 2 0.0 60.0 0.0", "100 2 0.0 -1.0 0.0", 57,
     "**** Input Data Error No. 57 ****\n\nProblem:  The input value for pile length is zero.\n\n"
     "Solution: Review and correct the data for pile length.\n"},
    {"points41", true, "100 2 0.0 60.0 0.0", "100 41 0.0 60.0 0.0", 59,
     "**** Input Data Error No. 59 ****\n\nProblem:  The number of pile diameter values is more than 40.\n\n"
     "Solution: Limit the number of input values to 40 or less.\n"},
    {"noGammaNoUser", true, "1 2 2 0 0", "1 0 2 0 0", 7,
     "**** Input Data Error No. 7 ****\n\nProblem:  Number of points defining effective unit weight vs. depth is\n"
     "          zero and number of input p-y curves is also zero.\n\n"
     "Solution: Please input data for soil layering vs. depth, effective unit\n"
     "          weight vs. depth, and shear strength vs. depth to use internally\n          generated p-y curves.\n"},
    {"untaggedNoGammaNoUser", false, "1 2 2 0 0", "1 0 2 0 0", 7,
     "**** Input Data Error No. 7 ****\n\nNumber of points defining effective unit weight vs. depth is zero \n"
     "and number of input p-y curves is also zero.\n\nSolution:\n"
     "Please input data for soil layering vs. depth, effective unit\n"
     "weight vs. depth, and shear strength vs. depth to use internally\ngenerated p-y curves.\n"},
    {"untaggedMultipliersNoGamma", false, "1 2 2 0 0", "1 0 2 1 1", 6,
     "**** Input Data Error No. 6 ****\n\np-y multipliers cannot be specified for use with user-specified p-y curves\n\n"
     "Solution:\nConsult the technical manual for how to compute p-y multipliers\n"
     "and adjust the user-specified p-y as needed.\n"},
    {"layerDepths", true, "1 0.0 70.0 0.0 0.0", "1 70.0 70.0 0.0 0.0", 47,
     "\n\n**** Input Data Error No. 47 ****\n\nProblem:  Depth of top of soil layer is greater than or equal to depth of \n"
     "          bottom of soil layer.\n\nSolution: Correct the data for top and bottom depths of soil layer 1\n\n"},
    {"topLayerBottom", true, "1 0.0 70.0 0.0 0.0", "1 -5.0 0.0 0.0 0.0", 61,
     "**** Input Data Error No. 61 ****\n\nProblem:  The depth of the bottom of the top soil layer is less than \n"
     "          or equal to zero. This will cause the layering correction to \n"
     "          p-y curves to generate incorrect p-y curves below the top layer.\n\n"
     "Solution: The top soil layer must extend from the ground surface to below \n          the pile head.\n"
     "          The upper soil layer must be defined so that the vertical effective stress\n"
     "          at the pile head correctly generated with the correct vertical thickness.\n"
     "          One way to correct the input\n"
     "          data is to combine the upper soil layers into a single layer with one effective\n"
     "          unit weight that results in the correct effective stress at the pile head and \n"
     "          to extend the soil layer to just below the top of the pile.\n"},
    {"pileDiameterCode10", true, "1 0.0 70.0 0.0 0.0", "10 0.0 70.0 0.0 0.0", 71,
     "**** Input Data Error No. 71 ****\n\nProblem:  A pile diameter of less than 0.3 meters (11.8 inches) was defined\n"
     "          for a soil layer defined using the liquefied sand criteria. The liquefied\n"
     "          sand criteria is valid only for pile diameters ranging from 0.3 to 2.44\n"
     "          meters (12 to 96 inches) in diameter.\n\n"
     "Solution: Increase the value of pile diameter over the depth range of the\n          liquefied sand layer.\n\n"},
    {"iterations39", true, "100 1.0E-5 100.0", "39 1.0E-5 100.0", 64,
     "**** Input Data Error No. 64 ****\n\nInput value for iteration limit is outside the range of 40 to 1000.\n"
     "The number of iterations must be between 40 and 1000.\n\n"},
    {"tolerance", true, "100 1.0E-5 100.0", "100 1.0E-11 100.0", 65,
     "**** Input Data Error No. 65 ****\n\nInput value of convergence tolerance is too small (less than 1E-10 inches).\n"
     "The recommended value for convergence tolerance is 0.00001 inches.\n\n"},
    {"toleranceLarge", true, "100 1.0E-5 100.0", "100 0.002 100.0", 66,
     "**** Input Data Error No. 66 ****\n\nInput value of convergence tolerance is too large (more than 0.001 inches). \n"
     "The recommended value for convergence tolerance is 0.00001 inches.\n\n"},
    {"deflectionLimit", true, "100 1.0E-5 100.0", "100 1.0E-5 2.3", 69,
     "**** Input Data Error No. 69 ****\n\n"
     "Input value of excessive deflection limit is less than 10 percent of the pile diameter.\n"
     "The recommended value for convergence tolerance is 10 times the pile diameter.\n\n"},
    {"soilMovementCount", true, "1 4 0 0 0", "1 4 0 0 1", 53,
     "**** Input Data Error No. 53 ****\n\nNumber of lines of soil movement data = 51\n"
     "The number of lines of soil movement data cannot exceed 50\n\n"},
};

std::string Error_Input(const LegacyErrorCase& c) {
    std::string text = Example("soft_clay_free_head_us_untagged.dat");
    if (c.tagged) text = kHead5 + Replace(text, "1 0.0 70.0 0.0\n", "1 0.0 70.0 0.0 0.0\n");
    if (c.tagged) text = Replace(text, "0.0 400.0 0.0 0.02\n", "0.0 400.0 0.0 0.02 0.0\n");
    if (c.tagged) text = Replace(text, "70.0 1200.0 0.0 0.01\n", "70.0 1200.0 0.0 0.01 0.0\n");
    if (std::string(c.name) == "soilMovementCount") text += "51\n";
    if (std::string(c.name) == "pileDiameterCode10") text = Replace(text, "60.0 24.0 2549", "60.0 11.8 2549");
    return Replace(text, c.from, c.to);
}

TEST(EarlierFormatErrors, EachCheckWritesItsBlockToBothFilesAndStops) {
    for (const LegacyErrorCase& c : kErrorCases) {
        SCOPED_TRACE(c.name);
        ReadResult r = Read_Any_Format(Error_Input(c));
        EXPECT_EQ(r.state, 100 + c.error);
        EXPECT_EQ(r.msg, c.block);
        EXPECT_EQ(r.report, std::string(c.report ? c.report : c.block) + Stop_Lines(c.error));
    }
}

TEST(EarlierFormatErrors, TheTwoFilesWordTheBarCountDifferently) {
    const std::string text = "TARVEX5\nEI only\n1 2 0 0 0\n1\n1\n0\n2\n0 60000 0 0\n0 24 0 0 0\n0.79 0 101 2.0\n";
    ReadResult r = Read_Any_Format(text);
    EXPECT_EQ(r.state, 126);
    const std::string tail =
        "\nSolution: The number of rebar bars cannot exceed 100 bars.\n"
        "Reconfigure the bar layout using a smaller number of larger bars with \n"
        "an equal area of steel and clear cover. The bending stiffness \n"
        "is insensitive to the number of bars if more than 12 bars for an equal amount of steel.\n";
    EXPECT_EQ(r.msg, "**** Input Data Error No. 26 ****\n\nProblem:  Number of rebar bars input is more than 100, = 101)\n" + tail);
    EXPECT_EQ(r.report, "**** Input Data Error No. 26 ****\n\nProblem:  Number of rebar bars input is more than 100 (= 101)\n" +
                            tail + Stop_Lines(26));
}

TEST(EarlierFormatErrors, ACoreOfNoDiameterIsRefused) {
    const std::string text = "TARVEX5\nEI only\n1 2 0 0 0\n1\n1\n0\n4\n4000 60000 36000 29000000\n0 36 0 0.5 0.5\n";
    ReadResult r = Read_Any_Format(text);
    EXPECT_EQ(r.state, 170);
    EXPECT_EQ(r.msg, "**** Input Data Error No. 70 ****\n\n"
                     "Problem:  Diameter of inner core =   0.0000 for Section 1\n"
                     "Solution: The diameter of the inner core cannot be less than or equal to zero.\n"
                     "          Either change the section type or enter a value for the inner core diameter.\n");
}

// Codes and counts that would index outside a table are refused where they are read.
TEST(EarlierFormatErrors, CodesAndCountsOutsideTheirRangeAreInputErrors) {
    const std::string base = Example("soft_clay_free_head_us_untagged.dat");
    const struct {
        const char* from;
        const char* to;
        int state;
    } cases[] = {
        {"1 4 0 0 0", "4 4 0 0 0", 177},                     // unit system
        {"1 4 0 0 0", "1 6 0 0 0", 177},                     // analysis mode
        {"1 0.0 70.0 0.0", "18 0.0 70.0 0.0", 177},          // p-y model code
        {"1 15000.0 0.0 50000.0", "6 15000.0 0.0 50000.0", 177},  // pile-head load type
        {"1 2 2 0 0", "41 2 2 0 0", 176},                    // soil layers
        {"1 2 2 0 0", "1 81 2 0 0", 176},                    // unit weight points
        {"0 1 0\n1\n", "51 1 0\n1\n", 176},                  // distributed-load points
        {"1\n1 15000.0", "101\n1 15000.0", 176},             // load cases
        {"100 2 0.0 60.0 0.0", "0 2 0.0 60.0 0.0", 155},     // no increment at all
        {"100 1.0E-5", "1.5 1.0E-5", 174},                   // a real where an integer belongs
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.to);
        EXPECT_EQ(Read_Any_Format(Replace(base, c.from, c.to)).state, c.state);
    }
    const std::string sections = "TARVEX5\nEI only\n1 2 0 0 0\n21\n";
    EXPECT_EQ(Read_Any_Format(sections).state, 176);
    EXPECT_EQ(Read_Any_Format("TARVEX5\nEI only\n1 2 0 0 0\n1\n0\n16\n").state, 177);  // legacy section type
}

// Every prefix of a valid file ends with an input error: the readers never
// run past the end of what they were given.
TEST(EarlierFormats, EveryTruncatedFileEndsWithAnInputError) {
    for (const char* name : {"soft_clay_free_head_us_v5.dat", "fixed_head_two_loads_us_untagged.dat"}) {
        const std::string text = Example(name);
        size_t cut = 0;
        int lines = 0;
        while ((cut = text.find('\n', cut)) != std::string::npos) {
            ++cut;
            if (cut == text.size()) break;
            ++lines;
            SCOPED_TRACE(std::string(name) + " cut after line " + std::to_string(lines));
            const int state = Read_Any_Format(text.substr(0, cut)).state;
            EXPECT_GE(state, 101);
            EXPECT_LE(state, 199);
        }
    }
    const std::string fixture = Fixture("previous_format_all_records.dat");
    for (size_t cut = fixture.find('\n') + 1; cut < fixture.size(); cut = fixture.find('\n', cut) + 1) {
        const int state = Read_Any_Format(fixture.substr(0, cut)).state;
        EXPECT_GE(state, 101) << cut;
        EXPECT_LE(state, 199) << cut;
    }
}

// Plot records from "Line 6" on: the results of the load cases. The keyword
// twins carry their elastic sections' tables before them, mode 4 has none.
std::string Result_Records(const std::string& plot) {
    const size_t at = plot.find("Line 6 :");
    return plot.substr(plot.rfind('\n', at) + 1);
}

TEST(EarlierFormats, EachExampleGivesTheSameResultsInAllThreeFormats) {
    for (const char* stem : {"soft_clay_free_head_us", "fixed_head_two_loads_us"}) {
        SCOPED_TRACE(stem);
        RunDir keyword, previous, untagged;
        ASSERT_EQ(keyword.run(Example(std::string(stem) + ".dat")), 0);
        ASSERT_EQ(previous.run(Example(std::string(stem) + "_v5.dat")), 0);
        ASSERT_EQ(untagged.run(Example(std::string(stem) + "_untagged.dat")), 0);
        EXPECT_EQ(Result_Records(previous.plot()), Result_Records(keyword.plot()));
        EXPECT_EQ(Result_Records(untagged.plot()), Result_Records(keyword.plot()));
        // mode 4: the bending stiffness of the property points, no section stage
        EXPECT_EQ(Lines(previous.plot())[0].substr(0, 20), "    4    1    0    0");
        EXPECT_EQ(Lines(untagged.plot())[1].substr(0, 5), "    0");
        // the case reports match from the pile-head conditions on
        const std::string marker = "Computed Values of Pile Loading and Deflection";
        const std::string k = keyword.report(), p = previous.report();
        ASSERT_NE(k.find(marker), std::string::npos);
        std::string ks = k.substr(k.find(marker)), ps = p.substr(p.find(marker));
        const std::string footnote = "\n* The above values of total stress are combined axial and bending stress. \n\n";
        for (size_t at; (at = ks.find(footnote)) != std::string::npos;) ks.erase(at, footnote.size());
        EXPECT_EQ(ps.substr(0, ps.find("Summary of Pile Response")), ks.substr(0, ks.find("Summary of Pile Response")));
    }
}

}  // namespace
}  // namespace tarvex_test
