// Initial strains of a prestressed pile after losses, its axial capacities and
// the PCI design-handbook estimate of its nominal moment capacity.
#include <cmath>
#include <string>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "section/section_analysis.h"

namespace tarvex {
namespace {

constexpr double kForcePerKiloForce = 1000.0;  // Pi in lb (N); areas, moduli in in2, ksi (m2, kPa)
constexpr double kPnConcreteShare = 0.85;      // PCI: Pn = (0.85 f'c - 0.60 fpc) Ag
constexpr double kPnPrestressShare = 0.60;
constexpr double kNConcreteShare = 0.33;       // PCI: N = (0.33 f'c - 0.27 fpc) Ag
constexpr double kNPrestressShare = 0.27;

struct PciMoment {
    double C;
    const char* label;
};

// PCI coefficients of Mn = C D As fpu by pile shape.
PciMoment Pci_Coefficient(int type) {
    switch (type) {
        case kCircSolidPrestressed: return {0.32, "Mn = 0.32 D As fpu "};
        case kCircHollowPrestressed: return {0.34, "Mn = 0.34 D As fpu"};
        case kSquareSolidPrestressed: return {0.37, "Mn = 0.37 D As fpu"};
        case kOctSolidPrestressed: return {0.32, "Mn = 0.32 D As fpu"};
        case kSquareHollowPrestressed: return {0.38, "Mn = 0.38 D As fpu"};
        default: return {0.34, "Mn = 0.34 D As fpu"};
    }
}

[[noreturn]] void Area_Error(int n, std::string_view what, double value) {
    Stop_Runtime_Error(n, {"An error occurred in prestressing computations",
                           "The computed area of " + std::string(what) + " in the section is less than 0.0 = " +
                               Edit_F(value, 15, 5)});
}

std::string Unit(const Text<8>& t, int w) { return Fixed(t.trimmed(), w); }

void Write_Prestress_Report(double Pi, double Pe, double Ac, double As, double Mn, const char* label) {
    const SectionWork& w = g.sec;
    const SectionMaterials& m = w.mat;
    const std::string force = Unit(w.ForceText, 5), stress = Unit(w.StressText, 5);
    const std::string area = " Sq." + std::string(w.LengthText.trimmed());
    const int area_decimals = US_Section_Units() ? 3 : 6;
    Report_Blank_Lines(1);
    Report_Line("Computation of Loss of Prestress:");
    Report_Line("---------------------------------");
    Report_Blank_Lines(1);
    Write_Value_Line("Initial Prestressing Force", Pi / kForcePerKiloForce, force);
    Write_Value_Line("Fraction of Loss of Prestress", m.PrestressLoss, "");
    Write_Value_Line("Effective Prestressing Force", Pe / kForcePerKiloForce, force);
    Report_Line(Fixed("Area of Concrete, Ac      ", 55) + "= " + Edit_F(Ac, 15, area_decimals) + area);
    Report_Line(Fixed("Area of Steel, As         ", 55) + "= " + Edit_F(As, 15, area_decimals) + area);
    Write_Value_Line("Stress in Concrete After Losses, f_pc", m.eps_pc * m.Ec, stress);
    Write_Value_Line("Stress in Steel After Losses", m.eps_ps * m.Es, stress);
    Write_Value_Line("Compressive Strain in Concrete", m.eps_pc, "");
    Write_Value_Line("Tensile Strain in Steel  ", m.eps_ps, "");
    Report_Blank_Lines(1);
    Report_Line("Estimated Structural Capacities Computed Using PCI Equations:");
    Report_Line("-------------------------------------------------------------");
    Report_Blank_Lines(1);
    Write_Value_Line("Nom. Axial Cap., Pn = (0.85 f'c - 0.60 f_pc) Ag", w.rd_SectionPn, force);
    Write_Value_Line("Unfac. Axial Load Cap. N  = (0.33 f'c - 0.27 f_pc) Ag",
                         (Ac + As) * (kNConcreteShare * m.fc - kNPrestressShare * m.eps_pc * m.Ec), force);
    Write_Value_Line("Axial Capacity in Tension, Nt = As fpu", w.rd_SectionNt, force);
    Write_Value_Line("Nom. Moment Capacity, " + std::string(Text<35>(label).trimmed()), Mn,
                         Fixed(g.units.MomentLabel.trimmed(), 7));
    Report_Blank_Lines(1);
    for (const char* line : {"Note:  The above value of nominal moment capacity is based on equations that",
                             "assume a concrete compressive strength of 6,000 psi (41.4 MPa), a prestressing",
                             "level after losses of 700 psi (4.83 MPa), and an axial thrust loading of zero. ",
                             "When different values for these factors are input, the estimated value of Mn ",
                             "may differ greatly from the capacity computed by Tarvex and should be considered ",
                             "only as an approximate check."})
        Report_Line(line);
    Report_Blank_Lines(1);
}

}  // namespace

// Strains of strands and concrete after the losses of prestress: the strands
// stretched by Pe / (Es As), the concrete shortened by Pe / (Ac Ec).
void Calculate_Strains_Due_To_Prestressing() {
    SectionWork& w = g.sec;
    SectionMaterials& m = w.mat;
    const double Ac = w.sl.TotalConcreteArea, As = w.sl.TotalBarArea;
    if (Ac <= 0) Area_Error(14, "concrete", Ac);
    if (As <= 0) Area_Error(15, "steel", As);
    w.st.Strain.fill(0.0);
    const double Pi = m.PrestressForce;
    const double Pe = (1.0 - m.PrestressLoss) * Pi;
    m.eps_ps = Pe / (-m.Es * kForcePerKiloForce * As);
    m.eps_pc = Pe / (kForcePerKiloForce * Ac * m.Ec);
    w.rd_SectionPn = (kPnConcreteShare * m.fc - kPnPrestressShare * m.eps_pc * m.Ec) * (Ac + As);
    w.rd_SectionNt = -As * m.fpu;
    const int type = g.pd.Section(g.drv.i_CurrentSection).i_SectionType;
    const PciMoment pci = Pci_Coefficient(type);
    const double Mn = pci.C * w.geo.D * As * m.fpu;
    if (!on(w.b_PrestressReported)) {
        Write_Prestress_Report(Pi, Pe, Ac, As, Mn, pci.label);
        w.b_PrestressReported = kTrue;
    }
}

}  // namespace tarvex
