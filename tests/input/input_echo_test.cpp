// Input echo: the whole problem in the report, compared exactly with the text
// the report conventions give for every example and for a problem that uses
// every section type, every soil model, multipliers, soil movements, tip shear
// and p-y output depths; the normalisations of the echo; the soil layer notes
// and warnings.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/store.h"
#include "input/input_checks.h"
#include "support/captured.h"
#include "support/run_dir.h"

namespace tarvex_test {
namespace {

namespace fs = std::filesystem;
using namespace tarvex;

const std::string kDashes(80, '-');

std::string Source(const std::string& path) { return Read_File(fs::path(TARVEX_SOURCE_DIR) / path); }

// The echo of a report: from the empty line before the "Problem Title" frame
// to the last line before the two empty lines of the section stage heading.
std::string Echo_Of(const std::string& report) {
    const size_t from = report.find("\n\n" + kDashes + "\n" + std::string(32, ' ') + "Problem Title\n");
    const size_t to = report.find("\n\n\n" + kDashes + "\n    Computations of Nominal Moment Capacity");
    if (from == std::string::npos || to == std::string::npos) return "(no echo)\n" + report;
    return report.substr(from + 1, to - from);
}

std::string Sub(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(InputEcho, EveryExampleAndTheFixtureOfEveryModelAreEchoedExactly) {
    const struct {
        std::string input;
        std::string expected;
        int status;  // the fixture's concrete sections in generic units stop the section stage
    } kCases[] = {
        {"examples/soft_clay_free_head_us.dat", "soft_clay_free_head_us", 0},
        {"examples/soft_clay_free_head_si.dat", "soft_clay_free_head_si", 0},
        {"examples/drilled_shaft_api_sand.dat", "drilled_shaft_api_sand", 0},
        {"examples/elastic_subgrade.dat", "elastic_subgrade", 0},
        {"examples/fixed_head_two_loads_us.dat", "fixed_head_two_loads_us", 0},
        {"examples/stiff_clay_cyclic.dat", "stiff_clay_cyclic", 0},
        {"examples/two_clay_layers_distributed_load_us.dat", "two_clay_layers_distributed_load_us", 0},
        {"tests/input/fixtures/echo_every_model.dat", "echo_every_model", 136},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.input);
        RunDir d;
        const int rc = d.run(Source(c.input));
        if (c.status == 0) EXPECT_LE(rc, 0);
        else EXPECT_EQ(rc, c.status);
        EXPECT_EQ(Echo_Of(d.report()), Source("tests/input/expected/" + c.expected + ".echo.txt"));
        EXPECT_NE(d.msg().find("Input of data completed\nOutput of input data begun\n"), std::string::npos);
        EXPECT_NE(d.msg().find("Output of input data completed\n"), std::string::npos);
    }
}

// The moment-capacity mode echoes the title, the units and its one option, the
// pile and its sections, and checks the pile widths: a micropile adds no width.
TEST(InputEcho, MomentCapacityModeEchoesOnlyThePile) {
    std::string input = Sub(Source("examples/soft_clay_free_head_us.dat"), "ComputeEIOnly NO", "ComputeEIOnly YES");
    input = Sub(input, "SECTIONS\n1\n", "SECTIONS\n2\n");
    input = Sub(input, "SOIL LAYERS", "2\n14\n10.0\nSOIL LAYERS");
    RunDir d;
    EXPECT_EQ(d.run(input), 127);
    const std::string r = d.report();
    const std::string expected =
        "Basic Program Options:\n\n"
        "This analysis computes nominal moment capacity and nonlinear bending stiffness only.\n\n\n\n" +
        kDashes + "\n                    Pile Structural Properties and Geometry\n";
    EXPECT_NE(r.find(expected), std::string::npos) << r;
    EXPECT_NE(r.find("Pile Section No. 2:\n\n"
                     "   Section Type                                        = Micropile\n"
                     "   Section Length                                      =     10.00000000 ft\n"
                     "   Section Width                                       =       0.0000000 in \n\n\n\n"
                     "**** Input Data Error No. 27 ****\n"),
              std::string::npos)
        << r;
    EXPECT_EQ(r.find("Computation Options:"), std::string::npos);
    EXPECT_EQ(r.find("Ground Slope and Pile Batter Angles"), std::string::npos);
}

// The LRFD input starts with the unfactored groups and their distributed loads;
// the blocks after them print the factored loads of the combinations.
TEST(InputEcho, LRFDGroupsAndTheirDistributedLoads) {
    std::string input = Sub(Source("examples/soft_clay_free_head_us.dat"), "UseLRFD NO", "UseLRFD YES");
    input = Sub(input, "LOADING\n1\n1 1 15000.0 0.0 50000.0 1\n0\n",
                "LRFD LOADS\n2\n1 1 15000.0 1000.0 50000.0 0\n2 5 2000.0 0.0 0.0 2\n1 0.0 10.0\n2 10.0 20.0\n"
                "LRFD FACTORS AND CASES\n1\n1 1.25 0 0 0 1.4 0 0 0 0 0 0 0 0 0.9 0.9\nStrength III\n");
    RunDir d;
    const int rc = d.run(input);
    const std::string r = d.report();
    const std::string groups =
        "Static loading criteria were used when computing p-y curves for all analyses.\n\n\n\n" +
        std::string(79, '-') + "\n                  Unfactored Loading Groups for LRFD Analysis\n" + std::string(79, '-') +
        "\n\nNumber of Loading Groups = 2\n\n"
        "      Load                    Load                Horiz. Force               Moment                Axial Force"
        "           Number of \n"
        "      Group                   Type                     lbs                  inch-lbs                   lbs     "
        "        Distrib. Lds. \n"
        "-----------------      ------------------      ------------------      ------------------      ------------------"
        "      -------------\n"
        "        1               Dead Load   (DL)                15000.00                 1000.00                50000.00"
        "             0\n"
        "        2               Wind Load    (W)                 2000.00                    0.00                    0.00"
        "             2\n\n\n"
        "Number of Distributed Loading Points Input for Load Group 2 = 2\n\n"
        "Point           Depth          Distributed Load\n"
        "                  ft               lb/inch   \n"
        "-----     ----------------     ----------------\n"
        "   1                 0.00                10.00\n"
        "   2                10.00                20.00\n";
    EXPECT_NE(r.find(groups), std::string::npos) << r;
    if (rc == 243) {  // the factored loads come from the LRFD stage when it is present
        EXPECT_NE(r.find(groups + "\n\n**** Runtime Error No. 43 ****"), std::string::npos);
    } else {
        EXPECT_NE(r.find(groups + "\n\nTotals of Unfactored Loads by Load Type for LRFD Analyses:\n"), std::string::npos);
    }
}

// The whole LRFD echo of the drilled-shaft example, from the unfactored groups
// to the sorted factored thrusts; with a batter of 0.1 rad the factored loads
// are also shown turned into the pile's transverse shear and axial load.
TEST(InputEcho, LRFDEchoOfTheDrilledShaftUnbatteredAndBattered) {
    const std::string example = Source("examples/lrfd_drilled_shaft_us.dat");
    const struct {
        std::string input;
        std::string expected;
    } kCases[] = {
        {example, "lrfd_drilled_shaft_us"},
        {Sub(example, "\nEND", "\nPILE BATTER AND SLOPE\n0.0\n5.729577951308232\nEND"), "lrfd_battered_us"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.expected);
        RunDir d;
        d.run(c.input);
        const std::string echo = Echo_Of(d.report());
        const size_t from = echo.find("\n\n\n\n" + std::string(79, '-') + "\n                  Unfactored Loading");
        ASSERT_NE(from, std::string::npos) << echo;
        EXPECT_EQ(echo.substr(from + 1), Source("tests/input/expected/" + c.expected + ".lrfd.txt"));
        EXPECT_NE(d.msg().find("Output of input data completed\n"), std::string::npos);
    }
}

// Store-level runs of the echo with the report and the runtime messages captured.
class EchoStore : public ::testing::Test {
protected:
    struct Output {
        std::string report, msg;
    };
    // A US customary pile of 60 ft in one soft clay layer to 70 ft.
    void SetUp() override {
        Reset_Store();
        ProblemData& pd = g.pd;
        pd.IUNITS = kUnitsUS;
        pd.ICOM = 3;
        pd.i_NumIncrements = 100;
        pd.i_MaxIterations = 100;
        pd.rd_ConvergenceTol = 1.0E-5;
        pd.i_NumSections = 1;
        pd.Section(1).i_SectionType = kElasticPile;
        pd.Section(1).i_ElasShape = kShapeCircular;
        pd.Section(1).rd_SectionLength = 60.0;
        pd.rd_PileLength = 60.0;
        pd.i_NumPilePoints = 2;
        pd.rd_PilePointX(2) = 60.0;
        pd.rd_PilePointDiam(1) = pd.rd_PilePointDiam(2) = 24.0;
        Set_Layers(1, 70.0);
        pd.i_NumLoads = 1;
        pd.i_LoadType(1) = 1;
        Set_Unit_Labels(kUnitsUS);
    }
    // n soft clay layers of equal thickness down to `bottom`, unit weight 50 pcf.
    void Set_Layers(int n, double bottom) {
        ProblemData& pd = g.pd;
        pd.i_Number_of_Layers = n;
        pd.i_NumProfilePoints = pd.i_NumGammaPts = 2 * n;
        for (int b = 1; b <= n; ++b) {
            pd.i_SoilLayer_py_Type(b) = kSoftClay;
            pd.XLayerTop(b) = bottom * (b - 1) / n;
            pd.XLayerBottom(b) = bottom * b / n;
            for (int j : {2 * b - 1, 2 * b}) {
                pd.rd_ProfileGamma(j) = 50.0;
                pd.rd_ProfileEps50(j) = 0.01;
                pd.rd_GammaDepth(j) = pd.rd_ProfileDepth(j) = j % 2 ? pd.XLayerTop(b) : pd.XLayerBottom(b);
            }
        }
    }
    Output Echo() {
        Output out;
        Captured report(g_Out.report), msg(g_Out.msg);
        try {
            Echo_And_Check_Input();
        } catch (const EngineStop&) {
        }
        out.report = report.text();
        out.msg = msg.text();
        return out;
    }
};

TEST_F(EchoStore, ANegativeToleranceIsReplacedWithItsLineAndZeroIsKept) {
    const struct {
        int units;
        double tol, replaced;
        const char* line;
    } kCases[] = {
        {kUnitsUS, -1.0, 9.999999974752427E-7, "(Specified convergence tolerance of 0 reset by program to 0.1000E-05 inches)\n\n"},
        {kUnitsSI, -1.0, 2.5400000325248584E-8, "(Specified convergence tolerance of 0 reset by program to 0.2540E-07 meters)\n\n"},
        {kUnitsGeneric, -1.0E-3, 2.5400000325248584E-8, "(Specified convergence tolerance of 0 reset by program to 0.2540E-07 meters)\n\n"},
        {kUnitsGeneric, 0.0, 0.0, nullptr},
    };
    for (const auto& c : kCases) {
        SetUp();
        g.pd.IUNITS = c.units;
        g.pd.rd_ConvergenceTol = c.tol;
        Set_Unit_Labels(c.units);
        const Output out = Echo();
        EXPECT_EQ(g.pd.rd_ConvergenceTol, c.replaced);
        const size_t at = out.report.find("- Maximum allowable deflection");
        const size_t end = out.report.find("Pile Response Output Options:");
        ASSERT_NE(at, std::string::npos);
        const std::string between = out.report.substr(out.report.find('\n', at) + 1, end - out.report.find('\n', at) - 1);
        EXPECT_EQ(between, c.line ? std::string("\n") + c.line : std::string("\n"));
        if (c.tol < 0)
            EXPECT_NE(out.report.find("- Deflection tolerance for convergence                 =  " +
                                      std::string(c.tol == -1.0 ? "-0.1000E+01" : "-0.1000E-02")),
                      std::string::npos);
    }
}

// Depths between the ground surface and the tip are kept in their order, the
// ground surface and the tip included; any positive request counts as one.
TEST_F(EchoStore, PYOutputDepthsWithinTheSoilAlongThePileAreKept) {
    ProblemData& pd = g.pd;
    pd.XGround = pd.XLayerTop(1) = pd.rd_GammaDepth(1) = 2.0;
    pd.i_PrintPYCurves = 3;
    pd.i_NumPYOutDepths = 3;
    pd.rd_PYOutDepth(1) = 60.0;
    pd.rd_PYOutDepth(2) = 2.0;
    pd.rd_PYOutDepth(3) = 10.0;
    const Output out = Echo();
    EXPECT_EQ(pd.i_PrintPYCurves, 1);
    ASSERT_EQ(pd.i_NumPYOutDepths, 3);
    EXPECT_EQ(pd.rd_PYOutDepth(1), 60.0);
    EXPECT_EQ(pd.rd_PYOutDepth(2), 2.0);
    EXPECT_EQ(pd.rd_PYOutDepth(3), 10.0);
    EXPECT_NE(out.report.find("Lateral load-transfer (p-y) curves are computed and output at 3 depths.\n"
                              "(Note that these curves are independent from the curves used at nodal point depths)\n\n\n"
                              "Depth      Depth Below Pile Head      Depth Below Ground Surface\n"
                              " No.                 ft                         ft\n"
                              "-----      ---------------------      --------------------------\n"
                              "  1                60.000                     58.000\n"
                              "  2                 2.000                      0.000\n"
                              "  3                10.000                      8.000\n\n"
                              "Depth of ground surface below top of pile =       2.00 ft\n\n"),
              std::string::npos)
        << out.report;
    EXPECT_NE(out.msg.find("Output of input data completed"), std::string::npos);
}

// Forty layers: every top becomes the bottom of the layer above, the first the
// ground surface, and nothing is written beyond the last layer.
TEST_F(EchoStore, LayerTopsAreMadeContiguousForFortyLayers) {
    ProblemData& pd = g.pd;
    Set_Layers(kMaxLayers, 80.0);
    for (int b = 2; b <= kMaxLayers; ++b) pd.XLayerTop(b) = pd.XLayerBottom(b - 1) + 0.5;  // gaps are closed
    const Output out = Echo();
    EXPECT_EQ(g.err.i_ErrorState, 0) << out.report;
    EXPECT_EQ(pd.XLayerTop(1), pd.XGround);
    for (int b = 2; b <= kMaxLayers; ++b) EXPECT_EQ(pd.XLayerTop(b), pd.XLayerBottom(b - 1)) << b;
    EXPECT_NE(out.report.find("The soil profile is modelled using 40 layers\n"), std::string::npos);
}

// Without soil layers the profile ends at depth 0: the echo shows it and input
// error 18 follows with its normal block; no unit weight is checked.
TEST_F(EchoStore, APileResponseWithoutSoilLayersIsInputError18) {
    ProblemData& pd = g.pd;
    pd.i_Number_of_Layers = pd.i_NumProfilePoints = pd.i_NumGammaPts = 0;
    const Output out = Echo();
    EXPECT_EQ(g.err.i_ErrorState, 118);
    EXPECT_NE(out.report.find("The soil profile is modelled using 0 layers\n\n"
                              "   (Depth of lowest soil layer extends  -60.00 ft below pile tip)\n\n\n\n"),
              std::string::npos)
        << out.report;
    EXPECT_EQ(out.report.find("Possible Input Data Error"), std::string::npos);
    EXPECT_NE(out.report.find("**** Input Data Error No. 18 ****\n\n"
                              "Problem: The depth at the bottom of the lowermost soil layer is   0.0000E+00\n"),
              std::string::npos);
}

// The first effective unit weight must sit at the ground surface (errors 19, 20).
TEST_F(EchoStore, TheFirstUnitWeightPointBelowOrAboveTheGroundIsInputError19Or20) {
    for (double first : {5.0, -1.0}) {
        SetUp();
        g.pd.rd_GammaDepth(1) = first;
        const Output out = Echo();
        const int n = first > 0 ? 19 : 20;
        EXPECT_EQ(g.err.i_ErrorState, 100 + n);
        const std::string block =
            n == 19 ? "**** Input Data Error No. 19 ****\n\nThe depth of the first point of the data for effective unit\n"
                      "is located at       5.0000 below the top of the pile.\n"
                      "The ground surface is located at       0.0000.\n"
                      "The first point for the effective unit weight should be located\n"
                      "at the same elevation as the ground surface.\n"
                    : "**** Input Data Error No. 20 ****\n\n"
                      "Problem:  The first depth of the soil profile is located at      -1.0000\n"
                      "          below the top of the pile.\n"
                      "          The ground surface is elevation is       0.0000.\n"
                      "Solution: Correct the input data so that the first depth of \n"
                      "          the soil profile data is be located at the same elevation as the ground surface.\n";
        EXPECT_NE(out.report.find("for all pile batter angles.\n" + block), std::string::npos) << out.report;
        EXPECT_NE(out.msg.find(block), std::string::npos);
    }
}

// The notes on internal defaults, by the values at the top of the layer.
TEST_F(EchoStore, NotesOnInternalDefaultsOfEpsilon50AndSubgradeK) {
    ProblemData& pd = g.pd;
    const std::string eps_note = "   NOTE: Internal default values for Epsilon-50 will be computed for\n"
                                 "         the above soil layer.\n\n";
    const std::string k_note = "   NOTE: Internal default values for subgrade k will be computed for\n"
                               "         the above soil layer.\n\n";
    pd.rd_ProfileEps50(1) = 0.0;
    EXPECT_NE(Echo().report.find("   Epsilon-50 at bottom of layer                       =      0.01000\n" + eps_note),
              std::string::npos);
    SetUp();
    pd.rd_ProfileEps50(2) = 0.0;
    EXPECT_EQ(Echo().report.find("NOTE:"), std::string::npos);
    SetUp();
    pd.i_SoilLayer_py_Type(1) = kSand;
    pd.rd_LayerKBottom(1) = 60.0;
    EXPECT_EQ(Echo().report.find("NOTE:"), std::string::npos);
    SetUp();
    pd.i_SoilLayer_py_Type(1) = kSand;
    const Output out = Echo();
    EXPECT_NE(out.report.find("   Subgrade k at bottom of layer                       =       0.0000 pci  \n" + k_note),
              std::string::npos)
        << out.report;
    EXPECT_NE(out.report.find("  default "), std::string::npos);
}

TEST_F(EchoStore, UnitWeightWarningsAtTheirLimits) {
    const std::string us = "\n**** Warning - Possible Input Data Error ****\n\n"
                           "Values entered for effective unit weights of soil were outside\n"
                           "the limits of 0.011574 pci (20 pcf) or 0.0810019 pci (140 pcf)\n"
                           "This data may be erroneous.  Please check your data.\n\n";
    for (double gamma : {20.0, 140.0, 20.5, 139.5}) {
        SetUp();
        g.pd.rd_ProfileGamma(2) = gamma;
        const Output out = Echo();
        const bool warned = gamma == 20.0 || gamma == 140.0;
        EXPECT_EQ(out.report.find("below pile tip)\n\n" + us) != std::string::npos, warned) << gamma;
        EXPECT_EQ(out.msg.find(us) != std::string::npos, warned) << gamma;
    }
    const std::string si_head = "\n**** Warning - Possible Input Data Error ****\n\n"
                                "Values entered for effective unit weights of soil were outside\n"
                                "the limits of 3.15 kN/m3 or 22 kN/m3.\n";
    for (double gamma : {22.0, 3.15, 10.0}) {
        SetUp();
        g.pd.IUNITS = kUnitsSI;
        Set_Unit_Labels(kUnitsSI);
        for (int j = 1; j <= 2; ++j) g.pd.rd_ProfileGamma(j) = j == 1 ? 10.0 : gamma;
        const Output out = Echo();
        const bool warned = gamma != 10.0;
        EXPECT_EQ(out.report.find(si_head + "The input data for effective unit weight may be erroneous. Please check "
                                            "your data.\n\n") != std::string::npos,
                  warned)
            << gamma;
        EXPECT_EQ(out.msg.find(si_head + "The input data may be erroneous. Please check your data.\n\n") !=
                      std::string::npos,
                  warned)
            << gamma;
    }
    SetUp();
    g.pd.i_NumGammaPts = 0;  // no points: nothing to check
    EXPECT_EQ(Echo().report.find("Possible Input Data Error"), std::string::npos);
}

TEST_F(EchoStore, DeepLiquefiedSandIsWarnedOncePerLayer) {
    for (double bottom : {6.0, 6.01}) {
        SetUp();
        ProblemData& pd = g.pd;
        pd.IUNITS = kUnitsSI;
        Set_Unit_Labels(kUnitsSI);
        pd.rd_PileLength = pd.rd_PilePointX(2) = 5.0;
        Set_Layers(1, bottom);
        pd.i_SoilLayer_py_Type(1) = kLiqSand;
        for (int j = 1; j <= 2; ++j) pd.rd_ProfileGamma(j) = 10.0;
        const Output out = Echo();
        const bool warned = bottom > 6.0;
        EXPECT_EQ(out.report.find("   Warning : The depth of this layer is deeper than the recommended depth \n"
                                  "             limit for using the p-y criteria for liquefied sand.\n\n"
                                  "   Please consult the Tarvex Technical Manual for additional background \n"
                                  "   information regarding limitations on the use of the liquefied sand \n"
                                  "   criteria.\n\n") != std::string::npos,
                  warned)
            << out.report;
        EXPECT_EQ(g.err.i_WarningTally(354), warned ? 1 : 0);
    }
}

TEST_F(EchoStore, RockTypesOfMassiveRockAndTheConeResistanceOfLoess) {
    ProblemData& pd = g.pd;
    const struct {
        int code;
        const char* line;
    } kRocks[] = {
        {35, " The rock type is (igneous) granite, Hoek-Brown Material Constant mi = 32\n"},
        {43, " The rock type is (unclassified) User-defined Hoek-Brown Material Constant mi = 4\n"},
        {71, " The rock type is (unclassified) User-defined Hoek-Brown Material Constant mi = 32\n"},
        {72, nullptr},
    };
    for (const auto& c : kRocks) {
        SetUp();
        pd.i_SoilLayer_py_Type(1) = kMassRock;
        pd.i_ProfileRockType(1) = c.code;
        const Output out = Echo();
        if (c.line)
            EXPECT_NE(out.report.find(std::string("   Effective unit weight at bottom of layer            =     50.00000 pcf  \n") + c.line + "\n"),
                      std::string::npos)
                << out.report;
        else
            EXPECT_EQ(out.report.find("The rock type is"), std::string::npos);
    }
    SetUp();
    pd.i_SoilLayer_py_Type(1) = kKSLoess;
    pd.rd_ProfileQc(1) = 200.0;
    pd.rd_ProfileQc(2) = 210.0;
    const Output out = Echo();
    EXPECT_NE(out.report.find("   Cone tip resistance at top of layer                 =    200.00000 psi \n"
                              "   Cone tip resistance at bottom of layer              =    210.00000 psi \n"),
              std::string::npos);
    EXPECT_NE(out.report.find("    CPT         200.000   "), std::string::npos);
    EXPECT_NE(out.report.find("    CPT         210.000   "), std::string::npos);
}

}  // namespace
}  // namespace tarvex_test
