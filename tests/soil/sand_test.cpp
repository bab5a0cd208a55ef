// Reese, Cox and Koop sand: secant moduli against the published wedge,
// flow-around and curve formulas, the three curve shapes, the report block,
// the default subgrade modulus and the input checks.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/errors.h"
#include "soil/py_models.h"
#include "soil/sand_wedge.h"
#include "soil/py_model_fixture.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

constexpr double kPi = 3.141592653589793;

// The criteria, written out here from Reese, Cox and Koop (1974).
struct RefSand {
    double pst, psd, ps, A, B, pu, pm, ym, yu, m, n, C, yk, kx;
};

double Table(double r, const float (&v)[10]) {
    static const double R[10] = {0, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6};
    if (r > 6.0) return double(v[9]);
    int i = 9;
    for (int j = 1; j <= 9; ++j)
        if (r < R[j]) {
            i = j;
            break;
        }
    return v[i - 1] + (r - R[i - 1]) * (double(v[i]) - v[i - 1]) / (R[i] - R[i - 1]);
}

// Level ground (D = 0) or sloping ground with factor D = 1 +- tan|theta| tan(beta).
RefSand Ref_Reese(double b, double x, double gamma, double phid, double k, bool cyclic, double theta = 0,
                  double D = 0) {
    static const float As[10] = {2.83f, 2.48f, 2.11f, 1.76f, 1.48f, 1.23f, 1.06f, 0.90f, 0.88f, 0.88f};
    static const float Bs[10] = {2.14f, 1.83f, 1.54f, 1.27f, 1.05f, 0.86f, 0.71f, 0.53f, 0.50f, 0.50f};
    static const float Ac[10] = {0.75f, 0.93f, 1.07f, 1.11f, 1.03f, 0.98f, 0.94f, 0.90f, 0.88f, 0.88f};
    static const float Bc[10] = {0.53f, 0.72f, 0.83f, 0.86f, 0.82f, 0.77f, 0.70f, 0.55f, 0.55f, 0.55f};
    const double phi = phid * kPi / 180, a = phi / 2, be = kPi / 4 + phi / 2, K0 = 0.4;
    const double Ka0 = std::pow(std::tan(kPi / 4 - phi / 2), 2);
    const double tp = std::tan(phi), tb = std::tan(be), tbp = std::tan(be - phi), ta = std::tan(a);
    RefSand s{};
    if (D == 0) {
        s.pst = gamma * x *
                (K0 * x * tp * std::sin(be) / (std::cos(a) * tbp) + tb / tbp * (b + x * tb * ta) +
                 K0 * x * tb * (tp * std::sin(be) - ta) - Ka0 * b);
    } else {
        const double ct = std::cos(theta), r = std::sqrt(ct * ct - std::pow(std::cos(phi), 2));
        const double Ka = ct * (ct - r) / (ct + r);
        const double t = std::tan(std::fabs(theta)) * tb / D, f = (4 * t - 3) * t * t + 1;
        s.pst = gamma * x *
                (tb / tbp * (x * ta * tb / D + b) / D - Ka * b + K0 * x * tp * std::sin(be) * f / (std::cos(a) * tbp) +
                 f * K0 * x * tb * (tp * std::sin(be) - ta));
    }
    s.psd = Ka0 * b * gamma * x * (std::pow(tb, 8) - 1) + K0 * b * gamma * x * tp * std::pow(tb, 4);
    s.ps = std::min(s.pst, s.psd);
    s.A = Table(x / b, cyclic ? Ac : As);
    s.B = Table(x / b, cyclic ? Bc : Bs);
    s.pu = s.A * s.ps;
    s.pm = s.B * s.ps;
    s.ym = b / 60;
    s.yu = 3 * b / 80;
    s.m = (s.pu - s.pm) / (s.yu - s.ym);
    s.n = s.pm / (s.m * s.ym);
    s.C = s.pm / std::pow(s.ym, 1 / s.n);
    s.kx = k * x;
    s.yk = std::pow(s.C / s.kx, s.n / (s.n - 1));
    return s;
}

double Ref_P(const RefSand& s, double y) {
    double p;
    if (y <= s.yk && y < s.ym) p = s.kx * y;
    else if (y <= s.ym) p = s.C * std::pow(y, 1 / s.n);
    else if (y <= s.yu) p = s.pm + s.m * (y - s.ym);
    else p = s.pu;
    return std::min(p, s.kx * y);
}

constexpr double kGamma = 0.0625;  // lb/in^3 (108 pcf)

// One sand layer over the whole pile of width 24 in, phi and k constant.
int Sand_Layer(int model, double phid, double k, int units = kUnitsUS) {
    SoilPile p;
    p.units = units;
    Set_Up_Soil_Pile(p);
    const int layer = Add_Layer(model, 0.0, 480.0);
    Set_Column(g.pd.rd_ProfileGamma, layer, kGamma, kGamma);
    Set_Column(g.pd.rd_ProfilePhi, layer, phid, phid);
    g.pd.rd_LayerKTop(layer) = k;
    g.pd.rd_LayerKBottom(layer) = k;
    return layer;
}

TEST(ReeseSand, SecantModuliFollowTheCriteriaStaticAndCyclic) {
    struct Case {
        bool cyclic;
        double depth, y;
    };
    const Case cases[] = {{false, 20, 0.05}, {false, 20, 0.3}, {false, 60, 0.6}, {false, 60, 2.0},
                          {false, 180, 0.1}, {false, 460, 1.0}, {true, 20, 0.05}, {true, 60, 0.6},
                          {true, 180, 2.0},  {true, 460, 0.3}};
    for (const Case& c : cases) {
        const int k = Sand_Layer(kSand, 35.0, 60.0);
        g.pd.b_CyclicLoading = c.cyclic ? kTrue : kFalse;
        Set_Deflections(c.y);
        Run_Layer(PY_Sand, k);
        const RefSand r = Ref_Reese(24.0, c.depth, kGamma, 35.0, 60.0, c.cyclic);
        EXPECT_NEAR(g.nodes.Es(Node_At(c.depth)), Ref_P(r, c.y) / c.y, 1e-9 * r.kx)
            << "cyclic " << c.cyclic << " depth " << c.depth << " y " << c.y;
    }
}

TEST(ReeseSand, MultipliersAndSoilMovementScaleTheModulus) {
    const int k = Sand_Layer(kSand, 35.0, 60.0);
    g.pd.i_NumPYMult = 2;
    g.pd.rd_PYMultDepth(1) = 0.0;
    g.pd.rd_PYMultDepth(2) = 480.0;
    for (int j = 1; j <= 2; ++j) {
        g.pd.rd_PMult(j) = 0.5;
        g.pd.rd_YMult(j) = 2.0;
    }
    g.pd.i_NumSoilMovePts = 2;
    Set_Deflections(1.0);
    for (int i = 1; i <= g.nodes.i_NumNodes; ++i) g.nodes.ys(i) = 0.2;
    Run_Layer(PY_Sand, k);
    const RefSand r = Ref_Reese(24.0, 60.0, kGamma, 35.0, 60.0, false);
    const int i = Node_At(60.0);
    const double yc = (1.0 - 0.2) / 2.0;
    EXPECT_NEAR(g.nodes.Es(i), 0.5 * Ref_P(r, yc) / (2.0 * yc), 1e-9 * r.kx);
    EXPECT_NEAR(g.nodes.q(i), 0.2 * g.nodes.Es(i), 1e-9 * r.kx);
}

TEST(ReeseSand, ZeroDeflectionGivesTheInitialSlopeAndTheSurfaceNothing) {
    const int k = Sand_Layer(kSand, 35.0, 60.0);
    Set_Deflections(0.0);
    Run_Layer(PY_Sand, k);
    EXPECT_DOUBLE_EQ(g.nodes.Es(Node_At(60.0)), 60.0 * 60.0);
    EXPECT_DOUBLE_EQ(g.nodes.Es(1), 0.0);
    Set_Deflections(0.5);
    Run_Layer(PY_Sand, k);
    EXPECT_DOUBLE_EQ(g.nodes.Es(1), 0.0);
}

TEST(ReeseSand, EachCurveShapeIsReachedAndNamed) {
    struct Case {
        double k;
        const char* line;
    };
    const Case cases[] = {
        {60.0, "This curve has the normal shape for a Reese sand p-y curve where Yk < Ym < Yu."},
        {30.0, "This curve has a tri-linear shape for a Reese sand p-y curve because Ym < Yk < Yu."},
        {5.0, "This curve has a bi-linear shape for a Reese sand p-y curve because Ym < Yu < Yk."},
    };
    for (const Case& c : cases) {
        const int k = Sand_Layer(kSand, 35.0, c.k);
        const RefSand r = Ref_Reese(24.0, 24.0, kGamma, 35.0, c.k, false);
        const CurveText t = Report_Curve(PY_Sand, k, 24.0);
        EXPECT_TRUE(Has_Line(t.report, c.line)) << c.k;
        EXPECT_TRUE(Has_Line(t.report, Param("Yk = [c/(kx)]^(n/(n-1))", Edit_F(r.yk, 12, 4), "in"))) << c.k;
        EXPECT_EQ(Lines(t.plot).size(), 18u);
    }
}

TEST(ReeseSand, ReportBlockOfAStaticCurve) {
    const int k = Sand_Layer(kSand, 35.0, 60.0);
    const RefSand r = Ref_Reese(24.0, 60.0, kGamma, 35.0, 60.0, false);
    const CurveText t = Report_Curve(PY_Sand, k, 60.0);
    const auto lines = Lines(t.report);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "p-y Curve in Sand Computed Using Reese Criteria for Static Loading Conditions");
    EXPECT_EQ(lines[3], "");
    for (const std::string& want : std::vector<std::string>{
             Param("Soil Layer Number", "           1"), Param("Depth below pile head", "       5.000", "ft"),
          Param("Depth below ground surface", "       5.000", "ft"), Param("Ground Slope Angle", "       0.000", "degrees"),
          Param("Equivalent Depth (see note)", "      60.000", "in"), Param("Pile Diameter, b", "      24.000", "in"),
          Param("Angle of Friction", "      35.000", "degrees"), Param("Avg. Eff. Unit Weight", "   108.00000", "lbs/ft**3"),
          Param("kpy", "      60.000", "pci"), Param("K0", "       0.400", ""),
          Param("Pst", Edit_F(r.pst, 12, 3), "lbs/in"), Param("Ps = Pst (shallow controls)", Edit_F(r.ps, 12, 3), "lbs/in"),
          Param("A (static)", Edit_F(r.A, 12, 4)), Param("Pu = A Ps", Edit_F(r.pu, 12, 3), "lbs/in"),
          Param("Es,lim", Edit_F(3600.0, 12, 3), "lbs/in/in"), Param("y-multiplier", "     1.00000"),
          std::string("This p-y curve is computed using the equivalent depth."),
          std::string(9, ' ') + "y, in" + std::string(11, ' ') + "p, lbs/in", std::string("----------------    -----------------")})
        EXPECT_TRUE(Has_Line(t.report, want)) << want;
    // The points: 0, yk, ten steps to ym, then 13b/480, yu, 1.025 yu, 1.05 yu.
    const auto plot = Lines(t.plot);
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[0], Edit_E(60.0, 15, 7) + "   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in sand, no. p-y points on curve no. 1");
    EXPECT_EQ(plot[2], Edit_E(r.yk, 15, 7) + Edit_E(Ref_P(r, r.yk), 15, 7) + std::string(50, ' ') +
                           "Line 8(2): y, p, for sand");
    const double y17 = double(1.05f) * r.yu;
    EXPECT_EQ(plot[17].substr(0, 30), Edit_E(y17, 15, 7) + Edit_E(r.pu, 15, 7));
    EXPECT_EQ(lines.back(), "");
}

TEST(ReeseSand, DeepFlowAroundControlsAtDepth) {
    const int k = Sand_Layer(kSand, 35.0, 60.0);
    const RefSand r = Ref_Reese(24.0, 460.0, kGamma, 35.0, 60.0, false);
    ASSERT_LT(r.psd, r.pst);
    const CurveText t = Report_Curve(PY_Sand, k, 460.0);
    EXPECT_TRUE(Has_Line(t.report, Param("Ps = Psd (deep controls)", Edit_F(r.psd, 12, 3), "lbs/in")));
    EXPECT_TRUE(Has_Line(t.report, Param("A (static)", "      0.8800")));
    EXPECT_TRUE(Has_Line(t.report, Param("B (static)", "      0.5000")));
    // A quarter of a diameter down, A lies between the first two table values.
    const CurveText shallow = Report_Curve(PY_Sand, k, 6.0);
    EXPECT_TRUE(Has_Line(shallow.report, Param("A (static)", "      2.6550")));
}

TEST(ReeseSand, DefaultSubgradeModulus) {
    const int k = Sand_Layer(kSand, 45.0, 0.0);
    Set_Deflections(0.0);
    Run_Layer(PY_Sand, k);
    EXPECT_DOUBLE_EQ(g.nodes.Es(Node_At(60.0)), 160.54745483398438 * 60.0);
    const CurveText t = Report_Curve(PY_Sand, k, 60.0);
    const auto lines = Lines(t.report);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 2], "The above p-y curve was computed using internal default values of k.");
    EXPECT_EQ(lines[lines.size() - 3], "");
    EXPECT_EQ(lines.back(), "");
    // Below 40 degrees the power law of phi.
    const double us = 1.2098290369522147E-07 * std::pow(30.0, 5.694468021392822);
    const double si = 4.14174883189844E-06 * std::pow(30.0, 6.416118144989014);
    EXPECT_NEAR(fn_DefaultK(30.0 * kPi / 180, kGamma, kUnitsUS), us, 1e-12 * us);
    EXPECT_NEAR(fn_DefaultK(30.0 * kPi / 180, 13.0, kUnitsSI), si, 1e-12 * si);
    EXPECT_DOUBLE_EQ(fn_DefaultK(42.0 * kPi / 180, 10.0, kUnitsSI), 43580.1484375);
}

TEST(ReeseSand, DefaultSubgradeModulusInGenericUnitsIsRuntimeError13) {
    const int k = Sand_Layer(kSand, 35.0, 0.0, kUnitsGeneric);
    Captured rep(g_Out.report), msg(g_Out.msg);
    EXPECT_EQ(Stop_State([&] { Run_Layer(PY_Sand, k); }), 213);
    const std::string want =
        "\n\n**** Runtime Error No. 13 ****\n\n"
        "Problem:  General units have been selected for use in computations in      \n"
        "combination with default values of k for a layer classified as API sand    \n"
        "criteria. This combination of data cannot be used because Tarvex cannot     \n"
        "compute default values of subgrade modulus in general units.               \n\n"
        "Solution:  You must select either US customary for SI units for the        \n"
        "units of computation to use a default value for subgrade subgrade modulus  \n"
        "for the API sand criteria or enter an appropriate proper value by entering \n"
        "a non-zero for k.\n";
    EXPECT_EQ(msg.text(), want);
    EXPECT_EQ(rep.text(), want);
}

TEST(ReeseSand, UnreasonableFrictionAngleWarnsAndIsUsed) {
    const int k = Sand_Layer(kSand, 50.0, 60.0);
    Captured msg(g_Out.msg);
    Set_Deflections(0.3);
    Run_Layer(PY_Sand, k);
    EXPECT_EQ(g.err.i_WarningTally(302), g.nodes.i_NumNodes);
    const RefSand r = Ref_Reese(24.0, 60.0, kGamma, 50.0, 60.0, false);
    EXPECT_NEAR(g.nodes.Es(Node_At(60.0)), Ref_P(r, 0.3) / 0.3, 1e-9 * r.kx);
    const std::string block =
        "\n**** Warning ****\n\n"
        "An unreasonable value for friction angle was input for a Reese sand layer. \n"
        "The input value is either smaller than 20 degrees or higher than 48 degrees.\n"
        "The input data should be checked for correctness.\n\n"
        "The input value for friction angle was used in computations.\n\n";
    const std::string text = msg.text();
    EXPECT_EQ(text.substr(0, block.size()), block);
}

TEST(ReeseSand, ZeroFrictionAngleIsInputError8) {
    const int k = Sand_Layer(kSand, 0.0, 60.0);
    Captured rep(g_Out.report), msg(g_Out.msg);
    EXPECT_EQ(Stop_State([&] { Run_Layer(PY_Sand, k); }), 108);
    EXPECT_EQ(msg.text(),
              "**** Input Data Error No. 8 ****\n\n"
              "An error was detected in the input data for friction angle.\n"
              "Problem:  Zero was input for the friction angle for a sand when computing \n"
              "          a p-y curve using the Reese et al. criteria.\n\n"
              "Solution: Check values of soil strength values and revise the input data.\n\n");
    EXPECT_EQ(rep.text(), "\n\nTarvex ended prematurely due to input error number INP00008\n");
}

// The slope check applies in every sand layer, not in the first only: below
// it the active coefficient would be the root of a negative number.
TEST(ReeseSand, SlopeSteeperThanPhiInALowerLayerIsInputError9) {
    const int k1 = Sand_Layer(kSand, 40.0, 60.0);
    g.pd.XLayerBottom(k1) = 120.0;
    g.pd.rd_ProfileDepth(2) = 120.0;
    const int k2 = Add_Layer(kSand, 120.0, 480.0);
    Set_Column(g.pd.rd_ProfileGamma, k2, kGamma, kGamma);
    Set_Column(g.pd.rd_ProfilePhi, k2, 25.0, 25.0);
    g.pd.rd_LayerKTop(k2) = g.pd.rd_LayerKBottom(k2) = 60.0;
    g.pd.rd_SlopeAngle = g.pd.rd_EffSlopeAngle = 30.0 * kPi / 180;
    Set_Deflections(0.3);
    Run_Layer(PY_Sand, k1);
    EXPECT_EQ(g.err.i_ErrorState, 0);
    Captured rep(g_Out.report), msg(g_Out.msg);
    EXPECT_EQ(Stop_State([&] { Run_Layer(PY_Sand, k2); }), 109);
    const std::string block =
        "**** Input Data Error No. 9 ****\n\n"
        "An error was found in the input data when computing a p-y curve using \n"
        "the Reese sand criteria for layer 2.\n\n"
        "Problem:  The angle of the ground slope can not be greater than the \n"
        "internal friction angle of the sand.\n\n"
        "Solution:  Set the value for slope angle to be less than the angle of friction.\n";
    EXPECT_EQ(msg.text(), block);
    EXPECT_EQ(rep.text(), block + "\n\nTarvex ended prematurely due to input error number INP00009\n");
}

TEST(ReeseSand, SlopingGroundWedgeDependsOnTheSideOfTheDeflection) {
    const double theta = 10.0 * kPi / 180;
    for (double y : {0.3, -0.3}) {
        const int k = Sand_Layer(kSand, 35.0, 60.0);
        g.pd.rd_SlopeAngle = g.pd.rd_EffSlopeAngle = theta;
        Set_Deflections(y);
        Run_Layer(PY_Sand, k);
        const double t0 = std::tan(theta) * std::tan(kPi / 4 + 35.0 * kPi / 360);
        const double D = y > 0 ? 1 + t0 : 1 - t0;
        const RefSand r = Ref_Reese(24.0, 20.0, kGamma, 35.0, 60.0, false, theta, D);
        EXPECT_NEAR(g.nodes.Es(Node_At(20.0)), Ref_P(r, 0.3) / 0.3, 1e-9 * r.kx) << y;
    }
}

// A battered pile in level ground: depths are vertical and the wedge sees the
// effective slope, ground slope minus batter.
TEST(ReeseSand, BatterActsThroughVerticalDepthAndEffectiveSlope) {
    const double batter = 10.0 * kPi / 180;
    const int k = Sand_Layer(kSand, 35.0, 60.0);
    g.pd.rd_BatterAngle = batter;
    g.pd.rd_EffSlopeAngle = -batter;
    for (int i = 1; i <= g.nodes.i_NumNodes; ++i) g.nodes.xv(i) = g.nodes.xa(i) * std::cos(batter);
    Set_Deflections(0.3);
    Run_Layer(PY_Sand, k);
    const double x = 60.0 * std::cos(batter);
    const double t0 = std::tan(batter) * std::tan(kPi / 4 + 35.0 * kPi / 360);
    const RefSand r = Ref_Reese(24.0, x, kGamma, 35.0, 60.0, false, -batter, 1 - t0);
    EXPECT_NEAR(g.nodes.Es(Node_At(60.0)), Ref_P(r, 0.3) / 0.3, 1e-9 * r.kx);
}

TEST(ReeseSand, ModulusNotANumberIsRuntimeError31Or32) {
    // Properties left undefined spoil the curve or the initial slope used at zero deflection.
    {
        const int k = Sand_Layer(kSand, 35.0, 60.0);
        Set_Column(g.pd.rd_ProfileGamma, k, kGamma, std::nan(""));
        g.pd.rd_LayerKBottom(k) = std::nan("");
        Set_Deflections(0.3);
        Captured rep(g_Out.report);
        EXPECT_EQ(Stop_State([&] { Run_Layer(PY_Sand, k); }), 231);
        EXPECT_EQ(rep.text(),
                  "**** Runtime Error No. 31 ****\n\n"
                  "The computed value of soil modulus computed in Reese Sand is not-a-number for node number 2\n\n"
                  "This problem is usually due to a required soil property being left equal to zero.\n");
    }
    {
        const int k = Sand_Layer(kSand, 35.0, 60.0);
        g.pd.rd_LayerKBottom(k) = std::nan("");
        Set_Deflections(0.0);
        Captured rep(g_Out.report);
        EXPECT_EQ(Stop_State([&] { Run_Layer(PY_Sand, k); }), 232);
        EXPECT_EQ(rep.text(),
                  "**** Runtime Error No. 32 ****\n\n"
                  "The default value of soil modulus computed in Reese Sand is not-a-number for node number 1\n\n"
                  "This problem is usually due to a required soil property being left equal to zero.\n");
    }
}

TEST(ReeseSand, LayerResistanceIntegratesTheUltimateResistance) {
    const int k = Sand_Layer(kSand, 35.0, 60.0);
    Set_Deflections(0.3);
    Run_Layer(PY_Sand, k);
    double sum = 0;
    for (int i = 2; i <= g.nodes.i_NumNodes; ++i) {
        const double x0 = g.nodes.xa(i - 1), x1 = g.nodes.xa(i);
        const double p0 = x0 == 0 ? 0.0 : Ref_Reese(24.0, x0, kGamma, 35.0, 60.0, false).pu;
        sum += 10.0 * (p0 + Ref_Reese(24.0, x1, kGamma, 35.0, 60.0, false).pu) / 2;
    }
    EXPECT_NEAR(g.soil.rd_LayerResistance(k), sum, 1e-9 * sum);
}

}  // namespace
}  // namespace tarvex_test

namespace tarvex_test {
namespace {

// Two layers of the same sand: the equivalent depth of the lower layer's top
// comes back close to its true depth.
TEST(ReeseSand, LayeringCorrectionOfTheSameSandGivesTheTrueDepth) {
    for (int model : {kSand, kAPISand}) {
        const int k1 = Sand_Layer(model, 35.0, 60.0);
        g.pd.XLayerBottom(k1) = g.pd.rd_ProfileDepth(2) = 120.0;
        const int k2 = Add_Layer(model, 120.0, 480.0);
        Set_Column(g.pd.rd_ProfileGamma, k2, kGamma, kGamma);
        Set_Column(g.pd.rd_ProfilePhi, k2, 35.0, 35.0);
        g.pd.rd_LayerKTop(k2) = g.pd.rd_LayerKBottom(k2) = 60.0;
        Set_Deflections(0.3);
        auto f = model == kSand ? PY_Sand : PY_APISand;
        Run_Layer(f, k1);
        Run_Layer(f, k2);
        // API sand sums its curve at 3b/80 where the correction integrates the wedge.
        EXPECT_NEAR(g.soil.rd_XeqTop(k2), 120.0, model == kSand ? 1.0 : 6.0) << model;
        // The report measures depth in the layer from the equivalent top of the last solution.
        const CurveText t = Report_Curve(f, k2, 200.0);
        EXPECT_TRUE(Has_Line(t.report, Param("Equivalent Depth (see note)",
                                             Edit_F(200.0 - 120.0 + g.soil.rd_XeqTop(k2), 12, 3), "in")))
            << model;
    }
}

}  // namespace
}  // namespace tarvex_test
