// Lateral loads on the pile nodes: distributed loads averaged over each
// node's tributary length, the LRFD load-type sums and the soil movements.
#include <cmath>
#include <string>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "solver/pile_nodes.h"

namespace tarvex {

namespace {

// Integral of a piecewise-linear load table (depth(j), load(j)), j = 1..m, zero
// outside its ends, over the tributary interval of the node at x. A step (two
// points at one depth) contributes nothing of its own.
template <class Depth, class Load>
double Tributary_Integral(double x, int m, const Depth& depth, const Load& load) {
    if (m < 1) return 0.0;  // a count below 1 gives no distributed load
    const double h = g.nodes.rd_IncrementLength;
    const double u = std::fmax(0.0, x - h / 2);
    const double o = std::fmin(g.pd.rd_PileLength, x + h / 2);
    if (depth(1) >= o || u > depth(m)) return 0.0;
    double sum = 0.0;
    for (int j = 2; j <= m; ++j) {
        const double z0 = depth(j - 1), z1 = depth(j);
        const double lo = std::fmax(u, z0), hi = std::fmin(o, z1);
        if (hi <= lo) continue;
        auto at = [&](double s) { return load(j - 1) + (load(j) - load(j - 1)) * (s - z0) / (z1 - z0); };
        sum += (at(lo) + at(hi)) * 0.5 * (hi - lo);
    }
    return sum;
}

constexpr const char* kLoadTypeName[kNumLRFDLoadTypes] = {
    "Dead Loads", "Live Loads", "Earthquake Loads", "Impact Loads", "Wind Loads",
    "Water Loads", "Ice Loads", "Horizontal Soil Pressures", "Live Roof Loads", "Rain Loads",
    "Snow Loads", "Temperature Loads", "Special Loads"};

void Report_LRFD_Load_Type(int t) {
    const PileNode& nd = g.nodes;
    const UnitLabels& u = g.units;
    Report_Blank_Lines(2);
    Report_Line("Distributed Lateral Loads for LRFD:");
    Report_Line(std::string(35, '-'));
    Report_Blank_Lines(2);
    Report_Line("Sums of Distributed Lateral Load Per Unit Length due to " + Fixed(kLoadTypeName[t - 1], 30));
    Report_Blank_Lines(1);
    Report_Line("   Depth     Distributed Load");
    Report_Line("    " + std::string(u.LengthLabel.view()) + std::string(11, ' ') +
                std::string(u.ForceLabel.trimmed()) + "/" + std::string(u.LengthLabel.trimmed()));
    Report_Line("----------   ----------------");
    for (int i = 1; i <= nd.i_NumNodes; ++i)
        if (nd.rd_LoadTypeNodeLoad(i, t) != 0.0)
            Report_Line(Edit_F(nd.xa(i), 10, 2) + "   " + Edit_F(nd.rd_LoadTypeNodeLoad(i, t), 10, 2));
    Report_Blank_Lines(2);
}

}  // namespace

double Nodal_Distributed_Load(double x) {
    const ProblemData& pd = g.pd;
    const double sum = Tributary_Integral(x, pd.i_NumDistLoadPts, pd.rd_DistLoadDepth, pd.rd_DistLoad);
    const double h = g.nodes.rd_IncrementLength;
    return x == 0.0 || x == pd.rd_PileLength ? sum / (h / 2) : sum / h;
}

void Build_LRFD_Nodal_Loads() {
    const ProblemData& pd = g.pd;
    PileNode& nd = g.nodes;
    const int n = nd.i_NumNodes;
    const double h = nd.rd_IncrementLength;
    for (auto& row : nd.rd_LoadTypeNodeLoad.v)
        for (double& v : row) v = 0.0;
    for (int t = 1; t <= kNumLRFDLoadTypes; ++t) {
        for (int grp = 1; grp <= pd.i_NumLRFDLoads; ++grp) {
            const int m = pd.i_LRFDNumDist(grp);
            if (pd.i_LRFDLoadType(grp) != t || m < 1) continue;
            auto depth = [&](int j) { return pd.rd_LRFDDistDepth(j, grp); };
            auto load = [&](int j) { return pd.rd_LRFDDist(j, grp); };
            for (int i = 1; i <= n; ++i) nd.rd_LoadTypeNodeLoad(i, t) += Tributary_Integral(nd.xa(i), m, depth, load);
        }
        for (int i = 1; i <= n; ++i) nd.rd_LoadTypeNodeLoad(i, t) /= (i == 1 || i == n) ? h / 2 : h;
    }
    for (int t = 1; t <= kNumLRFDLoadTypes; ++t)
        for (int i = 1; i <= n; ++i)
            if (nd.rd_LoadTypeNodeLoad(i, t) != 0.0) {
                Report_LRFD_Load_Type(t);
                break;
            }
}

double Factored_Nodal_Load(int i, int combo) {
    double q = 0.0;
    for (int t = 1; t <= kNumLRFDLoadTypes; ++t) q += g.pd.rd_LoadFactor(t, combo) * g.nodes.rd_LoadTypeNodeLoad(i, t);
    return q;
}

void Nodal_Soil_Movement(int n) {
    constexpr double kSameDepth = 1.0E-5;
    const ProblemData& pd = g.pd;
    PileNode& nd = g.nodes;
    const int r = pd.i_NumSoilMovePts;
    const auto& d = pd.rd_SoilMoveDepth;
    const auto& m = pd.rd_SoilMove;
    int j = 2;
    for (int i = 1; i <= n; ++i) {
        const double x = nd.xa(i);
        if (x < d(1) || x > d(r)) {
            nd.ys(i) = 0.0;
            continue;
        }
        while (j < r && d(j) < x) ++j;
        // A node at a step of the table (two points at its depth) takes the mean of both movements.
        if (j < r && std::fabs(d(j + 1) - d(j)) < kSameDepth && std::fabs(x - d(j)) < kSameDepth) ++j;
        if (std::fabs(d(j) - d(j - 1)) < kSameDepth)
            nd.ys(i) = (m(j) + m(j - 1)) * 0.5;
        else
            nd.ys(i) = m(j - 1) + (x - d(j - 1)) * (m(j) - m(j - 1)) / (d(j) - d(j - 1));
    }
}

}  // namespace tarvex
