// Bending stiffness tables of elastic, elastic-plastic and user-defined sections.
#include "section/elastic_tables.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/store.h"
#include "input/input_errors.h"
#include "output/plot_file.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

constexpr double kPoundsPerKip = 1000.0;        // US tables hold kip-in and kip-in^2
constexpr double kTinyMoment = 9.9999e-99;      // smaller moments are stored as 0
constexpr double kElasticCurvatureStep = 10.0;  // curvature step of the elastic table
constexpr int kElasticPoints = 100;             // elastic-plastic table: points below the plastic moment
constexpr double kYieldFraction = 100.0;        // the curvature step is the yield curvature / 100
constexpr double kPlasticSteps = 20.0;          // curvature steps per point on the plastic plateau

bool US_Section_Units() { return g.pd.IUNITS == kUnitsUS; }

// Number of axial thrusts of the section tables: the thrust list of the run,
// which an LRFD run has replaced by its distinct factored axial loads.
int Working_Thrust_Count() { return std::clamp(g.pd.i_NumThrusts, 0, kMaxThrusts); }

double Visible_Moment(double m) { return std::fabs(m) < kTinyMoment ? 0.0 : m; }

// Stores point p of curve (s, t), in table units.
void Store_Point(int s, int t, int p, double moment, double ei, double curvature) {
    MomentCurvatureTable& mc = g.mct;
    mc.Moment(s, t, p) = moment;
    mc.EI(s, t, p) = ei;
    mc.Curv(s, t, p) = curvature;
}

// "Line 4" and the "Line 5" records of curve (s, t); the capacity is given in the units of the label.
void Plot_Curve(int s, int t, double capacity, std::string_view heading, std::string_view point) {
    const MomentCurvatureTable& mc = g.mct;
    Plot_Curve_Heading(mc.NumPts(s, t), g.pd.rd_ThrustList(t), capacity, heading);
    for (int p = 1; p <= mc.NumPts(s, t); ++p)
        Plot_Curve_Point(mc.Moment(s, t, p), mc.EI(s, t, p), mc.Curv(s, t, p), point, s, t, p);
}

void Report_Derivation(std::string_view line) {
    Report_Line(line);
    Report_Blank_Lines(2);
}

[[noreturn]] void Section_Input_Error(int n, std::initializer_list<std::string_view> body) {
    Write_Error_Block(Input_Error_Heading(n), body, true);
    Stop_Input_Error(n);
}

std::string Section_Name(int s) { return "pile section " + Int_Text(s); }

// An elastic-plastic section needs a positive stiffness and plastic moment at both ends.
void Check_Elastic_Plastic_Section(int s) {
    const PileSection& sec = g.pd.Section(s);
    const double ei_top = sec.rd_ElasModulus * sec.rd_ElasInertiaTop;
    const double ei_bottom = sec.rd_ElasModulus * sec.rd_ElasInertiaBottom;
    const double mp_top = sec.rd_PlasticMomentTop, mp_bottom = sec.rd_PlasticMomentBottom;
    if (ei_top > 0 && ei_bottom > 0 && mp_top > 0 && mp_bottom > 0) return;
    Section_Input_Error(
        kElasticPlasticInputError,
        {"Problem:  The elastic-plastic " + Section_Name(s) + " has a bending stiffness or a plastic",
         "          moment capacity of zero or less:",
         "          E x I at top    =" + Real_Field(ei_top, 15) + ",  at bottom =" + Real_Field(ei_bottom, 15),
         "          Mp at top       =" + Real_Field(mp_top, 15) + ",  at bottom =" + Real_Field(mp_bottom, 15),
         "Solution: Enter a positive elastic modulus, moments of inertia and plastic moment capacities."});
}

// The user's curves must be usable tables: one per axial thrust of the run, each of two points or more
// with positive stiffnesses, moments from zero or more upwards, and curvatures M / EI that increase.
void Check_User_Curves(int s) {
    const PileSection& sec = g.pd.Section(s);
    const int T = sec.i_NumUserEIThrusts;
    const int NT = Working_Thrust_Count();
    const bool solver_reads = g.pd.ICOM >= 3;
    if (T < 1 || (solver_reads && T != NT))
        Section_Input_Error(
            kUserCurveCountError,
            {"Problem:  The user-defined " + Section_Name(s) + " has " + Int_Text(T) +
                 " moment-EI curves, but the analysis uses " + Int_Text(NT) + " axial thrust values.",
             "Solution: Enter one moment-EI curve for every distinct axial thrust of the pile-head loads",
             "          (or of the LRFD load combinations), in the ascending order of the thrusts."});
    for (int t = 1; t <= T; ++t) {
        const int m = sec.i_NumUserEIPts(t);
        const std::string curve = "moment-EI curve " + Int_Text(t) + " of " + Section_Name(s);
        if (m < 2)
            Section_Input_Error(kUserCurvePointsError,
                                {"Problem:  The " + curve + " has " + Int_Text(m) + " points.",
                                 "Solution: Enter at least 2 points (and at most 150) for every curve."});
        double previous_m = 0.0, previous_c = 0.0;
        for (int j = 1; j <= m; ++j) {
            const double M = sec.rd_UserEIMoment(t, j), K = sec.rd_UserEIStiffness(t, j);
            const char* fault = nullptr;
            if (!(K > 0))
                fault = "its bending stiffness EI is zero or less";
            else if (!(M >= 0))
                fault = "its moment is negative";
            else if (j > 1 && !(M > previous_m))
                fault = "its moment is not larger than the moment of the point before";
            else if (j > 1 && !(M / K > previous_c))
                fault = "its curvature M / EI is not larger than the curvature of the point before";
            if (fault)
                Section_Input_Error(kUserCurveValuesError,
                                    {"Problem:  Point " + Int_Text(j) + " of the " + curve + " cannot be used:",
                                     "          " + std::string(fault) + ".",
                                     "Solution: Enter moments that start at zero or more and increase, with",
                                     "          positive stiffnesses EI whose curvatures M / EI increase."});
            previous_m = M;
            previous_c = M / K;
        }
    }
}

// The elastic-plastic section s: rd_NodeMp of its nodes below the pile head,
// varying linearly from the top plastic moment to the bottom one.
void Set_Section_Plastic_Moments(int s) {
    const PileSection& sec = g.pd.Section(s);
    const PileNode& nd = g.nodes;
    const double mp0 = sec.rd_PlasticMomentTop, mp1 = sec.rd_PlasticMomentBottom;
    for (int i = 2; i <= nd.i_NumNodes; ++i)
        if (sec.rd_SectionTopX < nd.xa(i) && nd.xa(i) <= sec.rd_SectionBottomX)
            g.mct.rd_NodeMp(i) = mp1 - (sec.rd_SectionBottomX - nd.xa(i)) * (mp1 - mp0) / sec.rd_SectionLength;
    const PileSection& head = g.pd.Section(1);
    if (nd.i_NumNodes >= 1 && head.i_SectionType == kElasticPlasticPile) g.mct.rd_NodeMp(1) = head.rd_PlasticMomentTop;
}

}  // namespace

// Every node of an elastic-plastic section gets its plastic moment; the others get none.
void Set_Nodal_Plastic_Moments() {
    g.mct.rd_NodeMp.fill(0.0);
    for (int s = 1; s <= g.pd.i_NumSections && s <= kMaxSections; ++s)
        if (g.pd.Section(s).i_SectionType == kElasticPlasticPile) Set_Section_Plastic_Moments(s);
}

// Curves of constant E x I (the top of the section) at curvatures 10, 20, ... 1500, one per thrust.
void Build_Elastic_EI_Table(int s) {
    MomentCurvatureTable& mc = g.mct;
    const PileSection& sec = g.pd.Section(s);
    const bool us = US_Section_Units();
    const double ei0 = sec.rd_ElasModulus * sec.rd_ElasInertiaTop;
    const int nt = Working_Thrust_Count();
    for (int t = 1; t <= nt; ++t) {
        for (int p = 1; p <= kMaxMCPoints; ++p) {
            const double curvature = kElasticCurvatureStep * p;
            const double moment = Visible_Moment(curvature * ei0);
            Store_Point(s, t, p, us ? moment / kPoundsPerKip : moment, us ? ei0 / kPoundsPerKip : ei0, curvature);
        }
        mc.NumPts(s, t) = kMaxMCPoints;
        // An elastic section has no moment capacity; the table's last moment stands for it.
        mc.NominalMoment(s, t) = us ? mc.Moment(s, t, kMaxMCPoints) * kPoundsPerKip : mc.Moment(s, t, kMaxMCPoints);
    }
    mc.b_HasTable(s) = kTrue;

    if (s == 1) Plot_Thrust_Count(g.pd.i_NumThrusts, "Line 3 : Total number of axial thrusts for elastic section");
    for (int t = 1; t <= nt; ++t)
        Plot_Curve(s, t, mc.Moment(s, t, kMaxMCPoints),
                   us ? "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) "
                        "for linear EI pile at top of section"
                      : "Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment Cap. (kN-m) "
                        "for linear EI pile at top of section",
                   us ? "Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#="
                      : "Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=");
    Report_Derivation("Moment-curvature properties were derived from elastic section properties");
}

// Curves of E x I up to the plastic moment at one hundredth of the yield curvature per point,
// then the plastic plateau; and the plastic moments of the section's nodes.
void Build_Elastic_Plastic_EI_Table(int s) {
    Check_Elastic_Plastic_Section(s);
    MomentCurvatureTable& mc = g.mct;
    const PileSection& sec = g.pd.Section(s);
    const bool us = US_Section_Units();
    const double scale = us ? kPoundsPerKip : 1.0;
    const double ei0 = sec.rd_ElasModulus * sec.rd_ElasInertiaTop;
    const double mp0 = sec.rd_PlasticMomentTop;
    Set_Section_Plastic_Moments(s);

    const double u = mp0 / ei0 / kYieldFraction;
    const int nt = Working_Thrust_Count();
    for (int t = 1; t <= nt; ++t) {
        // The curvatures are accumulated: 2u per pair of elastic points, then 20u per plastic point.
        double curvature = 0.0;
        for (int p = 1; p <= kElasticPoints; p += 2) {
            const double odd = curvature + u;
            curvature += 2.0 * u;
            Store_Point(s, t, p, Visible_Moment(ei0 * odd) / scale, ei0 / scale, odd);
            Store_Point(s, t, p + 1, Visible_Moment(ei0 * curvature) / scale, ei0 / scale, curvature);
        }
        for (int p = kElasticPoints + 1; p <= kMaxMCPoints; ++p) {
            curvature += kPlasticSteps * u;
            Store_Point(s, t, p, mp0 / scale, mp0 / curvature / scale, curvature);
        }
        mc.NumPts(s, t) = kMaxMCPoints;
        mc.NominalMoment(s, t) = mc.Moment(s, t, kMaxMCPoints) * scale;
    }
    mc.b_HasTable(s) = kTrue;

    if (s == 1)
        Plot_Thrust_Count(g.pd.i_NumThrusts, "Line 3 : Total number of axial thrusts for elastic-plastic section");
    for (int t = 1; t <= nt; ++t)
        Plot_Curve(s, t, mc.NominalMoment(s, t) / scale,
                   us ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kip) "
                        "for elastic-plastic EI at top of section"
                      : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m) "
                        "for elastic-plastic EI at top of section",
                   us ? "Line 5 : Elas-Plas Moment (in-lb), EI (lb-in^2), Curvature (rad/in) for Sect#="
                      : "Line 5 : Elas-Plas Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=");
    Report_Derivation("Moment-curvature properties were derived from elastic-plastic section properties");
}

// The user's moment-EI curves, one per thrust, refined to at most 150 points by even steps.
void Build_User_EI_Table(int s) {
    Check_User_Curves(s);
    MomentCurvatureTable& mc = g.mct;
    const PileSection& sec = g.pd.Section(s);
    const int T = sec.i_NumUserEIThrusts;
    if (s == 1) Plot_Thrust_Count(T, "Line 3 : Total number of axial thrusts for input M-EI section");
    for (int t = 1; t <= T; ++t) {
        const int m = sec.i_NumUserEIPts(t);
        // Work list: the input points, after the point (0, K(1)) when the curve does not start at 0.
        const int z = sec.rd_UserEIMoment(t, 1) != 0.0 ? 1 : 0;
        auto work_m = [&](int i) { return i <= z ? 0.0 : sec.rd_UserEIMoment(t, i - z); };
        auto work_k = [&](int i) { return sec.rd_UserEIStiffness(t, i <= z ? 1 : i - z); };
        const int q = m + z - 1;
        const int k = (kMaxMCPoints - m) / q;
        int np = 0;
        auto store = [&](double moment, double ei) { Store_Point(s, t, ++np, moment, ei, moment / ei); };
        if (k == 0) {
            for (int p = 1; p <= m; ++p) store(sec.rd_UserEIMoment(t, p), sec.rd_UserEIStiffness(t, p));
        } else {
            // k - 1 points between two work points, each a step of 1/k of the interval after the one before.
            for (int i = 1; i <= q; ++i) {
                double moment = work_m(i), ei = work_k(i);
                const double dm = (work_m(i + 1) - work_m(i)) / k, dk = (work_k(i + 1) - work_k(i)) / k;
                store(moment, ei);
                for (int j = 1; j < k; ++j) {
                    moment += dm;
                    ei += dk;
                    store(moment, ei);
                }
            }
            store(work_m(q + 1), work_k(q + 1));
        }
        mc.NumPts(s, t) = np;
        Report_Derivation("Moment-Curvature properties for Section " + Int_Text(s) +
                          " derived from input values for nonlinear M-EI properties");
        double largest = mc.Moment(s, t, 1);
        for (int p = 2; p <= np; ++p) largest = std::max(largest, mc.Moment(s, t, p));
        mc.NominalMoment(s, t) = largest;
    }
    mc.b_HasTable(s) = kTrue;

    const bool us = g.pd.IUNITS == kUnitsUS;
    for (int t = 1; t <= T; ++t)
        Plot_Curve(s, t, mc.NominalMoment(s, t),
                   us ? "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for input "
                        "M-EI pile"
                      : "Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m) for input M-EI "
                        "pile",
                   "Line 5 : Moment, EI, Curvature for Sect#=");
    // The plot records carry the input units; the table holds kip-in and kip-in^2.
    if (!us) return;
    for (int t = 1; t <= T; ++t)
        for (int p = 1; p <= mc.NumPts(s, t); ++p) {
            mc.Moment(s, t, p) /= kPoundsPerKip;
            mc.EI(s, t, p) /= kPoundsPerKip;
        }
}

}  // namespace tarvex
