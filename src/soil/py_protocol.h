// Shared steps of the p-y model routines: the node depth and width, the
// equivalent depth, the sloping ground factor, the secant modulus a node
// keeps, and the report lines and plot records of a curve at a requested depth.
//
// A model routine PY_<name>(k) runs over the nodes ITOP .. IBOT of layer k. In
// solution mode it writes Es(i) (and q(i) with soil movement loading); in
// report mode, node i is the requested depth number i held in xa(i).
#pragma once

#include <string>
#include <string_view>

namespace tarvex {

constexpr double kHalfSqrt2Single = 0.7071067690849304;  // sqrt(2)/2 in single precision
constexpr double kHalfSqrt2 = 0.7071067811865476;
constexpr double kDegreesPerRadian = 57.29577951308232;

// The p-y models run in report mode (curves at requested depths).
bool PY_Report_Mode();
// xp: the vertical depth xv(i) in solution mode, the requested depth xa(i) in report mode.
double PY_Node_Depth(int i);
// Pile width b at the axial distance xa(i).
double PY_Pile_Width(int i);
// Depth x the criteria use at node i of layer k (xp its depth, xg = xp - XGround):
// xg in layer 1 and below rock, else measured from the layer's equivalent top depth.
// At the top node in solution mode it first runs the layering correction (the
// caller has filled g.soil.top); it stores xg in g.soil.rd_XeqTop(0) beforehand.
double PY_Equivalent_Depth(int k, int i, double xp, double xg);
// Sloping ground factor F for deflection y and effective slope beta (radians):
// 1 / (1 + tan|beta|) for the same sign, cos|beta| half_sqrt2 / cos(|beta| + pi/4)
// for opposite signs, 1 when either is zero (|v| <= 1e-20).
double Sloping_Ground_Factor(double y, double beta, double half_sqrt2 = kHalfSqrt2Single);
// The clay criteria divide by cos(|beta| + pi/4) on sloping ground: an effective
// slope of 45 degrees or more stops the run with input error 86.
void Check_Clay_Slope();
// Deflection of node i relative to the soil, divided by the y-multiplier: |y - ys| / ym.
double PY_Relative_Deflection(int i, double ym);
// Keeps the secant modulus of node i; with soil movement points, q(i) = ys(i) Es(i) + W(i).
void PY_Store_Modulus(int i, double es);

// Unit texts of the report lines, from the unit labels without trailing blanks.
std::string Unit_Length();          // LengthLabel
std::string Unit_Depth();           // "ft" in US customary units, else LengthLabel
std::string Unit_Stress();          // force/length**2
std::string Unit_Unit_Weight();     // force/length**3
std::string Unit_Force_Per_Length();// force/length

// Report block of a curve.
void PY_Report_Title(std::string_view title);  // two empty lines, the title, one empty line
// label padded to column 55, "= ", value in F12.<decimals>, a blank and the unit (none when empty).
void PY_Report_Value(std::string_view label, double value, int decimals, std::string_view unit = {});
// label padded to column 55, "= ", value in I12, a blank and the unit (none when empty).
void PY_Report_Int(std::string_view label, int value, std::string_view unit = {});
// An empty line, "y, <length>" from column 6 and "p, <p_unit>" from column 25, and the rule line.
void PY_Report_Table_Head(std::string_view p_unit);
// 3 blanks, y in a real field of 12, 5 blanks, p in a real field of 12.
void PY_Report_Table_Row(double y, double p);

// Plot record "Line 7": depth (E15.7), point count (I5), 60 blanks, label and the curve number.
void PY_Plot_Curve_Record(double depth, int points, std::string_view label, int curve);
// Plot record "Line 8": y and p (E15.7), blanks, "Line 8(" j "): y, p, for " model_text.
void PY_Plot_Point_Record(double y, double p, int j, std::string_view model_text, int blanks = 50);

}  // namespace tarvex
