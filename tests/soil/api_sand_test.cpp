// API sand: the published criterion (pu from C1, C2, C3, the factor A and
// p = A pu tanh(k x y / (A pu))), its report block and its input checks.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/errors.h"
#include "soil/py_model_fixture.h"
#include "soil/py_models.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

constexpr double kPi = 3.141592653589793;
constexpr double kGamma = 0.0625;  // lb/in^3

// API RP 2A sand on level ground, written out here from the criterion.
struct RefApi {
    double C1, C2, C3, pus, pud, pu, A;
};

RefApi Ref_Api(double b, double x, double gamma, double phid, bool cyclic) {
    const double phi = phid * kPi / 180, a = phi / 2, be = kPi / 4 + phi / 2, K0 = 0.4f;
    const double Ka = std::pow(std::tan(kPi / 4 - phi / 2), 2), Kp = std::pow(std::tan(be), 2);
    RefApi r{};
    r.C1 = std::tan(be) * (Kp * std::tan(a) + K0 * (std::tan(phi) * std::sin(be) * (1 / std::cos(a) + 1) - std::tan(a)));
    r.C2 = Kp - Ka;
    r.C3 = Kp * Kp * (Kp + K0 * std::tan(phi)) - Ka;
    r.pus = (r.C1 * x + r.C2 * b) * gamma * x;
    r.pud = r.C3 * b * gamma * x;
    r.pu = std::min(r.pus, r.pud);
    r.A = cyclic ? double(0.9f) : std::max(3.0 - double(0.8f) * x / b, double(0.9f));
    return r;
}

double Ref_Api_P(const RefApi& r, double k, double x, double y) {
    return r.A * r.pu * std::tanh(k * x * y / (r.A * r.pu));
}

int Api_Layer(double phid, double k, int units = kUnitsUS) {
    SoilPile p;
    p.units = units;
    Set_Up_Soil_Pile(p);
    const int layer = Add_Layer(kAPISand, 0.0, 480.0);
    Set_Column(g.pd.rd_ProfileGamma, layer, kGamma, kGamma);
    Set_Column(g.pd.rd_ProfilePhi, layer, phid, phid);
    g.pd.rd_LayerKTop(layer) = g.pd.rd_LayerKBottom(layer) = k;
    return layer;
}

TEST(APISand, SecantModuliFollowThePublishedCriterion) {
    struct Case {
        bool cyclic;
        double depth, y;
    };
    const Case cases[] = {{false, 20, 0.05}, {false, 20, 0.5}, {false, 60, 0.2}, {false, 120, 1.5},
                          {false, 400, 0.8}, {true, 20, 0.05}, {true, 60, 0.5},  {true, 400, 2.0}};
    for (const Case& c : cases) {
        const int k = Api_Layer(33.0, 90.0);
        g.pd.b_CyclicLoading = c.cyclic ? kTrue : kFalse;
        Set_Deflections(c.y);
        Run_Layer(PY_APISand, k);
        const RefApi r = Ref_Api(24.0, c.depth, kGamma, 33.0, c.cyclic);
        const double want = Ref_Api_P(r, 90.0, c.depth, c.y) / c.y;
        EXPECT_NEAR(g.nodes.Es(Node_At(c.depth)), want, 1e-10 * want)
            << "cyclic " << c.cyclic << " depth " << c.depth << " y " << c.y;
    }
}

TEST(APISand, ZeroDeflectionGivesKxAndTheSurfaceNothing) {
    const int k = Api_Layer(33.0, 90.0);
    Set_Deflections(0.0);
    Run_Layer(PY_APISand, k);
    EXPECT_DOUBLE_EQ(g.nodes.Es(Node_At(60.0)), 90.0 * 60.0);
    Set_Deflections(0.4);
    Run_Layer(PY_APISand, k);
    EXPECT_DOUBLE_EQ(g.nodes.Es(1), 0.0);
}

TEST(APISand, FactorAReachesItsFloorAt2point625Diameters) {
    const int k = Api_Layer(33.0, 90.0);
    for (double d : {63.0, 100.0}) {
        const CurveText t = Report_Curve(PY_APISand, k, d);
        EXPECT_TRUE(Has_Line(t.report, Param("A", "     0.90000"))) << d;
    }
    const CurveText t = Report_Curve(PY_APISand, k, 24.0);
    EXPECT_TRUE(Has_Line(t.report, Param("A", Edit_F(3.0 - double(0.8f), 12, 5))));
}

TEST(APISand, ReportBlock) {
    const int k = Api_Layer(33.0, 90.0);
    const RefApi r = Ref_Api(24.0, 60.0, kGamma, 33.0, false);
    const CurveText t = Report_Curve(PY_APISand, k, 60.0);
    const auto lines = Lines(t.report);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[2], "p-y Curve Computed Using API Sand Criteria for Static Loading");
    for (const std::string& want : std::vector<std::string>{
             Param("Soil Layer Number", "           1"), Param("Equivalent Depth (see note)", "      60.000", "in"),
             Param("Diameter", "      24.000", "in"), Param("Friction Angle phi", "      33.000", "deg."),
             Param("Avg. Eff. Unit Wt.", "     0.06250", "lbs/in**3"), Param("k", "      90.000", "pci"),
             Param("C1", Edit_F(r.C1, 12, 5)), Param("C2", Edit_F(r.C2, 12, 5)), Param("C3", Edit_F(r.C3, 12, 5)),
             Param("Pus", Edit_F(r.pus, 12, 3), "lbs/in"), Param("Pud", Edit_F(r.pud, 12, 3), "lbs/in"),
             Param("Pu", Edit_F(r.pu, 12, 3), "lbs/in"),
             std::string("This p-y curve is computed using the equivalent depth."),
             "        y, in " + std::string(13, ' ') + "p,lbs/in", std::string("----------------    -----------------")})
        EXPECT_TRUE(Has_Line(t.report, want)) << want;
    // 17 points up to pi A pu / (k x), in F15.4 and F17.3.
    const double step = 0.19634954084936207 * r.A * r.pu / (60.0 * 90.0);
    const double y17 = 16 * step;
    EXPECT_TRUE(Has_Line(t.report, Edit_F(y17, 15, 4) + Edit_F(Ref_Api_P(r, 90.0, 60.0, y17), 17, 3)));
    const auto plot = Lines(t.plot);
    ASSERT_EQ(plot.size(), 18u);
    EXPECT_EQ(plot[0], Edit_E(60.0, 15, 7) + "   17" + std::string(60, ' ') +
                           "Line 7:  p-y curve depth in API sand, no. p-y points on curve no. 1");
    EXPECT_EQ(plot[17].substr(80), "Line 8(17): y, p, for API sand");
}

TEST(APISand, DefaultSubgradeModulusIsNotedAndClearsTheLayerValues) {
    const int k = Api_Layer(45.0, -1.0);
    const CurveText t = Report_Curve(PY_APISand, k, 60.0);
    EXPECT_TRUE(Has_Line(t.report, Param("k", "     160.547", "pci")));
    const auto lines = Lines(t.report);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], "");
    EXPECT_EQ(lines[lines.size() - 2], "The above p-y curve was computed using the internal default value of k.");
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(g.pd.rd_LayerKTop(k), 0.0);
    EXPECT_EQ(g.pd.rd_LayerKBottom(k), 0.0);
}

TEST(APISand, UnreasonableFrictionAngleRecordsWarning303) {
    const int k = Api_Layer(18.0, 90.0);
    Captured msg(g_Out.msg);
    Set_Deflections(0.1);
    Run_Layer(PY_APISand, k);
    EXPECT_EQ(g.err.i_WarningTally(303), g.nodes.i_NumNodes);
    EXPECT_EQ(msg.text(), "");
}

TEST(APISand, ZeroFrictionAngleBelowTheTopNodeIsInputError1) {
    const int k = Api_Layer(0.0, 90.0);
    g.pd.rd_ProfilePhi(2) = 30.0;  // zero at the layer top only
    Set_Deflections(0.1);
    Run_Layer(PY_APISand, k);
    EXPECT_EQ(g.err.i_ErrorState, 0);
    g.pd.rd_ProfilePhi(2) = 0.0;
    Captured rep(g_Out.report), msg(g_Out.msg);
    EXPECT_EQ(Stop_State([&] { Run_Layer(PY_APISand, k); }), 101);
    const std::string block =
        "**** Input Data Error No. 1 ****\n\n"
        "An error was detected in the input data when computing a p-y.\n"
        "curve using the API sand criteria for layer 1.\n\n"
        "Problem:  A zero was input for the friction angle for sand.\n\n"
        "Solution:  Check the friction angle values and revise the \n"
        "data to correct this problem.\n\n";
    EXPECT_EQ(msg.text(), block);
    EXPECT_EQ(rep.text(), block + "\n\nTarvex ended prematurely due to input error number INP00001\n");
}

// Every API sand layer, not only the first, rejects a slope steeper than phi:
// below it the curve would be not-a-number and reach the solver.
TEST(APISand, SlopeSteeperThanPhiInALowerLayerIsInputError2) {
    const int k1 = Api_Layer(40.0, 90.0);
    g.pd.XLayerBottom(k1) = g.pd.rd_ProfileDepth(2) = 120.0;
    const int k2 = Add_Layer(kAPISand, 120.0, 480.0);
    Set_Column(g.pd.rd_ProfileGamma, k2, kGamma, kGamma);
    Set_Column(g.pd.rd_ProfilePhi, k2, 25.0, 25.0);
    g.pd.rd_LayerKTop(k2) = g.pd.rd_LayerKBottom(k2) = 90.0;
    g.pd.rd_SlopeAngle = g.pd.rd_EffSlopeAngle = -30.0 * kPi / 180;
    Set_Deflections(0.1);
    Run_Layer(PY_APISand, k1);
    EXPECT_EQ(g.err.i_ErrorState, 0);
    for (int i = 1; i <= g.nodes.i_TopNodeInLayer(2) - 1; ++i) EXPECT_FALSE(std::isnan(g.nodes.Es(i))) << i;
    Captured rep(g_Out.report), msg(g_Out.msg);
    EXPECT_EQ(Stop_State([&] { Run_Layer(PY_APISand, k2); }), 102);
    const std::string block =
        "**** Input Data Error No. 2 ****\n\n"
        "An error was detected in the input data when computing a p-y.\n"
        "curve using the API criteria for sand for layer 2.\n\n"
        "Problem:  The angle of the ground slope can not be greater \n"
        "than the internal friction angle of the sand.\n\n"
        "Solution:  Set the value for slope angle to be less than \n"
        "the angle of friction.\n";
    EXPECT_EQ(msg.text(), block);
    EXPECT_EQ(rep.text(), block + "\n\nTarvex ended prematurely due to input error number INP00002\n");
}

}  // namespace
}  // namespace tarvex_test
