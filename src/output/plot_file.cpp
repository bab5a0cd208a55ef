// Plot output file records written by the driver and the pile response report.
#include "output/plot_file.h"

#include "input/problem_data.h"
#include "output/channel.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

constexpr int kLabelColumn = 81;         // most records
constexpr int kNodalLabelColumn = 92;    // "Line 10"

}  // namespace

std::string Plot_Int(int n) { return Edit_I(n, kPlotIntWidth); }
std::string Plot_Real(double x) { return Edit_E(x, kPlotRealWidth, 7); }

void Plot_Run_Options(int icom, int iunits, int kyl, bool kmatrix) {
    Put_Line(g_Out.plot, Plot_Int(icom) + Plot_Int(iunits) + Plot_Int(kyl) + Plot_Int(kmatrix ? 1 : 0) +
                             std::string(60, ' ') + "Line 1 : ICOM, IUNITS, KYL, ib_ComputeKmatrix_1T0F");
}

void Plot_Section_Count(int num_sections) {
    Put_Line(g_Out.plot, Plot_Int(num_sections) + std::string(75, ' ') + "Line 2 : Total number of sections");
}

void Plot_Thrust_Count(int num_thrusts, std::string_view label) {
    Put_Line(g_Out.plot, Plot_Int(num_thrusts) + std::string(75, ' ') + std::string(label));
}

void Plot_Curve_Heading(int num_points, double thrust, double capacity, std::string_view label) {
    const std::string numbers = Plot_Int(num_points) + std::string(10, ' ') + Plot_Real(thrust) + Plot_Real(capacity);
    Put_Line(g_Out.plot, Tab_To(numbers, kLabelColumn) + std::string(label));
}

void Plot_Curve_Point(double moment, double ei, double curvature, std::string_view label, int s, int t, int p) {
    const std::string numbers = Plot_Real(moment) + Plot_Real(ei) + Plot_Real(curvature);
    Put_Line(g_Out.plot, Tab_To(numbers, kLabelColumn) + std::string(label) + Int_Text(s) + ", AxLd#=" +
                             Int_Text(t) + ", CurvPnt#=" + Int_Text(p));
}

void Plot_Curve_Header(int num_points, double thrust, double capacity, int iunits) {
    Plot_Curve_Heading(num_points, thrust, capacity,
                       iunits == kUnitsSI
                           ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m)"
                           : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips)");
}

void Plot_Curve_Point(double moment, double ei, double curvature, int s, int t, int p, int iunits) {
    Plot_Curve_Point(moment, ei, curvature,
                     iunits == kUnitsSI ? "Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#="
                                        : "Line 5 : Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=",
                     s, t, p);
}

void Plot_PY_Curve_Count(int num_curves) {
    Put_Line(g_Out.plot, Plot_Int(num_curves) + std::string(75, ' ') + "Line 6 : number of output p-y curves");
}

void Plot_Response_Counts(int num_loads, int num_nodes, int iunits) {
    Put_Line(g_Out.plot, Plot_Int(num_loads) + Plot_Int(num_nodes) + Plot_Int(iunits) + std::string(65, ' ') +
                             "Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI");
}

void Plot_Nodal_Response(int i, double xa, double y, double m, double v, double p, double ei) {
    std::string numbers = Plot_Real(xa) + Plot_Real(y) + Plot_Real(m) + Plot_Real(v) + Plot_Real(p) + Plot_Real(ei);
    Put_Line(g_Out.plot, Tab_To(numbers, kNodalLabelColumn) + "Line 10(" + Edit_I(i, 3) +
                             "): nodal depth, y, M, V, p, EI");
}

void Plot_Length_Study_Count(int num_points, int j, bool lrfd) {
    Put_Line(g_Out.plot, Plot_Int(num_points) + std::string(75, ' ') +
                             (lrfd ? "Line 11: Num. points on Ytop vs. Length curve for LRFD load case "
                                   : "Line 11: Num. points on Ytop vs. Length curve for load case ") +
                             Int_Text(j));
}

void Plot_Case_Summary(double top_v, double top_y, double max_m, double max_v, double top_slope, int iunits) {
    std::string numbers = Plot_Real(top_v) + Plot_Real(top_y) + Plot_Real(max_m) + Plot_Real(max_v) + Plot_Real(top_slope);
    Put_Line(g_Out.plot, Tab_To(numbers, kLabelColumn) +
                             (iunits == kUnitsUS
                                  ? "Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)"
                                  : "Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)"));
}

}  // namespace tarvex
