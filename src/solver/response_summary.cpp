// Summary of the pile responses of all load cases: one table row and one plot
// record per case, from the head values and maxima kept by the case reports.
#include "solver/response_summary.h"

#include <string>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/plot_file.h"
#include "output/report_lines.h"
#include "solver/lrfd_combinations.h"

namespace tarvex {
namespace {

void Write_Load_Type_Definitions(bool us) {
    Report_Line("Definitions of Pile-head Loading Conditions:");
    Report_Blank_Lines(1);
    if (us) {
        Report_Line("Load Type 1: Load 1 = Shear, lbs, and Load 2 = Moment, in-lbs");
        Report_Line("Load Type 2: Load 1 = Shear, lbs, and Load 2 = Slope, radians");
        Report_Line("Load Type 3: Load 1 = Shear, lbs, and Load 2 = Rotational Stiffness, in-lbs/radian");
        Report_Line("Load Type 4: Load 1 = Top Deflection, inches, and Load 2 = Moment, in-lbs");
        Report_Line("Load Type 5: Load 1 = Top Deflection, inches, and Load 2 = Slope, radians");
    } else {
        Report_Line("Load Type 1: Load 1 = Shear, kN, and Load 2 = Moment, kN-m ");
        Report_Line("Load Type 2: Load 1 = Shear, kN, and Load 2 = Slope, radians");
        Report_Line("Load Type 3: Load 1 = Shear, kN, and Load 2 = Rotational Stiffness, kN-m/radian");
        Report_Line("Load Type 4: Load 1 = Top Deflection, m, and Load 2 = Moment, kN-m");
        Report_Line("Load Type 5: Load 1 = Top Deflection, m, and Load 2 = Slope, radians");
    }
    Report_Blank_Lines(2);
    Report_Line("               Pile-head      Pile-head ");
    Report_Line("Load  Load    Condition 1    Condition 2        Axial        Pile-head       Maximum        Maximum       Pile-head  ");
    if (us) {
        Report_Line("Case  Type    V(lbs) or     in-lb, rad.,       Loading      Deflection       Moment          Shear        Rotation   ");
        Report_Line(" No.   No.    y(inches)     or in-lb/rad.        lbs          inches         in-lbs           lbs          radians   ");
    } else {
        Report_Line("Case  Type    V(kN) or       kN-m, rad.,       Loading      Deflection       Moment          Shear        Rotation   ");
        Report_Line(" No.   No.    y(meters)      or kN-m/rad.        kN           meters          kN-m            kN           radians   ");
    }
}

void Write_LRFD_Heading(bool us) {
    Report_Line("Load  Load      Pile-head     Pile-head         Axial        Pile-head       Maximum        Maximum       Pile-Head  ");
    if (us) {
        Report_Line("Case  Type        Shear         Moment           Load        Deflection       Moment         Shear        Rotation    ");
        Report_Line(" No.   No.         lbs          in-lbs           lbs          inches          in-lbs          lbs          radians   ");
    } else {
        Report_Line("Case  Type       Shear          Moment           Load        Deflection       Moment         Shear        Rotation   ");
        Report_Line(" No.   No.    kilonewtons        kN-m             kN           meters          kN-m           kN           radians   ");
    }
}

// Texts before condition 1 and condition 2 of a head condition type.
const char* Condition1_Text(int t) {
    static constexpr const char* kText[5] = {"    1   V =", "    2   V =", "    3   V =", "    4   y =", "    5   y ="};
    return kText[t - 1];
}
const char* Condition2_Text(int t) {
    return (t == 1 || t == 4) ? "  M =" : (t == 2 || t == 5) ? "  S =" : "  R =";
}

void Write_Summary_Row(int j, int t, double cond1, double cond2, double axial) {
    const CaseResults& r = g.rep;
    Write_Int_Field(j, 3);
    Write_Blanks(1);
    Report_Text(Condition1_Text(t));
    Write_Real_Field(cond1, 11);
    Report_Text(Condition2_Text(t));
    Write_Real_Field(cond2, 11);
    Write_Real_Field(axial, 15);
    Write_Real_Field(r.rd_CaseTopY(j), 15);
    Write_Real_Field(r.rd_CaseMaxMoment(j), 15);
    Write_Blanks(4);
    Write_Real_Field(r.rd_CaseMaxShear(j), 11);
    Report_Text(Edit_F(r.rd_CaseTopSlope(j), 15, 8));
    End_Line();
}

}  // namespace

void Write_Response_Summary() {
    const ProblemData& pd = g.pd;
    const CaseResults& r = g.rep;
    if (on(r.b_StiffnessTrial)) return;
    const bool us = pd.IUNITS == kUnitsUS;
    const bool lrfd = on(pd.b_UseLRFD);
    Report_Blank_Lines(3);
    Write_Block_Heading(27, "Summary of Pile Response(s)");
    Report_Blank_Lines(2);
    if (lrfd)
        Write_LRFD_Heading(us);
    else
        Write_Load_Type_Definitions(us);
    Report_Line("----  ----  --------------  --------------  -------------  -------------  -------------  -------------  -------------");
    for (int j = 1; j <= pd.i_NumLoads; ++j) {
        if (lrfd) {
            Write_Summary_Row(j, 1, Factored_Shear(j), Factored_Moment(j), Factored_Axial(j));
            continue;
        }
        const int t = pd.i_LoadType(j);
        if (t < 1 || t > 5) continue;
        Write_Summary_Row(j, t, pd.rd_LoadCond1(j), pd.rd_LoadCond2(j), pd.rd_AxialThrust(j));
    }
    for (int j = 1; j <= pd.i_NumLoads; ++j)
        Plot_Case_Summary(r.rd_CaseTopShear(j), r.rd_CaseTopY(j), r.rd_CaseMaxMoment(j), r.rd_CaseMaxShear(j),
                          r.rd_CaseTopSlope(j), pd.IUNITS);
    if (lrfd) Write_LRFD_Performance();
}

}  // namespace tarvex
