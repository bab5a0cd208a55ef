// The complete fixture: every section keyword, every section type and every
// p-y model code, read into the store and checked field by field, once with
// US customary units and once with SI units (the same numbers, so the SI
// values are the US ones with the reader's millimetre conversions).
#include <gtest/gtest.h>

#include <cmath>

#include "engine/store.h"
#include "input/keyword_reading.h"

namespace tarvex_test {
using namespace tarvex;

constexpr double kPi = 3.141592653589793;
constexpr double kInchSI = double(0.0254f);

class CompleteFixture : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        si = GetParam();
        std::string text = Fixture("complete.dat");
        if (si) text = Replace(text, "Units USCS", "Units SI");
        r = Read_Keyword_Text(text);
        ASSERT_EQ(r.state, 0) << r.report << r.msg;
    }
    double mm(double x) const { return si ? x / 1000.0 : x; }
    double mm2(double x) const { return si ? x / 1e6 : x; }
    double mm4(double x) const { return si ? x / 1e12 : x; }
    double inch(float x) const { return si ? double(x) * kInchSI : double(x); }
    double inch2(float x) const { return si ? double(x) * kInchSI * kInchSI : double(x); }
    double strand_modulus(bool bars) const { return si ? (bars ? 199947760.0 : 193053200.0) : (bars ? 29000.0 : 28000.0); }
    const PileSection& S(int s) const { return g.pd.Section(s); }

    bool si = false;
    ReadResult r;
};

TEST_P(CompleteFixture, TitleAndOptions) {
    const ProblemData& pd = g.pd;
    EXPECT_EQ(pd.Title(1).trimmed(), "Complete keyword file");
    EXPECT_EQ(pd.Title(2).trimmed(), "  second title line, kept with its leading blanks");
    EXPECT_EQ(pd.Title(5).trimmed(), "fifth");
    EXPECT_EQ(pd.IUNITS, si ? kUnitsSI : kUnitsUS);
    EXPECT_EQ(pd.b_UseLRFD, kTrue);
    EXPECT_EQ(pd.b_ComputeKmatrix, kTrue);
    EXPECT_EQ(pd.b_UseTipShear, kTrue);
    EXPECT_EQ(pd.b_UseSoilMovement, kTrue);
    EXPECT_EQ(pd.b_UsePYModifiers, kTrue);
    EXPECT_EQ(pd.ICOM, 3);
    EXPECT_EQ(pd.KYL, 0);
    EXPECT_EQ(pd.b_CyclicLoading, kTrue);
    EXPECT_EQ(pd.rd_NumCycles, 100.0);
    EXPECT_EQ(pd.i_MaxIterations, 200);
    EXPECT_EQ(pd.rd_MaxDeflection, 10.0);
    EXPECT_EQ(pd.rd_ConvergenceTol, 1.0e-5);
    EXPECT_EQ(pd.i_NumIncrements, 100);
    EXPECT_EQ(pd.b_PrintSummaryOnly, kFalse);
    EXPECT_EQ(pd.i_PrintIncrement, 2);
    EXPECT_EQ(pd.b_PrintPYCurves, kTrue);
    EXPECT_EQ(pd.i_PrintPYCurves, 1);
    EXPECT_EQ(pd.b_ComputeInteraction, kFalse);
    EXPECT_EQ(pd.i_InteractionCode, 0);
}

TEST_P(CompleteFixture, ReinforcedConcreteSections) {
    // 0: rectangular, listed bars
    EXPECT_EQ(S(1).i_SectionType, 0);
    EXPECT_EQ(S(1).rd_SectionLength, 10.0);
    EXPECT_DOUBLE_EQ(S(1).rd_SectionDepth, mm(24.0));
    EXPECT_DOUBLE_EQ(S(1).rd_SectionWidth, mm(18.0));
    EXPECT_DOUBLE_EQ(S(1).rd_SectionDiameter, mm(24.0));
    EXPECT_EQ(S(1).rd_SectionTopX, 0.0);
    EXPECT_EQ(S(1).rd_SectionBottomX, 10.0);
    EXPECT_EQ(S(1).rd_ConcreteFc, 4000.0);
    EXPECT_DOUBLE_EQ(S(1).rd_AggregateSize, mm(0.75));
    EXPECT_EQ(S(1).b_DefaultTensileStrength, kTrue);
    EXPECT_EQ(S(1).b_InputConcreteCurve, kFalse);
    EXPECT_EQ(S(1).b_RebarSameAsAbove, kFalse);
    EXPECT_EQ(S(1).b_RebarInCircle, kFalse);
    EXPECT_EQ(S(1).rd_BarYield, 60000.0);
    EXPECT_EQ(S(1).rd_BarModulus, 29000000.0);
    EXPECT_EQ(S(1).i_NumBars, 2);
    EXPECT_EQ(S(1).i_BarSize(2), 8);
    EXPECT_DOUBLE_EQ(S(1).rd_BarDiam(2), mm(1.0));
    EXPECT_DOUBLE_EQ(S(1).rd_BarArea(2), mm2(0.79));
    EXPECT_DOUBLE_EQ(S(1).rd_BarX(1), mm(-6.0));
    EXPECT_DOUBLE_EQ(S(1).rd_BarY(1), mm(-9.0));
    EXPECT_DOUBLE_EQ(S(1).rd_BarY(2), mm(9.0));

    // 1: drilled shaft, tensile strength and stress-strain curve given, 8 x 2 bars on a circle
    const PileSection& s2 = S(2);
    EXPECT_EQ(s2.i_SectionType, 1);
    EXPECT_DOUBLE_EQ(s2.rd_SectionDiameter, mm(36.0));
    EXPECT_EQ(s2.b_DefaultTensileStrength, kFalse);
    EXPECT_EQ(s2.rd_ConcreteFt, 400.0);
    EXPECT_EQ(s2.b_InputConcreteCurve, kTrue);
    EXPECT_EQ(s2.i_NumConcreteCurvePts, 2);
    EXPECT_EQ(s2.rd_ConcreteCurve(2, 1), 0.003);
    EXPECT_EQ(s2.rd_ConcreteCurve(2, 2), 4000.0);
    EXPECT_EQ(s2.b_RebarInCircle, kTrue);
    EXPECT_EQ(s2.i_NumBarPositions, 8);
    EXPECT_EQ(s2.i_BarsPerBundle, 2);
    EXPECT_EQ(s2.i_NumBars, 16);
    EXPECT_DOUBLE_EQ(s2.rd_RebarDiameter, mm(1.0));
    EXPECT_DOUBLE_EQ(s2.rd_RebarArea, mm2(0.79));
    EXPECT_DOUBLE_EQ(s2.rd_Cover, mm(3.0));
    EXPECT_DOUBLE_EQ(s2.rd_BarDiam(16), mm(1.0));
    EXPECT_DOUBLE_EQ(s2.rd_BarArea(16), mm2(0.79));
    // R = (36 - 1) / 2 - 3 = 14.5; the two bars of position 1 at -r/2 and +r/2, r = d / R
    const double R = mm(14.5), half = 0.5 * (1.0 / 14.5);
    EXPECT_NEAR(s2.rd_BarX(1), R * std::cos(-half), 1e-12);
    EXPECT_NEAR(s2.rd_BarY(1), R * std::sin(-half), 1e-12);
    EXPECT_NEAR(s2.rd_BarY(2), R * std::sin(half), 1e-12);
    EXPECT_NEAR(s2.rd_BarX(5), R * std::cos(kPi / 2 - half), 1e-12);

    // 2: cased shaft, bars the same as above, 6 bars on a circle shifted by the offset
    const PileSection& s3 = S(3);
    EXPECT_EQ(s3.i_SectionType, 2);
    EXPECT_DOUBLE_EQ(s3.rd_CasingThickness, mm(0.5));
    EXPECT_EQ(s3.rd_CasingYield, 36000.0);
    EXPECT_EQ(s3.rd_CasingModulus, 29000000.0);
    EXPECT_EQ(s3.b_RebarSameAsAbove, kTrue);
    EXPECT_EQ(s3.i_NumBars, 6);
    EXPECT_DOUBLE_EQ(s3.rd_RebarOffset, mm(2.0));
    EXPECT_NEAR(s3.rd_BarX(1), R, 1e-12);
    EXPECT_NEAR(s3.rd_BarY(1), mm(2.0), 1e-12);
    EXPECT_NEAR(s3.rd_BarY(2), R * std::sin(kPi / 3) + mm(2.0), 1e-12);

    // 3 and -3: casing and core, filled and void
    for (int s : {4, 5}) {
        EXPECT_EQ(S(s).i_SectionType, 3);
        EXPECT_DOUBLE_EQ(S(s).rd_CoreDiameter, mm(12.0));
        EXPECT_DOUBLE_EQ(S(s).rd_CoreThickness, mm(0.5));
        EXPECT_EQ(S(s).rd_CoreYield, 36000.0);
        EXPECT_EQ(S(s).rd_CoreModulus, 29000000.0);
        EXPECT_EQ(S(s).i_NumBars, 0);
    }
    EXPECT_EQ(S(4).b_FillCoreWithConcrete, kTrue);
    EXPECT_EQ(S(5).b_FillCoreWithConcrete, kFalse);
}

TEST_P(CompleteFixture, PrestressedSections) {
    // 5: 4 strands on a circle, radius (24 - d) / 2 - 3, d of strand type 1 size 3
    const PileSection& s7 = S(7);
    EXPECT_EQ(s7.i_SectionType, 5);
    EXPECT_EQ(s7.b_AutoPositionStrands, kTrue);
    EXPECT_EQ(s7.i_StrandType, 1);
    EXPECT_EQ(s7.i_StrandSize, 3);
    EXPECT_EQ(s7.i_NumStrands, 4);
    EXPECT_EQ(s7.rd_PrestressForce, 200000.0);
    EXPECT_EQ(s7.rd_PrestressLoss, 0.1);
    EXPECT_DOUBLE_EQ(s7.rd_StrandCover, mm(3.0));
    EXPECT_EQ(s7.i_StrandPattern, 0);
    EXPECT_EQ(s7.rd_StrandFpu, 270000.0);
    EXPECT_EQ(s7.rd_BarModulus, strand_modulus(false));
    EXPECT_EQ(s7.rd_StrandDiameter, inch(0.5f));
    EXPECT_EQ(s7.rd_StrandArea, inch2(0.153f));
    EXPECT_EQ(s7.i_StrandSizeOf(4), 3);
    EXPECT_EQ(s7.rd_BarArea(4), inch2(0.153f));
    const double R7 = (mm(24.0) - inch(0.5f)) * 0.5 - mm(3.0);
    EXPECT_NEAR(s7.rd_BarX(1), R7, 1e-12);
    EXPECT_NEAR(s7.rd_BarY(1), 0.0, 1e-12);
    EXPECT_NEAR(s7.rd_BarY(2), R7, 1e-12);
    EXPECT_NEAR(s7.rd_BarX(3), -R7, 1e-12);
    EXPECT_NEAR(s7.rd_BarY(4), -R7, 1e-12);

    // 6: hollow, two listed strands of type 0 size 5
    const PileSection& s8 = S(8);
    EXPECT_EQ(s8.i_SectionType, 6);
    EXPECT_DOUBLE_EQ(s8.rd_VoidDiameter, mm(12.0));
    EXPECT_EQ(s8.b_AutoPositionStrands, kFalse);
    EXPECT_EQ(s8.i_NumStrands, 2);
    EXPECT_EQ(s8.rd_PrestressLoss, 0.15);
    EXPECT_EQ(s8.i_StrandSizeOf(2), 5);
    EXPECT_EQ(s8.rd_StrandFpu, 250000.0);
    EXPECT_EQ(s8.rd_BarDiam(2), inch(0.5f));
    EXPECT_EQ(s8.rd_BarArea(2), inch2(0.144f));
    EXPECT_DOUBLE_EQ(s8.rd_BarX(2), mm(-8.0));

    // 7 and 8: 6 strands on a square, a = (18 - d) / 2 - 2, patterns 1 and 2
    const double a = (mm(18.0) - inch(0.5f)) * 0.5 - mm(2.0);
    const double p1[6][2] = {{-a, -a}, {0, -a}, {a, -a}, {a, a}, {0, a}, {-a, a}};
    const double p2[6][2] = {{-a, -a}, {a, -a}, {a, 0}, {a, a}, {-a, a}, {-a, 0}};
    EXPECT_EQ(S(9).i_SectionType, 7);
    EXPECT_DOUBLE_EQ(S(9).rd_ChamferSize, mm(0.75));
    EXPECT_EQ(S(10).i_SectionType, 8);
    EXPECT_DOUBLE_EQ(S(10).rd_VoidDiameter, mm(8.0));
    EXPECT_DOUBLE_EQ(S(10).rd_ChamferSize, mm(0.75));
    for (int k = 1; k <= 6; ++k) {
        EXPECT_NEAR(S(9).rd_BarX(k), p1[k - 1][0], 1e-12) << k;
        EXPECT_NEAR(S(9).rd_BarY(k), p1[k - 1][1], 1e-12) << k;
        EXPECT_NEAR(S(10).rd_BarX(k), p2[k - 1][0], 1e-12) << k;
        EXPECT_NEAR(S(10).rd_BarY(k), p2[k - 1][1], 1e-12) << k;
    }

    // 9: octagonal, 8 strands of type 2 size 2 on a circle
    EXPECT_EQ(S(11).i_SectionType, 9);
    EXPECT_EQ(S(11).rd_StrandFpu, 300000.0);
    EXPECT_EQ(S(11).rd_StrandDiameter, inch(0.5f));
    EXPECT_EQ(S(11).rd_StrandArea, inch2(0.153f));
    const double R11 = (mm(20.0) - inch(0.5f)) * 0.5 - mm(2.5);
    EXPECT_NEAR(S(11).rd_BarX(2), R11 * std::cos(kPi / 4), 1e-12);

    // 10: hollow octagonal, one deformed bar of size 0 (its own strength)
    const PileSection& s12 = S(12);
    EXPECT_EQ(s12.i_SectionType, 10);
    EXPECT_DOUBLE_EQ(s12.rd_VoidDiameter, mm(10.0));
    EXPECT_EQ(s12.i_StrandType, 5);
    EXPECT_EQ(s12.rd_StrandFpu, 157000.0);
    EXPECT_EQ(s12.rd_BarModulus, strand_modulus(true));
    EXPECT_EQ(s12.rd_BarDiam(1), inch(0.625f));
    EXPECT_EQ(s12.rd_BarArea(1), inch2(0.28f));
    EXPECT_DOUBLE_EQ(s12.rd_BarY(1), mm(7.0));
}

TEST_P(CompleteFixture, ElasticUserAndMicropileSections) {
    const PileSection& s13 = S(13);  // elastic, embedded pole
    EXPECT_EQ(s13.i_SectionType, 11);
    EXPECT_EQ(s13.i_ElasShape, 6);
    EXPECT_EQ(s13.rd_ElasModulus, 1500000.0);
    EXPECT_DOUBLE_EQ(s13.rd_ElasWidthTop, mm(10.0));
    EXPECT_DOUBLE_EQ(s13.rd_ElasWidthBottom, mm(9.0));
    EXPECT_DOUBLE_EQ(s13.rd_ElasAreaTop, mm2(78.5));
    EXPECT_DOUBLE_EQ(s13.rd_ElasAreaBottom, mm2(63.6));
    EXPECT_DOUBLE_EQ(s13.rd_ElasInertiaTop, mm4(490.9));
    EXPECT_DOUBLE_EQ(s13.rd_ElasInertiaBottom, mm4(322.1));
    EXPECT_DOUBLE_EQ(s13.rd_SectionDiameter, mm(24.0));

    const PileSection& s14 = S(14);  // elastic-plastic, strong H-pile
    EXPECT_EQ(s14.i_SectionType, 12);
    EXPECT_EQ(s14.i_ElasShape, 4);
    EXPECT_EQ(s14.rd_ElasModulus, 29000000.0);
    EXPECT_EQ(s14.rd_PlasticMomentTop, 3000000.0);
    EXPECT_EQ(s14.rd_PlasticMomentBottom, 3000000.0);
    EXPECT_DOUBLE_EQ(s14.rd_ElasWidthTop, mm(12.0));
    EXPECT_EQ(s14.rd_ElasWidthBottom, 0.0);
    EXPECT_DOUBLE_EQ(s14.rd_ElasDepthTop, mm(12.0));
    EXPECT_DOUBLE_EQ(s14.rd_ElasDepthBottom, mm(12.0));
    EXPECT_EQ(s14.rd_FlangeThickness, 0.6);
    EXPECT_EQ(s14.rd_WebThickness, 0.6);
    EXPECT_DOUBLE_EQ(s14.rd_ElasAreaBottom, mm2(21.8));
    EXPECT_DOUBLE_EQ(s14.rd_ElasInertiaBottom, mm4(393.0));
    EXPECT_EQ(s14.rd_SectionTopX, 75.0);
    EXPECT_EQ(s14.rd_SectionBottomX, 80.0);

    const PileSection& s15 = S(15);  // user-defined EI curves, nothing converted but the diameter
    EXPECT_EQ(s15.i_SectionType, 13);
    EXPECT_DOUBLE_EQ(s15.rd_SectionDiameter, mm(24.0));
    EXPECT_EQ(s15.i_NumUserEIThrusts, 2);
    EXPECT_EQ(s15.rd_UserEIThrust(2), 100000.0);
    EXPECT_EQ(s15.i_NumUserEIPts(1), 2);
    EXPECT_EQ(s15.i_NumUserEIPts(2), 1);
    EXPECT_EQ(s15.rd_UserEIMoment(1, 2), 2000.0);
    EXPECT_EQ(s15.rd_UserEIStiffness(1, 2), 4.0e9);
    EXPECT_EQ(s15.rd_UserEIStiffness(2, 1), 6.0e9);

    EXPECT_EQ(S(16).i_SectionType, 14);
    EXPECT_EQ(S(16).rd_SectionLength, 3.0);
}

TEST_P(CompleteFixture, PilePropertyPoints) {
    const ProblemData& pd = g.pd;
    EXPECT_EQ(pd.i_NumSections, 16);
    EXPECT_EQ(pd.i_NumPilePoints, 32);
    EXPECT_EQ(pd.rd_PileLength, 85.0);  // the micropile adds nothing
    const double tops[15] = {0, 10, 15, 20, 25, 30, 40, 45, 50, 55, 60, 65, 70, 75, 80};
    const double lengths[15] = {10, 5, 5, 5, 5, 10, 5, 5, 5, 5, 5, 5, 5, 5, 5};
    for (int s = 1; s <= 15; ++s) {
        EXPECT_EQ(pd.rd_PilePointX(2 * s - 1), tops[s - 1]) << s;
        EXPECT_EQ(pd.rd_PilePointX(2 * s), tops[s - 1] + lengths[s - 1]) << s;
    }
    EXPECT_EQ(pd.rd_PilePointX(31), 0.0);
    EXPECT_EQ(pd.rd_PilePointX(32), 0.0);
    const double widths[15] = {18, 36, 36, 36, 36, 24, 24, 24, 18, 18, 20, 20, 24, 12, 24};
    for (int s = 1; s <= 15; ++s) {
        EXPECT_DOUBLE_EQ(pd.rd_PilePointDiam(2 * s - 1), mm(widths[s - 1])) << s;
        EXPECT_DOUBLE_EQ(pd.rd_PilePointDiam(2 * s), mm(widths[s - 1])) << s;
    }
    // steel pipe: D = 24, t = 0.5
    const double D = mm(24.0), d = mm(23.0);
    EXPECT_DOUBLE_EQ(pd.rd_PilePointI(11), (std::pow(D, 4) - std::pow(d, 4)) * kPi / 64);
    EXPECT_DOUBLE_EQ(pd.rd_PilePointArea(12), (D * D - d * d) * kPi / 4);
    EXPECT_EQ(pd.rd_PilePointE(12), 29000000.0);
    // elastic pole and H-pile
    EXPECT_DOUBLE_EQ(pd.rd_PilePointI(25), mm4(490.9));
    EXPECT_DOUBLE_EQ(pd.rd_PilePointI(26), mm4(322.1));
    EXPECT_EQ(pd.rd_PilePointE(26), 1500000.0);
    EXPECT_DOUBLE_EQ(pd.rd_PilePointArea(26), mm2(63.6));
    EXPECT_DOUBLE_EQ(pd.rd_PilePointPoleWidth(25), mm(10.0));
    EXPECT_DOUBLE_EQ(pd.rd_PilePointPoleWidth(26), mm(9.0));
    EXPECT_DOUBLE_EQ(pd.rd_PilePointArea(27), mm2(21.8));
    EXPECT_DOUBLE_EQ(pd.rd_PilePointArea(28), mm2(21.8));
    EXPECT_DOUBLE_EQ(pd.rd_PilePointI(28), mm4(393.0));
    // nonlinear sections leave the elastic values untouched
    EXPECT_EQ(pd.rd_PilePointI(1), 0.0);
    EXPECT_EQ(pd.rd_PilePointE(4), 0.0);
}

TEST_P(CompleteFixture, SoilLayersOfEveryModel) {
    const ProblemData& pd = g.pd;
    EXPECT_EQ(pd.i_Number_of_Layers, 17);
    EXPECT_EQ(pd.i_NumProfilePoints, 34);
    EXPECT_EQ(pd.i_NumGammaPts, 34);
    EXPECT_EQ(pd.XGround, 0.0);
    for (int b = 1; b <= 17; ++b) {
        EXPECT_EQ(pd.i_SoilLayer_py_Type(b), b);
        EXPECT_EQ(pd.XLayerTop(b), 5.0 * (b - 1));
        EXPECT_EQ(pd.XLayerBottom(b), 5.0 * b);
        EXPECT_EQ(pd.rd_ProfileDepth(2 * b - 1), 5.0 * (b - 1));
        EXPECT_EQ(pd.rd_GammaDepth(2 * b), 5.0 * b);
    }
    // 1 soft clay
    EXPECT_EQ(pd.rd_ProfileGamma(1), 110.0);
    EXPECT_EQ(pd.rd_ProfileStrength(1), 500.0);
    EXPECT_EQ(pd.rd_ProfileEps50(2), 0.015);
    // 2 and 4: stiff clay with k
    EXPECT_EQ(pd.rd_ProfileStrength(3), 1000.0);
    EXPECT_EQ(pd.rd_ProfileEps50(4), 0.006);
    EXPECT_EQ(pd.rd_LayerKTop(2), 500.0);
    EXPECT_EQ(pd.rd_LayerKBottom(2), 600.0);
    EXPECT_EQ(pd.rd_ProfileGamma(6), 118.0);
    EXPECT_EQ(pd.rd_LayerKTop(3), 0.0);
    EXPECT_EQ(pd.rd_LayerKTop(4), 700.0);
    EXPECT_EQ(pd.rd_LayerKBottom(4), 800.0);
    // 5 and 6: sands
    EXPECT_EQ(pd.rd_ProfileGamma(9), 62.4);
    EXPECT_EQ(pd.rd_ProfilePhi(10), 32.0);
    EXPECT_EQ(pd.rd_LayerKBottom(5), 30.0);
    EXPECT_EQ(pd.rd_ProfilePhi(11), 34.0);
    EXPECT_EQ(pd.rd_LayerKTop(6), 90.0);
    // 7 liquefied sand
    EXPECT_EQ(pd.rd_ProfileGamma(13), 60.0);
    EXPECT_EQ(pd.rd_ProfileGamma(14), 61.0);
    // 8 weak rock: qu, initial modulus, RQD, k_rm
    EXPECT_EQ(pd.rd_ProfileStrength(15), 500.0);
    EXPECT_EQ(pd.rd_LayerKTop(8), 50000.0);
    EXPECT_EQ(pd.rd_LayerKBottom(8), 60000.0);
    EXPECT_EQ(pd.rd_ProfileRQD(16), 70.0);
    EXPECT_EQ(pd.rd_ProfileEps50(15), 0.0005);
    // 9 vuggy limestone
    EXPECT_EQ(pd.rd_ProfileStrength(18), 1600.0);
    // 10 Piedmont
    EXPECT_EQ(pd.i_ProfileTestType(19), 1);
    EXPECT_EQ(pd.rd_ProfileN60(19), 20.0);
    EXPECT_EQ(pd.rd_ProfileQc(20), 35.0);
    EXPECT_EQ(pd.rd_ProfileEdmt(20), 45.0);
    EXPECT_EQ(pd.rd_ProfileEpmt(20), 55.0);
    // 11 cemented silt
    EXPECT_EQ(pd.rd_ProfileStrength(21), 300.0);
    EXPECT_EQ(pd.rd_ProfilePhi(22), 31.0);
    EXPECT_EQ(pd.rd_ProfileEps50(22), 0.004);
    EXPECT_EQ(pd.rd_LayerKBottom(11), 120.0);
    // 12 loess, 13 elastic subgrade
    EXPECT_EQ(pd.rd_ProfileQc(24), 210.0);
    EXPECT_EQ(pd.rd_ProfileEs(25), 1000.0);
    EXPECT_EQ(pd.rd_ProfileEs(26), 1200.0);
    // 14 user p-y curves
    EXPECT_EQ(pd.rd_ProfileGamma(27), 110.0);
    EXPECT_EQ(pd.i_UserPyNumPts(27), 3);
    EXPECT_EQ(pd.i_UserPyNumPts(28), 2);
    EXPECT_EQ(pd.rd_UserPyDepth(27), 65.0);
    EXPECT_EQ(pd.rd_UserPyDepth(28), 70.0);
    EXPECT_EQ(pd.rd_UserPyY(27, 3), 1.0);
    EXPECT_EQ(pd.rd_UserPyP(27, 3), 150.0);
    EXPECT_EQ(pd.rd_UserPyP(28, 2), 200.0);
    // 15 soft clay with J
    EXPECT_EQ(pd.rd_ProfileJ(29), 0.25);
    EXPECT_EQ(pd.rd_ProfileJ(30), 0.5);
    // 16 massive rock
    EXPECT_EQ(pd.rd_ProfileSigCi(31), 5000.0);
    EXPECT_EQ(pd.i_ProfileRockType(32), 4);
    EXPECT_EQ(pd.rd_ProfileGSI(32), 55.0);
    EXPECT_EQ(pd.rd_ProfileEmass(32), 1100000.0);
    // 17 frozen soil: depths only
    EXPECT_EQ(pd.rd_ProfileGamma(33), 0.0);
    EXPECT_EQ(pd.rd_ProfileDepth(34), 85.0);
}

TEST_P(CompleteFixture, LoadsAndAuxiliaryTables) {
    const ProblemData& pd = g.pd;
    // "LOADING" follows "AXIAL THRUST LOADS" and overwrites the cases it reads
    EXPECT_EQ(pd.i_NumLoads, 2);
    EXPECT_EQ(pd.i_LoadType(1), 1);
    EXPECT_EQ(pd.i_LoadType(2), 4);
    EXPECT_EQ(pd.rd_LoadCond1(1), 10000.0);
    EXPECT_EQ(pd.rd_LoadCond1(2), 0.25);
    EXPECT_EQ(pd.rd_AxialThrust(1), 100000.0);
    EXPECT_EQ(pd.rd_AxialThrust(2), 50000.0);
    EXPECT_EQ(pd.rd_AxialThrust(3), 300000.0);  // the sorted EI-only list's last value stays
    EXPECT_EQ(pd.b_ComputeYvsL(1), kFalse);
    EXPECT_EQ(pd.b_ComputeYvsL(2), kTrue);
    EXPECT_EQ(pd.i_NumDistLoadPts, 2);
    EXPECT_EQ(pd.rd_DistLoadDepth(2), 120.0);
    EXPECT_EQ(pd.rd_DistLoad(1), 5.0);

    EXPECT_EQ(pd.i_NumTipShearPts, 3);
    EXPECT_EQ(pd.rd_TipShearY(3), 1.0);
    EXPECT_EQ(pd.rd_TipShearV(3), 1500.0);

    EXPECT_DOUBLE_EQ(pd.rd_SlopeAngle, 10.0 * kPi / 180);
    EXPECT_DOUBLE_EQ(pd.rd_BatterAngle, -5.0 * kPi / 180);
    EXPECT_EQ(pd.rd_EffSlopeAngle, pd.rd_SlopeAngle - pd.rd_BatterAngle);

    // "GROUP EFFECT FACTORS" follows "GROUPEFF"
    EXPECT_EQ(pd.i_NumPYMult, 2);
    EXPECT_EQ(pd.rd_PYMultDepth(2), 85.0);
    EXPECT_EQ(pd.rd_PMult(1), 0.7);
    EXPECT_EQ(pd.rd_YMult(2), 1.2);

    EXPECT_EQ(pd.i_NumSoilMovePts, 3);
    EXPECT_EQ(pd.rd_SoilMoveDepth(2), 10.0);
    EXPECT_EQ(pd.rd_SoilMove(1), mm(1.0));
    EXPECT_EQ(pd.rd_SoilMove(2), mm(0.5));

    EXPECT_EQ(pd.i_NumPYOutDepths, 2);
    EXPECT_EQ(pd.rd_PYOutDepth(2), 10.0);
}

TEST_P(CompleteFixture, LRFDGroupsCombinationsAndThrustList) {
    const ProblemData& pd = g.pd;
    EXPECT_EQ(pd.i_NumLRFDLoads, 3);
    EXPECT_EQ(pd.i_LRFDLoadType(3), 5);
    EXPECT_EQ(pd.rd_LRFDShear(2), 5000.0);
    EXPECT_EQ(pd.rd_LRFDMoment(1), 50000.0);
    EXPECT_EQ(pd.rd_LRFDAxial(3), 100000.0);
    EXPECT_EQ(pd.i_LRFDNumDist(1), 0);
    EXPECT_EQ(pd.i_LRFDNumDist(2), 2);
    EXPECT_EQ(pd.rd_LRFDDistDepth(2, 2), 120.0);
    EXPECT_EQ(pd.rd_LRFDDist(2, 2), 20.0);

    EXPECT_EQ(pd.i_NumLRFDCombos, 2);
    EXPECT_EQ(pd.rd_LoadFactor(1, 1), 1.25);
    EXPECT_EQ(pd.rd_LoadFactor(2, 1), 1.75);
    EXPECT_EQ(pd.rd_LoadFactor(13, 1), 0.0);
    EXPECT_EQ(pd.rd_PhiFlexure(1), 0.9);
    EXPECT_EQ(pd.rd_PhiShear(1), 0.75);
    EXPECT_EQ(pd.ComboName(1).trimmed(), "Strength I");
    // 16 values over two lines; resistance factors 0 and -1 become 0.75
    EXPECT_EQ(pd.rd_LoadFactor(1, 2), 0.9);
    EXPECT_EQ(pd.rd_LoadFactor(5, 2), 1.4);
    EXPECT_EQ(pd.rd_PhiFlexure(2), 0.75);
    EXPECT_EQ(pd.rd_PhiShear(2), 0.75);
    EXPECT_EQ(pd.ComboName(2).trimmed(), "Strength III wind");

    // LRFD axial loads 100000, 50000, 100000: distinct, ascending, kips for US units
    EXPECT_EQ(pd.i_NumThrusts, 2);
    EXPECT_EQ(pd.rd_ThrustList(1), si ? 50000.0 : 50.0);
    EXPECT_EQ(pd.rd_ThrustList(2), si ? 100000.0 : 100.0);
    EXPECT_EQ(pd.rd_ThrustList(3), 0.0);
}

TEST_P(CompleteFixture, ProgressLinesOfEverySection) {
    std::string expected =
        "Reading title data\n"
        "Reading analysis options\n";
    const char* sub[16] = {"rebar", "rebar", "rebar", "rebar", "rebar", nullptr, "strand", "strand",
                           "strand", "strand", "strand", "strand", "elastic", "elastic-plastic", nullptr, nullptr};
    for (int s = 1; s <= 16; ++s) {
        const std::string n = std::to_string(s);
        expected += "Reading section properties for Section " + n + "\n";
        if (!sub[s - 1]) continue;
        const std::string kind = sub[s - 1];
        if (kind == "elastic") {
            expected += "Reading elastic section properties for Section " + n + "\n";
        } else if (kind == "elastic-plastic") {
            expected += "Reading elastic-plastic section properties for Section " + n + "\n";
        } else {
            expected += "Reading concrete property data for Section " + n + "\n";
            expected += kind == "rebar" ? "Reading rebar property data for Section " + n + "\n"
                                        : "Reading prestressing strand data for Section " + n + "\n";
        }
    }
    expected +=
        "Reading axial thrust force data for EI-only computations\n"
        "Reading soil layering data\n"
        "Reading tip shear data\n"
        "Reading pile batter and ground slope angles\n"
        "Reading p-y multiplier data\n"
        "Reading p-y multiplier data\n"
        "Reading LRFD unfactored load data\n"
        "Reading LRFD load and resistance factor data \n"
        "Reading pile head loading data\n"
        "Reading soil movement data\n"
        "Reading p-y output depths data\n";
    EXPECT_EQ(r.msg, expected);
    EXPECT_EQ(r.report, "");
}

INSTANTIATE_TEST_SUITE_P(Units, CompleteFixture, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "SI" : "US"; });

TEST(CompleteFixtureLines, WindowsLineEndsAndNoFinalLineEndReadTheSame) {
    const std::string text = Fixture("complete.dat");
    ASSERT_EQ(Read_Keyword_Text(text).state, 0);
    const double length = g.pd.rd_PileLength;
    const std::string combo = std::string(g.pd.ComboName(2).trimmed());
    std::string crlf;
    for (char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    ReadResult r = Read_Keyword_Text(crlf);
    EXPECT_EQ(r.state, 0) << r.report;
    EXPECT_EQ(g.pd.rd_PileLength, length);
    EXPECT_EQ(g.pd.ComboName(2).trimmed(), combo);
    EXPECT_EQ(g.pd.Title(2).trimmed(), "  second title line, kept with its leading blanks");
    std::string unterminated = text.substr(0, text.size() - 1);  // "END" without its line end
    EXPECT_EQ(Read_Keyword_Text(unterminated).state, 0);
    EXPECT_EQ(Read_Keyword_Text(crlf.substr(0, crlf.size() - 2)).state, 0);
}

}  // namespace tarvex_test
