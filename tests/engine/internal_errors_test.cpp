// Failures that no routine raised by itself end the run as runtime errors.
#include <gtest/gtest.h>

#include "engine/checked_array.h"
#include "engine/internal_errors.h"
#include "engine/store.h"
#include "output/report_lines.h"
#include "support/captured.h"

namespace tarvex {
namespace {

TEST(CheckedArray, IndexOutsideTheCapacityRaisesAFault) {
    Arr<double, 5> a;
    ArrFrom<double, -1, 5> b;
    Arr2<int, 2, 3> c;
    EXPECT_NO_THROW(a(1) = 1.0);
    EXPECT_NO_THROW(a(5) = 5.0);
    EXPECT_NO_THROW(b(-1) = 1.0);
    EXPECT_THROW(a(0), CapacityFault);
    EXPECT_THROW(a(6), CapacityFault);
    EXPECT_THROW(b(-2), CapacityFault);
    EXPECT_THROW(b(6), CapacityFault);
    EXPECT_THROW(c(3, 1), CapacityFault);
    EXPECT_THROW(c(1, 4), CapacityFault);
}

TEST(InternalErrors, CapacityFaultBecomesRuntimeError39WithItsBlock) {
    Reset_Store();
    tarvex_test::Captured report(g_Out.report), msg(g_Out.msg);
    Arr<double, 5> a;
    try {
        a(7) = 0.0;
    } catch (const CapacityFault& fault) {
        Internal_Capacity_Error(fault);
    }
    const std::string block =
        "\n\n**** Runtime Error No. 39 ****\n\n"
        "An index of 7 lies outside an internal array of 5 entries.\n\n"
        "The analysis was stopped; no results of this run are valid.\n"
        "Please check the input data, and report this problem with the input\n"
        "file if the input data are correct.\n";
    EXPECT_EQ(g.err.i_ErrorState, 239);
    EXPECT_EQ(report.text(), block);
    EXPECT_EQ(msg.text(), block);
    Reset_Store();
}

TEST(InternalErrors, AnEarlierErrorStateIsKept) {
    Reset_Store();
    tarvex_test::Captured report(g_Out.report), msg(g_Out.msg);
    g.err.i_ErrorState = 211;
    Internal_Memory_Error();
    EXPECT_EQ(g.err.i_ErrorState, 211);
    Reset_Store();
}

}  // namespace
}  // namespace tarvex
