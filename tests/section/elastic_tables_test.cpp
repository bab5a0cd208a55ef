// Bending stiffness tables of elastic, elastic-plastic and user-defined
// sections: the table values, their plot records and report lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/store.h"
#include "output/plot_file.h"
#include "section/elastic_tables.h"
#include "support/captured.h"
#include "support/run_dir.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

std::string Blanks(int n) { return std::string(size_t(n), ' '); }

// One section of the given type and a thrust list, without nodes.
PileSection& Set_Up_Section(int type, int units, std::initializer_list<double> thrusts) {
    Reset_Store();
    ProblemData& pd = g.pd;
    pd.IUNITS = units;
    pd.ICOM = 3;
    pd.i_NumSections = 1;
    pd.i_NumThrusts = int(thrusts.size());
    int t = 0;
    for (double T : thrusts) pd.rd_ThrustList(++t) = T;
    PileSection& sec = pd.Section(1);
    sec.i_SectionType = type;
    return sec;
}

TEST(ElasticTable, ConstantStiffnessAtCurvaturesOf10To1500InKipsAndInches) {
    PileSection& sec = Set_Up_Section(kElasticPile, kUnitsUS, {50.0});
    sec.rd_ElasModulus = 4.0E6;
    sec.rd_ElasInertiaTop = 1000.0;  // E I = 4.0E9 lb-in^2
    sec.rd_ElasInertiaBottom = 2000.0;
    Captured plot(g_Out.plot), report(g_Out.report);
    Build_Elastic_EI_Table(1);
    const MomentCurvatureTable& mc = g.mct;
    ASSERT_EQ(mc.NumPts(1, 1), 150);
    for (int p = 1; p <= 150; ++p) {
        EXPECT_EQ(mc.EI(1, 1, p), 4.0E6) << p;
        EXPECT_EQ(mc.Curv(1, 1, p), 10.0 * p) << p;
        EXPECT_DOUBLE_EQ(mc.Moment(1, 1, p), 4.0E7 * p) << p;
    }
    EXPECT_DOUBLE_EQ(mc.NominalMoment(1, 1), 6.0E12);  // held in lb-in
    EXPECT_EQ(report.text(), "Moment-curvature properties were derived from elastic section properties\n\n\n");
    const std::string text = plot.text();
    const std::string expected_start =
        "    1" + Blanks(75) + "Line 3 : Total number of axial thrusts for elastic section\n" + "  150" + Blanks(10) +
        "  0.5000000E+02  0.6000000E+10" + Blanks(35) +
        "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile "
        "at top of section\n" +
        "  0.4000000E+08  0.4000000E+07  0.1000000E+02" + Blanks(35) +
        "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1\n" +
        "  0.8000000E+08  0.4000000E+07  0.2000000E+02" + Blanks(35) +
        "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2\n";
    EXPECT_EQ(text.substr(0, expected_start.size()), expected_start);
    EXPECT_EQ(Lines(text).size(), 152u);
}

TEST(ElasticTable, SIUnitsKeepKilonewtonMetresAndWriteOneCurvePerThrust) {
    PileSection& sec = Set_Up_Section(kElasticPile, kUnitsSI, {-100.0, 300.0});
    sec.rd_ElasModulus = 2.0E7;
    sec.rd_ElasInertiaTop = 0.01;  // E I = 2.0E5 kN-m^2
    Captured plot(g_Out.plot);
    Build_Elastic_EI_Table(1);
    EXPECT_EQ(g.mct.EI(1, 2, 7), 2.0E5);
    EXPECT_EQ(g.mct.Moment(1, 2, 150), 3.0E8);
    EXPECT_EQ(g.mct.NominalMoment(1, 2), 3.0E8);
    const std::vector<std::string> lines = Lines(plot.text());
    ASSERT_EQ(lines.size(), 303u);
    EXPECT_EQ(lines[0], "    2" + Blanks(75) + "Line 3 : Total number of axial thrusts for elastic section");
    EXPECT_EQ(lines[152], "  150" + Blanks(10) + "  0.3000000E+03  0.3000000E+09" + Blanks(35) +
                              "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment Cap. (kN-m) "
                              "for linear EI pile at top of section");
    EXPECT_EQ(lines[1].substr(0, 30), "  150" + Blanks(10) + " -0.1000000E+03");
    EXPECT_EQ(lines[302], "  0.3000000E+09  0.2000000E+06  0.1500000E+04" + Blanks(35) +
                              "Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, "
                              "CurvPnt#=150");
}

TEST(ElasticTable, OnlyTheFirstSectionWritesTheThrustCount) {
    PileSection& sec = Set_Up_Section(kElasticPile, kUnitsUS, {0.0});
    sec.rd_ElasModulus = 1.0;
    sec.rd_ElasInertiaTop = 1.0;
    g.pd.i_NumSections = 2;
    g.pd.Section(2) = sec;
    Captured plot(g_Out.plot);
    Build_Elastic_EI_Table(2);
    const std::string text = plot.text();
    EXPECT_EQ(text.find("Line 3"), std::string::npos);
    EXPECT_NE(text.find("for Sect#=2, AxLd#=1, CurvPnt#=150\n"), std::string::npos);
    EXPECT_EQ(g.mct.NumPts(1, 1), 0);  // section 1 untouched
}


// --- Elastic-plastic sections ---

PileSection& Set_Up_Elastic_Plastic(int units, double ei0, double mp0) {
    PileSection& sec = Set_Up_Section(kElasticPlasticPile, units, {10.0});
    sec.rd_ElasModulus = ei0;
    sec.rd_ElasInertiaTop = sec.rd_ElasInertiaBottom = 1.0;
    sec.rd_PlasticMomentTop = sec.rd_PlasticMomentBottom = mp0;
    return sec;
}

TEST(ElasticPlasticTable, HundredElasticPointsThenThePlasticPlateau) {
    Set_Up_Elastic_Plastic(kUnitsSI, 2.0E6, 1000.0);
    Captured plot(g_Out.plot), report(g_Out.report);
    Build_Elastic_Plastic_EI_Table(1);
    const MomentCurvatureTable& mc = g.mct;
    const double u = 5.0E-6;  // Mp / EI / 100
    ASSERT_EQ(mc.NumPts(1, 1), 150);
    // Curvatures accumulated by repeated addition: 2u per pair of points, then 20u per point.
    double c = 0.0;
    for (int p = 1; p <= 150; ++p) {
        double expected;
        if (p <= 100) {
            expected = p % 2 ? c + u : (c += 2.0 * u);
            EXPECT_EQ(mc.EI(1, 1, p), 2.0E6) << p;
            EXPECT_EQ(mc.Moment(1, 1, p), 2.0E6 * expected) << p;
        } else {
            expected = (c += 20.0 * u);
            EXPECT_EQ(mc.Moment(1, 1, p), 1000.0) << p;
            EXPECT_EQ(mc.EI(1, 1, p), 1000.0 / expected) << p;
        }
        EXPECT_EQ(mc.Curv(1, 1, p), expected) << p;
        EXPECT_NEAR(expected, p <= 100 ? p * u : (100 + 20 * (p - 100)) * u, 1e-15) << p;
    }
    EXPECT_NEAR(mc.Curv(1, 1, 100), 5.0E-4, 1e-16);
    EXPECT_NEAR(mc.Moment(1, 1, 100), 1000.0, 1e-9);
    EXPECT_NEAR(mc.Curv(1, 1, 101), 6.0E-4, 1e-16);
    EXPECT_NEAR(mc.EI(1, 1, 101), 1.6666667E6, 1.0);
    EXPECT_NEAR(mc.Curv(1, 1, 150), 5.5E-3, 1e-15);
    EXPECT_NEAR(mc.EI(1, 1, 150), 1.8181818E5, 0.1);
    EXPECT_EQ(mc.NominalMoment(1, 1), 1000.0);
    EXPECT_EQ(report.text(), "Moment-curvature properties were derived from elastic-plastic section properties\n\n\n");
    const std::vector<std::string> lines = Lines(plot.text());
    ASSERT_EQ(lines.size(), 152u);
    EXPECT_EQ(lines[0], "    1" + Blanks(75) + "Line 3 : Total number of axial thrusts for elastic-plastic section");
    EXPECT_EQ(lines[1], "  150" + Blanks(10) + "  0.1000000E+02  0.1000000E+04" + Blanks(35) +
                            "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m) for "
                            "elastic-plastic EI at top of section");
    EXPECT_EQ(lines[151], "  0.1000000E+04  0.1818182E+06  0.5500000E-02" + Blanks(35) +
                              "Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, "
                              "CurvPnt#=150");
}

TEST(ElasticPlasticTable, USTablesHoldKipsAndTheCapacityPounds) {
    Set_Up_Elastic_Plastic(kUnitsUS, 4.0E10, 8.0E6);  // lb-in^2 and lb-in
    Captured plot(g_Out.plot);
    Build_Elastic_Plastic_EI_Table(1);
    const MomentCurvatureTable& mc = g.mct;
    EXPECT_EQ(mc.EI(1, 1, 1), 4.0E7);
    EXPECT_EQ(mc.Moment(1, 1, 150), 8.0E3);
    EXPECT_EQ(mc.NominalMoment(1, 1), 8.0E6);
    const std::vector<std::string> lines = Lines(plot.text());
    EXPECT_EQ(lines[1], "  150" + Blanks(10) + "  0.1000000E+02  0.8000000E+04" + Blanks(35) +
                            "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kip) for "
                            "elastic-plastic EI at top of section");
    EXPECT_EQ(lines[151].substr(45), Blanks(35) + "Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) "
                                                  "for Sect#=1, AxLd#=1, CurvPnt#=150");
    EXPECT_EQ(lines[151].substr(0, 15), "  0.8000000E+04");
}

// Two elastic-plastic sections of 100 in each on 21 nodes 10 in apart.
void Set_Up_Two_Plastic_Sections(int increments) {
    Reset_Store();
    ProblemData& pd = g.pd;
    pd.i_NumSections = 2;
    const double mp[2][2] = {{1000.0, 2000.0}, {5000.0, 5000.0}};
    for (int s = 1; s <= 2; ++s) {
        PileSection& sec = pd.Section(s);
        sec.i_SectionType = kElasticPlasticPile;
        sec.rd_SectionTopX = 100.0 * (s - 1);
        sec.rd_SectionBottomX = 100.0 * s;
        sec.rd_SectionLength = 100.0;
        sec.rd_PlasticMomentTop = mp[s - 1][0];
        sec.rd_PlasticMomentBottom = mp[s - 1][1];
    }
    PileNode& nd = g.nodes;
    nd.i_NumNodes = increments + 1;
    for (int i = 1; i <= nd.i_NumNodes; ++i) nd.xa(i) = 200.0 * (i - 1) / increments;
}

TEST(ElasticPlasticTable, NodalPlasticMomentsVaryAlongEachSectionAndFollowTheNodes) {
    Set_Up_Two_Plastic_Sections(20);
    Set_Nodal_Plastic_Moments();
    const MomentCurvatureTable& mc = g.mct;
    EXPECT_EQ(mc.rd_NodeMp(1), 1000.0);   // the head takes the top of section 1
    EXPECT_EQ(mc.rd_NodeMp(2), 1100.0);   // 10 in below the head
    EXPECT_EQ(mc.rd_NodeMp(11), 2000.0);  // the bottom of section 1 belongs to it
    EXPECT_EQ(mc.rd_NodeMp(12), 5000.0);
    EXPECT_EQ(mc.rd_NodeMp(21), 5000.0);
    // Nodes placed again, 5 in apart: the capacities follow the new positions.
    Set_Up_Two_Plastic_Sections(40);
    g.mct.rd_NodeMp(41) = 0.0;
    Set_Nodal_Plastic_Moments();
    EXPECT_EQ(mc.rd_NodeMp(2), 1050.0);
    EXPECT_EQ(mc.rd_NodeMp(21), 2000.0);
    EXPECT_EQ(mc.rd_NodeMp(41), 5000.0);
    // The builder of section 2 sets the head node from section 1 too.
    Set_Up_Two_Plastic_Sections(20);
    g.pd.Section(2).rd_ElasModulus = 1.0E6;
    g.pd.Section(2).rd_ElasInertiaTop = g.pd.Section(2).rd_ElasInertiaBottom = 1.0;
    Captured plot(g_Out.plot), report(g_Out.report);
    Build_Elastic_Plastic_EI_Table(2);
    EXPECT_EQ(mc.rd_NodeMp(1), 1000.0);
    EXPECT_EQ(mc.rd_NodeMp(2), 0.0);
    EXPECT_EQ(mc.rd_NodeMp(15), 5000.0);
}

// --- User-defined moment-EI curves ---

// Curve t of section 1: m points with moments first, first + step, ... and stiffnesses falling from 1000 by 10.
void Set_User_Curve(int t, int m, double first, double step) {
    PileSection& sec = g.pd.Section(1);
    sec.i_NumUserEIPts(t) = m;
    for (int j = 1; j <= m; ++j) {
        sec.rd_UserEIMoment(t, j) = first + step * (j - 1);
        sec.rd_UserEIStiffness(t, j) = 1000.0 - 10.0 * (j - 1);
    }
}

PileSection& Set_Up_User_Section(int units, int curves) {
    std::initializer_list<double> thrusts[] = {{0.0}, {0.0, 50.0}};
    PileSection& sec = Set_Up_Section(kUserEIPile, units, thrusts[curves - 1]);
    sec.i_NumUserEIThrusts = curves;
    return sec;
}

TEST(UserTable, CurvesAreRefinedToAtMost150PointsBetweenTheGivenOnes) {
    const struct {
        int m;
        double first;
        int points;
    } kCases[] = {
        {10, 5.0, 141},  // (0, K1) added: q = 10, k = 14
        {10, 0.0, 136},  // q = 9, k = 15
        {75, 5.0, 76},   // q = 75, k = 1: no intermediate points
        {76, 5.0, 76},   // k = 0: stored as given, without the added point
        {2, 0.0, 149},   // q = 1, k = 148
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.m);
        Set_Up_User_Section(kUnitsSI, 1);
        Set_User_Curve(1, c.m, c.first, 10.0);
        Captured plot(g_Out.plot), report(g_Out.report);
        Build_User_EI_Table(1);
        const MomentCurvatureTable& mc = g.mct;
        ASSERT_EQ(mc.NumPts(1, 1), c.points);
        const PileSection& sec = g.pd.Section(1);
        const int m = c.m, np = c.points;
        EXPECT_EQ(mc.Moment(1, 1, np), sec.rd_UserEIMoment(1, m));
        EXPECT_EQ(mc.EI(1, 1, np), sec.rd_UserEIStiffness(1, m));
        EXPECT_EQ(mc.NominalMoment(1, 1), sec.rd_UserEIMoment(1, m));
        EXPECT_EQ(mc.Moment(1, 1, 1), m >= 76 ? c.first : 0.0);
        EXPECT_EQ(mc.EI(1, 1, 1), 1000.0);
        for (int p = 1; p <= np; ++p) {
            EXPECT_EQ(mc.Curv(1, 1, p), mc.Moment(1, 1, p) / mc.EI(1, 1, p)) << p;
            if (p > 1) EXPECT_GT(mc.Moment(1, 1, p), mc.Moment(1, 1, p - 1)) << p;
        }
        EXPECT_EQ(report.text(), "Moment-Curvature properties for Section 1 derived from input values for nonlinear "
                                 "M-EI properties\n\n\n");
        EXPECT_EQ(Lines(plot.text()).size(), size_t(2 + np));
    }
}

TEST(UserTable, IntermediatePointsStepEvenlyBetweenTheGivenPoints) {
    Set_Up_User_Section(kUnitsSI, 1);
    Set_User_Curve(1, 10, 5.0, 10.0);  // work points 0, 5, 15, ..., 95; stiffness 1000, 1000, 990, ...
    Captured plot(g_Out.plot), report(g_Out.report);
    Build_User_EI_Table(1);
    const MomentCurvatureTable& mc = g.mct;
    // Interval 1 (0 to 5, 14 steps) ends at point 15; interval 2 runs from point 15 to 29.
    EXPECT_NEAR(mc.Moment(1, 1, 8), 7.0 * 5.0 / 14.0, 1e-12);
    EXPECT_EQ(mc.EI(1, 1, 8), 1000.0);
    EXPECT_EQ(mc.Moment(1, 1, 15), 5.0);
    EXPECT_NEAR(mc.Moment(1, 1, 22), 5.0 + 7.0 * 10.0 / 14.0, 1e-12);
    EXPECT_NEAR(mc.EI(1, 1, 22), 1000.0 - 7.0 * 10.0 / 14.0, 1e-12);
    EXPECT_EQ(mc.Moment(1, 1, 29), 15.0);
}

TEST(UserTable, USPlotRecordsCarryPoundsAndTheTableKips) {
    PileSection& sec = Set_Up_User_Section(kUnitsUS, 2);
    Set_User_Curve(1, 76, 1.0E5, 1.0E5);
    Set_User_Curve(2, 76, 2.0E5, 1.0E5);
    for (int j = 1; j <= 76; ++j) sec.rd_UserEIStiffness(2, j) = 2.0E9;
    Captured plot(g_Out.plot), report(g_Out.report);
    Build_User_EI_Table(1);
    const MomentCurvatureTable& mc = g.mct;
    EXPECT_EQ(mc.Moment(1, 2, 1), 200.0);
    EXPECT_EQ(mc.EI(1, 2, 1), 2.0E6);
    EXPECT_EQ(mc.Curv(1, 2, 1), 1.0E-4);
    EXPECT_EQ(mc.NominalMoment(1, 2), 7.7E6);  // lb-in, not converted
    const std::vector<std::string> lines = Lines(plot.text());
    ASSERT_EQ(lines.size(), 1u + 2u * 77u);
    EXPECT_EQ(lines[0], "    2" + Blanks(75) + "Line 3 : Total number of axial thrusts for input M-EI section");
    EXPECT_EQ(lines[78], "   76" + Blanks(10) + "  0.5000000E+02  0.7700000E+07" + Blanks(35) +
                             "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for "
                             "input M-EI pile");
    EXPECT_EQ(lines[79], "  0.2000000E+06  0.2000000E+10  0.1000000E-03" + Blanks(35) +
                             "Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=1");
    EXPECT_EQ(report.text(),
              "Moment-Curvature properties for Section 1 derived from input values for nonlinear M-EI properties\n\n\n"
              "Moment-Curvature properties for Section 1 derived from input values for nonlinear M-EI properties\n\n\n");
}

// --- Input errors of these sections ---

struct ErrorCase {
    const char* name;
    void (*set_up)();
    void (*build)(int);
    int state;
    std::vector<std::string> body;
};

void Expect_Input_Error(const ErrorCase& c) {
    SCOPED_TRACE(c.name);
    c.set_up();
    Captured report(g_Out.report), msg(g_Out.msg), plot(g_Out.plot);
    EXPECT_THROW(c.build(1), EngineStop);
    EXPECT_EQ(g.err.i_ErrorState, c.state);
    std::string block = "\n\n**** Input Data Error No. " + std::to_string(c.state - 100) + " ****\n\n";
    for (const std::string& line : c.body) block += line + "\n";
    EXPECT_EQ(msg.text(), block);
    EXPECT_EQ(report.text().substr(0, block.size()), block);
    EXPECT_EQ(plot.text(), "");  // nothing of the table was written
}

TEST(SectionInputErrors, UnusableElasticPlasticAndUserSectionsStopWithTheirBlocks) {
    const std::string user_solution1 = "Solution: Enter moments that start at zero or more and increase, with";
    const std::string user_solution2 = "          positive stiffnesses EI whose curvatures M / EI increase.";
    const ErrorCase kCases[] = {
        {"plastic moment 0",
         [] { Set_Up_Elastic_Plastic(kUnitsSI, 2.0E6, 1000.0).rd_PlasticMomentBottom = 0.0; },
         Build_Elastic_Plastic_EI_Table, 140,
         {"Problem:  The elastic-plastic pile section 1 has a bending stiffness or a plastic",
          "          moment capacity of zero or less:",
          "          E x I at top    =       2000000.,  at bottom =       2000000.",
          "          Mp at top       =  1000.00000000,  at bottom =      0.0000000",
          "Solution: Enter a positive elastic modulus, moments of inertia and plastic moment capacities."}},
        {"stiffness 0",
         [] { Set_Up_Elastic_Plastic(kUnitsSI, 0.0, 1000.0); },
         Build_Elastic_Plastic_EI_Table, 140,
         {"Problem:  The elastic-plastic pile section 1 has a bending stiffness or a plastic",
          "          moment capacity of zero or less:",
          "          E x I at top    =      0.0000000,  at bottom =      0.0000000",
          "          Mp at top       =  1000.00000000,  at bottom =  1000.00000000",
          "Solution: Enter a positive elastic modulus, moments of inertia and plastic moment capacities."}},
        {"one point",
         [] {
             Set_Up_User_Section(kUnitsSI, 1);
             Set_User_Curve(1, 1, 0.0, 1.0);
         },
         Build_User_EI_Table, 141,
         {"Problem:  The moment-EI curve 1 of pile section 1 has 1 points.",
          "Solution: Enter at least 2 points (and at most 150) for every curve."}},
        {"stiffness 0 at point 3",
         [] {
             Set_Up_User_Section(kUnitsSI, 2);
             Set_User_Curve(1, 5, 0.0, 1.0);
             Set_User_Curve(2, 5, 0.0, 1.0);
             g.pd.Section(1).rd_UserEIStiffness(2, 3) = 0.0;
         },
         Build_User_EI_Table, 142,
         {"Problem:  Point 3 of the moment-EI curve 2 of pile section 1 cannot be used:",
          "          its bending stiffness EI is zero or less.", user_solution1, user_solution2}},
        {"moments falling",
         [] {
             Set_Up_User_Section(kUnitsSI, 1);
             Set_User_Curve(1, 5, 50.0, -1.0);
         },
         Build_User_EI_Table, 142,
         {"Problem:  Point 2 of the moment-EI curve 1 of pile section 1 cannot be used:",
          "          its moment is not larger than the moment of the point before.", user_solution1, user_solution2}},
        {"negative first moment",
         [] {
             Set_Up_User_Section(kUnitsSI, 1);
             Set_User_Curve(1, 5, -5.0, 10.0);
         },
         Build_User_EI_Table, 142,
         {"Problem:  Point 1 of the moment-EI curve 1 of pile section 1 cannot be used:",
          "          its moment is negative.", user_solution1, user_solution2}},
        {"curvature falling",
         [] {
             Set_Up_User_Section(kUnitsSI, 1);
             Set_User_Curve(1, 3, 10.0, 10.0);
             g.pd.Section(1).rd_UserEIStiffness(1, 3) = 5000.0;  // M / EI: 0.01, 0.0202, 0.006
         },
         Build_User_EI_Table, 142,
         {"Problem:  Point 3 of the moment-EI curve 1 of pile section 1 cannot be used:",
          "          its curvature M / EI is not larger than the curvature of the point before.", user_solution1,
          user_solution2}},
        {"one curve for two thrusts",
         [] {
             Set_Up_User_Section(kUnitsSI, 2);
             g.pd.Section(1).i_NumUserEIThrusts = 1;
             Set_User_Curve(1, 5, 0.0, 1.0);
         },
         Build_User_EI_Table, 143,
         {"Problem:  The user-defined pile section 1 has 1 moment-EI curves, but the analysis uses 2 axial thrust "
          "values.",
          "Solution: Enter one moment-EI curve for every distinct axial thrust of the pile-head loads",
          "          (or of the LRFD load combinations), in the ascending order of the thrusts."}},
        {"no curve, moment capacity only",
         [] {
             Set_Up_User_Section(kUnitsSI, 1);
             g.pd.ICOM = 2;
             g.pd.Section(1).i_NumUserEIThrusts = 0;
         },
         Build_User_EI_Table, 143,
         {"Problem:  The user-defined pile section 1 has 0 moment-EI curves, but the analysis uses 1 axial thrust "
          "values.",
          "Solution: Enter one moment-EI curve for every distinct axial thrust of the pile-head loads",
          "          (or of the LRFD load combinations), in the ascending order of the thrusts."}},
    };
    for (const ErrorCase& c : kCases) Expect_Input_Error(c);
}

TEST(SectionInputErrors, AMomentCapacityRunAcceptsMoreCurvesThanThrusts) {
    Set_Up_User_Section(kUnitsSI, 2);
    g.pd.ICOM = 2;
    g.pd.i_NumThrusts = 1;
    Set_User_Curve(1, 5, 0.0, 1.0);
    Set_User_Curve(2, 5, 0.0, 2.0);
    Captured plot(g_Out.plot), report(g_Out.report);
    Build_User_EI_Table(1);
    EXPECT_EQ(g.mct.NumPts(1, 2), 145);  // q = 4, k = 36
}

// --- Whole runs of the example pipe pile with the other two section types ---

std::string Example_With_Section(const std::string& section_lines) {
    std::string text = Read_File(std::filesystem::path(TARVEX_SOURCE_DIR) / "examples" / "soft_clay_free_head_us.dat");
    const size_t a = text.find("SECTIONS\n") + 9, b = text.find("SOIL LAYERS\n");
    return text.replace(a, b - a, section_lines);
}

double Summary_Value(const std::string& report, const std::string& label) {
    const size_t at = report.find(label);
    return at == std::string::npos ? -1.0 : std::stod(report.substr(at + label.size()));
}

// The pipe of the example (E I = 7.3931266E10 lb-in^2) with a plastic moment capacity Mp in lb-in.
std::string Plastic_Pipe(double mp) {
    const std::string m = std::to_string(mp);
    return "1\n1\n12\n60.0\n3\n29000000.0\n" + m + "\n" + m +
           "\n24.0\n24.0\n0.5\n0.5\n36.91371\n36.91371\n2549.354\n2549.354\n";
}

TEST(ElasticTableRuns, APlasticHingeLimitsTheMomentAndAUserCurveOfConstantEIActsElastic) {
    RunDir elastic, strong, weak, user;
    ASSERT_EQ(elastic.run(Read_File(std::filesystem::path(TARVEX_SOURCE_DIR) / "examples" / "soft_clay_free_head_us.dat")),
              0);
    const double m_elastic = Summary_Value(elastic.report(), "Maximum bending moment           = ");
    const double y_elastic = Summary_Value(elastic.report(), "Pile-head deflection             = ");
    ASSERT_GT(m_elastic, 1.0E6);

    // A capacity above the largest moment changes nothing.
    ASSERT_EQ(strong.run(Example_With_Section(Plastic_Pipe(10.0 * m_elastic))), 0);
    EXPECT_NEAR(Summary_Value(strong.report(), "Maximum bending moment           = "), m_elastic, 1e-6 * m_elastic);
    EXPECT_NE(strong.report().find("Pile Section No. 1:\n\nMoment-curvature properties were derived from "
                                   "elastic-plastic section properties\n\n\n"),
              std::string::npos);

    // A capacity of 80 % of it yields: the moment stays at Mp and the head deflects more. The secant
    // stiffness of the hinge converges slowly.
    const double mp = 0.8 * m_elastic;
    std::string input = Example_With_Section(Plastic_Pipe(mp));
    input.replace(input.find("MaxIterations 100"), 17, "MaxIterations 500");
    input.replace(input.find("Tolerance 1.0E-5"), 16, "Tolerance 1.0E-4");
    ASSERT_EQ(weak.run(input), 0);
    const double m_weak = Summary_Value(weak.report(), "Maximum bending moment           = ");
    EXPECT_GE(m_weak, mp);
    EXPECT_LT(m_weak, 1.01 * mp);
    EXPECT_GT(Summary_Value(weak.report(), "Pile-head deflection             = "), 2.0 * y_elastic);

    // A user curve of the pipe's constant E I, from 0 to far beyond the largest moment.
    const std::string user_section = "1\n1\n13\n60.0\n24.0\n1\n50.0\n2\n0.0\n73931266000.0\n1.0E12\n73931266000.0\n";
    ASSERT_EQ(user.run(Example_With_Section(user_section)), 0);
    EXPECT_NEAR(Summary_Value(user.report(), "Maximum bending moment           = "), m_elastic, 1e-6 * m_elastic);
    EXPECT_NEAR(Summary_Value(user.report(), "Pile-head deflection             = "), y_elastic, 1e-6 * y_elastic);
    EXPECT_NE(user.report().find("Moment-Curvature properties for Section 1 derived from input values for nonlinear "
                                 "M-EI properties\n\n\n"),
              std::string::npos);
    EXPECT_NE(user.plot().find("Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=149\n"), std::string::npos);
}

TEST(ElasticTableRuns, AUserSectionWithTooFewCurvesStopsBeforeTheLoadCase) {
    RunDir d;
    const std::string two_loads = "LOADING\n2\n1 1 15000.0 0.0 50000.0 0\n2 1 15000.0 0.0 80000.0 0\n0\nEND\n";
    std::string input = Example_With_Section("1\n1\n13\n60.0\n24.0\n1\n50.0\n2\n0.0\n7.0E10\n1.0E12\n7.0E10\n");
    input.replace(input.find("LOADING\n"), std::string::npos, two_loads);
    EXPECT_EQ(d.run(input), 143);
    EXPECT_NE(d.report().find("**** Input Data Error No. 43 ****"), std::string::npos);
    EXPECT_EQ(d.msg().find("Computing lateral response"), std::string::npos);
}

}  // namespace
}  // namespace tarvex_test
