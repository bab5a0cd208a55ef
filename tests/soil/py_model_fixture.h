// A pile and a layered soil set up directly in the store for the p-y model
// tests: one elastic section of constant width, nodes placed by hand, layers
// with their profile points, and runs of one model over one layer in solution
// mode or at requested depths in report mode.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/store.h"
#include "input/problem_data.h"
#include "output/fortran_edit.h"
#include "solver/pile_nodes.h"
#include "support/captured.h"
#include "support/run_dir.h"
#include "support/uniform_pile.h"

namespace tarvex_test {

struct SoilPile {
    int units = tarvex::kUnitsUS;
    double length = 480.0;  // pile length (in, or m)
    int increments = 48;
    double width = 24.0;    // pile width
};

// Reset store, units, one elastic section, nodes at xa = xv = (i - 1) h.
inline void Set_Up_Soil_Pile(const SoilPile& p) {
    Set_Up_Uniform_Pile({p.units, p.length, p.increments, p.width, 1.0E4, 3.0E7, 100.0});
}

// Appends a layer of the given model between depths top and bottom; returns its index.
inline int Add_Layer(int model, double top, double bottom) {
    using namespace tarvex;
    ProblemData& pd = g.pd;
    const int k = ++pd.i_Number_of_Layers;
    pd.i_SoilLayer_py_Type(k) = model;
    pd.XLayerTop(k) = top;
    pd.XLayerBottom(k) = bottom;
    pd.i_NumProfilePoints = 2 * k;
    pd.rd_ProfileDepth(2 * k - 1) = top;
    pd.rd_ProfileDepth(2 * k) = bottom;
    pd.rd_UserPyDepth(2 * k - 1) = top;
    pd.rd_UserPyDepth(2 * k) = bottom;
    if (k == 1) pd.XGround = top;
    return k;
}

// Sets a profile column of layer k: value a at its top, b at its bottom.
template <class Column>
inline void Set_Column(Column& col, int k, double a, double b) {
    col(2 * k - 1) = a;
    col(2 * k) = b;
}

// Every node gets deflection y.
inline void Set_Deflections(double y) {
    for (int i = 1; i <= tarvex::g.nodes.i_NumNodes; ++i) tarvex::g.nodes.y(i) = y;
}

// Runs model routine f over the nodes of layer k in solution mode.
template <class F>
inline void Run_Layer(F f, int k) {
    using namespace tarvex;
    Assign_Nodes_To_Layers(g.nodes.i_NumNodes);
    g.pd.i_PrintPYCurves = 0;
    g.nodes.ITOP = g.nodes.i_TopNodeInLayer(k);
    g.nodes.IBOT = g.nodes.i_BottomNodeInLayer(k);
    f(k);
}

// Index of the node at axial distance x (x on a node).
inline int Node_At(double x) { return int(std::lround(x / tarvex::g.nodes.rd_IncrementLength)) + 1; }

// Report and plot text of the curve of model f in layer k at requested depth d (curve number 1).
struct CurveText {
    std::string report, plot, msg;
};
template <class F>
inline CurveText Report_Curve(F f, int k, double d) {
    using namespace tarvex;
    Captured rep(g_Out.report), plot(g_Out.plot), msg(g_Out.msg);
    g.pd.i_PrintPYCurves = 1;
    const double keep = g.nodes.xa(1);
    g.nodes.xa(1) = d;
    g.nodes.ITOP = g.nodes.IBOT = 1;
    f(k);
    g.nodes.xa(1) = keep;
    g.pd.i_PrintPYCurves = 0;
    return {rep.text(), plot.text(), msg.text()};
}

// Runs f(k) expecting the run to stop; returns the error state.
template <class F>
inline int Stop_State(F f) {
    try {
        f();
    } catch (const tarvex::EngineStop&) {
    }
    return tarvex::g.err.i_ErrorState;
}

// Runs model routine f over layer k expecting it to stop with error state
// `state` after writing `block` to the runtime message file and at the head of
// the report (where the stop lines follow it); name tells the case apart.
template <class F>
inline void Expect_Layer_Stop(F f, int k, int state, const std::string& block, const std::string& name = "") {
    Captured report(tarvex::g_Out.report), msg(tarvex::g_Out.msg);
    EXPECT_EQ(Stop_State([&] { Run_Layer(f, k); }), state) << name;
    EXPECT_EQ(msg.text(), block) << name;
    EXPECT_EQ(report.text().substr(0, block.size()), block) << name;
}

// True when text holds line as one whole line.
inline bool Has_Line(const std::string& text, const std::string& line) {
    for (const auto& l : Lines(text))
        if (l == line) return true;
    return false;
}

// A parameter line of a curve block: label to column 55, "= ", the value text and the unit.
inline std::string Param(const std::string& label, const std::string& value, const std::string& unit = "") {
    std::string s = label;
    s.resize(55, ' ');
    return s + "= " + value + (unit.empty() ? "" : " " + unit);
}

}  // namespace tarvex_test
