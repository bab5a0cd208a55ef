// Nonlinear iteration of a load case: convergence, runtime message lines and
// the runtime errors of the iteration with their blocks.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "solver/convergence_report.h"
#include "solver/solver.h"
#include "solver/solver_fixture.h"
#include "support/run_dir.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

// Runs load case 1 and returns the error state (0 when it returns normally).
int Run_Case() { return Error_State_Of([] { Solve_Load_Case(1); }); }

std::string E12(double x) { return Edit_E(x, 12, 4); }

TEST(LoadCase, LinearProblemConvergesAtTheSixthIteration) {
    Set_Up_Pile(PileSetup{});
    Set_Head(1, 1.0E4, 0.0);
    Captured msg(g_Out.msg), report(g_Out.report);
    EXPECT_EQ(Run_Case(), 0);
    EXPECT_EQ(g.sol.i_Iteration, 6);
    EXPECT_TRUE(on(g.sol.b_Converged));
    const auto lines = Lines(msg.text());
    ASSERT_EQ(lines.size(), 7u);
    const double y1 = g.nodes.y(1);
    // Iteration 1 changes the deflections from zero, iteration 2 by nothing.
    EXPECT_EQ(lines[0], "Analysis Case 1,   Iteration 1,    Y(top) = " + E12(y1) + ", dYmax = " + E12(y1) +
                            ", Delta dYmax = " + E12(y1));
    EXPECT_EQ(lines[1], "Analysis Case 1,   Iteration 2,    Y(top) = " + E12(y1) + ", dYmax = " + E12(0.0) +
                            ", Delta dYmax = " + E12(y1));
    EXPECT_EQ(lines[5], "Analysis Case 1,   Iteration 6,    Y(top) = " + E12(y1) + ", dYmax = " + E12(0.0) +
                            ", Delta dYmax = " + E12(0.0));
    EXPECT_EQ(lines[6], "The convergence criteria have been met");
    EXPECT_EQ(report.text(), "");  // the last five iterations of 100 were not reached
}

// A negative tolerance can never be met: the iteration runs to its limit.
TEST(LoadCase, IterationLimitReportsTheLastFiveIterationsAndRuntimeError10) {
    Set_Up_Pile(PileSetup{});
    g.pd.i_MaxIterations = 30;
    g.pd.rd_ConvergenceTol = -1.0;
    Set_Head(1, 1.0E4, 0.0);
    Captured report(g_Out.report), msg(g_Out.msg);
    EXPECT_EQ(Run_Case(), 210);
    const std::string y1 = E12(g.nodes.y(1)), zero = E12(0.0);
    std::string expected;
    for (int it = 26; it <= 30; ++it)
        expected += "For Analysis Case 1, Iteration " + std::to_string(it) + ",   Y(top) = " + y1 +
                    ", dYmax = " + zero + ", Delta dYmax = " + zero + "\n";
    // The iteration stalled (Delta dYmax = 0): the estimate cannot be computed.
    expected +=
        "\n\n"
        "------------------------------------\n"
        "  ****  Runtime Error No. 10  ****  \n"
        "------------------------------------\n"
        "\n"
        "The analysis failed to converge within the limit of 30 iterations.\n"
        "\n"
        "Maximum change in nodal deflections                      = " + zero + " in\n"
        "\n"
        "Maximum change in nodal deflections from prior iteration = " + zero + " in\n"
        "\n"
        "Specified convergence tolerance on nodal deflections     = " + E12(-1.0) + " in\n"
        "\n\n"
        "-----------------------------------------------------------\n"
        "Analysis of Convergence Performance and Recommendations for\n"
        "Modification of Iterations Limit and Convergence Tolerance \n"
        "-----------------------------------------------------------\n"
        "\n"
        "The following recommendations are made on the basis of an analysis of convergence performance \n"
        "for the last analysis. \n"
        "\n"
        "The estimated number of iterations needed to obtain a solution cannot be computed.\n"
        "for the current criteria values.\n"
        "\n"
        "The current value for convergence tolerance is less than the recommended upper limit of \n"
        "0.0001 inches, so a solution is possible if the convergence tolerance is raised to a value \n"
        "greater than " + zero + " in.\n"
        "\n"
        "It is recommended that the convergence tolerance not be raised above 0.0001 inches.\n"
        "\n";
    EXPECT_EQ(report.text(), expected);
    EXPECT_EQ(Lines(msg.text()).size(), 30u);  // one line per iteration, no block
}

TEST(LoadCase, IterationEstimateOfRuntimeError10) {
    const double inf = std::numeric_limits<double>::infinity();
    struct { int limit; double dymax, tol, delta; int expected; } cases[] = {
        {100, 0.002, 0.00001, 0.0001, 119},  // |100 + 19.9|
        {100, 0.002, 0.00001, 0.0, -1},      // stalled: +inf
        {100, 0.00001, 0.00001, 0.0, -1},    // 0 / 0
        {100, 0.002, 0.00001, 1.0E-300, -1}, // beyond an integer
        {100, inf, 0.00001, 1.0, -1},
        {30, 0.0, 0.00001, 0.001, 29},       // |30 - 0.01|
    };
    for (const auto& c : cases)
        EXPECT_EQ(Estimated_Iterations(c.limit, c.dymax, c.tol, c.delta), c.expected) << c.dymax << " " << c.delta;
}

struct RecommendationCase {
    const char* name;
    int units, max_iterations;
    double tol, dymax, delta;
    const char* tail;  // the end of the block
};

const RecommendationCase kRecommendations[] = {
    {"estimate 119 below the limit of 1000", kUnitsUS, 100, 0.00001, 0.002, 0.0001,
     "The estimated number of iterations needed to obtain a solution for the current convergence \n"
     "tolerance value is 119 iterations.\n"
     "\n"
     "A solution may be possible by increasing the maximum number of iterations to above this value.\n"
     "The analysis of convergence performance found that it is not likely that a \n"
     "solution can be obtained by changing the solution criteria for this problem. \n"
     "However, the maximum number of iterations is less than 1000, so a solution \n"
     "may be obtained by raising the maximum number of iterations to 1000.\n"
     "\n"},
    {"estimate 2990 above 1000", kUnitsUS, 1000, 0.00001, 0.002, 0.000001,
     "tolerance value is 2990 iterations.\n"
     "\n"
     "The estimated number of iterations required to obtain a solution is greater than 1000, so a \n"
     "solution can only be obtained if the convergence tolerance is increased in value.\n"
     "\n"
     "The analysis of convergence performance found that it is not possible to obtain a \n"
     "solution by changing the solution criteria for this problem. This indicates that  \n"
     "the pile is loaded above its structural and/or geotechnical capacity.\n"},
    {"stalled below the SI tolerance limit", kUnitsSI, 100, 0.000001, 0.000002, 0.0,
     "The estimated number of iterations needed to obtain a solution cannot be computed.\n"
     "for the current criteria values.\n"
     "\n"
     "The current value for convergence tolerance is less than the recommended upper limit of \n"
     "0.00000254 meters, so a solution is possible if the convergence tolerance is raised to a value \n"
     "greater than   0.2000E-05 m.\n"
     "\n"
     "It is recommended that the convergence tolerance not be raised above 0.00000254 meters.\n"
     "\n"},
    {"generic units: the estimate only", kUnitsGeneric, 100, 0.00001, 0.002, 0.0001,
     "tolerance value is 119 iterations.\n"
     "\n"},
};

TEST(LoadCase, ConvergenceRecommendations) {
    for (const RecommendationCase& c : kRecommendations) {
        SCOPED_TRACE(c.name);
        Set_Up_Pile(PileSetup{});
        g.pd.IUNITS = c.units;
        Set_Unit_Labels(c.units);
        g.pd.i_MaxIterations = c.max_iterations;
        g.pd.rd_ConvergenceTol = c.tol;
        g.sol.rd_dYmax = c.dymax;
        g.sol.rd_DeltaDYmax = c.delta;
        Captured report(g_Out.report);
        Write_Convergence_Failure();
        const std::string text = report.text(), tail = c.tail;
        ASSERT_GE(text.size(), tail.size());
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    }
}

TEST(LoadCase, ExcessiveDeflectionStopsFromTheEleventhIteration) {
    Set_Up_Pile(PileSetup{});
    g.pd.rd_ConvergenceTol = -1.0;
    g.pd.rd_MaxDeflection = 0.01;
    Set_Head(1, 1.0E4, 0.0);
    Captured report(g_Out.report), msg(g_Out.msg);
    EXPECT_EQ(Run_Case(), 209);
    EXPECT_EQ(g.sol.i_Iteration, 11);
    const std::string y = "The computed deflection of the pile head is " + E12(g.nodes.y(1)) + " in ";
    const std::string lim = "The specified excess deflection limit is    " + E12(0.01) + " in ";
    EXPECT_EQ(report.text(),
              "\n\n**** Runtime Error No. 9 ****\n\n"
              "An error in the analysis was detected by the program.  \n\n"
              "Problem:  The computed deflection is larger than the specified excess deflection limit.\n\n" +
                  y + "\n\n" + lim + "\n\n" +
                  "This error may be due to overloading the pile or bad input data.\n\n\n"
                  "Solution:\n\n"
                  "Please check input values for pile loading and soil properties for accuracy and/or \n"
                  "increase the size of the pile if necessary.\n");
    const auto lines = Lines(msg.text());
    ASSERT_EQ(lines.size(), 11u + 16u);
    EXPECT_EQ(lines[11], "");
    EXPECT_EQ(lines[13], "**** Runtime Error No. 9 ****");
    EXPECT_EQ(lines[19], y);
    EXPECT_EQ(lines[20], lim);
    EXPECT_EQ(lines[22], "This error may be due to overloading the pile or bad input data.");
    EXPECT_EQ(lines[23], "");
    EXPECT_EQ(lines[24], "Solution:");
    EXPECT_EQ(lines[25], "Please check input values for pile loading and soil properties for accuracy and/or ");
}

TEST(LoadCase, NotANumberDeflectionIsRuntimeError28) {
    Set_Up_Pile(PileSetup{});
    Set_Head(1, 1.0E4, 0.0);
    g.nodes.Es(50) = std::numeric_limits<double>::quiet_NaN();
    Captured report(g_Out.report);
    EXPECT_EQ(Run_Case(), 228);
    EXPECT_EQ(report.text(), "**** Runtime Error No. 28 ****\n\nTop deflection is Not-A-Number after iteration 1\n");
}

TEST(LoadCase, NoConvergenceUnderGivenDeflectionAndMomentWaitsForTheCaseReport) {
    Set_Up_Pile(PileSetup{});
    g.pd.i_MaxIterations = 30;
    g.pd.rd_ConvergenceTol = -1.0;
    Set_Head(4, 0.1, 0.0);
    Captured report(g_Out.report);
    EXPECT_EQ(Run_Case(), 0);
    EXPECT_EQ(g.sol.i_DeferredErrorState, 210);
    EXPECT_EQ(g.err.i_ErrorState, 0);
    EXPECT_EQ(Error_State_Of(Raise_Deferred_Error), 210);
    EXPECT_NE(report.text().find("  ****  Runtime Error No. 10  ****  "), std::string::npos);
}

TEST(LoadCase, SoilReactionsBalanceHeadAndTipShear) {
    PileSetup p;
    p.length = 200.0;  // short enough to move at the tip
    Set_Up_Pile(p);
    Set_Tip_Shear_Line(2.0E4);
    for (int type : {1, 2, 3, 4, 5}) {
        SCOPED_TRACE(type);
        Set_Head(type, type >= 4 ? 0.2 : 1.0E4, type == 3 ? 1.0E9 : 0.0);
        for (int i = -1; i <= g.nodes.i_NumNodes + 1; ++i) g.nodes.y(i) = 0.0;
        ASSERT_EQ(Run_Case(), 0);
        EXPECT_NE(g.sol.rd_TipShear, 0.0);
        const double imbalance = Shear_Imbalance();
        EXPECT_NEAR(imbalance, 0.0, 0.01 * std::fabs(g.sol.rd_Shear));
    }
}

}  // namespace
}  // namespace tarvex_test
