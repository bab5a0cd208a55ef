// "OPTIONS": every option line, the range checks of the solution controls at
// and just past their bounds, and the exact error blocks.
#include <gtest/gtest.h>

#include "engine/store.h"
#include "input/keyword_reading.h"

namespace tarvex_test {
using namespace tarvex;

const char* const kOptionMsg = "Reading title data\nReading analysis options\n";

struct OptionCase {
    const char* from;     // a line of the minimal fixture
    const char* to;       // replaced by this text
    const char* message;  // the report line of input error 95
};

const OptionCase kOptionCases[] = {
    {"UseLRFD NO", "UseLRFD  NO", "INPUT ERROR - Unrecognized command for LRFD analysis option"},
    {"ComputeKmatrix NO", "ComputeKmatrix no",
     "INPUT ERROR - Unrecognized command for compute pile-head stiffness matrix option"},
    {"UseTipShear NO", "UseTipShear", "INPUT ERROR - Unrecognized command for tip shear option"},
    {"UseSoilMovement NO", "UseSoilMovement MAYBE", "INPUT ERROR - Unrecognized command for soil movement option"},
    {"UsePYModifiers NO", " UsePYModifiers NO", "INPUT ERROR - Unrecognized command for use of p-y modifiers option"},
    {"ComputeEIOnly NO", "ComputeEIOnly NO again",
     "INPUT ERROR - Unrecognized command for compute nonlinear EI only option"},
    {"Loading STATIC     0", "Loading static     0", "INPUT ERROR - Unrecognized command for loading type option"},
    {"Loading STATIC     0", "Loading  STATIC    0", "INPUT ERROR - Unrecognized command for loading type option"},
    {"Loading STATIC     0", "Loading", "INPUT ERROR - Unrecognized command for loading type option"},
    {"PrintSummaryOnly NO", "PrintSummaryOnly N", "INPUT ERROR - Unrecognized command for print summary only option"},
    {"PrintPYCurves NO", "PrintPYCurves", "INPUT ERROR - Unrecognized command for p-y curve output depths option"},
    {"ComputeInteraction NO", "ComputeInteraction Yes",
     "INPUT ERROR - Unrecognized command for compute interaction option"},
    {"ComputeInteraction NO", "ComputeInteraction YES\nCode ACI",
     "INPUT ERROR - Unrecognized command for interaction code option"},
    {"ComputeInteraction NO", "ComputeInteraction YES\nCode AASHTOAASHTO",
     "INPUT ERROR - Unrecognized command for interaction code option"},
};

class OptionError : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OptionError, WritesItsLineToTheReportAndStopsWithError95) {
    const OptionCase& c = GetParam();
    ReadResult r = Read_Keyword_Text(Replace(Fixture("minimal.dat"), c.from, c.to));
    EXPECT_EQ(r.state, 195);
    EXPECT_EQ(r.report, "\n" + std::string(c.message) + "\n" + Stop_Lines(95));
    EXPECT_EQ(r.msg, kOptionMsg);
}

INSTANTIATE_TEST_SUITE_P(Lines, OptionError, ::testing::ValuesIn(kOptionCases));

TEST(Options, UnitsLineOtherThanTheThreeKeywordsIsAnUnrecognizedLine) {
    for (const char* units : {"Units si", " Units SI", "units SI", "Units  SI", "Units SI x"}) {
        ReadResult r = Read_Keyword_Text(Replace(Fixture("minimal.dat"), "Units USCS", units));
        const std::string block = "\n\n***** INPUT ERROR *****\n\nThe following line is unrecognized or is out-of-order\n\n" +
                                  (units + std::string(256 - std::string(units).size(), ' ')) + "\n\n\n";
        EXPECT_EQ(r.state, 199) << units;
        EXPECT_EQ(r.report, block + Stop_Lines(99)) << units;
        EXPECT_EQ(r.msg, kOptionMsg + block) << units;
    }
}

TEST(Options, UnitsWithTrailingBlanksAndEveryYesNoAnswer) {
    std::string text = Fixture("minimal.dat");
    for (const char* line : {"Units USCS", "UseLRFD NO", "ComputeKmatrix NO", "UseTipShear NO", "UseSoilMovement NO",
                             "UsePYModifiers NO", "ComputeEIOnly NO", "PrintSummaryOnly NO", "PrintPYCurves NO"}) {
        std::string yes = line;
        if (yes == "Units USCS") yes = "Units SI   ";
        else yes = yes.substr(0, yes.size() - 2) + "YES  ";
        text = Replace(text, line, yes);
    }
    text = Replace(text, "ComputeInteraction NO", "ComputeInteraction YES\nDesignCode Eurocode2 ignored");
    text = Replace(text, "Loading STATIC     0", "12345678CYCLIC   100 text");
    ReadResult r = Read_Keyword_Text(text);
    ASSERT_EQ(r.state, 0) << r.report;
    const ProblemData& pd = g.pd;
    EXPECT_EQ(pd.IUNITS, kUnitsSI);
    EXPECT_EQ(pd.b_UseLRFD, kTrue);
    EXPECT_EQ(pd.b_ComputeKmatrix, kTrue);
    EXPECT_EQ(pd.b_UseTipShear, kTrue);
    EXPECT_EQ(pd.b_UseSoilMovement, kTrue);
    EXPECT_EQ(pd.b_UsePYModifiers, kTrue);
    EXPECT_EQ(pd.i_NumPYMult, 1);  // a zero point until a multiplier section is read
    EXPECT_EQ(pd.ICOM, 2);
    EXPECT_EQ(pd.b_PrintSummaryOnly, kTrue);
    EXPECT_EQ(pd.b_PrintPYCurves, kTrue);
    EXPECT_EQ(pd.i_PrintPYCurves, 1);
    EXPECT_EQ(pd.b_ComputeInteraction, kTrue);
    EXPECT_EQ(pd.i_InteractionCode, 3);
    EXPECT_EQ(pd.b_CyclicLoading, kTrue);
    EXPECT_EQ(pd.rd_NumCycles, 100.0);
    EXPECT_EQ(pd.i_NumThrusts, 0);  // no thrust list for an interaction diagram
}

TEST(Options, InteractionCodesAndTheDefaults) {
    for (auto [code, n] : {std::pair{"AASHTO", 1}, {"ACI318", 2}, {"Eurocode2", 3}}) {
        std::string text = Replace(Fixture("minimal.dat"), "ComputeInteraction NO",
                                   std::string("ComputeInteraction YES\nCode ") + code);
        ASSERT_EQ(Read_Keyword_Text(text).state, 0) << code;
        EXPECT_EQ(g.pd.i_InteractionCode, n);
    }
    ASSERT_EQ(Read_Keyword_Text(Fixture("minimal.dat")).state, 0);
    const ProblemData& pd = g.pd;
    EXPECT_EQ(pd.IUNITS, kUnitsUS);
    EXPECT_EQ(pd.b_UseLRFD, kFalse);
    EXPECT_EQ(pd.b_UsePYModifiers, kFalse);
    EXPECT_EQ(pd.i_NumPYMult, 0);
    EXPECT_EQ(pd.ICOM, 3);
    EXPECT_EQ(pd.b_CyclicLoading, kFalse);
    EXPECT_EQ(pd.rd_NumCycles, 0.0);
    EXPECT_EQ(pd.i_MaxIterations, 100);
    EXPECT_EQ(pd.rd_MaxDeflection, 100.0);
    EXPECT_EQ(pd.i_NumIncrements, 100);
    EXPECT_EQ(pd.i_PrintIncrement, 10);
    EXPECT_EQ(pd.i_PrintPYCurves, 0);
    EXPECT_EQ(pd.i_InteractionCode, 0);
}

TEST(Options, GenericUnitsAndALabelOnItsOwnLine) {
    std::string text = Replace(Fixture("minimal.dat"), "Units USCS", "Units GENERAL");
    text = Replace(text, "Tolerance 1.0E-5", "Tolerance\n5.0");  // the label takes the line, the value the next
    ReadResult r = Read_Keyword_Text(text);
    ASSERT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(g.pd.IUNITS, kUnitsGeneric);
    EXPECT_EQ(g.pd.rd_ConvergenceTol, 5.0);  // no unit-dependent check
}

struct LimitCase {
    const char* units;      // the units line
    const char* line;       // the replaced line of the minimal fixture
    const char* value;      // its new value text
    int state;              // 0 when accepted
};

const LimitCase kLimitCases[] = {
    {"Units USCS", "MaxIterations 100", "MaxIterations 30", 0},
    {"Units USCS", "MaxIterations 100", "MaxIterations 1000", 0},
    {"Units USCS", "MaxIterations 100", "MaxIterations 29", 195},
    {"Units USCS", "MaxIterations 100", "MaxIterations 1001", 195},
    {"Units USCS", "Increments 100", "Increments 40", 0},
    {"Units USCS", "Increments 100", "Increments 500", 0},
    {"Units USCS", "Increments 100", "Increments 39", 155},
    {"Units USCS", "Increments 100", "Increments 501", 156},
    {"Units USCS", "Tolerance 1.0E-5", "Tolerance 0.1", 0},
    {"Units USCS", "Tolerance 1.0E-5", "Tolerance 0.100000001", 0},  // below the single-precision 0.1
    {"Units USCS", "Tolerance 1.0E-5", "Tolerance 0.1000001", 166},
    {"Units USCS", "Tolerance 1.0E-5", "Tolerance 1E-20", 0},
    {"Units USCS", "Tolerance 1.0E-5", "Tolerance 0.99E-20", 165},
    {"Units SI", "Tolerance 1.0E-5", "Tolerance 0.00254", 0},
    {"Units SI", "Tolerance 1.0E-5", "Tolerance 0.0025401", 168},
    {"Units SI", "Tolerance 1.0E-5", "Tolerance 2.54E-22", 0},
    {"Units SI", "Tolerance 1.0E-5", "Tolerance 2.53E-22", 167},
    {"Units GENERAL", "Tolerance 1.0E-5", "Tolerance 10", 0},
    {"Units GENERAL", "Tolerance 1.0E-5", "Tolerance 0", 0},
};

class SolutionControlLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(SolutionControlLimit, AcceptsTheBoundsAndRejectsJustPast) {
    const LimitCase& c = GetParam();
    std::string text = Replace(Replace(Fixture("minimal.dat"), "Units USCS", c.units), c.line, c.value);
    EXPECT_EQ(Read_Keyword_Text(text).state, c.state) << c.units << " " << c.value;
}

INSTANTIATE_TEST_SUITE_P(Bounds, SolutionControlLimit, ::testing::ValuesIn(kLimitCases));

TEST(SolutionControlBlocks, IterationLimitBlocksGoToTheReport) {
    ReadResult low = Read_Keyword_Text(Replace(Fixture("minimal.dat"), "MaxIterations 100", "MaxIterations 29"));
    EXPECT_EQ(low.report,
              "***** Input Data Error No. 95 *****\n\n"
              "Problem: Input value for iterations limit = 29 and is less than 30 iteractions\n"
              "Solution:  Correct input value to be between 30 and 1000 iterations.\n\n\n" + Stop_Lines(95));
    EXPECT_EQ(low.msg, kOptionMsg);
    ReadResult high = Read_Keyword_Text(Replace(Fixture("minimal.dat"), "MaxIterations 100", "MaxIterations 1001"));
    EXPECT_EQ(high.report,
              "***** Input Data Error No. 95 *****\n\n"
              "Problem: Input value for iterations limit = 1001 and is more than 1,000 iteractions\n"
              "Solution:  Correct input value to be between 30 and 1000 iterations.\n\n\n" + Stop_Lines(95));
}

TEST(SolutionControlBlocks, ToleranceBlocksGoToBothFiles) {
    struct Block {
        const char* units;
        const char* value;
        int n;
        const char* problem;
        const char* recommended;
    };
    const Block blocks[] = {
        {"Units USCS", "1E-21", 65, "Input value for convergence tolerance is too small (less than 1E-10 inches).",
         "The recommended value for convergence tolerance is 0.00001 inches."},
        {"Units USCS", "0.2", 66, "Input value for convergence tolerance is too large (more than 0.1 inches). ",
         "The recommended value for convergence tolerance is 0.00001 inches."},
        {"Units SI", "1E-23", 67, "Input value for convergence tolerance is too small (less than 2.5E-12 meters). ",
         "The recommended value for convergence tolerance is 2.54E-7 meters."},
        {"Units SI", "0.003", 68, "Input value of convergence tolerance too large (more than 2.54E-3 meters). ",
         "The recommended value for convergence tolerance is 2.54E-7 meters."},
    };
    for (const Block& b : blocks) {
        std::string text = Replace(Replace(Fixture("minimal.dat"), "Units USCS", b.units), "Tolerance 1.0E-5",
                                   std::string("Tolerance ") + b.value);
        ReadResult r = Read_Keyword_Text(text);
        const std::string block = "\n**** Input Data Error No. " + std::to_string(b.n) + " ****\n\n" + b.problem +
                                  "\n" + b.recommended + "\n\n";
        EXPECT_EQ(r.state, 100 + b.n);
        EXPECT_EQ(r.report, block + Stop_Lines(b.n));
        EXPECT_EQ(r.msg, kOptionMsg + block);
    }
}

TEST(SolutionControlBlocks, IncrementBlocksGoToBothFiles) {
    ReadResult low = Read_Keyword_Text(Replace(Fixture("minimal.dat"), "Increments 100", "Increments 39"));
    const std::string block55 =
        "**** Input Data Error No. 55 ****\n\n"
        "Problem:  The number of pile increments is less than 40.\n\n"
        "Solution: Increase the number of pile increments to more than 40, preferably more than 100 increments.\n";
    EXPECT_EQ(low.report, block55 + Stop_Lines(55));
    EXPECT_EQ(low.msg, kOptionMsg + block55);
    ReadResult high = Read_Keyword_Text(Replace(Fixture("minimal.dat"), "Increments 100", "Increments 501"));
    const std::string block56 =
        "**** Input Data Error No. 56 ****\n\n"
        "Problem:  The number of pile increments is more than 500.\n\n"
        "Solution: Limit the number of pile increments to 500 or less.\n";
    EXPECT_EQ(high.report, block56 + Stop_Lines(56));
    EXPECT_EQ(high.msg, kOptionMsg + block56);
}

}  // namespace tarvex_test
