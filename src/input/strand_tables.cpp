// Standard prestressing strands and bars: ultimate strength and modulus of each
// strand type, diameter and area of each size code (single-precision values).
#include "engine/store.h"
#include "input/section_records.h"

namespace tarvex {
namespace {

constexpr double kSIInch = double(0.0254f);  // metres per inch as held in single precision

struct StrandSize {
    float diameter;  // in
    float area;      // in2
    double fpu;      // psi; 0: the type's strength
};

struct StrandType {
    double fpu;        // psi
    double modulusUS;  // ksi
    double modulusSI;  // kPa
    int sizes;
    StrandSize size[8];
};

constexpr StrandSize kSmoothBars[6] = {{0.75f, 0.442f, 0}, {0.875f, 0.601f, 0}, {1.0f, 0.785f, 0},
                                       {1.125f, 0.994f, 0}, {1.25f, 1.227f, 0}, {1.375f, 1.485f, 0}};

constexpr StrandType kStrandTypes[kNumStrandTypes] = {
    {250000, 28000, 193053200, 7,
     {{0.34f, 0.058f, 0}, {0.25f, 0.036f, 0}, {0.3125f, 0.058f, 0}, {0.375f, 0.08f, 0}, {0.4375f, 0.108f, 0},
      {0.5f, 0.144f, 0}, {0.6f, 0.216f, 0}}},
    {270000, 28000, 193053200, 8,
     {{0.34f, 0.058f, 0}, {0.375f, 0.085f, 0}, {0.4375f, 0.115f, 0}, {0.5f, 0.153f, 0}, {0.5f, 0.167f, 0},
      {0.5625f, 0.192f, 0}, {0.6f, 0.217f, 0}, {0.7f, 0.294f, 0}}},
    {300000, 28000, 193053200, 5,
     {{0.375f, 0.085f, 0}, {0.438f, 0.115f, 0}, {0.5f, 0.153f, 0}, {0.5f, 0.167f, 0}, {0.6f, 0.217f, 0}}},
    {145000, 29000, 199947760, 6,
     {kSmoothBars[0], kSmoothBars[1], kSmoothBars[2], kSmoothBars[3], kSmoothBars[4], kSmoothBars[5]}},
    {160000, 29000, 199947760, 6,
     {kSmoothBars[0], kSmoothBars[1], kSmoothBars[2], kSmoothBars[3], kSmoothBars[4], kSmoothBars[5]}},
    {0, 29000, 199947760, 6,
     {{0.625f, 0.28f, 157000}, {1.0f, 0.85f, 150000}, {1.0f, 0.85f, 160000}, {1.25f, 1.25f, 150000},
      {1.25f, 1.25f, 160000}, {1.375f, 1.58f, 150000}}},
};

}  // namespace

void Set_Strand_Properties(int s, int k, int type, int size) {
    if (type < 0 || type >= kNumStrandTypes) return;
    PileSection& sec = g.pd.Section(s);
    const StrandType& t = kStrandTypes[type];
    const bool si = g.pd.IUNITS == kUnitsSI;
    sec.rd_BarModulus = si ? t.modulusSI : t.modulusUS;
    if (t.fpu > 0) sec.rd_StrandFpu = t.fpu;
    if (size < 0 || size >= t.sizes) return;
    const StrandSize& z = t.size[size];
    if (z.fpu > 0) sec.rd_StrandFpu = z.fpu;
    sec.rd_BarDiam(k) = si ? double(z.diameter) * kSIInch : double(z.diameter);
    sec.rd_BarArea(k) = si ? double(z.area) * kSIInch * kSIInch : double(z.area);
}

double Deformed_Bar_Strength(int size) {
    const StrandType& t = kStrandTypes[kNumStrandTypes - 1];
    return size >= 0 && size < t.sizes ? t.size[size].fpu : t.size[1].fpu;
}

}  // namespace tarvex
