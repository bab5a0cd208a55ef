// Placement of the pile nodes and the pile properties along the axis.
#include "solver/pile_nodes.h"

#include <cmath>

#include "engine/store.h"
#include "output/report_lines.h"
#include "section/elastic_tables.h"

namespace tarvex {

void Place_Nodes(bool lrfd) {
    PileNode& nd = g.nodes;
    const ProblemData& pd = g.pd;
    const double L = pd.rd_PileLength;
    const double h = L / double(pd.i_NumIncrements);
    const int n = pd.i_NumIncrements + 1;
    nd.rd_IncrementLength = h;
    nd.i_NumNodes = n;
    const double cosb = std::cos(pd.rd_BatterAngle);
    for (int i = 1; i <= n; ++i) {
        nd.xa(i) = double(i - 1) * h;
        nd.xv(i) = nd.xa(i) * cosb;
        // The tip node's loads and properties belong to the tip itself, not to
        // a point a rounding error above it.
        const double x = i == n ? L : nd.xa(i);
        if (!lrfd) nd.q(i) = nd.W(i) = Nodal_Distributed_Load(x);
        Pile_Properties_At(x);
        nd.EI(i) = nd.rd_EIAtX;
    }
    // The tip is the tip: n h may miss L by a rounding error, and a tip node
    // deeper than L would fall below a soil profile that ends at the tip.
    if (nd.xa(n) != L) {
        nd.xa(n) = L;
        nd.xv(n) = L * cosb;
    }
    Assign_Node_Sections(n);
    Assign_Nodes_To_Layers(n);
    // The plastic moments follow the nodes: a shortened pile has other node positions.
    Set_Nodal_Plastic_Moments();
    if (lrfd) Build_LRFD_Nodal_Loads();
    if (pd.i_NumSoilMovePts >= 2) Nodal_Soil_Movement(n);
}

void Apply_Factored_Loads(int combo) {
    // W too: with soil movement loading the p-y models rebuild q from it.
    for (int i = 1; i <= g.nodes.i_NumNodes; ++i) g.nodes.q(i) = g.nodes.W(i) = Factored_Nodal_Load(i, combo);
}

void Set_Starting_Soil_Moduli() {
    PileNode& nd = g.nodes;
    for (int i = 1; i <= nd.i_NumNodes; ++i) nd.Es(i) = g.pd.XGround > nd.xv(i) ? 0.0 : kStartingSoilModulus;
}

void Make_Layer_Tops_Contiguous() {
    ProblemData& pd = g.pd;
    pd.XLayerTop(1) = pd.XGround;
    for (int k = 1; k < pd.i_Number_of_Layers; ++k) pd.XLayerTop(k + 1) = pd.XLayerBottom(k);
}

namespace {

void Take_Pile_Point(int j) {
    const ProblemData& pd = g.pd;
    PileNode& nd = g.nodes;
    nd.rd_DiamAtX = pd.rd_PilePointDiam(j);
    nd.rd_InertiaAtX = pd.rd_PilePointI(j);
    nd.rd_AreaAtX = pd.rd_PilePointArea(j);
    nd.rd_EIAtX = pd.rd_PilePointE(j) * pd.rd_PilePointI(j);
}

}  // namespace

void Pile_Properties_At(double x) {
    const ProblemData& pd = g.pd;
    PileNode& nd = g.nodes;
    const int P = pd.i_NumPilePoints;
    int k = 0;
    for (int j = 2; j <= P; ++j)
        if (pd.rd_PilePointX(j) >= x) {
            k = j;
            break;
        }
    if (k == 0 || x == pd.rd_PilePointX(P)) {
        Take_Pile_Point(P);
    } else if (x == pd.rd_PilePointX(k)) {
        // At a section boundary the top of the lower section applies.
        Take_Pile_Point(pd.rd_PilePointX(k + 1) == pd.rd_PilePointX(k) ? k + 1 : k);
    } else {
        const double t = (x - pd.rd_PilePointX(k - 1)) / (pd.rd_PilePointX(k) - pd.rd_PilePointX(k - 1));
        auto lerp = [&](const auto& v) { return v(k - 1) + t * (v(k) - v(k - 1)); };
        nd.rd_DiamAtX = lerp(pd.rd_PilePointDiam);
        nd.rd_DepthAtX = lerp(pd.rd_PilePointPoleWidth);
        nd.rd_InertiaAtX = lerp(pd.rd_PilePointI);
        nd.rd_AreaAtX = lerp(pd.rd_PilePointArea);
        const double ei0 = pd.rd_PilePointE(k - 1) * pd.rd_PilePointI(k - 1);
        const double ei1 = pd.rd_PilePointE(k) * pd.rd_PilePointI(k);
        nd.rd_EIAtX = ei0 + t * (ei1 - ei0);
    }
}

void Assign_Node_Sections(int n) {
    const ProblemData& pd = g.pd;
    PileNode& nd = g.nodes;
    nd.i_NodeSection(1) = 1;
    for (int i = 2; i <= n; ++i) {
        // A node outside every section range keeps the section of the node above.
        int sec = pd.i_NumSections == 1 ? 1 : nd.i_NodeSection(i - 1);
        if (pd.i_NumSections > 1)
            for (int s = 1; s <= pd.i_NumSections; ++s)
                if (pd.rd_PilePointX(2 * s - 1) < nd.xa(i) && nd.xa(i) <= pd.rd_PilePointX(2 * s)) sec = s;
        nd.i_NodeSection(i) = sec;
    }
}

namespace {

// Top and bottom node of every layer from the node depths x(1..n); a layer
// whose top is at or above x(1) takes node 1 at once when first_at_once.
template <class Depths>
void Assign_Layers(int n, const Depths& x, bool first_at_once) {
    const ProblemData& pd = g.pd;
    PileNode& nd = g.nodes;
    nd.i_TopNodeInLayer.fill(0);
    nd.i_BottomNodeInLayer.fill(0);
    const int nl = pd.i_Number_of_Layers;
    if (nl < 1) return;
    int k_last = nl;
    for (int k = 1; k <= nl; ++k) {
        int j = 0;
        if (first_at_once && pd.XLayerTop(k) <= x(1)) {
            j = 1;
        } else {
            for (int i = 1; i <= n; ++i)
                if (x(i) >= pd.XLayerTop(k)) {
                    j = i;
                    break;
                }
            if (j != 0 && x(j) > pd.XLayerBottom(k)) j = 0;
        }
        if (j == 0) continue;
        nd.i_TopNodeInLayer(k) = j;
        if (pd.XLayerBottom(k) >= x(n)) {
            k_last = k;
            break;
        }
    }
    nd.i_BottomNodeInLayer(k_last) = n;
    for (int k = 1; k < k_last; ++k) {
        if (nd.i_TopNodeInLayer(k) == 0) continue;
        int next = 0, searched = k;
        for (int m = k + 1; m <= nl && next == 0; ++m) {
            searched = m;
            next = nd.i_TopNodeInLayer(m);
        }
        if (next > 0) {
            nd.i_BottomNodeInLayer(k) = next - 1;
            continue;
        }
        nd.i_BottomNodeInLayer(k) = -1;
        Report_Line("ERROR 2 in computing i_BottomNodeInLayer");
        Report_Line("Num_Nodes_To_Assign = " + Int_Text(n));
        Report_Line("ilayer = " + Int_Text(k));
        Report_Line("klayer = " + Int_Text(searched));
        Report_Line("jlayer = " + Int_Text(k_last));
        Report_Line("i_Number_of_Layers = " + Int_Text(nl));
    }
}

}  // namespace

void Assign_Nodes_To_Layers(int n) { Assign_Layers(n, g.nodes.xv, false); }
void Assign_Depths_To_Layers(int n) { Assign_Layers(n, g.nodes.xa, true); }

}  // namespace tarvex
