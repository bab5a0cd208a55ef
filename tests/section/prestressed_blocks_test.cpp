// Report blocks of prestressed concrete piles in the moment-capacity mode: the
// dimensions of each pile shape, the strand details and geometry, and the loss
// of prestress with the PCI design-handbook estimates of the capacities,
// compared in full with text built from their line forms and from values
// computed here (exact gross areas, strand areas of the strand table).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "section/curve_support.h"
#include "section/report_forms.h"
#include "support/run_dir.h"

namespace tarvex_test {
namespace {

using tarvex::Edit_F;
using tarvex::Edit_I;
using tarvex::Real_Field;

constexpr double kPi = 3.141592653589793;
constexpr double kSIInch = double(0.0254f);       // metres per inch of the strand table (single precision)
constexpr double kKPaPerKsi = 6894.757;           // concrete properties are derived in ksi
constexpr double kFpu270SI = 270000.0 * 6894.75732421875 / 1000.0;
constexpr double kOctagonCorner = 0.5 - 0.2071;   // corner leg of the octagon outline, per unit width

double Single(double v) { return double(float(v)); }  // a value of the single-precision strand table

// A strand of size code `size` at (x, y), in section units.
struct Strand {
    int size;
    double x, y;
};
// Diameter and area of a PCI 270 strand by size code, in the units of the run.
double Strand_Diameter(int size, bool si) {
    const double d[] = {0.34, 0.375, 0.4375, 0.5, 0.5, 0.5625, 0.6, 0.7};
    return Single(d[size]) * (si ? kSIInch : 1.0);
}
double Strand_Area(int size, bool si) {
    const double a[] = {0.058, 0.085, 0.115, 0.153, 0.167, 0.192, 0.217, 0.294};
    return Single(a[size]) * (si ? kSIInch * kSIInch : 1.0);
}

// One prestressed pile of PCI 270 strands; dimensions in the section units (in or m).
struct Pile {
    int type;
    double length;  // ft or m
    double D, void_d, chamfer;
    double fc;      // ksi or kPa
    double Pi, loss, cover;
    std::vector<Strand> strands;
    bool auto_square = false;  // strands placed on a square (pattern 1), else listed
    int strand_type = 1;       // PCI 270
};

std::string Number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6f", v);
    return buf;
}

// The lines of section `number` (lengths in ft or m, dimensions in inches or mm).
std::string Section_Record(const Pile& p, bool si, int number) {
    const double dim = si ? 1000.0 : 1.0, stress = si ? 1.0 : 1000.0;
    std::string s = std::to_string(number) + "\n" + std::to_string(p.type) + "\n" + Number(p.length) + "\n" +
                    Number(p.D * dim) + "\n";
    if (p.type == 6 || p.type == 8 || p.type == 10) s += Number(p.void_d * dim) + "\n";
    if (p.type == 7 || p.type == 8) s += Number(p.chamfer * dim) + "\n";
    s += Number(p.fc * stress) +
         "\n0.75\nUse default concrete tensile strength\nUse internal stress-strain curve for concrete\n";
    const std::string n = std::to_string(p.strands.size());
    if (p.auto_square)
        return s + "Autoposition strands\n" + std::to_string(p.strand_type) + "\n" +
               std::to_string(p.strands[0].size) + "\n" + n + "\n" + Number(p.Pi) + "\n" + Number(p.loss) + "\n" +
               Number(p.cover * dim) + "\n1\n";
    const std::string type = std::to_string(p.strand_type);
    s += "Manually-positioned strands\n" + type + "\n" + n + "\n" + Number(p.Pi) + "\n" + Number(p.loss) + "\n";
    for (size_t k = 0; k < p.strands.size(); ++k)
        s += std::to_string(k + 1) + " " + type + " " + std::to_string(p.strands[k].size) + " " +
             Number(p.strands[k].x * dim) + " " + Number(p.strands[k].y * dim) + "\n";
    return s;
}

// The sections part of the input for a pile of one section.
std::string Section_Input(const Pile& p, bool si) { return "1\n" + Section_Record(p, si, 1); }

// Eight strands on a square of half side a = (D - d)/2 - cover, counter-clockwise
// from the bottom-left corner: three on each horizontal face, one inside each vertical face.
std::vector<Strand> Square_Of_Eight(double D, double cover, int size, bool si) {
    const double a = (D - Strand_Diameter(size, si)) * 0.5 - cover;
    return {{size, -a, -a}, {size, -a + a, -a}, {size, -a + 2 * a, -a}, {size, a, 0.0 * a},
            {size, a, a},   {size, a - a, a},   {size, a - 2 * a, a},   {size, -a, -(0.0 * a)}};
}

// "Dimensions and Properties" block: heading, length line and the short lines
// (an empty label stands for an empty line).
std::string Dimensions(const Pile& p, bool si, const std::string& title,
                       const std::vector<std::pair<std::string, double>>& lines) {
    const bool t7 = p.type == 7;
    const std::string len = si ? "m" : "in";
    std::string s = (t7 ? "" : "\n") + title + "\n" + std::string(title.size(), '-') + "\n\n";
    s += Label("Length of Section") + Real_Field(p.length, p.type <= 6 ? 15 : 10) + (si ? " m      " : " ft     ") +
         "\n";
    for (const auto& [label, v] : lines) {
        if (label.empty()) {
            s += "\n";
            continue;
        }
        s += Label(label) + Edit_F(v, 10, 3) + (t7 ? std::string(4 - len.size(), ' ') + len : " " + len) + "\n";
    }
    return s;
}

// Strand details and strand geometry of PCI 270 strands.
std::string Strand_Blocks(const Pile& p, bool si) {
    std::string s = "\nPrestressing Strand Details:\n----------------------------\n\n";
    s += std::string(55, ' ').replace(0, 11, "Strand Type") + "=    PCI 270\n";
    s += Label("Yield Stress, fpu") + Edit_F(si ? kFpu270SI : 270.0, 10, 0) + (si ? " kPa" : " ksi") + "\n";
    s += "Stress-Strain Curve for Reinforcement Defined Using PCI 270 Lo-lax Equation\n"
         "If eps > 0.008 fpu = 268 - 0.075/(eps-0.0065) < 0.98 fpu (ksi)\n";
    s += Label("Number of Reinforcing Strands") + Edit_I(int(p.strands.size()), 10) + "\n";
    s += Label("Cross-sectional Area of Single Strand") + Edit_F(Strand_Area(p.strands[0].size, si), 10, si ? 7 : 3) +
         (si ? " sq. m" : " sq. in.") + "\n";
    s += Label("Concrete Cover Thickness Over Strands") + Edit_F(p.cover, 10, si ? 5 : 3) + (si ? " m" : " in") + "\n";
    s += "\nPrestressing Strand Geometry:\n-----------------------------\n\n"
         "Strand     Diameter       Area            X             Y\n";
    s += si ? "  No.      m                Sq. m         m             m\n"
            : "  No.      in               Sq. in        in            in\n";
    s += "------    ---------    ----------    ----------    ----------\n";
    for (size_t k = 0; k < p.strands.size(); ++k) {
        const Strand& t = p.strands[k];
        s += Edit_I(int(k + 1), 4);
        for (double v : {Strand_Diameter(t.size, si), Strand_Area(t.size, si), t.x, t.y})
            s += Edit_F(v, 14, si ? 6 : 3);
        s += "\n";
    }
    return s;
}

double Total_Strand_Area(const std::vector<Strand>& strands, bool si) {
    double As = 0;
    for (const Strand& t : strands) As += Strand_Area(t.size, si);
    return As;
}

// Loss of prestress and PCI capacities for a net concrete area Ac and the PCI
// coefficient C of Mn = C D As fpu.
std::string Loss_Block(const Pile& p, bool si, double Ac, double C, const std::string& label) {
    const double As = Total_Strand_Area(p.strands, si);
    const double fc = si ? p.fc / kKPaPerKsi * kKPaPerKsi : p.fc;
    const double Ec = 57.0 * std::sqrt(1000.0 * (si ? p.fc / kKPaPerKsi : p.fc)) * (si ? kKPaPerKsi : 1.0);
    const double Es = si ? 193053200.0 : 28000.0, fpu = si ? kFpu270SI : 270.0;
    const double Pe = (1.0 - p.loss) * p.Pi;
    const double eps_ps = Pe / (-Es * 1000.0 * As), eps_pc = Pe / (1000.0 * Ac * Ec);
    const std::string force = si ? " kN  " : " kips", stress = si ? " kPa " : " ksi ";
    const std::string area = si ? " Sq. m" : " Sq. in";
    const int decimals = si ? 6 : 3;
    auto line = [](const std::string& l, double v, const std::string& unit) {
        return Label(l) + Real_Field(v, 15) + unit + "\n";
    };
    std::string s = "\nComputation of Loss of Prestress:\n---------------------------------\n\n";
    s += line("Initial Prestressing Force", p.Pi / 1000.0, force);
    s += line("Fraction of Loss of Prestress", p.loss, "");
    s += line("Effective Prestressing Force", Pe / 1000.0, force);
    s += Label("Area of Concrete, Ac      ") + Edit_F(Ac, 15, decimals) + area + "\n";
    s += Label("Area of Steel, As         ") + Edit_F(As, 15, decimals) + area + "\n";
    s += line("Stress in Concrete After Losses, f_pc", eps_pc * Ec, stress);
    s += line("Stress in Steel After Losses", eps_ps * Es, stress);
    s += line("Compressive Strain in Concrete", eps_pc, "");
    s += line("Tensile Strain in Steel  ", eps_ps, "");
    s += "\nEstimated Structural Capacities Computed Using PCI Equations:\n"
         "-------------------------------------------------------------\n\n";
    s += line("Nom. Axial Cap., Pn = (0.85 f'c - 0.60 f_pc) Ag", (0.85 * fc - 0.60 * eps_pc * Ec) * (Ac + As), force);
    s += line("Unfac. Axial Load Cap. N  = (0.33 f'c - 0.27 f_pc) Ag", (Ac + As) * (0.33 * fc - 0.27 * eps_pc * Ec),
              force);
    s += line("Axial Capacity in Tension, Nt = As fpu", -As * fpu, force);
    s += line("Nom. Moment Capacity, " + label, C * p.D * As * fpu, si ? " kN-m  " : " in-kip");
    s += "\nNote:  The above value of nominal moment capacity is based on equations that\n"
         "assume a concrete compressive strength of 6,000 psi (41.4 MPa), a prestressing\n"
         "level after losses of 700 psi (4.83 MPa), and an axial thrust loading of zero. \n"
         "When different values for these factors are input, the estimated value of Mn \n"
         "may differ greatly from the capacity computed by Tarvex and should be considered \n"
         "only as an approximate check.\n\n";
    return s;
}

// The part of the report that should equal `expected`, found by its first two
// non-empty lines.
std::string Report_Part(const std::string& report, const std::string& expected) {
    const size_t first = expected.find_first_not_of('\n');
    const size_t second = expected.find_first_not_of('\n', expected.find('\n', first));
    const std::string anchor = expected.substr(first, expected.find('\n', second) - first);
    const size_t at = report.find(anchor);
    if (at == std::string::npos || at < first) return "(not found: " + anchor + ")";
    return report.substr(at - first, expected.size());
}

size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

struct ShapeCase {
    const char* name;
    Pile pile;
    const char* title;
    std::vector<std::pair<std::string, double>> lines;
    double Ac;  // net concrete area: gross outline less void and strands
    double C;
    const char* label;
};

// Every shape but the chamfered square solid pile, in US customary units, with
// listed strands; the octagonal pile mixes 0.153 and 0.192 in2 strands, each
// entering the table and As with its own area.
TEST(PrestressedBlocks, DimensionsStrandsAndLossOfEachShape) {
    const std::vector<Strand> four = {{3, 0, 5.5}, {3, 5.5, 0}, {3, 0, -5.5}, {3, -5.5, 0}};
    const std::vector<Strand> ring = {{4, 0, 8.5}, {4, 8.5, 0}, {4, 0, -8.5}, {4, -8.5, 0}};
    const std::vector<Strand> corners = {{3, -6.5, -6.5}, {3, 6.5, -6.5}, {3, 6.5, 6.5}, {3, -6.5, 6.5}};
    const std::vector<Strand> mixed = {{3, 0, 5}, {5, 5, 0}, {3, 0, -5}, {5, -5, 0}};
    const std::vector<Strand> six = {{6, 0, 6.5}, {6, 6.5, 0}, {6, 0, -6.5}, {6, -6.5, 0}};
    const double void12 = kPi / 4 * 144, void10 = kPi / 4 * 100, void8 = kPi / 4 * 64;
    const double oct16 = 256 - 2 * std::pow(kOctagonCorner * 16, 2), oct20 = 400 - 2 * std::pow(kOctagonCorner * 20, 2);
    const std::vector<ShapeCase> cases = {
        {"circular solid", {5, 40.0, 16.0, 0, 0, 6.0, 200000.0, 0.2, 0, four},
         "Dimensions and Properties of Circular Prestressed Pile:", {{"Diameter", 16.0}, {"", 0}},
         kPi / 4 * 256 - Total_Strand_Area(four, false), 0.32, "Mn = 0.32 D As fpu"},
        {"circular hollow", {6, 35.0, 24.0, 12.0, 0, 5.0, 300000.0, 0.15, 0, ring},
         "Dimensions and Properties of Hollow Core Circular Prestressed Pile:",
         {{"Outside Diameter", 24.0}, {"Inside Diameter", 12.0}, {"", 0}},
         kPi / 4 * 576 - void12 - Total_Strand_Area(ring, false), 0.34, "Mn = 0.34 D As fpu"},
        {"square hollow", {8, 50.0, 20.0, 10.0, 1.5, 6.0, 250000.0, 0.18, 0, corners},
         "Dimensions and Properties of Square Prestressed Pile Section with Hollow Core:",
         {{"Pile Width", 20.0}, {"Corner Chamfer", 1.5}, {"", 0}, {"Inside Void Diameter", 10.0}},
         400 - 2 * 1.5 * 1.5 - void10 - Total_Strand_Area(corners, false), 0.38, "Mn = 0.38 D As fpu"},
        {"square hollow without chamfer", {8, 50.0, 20.0, 10.0, 0, 6.0, 250000.0, 0.18, 0, corners},
         "Dimensions and Properties of Square Prestressed Pile Section with Hollow Core:",
         {{"Pile Width", 20.0}, {"Corner Chamfer", 0.0}, {"", 0}, {"Inside Void Diameter", 10.0}},
         400 - void10 - Total_Strand_Area(corners, false), 0.38, "Mn = 0.38 D As fpu"},
        {"octagonal solid", {9, 30.0, 16.0, 0, 0, 7.0, 220000.0, 0.2, 0, mixed},
         "Dimensions and Properties of Octagonal Prestressed Pile:", {{"Pile Width", 16.0}},
         oct16 - Total_Strand_Area(mixed, false), 0.32, "Mn = 0.32 D As fpu"},
        {"octagonal hollow", {10, 45.0, 20.0, 8.0, 0, 6.0, 260000.0, 0.2, 0, six},
         "Dimensions and Properties of Octagonal Prestressed Pile Section with Hollow Core:",
         {{"Pile Width", 20.0}, {"Inside Void Diameter", 8.0}}, oct20 - void8 - Total_Strand_Area(six, false),
         0.34, "Mn = 0.34 D As fpu"},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        RunDir d;
        ASSERT_EQ(d.run(EI_Only_Input("USCS", Section_Input(c.pile, false), {0.0})), 0) << d.report();
        const std::string expected = Dimensions(c.pile, false, c.title, c.lines) + Strand_Blocks(c.pile, false) +
                                     Loss_Block(c.pile, false, c.Ac, c.C, c.label);
        EXPECT_EQ(Report_Part(d.report(), expected), expected);
    }
}

// The chamfered square solid pile has its own heading (no empty line before
// it) and its short lines end in the unit right-justified in four columns; the
// strands are placed on a square. Two thrusts set the section geometry up
// twice, but each section reports its loss of prestress once.
TEST(PrestressedBlocks, SquareSolidPileWithChamferReportsItsPrestressOnce) {
    Pile p{7, 30.0, 18.0, 0, 1.0, 6.0, 350000.0, 0.2, 3.0, {}, true};
    p.strands = Square_Of_Eight(18.0, 3.0, 3, false);
    const Pile octagon{9, 20.0, 16.0, 0, 0, 5.0, 150000.0, 0.25, 0, {{1, 0, 5}, {1, 5, 0}, {1, 0, -5}, {1, -5, 0}}};
    RunDir d;
    const std::string sections = "2\n" + Section_Record(p, false, 1) + Section_Record(octagon, false, 2);
    ASSERT_EQ(d.run(EI_Only_Input("USCS", sections, {0.0, 100000.0})), 0) << d.report();
    const double As = 8 * Strand_Area(3, false), Ac = 18.0 * 18.0 - 2 * 1.0 * 1.0 - As;
    const std::string expected =
        "Pile Section No. 1:\n\n" +
        Dimensions(p, false, "Dimensions of Square Prestressed Pile Section:",
                   {{"Pile Width", 18.0}, {"Corner Chamfer", 1.0}, {"", 0}}) +
        Strand_Blocks(p, false) + Loss_Block(p, false, Ac, 0.37, "Mn = 0.37 D As fpu");
    EXPECT_EQ(Report_Part(d.report(), expected), expected);
    const double Ac9 = 256 - 2 * std::pow(kOctagonCorner * 16, 2) - Total_Strand_Area(octagon.strands, false);
    const std::string second =
        "Pile Section No. 2:\n\n" +
        Dimensions(octagon, false, "Dimensions and Properties of Octagonal Prestressed Pile:", {{"Pile Width", 16.0}}) +
        Strand_Blocks(octagon, false) + Loss_Block(octagon, false, Ac9, 0.32, "Mn = 0.32 D As fpu");
    EXPECT_EQ(Report_Part(d.report(), second), second);
    EXPECT_EQ(Count(d.report(), "Computation of Loss of Prestress:"), 2u);
    EXPECT_EQ(Count(d.report(), "Estimated Structural Capacities Computed Using PCI Equations:"), 2u);
    EXPECT_EQ(Plot_Curves(d.plot(), 1).size(), 2u);  // both thrusts of each section
    EXPECT_EQ(Plot_Curves(d.plot(), 2).size(), 2u);
}

// SI units: fpu of a PCI 270 strand is 270 ksi in kPa, the strand area has 7
// decimals and the cover 5, the geometry 6, the areas of the loss block 6; the
// prestressing force is in newtons. A circular solid pile's PCI label loses its
// trailing blank; its listed strands have no cover.
TEST(PrestressedBlocks, SquareHollowAndCircularPilesInSIUnits) {
    Pile square{8, 12.0, 0.457, 0.254, 0.025, 41370.0, 1500000.0, 0.2, 0.075, {}, true};
    square.strands = Square_Of_Eight(square.D, square.cover, 3, true);
    Pile circle{5, 10.0, 0.61, 0, 0, 41370.0, 1200000.0, 0.25, 0,
                {{4, 0, 0.2}, {4, 0.2, 0}, {4, 0, -0.2}, {4, -0.2, 0}}};
    RunDir d;
    ASSERT_EQ(d.run(EI_Only_Input("SI", Section_Input(square, true), {0.0})), 0) << d.report();
    const double As = Total_Strand_Area(square.strands, true);
    const double Ac = square.D * square.D - 2 * square.chamfer * square.chamfer -
                      kPi / 4 * square.void_d * square.void_d - As;
    const std::string expected =
        Dimensions(square, true, "Dimensions and Properties of Square Prestressed Pile Section with Hollow Core:",
                   {{"Pile Width", square.D}, {"Corner Chamfer", square.chamfer}, {"", 0},
                    {"Inside Void Diameter", square.void_d}}) +
        Strand_Blocks(square, true) + Loss_Block(square, true, Ac, 0.38, "Mn = 0.38 D As fpu");
    EXPECT_EQ(Report_Part(d.report(), expected), expected);
    EXPECT_NE(d.report().find(Label("Yield Stress, fpu") + "  1861584. kPa\n"), std::string::npos);

    RunDir c;
    ASSERT_EQ(c.run(EI_Only_Input("SI", Section_Input(circle, true), {0.0})), 0) << c.report();
    const double Ac5 = kPi / 4 * circle.D * circle.D - Total_Strand_Area(circle.strands, true);
    const std::string whole =
        Dimensions(circle, true, "Dimensions and Properties of Circular Prestressed Pile:",
                   {{"Diameter", circle.D}, {"", 0}}) +
        Strand_Blocks(circle, true) + Loss_Block(circle, true, Ac5, 0.32, "Mn = 0.32 D As fpu");
    EXPECT_EQ(Report_Part(c.report(), whole), whole);
}

// The strand type names the strands and their strength; only the three PCI
// strand types describe their stress-strain equation.
TEST(PrestressedBlocks, StrandDetailsOfEachStrandType) {
    struct TypeCase {
        int type, size;
        const char* name;
        const char* fpu;
        const char* curve;
    };
    const TypeCase cases[] = {
        {0, 5, "=    PCI 250", "      250.",
         "Stress-Strain Curve for Reinforcement Defined Using PCI 250 Lo-lax Equation\n"
         "If eps > 0.008, fps = 248 - 0.058/(eps-0.006) < 0.98 fpu (ksi)\n"},
        {2, 2, "=    PCI 300", "      300.",
         "Stress-Strain Curve for Reinforcement Defined Using Grade 300 Equation\n"
         "If eps > 0.0088846 fpu = 300.0-(0.0835/(eps-0.0071))) < 300 (ksi)\n"},
        {3, 2, "= Smooth 145 ksi bars", "      145.", ""},
        {4, 2, "= Smooth 160 ksi bars", "      160.", ""},
        {5, 2, "= Deformed bars (150-160 ksi)", "      160.", ""},
    };
    for (const TypeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Pile p{9, 30.0, 16.0, 0, 0, 6.0, 200000.0, 0.2, 0, {}};
        p.strand_type = c.type;
        p.strands = {{c.size, 0, 5}, {c.size, 5, 0}, {c.size, 0, -5}, {c.size, -5, 0}};
        RunDir d;
        ASSERT_EQ(d.run(EI_Only_Input("USCS", Section_Input(p, false), {0.0})), 0) << d.report();
        const std::string expected = "\nPrestressing Strand Details:\n----------------------------\n\n" +
                                     std::string(55, ' ').replace(0, 11, "Strand Type") + c.name + "\n" +
                                     Label("Yield Stress, fpu") + c.fpu + " ksi\n" + c.curve +
                                     Label("Number of Reinforcing Strands") + "         4\n";
        EXPECT_EQ(Report_Part(d.report(), expected), expected);
    }
}

}  // namespace
}  // namespace tarvex_test
