// Runtime errors of the section analysis that no sound input file reaches: a
// prestressed section without strand area, and a neutral-axis search that
// does not settle. Each writes its block to the report and the runtime
// message file and stops the run with its error state.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/errors.h"
#include "engine/store.h"
#include "section/section_analysis.h"
#include "section/section_store.h"
#include "support/captured.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

// The block after the two empty lines that precede it in the report.
void Expect_Block(Captured& report, Captured& msg, const std::string& block) {
    EXPECT_EQ(report.text(), "\n\n" + block);
    EXPECT_EQ(msg.text(), "\n\n" + block);
}

void Prestressed_Section(double concrete_area, double strand_area) {
    One_Section_Store(kSquareSolidPrestressed, kUnitsUS);
    SectionWork& w = g.sec;
    w.sl.TotalConcreteArea = concrete_area;
    w.sl.TotalBarArea = strand_area;
    w.mat.Es = 28500.0;
    w.mat.Ec = 4000.0;
    w.mat.fc = 6.0;
    w.mat.PrestressForce = 300000.0;
    w.mat.PrestressLoss = 0.2;
}

TEST(SectionErrors, PrestressedSectionWithoutConcreteOrStrandAreaStops) {
    const struct {
        double ac, as;
        int state;
        const char* block;
    } kCases[] = {
        {0.0, 3.0, 214,
         "**** Runtime Error No. 14 ****\n\n"
         "An error occurred in prestressing computations\n"
         "The computed area of concrete in the section is less than 0.0 =         0.00000\n"},
        {-12.5, 3.0, 214,
         "**** Runtime Error No. 14 ****\n\n"
         "An error occurred in prestressing computations\n"
         "The computed area of concrete in the section is less than 0.0 =       -12.50000\n"},
        // The concrete is checked first.
        {-1.0, 0.0, 214,
         "**** Runtime Error No. 14 ****\n\n"
         "An error occurred in prestressing computations\n"
         "The computed area of concrete in the section is less than 0.0 =        -1.00000\n"},
        {300.0, 0.0, 215,
         "**** Runtime Error No. 15 ****\n\n"
         "An error occurred in prestressing computations\n"
         "The computed area of steel in the section is less than 0.0 =         0.00000\n"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.block);
        Prestressed_Section(c.ac, c.as);
        Captured report(g_Out.report), msg(g_Out.msg);
        EXPECT_THROW(Calculate_Strains_Due_To_Prestressing(), EngineStop);
        EXPECT_EQ(g.err.i_ErrorState, c.state);
        Expect_Block(report, msg, c.block);
        // Nothing of the loss-of-prestress block was written, and no strain was set.
        EXPECT_EQ(g.sec.mat.eps_ps, 0.0);
        EXPECT_EQ(g.sec.b_PrestressReported, kFalse);
    }
    Reset_Store();
}

// A 10 in x 10 in plain concrete section of f'c = 4 ksi.
void Plain_Rectangle(double thrust) {
    One_Section_Store(kRectConcrete, kUnitsUS);
    g.pd.Section(1).rd_SectionDiameter = 10.0;
    SectionMaterials& m = g.sec.mat;
    m.fc = 4.0;
    m.fy = 60.0;
    Set_Concrete_Properties();
    g.sec.geo.SectionKind = kKindRectangle;
    g.sec.geo.D = g.sec.geo.W = 10.0;
    Initialize_EI_Vars();
    g.sec.i_NumWorkThrusts = 1;
    g.sec.WorkThrust(1) = thrust;
    g.sec.cv.Curv(1) = 1.0E-4;
    g.sec.cv.PrevNeutralAxis = 5.0;
}

TEST(SectionErrors, NeutralAxisSearchFindsTheDepthOfAReachableThrust) {
    Plain_Rectangle(100.0);
    Find_Neutral_Axis(1, 1);
    const double c = g.sec.cv.NeutralAxis(1);
    EXPECT_GT(c, 0.0);
    EXPECT_NEAR(Compute_Axial_Thrust_Force(1.0E-4, c), 100.0, 1e-3);
    EXPECT_EQ(g.err.i_ErrorState, 0);
    Reset_Store();
}

// A compression far beyond what the concrete can carry (0.85 f'c Ag is 340
// kips here) has no neutral axis: the search runs out of iterations.
TEST(SectionErrors, NeutralAxisSearchThatDoesNotSettleIsRuntimeError16) {
    Plain_Rectangle(1.0E6);
    Captured report(g_Out.report), msg(g_Out.msg);
    EXPECT_THROW(Find_Neutral_Axis(1, 1), EngineStop);
    EXPECT_EQ(g.err.i_ErrorState, 216);
    Expect_Block(report, msg,
                 "**** Runtime Error No. 16 ****\n\n"
                 "Location of neutral axis was not found within 1,000 iterations.\n");
    Reset_Store();
}

// A thrust that is not a number gives a residual that is not one either: the
// search stops at once instead of settling "successfully" on it.
TEST(SectionErrors, NeutralAxisSearchOnANonFiniteForceIsRuntimeError16) {
    Plain_Rectangle(std::numeric_limits<double>::quiet_NaN());
    Captured report(g_Out.report), msg(g_Out.msg);
    EXPECT_THROW(Find_Neutral_Axis(1, 1), EngineStop);
    EXPECT_EQ(g.err.i_ErrorState, 216);
    Expect_Block(report, msg,
                 "**** Runtime Error No. 16 ****\n\n"
                 "Location of neutral axis was not found within 1,000 iterations.\n"
                 "The axial force of section 1 at axial thrust no. 1 is not a finite number.\n");
    Reset_Store();
}

}  // namespace
}  // namespace tarvex_test
