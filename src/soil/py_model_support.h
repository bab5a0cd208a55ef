// Small steps shared by the sand, stiff clay and other-soil p-y models: layer
// values interpolated in depth, the integrated layer resistance, the common
// report lines of their curve blocks, the stops of their input and runtime
// errors and the blocks written to the runtime message file only.
#pragma once

#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/errors.h"
#include "engine/store.h"
#include "output/channel.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "soil/py_protocol.h"

namespace tarvex {

// A unit label without its trailing blanks.
template <int N>
inline std::string Label(const Text<N>& t) {
    return std::string(t.trimmed());
}

// A subgrade modulus written as force/length/length.
inline std::string Unit_Force_Per_Length_Per_Length() {
    return Label(g.units.ForceLabel) + "/" + Label(g.units.LengthLabel) + "/" + Label(g.units.LengthLabel);
}

// Value of a profile column at depth xp inside layer k, linear between the
// layer's top point 2k-1 and bottom point 2k.
template <class Column>
inline double Layer_Profile_Value(const Column& v, int k, double xp) {
    const ProblemData& pd = g.pd;
    const double z1 = pd.rd_ProfileDepth(2 * k - 1), z2 = pd.rd_ProfileDepth(2 * k);
    const double v1 = v(2 * k - 1), v2 = v(2 * k);
    if (z2 == z1) return v1;
    return v1 + (v2 - v1) * (xp - z1) / (z2 - z1);
}

// Subgrade modulus k of layer k at depth xp, linear between its top and bottom values.
inline double Layer_K_At(int k, double xp) {
    const ProblemData& pd = g.pd;
    const double kt = pd.rd_LayerKTop(k), kb = pd.rd_LayerKBottom(k);
    if (kt == kb || pd.XLayerBottom(k) == pd.XLayerTop(k)) return kt;
    return kt + (kb - kt) * (xp - pd.XLayerTop(k)) / (pd.XLayerBottom(k) - pd.XLayerTop(k));
}

// Integrated ultimate resistance of layer k (read by the layering correction of
// the layers below): reset at the top node, trapezoids of one increment between
// nodes, and the bottom node's value over the rest of the layer.
inline void Sum_Layer_Resistance(int k, int i, double r, double& r_previous) {
    const PileNode& n = g.nodes;
    double& sum = g.soil.rd_LayerResistance(k);
    const double h = g.pd.rd_PileLength / double(g.pd.i_NumIncrements);
    if (i == n.ITOP) sum = 0.0;
    else sum += h * (r_previous + r) / 2.0;
    if (i == n.IBOT) sum += (g.pd.XLayerBottom(k) - n.xa(n.IBOT)) * r;
    r_previous = r;
}

// The two depth lines of a curve block: in US customary units in feet.
inline void PY_Report_Depths(double xp, double xg) {
    const double f = g.pd.IUNITS == kUnitsUS ? 12.0 : 1.0;
    PY_Report_Value("Depth below pile head", xp / f, 3, Unit_Depth());
    PY_Report_Value("Depth below ground surface", xg / f, 3, Unit_Depth());
}

// Ground slope, pile batter and effective slope in degrees.
inline void PY_Report_Angles(std::string_view batter_label) {
    PY_Report_Value("Ground Slope Angle", g.pd.rd_SlopeAngle * kDegreesPerRadian, 3, "degrees");
    PY_Report_Value(batter_label, g.pd.rd_BatterAngle * kDegreesPerRadian, 3, "degrees");
    PY_Report_Value("Effective Slope", g.pd.rd_EffSlopeAngle * kDegreesPerRadian, 3, "degrees");
}

// A labelled line with its value already laid out: label to column 55, "= ", the text.
inline void PY_Report_Text(std::string_view label, std::string_view text) {
    Report_Line(Fixed(label, 55) + "= " + std::string(text));
}

// The table head of the Piedmont, loess and elastic subgrade curves.
inline void PY_Report_Short_Table_Head() {
    std::string head = "        y, " + Label(g.units.LengthLabel);
    head.resize(21, ' ');
    Report_Line(head + "p, " + Unit_Force_Per_Length());
    Report_Line("---------------   ---------------");
}

inline void PY_Report_Multipliers(double pm, double ym, int decimals = 5) {
    PY_Report_Value("p-multiplier", pm, decimals);
    PY_Report_Value("y-multiplier", ym, decimals);
}

// The note on the depth the curve uses: the equivalent depth, or the true depth below rock.
inline void PY_Report_Depth_Note() {
    if (g.soil.i_RockLayersAbove == 0) {
        Report_Line("This p-y curve is computed using the equivalent depth.");
    } else {
        Report_Line("This layer is below one or more layers of rock.  In this case, the ");
        Report_Line("layering correction is not used and the true depth below the ground ");
        Report_Line("surface is used when computing the p-y curve.  ");
    }
    Report_Blank_Lines(1);
}

// A labelled line whose value is in exponent notation (E12.<decimals>), then a blank and the unit.
inline void PY_Report_Exp(std::string_view label, double value, int decimals, std::string_view unit = {}) {
    PY_Report_Text(label, Edit_E(value, 12, decimals) + (unit.empty() ? "" : " " + std::string(unit)));
}

// The secant modulus of node i must be a number: otherwise runtime error 48
// names the model and the node, in the report and the runtime message file.
inline void Check_Soil_Modulus(int i, double es, std::string_view model) {
    constexpr int kModulusNotANumber = 48;
    if (!std::isnan(es)) return;
    Write_Error_Block(Runtime_Error_Heading(kModulusNotANumber),
                      {"The computed value of soil modulus computed in " + std::string(model) +
                           " is not-a-number for node number " + Int_Text(i),
                       "", "This problem is usually due to a required soil property being left equal to zero."},
                      true, 0);
    Raise_Error(200 + kModulusNotANumber);
}

// A block written to the runtime message file only.
inline void Write_Msg_Block(std::initializer_list<std::string_view> lines) {
    if (g_Out.msg.open) End(g_Out.msg);
    for (auto line : lines) Put_Line(g_Out.msg, line);
}

}  // namespace tarvex
