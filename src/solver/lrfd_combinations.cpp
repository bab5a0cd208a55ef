// LRFD load combinations (load and resistance factor design, as in the
// AASHTO LRFD bridge design code): factored pile-head loads from the
// unfactored load groups, and the strength check of every section's largest
// moment against its factored moment capacity, Mu < phi Mn.
#include "solver/lrfd_combinations.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

constexpr double kMinBatter = 1.0E-6;      // radians: a smaller batter leaves the loads untransformed
constexpr double kPoundsPerKip = 1000.0;   // US section tables are computed at thrusts in kips
constexpr int kLRFDFailureWarning = -400;  // a section of a combination is overloaded

// Factored loads of combination j: every load type's totals times its load factor.
void Factor_Combination(int j) {
    const ProblemData& pd = g.pd;
    LRFDLoads& L = g.lrfd;
    double H = 0.0, M = 0.0, V = 0.0;
    for (int t = 1; t <= kNumLRFDLoadTypes; ++t) {
        const double f = pd.rd_LoadFactor(t, j);
        H += f * L.rd_TypeTotalShear(t);
        M += f * L.rd_TypeTotalMoment(t);
        V += f * L.rd_TypeTotalAxial(t);
    }
    L.rd_FactoredHoriz(j) = H;
    L.rd_FactoredMoment(j) = M;
    L.rd_FactoredVert(j) = V;
    // A battered pile carries the horizontal and vertical forces as transverse shear and axial load.
    const double beta = pd.rd_BatterAngle;
    if (std::fabs(beta) > kMinBatter) {
        L.rd_FactoredShear(j) = std::cos(beta) * H + std::sin(beta) * V;
        L.rd_FactoredAxial(j) = -std::sin(beta) * H + std::cos(beta) * V;
    } else {
        L.rd_FactoredShear(j) = H;
        L.rd_FactoredAxial(j) = V;
    }
}

// The distinct factored axial loads, ascending, and each combination's position among them.
void Collect_Factored_Thrusts(int n) {
    LRFDLoads& L = g.lrfd;
    double* first = L.rd_LRFDThrust.v;
    for (int j = 1; j <= n; ++j) L.rd_LRFDThrust(j) = L.rd_FactoredAxial(j);
    std::sort(first, first + n);
    L.i_NumLRFDThrusts = int(std::unique(first, first + n) - first);
    for (int j = 1; j <= n; ++j)
        L.i_LRFDThrustIndex(j) =
            int(std::find(first, first + L.i_NumLRFDThrusts, L.rd_FactoredAxial(j)) - first) + 1;
}

// The thrust list of the section tables: the factored axial loads, in kips for US customary units.
void Replace_Thrust_List() {
    ProblemData& pd = g.pd;
    const LRFDLoads& L = g.lrfd;
    pd.rd_ThrustList.fill(0.0);
    pd.i_NumThrusts = L.i_NumLRFDThrusts;
    for (int k = 1; k <= L.i_NumLRFDThrusts; ++k)
        pd.rd_ThrustList(k) = pd.IUNITS == kUnitsUS ? L.rd_LRFDThrust(k) / kPoundsPerKip : L.rd_LRFDThrust(k);
}

// First node of section s, 0 when none lies in it.
int First_Node_Of_Section(int s) {
    const PileNode& nd = g.nodes;
    for (int i = 1; i <= nd.i_NumNodes; ++i)
        if (nd.i_NodeSection(i) == s) return i;
    return 0;
}

// Nominal moment capacity of section s in combination j (lb-in or kN-m): the
// plastic moment at the node of the largest moment for an elastic-plastic
// section of solid, pipe or pole shape, else the section table's capacity at
// the combination's axial load.
double Nominal_Moment_Capacity(int s, int j) {
    const PileSection& sec = g.pd.Section(s);
    const int shape = sec.i_ElasShape;
    const bool nodal = sec.i_SectionType == kElasticPlasticPile &&
                       (shape == kShapeRectangular || shape == kShapeCircular || shape == kShapePipe ||
                        shape == kShapeEmbeddedPole);
    if (!nodal) return g.mct.NominalMoment(s, g.lrfd.i_LRFDThrustIndex(j));
    // With no moment anywhere in the section no node was recorded: its first node stands for it.
    int node = g.sol.i_SectionMaxMomentNode(j, s);
    if (node < 1) node = First_Node_Of_Section(s);
    return node >= 1 ? g.mct.rd_NodeMp(node) : sec.rd_PlasticMomentTop;
}

void Write_Performance_Heading() {
    Report_Blank_Lines(2);
    Write_Block_Heading(19, "LRFD Performance by Load Case Combination");
    Report_Blank_Lines(2);
    Report_Line("Load             Resistance    Factored      Maximum    Fact. Mom.    Pass/Fail     Maximum            "
                "               ");
    Report_Line("Case   Section     Factor       Moment        Moment     Fraction     for LRFD    Shear For.    "
                "Pile-Top     Pile-Top ");
    Report_Line(" No.     No.     for Moment    Capacity     Developed    Mobilized     Moment      Developed   "
                "Deflection    Rotation ");
    Report_Line("                              of Section   in Section   in Section   of Section   in Section    "
                "Developed    Developed   Name of Load Case Combination");
    Report_Line("----   -------   ----------   ----------   ----------   ----------   ----------   ----------   "
                "----------   ----------   -----------------------------------------");
}

// The row of combination j and section s; true when the section fails. The
// magnitude of the largest moment is rated, so that a negative moment beyond
// the capacity fails too; the signed moment is shown.
bool Write_Performance_Row(int j, int s) {
    const SolutionState& sol = g.sol;
    const CaseResults& r = g.rep;
    const double phi = g.pd.rd_PhiFlexure(j);
    const double Md = sol.rd_SectionMaxMoment(j, s), Vd = sol.rd_SectionMaxShear(j, s);
    const bool elastic = g.pd.Section(s).i_SectionType == kElasticPile;
    const double capacity = elastic ? 0.0 : phi * Nominal_Moment_Capacity(s, j);
    const bool fails = !elastic && !(std::fabs(Md) < capacity);
    Write_Int_Field(j, 3);
    Write_Blanks(1);
    Write_Int_Field(s, 7);
    Write_Blanks(3);
    Write_Real_Field(phi, 10);
    Write_Blanks(6);
    if (elastic)
        Report_Text(" Infinite ");
    else
        Write_Real_Field(capacity, 10);
    Write_Blanks(3);
    Write_Real_Field(Md, 10);
    Write_Blanks(3);
    // A section without capacity has no fraction to show (and fails under any moment).
    Report_Text(elastic || !(capacity > 0.0) ? "    N/A   " : Edit_F(std::fabs(Md) / capacity, 10, 4));
    Write_Blanks(3);
    Report_Text(elastic ? "    N/A      " : fails ? " > FAIL <    " : "   Pass      ");
    Write_Real_Field(Vd, 10);
    Write_Blanks(3);
    Write_Real_Field(r.rd_CaseTopY(j), 10);
    Write_Blanks(3);
    Write_Real_Field(r.rd_CaseTopSlope(j), 10);
    Write_Blanks(3);
    Report_Text(g.pd.ComboName(j).view());
    End_Line();
    if (fails) Record_Warning(kLRFDFailureWarning);
    return fails;
}

}  // namespace

// Totals by load type, the factored loads of every combination and the factored thrust list.
void Compute_Factored_Loads() {
    const ProblemData& pd = g.pd;
    LRFDLoads& L = g.lrfd;
    L = LRFDLoads{};
    for (int grp = 1; grp <= pd.i_NumLRFDLoads; ++grp) {
        const int t = pd.i_LRFDLoadType(grp);
        ++L.i_TypeGroupCount(t);
        L.rd_TypeTotalShear(t) += pd.rd_LRFDShear(grp);
        L.rd_TypeTotalMoment(t) += pd.rd_LRFDMoment(grp);
        L.rd_TypeTotalAxial(t) += pd.rd_LRFDAxial(grp);
    }
    const int n = pd.i_NumLRFDCombos;
    for (int j = 1; j <= n; ++j) Factor_Combination(j);
    Collect_Factored_Thrusts(n);
    Replace_Thrust_List();
}

// Factored pile-head loads of combination c, after the batter transformation.
double Factored_Shear(int c) { return g.lrfd.rd_FactoredShear(c); }
double Factored_Moment(int c) { return g.lrfd.rd_FactoredMoment(c); }
double Factored_Axial(int c) { return g.lrfd.rd_FactoredAxial(c); }

// The table of every combination and section, then the count of failed combinations.
void Write_LRFD_Performance() {
    const ProblemData& pd = g.pd;
    Write_Performance_Heading();
    int failed = 0;
    for (int j = 1; j <= pd.i_NumLoads; ++j) {
        bool any = false;
        for (int s = 1; s <= pd.i_NumSections; ++s) any = Write_Performance_Row(j, s) || any;
        if (any) ++failed;
    }
    Report_Blank_Lines(1);
    Report_Line(failed > 0 ? Int_Text(failed) + " LRFD load combinations have failed."
                           : "All LRFD load combinations have passed for all pile sections.");
}

int LRFD_Type_Group_Count(int t) { return g.lrfd.i_TypeGroupCount(t); }
double LRFD_Type_Total_Shear(int t) { return g.lrfd.rd_TypeTotalShear(t); }
double LRFD_Type_Total_Moment(int t) { return g.lrfd.rd_TypeTotalMoment(t); }
double LRFD_Type_Total_Axial(int t) { return g.lrfd.rd_TypeTotalAxial(t); }
double Factored_Horizontal(int c) { return g.lrfd.rd_FactoredHoriz(c); }
double Factored_Vertical(int c) { return g.lrfd.rd_FactoredVert(c); }
int Num_LRFD_Thrusts() { return g.lrfd.i_NumLRFDThrusts; }
double LRFD_Thrust(int k) { return g.lrfd.rd_LRFDThrust(k); }

}  // namespace tarvex
