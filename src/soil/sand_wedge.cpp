// Wedge and flow-around resistance of sand (Reese, Cox and Koop 1974) and the
// default subgrade modulus of both sand criteria.
#include "soil/sand_wedge.h"

#include <cmath>

#include "engine/errors.h"
#include "engine/store.h"
#include "input/problem_data.h"
#include "soil/py_model_support.h"
#include "soil/py_protocol.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {
constexpr double kPi = 3.141592653589793;
}  // namespace

SandAngles Sand_Angles(double phi, double theta, double k0) {
    SandAngles s;
    s.phi = phi;
    s.alpha = phi / 2.0;
    s.beta = kPi / 4.0 + phi / 2.0;
    s.K0 = k0;
    s.Ka0 = std::pow(std::tan(kPi / 4.0 - phi / 2.0), 2);
    s.Kp = std::pow(std::tan(s.beta), 2);
    s.Ka = s.Ka0;
    if (std::fabs(theta) > 1.0E-10) {
        // Active pressure behind a wall retaining ground sloping at theta.
        const double ct = std::cos(theta);
        const double r = std::sqrt(ct * ct - std::pow(std::cos(phi), 2));
        s.Ka = ct * (ct - r) / (ct + r);
    }
    return s;
}

double Slope_Margin(double phi, double theta) {
    return std::pow(std::cos(theta), 2) - std::pow(std::cos(phi), 2);
}

double Sand_Wedge_Level(const SandAngles& s, double gamma, double x, double b) {
    const double tp = std::tan(s.phi), ta = std::tan(s.alpha), tb = std::tan(s.beta);
    const double tbp = std::tan(s.beta - s.phi), sb = std::sin(s.beta), ca = std::cos(s.alpha);
    return gamma * x *
           (s.K0 * x * tp * sb / (ca * tbp) + tb / tbp * (b + x * tb * ta) +
            s.K0 * x * tb * (tp * sb - ta) - s.Ka * b);
}

double Sand_Wedge_Slope(const SandAngles& s, double gamma, double x, double b, double t0, double D) {
    const double tp = std::tan(s.phi), ta = std::tan(s.alpha), tb = std::tan(s.beta);
    const double tbp = std::tan(s.beta - s.phi), sb = std::sin(s.beta), ca = std::cos(s.alpha);
    const double t = t0 / D;
    const double f = (4.0 * t - 3.0) * t * t + 1.0;
    return gamma * x *
           (tb / tbp * (x * ta * tb / D + b) / D - s.Ka * b +
            s.K0 * x * tp * sb * f / (ca * tbp) + f * s.K0 * x * tb * (tp * sb - ta));
}

double Sand_Flow_Around(const SandAngles& s, double gamma, double d, double b) {
    const double tb = std::tan(s.beta);
    return (s.K0 * std::tan(s.phi) * std::pow(tb, 4) + (std::pow(tb, 8) - 1.0) * s.Ka0) * b * gamma * d;
}

SandNodeInputs Sand_Node_Inputs(int i) {
    SandNodeInputs in;
    in.xp = PY_Node_Depth(i);
    in.xg = in.xp - g.pd.XGround;
    in.b = PY_Pile_Width(i);
    in.gamma = fn_GammaAvg(in.xp);
    in.phid = fn_Phi(in.xp);
    in.phi = in.phid * kPi / 180.0;
    in.pmult = fn_pMultiplier(g.nodes.xa(i));
    in.ymult = fn_yMultiplier(g.nodes.xa(i));
    return in;
}

double Sand_Subgrade_K(int k, double xp, const SandNodeInputs& in, bool& default_k) {
    default_k = !(g.pd.rd_LayerKTop(k) > 0.0);
    return default_k ? fn_DefaultK(in.phi, in.gamma, g.pd.IUNITS) : Layer_K_At(k, xp);
}

void Set_Sand_Top_Properties(const SandAngles& s, double b, double gamma) {
    LayerTopProperties& t = g.soil.top;
    t.b = b;
    t.gamma = gamma;
    t.phi = s.phi;
    t.alpha = s.alpha;
    t.beta = s.beta;
    t.K0 = s.K0;
    t.Ka = s.Ka;
    t.Kp = s.Kp;
}

double fn_DefaultK(double phi, double gamma, int iunits) {
    const double phid = phi * kDegreesPerRadian;
    if (iunits == kUnitsUS) {
        if (phid > 40.0) return 160.54745483398438;
        return 1.2098290369522147E-07 * std::pow(phid, 5.694468021392822);
    }
    if (iunits == kUnitsSI) {
        if (gamma <= 12.225000381469727) {
            if (phid > 40.0) return 43580.1484375;
            return 3.284046397311613E-05 * std::pow(phid, 5.694468021392822);
        }
        if (phid > 40.0) return 78739.0078125;
        return 4.14174883189844E-06 * std::pow(phid, 6.416118144989014);
    }
    Write_Error_Block(Runtime_Error_Heading(13),
                      {"Problem:  General units have been selected for use in computations in      ",
                       "combination with default values of k for a layer classified as API sand    ",
                       "criteria. This combination of data cannot be used because Tarvex cannot     ",
                       "compute default values of subgrade modulus in general units.               ",
                       "",
                       "Solution:  You must select either US customary for SI units for the        ",
                       "units of computation to use a default value for subgrade subgrade modulus  ",
                       "for the API sand criteria or enter an appropriate proper value by entering ",
                       "a non-zero for k."},
                      true, 2);
    Stop_With_Error("RUN00013", 213);
}

}  // namespace tarvex
