// Nonlinear bending stiffness of the nodes: the secant stiffness M / phi read
// from the moment-curvature curve of the node's section at its current
// curvature, interpolated between the two thrusts that bracket the axial load.
#include <cmath>

#include "engine/store.h"
#include "solver/solver.h"

namespace tarvex {

constexpr double kKipsPerPound = 1.0E-3;  // US customary tables are in kips and kip-in

namespace {

bool US_Units() { return g.pd.IUNITS == kUnitsUS; }

// Curvature at node i from the deflections (node 1 uses y(0)); 0 at the tip.
double Nodal_Curvature(int i) {
    const PileNode& nd = g.nodes;
    if (i >= nd.i_NumNodes) return 0.0;
    const double h = nd.rd_IncrementLength;
    return (nd.y(i + 1) - 2.0 * nd.y(i) + nd.y(i - 1)) / (h * h);
}

// Section whose bottom property point is the first at or below node i.
int Stiffness_Section(int i, int previous) {
    const double x = g.nodes.xa(i);
    for (int s = 1; s <= g.pd.i_NumSections; ++s)
        if (x <= g.pd.rd_PilePointX(2 * s)) return s;
    return previous;
}

// Only a section whose analysis produced a curve for the thrust has a nonlinear stiffness.
bool Has_Curve(int s, int t) { return on(g.mct.b_HasTable(s)) && g.mct.NumPts(s, t) >= 1; }

// Elastic-plastic section: the elastic stiffness up to the plastic moment, then Mp / phi.
void Elastic_Plastic_EI(int i, double Mt) {
    PileNode& nd = g.nodes;
    const double scale = US_Units() ? kKipsPerPound : 1.0;
    const double Mp = g.mct.rd_NodeMp(i) * scale;
    if (Mp > std::fabs(Mt)) {
        nd.EI(i) = nd.rd_EIAtX;
        return;
    }
    if (i < 1 || i >= nd.i_NumNodes) return;
    const double phi = Nodal_Curvature(i);
    if (phi != 0.0) nd.EI(i) = std::fabs(Mp / std::fabs(phi)) / scale;
}

}  // namespace

int Find_Thrust_Index(double P) {
    const int nt = g.pd.i_NumThrusts;
    const auto& T = g.pd.rd_ThrustList;
    if (nt < 1 || P < T(1)) return 1;
    if (P >= T(nt)) return nt;
    int t = 1;
    while (t + 1 < nt && !(P < T(t + 1))) ++t;
    return t;
}

double EI_From_Table(int i, int s, int t) {
    const MomentCurvatureTable& mc = g.mct;
    const int np = mc.NumPts(s, t);
    const double M = g.sol.rd_NodeMoment(i);
    double ei;
    const double phi = std::fabs(Nodal_Curvature(i));
    if (std::fabs(M) <= mc.Moment(s, t, 1) || phi <= mc.Curv(s, t, 1)) {
        ei = mc.EI(s, t, 1);
    } else if (phi >= mc.Curv(s, t, np)) {
        ei = mc.Moment(s, t, np) / phi;
        g.sol.b_EndOfCurve(i) = kTrue;
        g.sol.b_AnyEndOfCurve = kTrue;
    } else {
        // Curvatures ascend: the interval Curv(j) < phi <= Curv(j + 1) by bisection
        // (Curv(lo - 1) < phi <= Curv(hi) throughout).
        int lo = 2, hi = np;
        while (lo < hi) {
            const int mid = (lo + hi) / 2;
            if (mc.Curv(s, t, mid) < phi)
                lo = mid + 1;
            else
                hi = mid;
        }
        const int j = lo - 1;
        const double m0 = mc.Moment(s, t, j), m1 = mc.Moment(s, t, j + 1);
        const double c0 = mc.Curv(s, t, j), c1 = mc.Curv(s, t, j + 1);
        const double m = (m0 == m1) ? m0 : m0 + (m1 - m0) * (phi - c0) / (c1 - c0);
        ei = m / phi;
    }
    return US_Units() ? ei / kKipsPerPound : ei;
}

void Update_Nodal_EI(int t, double P) {
    PileNode& nd = g.nodes;
    SolutionState& sol = g.sol;
    const auto& T = g.pd.rd_ThrustList;
    const int nt = g.pd.i_NumThrusts;
    sol.b_AnyEndOfCurve = kFalse;
    int s = 1;
    for (int i = 1; i <= nd.i_NumNodes; ++i) {
        const int type = g.pd.Section(nd.i_NodeSection(i)).i_SectionType;
        if (type == kElasticPile) continue;
        s = Stiffness_Section(i, s);
        if (!Has_Curve(s, t)) continue;  // stays E x I of the pile properties
        sol.b_EndOfCurve(i) = kFalse;
        Nodal_Response(i);
        sol.rd_NodeMoment(i) = US_Units() ? sol.rd_Moment * kKipsPerPound : sol.rd_Moment;
        const double Mt = std::fmax(g.mct.Moment(s, t, 1), std::fabs(sol.rd_NodeMoment(i)));
        if (type == kElasticPlasticPile) {
            Elastic_Plastic_EI(i, Mt);
            continue;
        }
        nd.EI(i) = EI_From_Table(i, s, t);
        if (t < nt && P > T(1) && Has_Curve(s, t + 1)) {
            const double e2 = EI_From_Table(i, s, t + 1);
            nd.EI(i) = e2 - (e2 - nd.EI(i)) * (T(t + 1) - P) / (T(t + 1) - T(t));
        }
    }
    nd.EI(3) = nd.EI(2);
}

}  // namespace tarvex
