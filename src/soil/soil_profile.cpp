// Soil properties at a depth: friction angle, epsilon-50, J, RQD and k_rm by
// linear interpolation between the profile points, and the unit weight and
// strength averaged from the ground surface.
#include "soil/soil_profile.h"

#include "engine/store.h"
#include "input/input_errors.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "soil/py_model_support.h"

namespace tarvex {

namespace {

constexpr double kZeroValue = 1.0E-20;  // a property below this counts as absent at an interface
constexpr double kAtSurface = 1.0E-6;   // depth below ground taken as the ground surface

const char* const kEmbedmentLines[3] = {
    "An error was detected that is related to an incompatibility",
    "between the input data defining the embedment of the pile and",
    "the maximum depth of the soil shear strength data."};

std::string Station(double x) { return Edit_E(x, 12, 4); }

// One value at an interface from the upper layer's bottom value a and the lower layer's top value b.
double Interface_Mean(double a, double b) {
    if (a >= kZeroValue && b >= kZeroValue) return (a + b) / 2;
    if (a < kZeroValue && b >= kZeroValue) return b;
    return a;
}

// First profile point j in 2..NP with x <= Z(j); 0 if none.
int Point_Below(double x) {
    const ProblemData& pd = g.pd;
    const int np = pd.i_NumProfilePoints;
    if (np < 2) return 0;
    for (int j = 2; j <= np; ++j)
        if (x <= pd.rd_ProfileDepth(j)) return j;
    return 0;
}

// A profile column at x found at point j (x <= Z(j)); tip_takes_upper: the
// pile tip on an interface takes the upper layer's value, not the mean.
template <class Column>
double Column_At(const Column& v, double x, int j, bool tip_takes_upper) {
    const ProblemData& pd = g.pd;
    const auto& z = pd.rd_ProfileDepth;
    const int np = pd.i_NumProfilePoints;
    if (x == z(np)) return v(j);
    if (x != z(j)) return v(j - 1) + (v(j) - v(j - 1)) / (z(j) - z(j - 1)) * (x - z(j - 1));
    if (z(j + 1) == z(j)) {
        if (tip_takes_upper && x == pd.rd_PileLength) return v(j);
        return Interface_Mean(v(j), v(j + 1));
    }
    return v(j);
}

// Column v averaged over depth from the ground surface to x (0 above ground);
// *below is set when x lies below the deepest profile point.
template <class Column>
double Depth_Average(const Column& v, double x, bool* below) {
    const ProblemData& pd = g.pd;
    const auto& z = pd.rd_ProfileDepth;
    const int np = pd.i_NumProfilePoints;
    *below = false;
    const double d = x - pd.XGround;
    double s = 0.0;
    int i = 2;
    for (; i <= np; ++i) {
        if (x < z(i)) break;
        s += (v(i) + v(i - 1)) * 0.5 * (z(i) - z(i - 1)) / d;
    }
    if (i <= np && z(i) - z(i - 1) >= kAtSurface) {
        const double t = x - z(i - 1);
        s += ((v(i) - v(i - 1)) / (z(i) - z(i - 1)) * t + 2 * v(i - 1)) * 0.5 * t / d;
    }
    *below = x > z(np);
    return s;
}

}  // namespace

double fn_Phi(double x) {
    const int j = Point_Below(x);
    if (j == 0)
        Input_Check_Error(4, {kEmbedmentLines[0], kEmbedmentLines[1], kEmbedmentLines[2], "",
                                  "Problem:  The value for a pile station depth is " + Station(x),
                                  "This depth is below the deepest extent of the input data for",
                                  "soil friction angle versus depth.", "",
                                  "Solution:  Please revise the input data by either extending ",
                                  "the maximum depth for soil friction angle or shorten the ",
                                  "pile to correct this problem.", ""});
    return Column_At(g.pd.rd_ProfilePhi, x, j, true);
}

double fn_Eps50(double x) {
    const int j = Point_Below(x);
    return j == 0 ? 0.0 : Column_At(g.pd.rd_ProfileEps50, x, j, true);
}

double fn_J(double x) {
    const int j = Point_Below(x);
    return j == 0 ? 0.0 : Column_At(g.pd.rd_ProfileJ, x, j, true);
}

double fn_RQD(double x) {
    const int j = Point_Below(x);
    if (j == 0)
        Input_Check_Error(31, {kEmbedmentLines[0], kEmbedmentLines[1], kEmbedmentLines[2], "",
                                   "Problem:  The value for a pile station depth is " + Station(x),
                                   "This depth is below the deepest extent of the input data for",
                                   "RQD versus depth.", "",
                                   "Solution:  Revise the input data by either extending the ",
                                   "maximum depth for RQD or shorten the pile to correct this ", "problem.", ""});
    const double r = Column_At(g.pd.rd_ProfileRQD, x, j, false);
    if (!(r >= 0.0 && r <= 100.0))
        Input_Check_Error(
            49, {"Problem:  The interpolated value of RQD used for p-y curves in weak rock ",
                 "was found to be invalid because it was either less than zero or more than ", "100 percent.", "",
                 "Solution:  Check your input data and revise in the data for RQD.", "",
                 "The interpolated value of RQD = " + Edit_E(r, 12, 4) + " %", ""});
    return r;
}

double fn_krm(double x) {
    const ProblemData& pd = g.pd;
    const auto& z = pd.rd_ProfileDepth;
    const auto& v = pd.rd_ProfileEps50;
    const int np = pd.i_NumProfilePoints;
    for (int j = 2; j <= np; ++j) {
        if (!(z(j - 1) <= x && x <= z(j))) continue;
        // At an interface the lower layer's top point applies, except at the pile tip.
        if (x == z(j) && j < np && z(j + 1) == z(j) && x != pd.rd_PileLength) ++j;
        if (x == z(np) || x == z(j)) return v(j);
        return v(j - 1) + (v(j) - v(j - 1)) / (z(j) - z(j - 1)) * (x - z(j - 1));
    }
    return 0.0;
}

double fn_GammaAvg(double x) {
    const ProblemData& pd = g.pd;
    if (x < pd.XGround) return 0.0;
    const int np = pd.i_NumProfilePoints;
    if (x - pd.XGround < kAtSurface) {
        for (int i = 1; i <= np; ++i)
            if (pd.rd_ProfileGamma(i) > 0.0) return pd.rd_ProfileGamma(i);
        return pd.rd_ProfileGamma(np);
    }
    bool below = false;
    const double s = Depth_Average(pd.rd_ProfileGamma, x, &below);
    if (below)
        Input_Check_Error(
            15, {"An error was detected related to an incompatibility between ",
                 "the data defining pile embedment depth and effective unit ", "weights versus depth.", "",
                 "The value for a pile station depth is " + Station(x),
                 "This depth is below the deepest extent of the input curve for", "effective unit weight versus depth.",
                 "", "Solution:", "Please revise the input data by either extending the maximum",
                 "depth for effective unit weight or shorten the length of pile",
                 "to be within the range of defined soil properties.", ""});
    return s;
}

double fn_cAvg(double x) {
    const ProblemData& pd = g.pd;
    if (x < pd.XGround) return 0.0;
    if (x - pd.XGround < kAtSurface) return fn_c(x);
    bool below = false;
    const double s = Depth_Average(pd.rd_ProfileStrength, x, &below);
    if (below)
        Input_Check_Error(3, {kEmbedmentLines[0], kEmbedmentLines[1], kEmbedmentLines[2], "",
                                  "The value for a pile station depth is " + Station(x),
                                  "This depth is below the deepest extent of the input data for",
                                  "soil shear strength versus depth.", "", "Solution:",
                                  "Please revise the input data by either extending the maximum",
                                  "depth for soil shear strength or shorten the pile to correct", "this problem.", ""});
    return s;
}

}  // namespace tarvex
