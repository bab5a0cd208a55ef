// Runtime error 29: a soil layer too thin to hold a node, so that its p-y
// curves (and the equivalent depth of the layers below) cannot be formed.
#include <climits>
#include <cmath>
#include <string>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "solver/pile_nodes.h"

namespace tarvex {

namespace {

constexpr int kThinLayerRuntimeError = 29;

void Write_Thin_Layer_Block(Channel& ch, int k, std::string_view lacks_line) {
    const ProblemData& pd = g.pd;
    const int n = g.nodes.i_NumNodes;
    const double t = pd.XLayerBottom(k) - pd.XLayerTop(k);
    const double h = pd.rd_PileLength / double(n - 1);
    const std::string len(g.units.NodeLengthLabel.trimmed());
    // The estimate L / t, kept within an integer for a layer of (almost) no thickness.
    const double est = t > 0.0 ? std::trunc(pd.rd_PileLength / t) : double(INT_MAX);
    const long long needed = est < double(INT_MAX) ? (long long)est : INT_MAX;
    if (ch.open) End(ch);
    Blank_Lines(ch, 2);
    Put_Line(ch, Runtime_Error_Heading(kThinLayerRuntimeError));
    Blank_Lines(ch, 1);
    Put_Line(ch, "PROBLEM:  The thickness of layer " + Int_Text(k) + " was too thin to contain a nodal point.");
    Put_Line(ch, lacks_line);
    Put_Line(ch, "          The thickness of layer " + Int_Text(k) + " is " + Edit_F(t, 9, 3) + " " + len +
                     " and the pile increment length is " + Edit_F(h, 9, 3) + " " + len);
    Put_Line(ch, "          The current number of pile increments is " + Int_Text(n - 1) + ".");
    Put_Line(ch, "          The estimated minimum number of increments needed to get at least one nodal point in "
                 "the layer is " + Int_Text(needed) + ".");
    Blank_Lines(ch, 1);
    Put_Line(ch, "SOLUTION: Increase the number of pile increments. Up to 500 pile increments are allowed in Tarvex.");
    Put_Line(ch, "          If this error occurs with the maximum number of pile increments, you will need to combine "
                 "the thinnest");
    Put_Line(ch, "          soil layer with an adjacent layer.");
    Blank_Lines(ch, 2);
}

}  // namespace

void Check_Thin_Layers(int k) {
    const PileNode& nd = g.nodes;
    if (nd.i_TopNodeInLayer(k) != 0) return;
    if (!(nd.xv(nd.i_NumNodes) > g.pd.XLayerTop(k))) return;
    if (g.soil.rd_XeqTop(k) != kXeqNotComputed) return;
    if (on(g.soil.b_BelowRock(k))) return;
    Write_Thin_Layer_Block(g_Out.report, k,
                           "          This layer lacks a nodal point and this prevents the correct computation of "
                           "p-y curves for the layer . ");
    Write_Thin_Layer_Block(g_Out.msg, k,
                           "          This layer lacks a nodal point and this prevents the correct computation of "
                           "the layer's p-y curves. ");
    Raise_Error(200 + kThinLayerRuntimeError);
}

}  // namespace tarvex
