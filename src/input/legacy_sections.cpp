// Section data of the earlier file formats.
//
// Layout of one section (the earlier formats fix only the sequence of lines):
//   type line        legacy type T (section type T - 1); the untagged file adds an integer
//   materials        f'c, bar yield stress, casing yield stress, casing modulus
//   dimensions       width, diameter, core diameter, casing wall, core wall
//   (untagged only)  seven material constants of the earlier program, not used here
//   T = 5 (steel pipe) ends here
//   reinforcement    area of one bar, number of bars m of a generated layout, number of
//                    listed bars nb, clear cover over the bars
//   nb bar lines     x and y of a bar centre from the section centre (y in the bending direction)
//   T > 5            area of one strand, ultimate strength of the strand, initial prestress force
// With nb = 0, a concrete section of T <= 4 gets a symmetric layout of m bars:
// evenly on a circle at the cover (round sections), or in two equal rows at
// the cover of the two faces normal to the bending direction (rectangular).
#include <utility>
#include <cmath>
#include <vector>

#include "engine/store.h"
#include "input/input_errors.h"
#include "input/legacy_sections.h"
#include "input/section_records.h"
#include "input/value_reader.h"

namespace tarvex {
namespace {

constexpr double kPoundsPerKip = 1000.0;
constexpr int kMaxLegacyBars = 100;
constexpr int kLegacyRectangular = 1;
constexpr int kLegacyCasedCored = 4;
constexpr int kLegacySteelPipe = 5;
constexpr int kLegacyOctagonalSolid = 8;  // T = 8 and 9 take the diameter as their width
constexpr int kLegacyOctagonalHollow = 9;
constexpr int kNumLegacyTypes = 15;
constexpr double kPi = 3.141592653589793;

void Read_Thrust_List() {
    ProblemData& pd = g.pd;
    pd.i_NumThrusts = Read_Legacy_Count(kMaxThrusts, "axial thrust loads");
    for (int t = 1; t <= pd.i_NumThrusts; ++t) {
        Read_Values({pd.rd_ThrustList(t)});
        if (pd.IUNITS == kUnitsUS) pd.rd_ThrustList(t) /= kPoundsPerKip;
    }
    // Ascending, equal values kept (at most 100 values: an insertion sort, no allocation).
    for (int t = 2; t <= pd.i_NumThrusts; ++t)
        for (int u = t; u > 1 && pd.rd_ThrustList(u - 1) > pd.rd_ThrustList(u); --u)
            std::swap(pd.rd_ThrustList(u - 1), pd.rd_ThrustList(u));
    if (pd.ICOM != kMomentCapacityOnly) return;
    // The moment-capacity mode reads its thrusts as the keyword file's thrust loads.
    pd.i_NumLoads = pd.i_NumThrusts;
    for (int t = 1; t <= pd.i_NumThrusts; ++t)
        pd.rd_AxialThrust(t) = pd.rd_ThrustList(t) * (pd.IUNITS == kUnitsUS ? kPoundsPerKip : 1.0);
}

// m bars at the cover: two rows of a rectangular section (an odd bar goes to
// the compression face), or one circle of a round one.
void Generate_Bar_Layout(int T, PileSection& sec, int m, double& diameter) {
    sec.i_NumBars = m;
    if (T == kLegacyRectangular) {
        const int top = (m + 1) / 2, bottom = m - top;
        const double half_depth = sec.rd_SectionDepth / 2 - sec.rd_Cover - diameter / 2;
        const double half_width = sec.rd_SectionWidth / 2 - sec.rd_Cover - diameter / 2;
        auto row = [&](int first, int count, double y) {
            for (int i = 0; i < count; ++i) {
                const double x = count == 1 ? 0.0 : -half_width + 2 * half_width * i / (count - 1);
                sec.rd_BarX(first + i) = x;
                sec.rd_BarY(first + i) = y;
            }
        };
        row(1, top, half_depth);
        row(top + 1, bottom, -half_depth);
        return;
    }
    if (!Place_Bars_On_Circle(sec.rd_BarX, sec.rd_BarY, sec.rd_SectionDiameter, sec.rd_Cover, diameter, m, 1))
        sec.i_NumBars = 0;
}

void Read_Reinforcement(int T, PileSection& sec) {
    double area = 0, cover = 0;
    int size = 0, nb = 0;
    Read_Values({area, size, nb, cover});
    if (nb > kMaxLegacyBars) Legacy_Too_Many_Bars_Error(nb);
    sec.rd_Cover = cover;
    sec.i_NumBars = nb < 0 ? 0 : nb;
    double diameter = area > 0 ? std::sqrt(4.0 * area / kPi) : 0.0;
    for (int k = 1; k <= sec.i_NumBars; ++k) Read_Values({sec.rd_BarX(k), sec.rd_BarY(k)});
    if (sec.i_NumBars == 0 && T <= kLegacyCasedCored && size > 0) {
        if (size > kMaxLegacyBars) Legacy_Too_Many_Bars_Error(size);
        Generate_Bar_Layout(T, sec, size, diameter);
    }
    for (int k = 1; k <= sec.i_NumBars; ++k) {
        sec.rd_BarArea(k) = area;
        sec.rd_BarDiam(k) = diameter;
    }
    if (T <= kLegacyCasedCored) return;
    Read_Values({sec.rd_StrandArea, sec.rd_StrandFpu, sec.rd_PrestressForce});
    sec.i_NumStrands = sec.i_NumBars;
    sec.i_NumBars = 0;
    sec.rd_StrandDiameter = sec.rd_StrandArea > 0 ? std::sqrt(4.0 * sec.rd_StrandArea / kPi) : 0.0;
    for (int k = 1; k <= sec.i_NumStrands; ++k) {
        sec.rd_BarArea(k) = sec.rd_StrandArea;
        sec.rd_BarDiam(k) = sec.rd_StrandDiameter;
    }
}

void Read_Section(int s, LegacyFlavour flavour) {
    ProblemData& pd = g.pd;
    PileSection& sec = pd.Section(s);
    int T = 0, extra = 0;
    if (flavour == LegacyFlavour::Tagged)
        Read_Values({T});
    else
        Read_Values({T, extra});
    Check_Code(T, 1, kNumLegacyTypes, "legacy section type");
    sec.i_SectionType = T - 1;
    Read_Values({sec.rd_ConcreteFc, sec.rd_BarYield, sec.rd_CasingYield, sec.rd_CasingModulus});
    Read_Values({sec.rd_SectionWidth, sec.rd_SectionDiameter, sec.rd_CoreDiameter, sec.rd_CasingThickness,
                 sec.rd_CoreThickness});
    if (T == kLegacyOctagonalSolid || T == kLegacyOctagonalHollow) sec.rd_SectionWidth = sec.rd_SectionDiameter;
    if (T == kLegacyRectangular) sec.rd_SectionDepth = sec.rd_SectionDiameter;
    if (T == kLegacyCasedCored && sec.rd_CoreDiameter <= 0) Legacy_Core_Diameter_Error(sec.rd_CoreDiameter, s);
    if (flavour == LegacyFlavour::Untagged) {
        double constants[7] = {};
        Read_Values({constants[0], constants[1], constants[2], constants[3], constants[4], constants[5],
                     constants[6]});
    }
    if (T == kLegacySteelPipe) return;
    Read_Reinforcement(T, sec);
}

}  // namespace

void Read_Legacy_Sections(LegacyFlavour flavour) {
    ProblemData& pd = g.pd;
    pd.i_NumSections = Read_Legacy_Count(kMaxSections, "pile sections");
    Read_Thrust_List();
    for (int s = 1; s <= pd.i_NumSections; ++s) Read_Section(s, flavour);
}

}  // namespace tarvex
