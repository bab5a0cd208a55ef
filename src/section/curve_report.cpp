// Report blocks of the moment-curvature computation: the concrete properties,
// the thrust table, the run-message definitions, one results table per thrust
// and the summary of nominal moment capacities; and the plot records of the
// curves.
#include <string>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/plot_file.h"
#include "output/report_lines.h"
#include "section/curve_report.h"
#include "section/section_analysis.h"

namespace tarvex {
namespace {

bool Is_Pipe() { return g.sec.geo.SectionKind == kKindSteelPipe; }
std::string Trim(const Text<8>& t) { return std::string(t.trimmed()); }

void Report_Lines(std::initializer_list<const char*> lines) {
    for (const char* line : lines) Report_Line(line);
}

// Heading of the results table: four lines (titles, titles, US units, SI units, rules).
struct Heading {
    const char* h1;
    const char* h2;
    const char* us;
    const char* si;
    const char* rule;
};

constexpr Heading kStandardHeading{
    "    Bending       Bending       Bending       Depth to      Max Comp      Max Tens    Max Concrete   Max Steel    Run",
    "   Curvature      Moment       Stiffness       N Axis        Strain        Strain        Stress        Stress     Msg",
    "    rad/in.       in-kip        kip-in2          in          in/in         in/in          ksi           ksi           ",
    "     rad/m         kN-m          kN-m2           m            m/m           m/m           kPa           kPa          ",
    " ------------- ------------- ------------- ------------- ------------- ------------- ------------- -------------  ---  "};
constexpr Heading kPipeHeading{
    "    Bending       Bending       Bending       Depth to     Max Total    Run",
    "   Curvature      Moment       Stiffness       N Axis        Stress     Msg",
    "    rad/in.       in-kip        kip-in2          in           ksi          ",
    "     rad/m         kN-m          kN-m2           m            kPa          ",
    " ------------- ------------- ------------- ------------- -------------  ---"};
constexpr Heading kCasingColumn{"  Max Casing  ", "     Stress   ", "      ksi     ", "      kPa     ", " -------------"};
constexpr Heading kCoreColumn{"   Max Core   ", "     Stress   ", "      ksi     ", "      kPa     ", " -------------"};
constexpr size_t kRunMessageColumn = 112;  // the run-message column follows the eight value columns

void Write_Table_Heading() {
    const int kind = g.sec.geo.SectionKind;
    const bool us = US_Section_Units();
    const Heading& h = kind == kKindSteelPipe ? kPipeHeading : kStandardHeading;
    std::string l[4] = {h.h1, h.h2, us ? h.us : h.si, h.rule};
    if (!us && kind != kKindSteelPipe) l[3].resize(l[3].size() - 2);
    size_t at = kRunMessageColumn;
    auto insert = [&](const Heading& c) {
        const char* col[4] = {c.h1, c.h2, us ? c.us : c.si, c.rule};
        for (int k = 0; k < 4; ++k) l[k].insert(at, col[k]);
        at += std::string_view(c.rule).size();
    };
    if (kind == kKindCasedCircle || kind == kKindCasedCircleWithCore) insert(kCasingColumn);
    if (kind == kKindCasedCircleWithCore) insert(kCoreColumn);
    for (const std::string& line : l) Report_Line(line);
}

void Write_Definitions() {
    if (Is_Pipe()) {
        Report_Blank_Lines(1);
        Report_Line("Definition of Run Messages:");
        Report_Blank_Lines(1);
        Report_Line("   Y = part of pipe section has yielded.");
        return;
    }
    Report_Blank_Lines(2);
    Report_Lines({"Definitions of Run Messages and Notes:", "--------------------------------------"});
    Report_Blank_Lines(1);
    Report_Lines({"   C = concrete in section has cracked in tension.",
                  "   Y = stress in reinforcing steel has reached yield stress.",
                  "   T = ACI 318-08 criteria for tension-controlled section met, tensile strain in ",
                  "       reinforcement exceeds 0.005 while simultaneously compressive strain in ",
                  "       concrete more than than 0.003. See ACI 318-08, Section 10.3.4.",
                  "   Z = depth of tensile zone in concrete section is less than 10 percent of section depth."});
    Report_Blank_Lines(1);
    Report_Lines({"Bending Stiffness (EI) = Computed Bending Moment / Curvature.",
                  "Position of neutral axis is measured from edge of compression side of pile.",
                  "Compressive stresses and strains are positive in sign.",
                  "Tensile stresses and strains are negative in sign."});
}

}  // namespace

void Write_Value_Line(std::string_view label, double value, std::string_view unit) {
    Report_Text(Fixed(label, 55) + "= ");
    Write_Real_Field(value, 15);
    Report_Text(unit);
    End_Line();
}

void Write_Fixed_Line(std::string_view label, double value, int w, int d, std::string_view unit) {
    Report_Line(Fixed(label, 55) + "= " + Edit_F(value, w, d) + std::string(unit));
}

void Write_Concrete_Properties() {
    const SectionWork& w = g.sec;
    const SectionMaterials& m = w.mat;
    const std::string stress(w.StressText.view());
    Report_Blank_Lines(1);
    Report_Lines({"Concrete Properties:", "--------------------"});
    Report_Blank_Lines(1);
    Write_Value_Line("Compressive Strength of Concrete", m.fc, stress);
    Write_Value_Line("Modulus of Elasticity of Concrete", m.Ec, stress);
    Write_Value_Line(Section_Is_Prestressed() ? "Modulus of Rupture of Prestressed Concrete"
                                              : "Modulus of Rupture of Concrete",
                     m.fr, stress);
    Write_Value_Line("Compression Strain at Peak Stress", m.eps0, "");
    Write_Value_Line("Tensile Strain at Fracture of Concrete", m.epst, "");
    Write_Value_Line("Maximum Coarse Aggregate Size", m.AggregateSize, std::string(w.LengthText.view()));
}

void Write_Thrust_Table() {
    const SectionWork& w = g.sec;
    Report_Line("   Number     Axial Thrust Force");
    Report_Line(std::string(19, ' ') + Trim(w.ForceText));
    Report_Line("   ------     ------------------");
    for (int t = 1; t <= w.i_NumWorkThrusts; ++t)
        Report_Line(Edit_I(t, 7) + std::string(9, ' ') + Edit_F(w.WorkThrust(t), 12, 3));
    Write_Definitions();
}

void Write_Thrust_Heading(double T) {
    Report_Blank_Lines(2);
    Report_Line("Axial Thrust Force = " + Edit_F(T, 10, 3) + Fixed(g.sec.ForceText.view(), 7));
    Report_Blank_Lines(1);
    Write_Table_Heading();
}

void Write_Curve_Rows(int n) {
    const SectionWork& w = g.sec;
    const CurveWork& cv = w.cv;
    const int kind = w.geo.SectionKind;
    for (int p = 1; p <= n; ++p) {
        for (double x : {cv.Curv(p), cv.Moment(p), cv.EI(p), cv.NeutralAxis(p)}) Write_Real_Field(x, 14);
        if (kind == kKindSteelPipe) {
            Write_Real_Field(cv.MaxCasing(p), 14);
        } else {
            for (double x : {cv.MaxComp(p), cv.MaxTens(p), cv.MaxConcrete(p), cv.MaxSteel(p)}) Write_Real_Field(x, 14);
            if (kind == kKindCasedCircle || kind == kKindCasedCircleWithCore) Write_Real_Field(cv.MaxCasing(p), 14);
            if (kind == kKindCasedCircleWithCore) Write_Real_Field(cv.MaxCore(p), 14);
        }
        Write_Blanks(2);
        Report_Text(cv.RunMsg(p).view());
        End_Line();
    }
}

void Write_Point_Limit_Warning() {
    Report_Blank_Lines(1);
    Report_Line("Warning: " + Int_Text(kCurvePoints) + " values were calculated for moment-curvature.");
    Report_Line("This usually indicates that the pile is too weak or is under-reinforced, where all reinforcing "
                "steel has yielded.");
    Report_Blank_Lines(1);
    Report_Line("The input data should be examined and the amount of steel reinforcement should be increased if "
                "necessary.");
    Report_Blank_Lines(1);
}

void Plot_Curve_Records(int s, int t) {
    const MomentCurvatureTable& mc = g.mct;
    const int n = mc.NumPts(s, t);
    const int units = g.sec.i_SectionUnits;
    Plot_Curve_Header(n, g.sec.WorkThrust(t), g.sec.cv.Capacity(t), units);
    for (int p = 1; p <= n; ++p) Plot_Curve_Point(mc.Moment(s, t, p), mc.EI(s, t, p), mc.Curv(s, t, p), s, t, p, units);
}

void Write_Capacity_Summary() {
    const SectionWork& w = g.sec;
    const CurveWork& cv = w.cv;
    const std::string force = Trim(w.ForceText), moment(g.units.MomentLabel.trimmed());
    Report_Blank_Lines(2);
    Write_Block_Heading(3, "Summary of Results for Nominal (Unfactored) Moment Capacity for Section " +
                               Int_Text(g.drv.i_CurrentSection));
    Report_Blank_Lines(1);
    if (Is_Pipe()) {
        Report_Line(" Load           Axial Thrust        Nominal Mom. Cap.");
        Report_Line("  No.              " + Fixed(force, 7) + std::string(14, ' ') + Fixed(moment, 7));
        Report_Line(" ----         ----------------     ------------------");
        for (int t = 1; t <= w.i_NumWorkThrusts; ++t)
            Report_Line(Edit_I(t, 4) + Edit_F(w.WorkThrust(t), 22, 3) + Edit_F(cv.Capacity(t), 22, 1));
        Report_Blank_Lines(1);
        Report_Lines({"Note that the values in the above table are not factored by a strength",
                      "reduction factor for LRFD."});
        Report_Blank_Lines(1);
        Report_Lines({"The value of the strength reduction factor depends on the provisions of the ",
                      "LRFD code being followed."});
        Report_Blank_Lines(1);
        Report_Lines({"The above values should be multiplied by the appropriate strength reduction ",
                      "factor to compute ultimate moment capacity according to the LRFD structural ",
                      "design standard being followed."});
        Report_Blank_Lines(2);
        return;
    }
    Report_Lines({"Moment values interpolated at maximum compressive strain = 0.003",
                  "or maximum developed moment if pile fails at smaller strains."});
    Report_Blank_Lines(1);
    Report_Line(" Load           Axial Thrust        Nominal Mom. Cap.      Max. Comp.");
    Report_Line(Fixed(Fixed("  No.", 19) + force, 40) + Fixed(moment, 21) + "Strain");
    Report_Line(" ----         ----------------     ------------------     ------------");
    for (int t = 1; t <= w.i_NumWorkThrusts; ++t)
        Report_Line(Edit_I(t, 4) + Edit_F(w.WorkThrust(t), 22, 3) + Edit_F(cv.Capacity(t), 22, 3) +
                    Edit_F(cv.CapacityStrain(t), 21, 8));
    Report_Blank_Lines(1);
    Report_Lines({"Note note that the values of moment capacity in the table above are not ",
                  "factored by a strength reduction factor (phi-factor)."});
    Report_Blank_Lines(1);
    Report_Lines({"In ACI 318-08, the value of the strength reduction factor depends on whether ",
                  "the transverse reinforcing steel bars are spirals or tied hoops."});
    Report_Blank_Lines(1);
    Report_Lines({"The above values should be multiplied by the appropriate strength reduction ",
                  "factor to compute ultimate moment capacity according to ACI 318-08, Section ",
                  "9.3.2.2 or the value required by the design standard being followed."});
    Report_Blank_Lines(2);
}

}  // namespace tarvex
