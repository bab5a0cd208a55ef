// Analysis driver: stages, modes, the section stage lines, the unit conversion
// and the stages this engine does not have.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/driver.h"
#include "engine/store.h"
#include "support/run_dir.h"

namespace tarvex_test {
namespace {

namespace fs = std::filesystem;
using namespace tarvex;

std::string Example(const std::string& name) {
    return Read_File(fs::path(TARVEX_SOURCE_DIR) / "examples" / name);
}

std::string With_Line(std::string text, const std::string& key, const std::string& line) {
    size_t at = text.find("\n" + key) + 1;
    size_t end = text.find('\n', at);
    return text.replace(at, end - at, line);
}

// Replaces the text between two marker lines (both kept).
std::string With_Block(std::string text, const std::string& from, const std::string& to, const std::string& block) {
    size_t a = text.find("\n" + from + "\n") + from.size() + 2;
    size_t b = text.find("\n" + to + "\n", a) + 1;
    return text.replace(a, b - a, block);
}

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// Three elastic sections of 20 ft each, the pipe of the examples.
const char* kThreeSections =
    "3\n"
    "1\n11\n20.0\n3\n29000000.0\n24.0\n24.0\n0.5\n0.5\n36.91371\n36.91371\n2549.354\n2549.354\n"
    "2\n11\n20.0\n3\n29000000.0\n24.0\n24.0\n0.5\n0.5\n36.91371\n36.91371\n2549.354\n2549.354\n"
    "3\n11\n20.0\n3\n29000000.0\n24.0\n24.0\n0.5\n0.5\n36.91371\n36.91371\n2549.354\n2549.354\n";

std::string kElastic(const std::string& s) {
    return "Pile Section No. " + s + ":\n\nMoment-curvature properties were derived from elastic section properties\n\n\n";
}

TEST(Driver, PileResponseModeAnnouncesTheSectionStageOnceAndCompletesEverySection) {
    RunDir d;
    ASSERT_EQ(d.run(With_Block(Example("soft_clay_free_head_us.dat"), "SECTIONS", "SOIL LAYERS", kThreeSections)), 0);
    const std::string msg = d.msg();
    EXPECT_EQ(Count(msg, "Computing nonlinear bending stiffness of section "), 1);
    EXPECT_EQ(Count(msg, "Computing nonlinear bending stiffness of section 1\n"), 1);
    for (int s = 1; s <= 3; ++s)
        EXPECT_EQ(Count(msg, "Completed computing nonlinear bending stiffness of section " + std::to_string(s) + "\n\n"), 1);
    const std::string dashes(80, '-');
    EXPECT_EQ(Count(d.report(), "\n\n\n" + dashes + "\n    Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness\n" +
                                    dashes + "\n\nAxial thrust force values were determined from pile-head loading conditions\n\n"
                                    "Number of Pile Sections Analyzed = 3\n\n" + kElastic("1") + kElastic("2") +
                                    kElastic("3")),
              1);
    EXPECT_EQ(Count(d.plot(), "    3" + std::string(75, ' ') + "Line 2 : Total number of sections\n"), 1);
    // One thrust count, for section 1; one curve of 150 points per section.
    EXPECT_EQ(Count(d.plot(), "Line 3 : Total number of axial thrusts for elastic section\n"), 1);
    EXPECT_EQ(Count(d.plot(), "Line 4 : "), 3);
    EXPECT_EQ(Count(d.plot(), "Line 5 : "), 450);
    EXPECT_EQ(Count(d.plot(), "for Sect#=3, AxLd#=1, CurvPnt#=150\n"), 1);
}

// Under a given head deflection and moment a case that does not converge is
// still reported; the run then ends on runtime error 10 before the next case.
TEST(Driver, ANonConvergedCaseUnderHeadType4IsReportedBeforeTheRunEnds) {
    std::string input = With_Line(Example("soft_clay_free_head_us.dat"), "MaxIterations", "MaxIterations 30");
    input = With_Line(input, "Tolerance", "Tolerance 1.0E-20");
    input = With_Block(input, "LOADING", "END", "2\n1 4 0.5 0.0 0.0 1\n2 4 1.0 0.0 0.0 1\n0\n");
    RunDir d;
    EXPECT_EQ(d.run(input), 210);
    const std::string report = d.report();
    const size_t error = report.find("  ****  Runtime Error No. 10  ****  ");
    const size_t summary = report.find("Output Summary for Load Case No. 1:");
    const size_t end = report.find("The analysis ended due to runtime error No. 10.");
    ASSERT_NE(error, std::string::npos);
    EXPECT_LT(error, summary);
    EXPECT_LT(summary, end);
    EXPECT_NE(end, std::string::npos);
    EXPECT_EQ(Count(d.msg(), "Computing lateral response of pile for load number 2"), 0);
    EXPECT_EQ(Count(d.plot(), "Line 10("), 101);
    EXPECT_EQ(Count(d.plot(), "Line 11"), 0);
}

TEST(Driver, MomentCapacityModeWritesNoLoadCaseLines) {
    RunDir d;
    EXPECT_EQ(d.run(With_Line(Example("soft_clay_free_head_us.dat"), "ComputeEIOnly", "ComputeEIOnly YES")), 0);
    EXPECT_EQ(Count(d.msg(), "Computing lateral response"), 0);
    EXPECT_EQ(Count(d.msg(), "Completed computing nonlinear bending stiffness of section 1\n"), 1);
    EXPECT_EQ(Count(d.report(), "Summary of Pile Response(s)"), 0);
    EXPECT_EQ(Count(d.report(), "Moment-curvature properties were derived from elastic section properties\n"), 1);
    EXPECT_EQ(Count(d.plot(), "Line 2 : Total number of sections"), 1);
    EXPECT_EQ(Count(d.plot(), "Line 5 : "), 150);
    EXPECT_EQ(Count(d.plot(), "Line 6"), 0);
    EXPECT_EQ(Count(d.plot(), "Line 9"), 0);
}

class ConvertInputUnits : public ::testing::Test {
protected:
    void SetUp() override {
        Reset_Store();
        ProblemData& pd = g.pd;
        pd.IUNITS = kUnitsUS;
        pd.i_NumSections = 1;
        pd.Section(1).rd_SectionLength = 50.0;
        pd.rd_PileLength = 50.0;
        pd.i_NumPilePoints = 2;
        pd.rd_PilePointX(2) = 50.0;
        pd.i_Number_of_Layers = 2;
        pd.i_SoilLayer_py_Type(1) = kSoftClay;
        pd.i_SoilLayer_py_Type(2) = kWeakRock;
        pd.XLayerTop(1) = 2.0;
        pd.XLayerBottom(1) = 10.0;
        pd.XLayerTop(2) = 10.0;
        pd.XLayerBottom(2) = 60.0;
        pd.XGround = 2.0;
        pd.i_NumProfilePoints = pd.i_NumGammaPts = 4;
        const double depth[4] = {2.0, 10.0, 10.0, 60.0};
        for (int j = 1; j <= 4; ++j) {
            pd.rd_ProfileDepth(j) = pd.rd_GammaDepth(j) = depth[j - 1];
            pd.rd_ProfileGamma(j) = 1728.0;
            pd.rd_ProfileStrength(j) = 1440.0;
        }
        pd.i_NumPYOutDepths = 1;
        pd.rd_PYOutDepth(1) = 5.0;
        pd.i_NumDistLoadPts = 2;
        pd.rd_DistLoadDepth(2) = 24.0;
    }
};

TEST_F(ConvertInputUnits, USCustomaryInputIsConvertedOnceOnly) {
    Convert_Input_Units();
    Convert_Input_Units();
    const ProblemData& pd = g.pd;
    EXPECT_EQ(pd.Section(1).rd_SectionLength, 600.0);
    EXPECT_EQ(pd.rd_PileLength, 600.0);
    EXPECT_EQ(pd.rd_PilePointX(2), 600.0);
    EXPECT_EQ(pd.XLayerTop(1), 24.0);
    EXPECT_EQ(pd.XLayerBottom(2), 720.0);
    EXPECT_EQ(pd.XGround, 24.0);
    EXPECT_EQ(pd.rd_ProfileDepth(4), 720.0);
    EXPECT_EQ(pd.rd_GammaDepth(3), 120.0);
    EXPECT_EQ(pd.rd_PYOutDepth(1), 60.0);
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(pd.rd_ProfileGamma(j), 1.0);
    EXPECT_EQ(pd.rd_ProfileStrength(1), 10.0);   // soft clay: psf to psi
    EXPECT_EQ(pd.rd_ProfileStrength(2), 10.0);
    EXPECT_EQ(pd.rd_ProfileStrength(3), 1440.0); // weak rock: qu stays in psi
    EXPECT_EQ(pd.rd_ProfileStrength(4), 1440.0);
    EXPECT_EQ(pd.rd_DistLoadDepth(2), 24.0);     // distributed-load depths are given in inches
    EXPECT_TRUE(on(g.drv.b_InputUnitsConverted));
}

TEST_F(ConvertInputUnits, SIAndGenericInputIsLeftAsGiven) {
    for (int units : {kUnitsSI, kUnitsGeneric}) {
        SetUp();
        g.pd.IUNITS = units;
        Convert_Input_Units();
        EXPECT_EQ(g.pd.rd_PileLength, 50.0);
        EXPECT_EQ(g.pd.rd_ProfileGamma(1), 1728.0);
        EXPECT_EQ(g.pd.rd_ProfileStrength(1), 1440.0);
    }
}

}  // namespace
}  // namespace tarvex_test
