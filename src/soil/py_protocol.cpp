// Shared steps of the p-y model routines.
#include "soil/py_protocol.h"

#include <cmath>

#include "engine/store.h"
#include "input/input_errors.h"
#include "output/fortran_edit.h"
#include "output/plot_file.h"
#include "output/report_lines.h"
#include "soil/layering.h"
#include "soil/py_model_support.h"
#include "solver/pile_nodes.h"

namespace tarvex {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kZeroAngle = 1.0E-20;          // slope or deflection taken as zero
constexpr double kLayerAboveHead = -1.0E-8;     // layer bottom above the pile head
constexpr int kReportLabelWidth = 55;           // "= " of a parameter line in column 56

void Report_Label(std::string_view label) {
    Report_Text(Fixed(label, kReportLabelWidth));
    Report_Text("= ");
}

void Report_Unit(std::string_view unit) {
    if (!unit.empty()) Report_Text(" " + std::string(unit));
    End_Line();
}

}  // namespace

bool PY_Report_Mode() { return g.pd.i_PrintPYCurves != 0; }

double PY_Node_Depth(int i) { return PY_Report_Mode() ? g.nodes.xa(i) : g.nodes.xv(i); }

double PY_Pile_Width(int i) {
    Pile_Properties_At(g.nodes.xa(i));
    return g.nodes.rd_DiamAtX;
}

double PY_Equivalent_Depth(int k, int i, double xp, double xg) {
    const ProblemData& pd = g.pd;
    double x = xg;
    if (k == 1) return x;
    if (g.soil.i_RockLayersAbove == 0) {
        if (i == g.nodes.ITOP && !PY_Report_Mode()) {
            g.soil.rd_XeqTop(0) = xg;
            Layering_Correction(k);
        }
        x = xp - pd.XLayerTop(k) + g.soil.rd_XeqTop(k);
    }
    if (pd.XLayerBottom(1) < kLayerAboveHead || pd.XLayerBottom(2) < kLayerAboveHead) x = xp - pd.XLayerTop(1);
    return x;
}

double Sloping_Ground_Factor(double y, double beta, double half_sqrt2) {
    if (std::fabs(y) < kZeroAngle || std::fabs(beta) < kZeroAngle) return 1.0;
    const double a = std::fabs(beta);
    if ((y > 0.0) == (beta > 0.0)) return 1.0 / (1.0 + std::tan(a));
    return std::cos(a) * half_sqrt2 / std::cos(a + kQuarterPi);
}

void Check_Clay_Slope() {
    constexpr int kSteepSlopeError = 86;
    const double beta = g.pd.rd_EffSlopeAngle;
    if (std::fabs(beta) < kQuarterPi) return;
    Input_Check_Error(kSteepSlopeError,
                          {"Problem:  The effective slope of the ground surface (ground slope minus pile batter) is " +
                               Edit_F(beta * 180 / kPi, 10, 3) + " degrees.",
                           "The p-y criteria for clay can only be used for effective slopes flatter than 45 degrees.",
                           "", "Solution:  Reduce the ground slope angle or the pile batter angle so that the ",
                           "effective slope is less than 45 degrees.", ""});
}

double PY_Relative_Deflection(int i, double ym) { return std::fabs(g.nodes.y(i) - g.nodes.ys(i)) / ym; }

void PY_Store_Modulus(int i, double es) {
    PileNode& nd = g.nodes;
    nd.Es(i) = es;
    if (g.pd.i_NumSoilMovePts >= 1) nd.q(i) = nd.ys(i) * es + nd.W(i);
}

std::string Unit_Length() { return std::string(g.units.LengthLabel.trimmed()); }
std::string Unit_Depth() { return g.pd.IUNITS == kUnitsUS ? std::string("ft") : Unit_Length(); }
std::string Unit_Stress() { return std::string(g.units.ForceLabel.trimmed()) + "/" + Unit_Length() + "**2"; }
std::string Unit_Unit_Weight() { return std::string(g.units.ForceLabel.trimmed()) + "/" + Unit_Length() + "**3"; }
std::string Unit_Force_Per_Length() { return std::string(g.units.ForceLabel.trimmed()) + "/" + Unit_Length(); }

void PY_Report_Title(std::string_view title) {
    if (g_Out.report.open) End_Line();
    Report_Blank_Lines(2);
    Report_Line(title);
    Report_Blank_Lines(1);
}

void PY_Report_Value(std::string_view label, double value, int decimals, std::string_view unit) {
    Report_Label(label);
    Report_Text(Edit_F(value, 12, decimals));
    Report_Unit(unit);
}

void PY_Report_Int(std::string_view label, int value, std::string_view unit) {
    Report_Label(label);
    Report_Text(Edit_I(value, 12));
    Report_Unit(unit);
}

void PY_Report_Table_Head(std::string_view p_unit) {
    Report_Blank_Lines(1);
    Report_Line(std::string(5, ' ') + Fixed("y, " + std::string(g.units.LengthLabel.view()), 19) + "p, " +
                std::string(p_unit));
    Report_Line("----------------    -----------------");
}

void PY_Report_Table_Row(double y, double p) {
    Write_Blanks(3);
    Write_Real_Field(y, 12);
    Write_Blanks(5);
    Write_Real_Field(p, 12);
    End_Line();
}

void PY_Plot_Curve_Record(double depth, int points, std::string_view label, int curve) {
    Put_Line(g_Out.plot, Plot_Real(depth) + Plot_Int(points) + std::string(60, ' ') + std::string(label) +
                             Int_Text(curve));
}

void PY_Plot_Point_Record(double y, double p, int j, std::string_view model_text, int blanks) {
    Put_Line(g_Out.plot, Plot_Real(y) + Plot_Real(p) + std::string(size_t(blanks), ' ') + "Line 8(" +
                             Int_Text(j) + "): y, p, for " + std::string(model_text));
}

}  // namespace tarvex
