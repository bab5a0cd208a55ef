// Whole runs with nonlinear sections: the pile response with the bending
// stiffness of the moment-curvature tables, the thrust checks against the axial
// capacities, and the input errors of the section checks.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <cmath>
#include <string>

#include "engine/store.h"
#include "output/report_lines.h"
#include "section/curve_support.h"
#include "support/run_dir.h"

namespace tarvex_test {
namespace {

namespace fs = std::filesystem;

std::string Example(const std::string& name) {
    return Read_File(fs::path(TARVEX_SOURCE_DIR) / "examples" / name);
}

// Replaces the text between two marker lines (both kept).
std::string With_Block(std::string text, const std::string& from, const std::string& to, const std::string& block) {
    size_t a = text.find("\n" + from + "\n") + from.size() + 2;
    size_t b = text.find("\n" + to + "\n", a) + 1;
    return text.replace(a, b - a, block);
}

// An error block in the report, after its two empty lines, and in the runtime
// message file (there without the empty lines before it).
void Expect_Error_Block(const RunDir& d, const std::string& block) {
    EXPECT_NE(d.report().find(block), std::string::npos) << d.report();
    EXPECT_NE(d.msg().find(block.substr(2)), std::string::npos) << d.msg();
}

double Head_Deflection(const std::string& report) {
    const std::string key = "Pile-head deflection             =";
    const size_t at = report.find(key);
    return at == std::string::npos ? 0.0 : std::stod(report.substr(at + key.size()));
}

// The same 36 in shaft with the gross stiffness Ec Ig as an elastic section.
const char* kGrossShaft =
    "1\n1\n11\n40.0\n2\n3604996.5\n36.0\n36.0\n1017.876\n1017.876\n82447.96\n82447.96\n";

TEST(SectionRuns, CrackedShaftDeflectsMoreThanWithGrossStiffness) {
    RunDir cracked, gross;
    const std::string input = Example("drilled_shaft_36in_cracked_us.dat");
    ASSERT_EQ(cracked.run(input), 0);
    ASSERT_EQ(gross.run(With_Block(input, "SECTIONS", "SOIL LAYERS", kGrossShaft)), 0);
    const std::string verified = "Output Verification: Computed forces and moments are within specified convergence limits.";
    EXPECT_NE(cracked.report().find(verified), std::string::npos);
    const double y_cracked = Head_Deflection(cracked.report()), y_gross = Head_Deflection(gross.report());
    ASSERT_GT(y_gross, 0.0);
    EXPECT_GT(y_cracked, 1.2 * y_gross);
    EXPECT_NE(cracked.report().find("  C  \n"), std::string::npos);
}

TEST(SectionRuns, EveryNonlinearExampleEndsNormally) {
    for (const char* name : {"drilled_shaft_36in_cracked_us.dat", "cased_shaft_core_si.dat", "square_prestressed_pile_us.dat"}) {
        RunDir d;
        EXPECT_EQ(d.run(Example(name)), 0) << name;
        EXPECT_NE(d.report().find("Output Verification: Computed forces and moments are within specified convergence limits."),
                  std::string::npos)
            << name;
        EXPECT_EQ(Plot_Curves(d.plot()).size(), 1u) << name;
    }
}

// An LRFD check of a reinforced-concrete shaft: its curves are computed at the
// four factored thrusts (1.25 x 300 + 1.75 x 150 kips and so on), and each
// combination is rated against phi times the nominal moment capacity of the
// curve at its own thrust.
TEST(SectionRuns, LrfdCombinationsAreRatedAgainstTheCapacityAtTheirOwnThrust) {
    RunDir d;
    ASSERT_EQ(d.run(Example("lrfd_cracked_shaft_us.dat")), 0) << d.report();
    const auto curves = Plot_Curves(d.plot());
    ASSERT_EQ(curves.size(), 4u);
    auto capacity_at = [&](double thrust) {
        for (const PlotCurve& c : curves)
            if (std::fabs(c.thrust - thrust) < 1e-6) return c.capacity;
        ADD_FAILURE() << "no curve at " << thrust;
        return 0.0;
    };
    const struct {
        double thrust, phi;
    } kCombinations[] = {{637.5, 0.9}, {375.0, 0.9}, {577.5, 0.9}, {450.0, 1.0}};
    const std::string report = d.report();
    size_t at = report.find("LRFD Performance by Load Case Combination");
    ASSERT_NE(at, std::string::npos);
    at = report.find("-----   -------", at);
    ASSERT_NE(at, std::string::npos);
    std::istringstream rows(report.substr(report.find('\n', at) + 1));
    for (int k = 1; k <= 4; ++k) {
        std::string line;
        std::getline(rows, line);
        std::istringstream row(line);
        int number, section;
        double phi, phi_mn, md, fraction;
        std::string verdict;
        row >> number >> section >> phi >> phi_mn >> md >> fraction >> verdict;
        EXPECT_EQ(number, k);
        const double mn = capacity_at(kCombinations[k - 1].thrust) * 1000.0;  // lb-in
        EXPECT_EQ(phi, kCombinations[k - 1].phi);
        EXPECT_NEAR(phi_mn, phi * mn, 0.05 * phi * mn) << line;  // 0.11E+08 has two digits
        EXPECT_NEAR(fraction, md / (phi * mn), 1e-4) << line;
        EXPECT_EQ(verdict, fraction <= 1.0 ? "Pass" : "Fail") << line;
    }
    // More thrust, more capacity: the shaft is below its balance point.
    EXPECT_LT(capacity_at(375.0), capacity_at(637.5));
    EXPECT_NE(report.find("All LRFD load combinations have passed for all pile sections."), std::string::npos);
}

TEST(SectionRuns, AThrustAboveTheAxialCapacityIsRuntimeError24) {
    RunDir d;
    const std::string input = Example("drilled_shaft_36in_cracked_us.dat");
    const std::string heavy = With_Block(input, "LOADING", "END", "1\n1 1 60000.0 0.0 5000000.0 1\n0\n");
    EXPECT_EQ(d.run(heavy), 224);
    EXPECT_NE(d.report().find("\n\n**** Runtime Error No. 24 ****\n\n"
                              "PROBLEM:  The axial thrust load for load case no. 1 exceeds the axial structural "
                              "capacity in compression.\n"
                              "          Axial thrust load                  =        5000.000 kips\n"
                              "          Nominal axial compressive capacity =        4139.979 kips\n\n"
                              "SOLUTION: Change the properties of the section to increase the axial structural "
                              "capacity.\n"),
              std::string::npos)
        << d.report();
}

// The LRFD example with the 36 in reinforced-concrete shaft in place of its
// elastic-plastic section and a dead load of `dead_axial` pounds: the section
// stage meets the factored thrusts in ascending order.
std::string LRFD_Shaft_Input(const std::string& dead_axial) {
    const std::string shaft = Example("drilled_shaft_36in_cracked_us.dat");
    const size_t from = shaft.find("SECTIONS\n"), to = shaft.find("SOIL LAYERS\n");
    std::string input = Example("lrfd_drilled_shaft_us.dat");
    const size_t a = input.find("SECTIONS\n"), b = input.find("SOIL LAYERS\n");
    input.replace(a, b - a, shaft.substr(from, to - from));
    const std::string dl = "1 1 10000.0 0.0 300000.0 0";
    input.replace(input.find(dl), dl.size(), "1 1 10000.0 0.0 " + dead_axial + " 0");
    return input;
}

// Factored thrusts 1.00 DL + 1.00 LL = 5150 kips (the smallest) and above:
// beyond Pn = 4139.979 kips (0.85 f'c (Ag - As) + fy As of the shaft).
TEST(SectionRuns, AFactoredThrustAboveTheAxialCapacityIsRuntimeError26) {
    RunDir d;
    EXPECT_EQ(d.run(LRFD_Shaft_Input("5000000.0")), 226);
    EXPECT_NE(d.report().find("\n\n**** Runtime Error No. 26 ****\n\n"
                              "PROBLEM:  The axial thrust load for LRFD load case no. 1 exceeds the axial structural "
                              "capacity in compression.\n"
                              "          Factored axial thrust load     =        5150.000 kips\n"
                              "          Nominal axial compressive capacity =        4139.979 kips\n\n"
                              "SOLUTION: Change the properties of the section to increase the axial structural "
                              "capacity.\n"),
              std::string::npos)
        << d.report();
}

// Factored thrusts of a dead load pulling 5000 kips: the smallest, 1.25 DL =
// -6250 kips, lies below Nt = -fy As = -720 kips of the twelve 1 in2 bars.
TEST(SectionRuns, AFactoredTensionBeyondTheTensileCapacityIsRuntimeError27) {
    RunDir d;
    EXPECT_EQ(d.run(LRFD_Shaft_Input("-5000000.0")), 227);
    EXPECT_NE(d.report().find("\n\n**** Runtime Error No. 27 ****\n\n"
                              "PROBLEM:  The axial thrust load for LRFD load case no. 1 exceeds the axial structural "
                              "capacity in tension.\n"
                              "          Factored axial thrust load     =       -6250.000 kips\n"
                              "          Nominal axial tensile capacity =        -720.000 kips\n\n"
                              "SOLUTION: Change the properties of the section to increase the axial structural "
                              "capacity.\n"),
              std::string::npos)
        << d.report();
}

TEST(SectionRuns, InEIOnlyModeThrustsOutsideTheCapacitiesAreDropped) {
    RunDir d;
    ASSERT_EQ(d.run(EI_Only_Input("USCS", kShaft36, {-800000.0, 0.0, 4139979.0})), 0);
    EXPECT_EQ(Plot_Curves(d.plot()).size(), 1u);
    EXPECT_NE(d.report().find("The following computations were performed only for the axial thrust values in the "
                              "valid range.\n\n\nInput Axial Thrust Forces:\n--------------------------\n\n"
                              "Number of Axial Thrust Force Values Determined from Input Data = 1\n"),
              std::string::npos);
    EXPECT_NE(d.plot().find("    1" + std::string(75, ' ') +
                            "Line 3 : Total number of axial thrusts for EI-only computations\n"),
              std::string::npos);
}

std::string Replace(std::string text, const std::string& what, const std::string& by) {
    const size_t at = text.find(what);
    return at == std::string::npos ? text : text.replace(at, what.size(), by);
}

TEST(SectionRuns, SectionFaultsAreInputErrors) {
    const std::string shaft = kShaft36;
    const struct {
        std::string units, section;
        int error;
    } kCases[] = {
        {"USCS", Replace(shaft, "4000.0\n", "0.0\n"), 32},
        {"USCS", Replace(shaft, "60000.0\n", "-60000.0\n"), 32},
        {"USCS", "1\n1\n4\n40.0\n24.0\n12.0\n36000.0\n29000000.0\n", 33},
        {"GENERAL", shaft, 36},
        {"USCS", "1\n1\n4\n40.0\n24.0\n0.0\n36000.0\n29000000.0\n", 37},
    };
    for (const auto& c : kCases) {
        RunDir d;
        EXPECT_EQ(d.run(EI_Only_Input(c.units, c.section, {0.0})), 100 + c.error) << c.section;
        EXPECT_NE(d.report().find("**** Input Data Error No. " + std::to_string(c.error) + " ****\n\nProblem:  Section 1: "),
                  std::string::npos)
            << d.report();
    }
}

// A concrete strength below 56.25 psi, as when f'c is entered in ksi, leaves the
// concrete law without a tensile strain at fracture (its modulus of rupture,
// 7.5 sqrt(f'c) psi, would exceed f'c); a core as wide as the inside of its
// casing leaves no concrete between them.
TEST(SectionRuns, ConcreteWeakerThanItsModulusOfRuptureAndACoreWiderThanTheCasingAreInputErrors) {
    const std::string weak =
        "\n\n**** Input Data Error No. 32 ****\n\n"
        "Problem:  Section 1: the compressive strength of concrete is below 56.25 psi (388 kPa), less than its "
        "modulus of rupture.\n"
        "Solution: Enter the compressive strength of concrete in psi (kPa in SI units).\n";
    // 36 in casing of 1 in wall, a core of 34 in.
    const std::string cored =
        "1\n1\n3\n40.0\n36.0\n1.0\n36000.0\n29000000.0\n34.0\n0.5\n36000.0\n29000000.0\n4000.0\n0.75\n"
        "Use default concrete tensile strength\nUse internal stress-strain curve for concrete\n"
        "Rebar Arrangement Not Same As Section Above\nRebar in circle\n60000.0\n29000000.0\n12\n1\n1.128\n1.0\n3.0\n0.0\n";
    const struct {
        std::string units, section;
        int error;
        std::string block;
    } kCases[] = {
        {"USCS", Replace(kShaft36, "\n4000.0\n", "\n4.0\n"), 32, weak},
        {"USCS", Replace(kShaft36, "\n4000.0\n", "\n56.0\n"), 32, weak},
        {"SI", Replace(kShaft36, "\n4000.0\n", "\n380.0\n"), 32, weak},
        {"USCS", Replace(kShaft36, "\n4000.0\n", "\n60.0\n"), 0, ""},
        {"USCS", cored, 37,
         "\n\n**** Input Data Error No. 37 ****\n\n"
         "Problem:  Section 1: the outside diameter of the core is not less than the inside diameter of the casing.\n"
         "Solution: Enter a core that fits inside the casing.\n"},
        {"USCS", Replace(cored, "\n34.0\n", "\n33.9\n"), 0, ""},
    };
    for (const auto& c : kCases) {
        RunDir d;
        const int rc = d.run(EI_Only_Input(c.units, c.section, {0.0}));
        if (c.error == 0) {
            EXPECT_LE(rc, 0) << d.report();
            continue;
        }
        EXPECT_EQ(rc, 100 + c.error) << d.report();
        Expect_Error_Block(d, c.block);
    }
}

// The bar arrangement checks of a circular section: a bundle of more than three
// bars, and bars that fit the diameter of the shaft but not the inside of its
// casing (36 in casing, 2 in wall, 17 in cover: the bar circle has a radius of
// 0.436 in in the full diameter and none inside the casing).
TEST(SectionRuns, BarArrangementFaultsAreInputErrors) {
    const std::string cased =
        "1\n1\n2\n40.0\n36.0\n2.0\n36000.0\n29000000.0\n4000.0\n0.75\nUse default concrete tensile strength\n"
        "Use internal stress-strain curve for concrete\nRebar Arrangement Not Same As Section Above\n"
        "Rebar in circle\n60000.0\n29000000.0\n12\n1\n1.128\n1.0\n17.0\n0.0\n";
    const struct {
        std::string section;
        int error;
        std::string block;
    } kCases[] = {
        {Replace(kShaft36, "\n12\n1\n1.128", "\n12\n4\n1.128"), 34,
         "\n\n**** Input Data Error No. 34 ****\n\n"
         "Problem:  Section 1: more than 3 bars per bundle (4).\n"
         "Solution: Enter 1, 2 or 3 bars per bundle.\n"},
        {cased, 35,
         "\n\n**** Input Data Error No. 35 ****\n\n"
         "Problem:  Section 1: the bars on a circle do not fit inside the casing with the cover given.\n"
         "Solution: Reduce the cover or the bar diameter, or enlarge the casing.\n"},
    };
    for (const auto& c : kCases) {
        RunDir d;
        EXPECT_EQ(d.run(EI_Only_Input("USCS", c.section, {0.0})), 100 + c.error) << d.report();
        Expect_Error_Block(d, c.block);
    }
}

// A shaft of 1E110 in: the moment of its first point, about f'c D^3, overflows
// to infinity, and the curve stops there instead of reporting it.
TEST(SectionRuns, ANonFiniteMomentCurvaturePointIsRuntimeError45) {
    RunDir d;
    EXPECT_EQ(d.run(EI_Only_Input("USCS", Replace(kShaft36, "\n36.0\n", "\n1.0E110\n"), {0.0})), 245);
    const std::string block =
        "\n\n**** Runtime Error No. 45 ****\n\n"
        "A moment-curvature point is not a finite number.\n"
        "Section no. 1, axial thrust no. 1, point no. 1.\n\n"
        "Check the dimensions and material properties of the section.\n";
    Expect_Error_Block(d, block);
    EXPECT_EQ(Plot_Curves(d.plot()).size(), 0u);
}

TEST(SectionRuns, ATensionBeyondTheTensileCapacityIsRuntimeError25) {
    RunDir d;
    const std::string input = Example("drilled_shaft_36in_cracked_us.dat");
    EXPECT_EQ(d.run(With_Block(input, "LOADING", "END", "1\n1 1 60000.0 0.0 -800000.0 1\n0\n")), 225);
    EXPECT_NE(d.report().find("\n\n**** Runtime Error No. 25 ****\n\n"
                              "PROBLEM:  The axial thrust load for load case no. 1 exceeds the axial structural "
                              "capacity in tension.\n"
                              "          Axial thrust load              =        -800.000 kips\n"
                              "          Nominal axial tensile capacity =        -720.000 kips\n\n"
                              "SOLUTION: Change the properties of the section to increase the axial structural "
                              "capacity.\n"),
              std::string::npos)
        << d.report();
}

// A hollow prestressed pile whose void is as wide as the pile leaves no concrete:
// the twelve strands of 0.153 in2 are taken from a net area of zero.
TEST(SectionRuns, AHollowPrestressedPileWithoutConcreteIsRuntimeError14) {
    const std::string input = Example("square_prestressed_pile_us.dat");
    const std::string hollow = Replace(input, "SECTIONS\n1\n1\n7\n30.0\n18.0\n1.0\n", "SECTIONS\n1\n1\n6\n30.0\n18.0\n18.0\n");
    ASSERT_NE(hollow, input);
    RunDir d;
    EXPECT_EQ(d.run(hollow), 214);
    const std::string block =
        "\n\n**** Runtime Error No. 14 ****\n\n"
        "An error occurred in prestressing computations\n"
        "The computed area of concrete in the section is less than 0.0 =        -1.83600\n";
    Expect_Error_Block(d, block);
    EXPECT_EQ(d.report().find("Computation of Loss of Prestress:"), std::string::npos);
}

// The capacity of a square prestressed pile without thrust lies near the PCI
// estimate 0.37 D As fpu, which assumes about the f'c and prestress of this pile.
TEST(SectionRuns, PrestressedPileCapacityIsNearThePciEstimate) {
    const std::string input = Example("square_prestressed_pile_us.dat");
    const size_t a = input.find("SECTIONS\n") + 9, b = input.find("SOIL LAYERS");
    RunDir d;
    ASSERT_EQ(d.run(EI_Only_Input("USCS", input.substr(a, b - a), {0.0})), 0) << d.report();
    const std::string key = "Nom. Moment Capacity, Mn = 0.37 D As fpu";
    const size_t at = d.report().find(key);
    ASSERT_NE(at, std::string::npos);
    const double pci = std::stod(d.report().substr(d.report().find("= ", at + key.size()) + 2));
    const auto curves = Plot_Curves(d.plot());
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_NEAR(pci, 0.37 * 18.0 * 12 * 0.153 * 270.0, 1e-5 * pci);
    EXPECT_NEAR(curves[0].capacity, pci, 0.25 * pci);
    // With no thrust and no curvature the strands hold the concrete in compression: the
    // first point's neutral axis lies far below the section.
    EXPECT_GT(curves[0].ei[0], 0.0);
}

// Strands in the top row only: their prestress bends the pile against the
// curvature, the first point's moment is negative and the curve ends there. The
// capacity of a curve of one point is that point's moment at its own strain.
TEST(SectionRuns, ACurveOfOnePointHasTheCapacityOfThatPointAndGivesAPileNoStiffness) {
    const std::string top_strands =
        "1\n1\n7\n30.0\n18.0\n0.0\n6000.0\n0.75\nUse default concrete tensile strength\n"
        "Use internal stress-strain curve for concrete\nManually-positioned strands\n1\n4\n231336.0\n0.2\n"
        "1 1 3 -6.0 6.03\n2 1 3 -2.0 6.03\n3 1 3 2.0 6.03\n4 1 3 6.0 6.03\n";
    RunDir d;
    ASSERT_EQ(d.run(EI_Only_Input("USCS", top_strands, {0.0})), 0) << d.report();
    const auto curves = Plot_Curves(d.plot());
    ASSERT_EQ(curves.size(), 1u);
    ASSERT_EQ(curves[0].points, 1);
    EXPECT_LT(curves[0].moment[0], 0.0);
    const tarvex::CurveWork& cv = tarvex::g.sec.cv;
    EXPECT_EQ(cv.Capacity(1), cv.Moment(1));
    EXPECT_EQ(cv.CapacityStrain(1), cv.MaxComp(1));
    EXPECT_LT(cv.MaxComp(1), 0.003);

    // Such a section gives a pile no bending stiffness: the pile response stops on
    // the section instead of reporting a buckling of the pile.
    const std::string pile = Example("square_prestressed_pile_us.dat");
    RunDir response;
    EXPECT_EQ(response.run(With_Block(pile, "SECTIONS", "SOIL LAYERS", top_strands)), 246) << response.report();
    ASSERT_LT(cv.Moment(1), 0.0);
    const std::string block =
        "\n\n**** Runtime Error No. 46 ****\n\n"
        "The bending stiffness of a pile section is not positive.\n"
        "Section no. 1, axial thrust no. 1: the moment at the first curvature is " + tarvex::Real_Text(cv.Moment(1)) +
        " in-kip.\n\n"
        "Check the positions of the bars or strands and the prestressing force of the section.\n";
    Expect_Error_Block(response, block);
}

// A tension thrust on a prestressed pile keeps the strands' own initial strain
// (no cracking load or bar area of another section enters): a finite curve.
TEST(SectionRuns, PrestressedPileUnderTensionHasAFiniteCurve) {
    const std::string input = Example("square_prestressed_pile_us.dat");
    const size_t a = input.find("SECTIONS\n") + 9, b = input.find("SOIL LAYERS");
    RunDir d;
    ASSERT_LE(d.run(EI_Only_Input("USCS", input.substr(a, b - a), {-100000.0, 0.0})), 0) << d.report();
    const auto curves = Plot_Curves(d.plot());
    ASSERT_EQ(curves.size(), 2u);
    EXPECT_GT(curves[0].points, 1);
    EXPECT_GT(curves[0].capacity, 0.0);
    EXPECT_LT(curves[0].capacity, curves[1].capacity);
    EXPECT_EQ(d.report().find("Not-a-Number"), std::string::npos);
}

}  // namespace
}  // namespace tarvex_test
