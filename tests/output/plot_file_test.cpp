// Plot output records: numbers right-justified in their fields, labels at their columns.
#include <gtest/gtest.h>

#include <string>

#include "output/plot_file.h"
#include "output/report_lines.h"
#include "support/captured.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

std::string Blanks(int n) { return std::string(size_t(n), ' '); }

TEST(PlotFile, RecordsOfTheDriverAndTheReportHaveTheirLayouts) {
    Captured plot(g_Out.plot);
    Plot_Run_Options(3, 1, 0, false);
    Plot_Section_Count(2);
    Plot_PY_Curve_Count(0);
    Plot_Response_Counts(2, 101, 2);
    Plot_Nodal_Response(7, 12.0, -0.0123456789, 0.0, 1.0E-30, 987654.321, 2.5E13);
    Plot_Length_Study_Count(0, 12, false);
    Plot_Length_Study_Count(0, 3, true);
    Plot_Case_Summary(15000.0, 0.5, -1.0E6, 1.0E-101, 1.0E101, 1);
    Plot_Case_Summary(1.0, 2.0, 3.0, 4.0, 5.0, 2);
    const std::string expected =
        "    3    1    0    0" + Blanks(60) + "Line 1 : ICOM, IUNITS, KYL, ib_ComputeKmatrix_1T0F\n" +
        "    2" + Blanks(75) + "Line 2 : Total number of sections\n" +
        "    0" + Blanks(75) + "Line 6 : number of output p-y curves\n" +
        "    2  101    2" + Blanks(65) + "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI\n" +
        "  0.1200000E+02 -0.1234568E-01  0.0000000E+00  0.1000000E-29  0.9876543E+06  0.2500000E+14" + " " +
        "Line 10(  7): nodal depth, y, M, V, p, EI\n" +
        "    0" + Blanks(75) + "Line 11: Num. points on Ytop vs. Length curve for load case 12\n" +
        "    0" + Blanks(75) + "Line 11: Num. points on Ytop vs. Length curve for LRFD load case 3\n" +
        "  0.1500000E+05  0.5000000E+00 -0.1000000E+07  0.1000000-100  0.1000000+102" + Blanks(5) +
        "Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)\n" +
        "  0.1000000E+01  0.2000000E+01  0.3000000E+01  0.4000000E+01  0.5000000E+01" + Blanks(5) +
        "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)\n";
    EXPECT_EQ(plot.text(), expected);
}

TEST(PlotFile, LabelsStandAtColumns81And92) {
    Captured plot(g_Out.plot);
    Plot_Nodal_Response(501, 1, 2, 3, 4, 5, 6);
    Plot_Case_Summary(1, 2, 3, 4, 5, 1);
    std::string text = plot.text();
    size_t second = text.find('\n') + 1;
    EXPECT_EQ(text.find("Line 10(501)"), 91u);
    EXPECT_EQ(text.find("Line 13:", second) - second, 80u);
}

TEST(PlotFile, AnIntegerTooWideForItsFieldBecomesAsterisks) {
    Captured plot(g_Out.plot);
    Plot_Response_Counts(100, 123456, 1);
    EXPECT_EQ(plot.text(), "  100*****    1" + Blanks(65) + "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI\n");
}

}  // namespace
}  // namespace tarvex_test
