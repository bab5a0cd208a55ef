// Soil properties at a depth: interpolation, the interface rules, the averages
// from the ground surface, the multipliers and the tables, with their errors.
#include <gtest/gtest.h>

#include <cmath>

#include "soil/soil_profile.h"
#include "soil_fixture.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

// The strength at the interface at 10 of two layers [0, 10] and [10, 20].
struct InterfaceCase {
    int upper;
    double a;  // upper layer's bottom strength
    int lower;
    double b;  // lower layer's top strength
    double expected;
};

class InterfaceStrength : public testing::TestWithParam<InterfaceCase> {};

TEST_P(InterfaceStrength, FollowsTheClassesOfBothLayers) {
    const InterfaceCase& t = GetParam();
    Set_Up_Soil(kUnitsUS, 20.0, 12.0, 40,
                {{t.upper, 0.0, 10.0, 1.0, t.a}, {t.lower, 10.0, 20.0, t.b, 99.0}});
    EXPECT_DOUBLE_EQ(fn_c(10.0), t.expected);
    EXPECT_TRUE(on(g.soil.b_AtNode));
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, InterfaceStrength,
    testing::Values(
        InterfaceCase{kSoftClay, 10, kStfClyAW, 20, 15},         // clay / clay: mean
        InterfaceCase{kSoftClay, 10, kWeakRock, 100, 60},        // clay / rock: (2a + b) / 2
        InterfaceCase{kWeakRock, 100, kSoftClay, 10, 60},        // rock / clay: (2b + a) / 2
        InterfaceCase{kWeakRock, 100, kVuggyLS, 200, 150},       // rock / rock: mean
        InterfaceCase{kSoftClay, 10, kSand, 0, 10},              // clay / sand: the clay's value
        InterfaceCase{kSoftClay, 10, kUserPy, 3, 10},            // clay / user curves
        InterfaceCase{kSoftClay, 10, kElastSG, 3, 10},           // clay / elastic subgrade
        InterfaceCase{kMassRock, 100, kAPISand, 5, 100},         // rock / sand: the rock's value
        InterfaceCase{kSand, 0, kSoftClay, 10, 10},              // sand / clay: the clay's value
        InterfaceCase{kUserPy, 2, kWeakRock, 50, 50},            // user curves / rock
        InterfaceCase{kElastSG, 2, kStfClyBW, 30, 30},           // elastic subgrade / clay
        InterfaceCase{kCemSilt, 8, kWeakRock, 100, 58},          // cemented silt with c > 0 is cohesive
        InterfaceCase{kSand, 3, kCemSilt, 6, 6},                 // sand / cohesive silt
        InterfaceCase{kCemSilt, 0, kSoftClay, 10, 10},           // silt with c = 0 is cohesionless
        // Pairs without a rule of their own take the lower layer's top value.
        InterfaceCase{kSand, 1, kSand, 2, 2},
        InterfaceCase{kPiedmont, 5, kWeakRock, 100, 100},
        InterfaceCase{kFrzSoil, 5, kSoftClay, 10, 10},
        InterfaceCase{kSand, 1, kCemSilt, 0, 0},
        InterfaceCase{kElastSG, 1, kCemSilt, 0, 0},
        InterfaceCase{kSoftClay, 10, kPiedmont, 4, 4}));

TEST(Strength, InterpolatesInsideALayerAndFlagsOnlyInterfaces) {
    Set_Up_Soil(kUnitsUS, 20.0, 12.0, 40, {{kSoftClay, 0.0, 10.0, 2.0, 6.0}, {kSoftClay, 10.0, 20.0, 8.0, 12.0}});
    EXPECT_DOUBLE_EQ(fn_c(2.5), 3.0);
    EXPECT_FALSE(on(g.soil.b_AtNode));
    EXPECT_DOUBLE_EQ(fn_c(15.0), 10.0);
    EXPECT_DOUBLE_EQ(fn_c(10.0 + 5.0E-7), 7.0);  // within 1e-6 of the interface
    EXPECT_TRUE(on(g.soil.b_AtNode));
    EXPECT_DOUBLE_EQ(fn_c(0.0), 2.0);
    EXPECT_FALSE(on(g.soil.b_AtNode));  // the ground surface is no interface
}

TEST(Strength, PileTipOnAnInterfaceTakesTheUpperLayer) {
    Set_Up_Soil(kUnitsUS, 10.0, 12.0, 40, {{kSoftClay, 0.0, 10.0, 2.0, 6.0}, {kWeakRock, 10.0, 20.0, 100.0, 100.0}});
    EXPECT_DOUBLE_EQ(fn_c(10.0), 6.0);
}

TEST(Strength, DeepestPointWithinToleranceElseInputError5) {
    Set_Up_Soil(kUnitsUS, 20.0, 12.0, 40, {{kSoftClay, 0.0, 20.0, 2.0, 6.0}});
    EXPECT_DOUBLE_EQ(fn_c(20.0 + 9.0E-7), 6.0);
    CapturedRun out;
    EXPECT_EQ(Stop_State([] { fn_c(25.0); }), 105);
    const std::string block = Text_Of({
        "**** Input Data Error No. 5 ****", "",
        "An error was detected that is related to an incompatibility",
        "between the input data defining pile embedment depth and soil ",
        "shear strength values versus depth.", "",
        "Problem:  The value for a pile station depth is   0.2500E+02",
        "This depth is below the deepest extent of the input curve for",
        "soil shear strength versus depth at     20.000", "",
        "Solution:  Please revise the input data by either extending ",
        "the maximum depth for soil shear strength or shorten the ",
        "pile to be wholly within the defined soil layers.", ""});
    EXPECT_EQ(out.msg.text(), block);
    EXPECT_EQ(out.report.text(),
              block + Text_Of({"", "", "Tarvex ended prematurely due to input error number INP00005"}));
}

TEST(Strength, ZeroThicknessSegmentIsInputError60) {
    // The first layer has no thickness; a depth above it falls on that segment.
    Set_Up_Soil(kUnitsUS, 20.0, 12.0, 40, {{kSoftClay, 5.0, 5.0, 2.0, 2.0}, {kSoftClay, 5.0, 20.0, 2.0, 6.0}});
    CapturedRun out;
    EXPECT_EQ(Stop_State([] { fn_c(1.0); }), 160);
    EXPECT_EQ(out.msg.text(), Text_Of({
        "**** Input Data Error No. 60 ****", "",
        "An error was found in the strength of soil input data when interpolating ",
        "to obtain values of cohesion or uniaxial compressive strength.", "",
        "Problem:  The depth increment between the upper and lower soil depths in a ",
        "layer is zero.  The depth of computation is   0.1000E+01", "",
        "Solution:  Examine the program output file to find the depth in question",
        "and correct the soil layer depth values. ", ""}));
}

TEST(Strength, LayerWithoutAModelIsRuntimeError30) {
    Set_Up_Soil(kUnitsUS, 20.0, 12.0, 40, {{kSoftClay, 0.0, 10.0, 2.0, 6.0}, {18, 10.0, 20.0, 8.0, 12.0}});
    CapturedRun out;
    EXPECT_EQ(Stop_State([] { fn_c(10.0); }), 230);
    const std::string report = out.report.text();
    EXPECT_NE(report.find("\n\n ***** Runtime Error No. 30 *****\n\nError in fn_c, please report by email to "),
              std::string::npos);
    EXPECT_NE(report.find("\n Soil type above        = 1\n Soil type below        = 0\n"), std::string::npos);
    EXPECT_NE(report.find("\n JBOT index             = 2  = index number of strength value below depth in question\n"
                          " At tip condition       = F , T = true, F = false\n"
                          " i_SoilLayer_py_Type(JBOT/2)          = 1\n"
                          " i_SoilLayer_py_Type(JBOT/2+1)        = 18\n"),
              std::string::npos);
    EXPECT_EQ(out.msg.text(), "");
}

TEST(Strength, InterfaceDepthThatNoLayerPairMeetsIsInternalError999) {
    Set_Up_Soil(kUnitsUS, 20.0, 12.0, 40, {{kSoftClay, 0.0, 10.0, 2.0, 6.0}, {kSoftClay, 10.0, 20.0, 8.0, 12.0}});
    g.pd.XLayerBottom(1) = 11.0;
    g.pd.XLayerTop(2) = 11.0;
    CapturedRun out;
    EXPECT_EQ(Stop_State([] { fn_c(10.0); }), 999);
    EXPECT_EQ(out.report.text(), Text_Of({"", "",
                                          "Internal error in function C (undrained shear strength)",
                                          "The layer interface cannot be located",
                                          "Please contact Varnel for support", "",
                                          "Elevation             = 10",
                                          "b_AtInterface         = T",
                                          "b_InMiddle            = F",
                                          "b_AtTip               = F",
                                          "b_AtNode              = T",
                                          "Layer index above     = 1",
                                          "Layer index below     = 2",
                                          "DABS(X-XLayerBottom(KTOP))    = 1",
                                          "DABS(X-XLayerTop(KBOT))    = 1"}));
}

TEST(FrictionAngle, InterfaceMeanTipAndError4) {
    Set_Up_Soil(kUnitsUS, 20.0, 12.0, 40,
                {{kSand, 0.0, 10.0, 0, 0, 0, 0, 0, 0, 0, 0, 30.0, 32.0}, {kSand, 10.0, 20.0, 0, 0, 0, 0, 0, 0, 0, 0, 36.0, 40.0}});
    EXPECT_DOUBLE_EQ(fn_Phi(5.0), 31.0);
    EXPECT_DOUBLE_EQ(fn_Phi(10.0), 34.0);
    EXPECT_DOUBLE_EQ(fn_Phi(20.0), 40.0);
    EXPECT_DOUBLE_EQ(fn_Phi(-2.0), 29.6);  // above the profile: the first segment extended
    g.pd.rd_PileLength = 10.0;
    EXPECT_DOUBLE_EQ(fn_Phi(10.0), 32.0);  // pile tip on the interface: the upper layer
    CapturedRun out;
    EXPECT_EQ(Stop_State([] { fn_Phi(20.5); }), 104);
    EXPECT_EQ(out.msg.text(), Text_Of({
        "**** Input Data Error No. 4 ****", "",
        "An error was detected that is related to an incompatibility",
        "between the input data defining the embedment of the pile and",
        "the maximum depth of the soil shear strength data.", "",
        "Problem:  The value for a pile station depth is   0.2050E+02",
        "This depth is below the deepest extent of the input data for",
        "soil friction angle versus depth.", "",
        "Solution:  Please revise the input data by either extending ",
        "the maximum depth for soil friction angle or shorten the ",
        "pile to correct this problem.", ""}));
}

TEST(Eps50AndJ, InterfaceTakesTheNonZeroSideAndZeroBelowTheProfile) {
    Set_Up_Soil(kUnitsUS, 20.0, 12.0, 40,
                {{kSoftClay, 0.0, 10.0, 1, 1, 0, 0, 0.01, 0.0, 0.5, 0.5}, {kSoftClay, 10.0, 20.0, 1, 1, 0, 0, 0.02, 0.02, 0.25, 0.25}});
    EXPECT_DOUBLE_EQ(fn_Eps50(10.0), 0.02);  // upper bottom is zero: the lower value
    EXPECT_DOUBLE_EQ(fn_J(10.0), 0.375);
    EXPECT_DOUBLE_EQ(fn_Eps50(5.0), 0.005);
    EXPECT_EQ(fn_Eps50(21.0), 0.0);
    EXPECT_EQ(fn_J(21.0), 0.0);
    EXPECT_EQ(g.err.i_ErrorState, 0);
}

TEST(RQD, AveragesEvenAtTheTipAndChecksItsRange) {
    Set_Up_Soil(kUnitsUS, 10.0, 12.0, 40,
                {{kWeakRock, 0.0, 10.0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 40.0, 60.0},
                 {kWeakRock, 10.0, 20.0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 80.0, 120.0}});
    EXPECT_DOUBLE_EQ(fn_RQD(10.0), 70.0);
    EXPECT_DOUBLE_EQ(fn_RQD(2.5), 45.0);
    {
        CapturedRun out;
        EXPECT_EQ(Stop_State([] { fn_RQD(17.5); }), 149);  // 110 percent
        EXPECT_EQ(out.msg.text(), Text_Of({
            "**** Input Data Error No. 49 ****", "",
            "Problem:  The interpolated value of RQD used for p-y curves in weak rock ",
            "was found to be invalid because it was either less than zero or more than ",
            "100 percent.", "",
            "Solution:  Check your input data and revise in the data for RQD.", "",
            "The interpolated value of RQD =   0.1100E+03 %", ""}));
    }
    g.err.i_ErrorState = 0;
    CapturedRun out;
    EXPECT_EQ(Stop_State([] { fn_RQD(21.0); }), 131);
    EXPECT_EQ(out.msg.text(), Text_Of({
        "**** Input Data Error No. 31 ****", "",
        "An error was detected that is related to an incompatibility",
        "between the input data defining the embedment of the pile and",
        "the maximum depth of the soil shear strength data.", "",
        "Problem:  The value for a pile station depth is   0.2100E+02",
        "This depth is below the deepest extent of the input data for",
        "RQD versus depth.", "",
        "Solution:  Revise the input data by either extending the ",
        "maximum depth for RQD or shorten the pile to correct this ",
        "problem.", ""}));
}

TEST(Krm, LowerLayerAtAnInterfaceExceptAtTheTip) {
    Set_Up_Soil(kUnitsUS, 20.0, 12.0, 40,
                {{kWeakRock, 0.0, 10.0, 1, 1, 0, 0, 1.0E-4, 2.0E-4}, {kWeakRock, 10.0, 20.0, 1, 1, 0, 0, 3.0E-4, 5.0E-4}});
    EXPECT_DOUBLE_EQ(fn_krm(10.0), 3.0E-4);
    EXPECT_DOUBLE_EQ(fn_krm(15.0), 4.0E-4);
    EXPECT_DOUBLE_EQ(fn_krm(20.0), 5.0E-4);
    EXPECT_EQ(fn_krm(20.5), 0.0);
    g.pd.rd_PileLength = 10.0;
    EXPECT_DOUBLE_EQ(fn_krm(10.0), 2.0E-4);
}

TEST(UnitWeight, AverageFromTheGroundSurface) {
    // Ground at 2: layer 1 from 2 to 12 with 0.04 -> 0.06, layer 2 from 12 to 30 with 0.02 constant.
    Set_Up_Soil(kUnitsUS, 30.0, 12.0, 40,
                {{kSoftClay, 2.0, 12.0, 1, 1, -1.0, 0.06}, {kSoftClay, 12.0, 30.0, 1, 1, 0.02, 0.02}});
    EXPECT_EQ(fn_GammaAvg(1.0), 0.0);          // above the ground surface
    EXPECT_DOUBLE_EQ(fn_GammaAvg(2.0), 0.06);  // at the surface: the first positive value
    g.pd.rd_ProfileGamma(1) = 0.04;
    // One inch below the 10-inch layer: (0.05 x 10 + 0.02 x 1) / 11.
    EXPECT_NEAR(fn_GammaAvg(13.0), (0.05 * 10 + 0.02 * 1) / 11, 1e-15);
    EXPECT_NEAR(fn_GammaAvg(7.0), 0.045, 1e-15);
    CapturedRun out;
    EXPECT_EQ(Stop_State([] { fn_GammaAvg(31.0); }), 115);
    EXPECT_EQ(out.msg.text(), Text_Of({
        "**** Input Data Error No. 15 ****", "",
        "An error was detected related to an incompatibility between ",
        "the data defining pile embedment depth and effective unit ",
        "weights versus depth.", "",
        "The value for a pile station depth is   0.3100E+02",
        "This depth is below the deepest extent of the input curve for",
        "effective unit weight versus depth.", "",
        "Solution:",
        "Please revise the input data by either extending the maximum",
        "depth for effective unit weight or shorten the length of pile",
        "to be within the range of defined soil properties.", ""}));
}

TEST(AverageStrength, SurfaceValueAverageAndError3) {
    Set_Up_Soil(kUnitsUS, 30.0, 12.0, 40, {{kStfClyAW, 0.0, 10.0, 4.0, 8.0}, {kStfClyAW, 10.0, 30.0, 10.0, 10.0}});
    EXPECT_DOUBLE_EQ(fn_cAvg(0.0), 4.0);
    EXPECT_NEAR(fn_cAvg(20.0), (6.0 * 10 + 10.0 * 10) / 20, 1e-14);
    CapturedRun out;
    EXPECT_EQ(Stop_State([] { fn_cAvg(40.0); }), 103);
    EXPECT_EQ(out.msg.text(), Text_Of({
        "**** Input Data Error No. 3 ****", "",
        "An error was detected that is related to an incompatibility",
        "between the input data defining the embedment of the pile and",
        "the maximum depth of the soil shear strength data.", "",
        "The value for a pile station depth is   0.4000E+02",
        "This depth is below the deepest extent of the input data for",
        "soil shear strength versus depth.", "",
        "Solution:",
        "Please revise the input data by either extending the maximum",
        "depth for soil shear strength or shorten the pile to correct",
        "this problem.", ""}));
}

TEST(Multipliers, TableRulesAndOneOutside) {
    Set_Up_Soil(kUnitsUS, 30.0, 12.0, 40, {{kSoftClay, 0.0, 30.0, 1, 1}});
    EXPECT_EQ(fn_pMultiplier(5.0), 1.0);  // empty table
    ProblemData& pd = g.pd;
    pd.i_NumPYMult = 4;
    const double z[4] = {2, 10, 10, 20}, p[4] = {0.8, 0.6, 0.4, 0.2}, y[4] = {1.5, 2.0, 3.0, 4.0};
    for (int i = 1; i <= 4; ++i) pd.rd_PYMultDepth(i) = z[i - 1], pd.rd_PMult(i) = p[i - 1], pd.rd_YMult(i) = y[i - 1];
    EXPECT_EQ(fn_pMultiplier(1.0), 1.0);
    EXPECT_DOUBLE_EQ(fn_pMultiplier(6.0), 0.7);
    EXPECT_DOUBLE_EQ(fn_yMultiplier(6.0), 1.75);
    EXPECT_DOUBLE_EQ(fn_pMultiplier(10.0), 0.4);  // repeated depth: the deeper point
    EXPECT_DOUBLE_EQ(fn_yMultiplier(10.0), 3.0);
    EXPECT_DOUBLE_EQ(fn_pMultiplier(15.0), 0.3);
    EXPECT_DOUBLE_EQ(fn_pMultiplier(20.0), 0.2);
    EXPECT_EQ(fn_pMultiplier(20.5), 1.0);
    EXPECT_EQ(fn_yMultiplier(25.0), 1.0);
}

TEST(Multipliers, ZeroPointWithoutATableLeavesTheDeflectionUnscaled) {
    // The option without a table leaves one point (depth 0, multipliers 0).
    Set_Up_Soil(kUnitsUS, 30.0, 12.0, 40, {{kSoftClay, 0.0, 30.0, 1, 1}});
    g.pd.i_NumPYMult = 1;
    EXPECT_EQ(fn_pMultiplier(0.0), 0.0);
    EXPECT_EQ(fn_yMultiplier(0.0), 1.0);
    EXPECT_EQ(fn_yMultiplier(1.0), 1.0);
    g.pd.i_NumPYMult = 2;
    g.pd.rd_PYMultDepth(2) = 10.0, g.pd.rd_YMult(2) = 2.0;
    EXPECT_DOUBLE_EQ(fn_yMultiplier(5.0), 1.0);
    EXPECT_DOUBLE_EQ(fn_yMultiplier(7.5), 1.5);
}

TEST(Tables, Table10ExtrapolatesBelowAndHoldsAbove) {
    const double R[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const double V[10] = {10, 20, 40, 40, 50, 60, 70, 80, 90, 95};
    EXPECT_DOUBLE_EQ(fn_Table10(0.0, 1.0, V, R), 0.0);   // first segment extended
    EXPECT_DOUBLE_EQ(fn_Table10(5.0, 2.0, V, R), 30.0);  // r = 2.5
    EXPECT_DOUBLE_EQ(fn_Table10(3.0, 1.0, V, R), 40.0);
    EXPECT_DOUBLE_EQ(fn_Table10(9.5, 1.0, V, R), 92.5);
    EXPECT_DOUBLE_EQ(fn_Table10(12.0, 1.0, V, R), 95.0);
}

TEST(Tables, StiffClayCoefficientsAtTheirEnds) {
    EXPECT_EQ(fn_As(0.0), double(0.2345f));
    EXPECT_EQ(fn_As(3.4), 0.6000000238418579);
    EXPECT_EQ(fn_As(5.0), 0.6000000238418579);
    EXPECT_EQ(fn_Ac(0.0), double(0.2f));
    EXPECT_EQ(fn_Ac(1.6), 0.30000001192092896);
    const double z = 1.0;
    const double as = (z * z * double(0.0068981f) + double(0.2958796f)) * z + (double(0.2345f) - z * z * double(0.0786111f));
    EXPECT_EQ(fn_As(z), as);
    EXPECT_LT(fn_As(3.3), 0.6000000238418579 + 1e-12);
}

}  // namespace
}  // namespace tarvex_test
