// Pile-head stiffness matrix: the twenty trials against Hetényi's closed form
// for a long elastic pile on an elastic subgrade, the report tables and the
// "Line 14" records, the replaced base loads and the failures of a trial.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/plot_file.h"
#include "output/report_lines.h"
#include "solver/solver_fixture.h"
#include "solver/stiffness_matrix.h"
#include "support/run_dir.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

constexpr double kEI = 1.0E10;
constexpr double kEs = 50000.0;  // the starting soil modulus: no layer changes it

// An elastic pile, long against its characteristic length 1/beta (beta L = 10),
// with load case 1 of shear V and moment M.
void Set_Up_Long_Pile(double V, double M, int units = kUnitsUS) {
    Set_Up_Pile(PileSetup{300.0, 200, kEI, kEs, 24.0, 450.0});
    g.pd.IUNITS = units;
    Set_Unit_Labels(units);
    g.pd.b_ComputeKmatrix = kTrue;
    g.pd.i_NumLoads = 1;
    g.pd.i_LoadType(1) = 1;
    g.pd.rd_LoadCond1(1) = V;
    g.pd.rd_LoadCond2(1) = M;
}

int Run_Matrix() { return Error_State_Of(Compute_Stiffness_Matrix); }

double Fraction(int j) { return j == 1 ? 0.10000000149011612 : std::log10(double(j)); }

TEST(StiffnessMatrix, LongElasticPileFollowsHetenyi) {
    Set_Up_Long_Pile(1.0E4, 1.0E5);
    Captured report(g_Out.report), plot(g_Out.plot), msg(g_Out.msg);
    ASSERT_EQ(Run_Matrix(), 0);
    // Head held against rotation: y0 = V / (4 EI beta^3); held against deflection: theta0 = -M / (2 EI beta).
    const BeamOnFoundation fixed = Hetenyi(2, 1.0, 0.0, kEI, kEs);
    const BeamOnFoundation pinned = Hetenyi(4, 0.0, 1.0, kEI, kEs);
    const double b = fixed.beta;
    const double K22 = 4 * kEI * b * b * b, K32 = -fixed.head_moment() / fixed.A;
    const double K33 = 2 * kEI * b, K23 = 2 * kEI * b * b;
    EXPECT_NEAR(K32, 2 * kEI * b * b, 1e-6 * K32);  // -M / y with M = EI y''
    EXPECT_NEAR(-1.0 / pinned.head_slope(), K33, 1e-6 * K33);
    for (int j = 1; j <= kStiffnessLevels; ++j) {
        SCOPED_TRACE(j);
        EXPECT_DOUBLE_EQ(g.pd.rd_LoadCond1(j), 1.0E4 * Fraction(j));
        EXPECT_DOUBLE_EQ(g.pd.rd_LoadCond2(10 + j), 1.0E5 * Fraction(j));
        EXPECT_NEAR(g.kmat.rd_K22(j), K22, 0.01 * K22);
        EXPECT_NEAR(g.kmat.rd_K32(j), K32, 0.01 * K32);
        EXPECT_NEAR(g.kmat.rd_K33(j), K33, 0.01 * K33);
        EXPECT_NEAR(std::fabs(g.kmat.rd_K23(j)), K23, 0.01 * K23);
    }
    EXPECT_EQ(g.pd.i_NumLoads, 1);
    EXPECT_TRUE(on(g.pd.b_PrintSummaryOnly));
    // Every trial converges in six iterations; the runtime messages show them.
    EXPECT_NE(msg.text().find("Analysis Case 20,  Iteration 6,    Y(top) = "), std::string::npos);

    // Plot records: trial j's shear with trial 10 + j's moment, the terms, |y| and |theta|.
    const auto lines = Lines(plot.text());
    ASSERT_EQ(lines.size(), 10u);
    for (int j = 1; j <= 10; ++j) {
        std::string expected;
        for (double x : {1.0E4 * Fraction(j), 1.0E5 * Fraction(j), g.kmat.rd_K22(j), g.kmat.rd_K23(j), g.kmat.rd_K32(j),
                         g.kmat.rd_K33(j), std::fabs(g.rep.rd_CaseTopY(j)), std::fabs(g.rep.rd_CaseTopSlope(10 + j))})
            expected += Edit_E(x, 15, 7);
        EXPECT_EQ(lines[j - 1], expected + "  Line 14: V, M, K22, K23, K32, K33, ytop, theta");
    }

    // Report: the heading, the two tables with magnitudes (the deflection keeps its sign), the notes.
    std::string expected = "\n\n" + std::string(80, '-') + "\n" + std::string(18, ' ') +
                           "Computed Pile-head Stiffness Matrix Values\n" + std::string(20, ' ') +
                           "K22, K23, K32, K33 for Pile  Head\n" + std::string(80, '-') + "\n\n" +
                           "    Pile-Top       Pile-Top        Pile-Top                                   \n"
                           "   Deflection   Shear Reaction   Moment React.       K22              K32     \n"
                           "     inches          lbs            in-lbs          lb/in.         in-lb/in.  \n"
                           "  ------------  --------------  --------------  --------------  --------------\n";
    const CaseResults& r = g.rep;
    for (int j = 1; j <= 10; ++j)
        expected += Real_Field(r.rd_CaseTopY(j), 14) + Real_Field(std::fabs(r.rd_CaseTopShear(j)), 16) +
                    Real_Field(std::fabs(r.rd_CaseTopMoment(j)), 16) + Real_Field(std::fabs(g.kmat.rd_K22(j)), 16) +
                    Real_Field(std::fabs(g.kmat.rd_K32(j)), 16) + "\n";
    expected += "\n"
                "    Pile-Top       Pile-Top        Pile-Top                                  \n"
                "    Rotation     Shear React.    Moment React.       K23              K33    \n"
                "     radians          lbs            in-lbs         lb/rad         in-lb/rad \n"
                "  ------------  --------------  --------------  --------------  --------------\n";
    for (int j = 11; j <= 20; ++j)
        expected += Real_Field(std::fabs(r.rd_CaseTopSlope(j)), 14) + Real_Field(std::fabs(r.rd_CaseTopShear(j)), 16) +
                    Real_Field(std::fabs(r.rd_CaseTopMoment(j)), 16) +
                    Real_Field(std::fabs(g.kmat.rd_K23(j - 10)), 16) + Real_Field(std::fabs(g.kmat.rd_K33(j - 10)), 16) +
                    "\n";
    expected += "\n  K22 = abs(Shear Reaction/Top y)\n  K23 = abs(Shear Reaction/Top Rotation)\n"
                "  K32 = abs(Moment Reaction/Top y)\n  K33 = abs(Moment Reaction/Top Rotation)\n\n\n";
    const std::string text = report.text();
    ASSERT_GE(text.size(), expected.size());
    EXPECT_EQ(text.substr(text.size() - expected.size()), expected);
    // The deflection rows really show the trial values: V / K22 at the first level.
    EXPECT_NEAR(r.rd_CaseTopY(1), 1.0E4 * Fraction(1) / K22, 0.01 * r.rd_CaseTopY(1));
}

TEST(StiffnessMatrix, SIHeadingsOfTheTables) {
    Set_Up_Long_Pile(40.0, 100.0, kUnitsSI);
    Captured report(g_Out.report), plot(g_Out.plot);
    ASSERT_EQ(Run_Matrix(), 0);
    const std::string text = report.text();
    EXPECT_NE(text.find("\n     meters           kN             kN-m            kN/m            kN-m/m   \n"),
              std::string::npos);
    EXPECT_NE(text.find("    Pile-Top       Pile-Top        Pile-Top                                   \n"
                        "    Rotation     Shear React.    Moment React.       K23              K33     \n"
                        "     radians          kN             kN-m           kN/rad          kN-m/rad  \n"),
              std::string::npos);
}

// A base load below 1.0E-7 in magnitude is replaced by a small load of the unit system.
TEST(StiffnessMatrix, NegligibleBaseLoadsAreReplaced) {
    const struct {
        int units;
        double shear, moment;
    } kCases[] = {
        {kUnitsUS, 10.0, 100.0},
        {kUnitsSI, 0.04448220133781433, 0.011298480443656445},
        {3, 1.0, 1.0},  // generic units: one force and one moment unit, never 0 / 0
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.units);
        Set_Up_Long_Pile(0.0, 5.0E-8, c.units);
        Captured report(g_Out.report), plot(g_Out.plot);
        ASSERT_EQ(Run_Matrix(), 0);
        for (int j = 1; j <= 10; ++j) {
            EXPECT_DOUBLE_EQ(g.pd.rd_LoadCond1(j), c.shear * Fraction(j));
            EXPECT_DOUBLE_EQ(g.pd.rd_LoadCond2(10 + j), c.moment * Fraction(j));
            EXPECT_TRUE(std::isfinite(g.kmat.rd_K22(j)) && std::isfinite(g.kmat.rd_K33(j)));
        }
        if (c.units == kUnitsSI) {
            EXPECT_DOUBLE_EQ(g.pd.rd_LoadCond1(1), 0.004448220200065078);
            EXPECT_DOUBLE_EQ(g.pd.rd_LoadCond2(11), 0.0011298480612016923);
        }
    }
}

// The trials analyse the pile without the distributed loads of the input.
TEST(StiffnessMatrix, TrialsCarryNoDistributedLoad) {
    Set_Up_Long_Pile(1.0E4, 0.0);
    Captured report(g_Out.report), plot(g_Out.plot);
    ASSERT_EQ(Run_Matrix(), 0);
    const double K22 = g.kmat.rd_K22(5);
    Set_Up_Long_Pile(1.0E4, 0.0);
    g.pd.i_NumDistLoadPts = 2;
    g.pd.rd_DistLoadDepth(1) = 0.0;
    g.pd.rd_DistLoad(1) = 500.0;
    g.pd.rd_DistLoadDepth(2) = 300.0;
    g.pd.rd_DistLoad(2) = 500.0;
    ASSERT_EQ(Run_Matrix(), 0);
    EXPECT_DOUBLE_EQ(g.kmat.rd_K22(5), K22);
}

TEST(StiffnessMatrix, NothingWithoutTheOption) {
    Set_Up_Long_Pile(1.0E4, 0.0);
    g.pd.b_ComputeKmatrix = kFalse;
    Captured report(g_Out.report), plot(g_Out.plot);
    ASSERT_EQ(Run_Matrix(), 0);
    EXPECT_EQ(report.text(), "");
    EXPECT_EQ(plot.text(), "");
}

// A trial that does not converge ends the stage quietly: no matrix.
TEST(StiffnessMatrix, ATrialThatDoesNotConvergeEndsTheStageWithoutAMatrix) {
    Set_Up_Long_Pile(1.0E4, 0.0);
    g.pd.i_MaxIterations = 30;
    g.pd.rd_ConvergenceTol = -1.0;
    Captured report(g_Out.report), plot(g_Out.plot), msg(g_Out.msg);
    ASSERT_EQ(Run_Matrix(), 0);
    EXPECT_EQ(plot.text(), "");
    const std::string text = report.text();
    EXPECT_EQ(text.find("Stiffness Matrix"), std::string::npos);
    // The last five iterations of the failing trial go to the report.
    EXPECT_EQ(text.rfind("Iteration 26,", 0), 0u);
    EXPECT_NE(text.find("\nIteration 30,   Y(top) = "), std::string::npos);
    EXPECT_NE(msg.text().find("Analysis Case 1,   Iteration 30,   Y(top) = "), std::string::npos);
    EXPECT_EQ(g.pd.i_NumLoads, 1);
}

// A deflection that is not a number is runtime error 28, never a NaN in the tables.
TEST(StiffnessMatrix, NotANumberIsRuntimeError28) {
    Set_Up_Long_Pile(1.0E4, 0.0);
    g.pd.rd_PilePointE(1) = g.pd.rd_PilePointE(2) = std::numeric_limits<double>::quiet_NaN();
    Captured report(g_Out.report), plot(g_Out.plot), msg(g_Out.msg);
    EXPECT_EQ(Run_Matrix(), 228);
    EXPECT_EQ(report.text(), "**** Runtime Error No. 28 ****\n\n"
                             "Either top deflection or maximum change in deflection is not a number after iteration 1\n");
    EXPECT_EQ(plot.text(), "");
}

// A trial whose head did not move gives no stiffness: runtime error 50, not a division by zero.
TEST(StiffnessMatrix, AHeadThatDidNotMoveIsRuntimeError50) {
    Set_Up_Long_Pile(1.0E4, 0.0);
    for (int j = 1; j <= 20; ++j) {
        g.rep.rd_CaseTopY(j) = 0.01;
        g.rep.rd_CaseTopSlope(j) = 0.001;
    }
    g.rep.rd_CaseTopY(3) = 0.0;
    Captured report(g_Out.report), plot(g_Out.plot), msg(g_Out.msg);
    EXPECT_EQ(Error_State_Of(Write_Stiffness_Matrix), 250);
    EXPECT_NE(report.text().find("**** Runtime Error No. 50 ****\n\nProblem:  The pile-head stiffness matrix cannot be computed.\n"
                                 "          The pile head did not move in stiffness trial 3.\n"),
              std::string::npos);
    EXPECT_EQ(plot.text(), "");
}

}  // namespace
}  // namespace tarvex_test
