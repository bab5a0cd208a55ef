// The running maxima at the pile head take the head values that the report
// shows: the kept shear V0 of head types 1 to 3 and the kept moment M0 of types 1 and 4.
#include <gtest/gtest.h>

#include "engine/store.h"
#include "solver/case_report.h"
#include "solver/solver.h"
#include "solver/solver_fixture.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

TEST(HeadMaxima, TheKeptHeadShearIsTheMaximumShear) {
    for (int type : {1, 2, 3}) {
        SCOPED_TRACE(type);
        Set_Up_Pile(PileSetup{});
        g.pd.i_NumLoads = 1;
        g.pd.i_LoadType(1) = type;
        g.pd.rd_LoadCond1(1) = 1.0E4;
        Set_Head(type, 1.0E4, type == 3 ? 1.0E9 : 0.0);
        Captured report(g_Out.report), plot(g_Out.plot), msg(g_Out.msg);
        Solve_Load_Case(1);
        Write_Case_Report(1, g.sol.i_Iteration);
        // The head carries the largest shear of a pile loaded at its head only.
        EXPECT_EQ(g.rep.rd_CaseMaxShear(1), 1.0E4);
        EXPECT_EQ(g.sol.rd_MaxShearX, 0.0);
        EXPECT_EQ(g.rep.rd_CaseTopShear(1), 1.0E4);
    }
}

TEST(HeadMaxima, TheKeptHeadMomentIsTheMaximumMoment) {
    Set_Up_Pile(PileSetup{});
    g.pd.i_NumLoads = 1;
    g.pd.i_LoadType(1) = 1;
    g.pd.rd_LoadCond2(1) = 1.0E6;
    Set_Head(1, 0.0, 1.0E6);
    Captured report(g_Out.report), plot(g_Out.plot), msg(g_Out.msg);
    Solve_Load_Case(1);
    Write_Case_Report(1, g.sol.i_Iteration);
    EXPECT_EQ(g.rep.rd_CaseMaxMoment(1), 1.0E6);
}

}  // namespace
}  // namespace tarvex_test
