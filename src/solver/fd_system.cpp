// Central finite-difference solution of the beam-column EI y'''' + P y'' + Es y = q:
// an upward elimination from the tip, a small system for the pile-head
// conditions, and a downward back substitution; O(n) in the number of nodes.
#include <cmath>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "solver/solver.h"

namespace tarvex {

constexpr double kSmallPivot = 1.0E-20;
constexpr int kPivotRuntimeError = 11;
constexpr int kBucklingRuntimeError = 44;

namespace {

// Tip shear force from the tip shear curve at the tip deflection of the last
// solution; the curve is antisymmetric in the tip deflection.
double Tip_Shear_Force(double y_tip) {
    const ProblemData& pd = g.pd;
    const int t = pd.i_NumTipShearPts;
    if (t == 0) return 0.0;
    const double u = std::fabs(y_tip);
    double v;
    if (t == 1) {
        // One point: a straight line from the origin, constant beyond the point.
        const double y1 = pd.rd_TipShearY(1), v1 = pd.rd_TipShearV(1);
        v = (u >= y1 || y1 <= 0.0) ? v1 : v1 * u / y1;
    } else if (u > pd.rd_TipShearY(t)) {
        v = pd.rd_TipShearV(t);
    } else {
        int k = 2;
        if (u > pd.rd_TipShearY(2))
            for (k = 3; k < t && pd.rd_TipShearY(k) < u; ++k) {}
        const double yk = pd.rd_TipShearY(k), yk1 = pd.rd_TipShearY(k - 1);
        const double vk = pd.rd_TipShearV(k), vk1 = pd.rd_TipShearV(k - 1);
        v = yk == yk1 ? vk : (u - yk1) * (vk - vk1) / (yk - yk1) + vk1;  // a step: the value after it
    }
    return y_tip < 0.0 ? -v : v;
}

// Runtime error 11: the head system cannot be solved, usually because the soil
// gives no lateral support (bearing capacity failure). The partly eliminated
// system goes to the report.
[[noreturn]] void Small_Pivot_Error(int k, double pivot) {
    SolutionState& s = g.sol;
    const std::string node = "          Node number = " + Int_Text(k);
    const std::string value = "          Pivot value = " + Edit_E(pivot, 12, 5);
    Write_Error_Block(Runtime_Error_Heading(kPivotRuntimeError),
                      {"Problem:  Solution failed due to small pivot value.", node, value, "",
                       "Solution: This error usually occurs when a lateral bearing capacity failure occurs.  ",
                       "          Reduce the load on the pile and repeat the analysis.",
                       "          You may also consider increasing pile diameter or pile length."},
                      true, 0);
    Report_Blank_Lines(2);
    Report_Line("F Matrix ");
    Report_Blank_Lines(1);
    for (int j = 1; j <= kHeadSystemSize; ++j) {
        std::string line;
        for (int i = 1; i <= kHeadSystemSize; ++i) line += Edit_E(s.F(i, j), 12, 4);
        Report_Line(line);
    }
    Report_Blank_Lines(1);
    const auto vector_block = [](std::string_view title, auto& v) {
        Report_Blank_Lines(2);
        Report_Line(title);
        Report_Blank_Lines(1);
        for (int j = 1; j <= kHeadSystemSize; ++j) Report_Line(Edit_E(v(j), 12, 4));
        Report_Blank_Lines(1);
    };
    vector_block("G Vector ", s.G);
    vector_block("YG Vector", s.X);
    Stop_Runtime_Error(kPivotRuntimeError);
}

// Runtime error 44: the pile has lost its lateral stability under the axial load
// (the beam-column stiffness on the soil is no longer positive definite), so no
// deflection the system yields is a response. Node m is the node whose pivot
// lost its sign, or 1 for the head system.
[[noreturn]] void Buckling_Error(int m, double pivot) {
    if (on(g.sol.b_TrialSolution)) throw TrialBuckled{};
    const std::string node = "          Node number = " + Int_Text(m);
    const std::string value = "          Pivot value = " + Edit_E(pivot, 12, 5);
    Stop_Runtime_Error(kBucklingRuntimeError,
                       {"Problem:  The pile is unstable under the axial load: the stiffness of the pile",
                        "          on its soil is no longer positive (buckling).", node, value, "",
                        "Solution: Reduce the axial load on the pile, or increase the bending stiffness",
                        "          or the embedded length of the pile."});
}

// A recursion pivot that is not positive: the pile buckles. One that is not a
// number comes from a soil modulus that is not one; the deflections then show
// it (runtime error 28).
void Check_Pivot(int m, double pivot) {
    if (pivot <= 0.0) Buckling_Error(m, pivot);
}

// The larger of two deflection changes; a change that is not a number wins.
double Larger_Change(double kept, double change) {
    return (change > kept || std::isnan(change)) ? change : kept;
}

// Upward elimination: every node m expressed by the two nodes above it.
void Build_Recursion(double Vt) {
    PileNode& nd = g.nodes;
    SolutionState& s = g.sol;
    auto& R = nd.EI;
    const int n = nd.i_NumNodes;
    const double h = nd.rd_IncrementLength;
    const double h3 = h * h * h, h4 = h3 * h;
    const double Ph2 = s.rd_AxialLoad * h * h;

    // Tip: zero moment and shear Vt eliminate the two nodes below it.
    double D = nd.Es(n) * h4 + R(n - 1) + R(n) - 2.0 * Ph2;
    Check_Pivot(n, D);
    s.D(n) = D;
    s.a(n) = 2.0 * (R(n) + R(n - 1) - Ph2) / D;
    s.b(n) = (R(n) + R(n - 1)) / D;
    s.c(n) = nd.q(n) * h4 / D;
    s.d(n) = -2.0 * Vt * h3 / D;

    int m = n - 1;
    const double e = 2.0 * R(m) - Ph2;
    D = 4.0 * R(m) + R(m - 1) + nd.Es(m) * h4 - 2.0 * Ph2 - s.a(n) * e;
    Check_Pivot(m, D);
    s.D(m) = D;
    s.a(m) = (2.0 * (R(m) * (1.0 - s.b(n)) + R(m - 1)) - (1.0 - s.b(n)) * Ph2) / D;
    s.b(m) = R(m - 1) / D;
    s.c(m) = (nd.q(m) * h4 + s.c(n) * e) / D;
    s.d(m) = s.d(n) * e / D;

    for (m = n - 2; m >= 1; --m) {
        const double a1 = s.a(m + 1), a2 = s.a(m + 2), b1 = s.b(m + 1), b2 = s.b(m + 2);
        const double G = 2.0 * R(m) + (2.0 - a2) * R(m + 1) - Ph2;
        D = (2.0 * R(m) - Ph2) * (2.0 - a1) + nd.Es(m) * h4 + R(m - 1) +
            ((1.0 - b2) - a1 * (2.0 - a2)) * R(m + 1);
        Check_Pivot(m, D);
        s.D(m) = D;
        s.a(m) = (2.0 * (R(m) + R(m - 1)) - (1.0 - b1) * Ph2 - (2.0 * R(m) + (2.0 - a2) * R(m + 1)) * b1) / D;
        s.b(m) = R(m - 1) / D;
        s.c(m) = (nd.q(m) * h4 + s.c(m + 1) * G - s.c(m + 2) * R(m + 1)) / D;
        s.d(m) = (s.d(m + 1) * G - s.d(m + 2) * R(m + 1)) / D;
    }
}

void Clear_Head_System() {
    SolutionState& s = g.sol;
    for (int j = 1; j <= kHeadSystemSize; ++j) {
        s.G(j) = 0.0;
        s.X(j) = 0.0;
        for (int i = 1; i <= kHeadSystemSize; ++i) s.F(i, j) = 0.0;
    }
}

// Row r of the head system: the recursion of node m over the unknowns in columns col .. col+2.
void Recursion_Row(int r, int m, int col) {
    SolutionState& s = g.sol;
    s.F(r, col) = 1.0;
    s.F(r, col + 1) = -s.a(m);
    s.F(r, col + 2) = s.b(m);
    s.G(r) = s.c(m) + s.d(m);
}

// Types 1 to 3: X = (y(3), y(2), y(1), y(0), y(-1)); type 4: X = (y(2), y(1), y(0), y(-1)).
int Build_Head_System() {
    SolutionState& s = g.sol;
    const double h = g.nodes.rd_IncrementLength;
    const double R = g.nodes.EI(2);
    const double Ph2R = s.rd_AxialLoad * h * h / R;
    Clear_Head_System();
    if (s.i_HeadConditionType == 4) {
        s.F(1, 1) = 1.0;  // moment
        s.F(1, 2) = -2.0;
        s.F(1, 3) = 1.0;
        s.G(1) = s.rd_HeadMoment * h * h / R;
        s.F(2, 2) = 1.0;  // deflection
        s.G(2) = s.rd_HeadDeflection;
        Recursion_Row(3, 2, 1);
        Recursion_Row(4, 1, 2);
        return 4;
    }
    s.F(1, 1) = 1.0;  // shear
    s.F(1, 2) = -(2.0 - Ph2R);
    s.F(1, 4) = 2.0 - Ph2R;
    s.F(1, 5) = -1.0;
    s.G(1) = 2.0 * s.rd_HeadShear * h * h * h / R;
    Recursion_Row(2, 3, 1);
    Recursion_Row(3, 2, 2);
    switch (s.i_HeadConditionType) {
        case 1:  // moment
            s.F(4, 2) = 1.0;
            s.F(4, 3) = -2.0;
            s.F(4, 4) = 1.0;
            s.G(4) = s.rd_HeadMoment * h * h / R;
            break;
        case 2:  // slope
            s.F(4, 2) = 1.0;
            s.F(4, 4) = -1.0;
            s.G(4) = 2.0 * h * s.rd_HeadSlope;
            break;
        default: {  // rotational restraint: head moment = Kr x head slope
            const double k = h * s.rd_HeadRotStiffness / (2.0 * R);
            s.F(4, 2) = 1.0 - k;
            s.F(4, 3) = -2.0;
            s.F(4, 4) = 1.0 + k;
            break;
        }
    }
    Recursion_Row(5, 1, 3);
    return 5;
}

// Determinant of the eliminated head system, the product of its pivots. A pile
// that has buckled at its head shows the sign opposite to that of a stable pile.
double Head_Determinant(int m) {
    double det = 1.0;
    for (int k = 1; k <= m; ++k) det *= g.sol.F(k, k);
    return det;
}

// Sign of the head determinant of a stable pile: + under shear and moment and
// under shear and rotational restraint, - under shear and slope and under
// deflection and moment.
double Stable_Head_Sign(int type) { return (type == 2 || type == 4) ? -1.0 : 1.0; }

}  // namespace

void Solve_Head_System(int m) {
    SolutionState& s = g.sol;
    auto& F = s.F;
    for (int k = 1; k <= m; ++k) {
        if (std::fabs(F(k, k)) < kSmallPivot) Small_Pivot_Error(k, F(k, k));
        for (int r = k + 1; r <= m; ++r) {
            const double f = F(r, k) / F(k, k);
            if (f == 0.0) continue;
            for (int j = k; j <= m; ++j) F(r, j) -= f * F(k, j);
            s.G(r) -= f * s.G(k);
        }
    }
    for (int k = m; k >= 1; --k) {
        double sum = s.G(k);
        for (int j = k + 1; j <= m; ++j) sum -= F(k, j) * s.X(j);
        s.X(k) = sum / F(k, k);
    }
}

void Solve_FD_System(int iteration) {
    PileNode& nd = g.nodes;
    SolutionState& s = g.sol;
    auto& y = nd.y;
    const int n = nd.i_NumNodes;
    const double h = nd.rd_IncrementLength;

    nd.EI(1) = nd.EI(2);
    nd.EI(0) = nd.EI(1);
    nd.EI(n + 1) = nd.EI(n);
    if (iteration == 1) s.rd_PrevDYmax = 0.0;

    s.rd_TipShear = Tip_Shear_Force(y(n));
    Build_Recursion(s.rd_TipShear);

    double y1, y2, y0, ym1;
    if (s.i_HeadConditionType == 5) {
        const double S0 = s.rd_HeadSlope;
        if (std::fabs(s.b(1)) < kSmallPivot) Small_Pivot_Error(kHeadSystemSize, s.b(1));
        y1 = s.rd_HeadDeflection + nd.ys(1);
        y2 = (s.a(2) * y1 + 2.0 * h * S0 * s.b(2) + s.c(2) + s.d(2)) / (1.0 + s.b(2));
        y0 = y2 - 2.0 * h * S0;
        ym1 = (s.a(1) * y0 - y1 + s.c(1) + s.d(1)) / s.b(1);
    } else {
        const int m = Build_Head_System();
        Solve_Head_System(m);
        const double det = Head_Determinant(m);
        if (det * Stable_Head_Sign(s.i_HeadConditionType) < 0.0) Buckling_Error(1, det);
        const int o = m == 5 ? 1 : 0;  // offset of y(2) in X
        y2 = s.X(1 + o);
        y1 = s.X(2 + o);
        y0 = s.X(3 + o);
        ym1 = s.X(4 + o);
    }

    double dy = Larger_Change(std::fabs(y1 - y(1)), std::fabs(y2 - y(2)));
    y(1) = y1;
    y(2) = y2;
    y(0) = y0;
    y(-1) = ym1;
    for (int m = 3; m <= n; ++m) {
        const double ym = s.c(m) + s.d(m) + s.a(m) * y(m - 1) - s.b(m) * y(m - 2);
        dy = Larger_Change(dy, std::fabs(ym - y(m)));
        y(m) = ym;
    }
    s.rd_dYmax = dy;
    s.rd_DeltaDYmax = std::fabs(dy - s.rd_PrevDYmax);
    s.rd_PrevDYmax = dy;
    y(n + 1) = 2.0 * y(n) - y(n - 1);
}

}  // namespace tarvex
