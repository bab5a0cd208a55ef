// p- and y-multipliers of the p-y modification table (group action), by depth.
#include "engine/store.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {

// Multiplier column v at x: 1 outside the table, linear between its points,
// and at a depth the table repeats, the deeper point's value.
template <class Column>
double Multiplier_At(const Column& v, double x) {
    const ProblemData& pd = g.pd;
    const auto& z = pd.rd_PYMultDepth;
    const int nm = pd.i_NumPYMult;
    if (nm == 0 || x < z(1) || x > z(nm)) return 1.0;
    if (nm == 1) return v(1);
    int i = nm;
    for (int j = 2; j <= nm; ++j)
        if (x <= z(j)) {
            i = j;
            break;
        }
    if (x == z(nm)) return v(i);
    if (x != z(i)) return v(i - 1) + (v(i) - v(i - 1)) * (x - z(i - 1)) / (z(i) - z(i - 1));
    if (z(i + 1) == z(i)) return v(i + 1);
    return v(i);
}

}  // namespace

double fn_pMultiplier(double x) { return Multiplier_At(g.pd.rd_PMult, x); }
// The models divide the deflection by the y-multiplier: one that is not
// positive (such as the zero point the option leaves without a table) scales
// nothing and is taken as 1.
double fn_yMultiplier(double x) {
    const double ym = Multiplier_At(g.pd.rd_YMult, x);
    return ym > 0.0 ? ym : 1.0;
}

}  // namespace tarvex
