// Report blocks of the moment-curvature computation beyond the drilled shaft's
// heading: the results rows, the run-message definitions and the capacity
// summary of a concrete section and of a steel pipe, the SI forms, the thrust
// count of the pile-response mode and the 150-point warning. The values in the
// rows come from the engine's own curve arrays (their physics is checked
// against fibre computations elsewhere); the text around them is built here
// from the line forms.
#include <gtest/gtest.h>

#include <string>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "section/curve_support.h"
#include "section/report_forms.h"
#include "input/keyword_reading.h"
#include "support/run_dir.h"

namespace tarvex_test {
namespace {

using tarvex::Edit_E;
using tarvex::Edit_F;
using tarvex::Edit_I;
using tarvex::g;
using tarvex::Real_Field;

// A 24 in steel pipe of 0.5 in wall, Fy 36 ksi.
const char* kPipe24 = "1\n1\n4\n40.0\n24.0\n0.5\n36000.0\n29000000.0\n";

// The rows of the last thrust's curve, from the curve arrays left by the run.
std::string Curve_Rows(bool pipe) {
    const tarvex::CurveWork& cv = g.sec.cv;
    const int n = cv.i_NumPoints(g.sec.i_NumWorkThrusts);
    std::string rows;
    for (int p = 1; p <= n; ++p) {
        for (double x : {cv.Curv(p), cv.Moment(p), cv.EI(p), cv.NeutralAxis(p)}) rows += Real_Field(x, 14);
        if (pipe)
            rows += Real_Field(cv.MaxCasing(p), 14);
        else
            for (double x : {cv.MaxComp(p), cv.MaxTens(p), cv.MaxConcrete(p), cv.MaxSteel(p)}) rows += Real_Field(x, 14);
        rows += "  " + std::string(cv.RunMsg(p).view()) + "\n";
    }
    return rows;
}

std::string Summary_Title() {
    const std::string dashes(80, '-');
    return "\n\n" + dashes + "\n   Summary of Results for Nominal (Unfactored) Moment Capacity for Section 1\n" + dashes + "\n\n";
}

TEST(CurveReport, SteelPipeTableDefinitionsAndSummary) {
    RunDir d;
    ASSERT_EQ(d.run(EI_Only_Input("USCS", kPipe24, {0.0, 300000.0})), 0) << d.report();
    const std::string report = d.report();
    EXPECT_FALSE(Contains(report, "Concrete Properties:"));
    EXPECT_TRUE(Contains(report,
                         "   Number     Axial Thrust Force\n                    kips\n   ------     ------------------\n"
                         "      1                0.000\n      2              300.000\n"
                         "\nDefinition of Run Messages:\n\n   Y = part of pipe section has yielded.\n"));
    const std::string table =
        "\n\nAxial Thrust Force =    300.000 kips  \n\n"
        "    Bending       Bending       Bending       Depth to     Max Total    Run\n"
        "   Curvature      Moment       Stiffness       N Axis        Stress     Msg\n"
        "    rad/in.       in-kip        kip-in2          in           ksi          \n"
        " ------------- ------------- ------------- ------------- -------------  ---\n" +
        Curve_Rows(true);
    EXPECT_TRUE(Contains(report, table)) << table;

    // The capacity of a pipe is the moment of its last point, with one decimal.
    const tarvex::CurveWork& cv = g.sec.cv;
    EXPECT_EQ(cv.Capacity(2), cv.Moment(cv.i_NumPoints(2)));
    // Force and moment units of 7 characters, 14 blanks apart.
    std::string summary = Summary_Title() + " Load           Axial Thrust        Nominal Mom. Cap.\n" +
                          "  No.              " + " kips  " + std::string(14, ' ') + " in-kip\n" +
                          " ----         ----------------     ------------------\n";
    for (int t = 1; t <= 2; ++t)
        summary += Edit_I(t, 4) + Edit_F(g.sec.WorkThrust(t), 22, 3) + Edit_F(cv.Capacity(t), 22, 1) + "\n";
    summary +=
        "\nNote that the values in the above table are not factored by a strength\n"
        "reduction factor for LRFD.\n\n"
        "The value of the strength reduction factor depends on the provisions of the \n"
        "LRFD code being followed.\n\n"
        "The above values should be multiplied by the appropriate strength reduction \n"
        "factor to compute ultimate moment capacity according to the LRFD structural \n"
        "design standard being followed.\n\n\n";
    EXPECT_TRUE(Contains(report, summary)) << summary;
}

TEST(CurveReport, ConcreteShaftRowsDefinitionsAndSummary) {
    RunDir d;
    ASSERT_EQ(d.run(EI_Only_Input("USCS", kShaft36, {0.0, 500000.0})), 0) << d.report();
    const std::string report = d.report();
    const std::string definitions =
        "      2              500.000\n\n\n"
        "Definitions of Run Messages and Notes:\n"
        "--------------------------------------\n\n"
        "   C = concrete in section has cracked in tension.\n"
        "   Y = stress in reinforcing steel has reached yield stress.\n"
        "   T = ACI 318-08 criteria for tension-controlled section met, tensile strain in \n"
        "       reinforcement exceeds 0.005 while simultaneously compressive strain in \n"
        "       concrete more than than 0.003. See ACI 318-08, Section 10.3.4.\n"
        "   Z = depth of tensile zone in concrete section is less than 10 percent of section depth.\n\n"
        "Bending Stiffness (EI) = Computed Bending Moment / Curvature.\n"
        "Position of neutral axis is measured from edge of compression side of pile.\n"
        "Compressive stresses and strains are positive in sign.\n"
        "Tensile stresses and strains are negative in sign.\n"
        "\n\nAxial Thrust Force =      0.000 kips  \n";
    EXPECT_TRUE(Contains(report, definitions)) << definitions;
    const std::string rows =
        " ------------- ------------- ------------- ------------- ------------- ------------- ------------- -------------  ---  \n" +
        Curve_Rows(false);
    EXPECT_TRUE(Contains(report, rows));
    // The shaft cracks before it yields, and its curve ends when the concrete crushes.
    const tarvex::CurveWork& cv = g.sec.cv;
    const int n = cv.i_NumPoints(2);
    EXPECT_EQ(std::string(cv.RunMsg(n).view()).substr(0, 1), "C");
    EXPECT_GE(cv.MaxComp(n), 0.0038);

    std::string summary = Summary_Title() +
                          "Moment values interpolated at maximum compressive strain = 0.003\n"
                          "or maximum developed moment if pile fails at smaller strains.\n\n"
                          " Load           Axial Thrust        Nominal Mom. Cap.      Max. Comp.\n"
                          "  No.               kips                 in-kip              Strain\n"
                          " ----         ----------------     ------------------     ------------\n";
    for (int t = 1; t <= 2; ++t)
        summary += Edit_I(t, 4) + Edit_F(g.sec.WorkThrust(t), 22, 3) + Edit_F(cv.Capacity(t), 22, 3) +
                   "           0.00300000\n";
    summary +=
        "\nNote note that the values of moment capacity in the table above are not \n"
        "factored by a strength reduction factor (phi-factor).\n\n"
        "In ACI 318-08, the value of the strength reduction factor depends on whether \n"
        "the transverse reinforcing steel bars are spirals or tied hoops.\n\n"
        "The above values should be multiplied by the appropriate strength reduction \n"
        "factor to compute ultimate moment capacity according to ACI 318-08, Section \n"
        "9.3.2.2 or the value required by the design standard being followed.\n\n\n";
    EXPECT_TRUE(Contains(report, summary)) << summary;
}

// The same shaft in SI units: metres, kN and kPa, the SI table heading whose
// rule has no trailing blanks, and the SI labels of the plot records.
TEST(CurveReport, ShaftInSIUnits) {
    const std::string shaft_si =
        "1\n1\n1\n12.0\n900.0\n27600.0\n19.0\nUse default concrete tensile strength\n"
        "Use internal stress-strain curve for concrete\nRebar Arrangement Not Same As Section Above\n"
        "Rebar in circle\n414000.0\n200000000.0\n12\n1\n28.6\n645.0\n75.0\n0.0\n";
    RunDir d;
    ASSERT_EQ(d.run(EI_Only_Input("SI", shaft_si, {0.0})), 0) << d.report();
    const std::string report = d.report();
    const std::string heading =
        "\n\nAxial Thrust Force =      0.000 kN    \n\n"
        "    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    Max Concrete   Max Steel    Run\n"
        "   Curvature      Moment       Stiffness       N Axis        Strain        Strain        Stress        Stress     Msg\n"
        "     rad/m         kN-m          kN-m2           m            m/m           m/m           kPa           kPa          \n"
        " ------------- ------------- ------------- ------------- ------------- ------------- ------------- -------------  ---\n" +
        Curve_Rows(false);
    EXPECT_TRUE(Contains(report, heading)) << heading;
    EXPECT_TRUE(Contains(report, "  No." + std::string(14, ' ') + " kN" + std::string(18, ' ') + " kN-m" + std::string(16, ' ') + "Strain\n"));
    EXPECT_TRUE(Contains(report, "   Number     Axial Thrust Force\n                    kN\n"));

    const auto curves = Plot_Curves(d.plot());
    ASSERT_EQ(curves.size(), 1u);
    const PlotCurve& c = curves[0];
    std::string line4 = Edit_I(c.points, 5) + std::string(10, ' ') + Edit_E(0.0, 15, 7) + Edit_E(c.capacity, 15, 7);
    line4 += std::string(80 - line4.size(), ' ') +
             "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m)\n";
    EXPECT_TRUE(Contains(d.plot(), line4)) << line4;
    std::string line5 = Edit_E(c.moment[0], 15, 7) + Edit_E(c.ei[0], 15, 7) + Edit_E(c.curvature[0], 15, 7);
    line5 += std::string(80 - line5.size(), ' ') +
             "Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=1\n";
    EXPECT_TRUE(Contains(d.plot(), line5)) << line5;
    // The first curvature step of a 0.9 m shaft: 4.921259901994065e-5 / NINT(0.9 / 0.0254 / 24) rad/m.
    EXPECT_DOUBLE_EQ(g.sec.cv.Curv(1), 4.921259901994065e-5 / 1);
}

// The run messages of a curve: C on every point of a shaft pulled beyond its
// cracking load before it bends; T where the bottom bar of the shaft (at
// 14.436 in below the centre) is stretched beyond 0.005 while the concrete
// reaches 0.003; Z where a prestressed pile's neutral axis rises within a tenth
// of its depth, which ends its curve.
TEST(CurveReport, RunMessagesOfTheCurves) {
    const tarvex::CurveWork& cv = g.sec.cv;
    auto message = [&](int p) { return std::string(cv.RunMsg(p).view()); };
    {
        RunDir d;
        ASSERT_LE(d.run(EI_Only_Input("USCS", kShaft36, {-600000.0})), 0) << d.report();
        ASSERT_LT(g.sec.WorkThrust(1), g.sec.rd_CrackingLoad);
        for (int p = 1; p <= cv.i_NumPoints(1); ++p) EXPECT_EQ(message(p)[0], 'C') << p;
    }
    {
        RunDir d;
        ASSERT_EQ(d.run(EI_Only_Input("USCS", kShaft36, {0.0})), 0) << d.report();
        const double bottom_bar = 18.0 + 14.436;
        int tension_controlled = 0;
        for (int p = 1; p <= cv.i_NumPoints(1); ++p) {
            const bool T = cv.Curv(p) * (cv.NeutralAxis(p) - bottom_bar) < -0.005 && cv.MaxComp(p) >= 0.003;
            EXPECT_EQ(message(p)[2], T ? 'T' : ' ') << p;
            tension_controlled += T;
        }
        EXPECT_GT(tension_controlled, 0);
    }
    {
        const char* pile =
            "1\n1\n7\n30.0\n18.0\n0.0\n6000.0\n0.75\nUse default concrete tensile strength\n"
            "Use internal stress-strain curve for concrete\nManually-positioned strands\n1\n8\n231336.0\n0.2\n"
            "1 1 3 -6.0 6.03\n2 1 3 -2.0 6.03\n3 1 3 2.0 6.03\n4 1 3 6.0 6.03\n"
            "5 1 3 -6.0 -6.03\n6 1 3 -2.0 -6.03\n7 1 3 2.0 -6.03\n8 1 3 6.0 -6.03\n";
        RunDir d;
        // A tension of 200 kips leaves the pile a shallow compression zone.
        ASSERT_LE(d.run(EI_Only_Input("USCS", pile, {-200000.0})), 0) << d.report();
        const int n = cv.i_NumPoints(1);
        EXPECT_LT(cv.NeutralAxis(n), 1.8);
        EXPECT_EQ(message(n)[1], 'Z');
        for (int p = 1; p < n; ++p) {
            EXPECT_GE(cv.NeutralAxis(p), 1.8) << p;
            EXPECT_NE(message(p)[1], 'Z') << p;
        }
    }
}

// In the pile-response mode the thrusts come from the load cases, and their
// count is written with the plot record of the first section.
TEST(CurveReport, PileResponseThrustCount) {
    RunDir d;
    ASSERT_EQ(d.run(Read_File(std::filesystem::path(TARVEX_SOURCE_DIR) / "examples" /
                              "drilled_shaft_36in_cracked_us.dat")),
              0);
    EXPECT_TRUE(Contains(d.report(),
                         "\n\nNumber of Axial Thrust Force Values Determined from Pile-head Loadings = 1\n\n"
                         "   Number     Axial Thrust Force\n                    kips\n   ------     ------------------\n"
                         "      1              100.000\n"));
    EXPECT_TRUE(Contains(d.plot(), "    1" + std::string(75, ' ') + "Line 3 : Total number of axial thrusts\n"));
}

// A shaft with a single thin bar yields at once and its neutral axis rises so
// close to the compression face that the concrete never crushes: the curve
// runs to the 150th point and the report warns that the pile is too weak.
TEST(CurveReport, UnderReinforcedShaftReachesTheLastPointAndWarns) {
    const std::string weak = Replace(kShaft36, "\n12\n1\n1.128\n1.0\n", "\n1\n1\n0.1\n0.01\n");
    ASSERT_NE(weak, kShaft36);
    RunDir d;
    // The one warning recorded is the run's return value.
    ASSERT_EQ(d.run(EI_Only_Input("USCS", weak, {0.0})), -305) << d.report();
    ASSERT_EQ(g.sec.cv.i_NumPoints(1), 150);
    // The curvature steps double at point 40, grow fourfold at 80 and sixfold at 120.
    const double delta = 6.25E-7;  // 1.25e-6 / NINT(36 / 24)
    for (const auto& [p, steps] : {std::pair{39, 39}, {40, 41}, {79, 119}, {80, 127}, {119, 439}, {120, 487}, {150, 1927}})
        EXPECT_NEAR(g.sec.cv.Curv(p), steps * delta, 1e-12 * steps * delta) << p;
    const std::string warning =
        "\nWarning: 150 values were calculated for moment-curvature.\n"
        "This usually indicates that the pile is too weak or is under-reinforced, where all reinforcing steel has "
        "yielded.\n\n"
        "The input data should be examined and the amount of steel reinforcement should be increased if necessary.\n\n";
    EXPECT_TRUE(Contains(d.report(), Curve_Rows(false) + warning)) << d.report();
    EXPECT_EQ(g.err.i_WarningTally(305), 1);
}

}  // namespace
}  // namespace tarvex_test
