// p-y curves at requested depths: the order and numbering of the curves, the
// layer of a depth on a boundary, the points of a soft clay curve from
// Matlock's formulas, the framing of the report, a depth above the ground
// surface (non-fatal input error 23), and models without curves.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "soil/py_at_depths.h"
#include "soil/py_model_fixture.h"
#include "soil/py_models.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

constexpr double kC = 5.0, kGamma = 0.04, kEps50 = 0.01, kJ = 0.5, kB = 24.0;

// Soft clay from the head to 120 in over sand to the tip at 480 in; the sand's
// equivalent top depth as a solution pass left it.
void Set_Up_Clay_Over(int lower_model) {
    Set_Up_Soil_Pile(SoilPile{});
    const int clay = Add_Layer(kSoftClay, 0.0, 120.0);
    Set_Column(g.pd.rd_ProfileStrength, clay, kC, kC);
    Set_Column(g.pd.rd_ProfileGamma, clay, kGamma, kGamma);
    Set_Column(g.pd.rd_ProfileEps50, clay, kEps50, kEps50);
    Set_Column(g.pd.rd_ProfileJ, clay, kJ, kJ);
    const int lower = Add_Layer(lower_model, 120.0, 480.0);
    Set_Column(g.pd.rd_ProfileGamma, lower, 0.0625, 0.0625);
    Set_Column(g.pd.rd_ProfilePhi, lower, 35.0, 35.0);
    Set_Column(g.pd.rd_ProfileStrength, lower, 500.0, 500.0);
    g.pd.rd_LayerKTop(lower) = g.pd.rd_LayerKBottom(lower) = 60.0;
    g.soil.rd_XeqTop(lower) = 120.0;
}

void Request_Depths(std::initializer_list<double> depths) {
    g.pd.i_NumPYOutDepths = 0;
    for (double d : depths) g.pd.rd_PYOutDepth(++g.pd.i_NumPYOutDepths) = d;
    g.pd.i_PrintPYCurves = 1;
}

struct Output {
    std::string report, plot, msg;
    int state;
};

Output Run_At_Depths() {
    Captured rep(g_Out.report), plot(g_Out.plot), msg(g_Out.msg);
    const int state = Stop_State([] { PY_At_Depths(); });
    return {rep.text(), plot.text(), msg.text(), state};
}

const std::string kHeading = std::string(80, '-') + "\n" + std::string(20, ' ') +
                             "p-y Curves Reported for Specified Depths\n" + std::string(80, '-') + "\n";

TEST(PYAtDepths, SortedUniqueDepthsEachInItsLayer) {
    Set_Up_Clay_Over(kSand);
    // The report blocks that the models write for each depth by themselves.
    const std::string clay60 = Report_Curve(PY_SoftClay, 1, 60.0).report;
    const std::string sand120 = Report_Curve(PY_Sand, 2, 120.0).report;
    const std::string sand240 = Report_Curve(PY_Sand, 2, 240.0).report;

    Request_Depths({240.0, 60.0, 120.0, 60.0});
    const Output out = Run_At_Depths();
    ASSERT_EQ(out.state, 0);
    ASSERT_EQ(g.pd.i_NumPYOutDepths, 3);
    EXPECT_EQ(g.pd.rd_PYOutDepth(1), 60.0);
    EXPECT_EQ(g.pd.rd_PYOutDepth(2), 120.0);
    EXPECT_EQ(g.pd.rd_PYOutDepth(3), 240.0);
    EXPECT_EQ(out.msg, "Computing p-y curves for output at user-specified depths.\n");
    // The depth on the layer boundary, 120 in, is a sand curve of the lower layer.
    EXPECT_EQ(out.report, kHeading + clay60 + "\n\n\n" + sand120 + sand240 + "\n\n\n");

    // Plot records: the count, then the curves numbered 1 to 3 in depth order.
    const auto lines = Lines(out.plot);
    ASSERT_GE(lines.size(), 1u);
    EXPECT_EQ(lines[0], "    3" + std::string(75, ' ') + "Line 6 : number of output p-y curves");
    std::vector<std::string> curves;
    for (const auto& l : lines)
        if (l.find("Line 7") != std::string::npos) curves.push_back(l);
    ASSERT_EQ(curves.size(), 3u);
    EXPECT_EQ(curves[0].substr(0, 20), "  0.6000000E+02   17");
    EXPECT_NE(curves[0].find("soft clay, no. p-y points on curve no. 1"), std::string::npos);
    EXPECT_EQ(curves[1].substr(0, 15), "  0.1200000E+03");
    EXPECT_EQ(curves[1].back(), '2');
    EXPECT_EQ(curves[1].find("soft clay"), std::string::npos);
    EXPECT_EQ(curves[2].substr(0, 15), "  0.2400000E+03");
    EXPECT_EQ(curves[2].back(), '3');

    // Matlock (1970) at 60 in: Np = 3 + gamma x / c + J x / b, p = 0.5 pu (y / y50)^(1/3) up to 8 y50.
    const double pu = std::fmin(3.0 + kGamma * 60.0 / kC + kJ * 60.0 / kB, 9.0) * kC * kB;
    const double y50 = 2.5 * kEps50 * kB;
    const double mult[17] = {0, double(0.05f), 0.125, 0.25, 0.375, 0.5, 1, 1.5, 2, 2.5, 3, 4, 5, 6, 7, 8, 8.5};
    for (int j = 1; j <= 17; ++j) {
        const double y = mult[j - 1] * y50;
        const double p = y == 0 ? 0.0 : mult[j - 1] <= 8.0 ? 0.5 * pu * std::pow(y / y50, 0.3333333432674408) : pu;
        EXPECT_EQ(lines[1 + j], Edit_E(y, 15, 7) + Edit_E(p, 15, 7) + std::string(50, ' ') + "Line 8(" +
                                    std::to_string(j) + "): y, p, for soft clay");
    }

    // The pile nodes are back, each in its layer.
    const PileNode& nd = g.nodes;
    for (int i = 1; i <= 49; ++i) EXPECT_DOUBLE_EQ(nd.xa(i), (i - 1) * 10.0);
    EXPECT_EQ(nd.i_TopNodeInLayer(2), 13);
    EXPECT_EQ(nd.i_BottomNodeInLayer(1), 12);
    EXPECT_EQ(nd.i_BottomNodeInLayer(2), 49);
}

// API RP 2A sand (O'Neill and Murchison 1983) in level ground, computed here:
// p = A pu tanh(k x y / (A pu)) at y = (j - 1) (pi / 16) A pu / (k x), j = 1 .. 17.
TEST(PYAtDepths, ApiSandPointsFollowThePublishedFormulas) {
    Set_Up_Soil_Pile(SoilPile{});
    const int sand = Add_Layer(6, 0.0, 480.0);
    const double gamma = 0.0625, phid = 35.0, k = 90.0;
    Set_Column(g.pd.rd_ProfileGamma, sand, gamma, gamma);
    Set_Column(g.pd.rd_ProfilePhi, sand, phid, phid);
    g.pd.rd_LayerKTop(sand) = g.pd.rd_LayerKBottom(sand) = k;
    Request_Depths({120.0, 60.0});
    const Output out = Run_At_Depths();
    ASSERT_EQ(out.state, 0);

    const double pi = 3.141592653589793, phi = phid * pi / 180.0, K0 = 0.4000000059604645;
    const double alpha = phi / 2.0, beta = pi / 4.0 + phi / 2.0, Ka = std::pow(std::tan(pi / 4.0 - phi / 2.0), 2);
    const double tb = std::tan(beta), tp = std::tan(phi), ta = std::tan(alpha), tbp = std::tan(beta - phi);
    const double C1 = K0 * tp * std::sin(beta) / (tbp * std::cos(alpha)) + tb * tb * ta / tbp +
                      K0 * tb * (tp * std::sin(beta) - ta);
    const double C2 = tb / tbp - Ka;
    const double C3 = Ka * (std::pow(tb, 8) - 1.0) + K0 * tp * std::pow(tb, 4);
    std::vector<std::vector<double>> expected;  // y, p of the curves at 60 and 120 in
    for (double x : {60.0, 120.0}) {
        const double pu = std::fmin((C1 * x + C2 * kB) * gamma * x, C3 * kB * gamma * x);
        const double A = std::fmax(3.0 - 0.800000011920929 * x / kB, 0.8999999761581421);
        for (int j = 1; j <= 17; ++j) {
            const double y = (j - 1) * (pi / 16.0) * A * pu / (k * x);
            expected.push_back({y, A * pu * std::tanh(k * x * y / (A * pu))});
        }
    }
    std::vector<std::vector<double>> points;
    for (const auto& l : Lines(out.plot))
        if (l.find("Line 8(") != std::string::npos) points.push_back({std::stod(l.substr(0, 15)), std::stod(l.substr(15, 15))});
    ASSERT_EQ(points.size(), expected.size());
    for (size_t m = 0; m < points.size(); ++m)
        for (int c = 0; c < 2; ++c) EXPECT_NEAR(points[m][c], expected[m][c], 1e-6 * std::fabs(expected[m][c])) << m;
    EXPECT_NE(out.plot.find("  0.6000000E+02   17" + std::string(60, ' ') +
                            "Line 7:  p-y curve depth in API sand, no. p-y points on curve no. 1\n"),
              std::string::npos);
}

// A requested depth above the ground surface: the non-fatal error block, a
// "Line 7" record with no points, and no curve at any depth.
TEST(PYAtDepths, ADepthAboveTheGroundSurfaceIsInputError23) {
    Set_Up_Clay_Over(kSand);
    g.pd.XGround = 24.0;
    Request_Depths({60.0, 12.0});
    const Output out = Run_At_Depths();
    EXPECT_EQ(out.state, 123);
    const std::string block = "**** Input Data Error No. 23 (NON-FATAL) ****\n\n"
                              "p-y curves cannot be generated at depth number 1\n"
                              "This location is    12.000 in below the pile head and \n"
                              "is above the ground surface for this problem.\n\n"
                              "The ground surface is    24.000 in below the top of the pile.\n\n";
    EXPECT_EQ(out.report, kHeading + block);
    EXPECT_EQ(out.msg, "Computing p-y curves for output at user-specified depths.\n" + block);
    EXPECT_EQ(out.plot, "    2" + std::string(75, ' ') + "Line 6 : number of output p-y curves\n" +
                            "  0.1200000E+02    0" + std::string(60, ' ') + "Line 7:  p-y curve depth, no. p-y points\n");
    EXPECT_DOUBLE_EQ(g.nodes.xa(2), 10.0);  // the nodes are restored
}

TEST(PYAtDepths, ADepthAtTheGroundSurfaceIsAccepted) {
    Set_Up_Clay_Over(kSand);
    Request_Depths({0.0});
    const Output out = Run_At_Depths();
    EXPECT_EQ(out.state, 0);
    EXPECT_NE(out.plot.find("  0.0000000E+00   17"), std::string::npos);
}

// The input checks keep only depths down to the tip; a deeper one that reaches
// this stage falls to the deepest layer, whose profile ends at the tip: the
// profile lookup stops the run with its input error, never a curve made up.
TEST(PYAtDepths, ADepthBelowTheTipStopsInTheProfileLookup) {
    Set_Up_Clay_Over(kSand);
    Request_Depths({500.0});
    const Output out = Run_At_Depths();
    EXPECT_GT(out.state, 100);
    EXPECT_LT(out.state, 200);
    EXPECT_EQ(out.plot.find("Line 8"), std::string::npos);
}

// A model code without p-y curves writes no curve block, only the empty lines.
TEST(PYAtDepths, AModelWithoutCurvesWritesOnlyTheEmptyLines) {
    Set_Up_Clay_Over(kFrzSoil);
    Request_Depths({240.0, 300.0});
    const Output out = Run_At_Depths();
    EXPECT_EQ(out.state, 0);
    EXPECT_EQ(out.report, kHeading + "\n\n\n\n\n\n");
    EXPECT_EQ(Lines(out.plot).size(), 1u);
}

// A rock layer's curve at a requested depth is the one its criterion writes
// for that depth by itself (weak rock: RQD and k_rm from the profile).
TEST(PYAtDepths, ARockLayerReportsTheCurveOfItsCriterion) {
    Set_Up_Clay_Over(kWeakRock);
    Set_Column(g.pd.rd_ProfileRQD, 2, 50.0, 50.0);
    Set_Column(g.pd.rd_ProfileEps50, 2, 0.0005, 0.0005);
    g.pd.rd_LayerKTop(2) = g.pd.rd_LayerKBottom(2) = 100000.0;
    const std::string rock240 = Report_Curve(PY_WeakRock, 2, 240.0).report;
    Request_Depths({240.0});
    const Output out = Run_At_Depths();
    ASSERT_EQ(out.state, 0);
    EXPECT_FALSE(rock240.empty());
    EXPECT_NE(out.report.find(rock240), std::string::npos);
    EXPECT_NE(out.plot.find("Line 7"), std::string::npos);
}

}  // namespace
}  // namespace tarvex_test
