// p-y curves at requested depths: the requested depths become temporary nodes,
// the p-y model of each layer reports its curve at the depths it holds, and the
// pile nodes are restored.
#include "soil/py_at_depths.h"

#include <string>

#include "engine/errors.h"
#include "engine/store.h"
#include "output/channel.h"
#include "output/fortran_edit.h"
#include "output/plot_file.h"
#include "output/report_lines.h"
#include "solver/pile_nodes.h"
#include "solver/solver.h"

namespace tarvex {

constexpr int kDepthAboveGroundError = 23;  // non-fatal: no curve is computed

namespace {

// Ascending order, each depth once.
void Sort_And_Deduplicate_Depths() {
    ProblemData& pd = g.pd;
    auto& d = pd.rd_PYOutDepth;
    const int n = pd.i_NumPYOutDepths;
    if (n < 2) return;
    for (int i = 1; i < n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (d(j) < d(i)) std::swap(d(i), d(j));
    int kept = 1;
    for (int i = 2; i <= n; ++i)
        if (d(i) != d(kept)) d(++kept) = d(i);
    pd.i_NumPYOutDepths = kept;
}

// Input error 23 (non-fatal): depth number 1 lies above the ground surface.
void Depth_Above_Ground() {
    const ProblemData& pd = g.pd;
    const std::string label(g.units.LengthLabel.trimmed());
    const double depth = pd.rd_PYOutDepth(1);
    Write_Error_Block("**** Input Data Error No. 23 (NON-FATAL) ****",
                      {"p-y curves cannot be generated at depth number 1",
                       "This location is " + Edit_F(depth, 9, 3) + " " + label + " below the pile head and ",
                       "is above the ground surface for this problem.", "",
                       "The ground surface is " + Edit_F(pd.XGround, 9, 3) + " " + label + " below the top of the pile.",
                       ""},
                      true, 0);
    if (g.err.i_ErrorState == 0) g.err.i_ErrorState = 100 + kDepthAboveGroundError;
    Put_Line(g_Out.plot, Plot_Real(depth) + Plot_Int(0) + std::string(60, ' ') + "Line 7:  p-y curve depth, no. p-y points");
}

// Each layer's model reports its curves at the requested depths it holds.
void Report_Layer_Curves() {
    const ProblemData& pd = g.pd;
    PileNode& nd = g.nodes;
    const int n = pd.i_NumPYOutDepths;
    for (int i = 1; i <= n; ++i) nd.xa(i) = pd.rd_PYOutDepth(i);
    if (n >= 1) {
        Assign_Depths_To_Layers(n);
    } else {
        nd.i_TopNodeInLayer.fill(0);
        nd.i_BottomNodeInLayer.fill(0);
    }
    for (int k = 1; k <= pd.i_Number_of_Layers; ++k) {
        g.soil.i_RockLayersAbove = on(g.soil.b_BelowRock(k)) ? 1 : 0;
        if (nd.i_TopNodeInLayer(k) != 0) Run_Layer_PY_Model(k);
        Report_Blank_Lines(3);
    }
}

// The pile nodes again after the requested depths borrowed them.
void Restore_Pile_Nodes() {
    const ProblemData& pd = g.pd;
    PileNode& nd = g.nodes;
    const double h = pd.rd_PileLength / double(pd.i_NumIncrements);
    const int count = pd.i_NumIncrements + 1;
    for (int i = 1; i <= count; ++i) nd.xa(i) = double(i - 1) * h;
    nd.xa(count) = pd.rd_PileLength;
    Assign_Nodes_To_Layers(count);
    Assign_Node_Sections(count);
}

}  // namespace

void PY_At_Depths() {
    const ProblemData& pd = g.pd;
    Sort_And_Deduplicate_Depths();
    Plot_PY_Curve_Count(pd.i_NumPYOutDepths);
    Put_Line(g_Out.msg, "Computing p-y curves for output at user-specified depths.");
    Write_Block_Heading(20, "p-y Curves Reported for Specified Depths");
    if (pd.i_NumPYOutDepths >= 1 && pd.rd_PYOutDepth(1) < pd.XGround)
        Depth_Above_Ground();
    else
        Report_Layer_Curves();
    Restore_Pile_Nodes();
}

}  // namespace tarvex
