// The depth curves of the earlier file formats, laid onto the layer profile.
#include "input/legacy_profile.h"

#include "engine/store.h"
#include "input/input_errors.h"
#include "input/value_reader.h"

namespace tarvex {
namespace {

// Where a curve meets the depth of a layer boundary.
enum class Side { LayerTop, LayerBottom };

// The value of a depth curve at x: at a depth the curve gives twice, the
// deeper point belongs to a layer top and the shallower to a layer bottom;
// between points the curve is linear, beyond its ends it keeps its end values.
template <int N>
double Curve_At(const Arr<double, N>& z, const Arr<double, N>& v, int n, double x, Side side) {
    if (n < 1) return 0.0;
    if (side == Side::LayerTop) {
        for (int j = n; j >= 1; --j)
            if (z(j) == x) return v(j);
    } else {
        for (int j = 1; j <= n; ++j)
            if (z(j) == x) return v(j);
    }
    if (x <= z(1)) return v(1);
    for (int j = 2; j <= n; ++j)
        if (x < z(j)) return v(j - 1) + (v(j) - v(j - 1)) * (x - z(j - 1)) / (z(j) - z(j - 1));
    return v(n);
}

constexpr bool Strength_Doubled(int code) { return code == kAPISand || code == kVuggyLS; }

// The untagged format gives half the strength of API sand and vuggy limestone layers.
void Double_Layer_Strengths(LegacyProfile& raw) {
    const ProblemData& pd = g.pd;
    for (int k = 1; k <= pd.i_Number_of_Layers; ++k) {
        if (!Strength_Doubled(pd.i_SoilLayer_py_Type(k))) continue;
        for (int j = 1; j < raw.num_strength; ++j)
            if (raw.depth(j) >= pd.XLayerTop(k) && raw.depth(j + 1) <= pd.XLayerBottom(k)) raw.strength(j) *= 2.0;
    }
}

void Copy_User_Curve(const LegacyProfile& raw, int u, int j) {
    ProblemData& pd = g.pd;
    pd.i_UserPyNumPts(j) = raw.user_points(u);
    for (int m = 1; m <= raw.user_points(u); ++m) {
        pd.rd_UserPyY(j, m) = raw.user_y(u, m);
        pd.rd_UserPyP(j, m) = raw.user_p(u, m);
    }
}

// A user layer takes the shallowest and the deepest curve within its depths
// for its top and bottom; a layer with one curve uses it throughout.
void Assign_User_Curves(const LegacyProfile& raw, int k) {
    ProblemData& pd = g.pd;
    int first = 0, last = 0;
    for (int u = 1; u <= raw.num_user; ++u) {
        const double d = raw.user_depth(u);
        if (d < pd.XLayerTop(k) || d > pd.XLayerBottom(k)) continue;
        if (first == 0 || d < raw.user_depth(first)) first = u;
        if (last == 0 || d >= raw.user_depth(last)) last = u;
    }
    pd.rd_UserPyDepth(2 * k - 1) = pd.XLayerTop(k);
    pd.rd_UserPyDepth(2 * k) = pd.XLayerBottom(k);
    if (first == 0) return;
    Copy_User_Curve(raw, first, 2 * k - 1);
    Copy_User_Curve(raw, last, 2 * k);
}

}  // namespace

void Read_Legacy_Profile(LegacyProfile& raw, int num_gamma, int num_strength, bool untagged) {
    raw.num_gamma = num_gamma < 0 ? 0 : num_gamma;
    for (int j = 1; j <= raw.num_gamma; ++j) Read_Values({raw.gamma_depth(j), raw.gamma(j)});
    raw.num_strength = num_strength < 0 ? 0 : num_strength;
    for (int j = 1; j <= raw.num_strength; ++j) {
        if (untagged)
            Read_Values({raw.depth(j), raw.strength(j), raw.phi(j), raw.eps50(j)});
        else
            Read_Values({raw.depth(j), raw.strength(j), raw.phi(j), raw.eps50(j), raw.rqd(j)});
    }
    if (untagged) Double_Layer_Strengths(raw);
}

void Read_Legacy_User_Curves(LegacyProfile& raw, int num_curves) {
    raw.num_user = num_curves < 0 ? 0 : num_curves;
    for (int u = 1; u <= raw.num_user; ++u) {
        int n = 0;
        Read_Values({raw.user_depth(u), n});
        Check_Count(n, kMaxUserPyPairs, "pairs of a user-input p-y curve");
        raw.user_points(u) = n < 0 ? 0 : n;
        for (int m = 1; m <= raw.user_points(u); ++m) Read_Values({raw.user_y(u, m), raw.user_p(u, m)});
    }
}

void Build_Layer_Profile(const LegacyProfile& raw) {
    ProblemData& pd = g.pd;
    const int layers = pd.i_Number_of_Layers;
    for (int k = 1; k <= layers; ++k) {
        for (int j : {2 * k - 1, 2 * k}) {
            const Side side = j % 2 == 1 ? Side::LayerTop : Side::LayerBottom;
            const double x = side == Side::LayerTop ? pd.XLayerTop(k) : pd.XLayerBottom(k);
            const int ns = raw.num_strength;
            pd.rd_ProfileDepth(j) = pd.rd_GammaDepth(j) = x;
            pd.rd_ProfileGamma(j) = Curve_At(raw.gamma_depth, raw.gamma, raw.num_gamma, x, side);
            pd.rd_ProfileStrength(j) = Curve_At(raw.depth, raw.strength, ns, x, side);
            pd.rd_ProfilePhi(j) = Curve_At(raw.depth, raw.phi, ns, x, side);
            pd.rd_ProfileEps50(j) = Curve_At(raw.depth, raw.eps50, ns, x, side);
            pd.rd_ProfileRQD(j) = Curve_At(raw.depth, raw.rqd, ns, x, side);
        }
        if (pd.i_SoilLayer_py_Type(k) == kUserPy) Assign_User_Curves(raw, k);
    }
    pd.i_NumProfilePoints = 2 * layers;
    pd.i_NumGammaPts = raw.num_gamma > 0 ? 2 * layers : 0;
}

}  // namespace tarvex
