// The axial thrusts of a section's curves: in the moment-capacity mode the
// thrusts inside the axial capacities; in the pile-response mode every thrust,
// which must lie within the nominal axial capacities of the section.
#include <string>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/plot_file.h"
#include "output/report_lines.h"
#include "section/curve_report.h"
#include "section/section_analysis.h"

namespace tarvex {
namespace {


[[noreturn]] void Thrust_Capacity_Error(int n, int t, bool lrfd, bool compression) {
    const SectionWork& w = g.sec;
    const std::string unit(w.ForceText.trimmed());
    const std::string problem = std::string("PROBLEM:  The axial thrust load for ") + (lrfd ? "LRFD load case" : "load case") +
                                " no. " + Int_Text(t) + " exceeds the axial structural capacity in " +
                                (compression ? "compression." : "tension.");
    std::string load, capacity;
    const std::string T = Edit_F(w.WorkThrust(t), 15, 3) + unit;
    if (lrfd) {
        load = "          Factored axial thrust load     = " + T;
        capacity = compression ? "          Nominal axial compressive capacity = " + Edit_F(w.rd_SectionPn, 15, 3) + unit
                               : "          Nominal axial tensile capacity = " + Edit_F(w.rd_SectionNt, 15, 3) + unit;
    } else if (compression) {
        load = "          Axial thrust load                  = " + T;
        capacity = "          Nominal axial compressive capacity = " + Edit_F(w.rd_SectionPn, 15, 3) + unit;
    } else {
        load = "          Axial thrust load              = " + T;
        capacity = "          Nominal axial tensile capacity = " + Edit_F(w.rd_SectionNt, 15, 3) + unit;
    }
    Stop_Runtime_Error(n, {problem, load, capacity, "",
                           "SOLUTION: Change the properties of the section to increase the axial structural capacity.",
                           ""});
}

void Keep_Thrusts_In_Range() {
    SectionWork& w = g.sec;
    const int given = w.i_NumWorkThrusts;
    int kept = 0;
    for (int t = 1; t <= given; ++t) {
        const double T = w.WorkThrust(t);
        if (w.rd_SectionNt < T && T < w.rd_SectionPn) w.WorkThrust(++kept) = T;
    }
    w.i_NumWorkThrusts = kept;
    g.pd.i_NumThrusts = kept;
    for (int t = 1; t <= kept; ++t) g.pd.rd_ThrustList(t) = w.WorkThrust(t);
    if (kept < given) {
        Report_Blank_Lines(1);
        Report_Line("The following computations were performed only for the axial thrust values in the valid range.");
    }
    Report_Blank_Lines(2);
    Report_Line("Input Axial Thrust Forces:");
    Report_Line("--------------------------");
    Report_Blank_Lines(1);
    Report_Line("Number of Axial Thrust Force Values Determined from Input Data = " + Int_Text(kept));
    Report_Blank_Lines(1);
    if (g.drv.i_CurrentSection == 1)
        Plot_Thrust_Count(kept, "Line 3 : Total number of axial thrusts for EI-only computations");
}

void Check_Thrusts_Against_Capacities() {
    const SectionWork& w = g.sec;
    const bool lrfd = on(g.pd.b_UseLRFD);
    for (int t = 1; t <= w.i_NumWorkThrusts; ++t) {
        if (w.WorkThrust(t) > w.rd_SectionPn) Thrust_Capacity_Error(lrfd ? 26 : 24, t, lrfd, true);
        if (w.WorkThrust(t) < w.rd_SectionNt) Thrust_Capacity_Error(lrfd ? 27 : 25, t, lrfd, false);
    }
    Report_Blank_Lines(2);
    Report_Line("Number of Axial Thrust Force Values Determined from Pile-head Loadings = " +
                Int_Text(w.i_NumWorkThrusts));
    Report_Blank_Lines(1);
    if (g.drv.i_CurrentSection == 1)
        Plot_Thrust_Count(w.i_NumWorkThrusts, lrfd ? "Line 3 : Total number of axial thrusts for LRFD"
                                                   : "Line 3 : Total number of axial thrusts");
}

}  // namespace

void Prepare_Thrust_List() {
    if (g.pd.ICOM == kMomentCapacityOnly)
        Keep_Thrusts_In_Range();
    else
        Check_Thrusts_Against_Capacities();
    Write_Thrust_Table();
}

}  // namespace tarvex
