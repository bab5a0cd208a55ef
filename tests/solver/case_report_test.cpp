// Pile response report of a load case and the summary of responses, on a
// five-node fixture whose deflections are set by hand: every printed value is
// recomputed here from the finite-difference formulas of the node response and
// of the equilibrium check, and the expected text is written out in full.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/store.h"
#include "output/report_lines.h"
#include "solver/case_report.h"
#include "solver/response_summary.h"
#include "support/captured.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

constexpr int kNodes = 5;
constexpr double kH = 10.0;
constexpr double kEI = 2.0E6;
// Deflections y(-1) .. y(6); y(6) = 2 y(5) - y(4).
const double kY[8] = {0.875, 0.625, 0.5, 0.375, 0.25, 0.125, 0.0625, 0.0};
const double kEs[kNodes] = {0.0, 100.0, 100.0, 100.0, 100.0};

std::string Blanks(int n) { return std::string(size_t(n), ' '); }
std::string Dashes() { return std::string(80, '-'); }

class CaseReport : public ::testing::Test {
protected:
    void SetUp() override {
        Reset_Store();
        ProblemData& pd = g.pd;
        pd.IUNITS = kUnitsUS;
        pd.ICOM = 3;
        pd.i_PrintIncrement = 2;
        pd.i_NumSections = 1;
        pd.Section(1).i_SectionType = kElasticPile;
        pd.i_NumPilePoints = 2;
        pd.rd_PilePointX(2) = 40.0;
        for (int k = 1; k <= 2; ++k) {
            pd.rd_PilePointDiam(k) = 24.0;
            pd.rd_PilePointI(k) = 2.0;
            pd.rd_PilePointE(k) = 1.0E6;
            pd.rd_PilePointArea(k) = 1.0;
        }
        pd.i_NumLoads = 1;
        pd.i_LoadType(1) = 1;
        pd.rd_LoadCond1(1) = -125.0;
        Set_Unit_Labels(kUnitsUS);

        PileNode& nd = g.nodes;
        nd.i_NumNodes = kNodes;
        nd.rd_IncrementLength = kH;
        for (int i = -1; i <= kNodes + 1; ++i) {
            nd.y(i) = kY[i + 1];
            nd.EI(i) = kEI;
        }
        for (int i = 1; i <= kNodes; ++i) {
            nd.xa(i) = nd.xv(i) = (i - 1) * kH;
            nd.Es(i) = kEs[i - 1];
            nd.i_NodeSection(i) = 1;
        }
        SolutionState& s = g.sol;
        s.i_LoadCase = 1;
        s.i_HeadConditionType = 1;
        s.rd_HeadShear = -125.0;
    }

    // The fixture's values by the node-response formulas, P = 0 and no tip shear.
    static double y(int i) { return kY[i + 1]; }
    static double M(int i) { return (i == 1 || i == kNodes) ? 0.0 : kEI * (y(i + 1) - 2 * y(i) + y(i - 1)) / (kH * kH); }
    static double w(int m) { return -kEs[m - 1] * y(m); }
};

TEST_F(CaseReport, FixtureValuesByHand) {
    // The numbers the expected texts below show.
    EXPECT_EQ(kEI * (y(3) - 2 * y(2) + 2 * y(0) - y(-1)) / (2 * kH * kH * kH), -125.0);  // head shear
    EXPECT_EQ(M(2), 0.0);
    EXPECT_EQ(M(3), 0.0);
    EXPECT_EQ(M(4), 1250.0);
    EXPECT_EQ(kEI * ((y(5) - 2 * y(4) + y(3)) - (y(3) - 2 * y(2) + y(1))) / (2 * kH * kH * kH), 62.5);  // V(3)
    EXPECT_EQ((y(4) - y(2)) / (2 * kH), -0.0125);
    EXPECT_EQ((y(5) - y(4)) / kH, -0.00625);

    // Equilibrium check, segment by segment: the largest moment imbalance is
    // -1875 at node 4 (node 5 ties it and does not replace it), the largest
    // force imbalance -375 at node 4.
    double Sb = (y(2) - y(0)) / (2 * kH), Vb = -125.0, Mb = 0.0, Ma = M(2);
    double G_max = 0, F_max = 0;
    int G_node = 0, F_node = 0;
    for (int i = 3; i <= kNodes + 1; ++i) {
        const double S = i <= kNodes ? (y(i) - y(i - 2)) / (2 * kH) : (y(kNodes) - y(kNodes - 1)) / kH;
        const double V = i <= kNodes ? (M(i) - Mb) / (2 * kH) : 0.0;
        const double Mi = i <= kNodes ? Ma : 0.0;
        const double F = Vb - V + kH / 2 * (w(i - 2) + w(i - 1));
        const double G = (Vb + kH / 2 * w(i - 2)) * kH + (Mb - Mi);
        if (std::fabs(G) > std::fabs(G_max)) G_max = G, G_node = i;
        if (std::fabs(F) > std::fabs(F_max)) F_max = F, F_node = i;
        Mb = Mi;
        if (i <= kNodes) Ma = M(i);
        Vb = V;
        Sb = S;
    }
    EXPECT_EQ(G_max, -1875.0);
    EXPECT_EQ(G_node, 4);
    EXPECT_EQ(F_max, -375.0);
    EXPECT_EQ(F_node, 4);
}

const std::vector<std::string> kImbalanceBody = {
    "",
    "Force and moment imbalances may be too large for a good solution.",
    "",
    "The cause of the imbalance may be due to extreme changes in magnitude",
    "of nonlinear bending stiffness within three nodal points of the top of the pile",
    "which may affect the finite difference computation of shear force.",
    "",
    "Please examine curves and printed output for deflection, moment, shear force,",
    "and number of iterations to determine if computed values are reasonable.",
    "If the shear force shows large changes, increase the number of nodal points",
    "(pile increments) and repeat the analysis.",
    ""};

std::string Join(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\n";
    return s;
}

std::string Imbalance_Report() {
    return Join({"", "", "**** Warning - POSSIBLE SOLUTION ERROR 5501 ****"}) + Join(kImbalanceBody) +
           Join({"Maximum internal moment imbalance for pile        =  -1875.00000 in-lbs",
                 "Maximum internal lateral force imbalance for pile =   -375.00000 lbs"});
}

std::string Nodal_Records() {
    return "    1    5    1" + Blanks(65) + "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI\n" +
           "  0.0000000E+00  0.5000000E+00  0.0000000E+00 -0.1250000E+03  0.0000000E+00  0.2000000E+07 "
           "Line 10(  1): nodal depth, y, M, V, p, EI\n"
           "  0.1000000E+02  0.3750000E+00  0.0000000E+00  0.0000000E+00 -0.3750000E+02  0.2000000E+07 "
           "Line 10(  2): nodal depth, y, M, V, p, EI\n"
           "  0.2000000E+02  0.2500000E+00  0.0000000E+00  0.6250000E+02 -0.2500000E+02  0.2000000E+07 "
           "Line 10(  3): nodal depth, y, M, V, p, EI\n"
           "  0.3000000E+02  0.1250000E+00  0.1250000E+04  0.0000000E+00 -0.1250000E+02  0.2000000E+07 "
           "Line 10(  4): nodal depth, y, M, V, p, EI\n"
           "  0.4000000E+02  0.6250000E-01  0.0000000E+00  0.0000000E+00 -0.6250000E+01  0.2000000E+07 "
           "Line 10(  5): nodal depth, y, M, V, p, EI\n";
}

TEST_F(CaseReport, ReportBlocksAndNodalRecordsOfTheFixture) {
    Captured report(g_Out.report), plot(g_Out.plot), msg(g_Out.msg);
    Write_Case_Report(1, 7);
    const std::string expected =
        Join({"", "", Dashes(), Blanks(17) + "Computed Values of Pile Loading and Deflection",
              Blanks(19) + "for Lateral Loading for Load Case Number 1", Dashes(), "",
              "Pile-head conditions are Shear and Moment (Loading Type 1)", "",
              "Shear force at pile head                               =        -125.000 lbs",
              "Applied moment at pile head                            =           0.000 in-lbs",
              "Axial thrust load on pile head                         =           0.000 lbs", "",
              "   Depth    Deflect.    Bending    Shear       Slope      Total    Bending   Soil Res.  Soil Spr.   Distrib. ",
              "     X         y        Moment     Force         S       Stress   Stiffness      p         Es*h    Lat. Load ",
              "   inches    inches     in-lbs      lbs       radians     psi*      lb-in^2    lb/in      lb/inch    lb/inch ",
              "---------- ---------- ---------- ---------- ---------- ---------- ---------- ---------- ---------- ----------",
              "      0.00     0.5000      0.000  -125.0000    -0.0125      0.000   2000000.      0.000      0.000      0.000",
              "    20.000     0.2500      0.000    62.5000    -0.0125      0.000   2000000.   -25.0000  1000.0000      0.000",
              "    40.000     0.0625      0.000      0.000  -0.006250      0.000   2000000.    -6.2500   500.0000      0.000",
              "", "* The above values of total stress are combined axial and bending stress. ", ""}) +
        Imbalance_Report() +
        Join({"", "Output Summary for Load Case No. 1:", "",
              "Pile-head deflection             =      0.5000000 inches",
              "Computed slope at pile head      =     -0.0125000 radians",
              "Maximum bending moment           =   1250.0000000 inch-lbs",
              "Maximum shear force              =   -125.0000000 lbs",
              "Depth of maximum bending moment  =     30.0000000 inches below pile head",
              "Depth of maximum shear force     =       0.000000 inches below pile head",
              "Number of iterations             =              7",
              "Number of zero deflection points =              0", ""});
    EXPECT_EQ(report.text(), expected);
    EXPECT_EQ(plot.text(), Nodal_Records());
    EXPECT_EQ(msg.text(), Join({"", "", "**** Warning - POSSIBLE SOLUTION ERROR 550 ****"}) + Join(kImbalanceBody) +
                              Join({"Maximum internal moment imbalance for pile solution         = -0.18750E+04 in-lbs at node 4",
                                    "Maximum internal lateral force imbalance for pile  solution = -0.37500E+03 lbs at node 4"}));
    const CaseResults& r = g.rep;
    EXPECT_EQ(r.rd_CaseTopY(1), 0.5);
    EXPECT_EQ(r.rd_CaseTopSlope(1), -0.0125);
    EXPECT_EQ(r.rd_CaseTopShear(1), -125.0);
    EXPECT_EQ(r.rd_CaseTopMoment(1), 0.0);
    EXPECT_EQ(r.rd_CaseMaxMoment(1), 1250.0);
    EXPECT_EQ(r.rd_CaseMaxShear(1), -125.0);
}

TEST_F(CaseReport, SummaryOnlyKeepsTheNodalRecordsAndTheImbalanceWarning) {
    g.pd.b_PrintSummaryOnly = kTrue;
    Captured report(g_Out.report), plot(g_Out.plot), msg(g_Out.msg);
    Write_Case_Report(1, 7);
    EXPECT_EQ(report.text(), Imbalance_Report());
    EXPECT_EQ(plot.text(), Nodal_Records());
}

TEST_F(CaseReport, GenericUnitsWriteTheRowsOnly) {
    g.pd.IUNITS = kUnitsGeneric;
    Set_Unit_Labels(kUnitsGeneric);
    Captured report(g_Out.report), plot(g_Out.plot);
    Write_Case_Report(1, 7);
    EXPECT_EQ(report.text(),
              Join({"", "", Dashes(), Blanks(17) + "Computed Values of Pile Loading and Deflection",
                    Blanks(19) + "for Lateral Loading for Load Case Number 1", Dashes(), "",
                    "      0.00     0.5000      0.000  -125.0000    -0.0125      0.000   2000000.      0.000      0.000      0.000",
                    "    20.000     0.2500      0.000    62.5000    -0.0125      0.000   2000000.   -25.0000  1000.0000      0.000",
                    "    40.000     0.0625      0.000      0.000  -0.006250      0.000   2000000.    -6.2500   500.0000      0.000",
                    "", "* The above values of total stress are combined axial and bending stress. ", ""}));
}

TEST_F(CaseReport, ZeroDeflectionPointsCountSignChangesOnly) {
    const struct {
        double y[8];
        int count;
    } kCases[] = {
        {{0, 0, 1.0, 0.5, 0.0, -0.5, -1.0, -1.5}, 0},   // +, 0, - : no point
        {{0, 0, 1.0, 0.5, -0.5, -1.0, -0.5, 0.0}, 1},   // +, - : one
        {{0, 0, 1.0, -1.0, 1.0, -1.0, 1.0, -1.0}, 5},   // the value below the tip counts too
    };
    g.pd.b_PrintSummaryOnly = kFalse;
    for (const auto& c : kCases) {
        for (int i = -1; i <= kNodes + 1; ++i) g.nodes.y(i) = c.y[i + 1];
        Captured report(g_Out.report), plot(g_Out.plot), msg(g_Out.msg);
        Write_Case_Report(1, 7);
        EXPECT_NE(report.text().find("Number of zero deflection points =" + Blanks(14) + std::to_string(c.count) + "\n"),
                  std::string::npos)
            << c.count;
    }
}

TEST_F(CaseReport, FixedHeadNoteFollowsTheSpecifiedSlope) {
    g.pd.i_LoadType(1) = 2;
    g.sol.i_HeadConditionType = 2;
    const struct {
        double slope;
        const char* note;
    } kCases[] = {{5.0E-11, "(Zero slope for this load indicates fixed-head conditions)\n"},
                  {1.0E-10, "(Non-zero slope for this load does indicates rotated pile-head condition)\n"}};
    for (const auto& c : kCases) {
        g.pd.rd_LoadCond2(1) = c.slope;
        Captured report(g_Out.report), plot(g_Out.plot), msg(g_Out.msg);
        Write_Case_Report(1, 7);
        const std::string r = report.text();
        EXPECT_NE(r.find("Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)\n\n"
                         "Shear force at pile head                               =        -125.000 lbs\n"
                         "Rotation of pile head                                  = "),
                  std::string::npos);
        EXPECT_NE(r.find(std::string("lbs\n\n") + c.note + "\n"), std::string::npos) << c.note;
    }
}

TEST_F(CaseReport, SummaryOfResponsesAndItsPlotRecord) {
    {
        Captured report(g_Out.report), plot(g_Out.plot), msg(g_Out.msg);
        Write_Case_Report(1, 7);
    }
    Captured report(g_Out.report), plot(g_Out.plot);
    Write_Response_Summary();
    EXPECT_EQ(report.text(),
              Join({"", "", "", Dashes(), Blanks(27) + "Summary of Pile Response(s)", Dashes(), "", "",
                    "Definitions of Pile-head Loading Conditions:", "",
                    "Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs",
                    "Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians",
                    "Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, in-lbs/radian",
                    "Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs",
                    "Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians", "", "",
                    "               Pile-head      Pile-head ",
                    "Load  Load    Condition 1    Condition 2        Axial        Pile-head       Maximum        Maximum       Pile-head  ",
                    "Case  Type    V(lbs) or     in-lb, rad.,       Loading      Deflection       Moment          Shear        Rotation   ",
                    " No.   No.    y(inches)     or in-lb/rad.        lbs          inches         in-lbs           lbs          radians   ",
                    "----  ----  --------------  --------------  -------------  -------------  -------------  -------------  -------------",
                    "  1     1   V =  -125.0000  M =      0.000      0.0000000     0.50000000  1250.00000000      -125.0000    -0.01250000"}));
    EXPECT_EQ(plot.text(), " -0.1250000E+03  0.5000000E+00  0.1250000E+04 -0.1250000E+03 -0.1250000E-01" + Blanks(5) +
                               "Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)\n");
}

}  // namespace
}  // namespace tarvex_test
