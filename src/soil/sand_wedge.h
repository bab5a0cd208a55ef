// Ultimate resistance of sand from the wedge and flow-around failure
// mechanisms of Reese, Cox and Koop (1974), with the sloping-ground wedge of
// Reese, Isenhower and Wang (2006); shared by the Reese and the API sand curves.
#pragma once

namespace tarvex {

// Friction angle and the earth pressure coefficients of one depth.
struct SandAngles {
    double phi = 0;    // friction angle, radians
    double alpha = 0;  // phi / 2
    double beta = 0;   // pi/4 + phi/2
    double K0 = 0;     // at-rest coefficient
    double Ka0 = 0;    // active coefficient on level ground, tan^2(pi/4 - phi/2)
    double Kp = 0;     // tan^2(beta)
    double Ka = 0;     // active coefficient of the shallow wedge (sloping-ground value on a slope)
};

// The angles of friction angle phi (radians) on a ground of effective slope
// theta; k0 is the at-rest coefficient of the criterion.
SandAngles Sand_Angles(double phi, double theta, double k0);

// cos^2(theta) - cos^2(phi): the ground slope must be flatter than the friction angle.
double Slope_Margin(double phi, double theta);

// Shallow wedge on level ground, per length, at equivalent depth x of a pile of width b.
double Sand_Wedge_Level(const SandAngles& s, double gamma, double x, double b);
// Shallow wedge on sloping ground: t0 = tan|theta| tan(beta), D = 1 + t0 when the
// ground falls away in the direction of the deflection, 1 - t0 when it rises.
double Sand_Wedge_Slope(const SandAngles& s, double gamma, double x, double b, double t0, double D);
// Deep flow-around resistance at depth d.
double Sand_Flow_Around(const SandAngles& s, double gamma, double d, double b);

// The lookups of a sand node: depths, width, unit weight, friction angle and multipliers.
struct SandNodeInputs {
    double xp = 0, xg = 0;        // depth of the curve, depth below ground
    double b = 0, gamma = 0;      // pile width, average effective unit weight
    double phid = 0, phi = 0;     // friction angle in degrees and radians
    double pmult = 1, ymult = 1;  // p- and y-multipliers
};
SandNodeInputs Sand_Node_Inputs(int i);

// Subgrade modulus of sand layer k at depth xp: the layer's values, or the
// default from phi and gamma when its top value is not positive (default_k set).
double Sand_Subgrade_K(int k, double xp, const SandNodeInputs& in, bool& default_k);

// Leaves the top-node angles, width and unit weight of a sand layer for the layering correction.
void Set_Sand_Top_Properties(const SandAngles& s, double b, double gamma);

// Default initial modulus of subgrade reaction from phi (radians) and gamma;
// generic units have none and stop with runtime error 13.
double fn_DefaultK(double phi, double gamma, int iunits);

}  // namespace tarvex
