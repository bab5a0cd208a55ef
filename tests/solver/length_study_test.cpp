// Pile-head deflection versus pile length: an elastic pile on an elastic
// subgrade against the closed form of a finite beam on an elastic foundation,
// the report block and the "Line 11" and "Line 12" records, the trial lengths
// and the ends of the series.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "solver/length_study.h"
#include "solver/solver_fixture.h"
#include "support/run_dir.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

constexpr double kEI = 1.0E10;
constexpr double kEs = 50000.0;  // the starting soil modulus: no layer changes it
constexpr double kV = 1.0E4;

// Hetényi (1946): free-free beam of length L on a Winkler foundation of modulus
// k, loaded at one end by a force P: deflection of that end.
double Finite_Beam_End_Deflection(double P, double L, double EI, double k) {
    const double b = std::pow(k / (4.0 * EI), 0.25), x = b * L;
    const double s = std::sinh(x), c = std::cosh(x), sn = std::sin(x), cs = std::cos(x);
    return 2.0 * P * b / k * (s * c - sn * cs) / (s * s - sn * sn);
}

// Trial length k of the study: the factor 1 - (k - 1) 0.05 in single precision.
double Trial_Length(int k, double L0) {
    const float step = float(k - 1) * 0.05f;
    return double(1.0f - step) * L0;
}

void Set_Up_Study(int type, double c1, double c2, const PileSetup& pile = PileSetup{300.0, 200, kEI, kEs, 24.0, 450.0}) {
    Set_Up_Pile(pile);
    ProblemData& pd = g.pd;
    pd.i_NumLoads = 1;
    pd.i_LoadType(1) = type;
    pd.rd_LoadCond1(1) = c1;
    pd.rd_LoadCond2(1) = c2;
    pd.rd_AxialThrust(1) = 0.0;
    pd.b_ComputeYvsL(1) = kTrue;
}

int Run_Study(int j = 1) { return Error_State_Of([j] { Compute_Deflection_Vs_Length(j); }); }

std::string Study_Heading() {
    return "\n\n" + std::string(80, '-') + "\n" + std::string(12, ' ') +
           "Pile-head Deflection vs. Pile Length for Load Case 1\n" + std::string(80, '-') + "\n\n";
}

TEST(LengthStudy, ElasticPileFollowsTheFiniteBeamOnAnElasticFoundation) {
    Set_Up_Study(1, kV, 0.0);
    g.pd.b_PrintSummaryOnly = kTrue;
    Captured report(g_Out.report), plot(g_Out.plot);
    ASSERT_EQ(Run_Study(), 0);
    const LengthStudy& st = g.study;
    // The shortest trial, 0.05000001 L0 in single precision, still reaches 0.05 L0.
    EXPECT_GT(Trial_Length(20, 300.0), 0.05000000074505806 * 300.0);
    ASSERT_EQ(st.i_NumYvsLPoints(1), 20);
    for (int p = 1; p <= 20; ++p) {
        SCOPED_TRACE(p);
        const double L = Trial_Length(p, 300.0);
        EXPECT_EQ(st.rd_YvsLLength(p), L);
        const double y = Finite_Beam_End_Deflection(kV, L, kEI, kEs);
        EXPECT_NEAR(st.rd_YvsLTopY(p), y, 0.01 * y);
        EXPECT_EQ(st.rd_YvsLMaxShear(p), kV);  // the head shear, as the report shows it
    }
    // Long piles deflect alike; below the critical length the deflection grows sharply.
    EXPECT_NEAR(st.rd_YvsLTopY(8), st.rd_YvsLTopY(1), 0.002 * st.rd_YvsLTopY(1));
    EXPECT_GT(st.rd_YvsLTopY(20), 3.5 * st.rd_YvsLTopY(1));  // 2 / (beta L) for the rigid pile
    EXPECT_FALSE(on(g.pd.b_PrintSummaryOnly));

    std::string expected = Study_Heading() +
                           "Boundary Condition Type 1, Shear and Moment\n\n"
                           "Shear      =          10000. lbs\n"
                           "Moment     =              0. in-lbs\n"
                           "Axial Load =              0. lbs\n\n\n"
                           "   Pile       Pile Head       Maximum      Maximum\n"
                           "  Length      Deflection      Moment        Shear \n"
                           "   feet         inches        ln-lbs         lbs \n"
                           "-----------  ------------  ------------  ------------\n";
    std::string records = "   20" + std::string(75, ' ') + "Line 11: Num. points on Ytop vs. pile length curve for load case 1\n";
    for (int p = 1; p <= 20; ++p) {
        expected += Real_Field(st.rd_YvsLLength(p) / 12.0, 10) + Real_Field(st.rd_YvsLTopY(p), 14) +
                    Real_Field(st.rd_YvsLMaxMoment(p), 14) + Real_Field(st.rd_YvsLMaxShear(p), 14) + "\n";
        records += Edit_E(st.rd_YvsLLength(p), 15, 7) + Edit_E(st.rd_YvsLTopY(p), 15, 7) +
                   Edit_E(st.rd_YvsLMaxMoment(p), 15, 7) + Edit_E(st.rd_YvsLMaxShear(p), 15, 7) + std::string(20, ' ') +
                   "Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)\n";
    }
    EXPECT_EQ(report.text(), expected);
    EXPECT_EQ(plot.text(), records);
    EXPECT_EQ(Lines(records)[1],
              "  0.3000000E+03  " + Edit_E(st.rd_YvsLTopY(1), 13, 7) + Edit_E(st.rd_YvsLMaxMoment(1), 15, 7) +
                  "  0.1000000E+05                    Line 12: pile length (in), Ytop (in), Mmax (in-lb), Vmax (lbs)");
}

// A 20 m pile whose ground surface lies 3 m below the head: 20 m, 19 m ... 5 m.
TEST(LengthStudy, TrialsBelowTheShortestEmbedmentAreSkipped) {
    Set_Up_Study(2, 40.0, 0.0, PileSetup{20.0, 100, 2.0E5, 1.0E4, 0.6, 0.1});
    g.pd.IUNITS = kUnitsSI;
    Set_Unit_Labels(kUnitsSI);
    g.pd.XGround = 3.0;
    g.pd.rd_ConvergenceTol = 1.0E-5;
    g.pd.rd_MaxDeflection = 10.0;
    Captured report(g_Out.report), plot(g_Out.plot);
    ASSERT_EQ(Run_Study(), 0);
    ASSERT_EQ(g.study.i_NumYvsLPoints(1), 16);
    for (int p = 1; p <= 16; ++p) EXPECT_EQ(g.study.rd_YvsLLength(p), Trial_Length(p, 20.0));
    EXPECT_EQ(Trial_Length(17, 20.0), 3.999999761581421);
    const std::string text = report.text();
    EXPECT_NE(text.find("Boundary Condition Type 2, Shear and Slope\n\n"
                        "Shear      =             40. kN\n"
                        "Slope      =         0.00000\n"
                        "Axial Load =              0. kN\n\n\n"
                        "   Pile       Pile Head       Maximum      Maximum\n"
                        "  Length      Deflection      Moment        Shear \n"
                        "  meters        meters         kN-m          kN  \n"),
              std::string::npos);
    const auto records = Lines(plot.text());
    ASSERT_EQ(records.size(), 17u);
    EXPECT_EQ(records[16].substr(0, 15), "  0.5000000E+01");
    EXPECT_EQ(records[16].substr(80), "Line 12: pile length (m), Ytop (m), Mmax (kN-m), Vmax (kN)");
}

// A converged trial whose head deflects beyond the limit records no point; the
// study goes on with the shorter lengths.
TEST(LengthStudy, PointsBeyondTheDeflectionLimitAreLeftOut) {
    Set_Up_Study(1, kV, 0.0);
    const double limit = Finite_Beam_End_Deflection(kV, Trial_Length(15, 300.0), kEI, kEs) * 1.001;
    g.pd.rd_MaxDeflection = limit;
    Captured report(g_Out.report), plot(g_Out.plot);
    ASSERT_EQ(Run_Study(), 0);
    EXPECT_EQ(g.study.i_NumYvsLPoints(1), 15);
    for (int p = 1; p <= 15; ++p) EXPECT_LE(std::fabs(g.study.rd_YvsLTopY(p)), limit);
}

TEST(LengthStudy, NoSuccessfulTrial) {
    Set_Up_Study(4, 0.5, 1000.0);
    g.pd.rd_MaxDeflection = 0.1;  // a head deflection of 0.5 in is always beyond it
    Captured report(g_Out.report), plot(g_Out.plot);
    ASSERT_EQ(Run_Study(), 0);
    EXPECT_EQ(report.text(), Study_Heading() +
                                 "Boundary Condition Type 4, Deflection and Moment\n\n"
                                 "Deflection =         0.50000 in\n"
                                 "Moment     =           1000. in-lbs\n"
                                 "Axial Load =              0. lbs\n\n\n"
                                 "No computations for top deflection vs. pile length were successful for this load case.\n\n");
    EXPECT_EQ(plot.text(), "    0" + std::string(75, ' ') +
                               "Line 11: Num. points on Ytop vs. pile length curve for load case 1\n");
}

// A trial that stays unconverged at iteration 11 with the head beyond the limit ends the study.
TEST(LengthStudy, ExcessiveDeflectionEndsTheSeries) {
    Set_Up_Study(3, kV, 1.0E7);
    g.pd.rd_ConvergenceTol = -1.0;  // never met
    g.pd.rd_MaxDeflection = 1.0E-6;
    Captured report(g_Out.report), plot(g_Out.plot);
    ASSERT_EQ(Run_Study(), 0);
    EXPECT_EQ(g.sol.i_Iteration, 11);
    EXPECT_DOUBLE_EQ(g.pd.rd_PileLength, 300.0);  // the first trial ended the study
    EXPECT_NE(report.text().find("Boundary Condition Type 3, Shear and Rotational Restraint\n\n"
                                 "Shear      =          10000. lbs\n"
                                 "Rot. Rest. =   0.1000000E+08 in-lbs/Radian\n"),
              std::string::npos);
}

// A deflection that is not a number is runtime error 28, never a NaN in the table.
TEST(LengthStudy, NotANumberIsRuntimeError28) {
    Set_Up_Study(1, kV, 0.0);
    g.pd.rd_PilePointE(1) = g.pd.rd_PilePointE(2) = std::nan("");
    Captured report(g_Out.report), plot(g_Out.plot);
    EXPECT_EQ(Run_Study(), 228);
    EXPECT_EQ(report.text(), "**** Runtime Error No. 28 ****\n\n"
                             "Either top deflection or maximum change in deflection is not a number after iteration 1\n");
    EXPECT_EQ(plot.text(), "");
}

// A shortened pile that buckles under its axial load ends the series; the
// longer piles are reported.
TEST(LengthStudy, ABucklingTrialEndsTheSeries) {
    Set_Up_Study(1, kV, 0.0);
    g.pd.rd_AxialThrust(1) = 2.0E6;  // beyond the buckling load of the short piles only
    Captured report(g_Out.report), plot(g_Out.plot);
    ASSERT_EQ(Run_Study(), 0);
    const int points = g.study.i_NumYvsLPoints(1);
    EXPECT_GE(points, 1);
    EXPECT_LT(points, 20);
    EXPECT_EQ(g.err.i_ErrorState, 0);
    EXPECT_FALSE(on(g.sol.b_TrialSolution));
    EXPECT_EQ(Lines(plot.text()).size(), size_t(points + 1));
}

}  // namespace
}  // namespace tarvex_test
