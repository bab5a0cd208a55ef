// Material laws of the section analysis against the published laws: the PCI
// strand equations, Hognestad's parabola with Ec = 57000 sqrt(f'c) psi, and
// the strains of a prestressed pile after losses.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/store.h"
#include "section/section_analysis.h"
#include "section/section_store.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

TEST(Materials, StrandLawsFollowThePciEquations) {
    const struct {
        int model;
        double eps, stress;
    } kCases[] = {
        {4, 0.005, 28500 * 0.005},          {4, -0.010, -(250 - 0.04 / (0.010 - 0.0064))},
        {5, -0.0086, -245.1},               {5, -0.010, -(270 - 0.04 / 0.003)},
        {5, 0.02, 270 - 0.04 / 0.013},      {6, -0.0088, -28500 * 0.0088},      {6, -0.0088846, -(300 - 0.0835 / (0.0088846 - 0.0071))},
        {6, -0.012, -(300 - 0.0835 / (0.012 - 0.0071))},
        {7, 0.004, 29000 * 0.004},          {7, -0.005, -145.0},
        {8, 0.0055, 29000 * 0.0055},        {8, 0.006, 160.0},
        {9, -0.01, -157.0},
    };
    for (const auto& c : kCases) EXPECT_NEAR(Strand_Stress(c.model, c.eps, 157.0), c.stress, 1e-9) << c.model << " " << c.eps;
}

// f'c = 4 ksi: Ec = 57 sqrt(4000) ksi and the parabola's peak at eps0 = 1.7 f'c / Ec.
TEST(Materials, ConcreteFollowsTheParabolaOfHognestad) {
    Reset_Store();
    g.sec.i_SectionUnits = kUnitsUS;
    SectionMaterials& m = g.sec.mat;
    m.fc = 4.0;
    m.fy = 60.0;
    Set_Concrete_Properties();
    EXPECT_NEAR(m.Ec, 3604.997, 1e-3);
    EXPECT_NEAR(m.fr, -0.474342, 1e-6);
    EXPECT_NEAR(m.eps0, 0.00188627, 1e-8);
    EXPECT_NEAR(m.epst, -0.000115370, 1e-9);

    // One rectangular section, every slice at the same strain (zero curvature is not used:
    // a tiny curvature about a neutral axis far below the section).
    g.pd.i_NumSections = 1;
    g.drv.i_CurrentSection = 1;
    g.sec.geo.SectionKind = kKindRectangle;
    g.sec.geo.D = g.sec.geo.W = 10.0;
    Initialize_EI_Vars();
    const struct {
        double eps, stress;
    } kCases[] = {
        {m.eps0, 4.0}, {0.0038, 0.85 * 4.0}, {0.0039, 0.001},
        {0.5 * m.eps0, 4.0 * (1.0 - 0.25)},
        {0.5 * m.epst, -4.0 * (2 * (0.5 * std::fabs(m.epst) / m.eps0) - (0.5 * std::fabs(m.epst) / m.eps0) * (0.5 * std::fabs(m.epst) / m.eps0))},
    };
    for (const auto& c : kCases) {
        const double phi = 1e-9, cdepth = c.eps / phi;  // strain at depth d: (c - d) phi ~ eps
        Compute_Axial_Thrust_Force(phi, cdepth + g.sec.sl.Depth(1));
        EXPECT_NEAR(g.sec.st.ConcreteStress(1), c.stress, 1e-6) << c.eps;
    }
}

// Concrete filling the core follows the parabola f'c (2u - u^2) up to the crushing
// strain, with no straight-line branch after the peak; for a weak concrete the
// parabola would turn into tension under compression, and the stress is held at 0.
TEST(Materials, FilledCoreConcreteKeepsTheParabolaAndNeverPullsUnderCompression) {
    const struct {
        double fc, eps;
        bool zero;  // the parabola has crossed zero
    } kCases[] = {
        {6.0, 0.0038, false}, {6.0, 0.0015, false}, {2.5, 0.0015, false},
        {2.5, 0.0038, true},  {3.0, 0.0036, true},  {6.0, 0.0039, false},
    };
    for (const auto& c : kCases) {
        One_Section_Store(kCasedCoredShaft, kUnitsUS);
        SectionGeometry& geo = g.sec.geo;
        geo.SectionKind = kKindCasedCircleWithCore;
        geo.D = geo.W = 36.0;
        geo.CasingThickness = 0.5;
        geo.CoreDiameter = 12.0;
        geo.CoreThickness = 0.5;
        geo.b_CoreFilled = geo.b_CoreFillOption = kTrue;
        SectionMaterials& m = g.sec.mat;
        m.i_CoreFill = 2;
        m.fc = c.fc;
        m.fy = 60.0;
        m.Es = m.CasingE = m.CoreE = 29000.0;
        m.CasingFy = m.CoreFy = 36.0;
        Set_Concrete_Properties();
        Initialize_EI_Vars();
        const SectionSlices& sl = g.sec.sl;
        const int mid = (sl.i_CoreTopSlice + sl.i_CoreBottomSlice) / 2;
        ASSERT_GT(sl.CoreConcreteArea(mid), 0.0);
        // A tiny curvature about a neutral axis far below: the core slice at strain eps.
        const double phi = 1e-9;
        Compute_Axial_Thrust_Force(phi, c.eps / phi + sl.Depth(mid));
        const double u = c.eps / m.eps0, parabola = c.fc * (2 * u - u * u);
        const double expected = c.eps > 0.0038 ? 0.001 : c.zero ? 0.0 : parabola;
        EXPECT_EQ(parabola < 0, c.zero) << c.fc << " " << c.eps;
        EXPECT_NEAR(g.sec.st.CoreConcreteStress(mid), expected, 1e-6 * c.fc) << c.fc << " " << c.eps;
    }
    Reset_Store();
}

// Pi = 300000 lb, loss 0.2, As = 3.0 in2, Es = 28500 ksi: eps_ps = -0.0028070;
// the same pile in SI units gives the same strains.
TEST(Materials, PrestressStrainsAreTheSameInBothUnitSystems) {
    const double kN = 4.4482216152605, kIn = 0.0254, kKsi = 6894.757;
    double eps_ps[2], eps_pc[2];
    for (int units = 1; units <= 2; ++units) {
        One_Section_Store(kSquareSolidPrestressed, units);
        SectionWork& w = g.sec;
        const bool si = units == 2;
        w.sl.TotalBarArea = 3.0 * (si ? kIn * kIn : 1.0);
        w.sl.TotalConcreteArea = 300.0 * (si ? kIn * kIn : 1.0);
        w.mat.Es = 28500.0 * (si ? kKsi : 1.0);
        w.mat.Ec = 4000.0 * (si ? kKsi : 1.0);
        w.mat.fc = 6.0 * (si ? kKsi : 1.0);
        w.mat.PrestressForce = 300000.0 * (si ? kN : 1.0);
        w.mat.PrestressLoss = 0.2;
        Calculate_Strains_Due_To_Prestressing();
        eps_ps[units - 1] = w.mat.eps_ps;
        eps_pc[units - 1] = w.mat.eps_pc;
    }
    EXPECT_NEAR(eps_ps[0], -0.0028070, 1e-7);
    EXPECT_NEAR(eps_ps[1], eps_ps[0], 1e-6 * std::fabs(eps_ps[0]));
    EXPECT_NEAR(eps_pc[0], 240000.0 / (1000.0 * 300.0 * 4000.0), 1e-12);
    EXPECT_NEAR(eps_pc[1], eps_pc[0], 1e-6 * eps_pc[0]);
}

}  // namespace
}  // namespace tarvex_test

namespace tarvex_test {
namespace {

// The steel laws are evaluated only on the slices that hold steel: the force
// and the yield flag equal those of every slice evaluated, bit for bit.
TEST(Materials, SteelOnlyOnItsSlicesGivesTheForceOfEverySlice) {
    One_Section_Store(kDrilledShaft, kUnitsUS);
    SectionGeometry& geo = g.sec.geo;
    geo.SectionKind = kKindCircle;
    geo.D = geo.W = 36.0;
    geo.i_NumBars = 12;
    for (int k = 1; k <= 12; ++k) {
        geo.BarX(k) = 14.436 * std::cos((k - 1) * 0.5235987755982988);
        geo.BarY(k) = 14.436 * std::sin((k - 1) * 0.5235987755982988);
        geo.BarDiam(k) = 1.128;
        geo.BarArea(k) = 1.0;
    }
    SectionMaterials& m = g.sec.mat;
    m.fc = 4.0;
    m.fy = 60.0;
    m.Es = 29000.0;
    Initialize_EI_Vars();
    const SectionSlices& sl = g.sec.sl;
    EXPECT_LT(sl.i_NumSteelSlices, kNumSlices);
    for (const double phi : {1e-6, 2e-5, 3e-4}) {
        for (const double c : {5.0, 12.0, 30.0}) {
            g.sec.st.b_Yielded = kFalse;
            Compute_Axial_Thrust_Force(phi, c);
            double force = 0;
            bool yielded = false;
            for (int i = 1; i <= kNumSlices; ++i) {
                const double e = (c - sl.Depth(i)) * phi;
                double s = m.Es * e;
                if (std::fabs(s) > m.fy) s = s > 0 ? m.fy : -m.fy, yielded = true;
                force += s * sl.BarArea(i);
            }
            EXPECT_EQ(g.sec.st.ForceBars, force) << phi << " " << c;
            EXPECT_EQ(on(g.sec.st.b_Yielded), yielded) << phi << " " << c;
        }
    }
}

}  // namespace
}  // namespace tarvex_test
