// Moment-curvature curves of a section, one per axial thrust, by strain
// compatibility: at each curvature the neutral axis is moved until the section's
// axial force equals the thrust; the nominal moment capacity is read at a
// compressive strain of 0.003 (ACI 318).
#include <cmath>
#include <string>

#include "engine/store.h"
#include "output/report_lines.h"
#include "section/curve_report.h"
#include "section/section_analysis.h"

namespace tarvex {
namespace {

constexpr double kBaseCurvatureUS = 1.25E-6;                 // rad/in for a section up to 24 in
constexpr double kBaseCurvatureSI = 4.921259901994065E-5;    // rad/m, the same increment
constexpr double kMetresPerInch = 0.02539999969303608;
constexpr double kReferenceDiameterInches = 24.0;
constexpr double kSearchStepUS = 1.0E-7, kSearchToleranceUS = 1.0E-6;   // in
constexpr double kSearchStepSI = 2.54E-9, kSearchToleranceSI = 2.54E-8; // m
constexpr double kFallbackStep = 1.0E-8;
constexpr int kMaxSearchIterations = 1000;
constexpr double kCapacityStrain = 0.003;        // ACI 318 limiting compressive strain
constexpr double kCrushingStrain = 0.0038;       // end of a concrete curve
constexpr double kTensionControlledStrain = -0.005;
constexpr double kShallowTensionZone = 0.1;      // prestressed: curve ends when c < 0.1 D
constexpr double kPipeYieldStrainFactor = 1.7;   // increment: 1.7 Fy / E over 80 steps
constexpr double kPipeEndStrainFactor = 5.0;     // pipe curve ends at 5 Fy / E
constexpr double kPipeIncrementSteps = 80.0;
constexpr int kNonFiniteTableError = 45;
constexpr int kNoStiffnessError = 46;

bool Is_Concrete_Kind() { return g.sec.geo.SectionKind != kKindSteelPipe; }

int NINT(double x) { return int(std::lround(x)); }

double Base_Increment() {
    const double D24 = g.pd.Section(g.drv.i_CurrentSection).rd_SectionDiameter;
    if (US_Section_Units()) return kBaseCurvatureUS / std::max(1, NINT(D24 / kReferenceDiameterInches));
    return kBaseCurvatureSI / std::max(1, NINT(D24 / kMetresPerInch / kReferenceDiameterInches));
}

double Pipe_Increment(double T) {
    const SectionMaterials& m = g.sec.mat;
    const double A = m.PipeArea, E = m.CasingE, Fy = m.CasingFy;
    return (kPipeYieldStrainFactor * Fy / E - T / (A * E)) / (g.sec.geo.D / 2) / kPipeIncrementSteps;
}

// Curvature step of point p: doubled at point 40, times 4 at 80, times 6 at 120.
double Step_Factor(int p) {
    if (p >= 120) return 48.0;
    if (p >= 80) return 8.0;
    if (p >= 40) return 2.0;
    return 1.0;
}

// The block of a neutral-axis search that fails; a search stopped by an axial
// force that is not a finite number says so on a line of its own after it.
[[noreturn]] void Neutral_Axis_Error(std::string_view why = {}) {
    constexpr std::string_view kNotFound = "Location of neutral axis was not found within 1,000 iterations.";
    if (why.empty()) Stop_Runtime_Error(16, {kNotFound});
    Stop_Runtime_Error(16, {kNotFound, why});
}

// Flags of the first point of thrust T: a tension below the cracking load of a
// reinforced section cracks it before any bending.
void Start_Thrust(double T) {
    SectionWork& w = g.sec;
    SliceState& st = w.st;
    st.b_SteelAbove60 = st.b_Yielded = kFalse;
    st.b_PreCracked = st.b_Cracked = kFalse;
    if (Is_Concrete_Kind() && T < 0 && !Section_Is_Prestressed() && T < w.rd_CrackingLoad) {
        st.b_PreCracked = st.b_Cracked = kTrue;
        // The strand laws alone read this strain; a section without bars has none.
        if (w.rd_TotalBarArea > 0 && w.mat.Es > 0) w.mat.eps_ps = T / (w.rd_TotalBarArea * w.mat.Es);
    }
    w.cv.PrevNeutralAxis = w.geo.D / 2;
}

void Nominal_Capacity(int t, double T) {
    CurveWork& cv = g.sec.cv;
    const int n = cv.i_NumPoints(t);
    if (!Is_Concrete_Kind()) {
        cv.Capacity(t) = cv.Moment(n);
        cv.CapacityStrain(t) = cv.MaxComp(n);
        return;
    }
    int k = 1;
    if (n >= 2) {
        k = n - 1;
        for (int p = 2; p <= n - 1; ++p)
            if (cv.MaxComp(p) >= kCapacityStrain) {
                k = p - 1;
                break;
            }
        if (k > kCurvePoints - 1) k = kCurvePoints - 1;
    }
    if (k + 1 <= n && cv.MaxComp(k + 1) > kCapacityStrain && cv.Moment(k + 1) > 0) {
        cv.Capacity(t) = cv.Moment(k) + (cv.Moment(k + 1) - cv.Moment(k)) * (kCapacityStrain - cv.MaxComp(k)) /
                                            (cv.MaxComp(k + 1) - cv.MaxComp(k));
        cv.CapacityStrain(t) = kCapacityStrain;
        return;
    }
    cv.Capacity(t) = cv.Moment(k);
    cv.CapacityStrain(t) = cv.MaxComp(k);
    if (T > 0) Record_Warning(-355);
}

// Run messages of point p and whether the curve ends there.
bool Point_Ends_Curve(int p, double T) {
    SectionWork& w = g.sec;
    CurveWork& cv = w.cv;
    const SliceState& st = w.st;
    char msg[3] = {' ', ' ', ' '};
    if (on(st.b_Cracked)) msg[0] = 'C';
    if (on(st.b_Yielded)) msg[1] = 'Y';
    if (cv.MinBarStrain(p) < kTensionControlledStrain && cv.MaxComp(p) >= kCapacityStrain) msg[2] = 'T';
    bool ends = false;
    if (Is_Concrete_Kind()) {
        ends = cv.MaxComp(p) >= kCrushingStrain;
        if (Section_Is_Prestressed() && cv.NeutralAxis(p) < kShallowTensionZone * w.geo.D) {
            ends = true;
            msg[1] = 'Z';
        }
    } else {
        const SectionMaterials& m = w.mat;
        const double limit = kPipeEndStrainFactor * m.CasingFy / m.CasingE - T / (m.PipeArea * m.CasingE);
        ends = std::fmax(std::fabs(cv.MaxComp(p)), std::fabs(cv.MaxTens(p))) >= limit;
    }
    cv.RunMsg(p) = Text<3>(std::string_view(msg, 3));
    return ends || cv.Moment(p) <= 0 || p >= kCurvePoints;
}

void Check_Finite_Point(int t, int p) {
    const CurveWork& cv = g.sec.cv;
    if (std::isfinite(cv.Moment(p)) && std::isfinite(cv.EI(p)) && std::isfinite(cv.Curv(p))) return;
    Stop_Runtime_Error(kNonFiniteTableError,
                       {"A moment-curvature point is not a finite number.",
                        "Section no. " + Int_Text(g.drv.i_CurrentSection) + ", axial thrust no. " + Int_Text(t) +
                            ", point no. " + Int_Text(p) + ".",
                        "", "Check the dimensions and material properties of the section."});
}

// The solver reads the bending stiffness of a pile from the curves: a curve
// whose first moment is zero or negative (a section bent against the curvature
// by its own prestress) gives the pile no stiffness and cannot be used for it.
void Check_Stiffness_For_Pile(int t) {
    const CurveWork& cv = g.sec.cv;
    if (g.pd.ICOM == kMomentCapacityOnly || cv.EI(1) > 0) return;
    Stop_Runtime_Error(kNoStiffnessError,
                       {"The bending stiffness of a pile section is not positive.",
                        "Section no. " + Int_Text(g.drv.i_CurrentSection) + ", axial thrust no. " + Int_Text(t) +
                            ": the moment at the first curvature is " + Real_Text(cv.Moment(1)) +
                            std::string(g.units.MomentLabel.trimmed()) + ".",
                        "", "Check the positions of the bars or strands and the prestressing force of the section."});
}

void Compute_Curve(int t, double T, double delta) {
    CurveWork& cv = g.sec.cv;
    Start_Thrust(T);
    Write_Thrust_Heading(T);
    double phi = 0, step = delta;
    int p = 0;
    for (;;) {
        ++p;
        step = delta * Step_Factor(p);
        phi = p == 1 ? delta : phi + step;
        cv.Curv(p) = phi;
        Find_Neutral_Axis(t, p);
        Record_Extreme_Values(t, p);
        Compute_Section_Moment(t, p);
        Check_Finite_Point(t, p);
        if (Point_Ends_Curve(p, T)) break;
    }
    cv.i_NumPoints(t) = p;
    Write_Curve_Rows(p);
    Nominal_Capacity(t, T);
    if (p == kCurvePoints) {
        Write_Point_Limit_Warning();
        Record_Warning(-305);
    }
    Check_Stiffness_For_Pile(t);
}

void Store_Table(int t) {
    const int s = g.drv.i_CurrentSection;
    const CurveWork& cv = g.sec.cv;
    MomentCurvatureTable& mc = g.mct;
    const int n = cv.i_NumPoints(t);
    mc.NumPts(s, t) = n;
    mc.NominalMoment(s, t) = cv.Capacity(t) * (US_Section_Units() ? 1000.0 : 1.0);
    for (int p = 1; p <= n; ++p) {
        mc.Moment(s, t, p) = cv.Moment(p);
        mc.EI(s, t, p) = cv.EI(p);
        mc.Curv(s, t, p) = cv.Curv(p);
    }
}

}  // namespace

void Find_Neutral_Axis(int t, int p) {
    SectionWork& w = g.sec;
    CurveWork& cv = w.cv;
    const bool us = US_Section_Units();
    const double dx = us ? kSearchStepUS : kSearchStepSI;
    const double tol = us ? kSearchToleranceUS : kSearchToleranceSI;
    const double T = w.WorkThrust(t), phi = cv.Curv(p);
    double x = cv.PrevNeutralAxis;
    if (std::fabs(x) > w.geo.D) x = w.geo.D / 2;
    double x_best = x, g_best = 0, x_new = x;
    for (int k = 1;; ++k) {
        const double gx = Compute_Axial_Thrust_Force(phi, x) - T;
        const double gm = Compute_Axial_Thrust_Force(phi, x - dx) - T;
        const double gp = Compute_Axial_Thrust_Force(phi, x + dx) - T;
        if (k == 1 || std::fabs(gx) < std::fabs(g_best)) x_best = x, g_best = gx;
        const double slope = (gp - gm) / (2 * dx);
        if (!std::isfinite(gx) || !std::isfinite(slope))
            Neutral_Axis_Error("The axial force of section " + Int_Text(g.drv.i_CurrentSection) +
                               " at axial thrust no. " + Int_Text(t) + " is not a finite number.");
        const double step = slope != 0 ? -gx / slope : kFallbackStep;
        x_new = x + step;
        if (k >= kMaxSearchIterations)
            Neutral_Axis_Error();
        if (std::fabs(step) > tol) {
            x = x_new;
        } else if (std::fabs(gx) > std::fabs(g_best)) {
            x = x_best;
        } else {
            break;
        }
    }
    cv.NeutralAxis(p) = x_new;
    cv.PrevNeutralAxis = x_new;
}

void Compute_Section_Moment(int t, int p) {
    (void)t;
    SectionWork& w = g.sec;
    const SectionSlices& sl = w.sl;
    const SliceState& st = w.st;
    CurveWork& cv = w.cv;
    const int kind = w.geo.SectionKind;
    const double half = w.geo.D / 2;
    double M = 0;
    auto add = [&](const Arr<double, kNumSlices>& stress, const Arr<double, kNumSlices>& area) {
        double m = 0;
        for (int i = 1; i <= kNumSlices; ++i) m += stress(i) * area(i) * (half - sl.Depth(i));
        M += m;
    };
    if (kind == kKindSteelPipe) {
        add(st.CasingStress, sl.CasingArea);
    } else {
        add(st.ConcreteStress, sl.ConcreteArea);
        if (kind == kKindCasedCircle || kind == kKindCasedCircleWithCore) add(st.CasingStress, sl.CasingArea);
        double mb = 0;
        for (int k = 1; k <= sl.i_NumSteelSlices; ++k) {
            const int i = sl.SteelSlice(k);
            mb += st.BarStress(i) * sl.BarArea(i) * (half - sl.Depth(i));
        }
        M += mb;
        if (kind == kKindRectangleWithCore || kind == kKindCircleWithCore || kind == kKindCasedCircleWithCore ||
            kind == kKindPolygonWithCore)
            add(st.CoreStress, sl.CoreSteelArea);
        if (w.mat.i_CoreFill == 2 && on(w.geo.b_CoreFilled)) add(st.CoreConcreteStress, sl.CoreConcreteArea);
    }
    cv.Moment(p) = p >= 2 ? std::fmax(cv.Moment(p - 1), M) : M;
    const double phi = cv.Curv(p), c = cv.NeutralAxis(p);
    cv.EI(p) = cv.Moment(p) / phi;
    cv.MaxComp(p) = phi * c + (kind == kKindSteelPipe ? 0.0 : w.mat.eps_pc);
    cv.MaxTens(p) = phi * (c - w.geo.D);
}

void Record_Extreme_Values(int t, int p) {
    (void)t;
    SectionWork& w = g.sec;
    const SliceState& st = w.st;
    CurveWork& cv = w.cv;
    const int kind = w.geo.SectionKind;
    auto largest_magnitude = [](const Arr<double, kNumSlices>& s) {
        double v = s(1);
        for (int i = 2; i <= kNumSlices; ++i)
            if (std::fabs(s(i)) > std::fabs(v)) v = s(i);
        return v;
    };
    double conc = st.ConcreteStress(1);
    for (int i = 2; i <= kNumSlices; ++i) conc = std::fmax(conc, st.ConcreteStress(i));
    cv.MaxConcrete(p) = conc;
    double steel = st.BarStress(1);  // slices 1 and 100 carry the extremes
    for (int k = 2; k <= w.sl.i_NumSteelSlices; ++k) {
        const double v = st.BarStress(w.sl.SteelSlice(k));
        if (std::fabs(v) > std::fabs(steel)) steel = v;
    }
    cv.MaxSteel(p) = steel;
    cv.MaxCasing(p) = (kind == kKindCasedCircle || kind == kKindCasedCircleWithCore || kind == kKindSteelPipe)
                          ? largest_magnitude(st.CasingStress)
                          : 0.0;
    cv.MaxCore(p) = kind == kKindCasedCircleWithCore ? largest_magnitude(st.CoreStress) : 0.0;
    cv.MinBarStrain(p) = 0;
    if (kind == kKindCircle && w.mat.i_SteelModel == kOrdinaryBars) {
        const double phi = cv.Curv(p), c = cv.NeutralAxis(p), half = w.geo.D / 2;
        for (int j = 1; j <= w.geo.i_NumBars; ++j) {
            const double e = phi * (c - (half - w.geo.BarY(j)));
            if (j == 1 || e < cv.MinBarStrain(p)) cv.MinBarStrain(p) = e;
        }
    }
}

void Compute_Moment_Curvature() {
    SectionWork& w = g.sec;
    const int s = g.drv.i_CurrentSection;
    Initialize_EI_Vars();
    const double delta = Base_Increment();
    if (Is_Concrete_Kind()) Write_Concrete_Properties();
    Prepare_Thrust_List();
    for (int t = 1; t <= w.i_NumWorkThrusts; ++t) {
        const double T = w.WorkThrust(t);
        if (t > 1 && T != w.WorkThrust(t - 1)) Set_Section_Materials();
        Compute_Curve(t, T, Is_Concrete_Kind() ? delta : Pipe_Increment(T));
        Store_Table(t);
    }
    g.mct.b_HasTable(s) = kTrue;
    for (int t = 1; t <= w.i_NumWorkThrusts; ++t) {
        g.pd.rd_ThrustList(t) = w.WorkThrust(t);
        Plot_Curve_Records(s, t);
    }
    Write_Capacity_Summary();
}

}  // namespace tarvex
