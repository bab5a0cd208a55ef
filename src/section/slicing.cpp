// Working geometry of a pile section and its 100 horizontal slices: the area
// of concrete, bars or strands, casing, core steel and core concrete that each
// slice holds, for bending about the x axis with the compression face on top.
#include <cmath>

#include "engine/store.h"
#include "output/report_lines.h"
#include "section/section_analysis.h"

namespace tarvex {
namespace {

constexpr double kOctagonFlatHalf = 0.2071;    // half flat of a regular octagon over its width across flats
constexpr double kSegmentClamp = 0.99;         // a chord parameter beyond +-1 is pulled back only past this
constexpr double kRightAngleTolerance = 1.0E-12;
constexpr double kCoincidentSquared = 1.0E-8;  // clipped polygon points closer than 1e-4 are merged

using SliceShares = Arr<double, kNumSlices>;

bool Has_Outline(int kind) {
    return kind == kKindRectangle || kind == kKindRectangleWithCore || kind == kKindPolygon ||
           kind == kKindPolygonWithCore;
}

void Set_Outline_Point(SectionGeometry& geo, int k, double x, double y) {
    geo.OutlineX(k) = x;
    geo.OutlineY(k) = y;
}

// The eight points of a chamfered square or a regular octagon, b the half flat.
void Set_Octagonal_Outline(SectionGeometry& geo, double a, double b) {
    geo.i_NumOutline = 8;
    Set_Outline_Point(geo, 1, b, -a);
    Set_Outline_Point(geo, 2, a, -b);
    Set_Outline_Point(geo, 3, a, b);
    Set_Outline_Point(geo, 4, b, a);
    Set_Outline_Point(geo, 5, -b, a);
    Set_Outline_Point(geo, 6, -a, b);
    Set_Outline_Point(geo, 7, -a, -b);
    Set_Outline_Point(geo, 8, -b, -a);
}

void Set_Rectangular_Outline(SectionGeometry& geo) {
    const double w = geo.W / 2, d = geo.D / 2;
    geo.i_NumOutline = 4;
    Set_Outline_Point(geo, 1, -w, -d);
    Set_Outline_Point(geo, 2, w, -d);
    Set_Outline_Point(geo, 3, w, d);
    Set_Outline_Point(geo, 4, -w, d);
}

// Outline of the polygon kinds, from the pile record; the boundaries follow its extent.
void Set_Outline_And_Boundaries() {
    SectionGeometry& geo = g.sec.geo;
    SectionSlices& sl = g.sec.sl;
    const int kind = geo.SectionKind;
    double ytop = geo.D / 2;
    if (Has_Outline(kind)) {
        if (kind == kKindRectangle || kind == kKindRectangleWithCore) {
            Set_Rectangular_Outline(geo);
        } else {
            const PileSection& sec = g.pd.Section(g.drv.i_CurrentSection);
            const double a = geo.D / 2;
            const bool octagon = sec.i_SectionType == kOctSolidPrestressed || sec.i_SectionType == kOctHollowPrestressed;
            Set_Octagonal_Outline(geo, a, octagon ? kOctagonFlatHalf * geo.D : a - sec.rd_ChamferSize);
        }
        double ymin = geo.OutlineY(1), ymax = geo.OutlineY(1);
        for (int k = 2; k <= geo.i_NumOutline; ++k) {
            ymin = std::fmin(ymin, geo.OutlineY(k));
            ymax = std::fmax(ymax, geo.OutlineY(k));
        }
        geo.D = ymax - ymin;
        sl.h = std::fabs(ymax - ymin) / kNumSlicesReal;
        ytop = ymax;
    } else {
        sl.h = geo.D / kNumSlicesReal;
    }
    for (int k = 0; k <= kNumSlices; ++k) sl.B(k) = ytop - k * sl.h;
}

// Shares of a circle of the given diameter, whose top lies at ytop and whose
// extent ends at ybottom, in the slices it crosses; they add up to `area`
// exactly. A top above the top face counts from slice 1.
void Distribute_Circle(double diameter, double ytop, double ybottom, double area, SliceShares& share, int& it,
                       int& ib) {
    const SectionSlices& sl = g.sec.sl;
    it = ytop > sl.B(0) ? 1 : fn_FindSliceY(ytop);
    ib = fn_FindSliceY(ybottom);
    if (ib < it) ib = it;
    for (int s = it; s < ib; ++s) share(s) = fn_SegmentArea(diameter, ytop - sl.B(s));
    share(ib) = area;
    for (int s = ib; s > it; --s) share(s) -= share(s - 1);
}

void Calculate_Concrete_Slice_Areas() {
    const SectionGeometry& geo = g.sec.geo;
    SectionSlices& sl = g.sec.sl;
    sl.ConcreteArea.fill(0.0);
    switch (geo.SectionKind) {
        case kKindRectangle:
        case kKindRectangleWithCore:
            for (int i = 1; i <= kNumSlices; ++i) sl.ConcreteArea(i) = geo.D * geo.W / kNumSlicesReal;
            break;
        case kKindCircle:
        case kKindCircleWithCore:
        case kKindCasedCircle:
        case kKindCasedCircleWithCore:
            for (int i = 1; i <= kNumSlices; ++i) sl.ConcreteArea(i) = fn_SegmentArea(geo.D, i * sl.h);
            for (int i = kNumSlices; i >= 2; --i) sl.ConcreteArea(i) -= sl.ConcreteArea(i - 1);
            break;
        case kKindPolygon:
        case kKindPolygonWithCore:
            for (int i = 1; i <= kNumSlices; ++i)
                sl.ConcreteArea(i) =
                    fn_PolygonBandArea(geo.OutlineX, geo.OutlineY, geo.i_NumOutline, sl.B(i), sl.B(i - 1));
            break;
        default: break;
    }
}

void Calculate_Rebar_Slice_Areas() {
    const SectionGeometry& geo = g.sec.geo;
    SectionSlices& sl = g.sec.sl;
    sl.BarArea.fill(0.0);
    int n = geo.i_NumBars;
    if (n > kMaxBars) {
        Report_Line("  Error in Calculate_Rebar_Slice_Areas - NumBars out of valid range = " + Int_Text(n) +
                    " (more than " + Int_Text(kMaxBars) + " bars)");
        n = kMaxBars;
    }
    SliceShares share;
    for (int j = 1; j <= n; ++j) {
        const double A = geo.BarArea(j);
        const double yt = geo.BarY(j) + geo.BarDiam(j) / 2;
        int it, ib;
        Distribute_Circle(std::sqrt(4.0 * A / kPi), yt, yt - geo.BarDiam(j), A, share, it, ib);
        for (int s = it; s <= ib; ++s) sl.BarArea(s) += share(s);
    }
    for (int i = 1; i <= kNumSlices; ++i) sl.ConcreteArea(i) -= sl.BarArea(i);
}

void Calculate_Casing_Slice_Areas() {
    const SectionGeometry& geo = g.sec.geo;
    SectionSlices& sl = g.sec.sl;
    const double D = geo.D, t = geo.CasingThickness;
    sl.CasingArea.fill(0.0);
    for (int i = 1; i < kNumSlices; ++i) sl.CasingArea(i) = fn_SegmentArea(D, D / 2 - sl.B(i));
    sl.CasingArea(kNumSlices) = kPi * D * D / 4;
    for (int i = kNumSlices; i >= 2; --i) sl.CasingArea(i) -= sl.CasingArea(i - 1);
    if (t > 0) {
        const double Di = D - 2 * t;
        SliceShares inner;
        int it, ib;
        Distribute_Circle(Di, D / 2 - t, -D / 2 + t, kPi * Di * Di / 4, inner, it, ib);
        for (int s = it; s <= ib; ++s) sl.CasingArea(s) -= inner(s);
    }
    if (geo.SectionKind != kKindSteelPipe)
        for (int i = 1; i <= kNumSlices; ++i) sl.ConcreteArea(i) -= sl.CasingArea(i);
}

void Calculate_Core_Slice_Areas() {
    const SectionGeometry& geo = g.sec.geo;
    SectionSlices& sl = g.sec.sl;
    const double Dc = geo.CoreDiameter, tc = geo.CoreThickness;
    sl.CoreSteelArea.fill(0.0);
    sl.CoreConcreteArea.fill(0.0);
    sl.TotalCoreConcreteArea = 0;
    sl.i_CoreTopSlice = 1;
    sl.i_CoreBottomSlice = 0;
    if (Dc <= 0) return;
    SliceShares outer, inner;
    int it, ib;
    Distribute_Circle(Dc, Dc / 2, -Dc / 2, kPi * Dc * Dc / 4, outer, it, ib);
    for (int s = it; s <= ib; ++s) sl.ConcreteArea(s) -= outer(s);
    sl.i_CoreTopSlice = it;
    sl.i_CoreBottomSlice = ib;
    if (!(tc > 0 || on(geo.b_CoreFillOption))) return;
    const double Di = Dc - 2 * tc;
    int jt = it, jb = it - 1;
    if (Di > 0) Distribute_Circle(Di, Dc / 2 - tc, -Dc / 2 + tc, kPi * Di * Di / 4, inner, jt, jb);
    for (int s = it; s <= ib; ++s) {
        const double in = (s >= jt && s <= jb) ? inner(s) : 0.0;
        sl.CoreSteelArea(s) = outer(s) - in;
        if (on(geo.b_CoreFilled)) {
            sl.CoreConcreteArea(s) = in;
            sl.TotalCoreConcreteArea += in;
        }
    }
}

// The slices whose bar laws matter: those holding steel, and the top and bottom
// slices, which carry the extreme steel strains (the strain is linear in depth)
// and so the yield flags and extreme stresses of the whole section.
void List_Steel_Slices() {
    SectionSlices& sl = g.sec.sl;
    sl.i_NumSteelSlices = 0;
    for (int i = 1; i <= kNumSlices; ++i)
        if (i == 1 || i == kNumSlices || sl.BarArea(i) != 0.0) sl.SteelSlice(++sl.i_NumSteelSlices) = i;
}

void Calculate_Slice_Depths() {
    SectionSlices& sl = g.sec.sl;
    const double D = g.sec.geo.D;
    sl.Depth(1) = D / (2 * kNumSlicesReal);
    for (int i = 1; i < kNumSlices; ++i) sl.Depth(i + 1) = sl.Depth(i) + D / kNumSlicesReal;
}

bool Has_Core(int kind) {
    return kind == kKindRectangleWithCore || kind == kKindCircleWithCore || kind == kKindCasedCircleWithCore ||
           kind == kKindPolygonWithCore;
}

}  // namespace

bool Section_Is_Prestressed() { return g.sec.mat.i_SteelModel >= kPrestressedModel; }
bool US_Section_Units() { return g.sec.i_SectionUnits == kUnitsUS; }

int fn_FindSliceY(double y) {
    const SectionSlices& sl = g.sec.sl;
    for (int i = 1; i <= kNumSlices; ++i)
        if (sl.B(i - 1) >= y && y > sl.B(i)) return i;
    return kNumSlices;
}

double fn_SegmentArea(double diameter, double depth) {
    double b = 1.0 - depth / (diameter / 2);
    if (std::fabs(b) > 1.0) {
        if (b > kSegmentClamp) b = 1.0;
        if (b < -kSegmentClamp) b = -1.0;
    }
    double theta;
    if (std::fabs(b) < kRightAngleTolerance) {
        theta = kPi / 2;
    } else {
        theta = std::atan(std::sqrt(std::fabs(1.0 - b * b)) / b);
        if (b < 0) theta += kPi;
    }
    return diameter * diameter / 8 * (2 * theta - std::sin(2 * theta));
}

namespace {

// Area of the part of the polygon with y <= Y (clipped against the half-plane).
double Area_Below(const Arr<double, kMaxOutlinePoints>& px, const Arr<double, kMaxOutlinePoints>& py, int n, double Y) {
    constexpr int kMaxClipped = 2 * kMaxOutlinePoints;
    double cx[kMaxClipped], cy[kMaxClipped];
    int m = 0;
    auto add = [&](double x, double y) {
        for (int k = 0; k < m; ++k) {
            const double dx = cx[k] - x, dy = cy[k] - y;
            if (dx * dx + dy * dy < kCoincidentSquared) return;
        }
        if (m < kMaxClipped) cx[m] = x, cy[m] = y, ++m;
    };
    for (int k = 1; k <= n; ++k) {
        const int next = k == n ? 1 : k + 1;
        const double x1 = px(k), y1 = py(k), x2 = px(next), y2 = py(next);
        const bool in1 = y1 <= Y, in2 = y2 <= Y;
        if (in1) add(x1, y1);
        if (in1 != in2) {
            const double x = (x1 == x2) ? x1 : x1 + (x2 - x1) * (Y - y1) / (y2 - y1);
            add(x, Y);
        }
    }
    if (m < 3 || m > kNumSlices) return 0.0;
    double a = 0;
    for (int k = 0; k < m; ++k) {
        const int next = (k + 1) % m;
        a += cx[k] * cy[next] - cx[next] * cy[k];
    }
    return a / 2;
}

}  // namespace

double fn_PolygonBandArea(const Arr<double, kMaxOutlinePoints>& px, const Arr<double, kMaxOutlinePoints>& py,
                          int n, double y_low, double y_high) {
    return Area_Below(px, py, n, y_high) - Area_Below(px, py, n, y_low);
}

void Initialize_EI_Vars() {
    SectionGeometry& geo = g.sec.geo;
    SectionSlices& sl = g.sec.sl;
    const int kind = geo.SectionKind;
    Set_Outline_And_Boundaries();
    sl.BarArea.fill(0.0);
    sl.CasingArea.fill(0.0);
    sl.CoreSteelArea.fill(0.0);
    sl.CoreConcreteArea.fill(0.0);
    sl.TotalCoreConcreteArea = 0;
    Calculate_Concrete_Slice_Areas();
    if (kind == kKindCasedCircle || kind == kKindCasedCircleWithCore || kind == kKindSteelPipe)
        Calculate_Casing_Slice_Areas();
    if (kind != kKindSteelPipe) Calculate_Rebar_Slice_Areas();
    if (Has_Core(kind)) Calculate_Core_Slice_Areas();
    Calculate_Slice_Depths();
    List_Steel_Slices();
    sl.TotalConcreteArea = 0;
    sl.TotalBarArea = 0;
    if (kind != kKindSteelPipe)
        for (int i = 1; i <= kNumSlices; ++i) {
            sl.TotalConcreteArea += sl.ConcreteArea(i);
            sl.TotalBarArea += sl.BarArea(i);
        }
    Set_Section_Materials();
}

void Set_Section_Materials() {
    Set_Concrete_Properties();
    if (Section_Is_Prestressed()) Calculate_Strains_Due_To_Prestressing();
}

}  // namespace tarvex
