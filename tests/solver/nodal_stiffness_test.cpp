// Nonlinear bending stiffness of the nodes from the moment-curvature tables.
#include <gtest/gtest.h>

#include "engine/store.h"
#include "solver/solver.h"
#include "solver/solver_fixture.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

// Curve of section 1 at thrust index t: curvatures (rad/in) and moments (kip-in), EI = M / phi.
void Set_Curve(int t, double moment_scale) {
    const double curv[4] = {1.0E-5, 2.0E-5, 4.0E-5, 8.0E-5};
    const double moment[4] = {100.0, 200.0, 250.0, 260.0};
    MomentCurvatureTable& mc = g.mct;
    mc.b_HasTable(1) = kTrue;
    mc.NumPts(1, t) = 4;
    for (int p = 1; p <= 4; ++p) {
        mc.Curv(1, t, p) = curv[p - 1];
        mc.Moment(1, t, p) = moment[p - 1] * moment_scale;
        mc.EI(1, t, p) = mc.Moment(1, t, p) / curv[p - 1];
    }
}

// Deflections of constant curvature phi: y = phi x^2 / 2, phantom nodes included.
void Bend(double phi) {
    PileNode& nd = g.nodes;
    const double h = nd.rd_IncrementLength;
    for (int i = -1; i <= nd.i_NumNodes + 1; ++i) {
        const double x = (i - 1) * h;
        nd.y(i) = 0.5 * phi * x * x;
    }
}

void Set_Up_Bent_Pile(int section_type, double phi) {
    PileSetup p;
    p.increments = 40;
    p.length = 400.0;
    Set_Up_Pile(p);  // EI = 1E10 lb-in^2 = 1E7 kip-in^2, the curve's initial stiffness
    g.pd.Section(1).i_SectionType = section_type;
    g.pd.i_NumThrusts = 1;
    g.pd.rd_ThrustList(1) = 0.0;
    Set_Head(1, 0.0, 0.0);
    Bend(phi);
}

TEST(NodalStiffness, ThrustIndex) {
    Reset_Store();
    g.pd.i_NumThrusts = 3;
    g.pd.rd_ThrustList(1) = 100.0;
    g.pd.rd_ThrustList(2) = 200.0;
    g.pd.rd_ThrustList(3) = 300.0;
    struct { double P; int t; } cases[] = {{50.0, 1}, {100.0, 1}, {150.0, 1}, {200.0, 2}, {299.0, 2}, {300.0, 3}, {500.0, 3}};
    for (const auto& c : cases) EXPECT_EQ(Find_Thrust_Index(c.P), c.t) << c.P;
}

TEST(NodalStiffness, SecantStiffnessFromTheCurveAtTheNodalCurvature) {
    struct { double phi; double ei; bool end; } cases[] = {
        {5.0E-6, 1.0E10, false},  // below the first point: initial stiffness
        {3.0E-5, 225.0 / 3.0E-5 * 1000.0, false},  // M = 225 kip-in between points 2 and 3
        {1.0E-4, 260.0 / 1.0E-4 * 1000.0, true},   // beyond the last point: M(last) / phi
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.phi);
        Set_Up_Bent_Pile(kDrilledShaft, c.phi);
        Set_Curve(1, 1.0);
        Update_Nodal_EI(1, 0.0);
        const int n = g.nodes.i_NumNodes;
        for (int i = 2; i < n; ++i) EXPECT_NEAR(g.nodes.EI(i), c.ei, 1e-6 * c.ei) << i;
        EXPECT_DOUBLE_EQ(g.nodes.EI(n), 1.0E10);  // no curvature at the tip
        EXPECT_EQ(on(g.sol.b_AnyEndOfCurve), c.end);
        EXPECT_EQ(on(g.sol.b_EndOfCurve(10)), c.end);
    }
}

TEST(NodalStiffness, InterpolatesBetweenTheThrustsThatBracketTheAxialLoad) {
    Set_Up_Bent_Pile(kDrilledShaft, 3.0E-5);
    g.pd.i_NumThrusts = 2;
    g.pd.rd_ThrustList(2) = 100.0;
    Set_Curve(1, 1.0);
    Set_Curve(2, 2.0);  // 450 kip-in at phi = 3E-5
    Update_Nodal_EI(1, 25.0);
    const double e1 = 225.0 / 3.0E-5 * 1000.0, e2 = 450.0 / 3.0E-5 * 1000.0;
    EXPECT_NEAR(g.nodes.EI(10), e2 - (e2 - e1) * 0.75, 1.0);
}

TEST(NodalStiffness, ElasticPlasticSectionYieldsAtItsPlasticMoment) {
    Set_Up_Bent_Pile(kElasticPlasticPile, 3.0E-5);  // M = 300 kip-in
    Set_Curve(1, 1.0);
    for (int i = 1; i <= g.nodes.i_NumNodes; ++i) g.mct.rd_NodeMp(i) = i < 20 ? 1.5E5 : 5.0E5;  // lb-in
    Update_Nodal_EI(1, 0.0);
    EXPECT_NEAR(g.nodes.EI(10), 150.0 / 3.0E-5 * 1000.0, 1.0);  // Mp / phi
    EXPECT_DOUBLE_EQ(g.nodes.EI(30), 1.0E10);                   // below Mp: E x I
}

TEST(NodalStiffness, SectionsWithoutATableKeepTheirElasticStiffness) {
    for (int type : {kElasticPile, kDrilledShaft}) {
        Set_Up_Bent_Pile(type, 3.0E-5);
        Set_Curve(1, 1.0);
        if (type == kDrilledShaft) g.mct.b_HasTable(1) = kFalse;  // earlier formats: no section stage
        Update_Nodal_EI(1, 0.0);
        for (int i = 1; i <= g.nodes.i_NumNodes; ++i) EXPECT_EQ(g.nodes.EI(i), 1.0E10) << type << " " << i;
    }
}

}  // namespace
}  // namespace tarvex_test
