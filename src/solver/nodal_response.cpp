// Response of the pile at a node from the finite-difference deflections:
// bending moment, shear, slope, soil reaction and combined stress.
#include <cmath>

#include "engine/store.h"
#include "solver/pile_nodes.h"
#include "solver/solver.h"

namespace tarvex {

namespace {

// Moments of nodes 1, 2 and 3 with the head stiffness, for the one-sided
// differences of a pile head whose deflection and slope are both given.
struct HeadMoments {
    double m1, m2, m3;
};

HeadMoments Head_Moments(double R, double h2) {
    const auto& y = g.nodes.y;
    return {R * (y(2) - 2.0 * y(1) + y(0)) / h2, R * (y(3) - 2.0 * y(2) + y(1)) / h2,
            R * (y(4) - 2.0 * y(3) + y(2)) / h2};
}

void Set_Reported_Head_Values(double M, double V, double S) {
    SolutionState& s = g.sol;
    const int type = s.i_HeadConditionType;
    s.rd_ReportedHeadShear = (type <= 3) ? s.rd_HeadShear : V;
    s.rd_ReportedHeadMoment = (type == 1 || type == 4) ? s.rd_HeadMoment : M;
    s.rd_ReportedHeadSlope = (type == 5) ? s.rd_HeadSlope : S;
    s.rd_ComputedHeadSlope = S;
}

double Combined_Stress(int i, double M) {
    PileNode& nd = g.nodes;
    Pile_Properties_At(nd.xa(i));
    const double I = nd.rd_InertiaAtX, A = nd.rd_AreaAtX;
    if (I == 0.0 || A == 0.0) return 0.0;
    const PileSection& sec = g.pd.Section(nd.i_NodeSection(i) >= 1 ? nd.i_NodeSection(i) : 1);
    const bool pole = (sec.i_SectionType == kElasticPile || sec.i_SectionType == kElasticPlasticPile) &&
                      sec.i_ElasShape == kShapeEmbeddedPole;
    const double c = pole ? nd.rd_DepthAtX / 2.0 : nd.rd_DiamAtX / 2.0;
    return std::fabs(g.sol.rd_AxialLoad) / A + std::fabs(M) * c / I;
}

// A kept maximum is replaced only by a value of strictly larger magnitude.
bool Exceeds(double v, double kept) { return std::fabs(v) > std::fabs(kept); }

void Update_Maxima(int i, double M, double V, double stress) {
    SolutionState& s = g.sol;
    const double x = g.nodes.xa(i);
    if (Exceeds(M, s.rd_MaxMoment)) {
        s.rd_MaxMoment = M;
        s.rd_MaxMomentX = x;
    }
    if (Exceeds(V, s.rd_MaxShear)) {
        s.rd_MaxShear = V;
        s.rd_MaxShearX = x;
    }
    if (stress > s.rd_MaxStress) s.rd_MaxStress = stress;
    const int j = s.i_LoadCase, sec = g.nodes.i_NodeSection(i);
    if (j < 1 || sec < 1) return;
    if (Exceeds(M, s.rd_SectionMaxMoment(j, sec))) {
        s.rd_SectionMaxMoment(j, sec) = M;
        s.i_SectionMaxMomentNode(j, sec) = i;
    }
    if (Exceeds(V, s.rd_SectionMaxShear(j, sec))) {
        s.rd_SectionMaxShear(j, sec) = V;
        s.i_SectionMaxShearNode(j, sec) = i;
    }
}

}  // namespace

void Nodal_Response(int i) {
    PileNode& nd = g.nodes;
    SolutionState& s = g.sol;
    const auto& y = nd.y;
    const auto& EI = nd.EI;
    const int n = nd.i_NumNodes;
    const double h = nd.rd_IncrementLength, h2 = h * h, h3 = h2 * h;
    const double P = s.rd_AxialLoad;
    nd.EI(1) = nd.EI(2);
    const double R = EI(2);
    const bool given_slope_and_deflection = s.i_HeadConditionType == 5;

    double M, V, S;
    if (i == 1) {
        M = R * (y(2) - 2.0 * y(1) + y(0)) / h2;
        if (given_slope_and_deflection) {
            const HeadMoments hm = Head_Moments(R, h2);
            S = (4.0 * y(2) - 3.0 * y(1) - y(3)) / (2.0 * h);
            V = P * S + (4.0 * hm.m2 - 3.0 * M - hm.m3) / (2.0 * h);
        } else {
            S = (y(2) - y(0)) / (2.0 * h);
            V = R * (y(3) - 2.0 * y(2) + 2.0 * y(0) - y(-1)) / (2.0 * h3) + P * S;
        }
        Set_Reported_Head_Values(M, V, S);
        if (given_slope_and_deflection) S = s.rd_HeadSlope;
    } else if (i == 2) {
        M = R * (y(3) - 2.0 * y(2) + y(1)) / h2;
        S = (y(3) - y(1)) / (2.0 * h);
        if (given_slope_and_deflection) {
            const HeadMoments hm = Head_Moments(R, h2);
            V = (hm.m3 - hm.m1) / (2.0 * h) + P * S;
        } else {
            V = P * S + R * (y(4) - 2.0 * y(3) + 2.0 * y(1) - y(0)) / (2.0 * h3);
        }
    } else if (i < n) {
        M = EI(i) * (y(i + 1) - 2.0 * y(i) + y(i - 1)) / h2;
        S = (y(i + 1) - y(i - 1)) / (2.0 * h);
        V = P * S + (EI(i + 1) * (y(i + 2) - 2.0 * y(i + 1) + y(i)) -
                     EI(i - 1) * (y(i) - 2.0 * y(i - 1) + y(i - 2))) / (2.0 * h3);
    } else {
        M = 0.0;
        V = s.rd_TipShear;
        S = (y(n) - y(n - 1)) / h;
    }

    s.rd_SoilReaction = on(g.pd.b_UseSoilMovement) ? -nd.Es(i) * (y(i) - nd.ys(i)) - nd.W(i)
                                                   : -nd.Es(i) * y(i);
    s.rd_Moment = M;
    s.rd_Shear = V;
    s.rd_Slope = S;
    s.rd_Stress = Combined_Stress(i, M);
    // At the head the maxima take the head values that the report shows: the
    // specified shear and moment are kept.
    if (i == 1)
        Update_Maxima(i, s.rd_ReportedHeadMoment, s.rd_ReportedHeadShear, s.rd_Stress);
    else
        Update_Maxima(i, M, V, s.rd_Stress);
}

}  // namespace tarvex
