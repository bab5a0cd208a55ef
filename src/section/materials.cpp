// Stress-strain laws of the section materials and the axial force of the
// section at a curvature and neutral-axis depth. Compression is positive.
#include <cmath>

#include "engine/store.h"
#include "section/section_analysis.h"

namespace tarvex {
namespace {

constexpr double kKPaPerKsi = 6894.757;           // SI stresses are converted to ksi for the laws
constexpr double kEcPerRootFc = 57.0;             // ACI 318: Ec = 57000 sqrt(f'c) psi, here in ksi
constexpr double kRuptureBars = 0.0075;           // ACI 318: fr = 7.5 sqrt(f'c) psi
constexpr double kRupturePrestressed = 0.004;     // fr = 4 sqrt(f'c) psi for prestressed concrete
constexpr double kPeakStrainFactor = 1.7;         // eps0 = 1.7 f'c / Ec (Hognestad parabola)
constexpr double kCrushingStrain = 0.0038;        // end of the descending branch
constexpr double kCrushedStress = 0.001;          // stress of crushed concrete (not zero)
constexpr double kDescendingDrop = 0.15;          // f'c falls to 0.85 f'c at the crushing strain
constexpr double kSteelThresholdShare = 0.6;      // b_SteelAbove60
constexpr double kStrandModulus = 28500.0;        // ksi, PCI strand laws
constexpr double kBarModulus = 29000.0;           // ksi, high-strength bars

bool US() { return US_Section_Units(); }

// Hognestad parabola of the ascending branch.
double Parabola(double fc, double u) { return fc * (2 * u - u * u); }

// Elastic-perfectly plastic steel; a limited stress sets the yield flag.
double Elastic_Plastic(double E, double fy, double eps, Flag& yielded) {
    double s = E * eps;
    if (s > fy) s = fy, yielded = kTrue;
    if (s < -fy) s = -fy, yielded = kTrue;
    return s;
}

// Tension branch of the concrete: the parabola up to the modulus of rupture.
// Once the section has cracked, at its bottom face or at a slice, no slice
// below carries tension.
double Tension_Stress(double e, bool pre_cracked) {
    const SectionMaterials& m = g.sec.mat;
    SliceState& st = g.sec.st;
    if (on(st.b_Cracked)) return 0;
    const double s = -Parabola(m.fc, std::fabs(e / m.eps0));
    if (s < m.fr || pre_cracked) {
        st.b_Cracked = kTrue;
        return 0;
    }
    return s;
}

// Concrete of the section: Hognestad parabola, linear descending branch to the
// crushing strain, a small stress once crushed.
void Concrete_Stresses(double eps_bottom) {
    const SectionMaterials& m = g.sec.mat;
    SliceState& st = g.sec.st;
    st.b_Cracked = eps_bottom < m.epst ? kTrue : kFalse;
    for (int i = 1; i <= kNumSlices; ++i) {
        const double e = st.Strain(i);
        double s;
        if (e <= 0) {
            s = Tension_Stress(e, on(st.b_PreCracked));
        } else if (e <= kCrushingStrain) {
            const double u = e / m.eps0;
            s = u < 1 ? Parabola(m.fc, u) : m.fc - m.fc15 * (e - m.eps0) / (kCrushingStrain - m.eps0);
        } else {
            s = kCrushedStress;
        }
        st.ConcreteStress(i) = s;
    }
}

// Concrete filling the steel core: the parabola without a descending branch,
// held at zero where it would turn into tension under compression.
void Core_Concrete_Stresses() {
    const SectionMaterials& m = g.sec.mat;
    SliceState& st = g.sec.st;
    for (int i = 1; i <= kNumSlices; ++i) {
        const double e = st.Strain(i);
        double s;
        if (e <= 0)
            s = Tension_Stress(e, false);
        else if (e <= kCrushingStrain)
            s = std::fmax(0.0, Parabola(m.fc, e / m.eps0));
        else
            s = kCrushedStress;
        st.CoreConcreteStress(i) = s;
    }
}

// Steel laws are evaluated on the listed steel slices only: every other slice
// holds no steel, and its term of the force would be an exact zero.
void Bar_Stresses() {
    const SectionMaterials& m = g.sec.mat;
    const SectionSlices& sl = g.sec.sl;
    SliceState& st = g.sec.st;
    const bool has_bars = g.sec.geo.i_NumBars >= 1;
    for (int k = 1; k <= sl.i_NumSteelSlices; ++k) {
        const int i = sl.SteelSlice(k);
        double s = m.Es * st.Strain(i);
        if (std::fabs(s) > m.fy60) st.b_SteelAbove60 = kTrue;
        if (s > m.fy || s < -m.fy) {
            s = s > 0 ? m.fy : -m.fy;
            if (has_bars) st.b_Yielded = kTrue;
        }
        st.BarStress(i) = s;
    }
}

void Strand_Stresses() {
    const SectionMaterials& m = g.sec.mat;
    SliceState& st = g.sec.st;
    const SectionSlices& sl = g.sec.sl;
    const double scale = US() ? 1.0 : kKPaPerKsi;
    for (int k = 1; k <= sl.i_NumSteelSlices; ++k) {
        const int i = sl.SteelSlice(k);
        st.BarStress(i) = Strand_Stress(m.i_SteelModel, st.Strain(i) + m.eps_ps, m.fy) * scale;
    }
}

void Casing_Stresses() {
    const SectionMaterials& m = g.sec.mat;
    SliceState& st = g.sec.st;
    for (int i = 1; i <= kNumSlices; ++i)
        st.CasingStress(i) = Elastic_Plastic(m.CasingE, m.CasingFy, st.Strain(i), st.b_Yielded);
}

void Core_Steel_Stresses() {
    const SectionMaterials& m = g.sec.mat;
    const SectionSlices& sl = g.sec.sl;
    SliceState& st = g.sec.st;
    st.CoreStress.fill(0.0);
    if (!(g.sec.geo.CoreThickness > 0)) return;
    for (int i = sl.i_CoreTopSlice; i <= sl.i_CoreBottomSlice; ++i)
        st.CoreStress(i) = Elastic_Plastic(m.CoreE, m.CoreFy, st.Strain(i), st.b_Yielded);
}

double Sum_Force(const Arr<double, kNumSlices>& stress, const Arr<double, kNumSlices>& area) {
    double f = 0;
    for (int i = 1; i <= kNumSlices; ++i) f += stress(i) * area(i);
    return f;
}

double Sum_Steel_Force() {
    const SectionSlices& sl = g.sec.sl;
    const SliceState& st = g.sec.st;
    double f = 0;
    for (int k = 1; k <= sl.i_NumSteelSlices; ++k) f += st.BarStress(sl.SteelSlice(k)) * sl.BarArea(sl.SteelSlice(k));
    return f;
}

}  // namespace

// PCI design-handbook stress-strain laws of prestressing strand (250, 270 and
// 300 ksi low-relaxation) and of high-strength bars, in ksi; eps is the total
// strand strain, compression positive.
double Strand_Stress(int model, double eps, double fy) {
    const double a = std::fabs(eps);
    const double sign = eps < 0 ? -1.0 : 1.0;
    switch (model) {
        case 4:
            if (-0.0076 < eps && eps <= 0.0076) return kStrandModulus * eps;
            return sign * std::fmin(250.0, 250.0 - 0.04 / (a - 0.0064));
        case 5:
            if (-0.0086 <= eps && eps <= 0.0086) return kStrandModulus * eps;
            return sign * std::fmin(270.0, 270.0 - 0.04 / (a - 0.007));
        case 6:
            if (-0.0088846 < eps && eps <= 0.0088846) return kStrandModulus * eps;
            return sign * std::fmin(300.0, 300.0 - 0.0835 / (a - 0.0071));
        case 7:
            if (-0.005 < eps && eps <= 0.005) return kBarModulus * eps;
            return sign * 145.0;
        case 8:
            if (-0.005517241379310344 < eps && eps <= 0.005517241379310344) return kBarModulus * eps;
            return sign * 160.0;
        case 9:
            if (-fy / kBarModulus < eps && eps <= fy / kBarModulus) return kBarModulus * eps;
            return sign * fy;
        default: return 0.0;
    }
}

void Set_Concrete_Properties() {
    SectionMaterials& m = g.sec.mat;
    m.fy60 = kSteelThresholdShare * m.fy;
    if (m.i_ConcreteModel != 2) {
        m.Ec = 0;
        return;
    }
    const double to_ksi = US() ? 1.0 : 1.0 / kKPaPerKsi;
    const double fc = m.fc * to_ksi;
    const double s = std::sqrt(1000.0 * fc);
    const double Ec = kEcPerRootFc * s;
    const double fr = -(Section_Is_Prestressed() ? kRupturePrestressed : kRuptureBars) * s;
    m.eps0 = kPeakStrainFactor * fc / Ec;
    m.epst = -(1.0 - std::sqrt(fr / fc + 1.0)) * m.eps0;
    const double back = US() ? 1.0 : kKPaPerKsi;
    m.Ec = Ec * back;
    m.fr = fr * back;
    m.fc = fc * back;
    m.fc15 = kDescendingDrop * fc * back;
}

double Compute_Axial_Thrust_Force(double phi, double c) {
    const SectionGeometry& geo = g.sec.geo;
    const SectionSlices& sl = g.sec.sl;
    const SectionMaterials& m = g.sec.mat;
    SliceState& st = g.sec.st;
    for (int i = 1; i <= kNumSlices; ++i) st.Strain(i) = (c - sl.Depth(i)) * phi;
    st.ForceConcrete = st.ForceBars = st.ForceCasing = st.ForceCore = st.ForceCoreConcrete = 0;
    const int kind = geo.SectionKind;
    if (kind == kKindSteelPipe) {
        Casing_Stresses();
        st.ForceCasing = Sum_Force(st.CasingStress, sl.CasingArea);
        return st.ForceCasing;
    }
    Concrete_Stresses((c - geo.D) * phi + m.eps_pc);
    st.ForceConcrete = Sum_Force(st.ConcreteStress, sl.ConcreteArea);
    if (kind == kKindCasedCircle || kind == kKindCasedCircleWithCore) {
        Casing_Stresses();
        st.ForceCasing = Sum_Force(st.CasingStress, sl.CasingArea);
    }
    if (Section_Is_Prestressed())
        Strand_Stresses();
    else
        Bar_Stresses();
    st.ForceBars = Sum_Steel_Force();
    if (kind == kKindRectangleWithCore || kind == kKindCircleWithCore || kind == kKindCasedCircleWithCore ||
        kind == kKindPolygonWithCore) {
        Core_Steel_Stresses();
        st.ForceCore = Sum_Force(st.CoreStress, sl.CoreSteelArea);
    }
    if (m.i_CoreFill == 2 && on(geo.b_CoreFilled)) {
        Core_Concrete_Stresses();
        st.ForceCoreConcrete = Sum_Force(st.CoreConcreteStress, sl.CoreConcreteArea);
    } else {
        st.CoreConcreteStress.fill(0.0);
    }
    return st.ForceConcrete + st.ForceCasing + st.ForceBars + st.ForceCore + st.ForceCoreConcrete;
}

}  // namespace tarvex
