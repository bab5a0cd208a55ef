// Whole runs of a pile in soft clay whose strength is zero at the ground
// surface, or zero throughout.
#include <gtest/gtest.h>

#include <string>

#include "support/run_dir.h"

namespace tarvex_test {
namespace {

// An elastic 36-inch pile, 50 ft long, in one soft clay layer with the
// strengths c_top and c_bottom (psf) at 0 and 60 ft, and 10 kips at the head.
std::string Soft_Clay_Problem(const std::string& c_top, const std::string& c_bottom) {
    return "TARVEX6\nTITLE\nSoft clay run\n\n\n\n\nOPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\n"
           "UseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\nLoading STATIC     0\n"
           "MaxIterations 100\nMaxDeflection 100.0\nTolerance 1.0E-5\nIncrements 100\nPrintSummaryOnly NO\n"
           "PrintIncrement 10\nPrintPYCurves NO\nComputeInteraction NO\nSECTIONS\n1\n1\n11\n50.0\n2\n3600000.0\n"
           "36.0\n36.0\n1017.876\n1017.876\n82447.96\n82447.96\nSOIL LAYERS\n1\n1 0.0 60.0\n55.0 " +
           c_top + " 0.02\n55.0 " + c_bottom + " 0.01\nLOADING\n1\n1 1 10000.0 0.0 0.0 1\n0\nEND\n";
}

TEST(SoftClayRun, StrengthGrowingFromZeroAtTheGroundSurfaceRunsNormally) {
    RunDir d;
    EXPECT_EQ(d.run(Soft_Clay_Problem("0.0", "1200.0")), 0);
    EXPECT_NE(d.msg().find("The convergence criteria have been met"), std::string::npos);
}

TEST(SoftClayRun, ZeroStrengthBelowTheSurfaceStopsWithInputError12) {
    RunDir d;
    EXPECT_EQ(d.run(Soft_Clay_Problem("0.0", "0.0")), 112);
    EXPECT_NE(d.report().find("**** Input Data Error No. 12 ****"), std::string::npos);
    EXPECT_NE(d.report().find("\nTarvex ended prematurely due to input error number INP00012\n"), std::string::npos);
}

}  // namespace
}  // namespace tarvex_test
