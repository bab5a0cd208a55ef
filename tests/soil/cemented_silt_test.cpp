// Cemented silt (c-phi soil) p-y curves: secant moduli against the Reese sand
// wedge and flow-around resistance plus the Matlock cohesive resistance,
// computed here, in the Reese sand shape; zero cohesion at the surface, the
// default k, the checks, the layering correction for silt and the report block.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "soil/py_model_fixture.h"
#include "soil/py_models.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

constexpr double kPi = 3.141592653589793;
constexpr double kB = 24.0;

// The c-phi curve on level ground at depth x below the surface of a uniform layer.
struct CPhiCurve {
    double kx, ps, puc, pu, pmc, ym, yu, m, n, C, yk;
    CPhiCurve(double x, double b, double c, double gamma, double phid, double k, bool cyclic) {
        const double phi = phid * kPi / 180, al = phi / 2, be = kPi / 4 + phi / 2, K0 = 0.4;
        const double Ka = std::pow(std::tan(kPi / 4 - phi / 2), 2);
        const double tp = std::tan(phi), tb = std::tan(be), ta = std::tan(al), tbp = std::tan(be - phi);
        // Reese, Cox and Koop (1974): wedge near the surface, flow around below.
        const double pst = gamma * x *
                           (K0 * x * tp * std::sin(be) / (std::cos(al) * tbp) + tb / tbp * (b + x * tb * ta) +
                            K0 * x * tb * (tp * std::sin(be) - ta) - Ka * b);
        const double psd = Ka * b * gamma * x * (std::pow(tb, 8) - 1) + K0 * b * gamma * x * tp * std::pow(tb, 4);
        ps = std::min(pst, psd);
        // Matlock (1970) with J = 0.5.
        const double Np = 3 + gamma * x / c + 0.5 * x / b;
        puc = std::min(Np, 9.0) * c * b;
        const double r[10] = {0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6};
        const double as[10] = {2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.90, 0.88, 0.88};
        const double ac[10] = {0.75, 0.93, 1.07, 1.11, 1.03, 0.98, 0.94, 0.90, 0.88, 0.88};
        const double* a = cyclic ? ac : as;
        const double z = x / b;
        double A = a[9];
        for (int i = 1; i < 10; ++i)
            if (z < r[i]) {
                A = a[i - 1] + (z - r[i - 1]) * (a[i] - a[i - 1]) / (r[i] - r[i - 1]);
                break;
            }
        pu = A * ps + puc;
        pmc = 1.5 * (ps + puc);
        ym = b / 60, yu = 3 * b / 80;
        kx = k * x;
        m = (pu - pmc) / (yu - ym);
        n = pmc / (ym * m);
        C = pmc / std::pow(ym, 1 / n);
        yk = std::pow(C / kx, n / (n - 1));
    }
    double p(double y) const {
        double v;
        if (y <= yk) v = kx * y;
        else if (y <= ym) v = C * std::pow(y, 1 / n);
        else if (y <= yu) v = pmc + m * (y - ym);
        else v = pu;
        return std::min(v, kx * y);
    }
};

int Silt_Layer(double c_top, double c_bottom, double k = 200.0, bool cyclic = false) {
    Set_Up_Soil_Pile(SoilPile{});
    const int l = Add_Layer(kCemSilt, 0.0, 480.0);
    Set_Column(g.pd.rd_ProfileGamma, l, 0.04, 0.04);
    Set_Column(g.pd.rd_ProfileStrength, l, c_top, c_bottom);
    Set_Column(g.pd.rd_ProfilePhi, l, 30.0, 30.0);
    Set_Column(g.pd.rd_ProfileEps50, l, 0.01, 0.01);
    g.pd.rd_LayerKTop(l) = g.pd.rd_LayerKBottom(l) = k;
    g.pd.b_CyclicLoading = cyclic ? kTrue : kFalse;
    return l;
}

TEST(CementedSilt, SecantModuliFollowTheCPhiCriteria) {
    struct Case {
        double depth, y;
        bool cyclic;
    };
    const Case cases[] = {{10, 0.001, false}, {20, 0.2, false}, {60, 0.5, false}, {60, 3.0, false},
                          {200, 0.3, false},  {20, 0.2, true},  {100, 0.7, true}, {400, 2.0, true}};
    for (const Case& c : cases) {
        const int k = Silt_Layer(5.0, 5.0, 200.0, c.cyclic);
        Set_Deflections(c.y);
        Run_Layer(PY_CemSilt, k);
        const CPhiCurve r(c.depth, kB, 5.0, 0.04, 30.0, 200.0, c.cyclic);
        const double want = r.p(c.y) / c.y;
        EXPECT_NEAR(g.nodes.Es(Node_At(c.depth)), want, 1e-6 * want) << c.depth << " " << c.y << " " << c.cyclic;
    }
}

TEST(CementedSilt, NoCohesionAtTheGroundSurfaceGivesNoResistance) {
    const int k = Silt_Layer(0.0, 5.0);
    for (double y : {0.0, 0.1}) {
        Set_Deflections(y);
        Run_Layer(PY_CemSilt, k);
        EXPECT_EQ(g.nodes.Es(1), 0.0) << y;  // k x = 0 at the surface
        EXPECT_TRUE(std::isfinite(g.soil.rd_LayerResistance(k)));
        EXPECT_GT(g.nodes.Es(Node_At(100.0)), 0.0);
    }
}

TEST(CementedSilt, DefaultModulusOfSubgradeReaction) {
    // Static loading, c = 10 psi, gamma = 0.05 pci and phi = 32 degrees: 500 + 90 pci.
    const int k = Silt_Layer(10.0, 10.0, 0.0);
    Set_Column(g.pd.rd_ProfileGamma, k, 0.05, 0.05);
    Set_Column(g.pd.rd_ProfilePhi, k, 32.0, 32.0);
    const CurveText t = Report_Curve(PY_CemSilt, k, 100.0);
    EXPECT_TRUE(Has_Line(t.report, Param("k (interp. from input)", "     590.000", "pci"))) << t.report;
}

TEST(CementedSilt, InputAndRuntimeErrors) {
    struct Case {
        const char* name;
        double c_top, c_bottom, phi, slope_degrees;
        int state;
        std::string block;
    };
    const Case cases[] = {
        {"no cohesion below the top", 5.0, 0.0, 30.0, 0.0, 148,
         "**** Input Data Error No. 48 ****\n\nProblem: A negative or zero value of cohesion was input for \n"
         "a soil defined as a silt.\nLayer = 1, Depth =   10.00000000, c =  0.000E+00\n"
         "Solution:  Please revise and correct the input data.  \n"
         "Both cohesion and friction angle should be non-zero for silt soils.\n"},
        {"no friction", 5.0, 5.0, 0.0, 0.0, 110,
         "**** Input Data Error No. 10 ****\n\n"
         "Problem:  A negative or zero value was input for the friction angle for a silt.\n\n"
         "Solution:  Please revise and correct the input data.  \n"
         "Both cohesion and friction angle must be non-zero for the cemented silt soil.\n"},
        {"slope steeper than phi", 5.0, 5.0, 30.0, 31.0, 223,
         "**** Runtime Error No. 23 ****\n\nA runtime error occurred due to the ground slope angle being\n"
         "greater than the friction angle for silt for layer 1.\n\n"
         "Problem:  The angle of the ground slope can not be greater \nthan the internal friction angle of silt.\n\n"
         "Solution:  Set the value for slope angle to be less than \n"
         "the angle of friction or convert the layer into an equivalent\nstrength clay layer.\n"},
        {"slope of phi without cohesion", 0.0, 5.0, 30.0, 30.0, 111,
         "**** Input Data Error No. 11 ****\n\nAn error was detected in the input data when computing a p-y.\n"
         "curve using the criteria for silt for layer 1.\n\n"
         "Problem:  The angle of the ground slope can not be greater \n"
         "than the internal friction angle of cohesionless silt.\n\n"
         "Solution:  Set the value for slope angle to be less than \nthe angle of friction.\n"},
    };
    for (const Case& c : cases) {
        const int k = Silt_Layer(c.c_top, c.c_bottom);
        Set_Column(g.pd.rd_ProfilePhi, k, c.phi, c.phi);
        // Input error 48 at the second node (10 in), where the strength falls to 5 - 240 x 10 / 480 = 0.
        if (c.state == 148) Set_Column(g.pd.rd_ProfileStrength, k, 5.0, -235.0);
        g.pd.rd_EffSlopeAngle = g.pd.rd_SlopeAngle = c.slope_degrees * kPi / 180.0;
        Set_Deflections(0.1);
        Expect_Layer_Stop(PY_CemSilt, k, c.state, c.block, c.name);
    }
}

TEST(CementedSilt, LayeringCorrectionOfASiltUnderClay) {
    // Soft clay over cemented silt, both c = 10 psi and without weight, so that the silt's
    // resistance from the surface is 3 b c x + 0.25 c x^2: the equivalent depth of the
    // silt top is the x at which that equals the resistance F of the clay above.
    Set_Up_Soil_Pile(SoilPile{});
    const int k1 = Add_Layer(kSoftClay, 0.0, 100.0);
    const int k2 = Add_Layer(kCemSilt, 100.0, 480.0);
    Set_Column(g.pd.rd_ProfileStrength, k1, 10.0, 10.0);
    Set_Column(g.pd.rd_ProfileEps50, k1, 0.01, 0.01);
    Set_Column(g.pd.rd_ProfileStrength, k2, 10.0, 10.0);
    Set_Column(g.pd.rd_ProfilePhi, k2, 30.0, 30.0);
    g.pd.rd_LayerKTop(k2) = g.pd.rd_LayerKBottom(k2) = 200.0;
    Set_Deflections(0.1);
    Run_Layer(PY_SoftClay, k1);
    const double F = g.soil.rd_LayerResistance(k1);
    Run_Layer(PY_CemSilt, k2);
    const double c = 10.0, a = 0.25 * c, bq = 3 * kB * c;
    const double x = (-bq + std::sqrt(bq * bq + 4 * a * F)) / (2 * a);
    // The engine integrates in 500 steps up to the transition depth (about 327 in here).
    EXPECT_NEAR(g.soil.rd_XeqTop(k2), x, 0.2) << F;
    ASSERT_GT(x, 50.0);
    // The silt's curves then measure depth from that equivalent depth.
    const CurveText t = Report_Curve(PY_CemSilt, k2, 200.0);
    EXPECT_TRUE(Has_Line(t.report, Param("Equivalent Depth, x", Edit_F(100.0 + g.soil.rd_XeqTop(k2), 12, 3), "in")));
}

TEST(CementedSilt, ReportBlock) {
    const int k = Silt_Layer(5.0, 5.0);
    const CurveText t = Report_Curve(PY_CemSilt, k, 60.0);
    const CPhiCurve r(60.0, kB, 5.0, 0.04, 30.0, 200.0, false);
    const auto lines = Lines(t.report);
    const std::vector<std::string> head = {
        "", "", "p-y Curve Computed Using the Static Criteria for Cemented Silt", "",
        Param("Soil Layer Number", "           1"), Param("Depth below pile head", "       5.000", "ft"),
        Param("Depth below ground surface", "       5.000", "ft"), Param("Equivalent Depth, x", "      60.000", "in"),
        Param("Pile Diameter, B", "      24.000", "in"), Param("Cohesion, c", "       5.000", "lbs/in**2"),
        Param("Angle of Friction, phi", "      30.000", "deg."),
        Param("Avg. Eff. Unit Weight", "     0.04000", "lbs/in**3"),
        Param("k (interp. from input)", "     200.000", "pci"), Param("Epsilon50 (interp.)", "     0.01000"),
        Param("x/B ratio", "       2.500")};
    ASSERT_GT(lines.size(), head.size());
    for (size_t j = 0; j < head.size(); ++j) EXPECT_EQ(lines[j], head[j]) << j;
    EXPECT_TRUE(Has_Line(t.report, Param("Pu,c", Edit_F(r.puc, 12, 3), "lbs/in")));
    EXPECT_TRUE(Has_Line(t.report, Param("yu = 3b/80", "     0.90000", "in")));
    const std::vector<std::string> tail_head = {Param("y-multiplier", "     1.00000"), "", "",
                                                "        y, in              p, lbs/in",
                                                "----------------    -----------------"};
    const size_t at = lines.size() - 17 - tail_head.size();
    for (size_t j = 0; j < tail_head.size(); ++j) EXPECT_EQ(lines[at + j], tail_head[j]) << j;
    const auto plot = Lines(t.plot);
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[0], Edit_E(60.0, 15, 7) + "   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in cemented silt (in), no. p-y points on curve no. 1");
    // The last point: 1.15 yu on the plateau.
    EXPECT_NEAR(std::stod(plot[17].substr(0, 15)), 1.15 * r.yu, 1e-6);
    EXPECT_NEAR(std::stod(plot[17].substr(15, 15)), r.pu, 1e-5 * r.pu);
    EXPECT_EQ(plot[17].substr(30), std::string(50, ' ') + "Line 8(17): y, p, for cemented c-phi");
}

}  // namespace
}  // namespace tarvex_test
