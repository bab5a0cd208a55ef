// Plot output file: numbered fixed-layout records that the host draws as graphs.
//
// A record is its numbers, right-justified (integers in 5 characters, reals in
// exponent notation 0.ddddddd in 15 characters), then its label at a fixed
// column. A number too large for its field becomes asterisks, so a record never
// shifts. Records are appended whole; none is rewritten.
#pragma once

#include <string>
#include <string_view>

namespace tarvex {

constexpr int kPlotIntWidth = 5;    // integers before a label
constexpr int kPlotRealWidth = 15;  // reals, E15.7

std::string Plot_Int(int n);      // I5
std::string Plot_Real(double x);  // E15.7

// "Line 1": analysis mode, unit system, pile-length-study switch, stiffness-matrix flag.
void Plot_Run_Options(int icom, int iunits, int kyl, bool kmatrix);
// "Line 2": number of pile sections.
void Plot_Section_Count(int num_sections);
// "Line 3": number of axial thrusts of the section tables; `label` is the whole label text.
void Plot_Thrust_Count(int num_thrusts, std::string_view label);
// "Line 4": points, axial thrust and nominal moment capacity of one moment-curvature curve.
void Plot_Curve_Heading(int num_points, double thrust, double capacity, std::string_view label);
// "Line 5": one point of a curve; the label is followed by the section, thrust and point numbers.
void Plot_Curve_Point(double moment, double ei, double curvature, std::string_view label, int s, int t, int p);
// The same records with the labels of a section of the moment-curvature analysis.
void Plot_Curve_Header(int num_points, double thrust, double capacity, int iunits);
void Plot_Curve_Point(double moment, double ei, double curvature, int s, int t, int p, int iunits);
// "Line 6": number of p-y curves at requested depths that follow.
void Plot_PY_Curve_Count(int num_curves);
// "Line 9": load cases, nodes and unit system, before the first case's nodal records.
void Plot_Response_Counts(int num_loads, int num_nodes, int iunits);
// "Line 10": the response of node i.
void Plot_Nodal_Response(int i, double xa, double y, double m, double v, double p, double ei);
// "Line 11": points of the pile-head deflection versus pile length curve of case j.
void Plot_Length_Study_Count(int num_points, int j, bool lrfd);
// "Line 13": the pile-head values and maxima of one case.
void Plot_Case_Summary(double top_v, double top_y, double max_m, double max_v, double top_slope,
                       int iunits);

}  // namespace tarvex
