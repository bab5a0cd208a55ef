// The "Dimensions and Properties" blocks of the rectangular pile, drilled shaft,
// cased shafts and steel pipe, with their axial and tensile capacities and bar
// tables, compared whole against text built from the line forms and from the
// closed forms of the section properties: areas and inertias of rings, the
// 0.85 f'c squash load of ACI 318, Ec = 57000 sqrt(f'c) and fr = 7.5 sqrt(f'c) psi.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "engine/store.h"
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
constexpr double kShare = static_cast<double>(0.85f);   // 0.85 f'c, single precision
constexpr double kPercent = static_cast<double>(0.01f);  // 0.01 of the rectangular pile's area ratio
constexpr double kZeroCoordinate = 9.999899702961557E-06;

// ---- Line forms -----------------------------------------------------------

std::string Pad8(const std::string& s) { return s + std::string(8 - s.size(), ' '); }
std::string Count(const std::string& label, int n) { return Label(label) + Edit_I(n, 15) + " bars\n"; }
std::string Percent(const std::string& label, double v) { return Label(label) + Edit_F(v, 15, 2) + " percent\n"; }
std::string Force(const std::string& label, double v, const std::string& unit) {
    return Label(label) + Edit_F(v, 15, 3) + unit + "\n";
}
std::string Heading(const std::string& title) { return "\n" + title + "\n" + std::string(title.size(), '-') + "\n\n"; }

// Unit texts of the section report, 8 characters each.
struct Units {
    bool us;
    std::string L, S, F, A, I, K;
    double length, area;  // the reader's conversions of the file's lengths and areas
};
const Units kUS{true, Pad8(" in"), Pad8(" ksi"), Pad8(" kips"), Pad8(" sq. in."), Pad8(" in^4"), Pad8(" lb-in^2"), 1.0, 1.0};
const Units kSI{false, Pad8(" m"), Pad8(" kPa"), Pad8(" kN"), Pad8(" sq. m"), Pad8(" m^4"), Pad8(" kN-m^2"), 1.0 / 1000,
                1.0 / 1000000};

// ---- Section properties in the section units ------------------------------

double Circle(double d) { return kPi / 4 * d * d; }
double Ring(double d, double t) { return kPi / 4 * (d * d - (d - 2 * t) * (d - 2 * t)); }
double Ring_I(double d, double t) { return kPi / 64 * (std::pow(d, 4) - std::pow(d - 2 * t, 4)); }

// Concrete of f'c (ksi or kPa): Ec, the strain at fracture and the modulus of rupture of the block.
struct Concrete {
    double Ec, epst, fr_block;
};
Concrete Concrete_Of(double fc, bool us) {
    const double s = us ? std::sqrt(1000 * fc) : std::sqrt(0.14503774046897888 * fc);
    const double fr = us ? -0.0075 * s : -51.71067953109741 * s;
    const double Ec = us ? 57 * s : 393001.16443634033 * s;
    const double eps0 = 1.7 * fc / Ec;
    const double fr_block = us ? -0.0075 * std::sqrt(1000 * fc) : -51.71067877581686 * std::sqrt(1000 * fc / 6894.75732421875);
    return {Ec, -(1 - std::sqrt(fr / fc + 1)) * eps0, fr_block};
}

struct Bar {
    double x, y, d, a;
};

// Bars in bundles of nb around the circle of diameter Dp, counter-clockwise from the x axis.
std::vector<Bar> Bars_On_Circle(double Dp, double cover, double d, double a, int n, int nb, double offset) {
    const double R = (Dp - d) * 0.5 - cover, r = d / R, R3 = R - d * 0.8660254037844386, w = 2 * kPi / n;
    std::vector<Bar> bars;
    auto put = [&](double angle, double radius) {
        bars.push_back({radius * std::cos(angle), radius * std::sin(angle) + offset, d, a});
    };
    for (int i = 1; i <= n; ++i) {
        const double ai = (i - 1) * w;
        if (n == 1 && nb <= 2) {  // one bar at the centre, or a pair side by side across it
            if (nb == 1) put(0, 0);
            if (nb == 2) bars.push_back({-d / 2, offset, d, a}), bars.push_back({d / 2, offset, d, a});
            break;
        }
        if (nb == 1) put(ai, R);
        if (nb >= 2) put(ai - r / 2, R), put(ai + r / 2, R);
        if (nb == 3) put(ai, R3);
    }
    return bars;
}

// Edge-to-edge gap between the facing bars of the first two bundles (single bars: the first two).
double Bar_Spacing(double Dp, double cover, double d, int n, int nb) {
    const double R = (Dp - d) * 0.5 - cover, w = 2 * kPi / n, gap = nb == 1 ? w : w - d / R;
    return 2 * R * std::sin(gap / 2) - d;
}

double Sum_Areas(const std::vector<Bar>& bars) {
    double As = 0;
    for (const Bar& b : bars) As += b.a;
    return As;
}

// ---- Blocks after the dimensions ------------------------------------------

struct Capacities {
    double Pn, Nt, Pcr, As;
};

std::string Capacity_Lines(const Capacities& c, const Units& u, bool pipe) {
    std::string s = "\nAxial Structural Capacities:\n----------------------------\n\n" +
                    Force(pipe ? "Nom. Axial Structural Capacity = Fy As"
                               : "Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As",
                          c.Pn, u.F);
    if (!pipe) s += Force("Tensile Load for Cracking of Concrete", c.Pcr, u.F);
    return s + Force("Nominal Axial Tensile Capacity  ", c.Nt, u.F) + "\n\n";
}

std::string Coordinate(double v) { return std::fabs(v) > kZeroCoordinate ? Real_Field(v, 12) : "     0.00000"; }

std::string Bar_Table(const std::vector<Bar>& bars, const Units& u) {
    if (bars.empty()) return "";
    std::string s = "Reinforcing Bar Dimensions and Positions Used in Computations:\n\n"
                    "     Bar          Bar Diam.      Bar Area          X              Y     \n";
    s += u.us ? "    Number         inches         sq. in.        inches         inches  \n"
              : "    Number         meters         sq. m.         meters         meters  \n";
    s += "  ----------     ----------     ----------     ----------     ----------\n";
    for (size_t k = 0; k < bars.size(); ++k) {
        const Bar& b = bars[k];
        s += Edit_I(int(k + 1), 7) + std::string(8, ' ') + Real_Field(b.d, 12) + "   " + Real_Field(b.a, 12) + "   " +
             Coordinate(b.x) + "   " + Coordinate(b.y) + "\n";
    }
    return s + "\n\n";
}

// ---- Cases: the section lines of the input and the text they must give ------

struct Case {
    std::string name;
    const Units* units;
    std::string sections;  // the lines of the SECTIONS part
    std::string title;     // title of the block under test
    std::string expected;  // from the blank line before the title to the end of the section's report
    std::string next;      // what the moment-curvature report writes next
    Capacities cap;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

std::string N(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

const char* kConcreteLines = "Use default concrete tensile strength\nUse internal stress-strain curve for concrete\n";
const char* kConcreteNext = "\nConcrete Properties:\n";

// A 24 in x 12 in pile with four listed bars of 1.0 in2, f'c 4000 psi, fy 60000 psi; or in SI
// units 600 mm x 300 mm with four bars of 510 mm2, f'c 28 MPa, fy 420 MPa.
Case Rectangular_Pile(const Units& u) {
    const double D = u.us ? 24 : 600 * u.length, W = u.us ? 12 : 300 * u.length, length = u.us ? 30 : 9;
    const double fc = u.us ? 4 : 28000, fy = u.us ? 60 : 420000, Es = u.us ? 29000 : 200000000;
    const double x = u.us ? 4 : 100, y = u.us ? 9 : 225, d = u.us ? 1.128 : 25.4, a = u.us ? 1.0 : 510;  // file units
    std::vector<Bar> bars;
    Case c{u.us ? "RectangularPile" : "SIRectangularPile", &u,
           std::string("1\n1\n0\n") + (u.us ? "30.0\n24.0\n12.0\n4000.0\n0.75\n" : "9.0\n600.0\n300.0\n28000.0\n19.0\n") +
               kConcreteLines + "Rebar Arrangement Not Same As Section Above\nRebar in noncircular pattern\n" +
               (u.us ? "60000.0\n29000000.0\n" : "420000.0\n200000000.0\n") + "4\n",
           "Dimensions and Properties of Rectangular Concrete Pile:", "", kConcreteNext, {}};
    for (int k = 1; k <= 4; ++k) {
        const double bx = k % 2 ? -x : x, by = k <= 2 ? y : -y;
        c.sections += std::to_string(k) + " 9 " + N(d) + " " + N(a) + " " + N(bx) + " " + N(by) + "\n";
        bars.push_back({bx * u.length, by * u.length, d * u.length, a * u.area});
    }
    const Concrete con = Concrete_Of(fc, u.us);
    const double Ag = D * W, As = Sum_Areas(bars), Ac = Ag - As;
    c.cap = {kShare * fc * Ac + fy * As, -fy * As, (Es * As + con.Ec * Ac) * con.epst, As};
    c.expected = Heading(c.title) + Value("Length of Section", length, Pad8(u.us ? " ft" : " m")) +
                 Value("Depth of Section", D, u.L) + Value("Width of Section", W, u.L) +
                 Count("Number of Reinforcing Bars", 4) + Value("Yield Stress of Reinforcing Bars", fy, u.S) +
                 Value("Modulus of Elasticity of Reinforcing Bars", Es, u.S) +
                 Value("Compressive Strength of Concrete", fc, u.S) +
                 Value("Modulus of Rupture of Concrete", con.fr_block, u.S) + Value("Gross Area of Pile", Ag, u.A) +
                 Value("Total Area of Reinforcing Steel", As, u.A) +
                 Value("Area Ratio of Steel Reinforcement", As / (kPercent * Ag), " percent") +
                 Capacity_Lines(c.cap, u, false);
    c.expected += "Reinforcing Bar Details:\n\n"
                  "   Bar              Bar           Bar Diam.        Bar Area          Bar X            Bar Y\n"
                  "  Number           Index     ";
    for (const std::string* t : {&u.L, &u.A, &u.L, &u.L}) c.expected += std::string(8, ' ') + " " + *t;
    c.expected += "\n----------     ------------     ------------     ------------     ------------     ------------\n";
    for (size_t k = 0; k < bars.size(); ++k) {
        c.expected += Edit_I(int(k + 1), 5) + Edit_I(9, 17) + std::string(5, ' ');
        for (double v : {bars[k].d, bars[k].a, bars[k].x, bars[k].y}) c.expected += std::string(5, ' ') + Edit_F(v, 12, 6);
        c.expected += "\n";
    }
    return c;
}

// A drilled shaft of diameter D with the given bars; no spacing line unless spacing is given.
struct Shaft {
    const Units* units;
    double length, D, cover, fc, fy, Es, offset;
    std::vector<Bar> bars;
    std::optional<double> spacing;
};

Case Drilled_Shaft(const std::string& name, const Shaft& sh, const std::string& sections) {
    const Units& u = *sh.units;
    Case c{name, &u, sections, "Dimensions and Properties of Drilled Shaft:", "", kConcreteNext, {}};
    const Concrete con = Concrete_Of(sh.fc, u.us);
    const double Ag = Circle(sh.D), As = Sum_Areas(sh.bars), Ac = Ag - As;
    c.cap = {kShare * sh.fc * Ac + sh.fy * As, -sh.fy * As, (sh.Es * As + con.Ec * Ac) * con.epst, As};
    c.expected = Heading(c.title) + Value("Length of Section", sh.length, Pad8(u.us ? " ft" : " m")) +
                 Value("Shaft Diameter ", sh.D, u.L) + Value("Concrete Cover Thickness", sh.cover, u.L) +
                 Count("Number of Reinforcing Bars", int(sh.bars.size())) +
                 Value("Yield Stress of Reinforcing Bars", sh.fy, u.S) +
                 Value("Modulus of Elasticity of Reinforcing Bars", sh.Es, u.S) + Value("Gross Area of Shaft", Ag, u.A) +
                 Value("Total Area of Reinforcing Steel", As, u.A) +
                 Percent("Area Ratio of Steel Reinforcement ", 100 * As / Ag) +
                 (sh.spacing ? Value("Edge-to-Edge Bar Spacing", *sh.spacing, u.L) : "") +
                 Value("Rebar Offset", sh.offset, u.L) + Capacity_Lines(c.cap, u, false) + Bar_Table(sh.bars, u);
    return c;
}

const std::string kShaftConcrete = "4000.0\n0.75\n" + std::string(kConcreteLines) +
                                   "Rebar Arrangement Not Same As Section Above\n";

// In SI units: eight bundles of two 25.4 mm bars, the cage offset 0.005 mm beyond the half gap
// of a bundle, so that the first bars of the first and fifth bundles lie 5E-6 m above the x axis.
Case SI_Drilled_Shaft() {
    const Units& u = kSI;
    const double D = 900 * u.length, d = 25.4 * u.length, a = 510 * u.area, cover = 75 * u.length;
    const double R = (D - d) * 0.5 - cover;
    char offset_mm[32];
    std::snprintf(offset_mm, sizeof offset_mm, "%.4f", 1000 * R * std::sin(d / R / 2) + 0.005);
    const double offset = std::atof(offset_mm) * u.length;
    return Drilled_Shaft("SIShaftInBundlesOfTwo",
                         {&u, 12, D, cover, 28000, 420000, 200000000, offset,
                          Bars_On_Circle(D, cover, d, a, 8, 2, offset), Bar_Spacing(D, cover, d, 8, 2)},
                         "1\n1\n1\n12.0\n900.0\n28000.0\n19.0\n" + std::string(kConcreteLines) +
                             "Rebar Arrangement Not Same As Section Above\nRebar in circle\n420000.0\n200000000.0\n8\n"
                             "2\n25.4\n510.0\n75.0\n" + offset_mm + "\n");
}

// One bundle of two bars at the centre: there is no second bundle to measure a spacing to.
Case One_Bundle_Shaft() {
    return Drilled_Shaft("ShaftWithOneBundle",
                         {&kUS, 20, 24, 3, 4, 60, 29000, 0, Bars_On_Circle(24, 3, 1.0, 0.79, 1, 2, 0), {}},
                         "1\n1\n1\n20.0\n24.0\n" + kShaftConcrete +
                             "Rebar in circle\n60000.0\n29000000.0\n1\n2\n1.0\n0.79\n3.0\n0.0\n");
}

// Bars listed one by one keep their positions; their spacing is not one figure.
Case Listed_Bar_Shaft() {
    const std::vector<Bar> bars{{0, 10, 1.27, 1.27}, {-10, 0, 1.27, 1.27}, {0, -10, 1.27, 1.27}, {10, 0, 1.0, 0.79}};
    std::string lines = "1\n1\n1\n20.0\n30.0\n" + kShaftConcrete + "Rebar in noncircular pattern\n60000.0\n29000000.0\n4\n";
    for (size_t k = 0; k < bars.size(); ++k)
        lines += std::to_string(k + 1) + " 10 " + N(bars[k].d) + " " + N(bars[k].a) + " " + N(bars[k].x) + " " +
                 N(bars[k].y) + "\n";
    return Drilled_Shaft("ShaftWithListedBars", {&kUS, 20, 30, 0, 4, 60, 29000, 0, bars, {}}, lines);
}

// A 36 in shaft with a 0.5 in permanent casing, twelve single bars of 1.0 in2 inside it.
Case Cased_Shaft() {
    const Units& u = kUS;
    const double D = 36, tc = 0.5, Fyc = 36, Ec_s = 29000, fc = 4, fy = 60, Es = 29000, d = 1.128, a = 1.0, cover = 3;
    const double Dp = D - 2 * tc;
    const std::vector<Bar> bars = Bars_On_Circle(Dp, cover, d, a, 12, 1, 0.0);
    Case c{"CasedShaft", &u,
           "1\n1\n2\n40.0\n36.0\n0.5\n36000.0\n29000000.0\n4000.0\n0.75\n" + std::string(kConcreteLines) +
               "Rebar Arrangement Not Same As Section Above\nRebar in circle\n60000.0\n29000000.0\n12\n1\n1.128\n1.0\n"
               "3.0\n0.0\n",
           "Dimensions and Properties of Drilled Shaft with Permanent Casing:", "", kConcreteNext, {}};
    const Concrete con = Concrete_Of(fc, true);
    const double As = Sum_Areas(bars), Acs = Ring(D, tc), Ai = Circle(Dp), Acon = Circle(D) - Acs - As;
    c.cap = {Fyc * (Circle(D) - Ai) + kShare * fc * (Ai - As) + fy * As, -(Fyc * Acs + fy * As),
             ((Acs + As) * Es + con.Ec * Acon) * con.epst, As};
    c.expected = Heading(c.title) + Value("Length of Section", 40, Pad8(" ft")) +
                 Value("Outer Diameter of Casing", D, u.L) + Value("Concrete Cover Thickness Inside Casing", cover, u.L) +
                 Value("Casing Wall Thickness", tc, u.L) + Value("Moment of Inertia of Steel Casing", Ring_I(D, tc), u.I) +
                 Value("Yield Stress of Casing", Fyc, u.S) + Value("Elastic Modulus of Casing", Ec_s, u.S) +
                 Count("Number of Reinforcing Bars", 12) + Value("Area of Single Reinforcing Bar", a, u.A) +
                 Value("Edge-to-Edge Bar Spacing", Bar_Spacing(Dp, cover, d, 12, 1), u.L) +
                 Value("Rebar Offset", 0, u.L) + Value("Yield Stress of Reinforcing Bars", fy, u.S) +
                 Value("Elastic Modulus of Reinforcing Bars", Es, u.S) + Value("Area of Concrete", Acon, u.A) +
                 Value("Cross-sectional Area of Steel Casing", Acs, u.A) +
                 Value("Area of All Steel (Casing and Bars)", Acs + As, u.A) +
                 Percent("Area Ratio of All Steel", 100 * (Acs + As) / Acon) + Capacity_Lines(c.cap, u, false) +
                 Bar_Table(bars, u);
    return c;
}

// A 36 in cased shaft around a 12 in steel core (yield 50 ksi), filled or hollow; bars in six
// bundles of three, or none.
Case Cored_Shaft(bool filled, bool with_bars) {
    const Units& u = kUS;
    const double D = 36, tc = 0.5, Fyc = 36, Es_c = 29000, Dc = 12, tk = 0.5, Fyk = 50;
    const double fc = 4, fy = 60, Es = 29000, d = 1.128, a = 1.0, cover = 3, offset = 1.5;
    const double Dp = D - 2 * tc;
    const std::vector<Bar> bars = with_bars ? Bars_On_Circle(Dp, cover, d, a, 6, 3, offset) : std::vector<Bar>{};
    const std::string bar_lines = with_bars ? "Rebar Arrangement Not Same As Section Above\nRebar in circle\n60000.0\n"
                                              "29000000.0\n6\n3\n1.128\n1.0\n3.0\n1.5\n"
                                            : "No rebar\n";
    Case c{std::string(filled ? "Filled" : "Hollow") + "CoreShaft" + (with_bars ? "" : "WithoutBars"), &u,
           std::string("1\n1\n") + (filled ? "3" : "-3") +
               "\n40.0\n36.0\n0.5\n36000.0\n29000000.0\n12.0\n0.5\n50000.0\n29000000.0\n4000.0\n0.75\n" +
               kConcreteLines + bar_lines,
           filled ? "Dimensions and Properties of Drilled Shaft with Casing and Filled Core:"
                  : "Dimensions and Properties of Drilled Shaft with Casing and Hollow Core:",
           "", kConcreteNext, {}};
    const Concrete con = Concrete_Of(fc, true);
    const double As = Sum_Areas(bars), Acs = Ring(D, tc), Acore = Ring(Dc, tk), Ai = Circle(Dp);
    const double Acon = filled ? Circle(D) - Acs - Acore - As : Circle(D) - Circle(Dc) - Acs - As;
    const double Ac = filled ? Ai - Acore - As : Ai - Circle(Dc) - As;
    const double Ac_crack = filled ? Circle(D) - Acs - Acore - As : kPi / 4 * (D * D - Dc * Dc) - Acs - As;
    const double Es_steel = with_bars ? Es : Es_c;  // without bars the casing's modulus stands for the steel
    c.cap = {Fyc * (Circle(D) - Ai) + Fyk * Acore + fy * As + kShare * fc * Ac, -(Fyc * Acs + Fyk * Acore + fy * As),
             ((Acs + Acore + As) * Es_steel + con.Ec * Ac_crack) * con.epst, As};
    c.expected = Heading(c.title) + Value("Length of Section", 40, Pad8(" ft")) +
                 Value("Outside Diameter of Casing", D, u.L) +
                 Value("Concrete Cover Thickness Inside Casing", with_bars ? cover : 0, u.L) +
                 Value("Casing Wall Thickness", tc, u.L) + Value("Moment of Inertia of Steel Casing", Ring_I(D, tc), u.I) +
                 Value("Outside Diameter of Core", Dc, u.L) + Value("Core Wall Thickness", tk, u.L) +
                 Value("Moment of Inertia of Steel Core", Ring_I(Dc, tk), u.I) +
                 Value("Yield Stress of Casing and Core", Fyc, u.S) + Value("Elastic Modulus of Casing and Core", Es_c, u.S) +
                 Count("Number of Reinforcing Bars", int(bars.size()));
    if (with_bars)
        c.expected += Value("Area of Single Reinforcing Bar", a, u.A) + Value("Area of All Reinforcing Bars", As, u.A) +
                      Value("Edge-to-Edge Bar Spacing", Bar_Spacing(Dp, cover, d, 6, 3), u.L) +
                      Value("Rebar Offset", offset, u.L) + Value("Yield Stress of Reinforcing Bars", fy, u.S) +
                      Value("Elastic Modulus of Reinforcing Bars", Es, u.S);
    c.expected += Value("Area of Concrete", Acon, u.A) + Value("Cross-sectional Area of Steel Casing", Acs, u.A) +
                  Value("Cross-sectional Area of Steel Core", Acore, u.A) +
                  Value("Area of All Steel (Casing, Core, and Bars)", Acs + Acore + As, u.A) +
                  Percent("Area Ratio of All Steel", 100 * (Acs + Acore + As) / Acon) + "\n" +
                  (filled ? "Note that the core is assumed to be filled with concrete\n"
                          : "Note that the core is assumed to be void of concrete\n") +
                  Capacity_Lines(c.cap, u, false) + Bar_Table(bars, u);
    return c;
}

// A steel pipe: 12 in with a 0.5 in wall (Fy 36 ksi) below a rectangular concrete section, so
// that its zero cracking load is its own and not the concrete section's; or 610 mm with a 12.7 mm
// wall (Fy 248 MPa) in SI units, whose stiffness needs no conversion to its unit text.
Case Steel_Pipe(const Units& u) {
    const double D = u.us ? 12 : 610 * u.length, t = u.us ? 0.5 : 12.7 * u.length, Fy = u.us ? 36 : 248000,
                 E = u.us ? 29000 : 200000000, length = u.us ? 30 : 15;
    const double A = Ring(D, t), I = Ring_I(D, t), Z = std::pow(D, 3) / 6 - std::pow(D - 2 * t, 3) / 6;
    Case c{u.us ? "SteelPipeBelowConcrete" : "SISteelPipe", &u, "", "Dimensions and Properties of Steel Pipe Pile:", "",
           "\n\nInput Axial Thrust Forces:\n", {Fy * A, -Fy * A, 0, 0}};
    c.sections = u.us ? "2\n" + Rectangular_Pile(kUS).sections.substr(2) + "2\n4\n30.0\n12.0\n0.5\n36000.0\n29000000.0\n"
                      : "1\n1\n4\n15.0\n610.0\n12.7\n248000.0\n200000000.0\n";
    c.expected = Heading(c.title) + Value("Length of Section", length, Pad8(u.us ? " ft" : " m")) +
                 Value("Outer Diameter of Pipe", D, u.L) + Value("Pipe Wall Thickness", t, u.L) +
                 Value("Yield Stress of Pipe", Fy, u.S) + Value("Elastic Modulus", E, u.S) +
                 Value("Cross-sectional Area", A, u.A) + Value("Moment of Inertia", I, u.I) +
                 Value("Elastic Bending Stiffness", E * I, u.us ? " kip-in2" : u.K) +  // ksi x in^4, kPa x m^4
                 Value("Plastic Modulus, Z", Z, u.us ? " in^3" : " m^3") +
                 Value("Plastic Moment Capacity = Fy Z", Fy * Z, u.us ? " in-kip" : " kN-m") +
                 Capacity_Lines(c.cap, u, true);
    return c;
}

// ---- The runs ---------------------------------------------------------------

struct Outcome {
    int rc = -1;
    std::string report;
    Capacities cap{};
};

Outcome Run_Case(const Case& c) {
    RunDir dir;
    Outcome o;
    o.rc = dir.run(EI_Only_Input(c.units->us ? "USCS" : "SI", c.sections, {0.0}));
    o.report = dir.report();
    const auto& w = tarvex::g.sec;
    o.cap = {w.rd_SectionPn, w.rd_SectionNt, w.rd_CrackingLoad, w.rd_TotalBarArea};
    return o;
}

// The report from the blank line before the block's title, as long as the expected text.
std::string Block(const std::string& report, const std::string& title, size_t length) {
    const size_t at = report.find("\n\n" + title + "\n");
    return at == std::string::npos ? std::string() : report.substr(at + 1, length);
}

class SectionBlock : public ::testing::TestWithParam<Case> {};

TEST_P(SectionBlock, DimensionsCapacitiesAndBars) {
    const Case& c = GetParam();
    const Outcome o = Run_Case(c);
    ASSERT_EQ(o.rc, 0) << o.report;
    EXPECT_EQ(Block(o.report, c.title, c.expected.size()), c.expected);
    EXPECT_EQ(Block(o.report, c.title, c.expected.size() + c.next.size()).substr(c.expected.size()), c.next);
    const double tol = 1e-12;
    EXPECT_NEAR(o.cap.Pn, c.cap.Pn, tol * std::fabs(c.cap.Pn));
    EXPECT_NEAR(o.cap.Nt, c.cap.Nt, tol * std::fabs(c.cap.Nt));
    EXPECT_NEAR(o.cap.Pcr, c.cap.Pcr, tol * std::fabs(c.cap.Pcr));
    EXPECT_NEAR(o.cap.As, c.cap.As, tol * std::fabs(c.cap.As));
}

INSTANTIATE_TEST_SUITE_P(TypesZeroToFour, SectionBlock,
                         ::testing::Values(Rectangular_Pile(kUS), Rectangular_Pile(kSI), SI_Drilled_Shaft(),
                                           One_Bundle_Shaft(), Listed_Bar_Shaft(), Cased_Shaft(), Cored_Shaft(true, true),
                                           Cored_Shaft(false, true), Cored_Shaft(false, false), Steel_Pipe(kUS),
                                           Steel_Pipe(kSI)),
                         [](const auto& info) { return info.param.name; });

// The figures the closed forms give for the worked sections, as they stand in the report.
TEST(SectionBlockFigures, WorkedValues) {
    const std::string rect = Run_Case(Rectangular_Pile(kUS)).report;
    EXPECT_NE(rect.find(Label("Gross Area of Pile") + "   288.00000000 sq. in.\n"), std::string::npos);
    EXPECT_NE(rect.find(Label("Area Ratio of Steel Reinforcement") + "     1.38888892 percent\n"), std::string::npos);
    EXPECT_NE(rect.find(Label("Nom. Axial Structural Capacity = 0.85 Fc Ac + Fy As") + "       1205.600 kips   \n"),
              std::string::npos);
    const std::string pipe = Run_Case(Steel_Pipe(kUS)).report;
    EXPECT_NE(pipe.find(Label("Plastic Modulus, Z") + "    66.16666667 in^3\n"), std::string::npos);
    const std::string shaft = Run_Case(SI_Drilled_Shaft()).report;
    EXPECT_NE(shaft.find("     0.00000\n"), std::string::npos);
}

}  // namespace
}  // namespace tarvex_test
