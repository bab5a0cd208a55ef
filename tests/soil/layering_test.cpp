// Layering correction: the equivalent depth of a layer's top from the
// resistance of the layers above it.
#include <gtest/gtest.h>

#include <cmath>

#include "soil/layering.h"
#include "soil/py_models.h"
#include "soil/reese_sand_tables.h"
#include "soil/soil_profile.h"
#include "soil_fixture.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

// Soft clay below a 60-inch layer on a 12-inch pile, no unit weight, J = 0.5:
// the layer above gives F = c1 (3 b T + 0.25 T^2) = 3060 c1 and the soft clay
// below, with strength c, reaches F at 3 b c x + 0.25 c x^2 = F, that is
// x^2 + 144 x - 4 F / c = 0.
double Hand_Equivalent_Depth(double F, double c) { return (-144.0 + std::sqrt(144.0 * 144.0 + 16.0 * F / c)) / 2; }

void Set_Top(double b, double c, double gamma, double J) {
    g.soil.top.b = b, g.soil.top.c = c, g.soil.top.gamma = gamma, g.soil.top.J = J;
}

TEST(Layering, SoftClayUnderAStrongerAndAWeakerLayer) {
    Set_Up_Soil(kUnitsUS, 120.0, 12.0, 120, {{kSoftClay, 0.0, 60.0, 10, 10}, {kSoftClay, 60.0, 120.0, 5, 5}});
    g.soil.rd_LayerResistance(1) = 3060.0 * 10;  // stronger above: c1 = 10 over c = 5
    Set_Top(12.0, 5.0, 0.0, 0.5);
    Layering_Correction(2);
    EXPECT_NEAR(g.soil.rd_XeqTop(2), 100.23240, 1e-5);
    EXPECT_NEAR(g.soil.rd_XeqTop(2), Hand_Equivalent_Depth(30600.0, 5.0), 1e-12);
    g.soil.rd_LayerResistance(1) = 3060.0 * 2;  // weaker above: c1 = 2 over c = 8
    Set_Top(12.0, 8.0, 0.0, 0.5);
    Layering_Correction(2);
    EXPECT_NEAR(g.soil.rd_XeqTop(2), 18.79648, 1e-5);
    g.soil.rd_LayerResistance(1) = 3060.0 * 4;  // the same soil above: the true depth
    Set_Top(12.0, 4.0, 0.0, 0.5);
    Layering_Correction(2);
    EXPECT_NEAR(g.soil.rd_XeqTop(2), 60.0, 1e-12);
}

// The layer-1 resistance summed by the soft clay routine itself over nodes 1
// to 60 (h = 1): trapezoids to xa = 59 and pu(59) over the last increment,
// that is 3060 c1 - 0.25 c1. The interface node takes the mean strength.
TEST(Layering, SoftClayRoutinesCarryTheResistanceDown) {
    for (auto [c1, c2] : {std::pair{10.0, 5.0}, std::pair{2.0, 8.0}}) {
        Set_Up_Soil(kUnitsUS, 120.0, 12.0, 120,
                    {{kSoftClay, 0.0, 60.0, c1, c1, 0, 0, 0.01, 0.01}, {kSoftClay, 60.0, 120.0, c2, c2, 0, 0, 0.01, 0.01}});
        PileNode& nd = g.nodes;
        nd.rd_IncrementLength = 1.0;
        for (int i = 1; i <= 121; ++i) nd.xa(i) = nd.xv(i) = i - 1.0;
        nd.ITOP = 1, nd.IBOT = 60;
        PY_SoftClay(1);
        EXPECT_NEAR(g.soil.rd_LayerResistance(1), 3059.75 * c1, 1e-9);
        nd.ITOP = 61, nd.IBOT = 121;
        PY_SoftClay(2);
        const double x = Hand_Equivalent_Depth(3059.75 * c1, (c1 + c2) / 2);
        EXPECT_NEAR(g.soil.rd_XeqTop(2), x, 1e-9);
        EXPECT_EQ(c1 > c2, x > 60.0);
    }
}

TEST(Layering, SoftClayBeyondTheTransitionDepthExtendsLinearly) {
    Set_Up_Soil(kUnitsUS, 120.0, 12.0, 120, {{kSoftClay, 0.0, 60.0, 10, 10}, {kSoftClay, 60.0, 120.0, 5, 5}});
    Set_Top(12.0, 5.0, 0.0, 0.5);
    const double Xr = 6 * 12.0 * 5.0 / (0.5 * 5.0);                  // 144
    const double fxr = ((3 * 5.0 + 0.5 * Xr * 0.0) * 12.0 + 0.25 * Xr * 5.0) * Xr;
    g.soil.rd_LayerResistance(1) = fxr + 540.0;
    Layering_Correction(2);
    EXPECT_NEAR(g.soil.rd_XeqTop(2), Xr + 540.0 / (9 * 12.0 * 5.0), 1e-12);  // one inch at 9 b c
    g.pd.b_CyclicLoading = kTrue;
    const double fxr_c = (1.5 * Xr * 12.0 * 5.0 + 5.0 * Xr * Xr / 6) * double(0.72f);
    g.soil.rd_LayerResistance(1) = fxr_c + 6.48 * 60.0;
    Layering_Correction(2);
    EXPECT_NEAR(g.soil.rd_XeqTop(2), Xr + 1.0, 1e-6);  // one inch at 6.48 b c
}

TEST(Layering, StiffClayWithoutFreeWaterSolvesItsQuadratic) {
    Set_Up_Soil(kUnitsUS, 240.0, 12.0, 120, {{kSoftClay, 0.0, 60.0, 10, 10}, {kStfClyAW, 60.0, 240.0, 10, 10}});
    LayerTopProperties& t = g.soil.top;
    t.b = 12.0, t.c = 10.0, t.ca = 10.0, t.gamma = 0.03;
    // 10 inches of this clay: (0.25 ca + 0.5 gamma b) 100 + 3 b ca 10 (below its Xr of 134 in).
    g.soil.rd_LayerResistance(1) = (0.25 * 10 + 0.5 * 0.03 * 12) * 100 + 3 * 12 * 10 * 10.0;
    Layering_Correction(2);
    EXPECT_NEAR(g.soil.rd_XeqTop(2), 10.0, 1e-12);
}

// Reese sand, phi = 30 degrees: the sum of 100 of the 500 steps of the shallow
// resistance is reached at 100 steps.
TEST(Layering, SandReachesTheResistanceAtTheMatchingStep) {
    Set_Up_Soil(kUnitsUS, 240.0, 12.0, 120, {{kSoftClay, 0.0, 60.0, 10, 10}, {kSand, 60.0, 240.0, 0, 0}});
    const double phi = 30.0 * 3.141592653589793 / 180, a = phi / 2, be = 3.141592653589793 / 4 + phi / 2;
    const double K0 = 0.4, Ka = 1.0 / 3, Kp = 3.0, b = 12.0, gm = 0.03;
    g.soil.top = {b, 0.0, 0.0, gm, 0.0, phi, a, be, K0, Ka, Kp};
    const double c1 = std::tan(be) * (Kp * std::tan(a) + K0 * (std::tan(phi) * std::sin(be) * (1 / std::cos(a) + 1) - std::tan(a)));
    const double c2 = Kp - Ka, c3 = Kp * Kp * (Kp + K0 * std::tan(phi)) - Ka, G = gm * b * b;
    const double dz = (c3 - c2) * b / c1 / 500;
    double s = 0, p0 = 0;
    for (int i = 1; i <= 100; ++i) {
        const double z = i * dz;
        const double p = fn_Table10(z, b, kReeseAStatic, kReeseSandAbscissa) * G * (c1 * (z / b) * (z / b) + c2 * z / b);
        s += (p0 + p) * dz / 2;
        p0 = p;
    }
    g.soil.rd_LayerResistance(1) = s;
    Layering_Correction(2);
    EXPECT_NEAR(g.soil.rd_XeqTop(2), 100 * dz, 1e-9);
}

TEST(Layering, NoResistanceAboveGivesAGroundSurfaceForEveryModel) {
    for (int model : {kSoftClay, kSoftClyJ, kStfClyAW, kStfClyAK, kStfClyBW, kSand, kAPISand, kCemSilt}) {
        Set_Up_Soil(kUnitsUS, 120.0, 12.0, 120, {{kElastSG, 0.0, 60.0, 0, 0}, {model, 60.0, 120.0, 5, 5}});
        LayerTopProperties& t = g.soil.top;
        t = {12.0, 5.0, 5.0, 0.03, 0.5, 0.5235987755982988, 0.2617993877991494, 1.0471975511965976, 0.4,
             0.3333333333333333, 3.0};
        g.soil.rd_XeqTop(0) = 1.0;
        Layering_Correction(2);
        EXPECT_NEAR(g.soil.rd_XeqTop(2), 0.0, 1e-12) << model;
    }
}

TEST(Layering, SavedResistanceStandsInForALayerWithoutOne) {
    Set_Up_Soil(kUnitsUS, 180.0, 12.0, 120,
                {{kLiqSand, 0.0, 30.0, 0, 0}, {kSoftClay, 30.0, 60.0, 4, 4}, {kSoftClay, 60.0, 180.0, 4, 4}});
    g.soil.rd_LayerResistance(1) = 0.005;
    g.soil.rd_LayerResistanceSaved(1) = 3060.0 * 4 - 1000.0;
    g.soil.rd_LayerResistance(2) = 1000.0;
    Set_Top(12.0, 4.0, 0.0, 0.5);
    Layering_Correction(3);
    EXPECT_NEAR(g.soil.rd_XeqTop(3), 60.0, 1e-12);
    EXPECT_EQ(g.soil.rd_LayerResistance(1), 3060.0 * 4 - 1000.0);
}

}  // namespace
}  // namespace tarvex_test
