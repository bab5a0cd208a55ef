// Whole runs through TGO: the example problems from input file to report,
// plot output file and runtime messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/run_dir.h"

namespace tarvex_test {
namespace {

namespace fs = std::filesystem;

std::string Example(const std::string& name) {
    return Read_File(fs::path(TARVEX_SOURCE_DIR) / "examples" / name);
}

// The record name of every plot record ("Line 10", "Line 6", ...), in file order.
std::vector<std::string> Plot_Record_Names(const std::string& plot) {
    std::vector<std::string> names;
    for (const std::string& line : Lines(plot)) {
        size_t at = line.find("Line ");
        size_t end = line.find_first_of(" (:", at + 5);
        names.push_back(at == std::string::npos ? "?" : line.substr(at, end - at));
    }
    return names;
}

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// The positions of the texts in `text` increase, each one found after the previous.
void Expect_In_Order(const std::string& text, const std::vector<std::string>& parts) {
    size_t from = 0;
    for (const std::string& part : parts) {
        size_t at = text.find(part, from);
        ASSERT_NE(at, std::string::npos) << "missing after offset " << from << ": " << part;
        from = at + part.size();
    }
}

// Replaces the first line that starts with `key` by `line`.
std::string With_Line(std::string text, const std::string& key, const std::string& line) {
    size_t at = text.find("\n" + key) + 1;
    size_t end = text.find('\n', at);
    return text.replace(at, end - at, line);
}

TEST(WholeRun, TypicalRunOfAnElasticPileInSoftClay) {
    RunDir d;
    ASSERT_EQ(d.run(Example("soft_clay_free_head_us.dat")), 0);

    // Runtime messages: the reader's lines, the driver's stage lines, one line
    // per iteration, and the end of the run.
    const std::vector<std::string> msg = Lines(d.msg());
    auto at = [&](const std::string& line) { return std::find(msg.begin(), msg.end(), line) - msg.begin(); };
    const long input_done = at("Input of data completed");
    ASSERT_LT(input_done, long(msg.size()));
    for (long k = 0; k < input_done; ++k) EXPECT_EQ(msg[k].rfind("Reading", 0), 0u) << msg[k];
    const long section = at("Computing nonlinear bending stiffness of section 1");
    const long section_done = at("Completed computing nonlinear bending stiffness of section 1");
    const long lateral = at("Computing lateral response of pile for load number 1");
    const long converged = at("The convergence criteria have been met");
    const long completed = at("Completed Analysis 1");
    EXPECT_EQ(msg[input_done + 1], "Output of input data begun");
    EXPECT_EQ(msg[input_done + 2], "Output of input data completed");
    EXPECT_EQ(section, input_done + 3);
    EXPECT_EQ(section_done, section + 1);
    EXPECT_EQ(msg[section_done + 1], "");
    EXPECT_EQ(lateral, section_done + 2);
    EXPECT_GE(converged - lateral - 1, 6);  // iterations 1 to 5 never converge
    for (long k = lateral + 1; k < converged; ++k) EXPECT_EQ(msg[k].rfind("Analysis Case 1,", 0), 0u) << msg[k];
    EXPECT_EQ(completed, converged + 1);
    const std::vector<std::string> tail(msg.begin() + completed, msg.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Completed Analysis 1", "", "", "The analysis ended normally. ", ""}));

    // Plot records in the order of the file's layout: the elastic section's
    // table of one thrust (150 points) comes before the load case.
    std::vector<std::string> expected = {"Line 1", "Line 2", "Line 3", "Line 4"};
    expected.insert(expected.end(), 150, "Line 5");
    expected.insert(expected.end(), {"Line 6", "Line 9"});
    expected.insert(expected.end(), 101, "Line 10");
    expected.insert(expected.end(), {"Line 11", "Line 13"});
    EXPECT_EQ(Plot_Record_Names(d.plot()), expected);
    EXPECT_EQ(expected.size(), 259u);

    // The table of E x I = 29E6 psi x 2549.354 in^4 = 7.3931266E10 lb-in^2 at 50 kips, in kips and inches.
    const std::vector<std::string> plot = Lines(d.plot());
    EXPECT_EQ(plot[2], "    1" + std::string(75, ' ') + "Line 3 : Total number of axial thrusts for elastic section");
    EXPECT_EQ(plot[3], "  150" + std::string(10, ' ') + "  0.5000000E+02  0.1108969E+12" + std::string(35, ' ') +
                           "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) "
                           "for linear EI pile at top of section");
    EXPECT_EQ(plot[4], "  0.7393127E+09  0.7393127E+08  0.1000000E+02" + std::string(35, ' ') +
                           "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, "
                           "CurvPnt#=1");
    EXPECT_EQ(plot[153], "  0.1108969E+12  0.7393127E+08  0.1500000E+04" + std::string(35, ' ') +
                             "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, "
                             "AxLd#=1, CurvPnt#=150");

    // The report blocks in order.
    Expect_In_Order(d.report(), {"   Tarvex for Windows, Version 2012-06.030",
                                 "Files Used for Analysis",
                                 "Date and Time of Analysis",
                                 "Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness",
                                 "Axial thrust force values were determined from pile-head loading conditions",
                                 "Number of Pile Sections Analyzed = 1",
                                 "Pile Section No. 1:\n\nMoment-curvature properties were derived from elastic "
                                 "section properties\n\n\n",
                                 "Computed Values of Pile Loading and Deflection",
                                 "for Lateral Loading for Load Case Number 1",
                                 "Pile-head conditions are Shear and Moment (Loading Type 1)",
                                 "   Depth    Deflect.    Bending    Shear",
                                 "* The above values of total stress are combined axial and bending stress. ",
                                 "Output Verification: Computed forces and moments are within specified convergence limits.",
                                 "Output Summary for Load Case No. 1:",
                                 "Number of iterations             = ",
                                 "Summary of Pile Response(s)",
                                 "Definitions of Pile-head Loading Conditions:",
                                 "  1     1   V =",
                                 "The analysis ended normally. "});
}

TEST(WholeRun, TwoLoadCasesWithoutPYDepthsWriteOneLine6AndOneLine11PerCase) {
    RunDir d;
    ASSERT_EQ(d.run(Example("fixed_head_two_loads_us.dat")), 0);
    // Both cases have no axial thrust: one thrust, one curve.
    std::vector<std::string> expected = {"Line 1", "Line 2", "Line 3", "Line 4"};
    expected.insert(expected.end(), 150, "Line 5");
    expected.insert(expected.end(), {"Line 6", "Line 9"});
    expected.insert(expected.end(), 101, "Line 10");
    expected.push_back("Line 11");
    expected.insert(expected.end(), 101, "Line 10");
    expected.insert(expected.end(), {"Line 11", "Line 13", "Line 13"});
    EXPECT_EQ(Plot_Record_Names(d.plot()), expected);
    EXPECT_EQ(Count(d.plot(), "Line 11: Num. points on Ytop vs. Length curve for load case 1\n"), 1);
    EXPECT_EQ(Count(d.plot(), "Line 11: Num. points on Ytop vs. Length curve for load case 2\n"), 1);
    Expect_In_Order(d.msg(), {"Computing lateral response of pile for load number 1\n", "Completed Analysis 1\n\n",
                              "Computing lateral response of pile for load number 2\n", "Completed Analysis 2\n\n",
                              "The analysis ended normally. \n"});
    Expect_In_Order(d.report(), {"Pile-head conditions are Shear and Pile-head Rotation (Loading Type 2)",
                                 "(Zero slope for this load indicates fixed-head conditions)",
                                 "Output Summary for Load Case No. 1:", "for Lateral Loading for Load Case Number 2",
                                 "Output Summary for Load Case No. 2:", "Summary of Pile Response(s)", "  1     2   V =",
                                 "  2     2   V ="});
}

TEST(WholeRun, PrintingIncrementAndSummaryOnlyChangeTheReportButNotTheNodalRecords) {
    const std::string base = Example("soft_clay_free_head_us.dat");
    const std::string every_tenth = With_Line(base, "PrintIncrement", "PrintIncrement 10");
    const std::string summary_only = With_Line(base, "PrintSummaryOnly", "PrintSummaryOnly YES");
    RunDir a, b, c;
    ASSERT_EQ(a.run(base), 0);
    ASSERT_EQ(b.run(every_tenth), 0);
    ASSERT_EQ(c.run(summary_only), 0);

    auto line10 = [](const RunDir& d) {
        std::vector<std::string> out;
        for (const std::string& line : Lines(d.plot()))
            if (line.find("Line 10(") != std::string::npos) out.push_back(line);
        return out;
    };
    ASSERT_EQ(line10(a).size(), 101u);
    EXPECT_EQ(line10(b), line10(a));
    EXPECT_EQ(line10(c), line10(a));
    EXPECT_EQ(a.plot(), b.plot());
    EXPECT_EQ(a.plot(), c.plot());

    // Table rows start with the depth in 10 characters: nodes 1, 6, ... 101 and 1, 11, ... 101.
    auto rows = [](const RunDir& d) {
        const std::string r = d.report();
        size_t from = r.find("----------\n", r.find("   Depth    Deflect."));
        size_t to = r.find("\n\n", from);
        if (from == std::string::npos || to == std::string::npos) return 0;
        return Count(r.substr(from, to - from), "\n");
    };
    EXPECT_EQ(rows(a), 21);
    EXPECT_EQ(rows(b), 11);

    const std::string r = c.report();
    EXPECT_EQ(Count(r, "Computed Values of Pile Loading and Deflection"), 0);
    EXPECT_EQ(Count(r, "Pile-head conditions are"), 0);
    EXPECT_EQ(Count(r, "   Depth    Deflect."), 0);
    EXPECT_EQ(Count(r, "Output Summary for Load Case"), 0);
    EXPECT_EQ(Count(r, "Output Verification"), 0);
    EXPECT_EQ(Count(r, "Summary of Pile Response(s)"), 1);
}

TEST(WholeRun, SIUnitsGiveTheSIFormsOfTheReportAndPlotLabels) {
    RunDir d;
    ASSERT_EQ(d.run(Example("soft_clay_free_head_si.dat")), 0);
    Expect_In_Order(d.report(),
                    {"Shear force at pile head                               =          67.000 kN\n",
                     "Applied moment at pile head                            =           0.000 kN-m\n",
                     "Axial thrust load on pile head                         =         220.000 kN\n",
                     "   meters    meters      kN-m       kN        radians     kPa*      kN-m^2     kN/m        kN/m      kN/m    \n",
                     "Pile-head deflection             = ", " meters\n", "Maximum bending moment           = ", " kN-m\n",
                     "Depth of maximum shear force     = ", " meters below pile head\n",
                     "Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m \n",
                     " No.   No.    y(meters)      or kN-m/rad.        kN           meters          kN-m            kN           radians   \n"});
    EXPECT_EQ(Count(d.plot(), "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)\n"), 1);
    EXPECT_EQ(Count(d.plot(), "    1  101    2" + std::string(65, ' ') + "Line 9:"), 1);
}

TEST(WholeRun, EveryExampleEndsNormallyAndPassesTheEquilibriumCheck) {
    int examples = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(TARVEX_SOURCE_DIR) / "examples")) {
        if (entry.path().extension() != ".dat") continue;
        ++examples;
        SCOPED_TRACE(entry.path().filename().string());
        RunDir d;
        EXPECT_LE(d.run(Read_File(entry.path())), 0);  // a normal end, with or without warnings
        const std::string r = d.report();
        const int cases = Count(d.plot(), "Line 13:");
        EXPECT_GE(cases, 1);
        EXPECT_EQ(Count(r, "Output Summary for Load Case No. "), cases);
        // A run that asks for the stiffness matrix leaves the verification line out; the warning would still show.
        const bool matrix = Count(r, "Computed Pile-head Stiffness Matrix Values") == 1;
        EXPECT_EQ(Count(r, "Output Verification: Computed forces and moments are within specified convergence limits."),
                  matrix ? 0 : cases);
        EXPECT_EQ(Count(r, "Solution Error"), 0);
        EXPECT_EQ(Count(r, "SOLUTION ERROR"), 0);
        EXPECT_EQ(Count(d.msg(), "The analysis ended normally. "), 1);
        // The section tables come between "Line 2" and "Line 6": the thrust count once, then per
        // thrust a curve heading and its points; the report says where each section's curves come from.
        // A file of an earlier format in a mode without section data has no section tables.
        const std::vector<std::string> names = Plot_Record_Names(d.plot());
        ASSERT_GE(names.size(), 6u);
        const int sections = std::stoi(Lines(d.plot())[1].substr(0, 5));
        // The section stage reports every section; those of elastic properties or user
        // curves say where their curves come from.
        const size_t stage = r.find("Computations of Nominal Moment Capacity and Nonlinear Bending Stiffness");
        const std::string stage_text = stage == std::string::npos ? std::string() : r.substr(stage);
        EXPECT_EQ(Count(stage_text, "\nPile Section No. "), sections);
        EXPECT_LE(Count(stage_text, "Moment-curvature properties were derived from "), sections);
        if (sections == 0) {
            EXPECT_EQ(names[2], "Line 6");
            continue;
        }
        EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 4),
                  (std::vector<std::string>{"Line 1", "Line 2", "Line 3", "Line 4"}));
        const size_t line6 = size_t(std::find(names.begin(), names.end(), "Line 6") - names.begin());
        for (size_t k = 4; k < line6; ++k) EXPECT_TRUE(names[k] == "Line 4" || names[k] == "Line 5") << k;
    }
    EXPECT_GE(examples, 4);
}

}  // namespace
}  // namespace tarvex_test
