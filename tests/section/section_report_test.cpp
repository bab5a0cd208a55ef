// Report blocks and plot records of the section analysis, compared in full
// with text built from their line forms: labels, "= " in column 56, the value
// fields and the unit texts of the section units.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "section/curve_support.h"
#include "section/report_forms.h"
#include "support/run_dir.h"

namespace tarvex_test {
namespace {

namespace fs = std::filesystem;
using tarvex::Edit_E;
using tarvex::Edit_F;
using tarvex::Real_Field;

constexpr double kPi = 3.141592653589793;

class ShaftReport : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new RunDir;
        dir_->run(EI_Only_Input("USCS", kShaft36, {0.0}));
    }
    static void TearDownTestSuite() { delete dir_; }
    static RunDir* dir_;
};
RunDir* ShaftReport::dir_ = nullptr;

TEST_F(ShaftReport, DimensionsAndCapacities) {
    const double Ag = kPi / 4 * 36 * 36, As = 12.0;
    const double Pn = 0.8500000238418579 * 4.0 * (Ag - As) + 60.0 * As;
    const std::string expected =
        "\nDimensions and Properties of Drilled Shaft:\n-------------------------------------------\n\n" +
        Value("Length of Section", 40.0, " ft     ") + Value("Shaft Diameter ", 36.0, " in     ") +
        Value("Concrete Cover Thickness", 3.0, " in     ") + Label("Number of Reinforcing Bars") +
        "             12 bars\n" + Value("Yield Stress of Reinforcing Bars", 60.0, " ksi    ") +
        Value("Modulus of Elasticity of Reinforcing Bars", 29000.0, " ksi    ") +
        Value("Gross Area of Shaft", Ag, " sq. in.") + Value("Total Area of Reinforcing Steel", As, " sq. in.") +
        Label("Area Ratio of Steel Reinforcement ") + Edit_F(100 * As / Ag, 15, 2) + " percent\n";
    EXPECT_TRUE(Contains(dir_->report(), expected)) << expected;
    const std::string capacities = "\nAxial Structural Capacities:\n----------------------------\n\n" +
                                   Label("Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As") + Edit_F(Pn, 15, 3) +
                                   " kips   \n";
    EXPECT_TRUE(Contains(dir_->report(), capacities)) << capacities;
    EXPECT_TRUE(Contains(dir_->report(), Label("Nominal Axial Tensile Capacity  ") + "       -720.000 kips   \n\n\n"));
}

TEST_F(ShaftReport, ConcretePropertiesAndTableHeading) {
    const double Ec = 57.0 * std::sqrt(4000.0), eps0 = 1.7 * 4.0 / Ec, fr = -0.0075 * std::sqrt(4000.0);
    const double epst = -(1.0 - std::sqrt(fr / 4.0 + 1.0)) * eps0;
    const std::string expected = "\nConcrete Properties:\n--------------------\n\n" +
                                 Value("Compressive Strength of Concrete", 4.0, " ksi    ") +
                                 Value("Modulus of Elasticity of Concrete", Ec, " ksi    ") +
                                 Value("Modulus of Rupture of Concrete", fr, " ksi    ") +
                                 Label("Compression Strain at Peak Stress") + Real_Field(eps0, 15) + "\n" +
                                 Label("Tensile Strain at Fracture of Concrete") + Real_Field(epst, 15) + "\n" +
                                 Value("Maximum Coarse Aggregate Size", 0.75, " in     ");
    EXPECT_TRUE(Contains(dir_->report(), expected)) << expected;
    const std::string thrusts =
        "   Number     Axial Thrust Force\n                    kips\n   ------     ------------------\n"
        "      1                0.000\n";
    EXPECT_TRUE(Contains(dir_->report(), thrusts));
    const std::string heading =
        "\n\nAxial Thrust Force =      0.000 kips  \n\n"
        "    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    Max Concrete   Max Steel    Run\n"
        "   Curvature      Moment       Stiffness       N Axis        Strain        Strain        Stress        Stress     Msg\n"
        "    rad/in.       in-kip        kip-in2          in          in/in         in/in          ksi           ksi           \n"
        " ------------- ------------- ------------- ------------- ------------- ------------- ------------- -------------  ---  \n";
    EXPECT_TRUE(Contains(dir_->report(), heading));
}

TEST_F(ShaftReport, PlotRecordsOfTheCurves) {
    const std::string plot = dir_->plot();
    EXPECT_TRUE(Contains(plot, "    1" + std::string(75, ' ') + "Line 3 : Total number of axial thrusts for EI-only computations\n"));
    const auto curves = Plot_Curves(plot);
    ASSERT_EQ(curves.size(), 1u);
    const PlotCurve& c = curves[0];
    std::string line4 = tarvex::Edit_I(c.points, 5) + std::string(10, ' ') + Edit_E(0.0, 15, 7) + Edit_E(c.capacity, 15, 7);
    line4 += std::string(80 - line4.size(), ' ') + "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips)\n";
    EXPECT_TRUE(Contains(plot, line4)) << line4;
    std::string line5 = Edit_E(c.moment[1], 15, 7) + Edit_E(c.ei[1], 15, 7) + Edit_E(c.curvature[1], 15, 7);
    line5 += std::string(80 - line5.size(), ' ') +
             "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2\n";
    EXPECT_TRUE(Contains(plot, line5)) << line5;
}

TEST_F(ShaftReport, CapacitySummary) {
    const std::string dashes(80, '-');
    const std::string expected =
        "\n\n" + dashes + "\n   Summary of Results for Nominal (Unfactored) Moment Capacity for Section 1\n" + dashes +
        "\n\nMoment values interpolated at maximum compressive strain = 0.003\n"
        "or maximum developed moment if pile fails at smaller strains.\n\n"
        " Load           Axial Thrust        Nominal Mom. Cap.      Max. Comp.\n"
        "  No.               kips                 in-kip              Strain\n"
        " ----         ----------------     ------------------     ------------\n"
        "   1                 0.000";
    EXPECT_TRUE(Contains(dir_->report(), expected)) << expected;
}

// The cased shaft with a core adds the casing and core columns in SI units.
TEST(SectionReport, CasedShaftWithCoreHeadingInSIUnits) {
    RunDir d;
    ASSERT_EQ(d.run(Read_File(fs::path(TARVEX_SOURCE_DIR) / "examples" / "cased_shaft_core_si.dat")), 0);
    const std::string heading =
        "    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    Max Concrete   Max Steel    Max Casing     Max Core     Run\n"
        "   Curvature      Moment       Stiffness       N Axis        Strain        Strain        Stress        Stress        Stress        Stress     Msg\n"
        "     rad/m         kN-m          kN-m2           m            m/m           m/m           kPa           kPa           kPa           kPa          \n"
        " ------------- ------------- ------------- ------------- ------------- ------------- ------------- ------------- ------------- -------------  ---\n";
    EXPECT_TRUE(Contains(d.report(), heading));
    EXPECT_TRUE(Contains(d.report(), "Note that the core is assumed to be filled with concrete\n"));
}

}  // namespace
}  // namespace tarvex_test
