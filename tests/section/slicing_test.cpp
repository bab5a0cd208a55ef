// Slices of the section geometry against closed forms: circles, rings,
// rectangles, cores, polygons and the shares of single bars.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/store.h"
#include "section/section_analysis.h"
#include "section/section_store.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

// Circular segment of depth q of a circle of diameter d.
double Segment(double d, double q) {
    const double r = d / 2, h = std::fmin(q, d);
    return r * r * std::acos((r - h) / r) - (r - h) * std::sqrt(std::fmax(0.0, 2 * r * h - h * h));
}

void Set_Up(int type, int kind, double D) {
    One_Section_Store(type, kUnitsUS);
    g.pd.IUNITS = kUnitsUS;
    g.sec.geo.SectionKind = kind;
    g.sec.geo.D = D;
    g.sec.geo.W = D;
    g.sec.mat.fc = 4.0;
    g.sec.mat.fy = 60.0;
    g.sec.mat.Es = 29000.0;
}

double Sum(const Arr<double, kNumSlices>& a) {
    double s = 0;
    for (int i = 1; i <= kNumSlices; ++i) s += a(i);
    return s;
}

TEST(Slicing, SegmentAreaFollowsTheCircularSegment) {
    for (double q : {0.0, 0.36, 5.0, 18.0, 30.0, 36.0}) EXPECT_NEAR(fn_SegmentArea(36.0, q), Segment(36.0, q), 1e-9);
}

TEST(Slicing, CircleSlicesAreCircularSegmentsAndSumToTheDisk) {
    Set_Up(kDrilledShaft, kKindCircle, 36.0);
    Initialize_EI_Vars();
    const SectionSlices& sl = g.sec.sl;
    for (int i = 1; i <= kNumSlices; ++i)
        EXPECT_NEAR(sl.ConcreteArea(i), Segment(36.0, i * 0.36) - Segment(36.0, (i - 1) * 0.36), 1e-9) << i;
    EXPECT_NEAR(Sum(sl.ConcreteArea), kPi * 36 * 36 / 4, 1e-9);
    EXPECT_NEAR(sl.Depth(1), 0.18, 1e-12);
    EXPECT_NEAR(sl.Depth(100), 35.82, 1e-9);
}

TEST(Slicing, RectangleSlicesAreEqualBands) {
    Set_Up(kRectConcrete, kKindRectangle, 30.0);
    g.sec.geo.W = 20.0;
    Initialize_EI_Vars();
    EXPECT_NEAR(g.sec.sl.h, 0.3, 1e-12);
    for (int i = 1; i <= kNumSlices; ++i) EXPECT_NEAR(g.sec.sl.ConcreteArea(i), 6.0, 1e-12);
}

TEST(Slicing, PipeRingSumsToTheRingArea) {
    Set_Up(kSteelPipe, kKindSteelPipe, 24.0);
    g.sec.geo.CasingThickness = 0.5;
    g.sec.mat.i_ConcreteModel = 1;
    Initialize_EI_Vars();
    const SectionSlices& sl = g.sec.sl;
    EXPECT_NEAR(Sum(sl.CasingArea), kPi / 4 * (24.0 * 24.0 - 23.0 * 23.0), 1e-9);
    for (int i = 1; i <= kNumSlices; ++i) {
        const double outer = Segment(24.0, i * 0.24) - Segment(24.0, (i - 1) * 0.24);
        const double inner = Segment(23.0, std::fmax(0.0, i * 0.24 - 0.5)) - Segment(23.0, std::fmax(0.0, (i - 1) * 0.24 - 0.5));
        EXPECT_NEAR(sl.CasingArea(i), outer - inner, 1e-9) << i;
    }
    EXPECT_EQ(Sum(sl.ConcreteArea), 0.0);
}

TEST(Slicing, CasedShaftWithFilledCoreSharesTheDisk) {
    Set_Up(kCasedCoredShaft, kKindCasedCircleWithCore, 36.0);
    g.sec.geo.CasingThickness = 0.5;
    g.sec.geo.CoreDiameter = 12.0;
    g.sec.geo.CoreThickness = 0.5;
    g.sec.geo.b_CoreFilled = g.sec.geo.b_CoreFillOption = kTrue;
    g.sec.mat.i_CoreFill = 2;
    Initialize_EI_Vars();
    const SectionSlices& sl = g.sec.sl;
    const double ring = kPi / 4 * (36.0 * 36.0 - 35.0 * 35.0), core = kPi / 4 * (12.0 * 12.0 - 11.0 * 11.0);
    EXPECT_NEAR(Sum(sl.CasingArea), ring, 1e-9);
    EXPECT_NEAR(Sum(sl.CoreSteelArea), core, 1e-9);
    EXPECT_NEAR(Sum(sl.CoreConcreteArea), kPi / 4 * 11.0 * 11.0, 1e-9);
    EXPECT_NEAR(Sum(sl.ConcreteArea), kPi / 4 * (35.0 * 35.0 - 12.0 * 12.0), 1e-9);
    EXPECT_NEAR(sl.TotalCoreConcreteArea, kPi / 4 * 11.0 * 11.0, 1e-9);
}

TEST(Slicing, OctagonBandsSumToTheOctagon) {
    Set_Up(kOctSolidPrestressed, kKindPolygon, 24.0);
    g.sec.mat.i_SteelModel = kOrdinaryBars;  // no prestress set-up here
    Initialize_EI_Vars();
    const double b = 0.2071 * 24.0, a = 12.0;
    const double area = 4 * a * a - 2 * (a - b) * (a - b);
    EXPECT_NEAR(Sum(g.sec.sl.ConcreteArea), area, 1e-6);
    EXPECT_NEAR(g.sec.sl.ConcreteArea(50), 2 * a * 0.24, 1e-9);  // a band between the flats
}

// A bar adds exactly its area; a bar inside one slice adds it to that slice
// only; a bar above the top face is counted from slice 1 and loses nothing.
TEST(Slicing, BarSharesAddUpToTheBarArea) {
    Set_Up(kDrilledShaft, kKindCircle, 36.0);
    SectionGeometry& geo = g.sec.geo;
    geo.i_NumBars = 3;
    geo.BarY(1) = 10.0, geo.BarDiam(1) = 1.128, geo.BarArea(1) = 1.0;
    geo.BarY(2) = 17.82 - 0.05, geo.BarDiam(2) = 0.1, geo.BarArea(2) = 0.5;
    geo.BarY(3) = 18.2, geo.BarDiam(3) = 1.0, geo.BarArea(3) = 0.79;
    Initialize_EI_Vars();
    const SectionSlices& sl = g.sec.sl;
    EXPECT_NEAR(Sum(sl.BarArea), 2.29, 1e-12);
    EXPECT_NEAR(sl.BarArea(100), 0.0, 1e-12);
    const int s2 = fn_FindSliceY(17.77);
    EXPECT_EQ(s2, 1);
    double below_top = 0;
    for (int i = 2; i <= 20; ++i) below_top += sl.BarArea(i);
    EXPECT_NEAR(below_top, 0.0, 1e-12);
    const double de = std::sqrt(4.0 / kPi);  // equivalent diameter of bar 1
    const int it = fn_FindSliceY(10.0 + 0.564);
    EXPECT_NEAR(sl.BarArea(it), Segment(de, 10.564 - sl.B(it)), 1e-9);
}

TEST(Slicing, FindSliceYBoundaries) {
    Set_Up(kDrilledShaft, kKindCircle, 36.0);
    Initialize_EI_Vars();
    EXPECT_EQ(fn_FindSliceY(g.sec.sl.B(5)), 6);
    EXPECT_EQ(fn_FindSliceY(18.0), 1);
    EXPECT_EQ(fn_FindSliceY(19.0), 100);
}

}  // namespace
}  // namespace tarvex_test
