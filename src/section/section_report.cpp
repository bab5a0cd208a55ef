// Section properties report: the "Dimensions and Properties" block of each
// section type, the axial structural and tensile capacities of reinforced
// sections and steel pipes, and the tables of bars and strands.
#include "section/section_report.h"

#include <cmath>
#include <string>

#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "section/section_analysis.h"
#include "section/section_driver.h"

namespace tarvex {
namespace {

constexpr double kConcreteShare = 0.8500000238418579;      // 0.85 f'c of ACI 318, single precision
constexpr double kPercentShare = 0.009999999776482582;     // 0.01 of the area ratio, single precision
constexpr double kRuptureUS = 0.0075;                      // fr = 7.5 sqrt(f'c) psi
constexpr double kRuptureSI = 51.71067953109741;           // the same in kPa
constexpr double kRuptureSIBlock = 51.71067877581686;
constexpr double kKsiRootSI = 0.14503774046897888;         // psi per kPa
constexpr double kKPaPerKsi = 6894.75732421875;
constexpr double kEcSI = 393001.16443634033;               // 57000 sqrt(f'c psi), in kPa
constexpr double kEcUS = 57.0;
constexpr double kPeakStrainFactor = 1.7;
constexpr double kZeroCoordinate = 9.999899702961557E-06;  // bar table: printed as 0.00000
constexpr double kInchesPerFoot = 12.0;
constexpr std::string_view kPipeStiffnessUS = " kip-in2";  // E in ksi times I in in^4

bool US() { return US_Section_Units(); }
std::string Text_Of(const Text<8>& t) { return std::string(t.view()); }
std::string Right(std::string_view s, int w) {
    return std::string(size_t(w) > s.size() ? size_t(w) - s.size() : 0, ' ') + std::string(s);
}
double Circle_Area(double d) { return kPi / 4 * d * d; }
double Ring_Area(double d, double t) { return kPi / 4 * (d * d - (d - 2 * t) * (d - 2 * t)); }
double Ring_Inertia(double d, double t) { return kPi / 64 * (std::pow(d, 4) - std::pow(d - 2 * t, 4)); }

double Total_Bar_Area() {
    const SectionGeometry& geo = g.sec.geo;
    double As = 0;
    for (int k = 1; k <= geo.i_NumBars && k <= kMaxBars; ++k) As += geo.BarArea(k);
    return As;
}

// Modulus of rupture of the report, -7.5 sqrt(f'c) psi in the section units.
double Report_Rupture(double fc) {
    return US() ? -kRuptureUS * std::sqrt(1000.0 * fc) : -kRuptureSIBlock * std::sqrt(1000.0 * fc / kKPaPerKsi);
}

void Heading(std::string_view title, bool blank_before = true) {
    if (blank_before) Report_Blank_Lines(1);
    Report_Line(title);
    Report_Line(std::string(title.size(), '-'));
    Report_Blank_Lines(1);
}

void Count_Line(std::string_view label, int n) {
    Report_Line(Fixed(label, 55) + "= " + Int_Field(n, 15) + " bars");
}

void Percent_Line(std::string_view label, double value) { Write_Fixed_Line(label, value, 15, 2, " percent"); }

void Length_Line(const PileSection& sec, int width) {
    const bool us = g.pd.IUNITS == kUnitsUS;
    Report_Text(Fixed("Length of Section", 55) + "= ");
    Write_Real_Field(us ? sec.rd_SectionLength / kInchesPerFoot : sec.rd_SectionLength, width);
    Report_Text(Fixed(us ? " ft" : " m", 8));
    End_Line();
}

void Short_Line(std::string_view label, double value, bool type7) {
    const std::string unit(g.units.LengthLabel.trimmed());
    Report_Line(Fixed(label, 55) + "= " + Edit_F(value, 10, 3) + (type7 ? Right(unit, 4) : " " + unit));
}

void Write_Rectangular_Block(const PileSection& sec) {
    const SectionWork& w = g.sec;
    const std::string L = Text_Of(w.LengthText), S = Text_Of(w.StressText), A = Text_Of(w.AreaText);
    const double Ag = sec.rd_SectionDepth * sec.rd_SectionWidth, As = Total_Bar_Area();
    Write_Value_Line("Depth of Section", sec.rd_SectionDepth, L);
    Write_Value_Line("Width of Section", sec.rd_SectionWidth, L);
    Count_Line("Number of Reinforcing Bars", w.geo.i_NumBars);
    Write_Value_Line("Yield Stress of Reinforcing Bars", w.mat.fy, S);
    Write_Value_Line("Modulus of Elasticity of Reinforcing Bars", w.mat.Es, S);
    Write_Value_Line("Compressive Strength of Concrete", w.mat.fc, S);
    Write_Value_Line("Modulus of Rupture of Concrete", Report_Rupture(w.mat.fc), S);
    Write_Value_Line("Gross Area of Pile", Ag, A);
    Write_Value_Line("Total Area of Reinforcing Steel", As, A);
    Write_Value_Line("Area Ratio of Steel Reinforcement", As / (kPercentShare * Ag), " percent");
}

// The spacing line exists only for bars on a circle with the two bars it measures.
void Spacing_Lines(const PileSection& sec) {
    const std::string L = Text_Of(g.sec.LengthText);
    if (Has_Bar_Spacing(sec)) Write_Value_Line("Edge-to-Edge Bar Spacing", g.sec.BarSpacing, L);
    Write_Value_Line("Rebar Offset", sec.rd_RebarOffset, L);
}

void Write_Shaft_Block(const PileSection& sec) {
    const SectionWork& w = g.sec;
    const std::string L = Text_Of(w.LengthText), S = Text_Of(w.StressText), A = Text_Of(w.AreaText);
    const double D = w.geo.D, Ag = Circle_Area(D), As = Total_Bar_Area();
    Write_Value_Line("Shaft Diameter ", D, L);
    Write_Value_Line("Concrete Cover Thickness", sec.rd_Cover, L);
    Count_Line("Number of Reinforcing Bars", w.geo.i_NumBars);
    Write_Value_Line("Yield Stress of Reinforcing Bars", w.mat.fy, S);
    Write_Value_Line("Modulus of Elasticity of Reinforcing Bars", w.mat.Es, S);
    Write_Value_Line("Gross Area of Shaft", Ag, A);
    Write_Value_Line("Total Area of Reinforcing Steel", As, A);
    Percent_Line("Area Ratio of Steel Reinforcement ", 100 * As / Ag);
    Spacing_Lines(sec);
}

void Write_Cased_Block(const PileSection& sec) {
    const SectionWork& w = g.sec;
    const std::string L = Text_Of(w.LengthText), S = Text_Of(w.StressText), A = Text_Of(w.AreaText),
                      I = Text_Of(w.InertiaText);
    const double D = w.geo.D, tc = sec.rd_CasingThickness, As = Total_Bar_Area();
    const double Acs = Ring_Area(D, tc), Acon = Circle_Area(D) - Acs - As;
    Write_Value_Line("Outer Diameter of Casing", D, L);
    Write_Value_Line("Concrete Cover Thickness Inside Casing", sec.rd_Cover, L);
    Write_Value_Line("Casing Wall Thickness", tc, L);
    Write_Value_Line("Moment of Inertia of Steel Casing", Ring_Inertia(D, tc), I);
    Write_Value_Line("Yield Stress of Casing", w.mat.CasingFy, S);
    Write_Value_Line("Elastic Modulus of Casing", w.mat.CasingE, S);
    Count_Line("Number of Reinforcing Bars", w.geo.i_NumBars);
    Write_Value_Line("Area of Single Reinforcing Bar", sec.rd_RebarArea, A);
    Spacing_Lines(sec);
    Write_Value_Line("Yield Stress of Reinforcing Bars", w.mat.fy, S);
    Write_Value_Line("Elastic Modulus of Reinforcing Bars", w.mat.Es, S);
    Write_Value_Line("Area of Concrete", Acon, A);
    Write_Value_Line("Cross-sectional Area of Steel Casing", Acs, A);
    Write_Value_Line("Area of All Steel (Casing and Bars)", Acs + As, A);
    Percent_Line("Area Ratio of All Steel", 100 * (Acs + As) / Acon);
}

double Cored_Concrete_Area(const PileSection& sec, double As) {
    const double D = g.sec.geo.D, Acs = Ring_Area(D, sec.rd_CasingThickness);
    if (on(sec.b_FillCoreWithConcrete))
        return Circle_Area(D) - Acs - Ring_Area(sec.rd_CoreDiameter, sec.rd_CoreThickness) - As;
    return Circle_Area(D) - Circle_Area(sec.rd_CoreDiameter) - Acs - As;
}

void Write_Cored_Block(const PileSection& sec) {
    const SectionWork& w = g.sec;
    const std::string L = Text_Of(w.LengthText), S = Text_Of(w.StressText), A = Text_Of(w.AreaText),
                      I = Text_Of(w.InertiaText);
    const double D = w.geo.D, tc = sec.rd_CasingThickness, Dc = sec.rd_CoreDiameter, tk = sec.rd_CoreThickness;
    const double As = Total_Bar_Area(), Acs = Ring_Area(D, tc), Acore = Ring_Area(Dc, tk);
    const double Acon = Cored_Concrete_Area(sec, As);
    const int n = w.geo.i_NumBars;
    Write_Value_Line("Outside Diameter of Casing", D, L);
    Write_Value_Line("Concrete Cover Thickness Inside Casing", sec.rd_Cover, L);
    Write_Value_Line("Casing Wall Thickness", tc, L);
    Write_Value_Line("Moment of Inertia of Steel Casing", Ring_Inertia(D, tc), I);
    Write_Value_Line("Outside Diameter of Core", Dc, L);
    Write_Value_Line("Core Wall Thickness", tk, L);
    Write_Value_Line("Moment of Inertia of Steel Core", Ring_Inertia(Dc, tk), I);
    Write_Value_Line("Yield Stress of Casing and Core", w.mat.CasingFy, S);
    Write_Value_Line("Elastic Modulus of Casing and Core", w.mat.CasingE, S);
    Count_Line("Number of Reinforcing Bars", n);
    if (n > 0) {
        Write_Value_Line("Area of Single Reinforcing Bar", sec.rd_RebarArea, A);
        Write_Value_Line("Area of All Reinforcing Bars", As, A);
        Spacing_Lines(sec);
        Write_Value_Line("Yield Stress of Reinforcing Bars", w.mat.fy, S);
        Write_Value_Line("Elastic Modulus of Reinforcing Bars", w.mat.Es, S);
    }
    Write_Value_Line("Area of Concrete", Acon, A);
    Write_Value_Line("Cross-sectional Area of Steel Casing", Acs, A);
    Write_Value_Line("Cross-sectional Area of Steel Core", Acore, A);
    Write_Value_Line("Area of All Steel (Casing, Core, and Bars)", Acs + Acore + As, A);
    Percent_Line("Area Ratio of All Steel", 100 * (Acs + Acore + As) / Acon);
    Report_Blank_Lines(1);
    Report_Line(on(sec.b_FillCoreWithConcrete) ? "Note that the core is assumed to be filled with concrete"
                                               : "Note that the core is assumed to be void of concrete");
}

void Write_Pipe_Block(const PileSection& sec) {
    const SectionWork& w = g.sec;
    const std::string L = Text_Of(w.LengthText), S = Text_Of(w.StressText), A = Text_Of(w.AreaText),
                      I = Text_Of(w.InertiaText);
    const double D = w.geo.D, t = sec.rd_CasingThickness, Fy = w.mat.CasingFy, E = w.mat.CasingE;
    const double In = Ring_Inertia(D, t), Z = std::pow(D, 3) / 6 - std::pow(D - 2 * t, 3) / 6;
    Write_Value_Line("Outer Diameter of Pipe", D, L);
    Write_Value_Line("Pipe Wall Thickness", t, L);
    Write_Value_Line("Yield Stress of Pipe", Fy, S);
    Write_Value_Line("Elastic Modulus", E, S);
    Write_Value_Line("Cross-sectional Area", Ring_Area(D, t), A);
    Write_Value_Line("Moment of Inertia", In, I);
    Write_Value_Line("Elastic Bending Stiffness", E * In, US() ? std::string(kPipeStiffnessUS) : Text_Of(w.StiffnessText));
    Write_Value_Line("Plastic Modulus, Z", Z, std::string(w.LengthText.trimmed()) + "^3");
    Write_Value_Line("Plastic Moment Capacity = Fy Z", Fy * Z, std::string(g.units.MomentLabel.trimmed()));
}

void Write_Prestressed_Block(const PileSection& sec) {
    const int type = sec.i_SectionType;
    const bool t7 = type == kSquareSolidPrestressed;
    const double D = sec.rd_SectionDiameter;
    switch (type) {
        case kCircSolidPrestressed: Short_Line("Diameter", D, t7); break;
        case kCircHollowPrestressed:
            Short_Line("Outside Diameter", D, t7);
            Short_Line("Inside Diameter", sec.rd_VoidDiameter, t7);
            break;
        case kSquareSolidPrestressed:
            Short_Line("Pile Width", D, t7);
            Short_Line("Corner Chamfer", sec.rd_ChamferSize, t7);
            break;
        case kSquareHollowPrestressed:
            Short_Line("Pile Width", D, t7);
            Short_Line("Corner Chamfer", sec.rd_ChamferSize, t7);
            Report_Blank_Lines(1);
            Short_Line("Inside Void Diameter", sec.rd_VoidDiameter, t7);
            return;
        case kOctSolidPrestressed: Short_Line("Pile Width", D, t7); return;
        case kOctHollowPrestressed:
            Short_Line("Pile Width", D, t7);
            Short_Line("Inside Void Diameter", sec.rd_VoidDiameter, t7);
            return;
        default: return;
    }
    Report_Blank_Lines(1);
}

const char* Block_Title(const PileSection& sec) {
    switch (sec.i_SectionType) {
        case kRectConcrete: return "Dimensions and Properties of Rectangular Concrete Pile:";
        case kDrilledShaft: return "Dimensions and Properties of Drilled Shaft:";
        case kCasedShaft: return "Dimensions and Properties of Drilled Shaft with Permanent Casing:";
        case kCasedCoredShaft:
            return on(sec.b_FillCoreWithConcrete)
                       ? "Dimensions and Properties of Drilled Shaft with Casing and Filled Core:"
                       : "Dimensions and Properties of Drilled Shaft with Casing and Hollow Core:";
        case kSteelPipe: return "Dimensions and Properties of Steel Pipe Pile:";
        case kCircSolidPrestressed: return "Dimensions and Properties of Circular Prestressed Pile:";
        case kCircHollowPrestressed: return "Dimensions and Properties of Hollow Core Circular Prestressed Pile:";
        case kSquareSolidPrestressed: return "Dimensions of Square Prestressed Pile Section:";
        case kSquareHollowPrestressed:
            return "Dimensions and Properties of Square Prestressed Pile Section with Hollow Core:";
        case kOctSolidPrestressed: return "Dimensions and Properties of Octagonal Prestressed Pile:";
        default: return "Dimensions and Properties of Octagonal Prestressed Pile Section with Hollow Core:";
    }
}

void Write_Dimensions_Block(const PileSection& sec) {
    const int type = sec.i_SectionType;
    Heading(Block_Title(sec), type != kSquareSolidPrestressed);
    Length_Line(sec, type <= kCircHollowPrestressed ? 15 : 10);
    switch (type) {
        case kRectConcrete: Write_Rectangular_Block(sec); break;
        case kDrilledShaft: Write_Shaft_Block(sec); break;
        case kCasedShaft: Write_Cased_Block(sec); break;
        case kCasedCoredShaft: Write_Cored_Block(sec); break;
        case kSteelPipe: Write_Pipe_Block(sec); break;
        default: Write_Prestressed_Block(sec); break;
    }
}

void Capacity_Line(std::string_view label, double value) {
    Write_Fixed_Line(label, value, 15, 3, Text_Of(g.sec.ForceText));
}

void Write_Axial_Capacities(const PileSection& sec) {
    SectionWork& w = g.sec;
    const SectionMaterials& m = w.mat;
    const int kind = w.geo.SectionKind;
    const double D = w.geo.D, As = Total_Bar_Area();
    Report_Blank_Lines(1);
    Report_Line("Axial Structural Capacities:");
    Report_Line("----------------------------");
    Report_Blank_Lines(1);
    w.rd_TotalBarArea = As;
    const double Ai = Circle_Area(D - 2 * sec.rd_CasingThickness);
    switch (kind) {
        case kKindRectangle: w.rd_SectionPn = kConcreteShare * m.fc * (D * w.geo.W - As) + m.fy * As; break;
        case kKindCircle: w.rd_SectionPn = kConcreteShare * m.fc * (Circle_Area(D) - As) + m.fy * As; break;
        case kKindCasedCircle:
            w.rd_SectionPn = m.CasingFy * (Circle_Area(D) - Ai) + kConcreteShare * m.fc * (Ai - As) + m.fy * As;
            break;
        case kKindCasedCircleWithCore: {
            const double Acore = Ring_Area(sec.rd_CoreDiameter, sec.rd_CoreThickness);
            const double Ac = on(sec.b_FillCoreWithConcrete) ? Ai - Acore - As : Ai - Circle_Area(sec.rd_CoreDiameter) - As;
            w.rd_SectionPn =
                m.CasingFy * (Circle_Area(D) - Ai) + m.CoreFy * Acore + m.fy * As + kConcreteShare * m.fc * Ac;
            break;
        }
        default: w.rd_SectionPn = m.CasingFy * Ring_Area(D, sec.rd_CasingThickness); break;
    }
    Capacity_Line(kind == kKindSteelPipe ? "Nom. Axial Structural Capacity = Fy As"
                                         : "Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As",
                  w.rd_SectionPn);
}

void Compute_Tensile_Capacities(const PileSection& sec) {
    SectionWork& w = g.sec;
    const SectionMaterials& m = w.mat;
    const int kind = w.geo.SectionKind;
    const double D = w.geo.D, As = Total_Bar_Area();
    double Ec = 0, epst = 0;
    if (kind != kKindSteelPipe) {
        const double s = US() ? std::sqrt(1000.0 * m.fc) : std::sqrt(kKsiRootSI * m.fc);
        const double fr = US() ? -kRuptureUS * s : -kRuptureSI * s;
        Ec = US() ? kEcUS * s : kEcSI * s;
        const double eps0 = kPeakStrainFactor * m.fc / Ec;
        epst = -(1.0 - std::sqrt(fr / m.fc + 1.0)) * eps0;
    }
    w.rd_CrackingLoad = 0;
    // The bar modulus stands for all the steel; without bars the casing's modulus stands for it.
    const double Es = w.geo.i_NumBars > 0 ? m.Es : m.CasingE;
    const double Acs = Ring_Area(D, sec.rd_CasingThickness);
    switch (kind) {
        case kKindRectangle:
        case kKindCircle: {
            const double Ac = (kind == kKindRectangle ? D * w.geo.W : Circle_Area(D)) - As;
            w.rd_SectionNt = -m.fy * As;
            w.rd_CrackingLoad = (Es * As + Ec * Ac) * epst;
            break;
        }
        case kKindCasedCircle: {
            const double Ac = Circle_Area(D) - Acs - As;
            w.rd_SectionNt = -(m.CasingFy * Acs + m.fy * As);
            w.rd_CrackingLoad = ((Acs + As) * Es + Ec * Ac) * epst;
            break;
        }
        case kKindCasedCircleWithCore: {
            const double Acore = Ring_Area(sec.rd_CoreDiameter, sec.rd_CoreThickness);
            const double Ac = on(sec.b_FillCoreWithConcrete)
                                  ? Circle_Area(D) - Acs - Acore - As
                                  : kPi / 4 * (D * D - sec.rd_CoreDiameter * sec.rd_CoreDiameter) - Acs - As;
            w.rd_SectionNt = -(m.CasingFy * Acs + m.CoreFy * Acore + m.fy * As);
            w.rd_CrackingLoad = ((Acs + Acore + As) * Es + Ec * Ac) * epst;
            break;
        }
        default: w.rd_SectionNt = -m.CasingFy * Acs; break;
    }
    if (kind != kKindSteelPipe) Capacity_Line("Tensile Load for Cracking of Concrete", w.rd_CrackingLoad);
    Capacity_Line("Nominal Axial Tensile Capacity  ", w.rd_SectionNt);
    Report_Blank_Lines(2);
}

std::string Coordinate_Field(double v) {
    return std::fabs(v) > kZeroCoordinate ? Real_Field(v, 12) : "     0.00000";
}

void Write_Bar_Table() {
    const SectionGeometry& geo = g.sec.geo;
    if (geo.i_NumBars <= 0) return;
    if (g.sec.i_SectionUnits == kUnitsUS || g.sec.i_SectionUnits == kUnitsSI) {
        Report_Line("Reinforcing Bar Dimensions and Positions Used in Computations:");
        Report_Blank_Lines(1);
        Report_Line("     Bar          Bar Diam.      Bar Area          X              Y     ");
        Report_Line(US() ? "    Number         inches         sq. in.        inches         inches  "
                         : "    Number         meters         sq. m.         meters         meters  ");
        Report_Line("  ----------     ----------     ----------     ----------     ----------");
    }
    for (int k = 1; k <= geo.i_NumBars && k <= kMaxBars; ++k) {
        Write_Int_Field(k, 7);
        Write_Blanks(8);
        Write_Real_Field(geo.BarDiam(k), 12);
        Write_Blanks(3);
        Write_Real_Field(geo.BarArea(k), 12);
        Write_Blanks(3);
        Report_Text(Coordinate_Field(geo.BarX(k)));
        Write_Blanks(3);
        Report_Text(Coordinate_Field(geo.BarY(k)));
        End_Line();
    }
    Report_Blank_Lines(2);
}

void Write_Bar_Details(const PileSection& sec) {
    const SectionWork& w = g.sec;
    Report_Line("Reinforcing Bar Details:");
    Report_Blank_Lines(1);
    Report_Line("   Bar              Bar           Bar Diam.        Bar Area          Bar X            Bar Y");
    std::string units = "  Number           Index" + std::string(5, ' ');
    for (const Text<8>* t : {&w.LengthText, &w.AreaText, &w.LengthText, &w.LengthText})
        units += std::string(8, ' ') + Right(t->view(), 9);
    Report_Line(units);
    Report_Line("----------     ------------     ------------     ------------     ------------     ------------");
    for (int k = 1; k <= sec.i_NumBars && k <= kMaxBars; ++k) {
        std::string row = Edit_I(k, 5) + Edit_I(sec.i_BarSize(k), 17) + std::string(5, ' ');
        for (double v : {sec.rd_BarDiam(k), sec.rd_BarArea(k), sec.rd_BarX(k), sec.rd_BarY(k)})
            row += std::string(5, ' ') + Edit_F(v, 12, 6);
        Report_Line(row);
    }
}

void Write_Strand_Details(const PileSection& sec) {
    const SectionWork& w = g.sec;
    const bool us = g.pd.IUNITS == kUnitsUS;
    const std::string len(g.units.LengthLabel.trimmed());
    Report_Blank_Lines(1);
    Report_Line("Prestressing Strand Details:");
    Report_Line("----------------------------");
    Report_Blank_Lines(1);
    static const char* const kTypes[] = {"=    PCI 250", "=    PCI 270", "=    PCI 300", "= Smooth 145 ksi bars",
                                         "= Smooth 160 ksi bars", "= Deformed bars (150-160 ksi)"};
    if (sec.i_StrandType >= 0 && sec.i_StrandType <= 5) {
        Report_Line(Fixed("Strand Type", 55) + kTypes[sec.i_StrandType]);
        Report_Line(Fixed("Yield Stress, fpu", 55) + "= " + Edit_F(w.mat.fpu, 10, 0) +
                    std::string(w.StressText.trimmed()));
    }
    switch (w.mat.i_SteelModel) {
        case 4:
            Report_Line("Stress-Strain Curve for Reinforcement Defined Using PCI 250 Lo-lax Equation");
            Report_Line("If eps > 0.008, fps = 248 - 0.058/(eps-0.006) < 0.98 fpu (ksi)");
            break;
        case 5:
            Report_Line("Stress-Strain Curve for Reinforcement Defined Using PCI 270 Lo-lax Equation");
            Report_Line("If eps > 0.008 fpu = 268 - 0.075/(eps-0.0065) < 0.98 fpu (ksi)");
            break;
        case 6:
            Report_Line("Stress-Strain Curve for Reinforcement Defined Using Grade 300 Equation");
            Report_Line("If eps > 0.0088846 fpu = 300.0-(0.0835/(eps-0.0071))) < 300 (ksi)");
            break;
        default: break;
    }
    Report_Line(Fixed("Number of Reinforcing Strands", 55) + "= " + Edit_I(sec.i_NumStrands, 10));
    Report_Line(Fixed("Cross-sectional Area of Single Strand", 55) + "= " + Edit_F(sec.rd_BarArea(1), 10, us ? 3 : 7) +
                std::string(w.AreaText.trimmed()));
    Report_Line(Fixed("Concrete Cover Thickness Over Strands", 55) + "= " + Edit_F(sec.rd_StrandCover, 10, us ? 3 : 5) +
                std::string(w.LengthText.trimmed()));
    Report_Blank_Lines(1);
    Report_Line("Prestressing Strand Geometry:");
    Report_Line("-----------------------------");
    Report_Blank_Lines(1);
    Report_Line("Strand     Diameter       Area            X             Y");
    std::string units = Fixed("  No.", 11) + len;
    units = Fixed(units, 28) + "Sq. " + len;
    units = Fixed(units, 42) + len;
    units = Fixed(units, 56) + len;
    Report_Line(units);
    Report_Line("------    ---------    ----------    ----------    ----------");
    for (int k = 1; k <= sec.i_NumStrands && k <= kMaxBars; ++k) {
        std::string row = Edit_I(k, 4);
        for (double v : {sec.rd_BarDiam(k), sec.rd_BarArea(k), sec.rd_BarX(k), sec.rd_BarY(k)})
            row += Edit_F(v, 14, us ? 3 : 6);
        Report_Line(row);
    }
}

}  // namespace

void Write_Section_Properties(const PileSection& sec) {
    const int type = sec.i_SectionType;
    Write_Dimensions_Block(sec);
    if (type <= kSteelPipe) {
        Write_Axial_Capacities(sec);
        Compute_Tensile_Capacities(sec);
    }
    if (type >= kDrilledShaft && type <= kCasedCoredShaft) Write_Bar_Table();
    if (type == kRectConcrete && !on(sec.b_RebarInCircle)) Write_Bar_Details(sec);
    if (type >= kCircSolidPrestressed) Write_Strand_Details(sec);
}

}  // namespace tarvex
