// Bending stiffness tables of elastic, elastic-plastic and user-defined
// sections: the table values, their plot records and report lines.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tarvex_test
