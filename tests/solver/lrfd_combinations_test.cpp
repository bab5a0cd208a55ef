// LRFD load combinations: factored loads, the factored thrust list, whole
// runs of combinations and the performance table.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "engine/store.h"
#include "output/report_lines.h"
#include "solver/lrfd_combinations.h"
#include "support/captured.h"
#include "support/plot_records.h"
#include "support/run_dir.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

struct Group {
    int type;
    double shear, moment, axial;
};

struct Combo {
    std::vector<std::pair<int, double>> factors;  // (load type, factor)
};

void Set_Up_LRFD(int units, double batter, const std::vector<Group>& groups, const std::vector<Combo>& combos) {
    Reset_Store();
    ProblemData& pd = g.pd;
    pd.IUNITS = units;
    pd.b_UseLRFD = kTrue;
    pd.rd_BatterAngle = batter;
    pd.i_NumLRFDLoads = int(groups.size());
    for (int k = 1; k <= pd.i_NumLRFDLoads; ++k) {
        const Group& gr = groups[size_t(k - 1)];
        pd.i_LRFDLoadType(k) = gr.type;
        pd.rd_LRFDShear(k) = gr.shear;
        pd.rd_LRFDMoment(k) = gr.moment;
        pd.rd_LRFDAxial(k) = gr.axial;
    }
    pd.i_NumLRFDCombos = int(combos.size());
    for (int j = 1; j <= pd.i_NumLRFDCombos; ++j)
        for (const auto& [t, f] : combos[size_t(j - 1)].factors) pd.rd_LoadFactor(t, j) = f;
    // The thrust list of the reader, which the factored thrusts replace.
    pd.i_NumThrusts = 3;
    for (int t = 1; t <= 3; ++t) pd.rd_ThrustList(t) = 1.0E6 * t;
}

constexpr int DL = 1, LL = 2, W = 5;

TEST(FactoredLoads, TotalsByTypeFactorsBatterAndDistinctThrusts) {
    const double c = std::cos(0.1), s = std::sin(0.1);
    const struct {
        const char* name;
        int units;
        double batter;
        std::vector<Group> groups;
        std::vector<Combo> combos;
        std::vector<double> shear, moment, axial;  // per combination
        std::vector<double> thrusts;               // distinct factored axial loads
        std::vector<int> index;                    // thrust index per combination
        std::vector<double> thrust_list;           // thrust list of the section tables
    } kCases[] = {
        {"two dead load groups add up before factoring", kUnitsSI, 0.0,
         {{DL, 10.0, 100.0, 1000.0}, {DL, 20.0, 200.0, 2000.0}, {LL, 5.0, 50.0, 500.0}},
         {{{{DL, 1.25}, {LL, 1.75}}}},
         {1.25 * 30.0 + 1.75 * 5.0}, {1.25 * 300.0 + 1.75 * 50.0}, {1.25 * 3000.0 + 1.75 * 500.0},
         {1.25 * 3000.0 + 1.75 * 500.0}, {1}, {1.25 * 3000.0 + 1.75 * 500.0}},
        {"a batter of 1.0E-7 rad leaves the forces as they are", kUnitsSI, 1.0E-7,
         {{DL, 100.0, 10.0, 1000.0}}, {{{{DL, 1.0}}}},
         {100.0}, {10.0}, {1000.0}, {1000.0}, {1}, {1000.0}},
        {"a batter of 0.1 rad turns them into shear and axial load", kUnitsSI, 0.1,
         {{DL, 100.0, 10.0, 1000.0}}, {{{{DL, 1.0}}}},
         {c * 100.0 + s * 1000.0}, {10.0}, {-s * 100.0 + c * 1000.0}, {-s * 100.0 + c * 1000.0}, {1},
         {-s * 100.0 + c * 1000.0}},
        {"three combinations of one axial load share one thrust, in kips", kUnitsUS, 0.0,
         {{DL, 1000.0, 0.0, 50000.0}, {W, 4000.0, 20000.0, 0.0}},
         {{{{DL, 1.2}, {W, 1.6}}}, {{{DL, 1.2}}}, {{{DL, 1.2}, {W, 0.5}}}},
         {1.2 * 1000.0 + 1.6 * 4000.0, 1.2 * 1000.0, 1.2 * 1000.0 + 0.5 * 4000.0},
         {1.6 * 20000.0, 0.0, 0.5 * 20000.0}, {60000.0, 60000.0, 60000.0},
         {60000.0}, {1, 1, 1}, {60.0}},
        {"distinct thrusts are sorted, with every combination's index", kUnitsUS, 0.0,
         {{DL, 0.0, 0.0, 100000.0}, {LL, 0.0, 0.0, 50000.0}},
         {{{{DL, 1.25}, {LL, 1.75}}}, {{{DL, 0.9}}}, {{{DL, 1.25}, {LL, 1.75}}}},
         {0.0, 0.0, 0.0}, {0.0, 0.0, 0.0}, {212500.0, 90000.0, 212500.0},
         {90000.0, 212500.0}, {2, 1, 2}, {90.0, 212.5}},
    };
    for (const auto& k : kCases) {
        SCOPED_TRACE(k.name);
        Set_Up_LRFD(k.units, k.batter, k.groups, k.combos);
        Compute_Factored_Loads();
        const LRFDLoads& L = g.lrfd;
        for (int j = 1; j <= int(k.combos.size()); ++j) {
            const size_t x = size_t(j - 1);
            EXPECT_NEAR(Factored_Shear(j), k.shear[x], 1e-9 * std::fabs(k.shear[x]) + 1e-12) << j;
            EXPECT_NEAR(Factored_Moment(j), k.moment[x], 1e-12) << j;
            EXPECT_NEAR(Factored_Axial(j), k.axial[x], 1e-9 * std::fabs(k.axial[x])) << j;
            EXPECT_EQ(L.i_LRFDThrustIndex(j), k.index[x]) << j;
        }
        ASSERT_EQ(L.i_NumLRFDThrusts, int(k.thrusts.size()));
        ASSERT_EQ(g.pd.i_NumThrusts, int(k.thrusts.size()));
        for (int t = 1; t <= L.i_NumLRFDThrusts; ++t) {
            EXPECT_NEAR(L.rd_LRFDThrust(t), k.thrusts[size_t(t - 1)], 1e-9 * k.thrusts[size_t(t - 1)]) << t;
            EXPECT_NEAR(g.pd.rd_ThrustList(t), k.thrust_list[size_t(t - 1)], 1e-9 * k.thrust_list[size_t(t - 1)]);
        }
        EXPECT_EQ(g.pd.rd_ThrustList(L.i_NumLRFDThrusts + 1), 0.0);  // the reader's list is gone
    }
    // The totals by load type keep the count of groups of each type.
    Set_Up_LRFD(kUnitsSI, 0.0, {{DL, 10.0, 0, 0}, {DL, 20.0, 0, 0}, {LL, 5.0, 0, 0}}, {{{{DL, 1.0}}}});
    Compute_Factored_Loads();
    EXPECT_EQ(g.lrfd.i_TypeGroupCount(DL), 2);
    EXPECT_EQ(g.lrfd.i_TypeGroupCount(LL), 1);
    EXPECT_EQ(g.lrfd.rd_TypeTotalShear(DL), 30.0);
    EXPECT_EQ(g.lrfd.i_TypeGroupCount(W), 0);
}

// --- The performance table, from results set in the store ---

std::string Name256(const std::string& name) { return name + std::string(256 - name.size(), ' '); }

TEST(LRFDPerformance, RowsRateTheMagnitudeOfTheLargestMomentAgainstTheFactoredCapacity) {
    Reset_Store();
    ProblemData& pd = g.pd;
    pd.IUNITS = kUnitsUS;
    pd.b_UseLRFD = kTrue;
    pd.i_NumLoads = 2;
    pd.i_NumSections = 2;
    pd.Section(1).i_SectionType = kElasticPlasticPile;
    pd.Section(1).i_ElasShape = kShapeCircular;
    pd.Section(2).i_SectionType = kUserEIPile;
    pd.rd_PhiFlexure(1) = 0.9;
    pd.rd_PhiFlexure(2) = 0.75;
    pd.ComboName(1).set("Strength I");
    pd.ComboName(2).set("Service");
    PileNode& nd = g.nodes;
    nd.i_NumNodes = 3;
    nd.i_NodeSection(1) = nd.i_NodeSection(2) = 1;
    nd.i_NodeSection(3) = 2;
    g.mct.rd_NodeMp(1) = g.mct.rd_NodeMp(2) = 1.0E6;
    g.mct.NominalMoment(2, 1) = 2.0E6;
    g.mct.NominalMoment(2, 2) = 1.0E6;
    g.lrfd.i_LRFDThrustIndex(1) = 1;
    g.lrfd.i_LRFDThrustIndex(2) = 2;
    SolutionState& sol = g.sol;
    // Combination 1: section 1 beyond 0.9 x 1.0E6 at the head node, section 2 exactly at 0.9 x 2.0E6.
    sol.rd_SectionMaxMoment(1, 1) = 950000.0;
    sol.i_SectionMaxMomentNode(1, 1) = 1;
    sol.rd_SectionMaxShear(1, 1) = 12345.0;
    sol.rd_SectionMaxMoment(1, 2) = -1800000.0;
    sol.i_SectionMaxMomentNode(1, 2) = 3;
    sol.rd_SectionMaxShear(1, 2) = -2500.0;
    // Combination 2: no moment in section 1 (its first node stands for it), a negative moment in section 2.
    sol.rd_SectionMaxMoment(2, 2) = -500000.0;
    sol.i_SectionMaxMomentNode(2, 2) = 3;
    sol.rd_SectionMaxShear(2, 2) = 100.0;
    g.rep.rd_CaseTopY(1) = 0.05;
    g.rep.rd_CaseTopSlope(1) = -0.0004;
    g.rep.rd_CaseTopY(2) = 1.5;
    g.rep.rd_CaseTopSlope(2) = 0.002;

    Captured report(g_Out.report);
    Write_LRFD_Performance();
    const std::string dashes(80, '-');
    // Fields: j (3), blank, s (7), 3 blanks, phi (10), 6 blanks, phi Mn (10), 3, Md (10), 3, |Md| / phi Mn
    // (F10.4), 3, verdict (13), Vd (10), 3, head deflection (10), 3, head rotation (10), 3, name (256).
    const std::string expected =
        "\n\n" + dashes + "\n" + std::string(19, ' ') + "LRFD Performance by Load Case Combination\n" + dashes +
        "\n\n\n"
        "Load             Resistance    Factored      Maximum    Fact. Mom.    Pass/Fail     Maximum                 "
        "          \n"
        "Case   Section     Factor       Moment        Moment     Fraction     for LRFD    Shear For.    Pile-Top     "
        "Pile-Top \n"
        " No.     No.     for Moment    Capacity     Developed    Mobilized     Moment      Developed   Deflection    "
        "Rotation \n"
        "                              of Section   in Section   in Section   of Section   in Section    Developed    "
        "Developed   Name of Load Case Combination\n"
        "----   -------   ----------   ----------   ----------   ----------   ----------   ----------   ----------   "
        "----------   -----------------------------------------\n"
        "  1       1        0.900         900000.      950000.       1.0556    > FAIL <        12345.      0.05000"
        "    -0.40E-03   " + Name256("Strength I") + "\n"
        "  1       2        0.900        1800000.    -1800000.       1.0000    > FAIL <     -2500.000      0.05000"
        "    -0.40E-03   " + Name256("Strength I") + "\n"
        "  2       1        0.750         750000.         0.00       0.0000   " "   Pass      " "      0.00" "        1.500"
        "      0.00200   " + Name256("Service") + "\n"
        "  2       2        0.750         750000.     -500000.       0.6667   " "   Pass      " "   100.000" "        1.500"
        "      0.00200   " + Name256("Service") + "\n"
        "\n1 LRFD load combinations have failed.\n";
    EXPECT_EQ(report.text(), expected);
    EXPECT_EQ(g.err.i_WarningTally(400), 2);  // one warning per failing row
}

TEST(LRFDPerformance, AnElasticSectionHasNoCapacityAndNeverFails) {
    Reset_Store();
    ProblemData& pd = g.pd;
    pd.i_NumLoads = 1;
    pd.i_NumSections = 1;
    pd.Section(1).i_SectionType = kElasticPile;
    pd.rd_PhiFlexure(1) = 0.9;
    g.sol.rd_SectionMaxMoment(1, 1) = 1.0E9;
    Captured report(g_Out.report);
    Write_LRFD_Performance();
    const std::string text = report.text();
    EXPECT_NE(text.find("  1       1        0.900       Infinite      0.10E+10       N/A          N/A            0.00"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\n\nAll LRFD load combinations have passed for all pile sections.\n"), std::string::npos);
    EXPECT_EQ(g.err.i_WarningTally(400), 0);
}

// --- Whole runs of LRFD combinations on an elastic subgrade ---

constexpr double kE = 3600000.0;  // psi
constexpr double kI = 82447.96;   // in^4
constexpr double kB = 36.0;       // in
constexpr double kEs = 50.0;      // lb/in^3: k = Es b = 1800 lb/in^2

// A 100 ft shaft of 36 in on an elastic subgrade, analysed for LRFD combinations.
std::string LRFD_Problem(const std::string& section, const std::string& groups, const std::string& combos) {
    return "TARVEX6\nTITLE\nShaft on an elastic subgrade\nLRFD combinations\n\n\n\nOPTIONS\nUnits USCS\nUseLRFD YES\n"
           "ComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly NO\n"
           "Loading STATIC     0\nMaxIterations 100\nMaxDeflection 100.0\nTolerance 1.0E-6\nIncrements 400\n"
           "PrintSummaryOnly YES\nPrintIncrement 10\nPrintPYCurves NO\nComputeInteraction NO\n"
           "SECTIONS\n1\n1\n" + section +
           "SOIL LAYERS\n1\n13 0.0 110.0\n62.4 50.0\n62.4 50.0\n"
           "LOADING\n0\n0\nLRFD LOADS\n" + groups + "LRFD FACTORS AND CASES\n" + combos + "END\n";
}

const std::string kElasticShaft = "11\n100.0\n2\n3600000.0\n36.0\n36.0\n1017.876\n1017.876\n82447.96\n82447.96\n";

TEST(LRFDRuns, EachCombinationOfAnElasticPileFollowsHetenyi) {
    // Dead load: 4000 lb and 1.0E6 in-lb; wind: 3000 lb. Strength: 1.25 DL + 1.0 W; extreme: 0.9 DL + 1.6 W.
    const std::string groups = "2\n1 1 4000.0 1000000.0 0.0 0\n2 5 3000.0 0.0 0.0 0\n";
    const std::string combos = "2\n1 1.25 0 0 0 1.0 0 0 0 0 0 0 0 0 0.9 0.9\nStrength I\n"
                               "2 0.9 0 0 0 1.6 0 0 0 0 0 0 0 0 0.9 0.9\nExtreme wind\n";
    RunDir d;
    ASSERT_EQ(d.run(LRFD_Problem(kElasticShaft, groups, combos)), 0) << d.report();
    const auto rec = Nodal_Records(d.plot());
    ASSERT_EQ(rec.size(), 2u * 401);
    const double k = kEs * kB, EI = kE * kI;
    const double beta = std::pow(k / (4 * EI), 0.25);
    const double H[2] = {1.25 * 4000.0 + 3000.0, 0.9 * 4000.0 + 1.6 * 3000.0};
    const double M[2] = {1.25 * 1.0E6, 0.9 * 1.0E6};
    for (int c = 0; c < 2; ++c) {
        SCOPED_TRACE(c + 1);
        // Hetenyi, semi-infinite beam with head shear H and moment M: y0 = 2 beta (H + beta M) / k and
        // M(x) = e^(-bx) (H / beta sin bx + M (cos bx + sin bx)).
        const double y0 = 2 * beta * (H[c] + beta * M[c]) / k;
        double mmax = 0;
        for (int i = 0; i <= 20000; ++i) {
            const double bx = i * 1.0E-3;
            mmax = std::max(mmax, std::exp(-bx) * (H[c] / beta * std::sin(bx) + M[c] * (std::cos(bx) + std::sin(bx))));
        }
        const auto* first = &rec[size_t(c) * 401];
        EXPECT_NEAR(first[0][1], y0, 0.01 * y0);
        double largest = 0;
        for (int i = 0; i < 401; ++i) largest = std::max(largest, std::fabs(first[i][2]));
        EXPECT_NEAR(largest, mmax, 0.01 * mmax);
    }
    const std::string report = d.report();
    EXPECT_NE(report.find("Summary of Pile Response(s)"), std::string::npos);
    EXPECT_NE(report.find("Infinite "), std::string::npos);
    EXPECT_NE(report.find("\nAll LRFD load combinations have passed for all pile sections.\n"), std::string::npos);
    EXPECT_EQ(d.plot().find("Line 11: Num. points on Ytop vs. Length curve for LRFD load case 2\n") == std::string::npos,
              false);
}

// An elastic-plastic shaft of Mp = 1.0E6 in-lb under pure head moments: 0.9 Mp rates the largest moment.
TEST(LRFDRuns, AnElasticPlasticShaftFailsBeyondTheFactoredCapacityWhateverTheSignOfTheMoment) {
    const std::string section =
        "12\n100.0\n2\n3600000.0\n1000000.0\n1000000.0\n36.0\n36.0\n1017.876\n1017.876\n82447.96\n82447.96\n";
    const std::string groups = "2\n1 1 0.0 500000.0 0.0 0\n2 5 0.0 -500000.0 0.0 0\n";
    const std::string combos = "3\n1 1.0 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nBelow\n"
                               "2 1.9 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nAbove\n"
                               "3 0 0 0 0 1.9 0 0 0 0 0 0 0 0 0.9 0.9\nNegative above\n";
    RunDir d;
    ASSERT_EQ(d.run(LRFD_Problem(section, groups, combos)), -400) << d.report();
    const std::string report = d.report();
    const size_t table = report.find("LRFD Performance by Load Case Combination");
    ASSERT_NE(table, std::string::npos);
    std::vector<std::string> rows;
    for (const std::string& line : Lines(report.substr(table)))
        if (line.size() > 256 && line.compare(0, 2, "  ") == 0 && std::isdigit(line[2])) rows.push_back(line);
    ASSERT_EQ(rows.size(), 3u) << report.substr(table);
    // The head moment is the largest; the capacity is 0.9 x the plastic moment at the head node.
    const char* verdict[3] = {"   Pass      ", " > FAIL <    ", " > FAIL <    "};
    const char* moment[3] = {"   500000.", "   950000.", "  -950000."};
    const char* fraction[3] = {"    0.5556", "    1.0556", "    1.0556"};
    for (int j = 0; j < 3; ++j) {
        SCOPED_TRACE(j + 1);
        EXPECT_EQ(rows[size_t(j)].substr(0, 40), "  " + std::to_string(j + 1) + "       1        0.900         900000.");
        EXPECT_EQ(rows[size_t(j)].substr(40, 3 + 10), "   " + std::string(moment[j]));
        EXPECT_EQ(rows[size_t(j)].substr(53, 3 + 10 + 3 + 13), "   " + std::string(fraction[j]) + "   " + verdict[j]);
    }
    // The largest shear of each row is that of the converged solution (the summary's "Line 13"), not a
    // larger one of the first iterations, which start from stiffer soil springs.
    std::vector<double> vmax;
    for (const std::string& line : Lines(d.plot()))
        if (line.find("Line 13:") != std::string::npos) {
            std::istringstream in(line);
            double v[4];
            for (double& x : v) in >> x;
            vmax.push_back(v[3]);
        }
    ASSERT_EQ(vmax.size(), 3u);
    for (int j = 0; j < 3; ++j) {
        const double vd = std::stod(rows[size_t(j)].substr(82, 10));
        EXPECT_NEAR(std::fabs(vd), std::fabs(vmax[size_t(j)]), 1e-4 * std::fabs(vmax[size_t(j)])) << j + 1;
        EXPECT_GT(std::fabs(vd), 1000.0) << j + 1;
    }
    EXPECT_NE(report.find("\n\n2 LRFD load combinations have failed.\n"), std::string::npos);
    EXPECT_NE(report.find("**** Warning - Failure for One or More LRFD Load Cases ****"), std::string::npos);
}

TEST(LRFDRuns, TheDrilledShaftExampleFailsInOneOfItsFourCombinations) {
    RunDir d;
    const std::string input = Read_File(std::filesystem::path(TARVEX_SOURCE_DIR) / "examples" / "lrfd_drilled_shaft_us.dat");
    ASSERT_EQ(d.run(input), -400);
    const std::string report = d.report();
    EXPECT_NE(report.find("Axial thrust force values were determined from LRFD load combinations"), std::string::npos);
    // Four distinct factored axial loads (kips): 1.25 x 300 + 1.75 x 150, 1.25 x 300, 1.25 x 300 + 1.35 x 150, 450.
    EXPECT_NE(d.plot().find("    4" + std::string(75, ' ') +
                            "Line 3 : Total number of axial thrusts for elastic-plastic section\n"),
              std::string::npos);
    for (const char* thrust : {"  0.3750000E+03", "  0.4500000E+03", "  0.5775000E+03", "  0.6375000E+03"})
        EXPECT_NE(d.plot().find("  150" + std::string(10, ' ') + thrust + "  0.6900000E+04"), std::string::npos)
            << thrust;
    const size_t table = report.find("LRFD Performance by Load Case Combination");
    ASSERT_NE(table, std::string::npos);
    const std::string rows = report.substr(table);
    for (const char* row : {"  1       1        0.900        6210000.", "  2       1        0.900        6210000.",
                            "  3       1        0.900        6210000.", "  4       1        1.000        6900000."})
        EXPECT_NE(rows.find(row), std::string::npos) << row;
    EXPECT_NE(rows.find(" > FAIL <        68500. "), std::string::npos);
    int pass = 0;
    for (size_t at = rows.find("   Pass      "); at != std::string::npos; at = rows.find("   Pass      ", at + 1)) ++pass;
    EXPECT_EQ(pass, 3);
    EXPECT_NE(rows.find("\n\n1 LRFD load combinations have failed.\n"), std::string::npos);
}

TEST(LRFDRuns, AFactoredDistributedLoadActsAsTheSameLoadOfAnOrdinaryCase) {
    // Dead load: 5000 lb at the head and 10 lb/in over the top 600 in, factored by 1.5.
    const std::string groups = "1\n1 1 5000.0 0.0 0.0 2\n1 0.0 10.0\n2 600.0 10.0\n";
    const std::string combos = "1\n1 1.5 0 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nStrength IV\n";
    std::string ordinary = LRFD_Problem(kElasticShaft, "", "");
    ordinary.replace(ordinary.find("UseLRFD YES"), 11, "UseLRFD NO");
    ordinary.replace(ordinary.find("LOADING\n"), std::string::npos,
                     "LOADING\n1\n1 1 7500.0 0.0 0.0 1\n2\n1 0.0 15.0\n2 600.0 15.0\nEND\n");
    RunDir a, b;
    ASSERT_EQ(a.run(LRFD_Problem(kElasticShaft, groups, combos)), 0) << a.report();
    ASSERT_EQ(b.run(ordinary), 0) << b.report();
    const auto ra = Nodal_Records(a.plot()), rb = Nodal_Records(b.plot());
    ASSERT_EQ(ra.size(), 401u);
    ASSERT_EQ(rb.size(), 401u);
    for (size_t i = 0; i < ra.size(); ++i)
        for (size_t v = 1; v <= 3; ++v) EXPECT_NEAR(ra[i][v], rb[i][v], 1e-9 * std::fabs(rb[i][v]) + 1e-12) << i;
    EXPECT_GT(ra[0][1], 0.0);
    // The load-type block of the distributed loads comes with the combination, after the section tables.
    const std::string report = a.report();
    const size_t block = report.find("Distributed Lateral Loads for LRFD:");
    ASSERT_NE(block, std::string::npos);
    EXPECT_EQ(report.find("Distributed Lateral Loads for LRFD:", block + 1), std::string::npos);
    EXPECT_LT(report.find("Moment-curvature properties were derived from elastic section properties"), block);
}

}  // namespace
}  // namespace tarvex_test
