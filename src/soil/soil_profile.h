// Soil properties at a depth below the pile head, read from the layered soil
// profile (two profile points per layer: its top, then its bottom).
//
// Every lookup takes the depth x in the internal length unit. A lookup that
// raises an input error writes its block, stops the run (EngineStop) and so
// never returns a value to a caller that goes on.
#pragma once

namespace tarvex {

// Soil classes of the interface rules of fn_c.
enum SoilClass : int { kUnknownSoil = 0, kCohesive = 1, kCohesionless = 2, kRock = 3, kUserSoil = 4, kElasticSoil = 5 };

// Class of layer k; strength is the layer's strength at the interface point (used by cemented silt).
int Soil_Class(int k, double strength);

// Undrained shear strength c (uniaxial compressive strength for rock) at x; sets g.soil.b_AtNode.
// Input errors 5 (below the profile) and 60 (zero-thickness segment), runtime error 30, internal error 999.
double fn_c(double x);
// Effective unit weight averaged from the ground surface to x; 0 above ground; input error 15 below the profile.
double fn_GammaAvg(double x);
// Strength averaged from the ground surface to x (fn_c at the surface); input error 3 below the profile.
double fn_cAvg(double x);
// Friction angle at x in degrees; input error 4 below the profile.
double fn_Phi(double x);
// Epsilon-50 at x; 0 below the profile.
double fn_Eps50(double x);
// J of soft clay at x; 0 below the profile.
double fn_J(double x);
// k_rm of weak rock at x (the lower layer's value at an interface); 0 outside the profile.
double fn_krm(double x);
// RQD at x in percent; input error 31 below the profile, 49 outside 0..100.
double fn_RQD(double x);
// p-multiplier of the p-y modification table at the axial distance x; 1 outside the table.
double fn_pMultiplier(double x);
// y-multiplier of the p-y modification table at the axial distance x; 1 outside the table.
double fn_yMultiplier(double x);
// V interpolated at r = a / b in a table of 10 ascending abscissae R; V(10) beyond R(10), extrapolated below R(1).
double fn_Table10(double a, double b, const double (&V)[10], const double (&R)[10]);
// Stiff clay with free water coefficient A_s at the normalised depth z = x / b (0.6 from z > 3.3).
double fn_As(double z);
// Stiff clay with free water coefficient A_c at the normalised depth z = x / b (0.3 from z > 1.5).
double fn_Ac(double z);

}  // namespace tarvex
