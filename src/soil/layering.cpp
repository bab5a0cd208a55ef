// Layering correction after Georgiadis (1983): the equivalent depth of the top
// of a layer is the depth at which a deposit of the layer's own soil, integrated
// from the ground surface, gives the ultimate resistance F of the layers above.
#include "soil/layering.h"

#include <cmath>

#include "engine/store.h"
#include "soil/reese_sand_tables.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {

constexpr double kNoResistance = double(0.01f);  // a resistance below this is replaced by the saved one
constexpr double kResistanceOverflow = 1.0E+20;
constexpr double kCyclicClayFactor = double(0.72f);
constexpr double kFreeWaterFactor = double(2.83f);
constexpr double kDeepSandFactor = double(0.88f);
constexpr int kStiffClaySteps = 50;
constexpr int kSandSteps = 500;

double Overlying_Resistance(int k) {
    SoilState& s = g.soil;
    double f = 0.0;
    for (int j = 1; j < k; ++j) {
        if (s.rd_LayerResistance(j) < kNoResistance) s.rd_LayerResistance(j) = s.rd_LayerResistanceSaved(j);
        f += s.rd_LayerResistance(j);
        if (f > kResistanceOverflow) f = 100.0;
    }
    return f;
}

// Depth x of 3 b c x + (0.25 c + 0.5 b gamma) x^2 = F.
double Shallow_Clay_Depth(double F, double b, double c, double gamma) {
    const double a2 = 0.25 * c + 0.5 * b * gamma;
    const double a1 = 3 * b * c;
    return (std::sqrt(a1 * a1 + 4 * F * a2) - a1) * 0.5 / a2;
}

// Matlock soft clay (and soft clay with J).
double Soft_Clay_Depth(double F) {
    const LayerTopProperties& t = g.soil.top;
    const double b = t.b, c = t.c, gm = t.gamma, J = t.J;
    const double xr = 6 * b * c / (J * c + b * gm);
    double pd, fxr;
    if (on(g.pd.b_CyclicLoading)) {
        pd = kCyclicClayFactor * 9 * b * c;
        fxr = (1.5 * xr * b * c + c * xr * xr / 6 + xr * xr * b * gm / 3) * kCyclicClayFactor;
    } else {
        pd = 9 * b * c;
        fxr = ((3 * c + J * xr * gm) * b + 0.25 * xr * c) * xr;
    }
    if (fxr < F) return xr + (F - fxr) / pd;
    return Shallow_Clay_Depth(F, b, c, gm);
}

// Welch and Reese stiff clay without free water (with or without a given k).
double Stiff_Clay_Dry_Depth(double F) {
    const LayerTopProperties& t = g.soil.top;
    const double b = t.b, c = t.c, ca = t.ca, gm = t.gamma;
    const double xr = (9 * c - 3 * ca) * b / (0.5 * ca + gm * b);
    const double fxr = ((0.25 * xr + 3 * b) * ca + 0.5 * gm * xr * b) * xr;
    if (F <= fxr) {
        const double a2 = 0.25 * ca + 0.5 * gm * b;
        const double a1 = 3 * b * ca;
        return (std::sqrt(a1 * a1 + 4 * F * a2) - a1) / (2 * a2);
    }
    return xr + (F - fxr) / (9 * b * c);
}

// Reese stiff clay with free water: the shallow resistance integrated in 50 steps.
double Stiff_Clay_Wet_Depth(double F) {
    const LayerTopProperties& t = g.soil.top;
    const double b = t.b, c = t.c, ca = t.ca, gm = t.gamma;
    const double xr = (11 * c - 2 * ca) * b / (gm * b + kFreeWaterFactor * ca);
    const double dz = xr / kStiffClaySteps;
    const bool cyclic = on(g.pd.b_CyclicLoading);
    double s = 0.0, f = 0.0;
    for (int i = 1; i <= kStiffClaySteps; ++i) {
        const double z = i * dz;
        const double as = fn_As(z / b), ac = fn_Ac(z / b);
        f = cyclic ? double(0.936f) * ac - double(0.4182f) * as
                   : 0.5 * std::sqrt(6 * as) - double(0.411f) - double(0.75f) * as;
        const double s_prev = s;
        s += dz * f * ((gm * z + 2 * ca) * b + kFreeWaterFactor * ca * z);
        if (F < s) return z - dz * (s - F) / (s - s_prev);
    }
    return xr + (F - s) / (11 * c * f * b);
}

// Reese sand, and cemented silt with its cohesive part: the shallow resistance
// integrated in 500 steps, then the deep resistance beyond the transition depth.
double Sand_Depth(double F, bool silt) {
    const LayerTopProperties& t = g.soil.top;
    const double b = t.b, c = t.c, gm = t.gamma;
    const double c1 = std::tan(t.beta) * (t.Kp * std::tan(t.alpha) +
                                          t.K0 * (std::tan(t.phi) * std::sin(t.beta) * (1 / std::cos(t.alpha) + 1) -
                                                  std::tan(t.alpha)));
    const double c2 = t.Kp - t.Ka;
    const double c3 = t.Kp * t.Kp * (t.Kp + t.K0 * std::tan(t.phi)) - t.Ka;
    const double G = gm * b * b;
    const double xr = (c3 - c2) * b / c1;
    const double dz = xr / kSandSteps;
    const auto& A = on(g.pd.b_CyclicLoading) ? kReeseACyclic : kReeseAStatic;
    double s = 0.0, p_prev = 0.0;
    for (int i = 1; i <= kSandSteps; ++i) {
        const double z = i * dz;
        const double a = fn_Table10(z, b, A, kReeseSandAbscissa);
        const double p = a * G * (c1 * (z / b) * (z / b) + c2 * z / b);
        const double s_prev = s;
        if (silt)
            s += ((gm * b + 0.5 * c) * z + p + 3 * b * c) * dz;
        else
            s += (p_prev + p) * dz / 2;
        p_prev = p;
        if (F < s) return z - dz * (s - F) / (s - s_prev);
    }
    const double deep = g.soil.rd_XeqTop(0) * kDeepSandFactor * c3 * G / b;
    return xr + (F - s) / (silt ? deep + 9 * b * c : deep);
}

}  // namespace

void Layering_Correction(int k) {
    const double F = Overlying_Resistance(k);
    double x;
    switch (g.pd.i_SoilLayer_py_Type(k)) {
        case kSoftClay: case kSoftClyJ: x = Soft_Clay_Depth(F); break;
        case kStfClyAW: case kStfClyAK: x = Stiff_Clay_Dry_Depth(F); break;
        case kStfClyBW: x = Stiff_Clay_Wet_Depth(F); break;
        case kSand: case kAPISand: x = Sand_Depth(F, false); break;
        case kCemSilt: x = Sand_Depth(F, true); break;
        default: return;  // models without a layer resistance are not corrected
    }
    g.soil.rd_XeqTop(k) = x;
}

}  // namespace tarvex
