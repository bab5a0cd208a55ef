// Soil layer echo: every layer in words with its model and input properties,
// the notes on internal defaults, the warnings on deep liquefied sand and on
// questionable unit weights, the rock types of massive rock, the user p-y
// curves, and the summary table of soil properties. Values in input units.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/store.h"
#include "input/echo_blocks.h"
#include "input/echo_lines.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

constexpr int kLayerWidth = 12;     // real values of the layer descriptions
constexpr int kSummaryWidth = 10;   // real values of the summary table
constexpr double kZero = 1.0E-10;   // a property of at most this magnitude counts as not given
constexpr double kLiqSandDepthUS = 19.685039520263672;  // 6 m in feet, single precision
constexpr double kLiqSandDepthSI = 6.0;
constexpr double kMinGammaUS = 20, kMaxGammaUS = 140;                 // pcf
constexpr double kMinGammaSI = 3.1500000953674316, kMaxGammaSI = 22;  // kN/m3, 3.15 in single precision
constexpr int kLiqSandDepthWarning = -354;
constexpr int kFirstUserRockType = 43, kLastUserRockType = 71, kUserRockMiOffset = 39;

constexpr const char* kNotApplicable = "    --    ";
constexpr const char* kDefault = "  default ";

bool Zero(double x) { return std::fabs(x) <= kZero; }
std::string With_Blank(std::string_view unit) { return " " + std::string(unit); }

// A top and a bottom line of a layer property: "   <name> at top of layer", "= " at
// column 56, the value in 12 characters and the unit (which brings its own blank).
void Property(std::string_view name, double top, double bottom, const std::string& unit) {
    for (int end = 0; end < 2; ++end) {
        Echo_Label("   " + std::string(name) + (end == 0 ? " at top of layer" : " at bottom of layer"));
        Write_Real_Field(end == 0 ? top : bottom, kLayerWidth);
        Report_Line(unit);
    }
}

void Note(std::string_view first) {
    Report_Line(first);
    Report_Line("         the above soil layer.");
    Report_Blank_Lines(1);
}

struct Rock {
    const char* kind;
    const char* name;
    int mi;  // Hoek-Brown material constant
};
constexpr Rock kRocks[] = {
    {"sedimentary", "anhydrite", 12}, {"sedimentary", "breccias", 20}, {"sedimentary", "chalk", 7},
    {"sedimentary", "claystones", 4}, {"sedimentary", "conglomerates", 21}, {"sedimentary", "dolomites", 9},
    {"sedimentary", "greywackes", 18}, {"sedimentary", "gypsum", 10}, {"sedimentary", "marls", 7},
    {"sedimentary", "sandstones", 17}, {"sedimentary", "siltstones", 7}, {"sedimentary", "shales", 6},
    {"sedimentary", "crystalline limestones", 12}, {"sedimentary", "micritic limestones", 8},
    {"sedimentary", "sparitic limestones", 10},
    {"metamorphic", "amphibolites", 26}, {"metamorphic", "gneiss", 28}, {"metamorphic", "hornfels", 19},
    {"metamorphic", "marble", 9}, {"metamorphic", "metasandstone", 19}, {"metamorphic", "migmatite", 29},
    {"metamorphic", "phyllites", 7}, {"metamorphic", "quartzites", 20}, {"metamorphic", "schists", 10},
    {"metamorphic", "slates", 7},
    {"igneous", "agglomerate", 19}, {"igneous", "andesite", 25}, {"igneous", "basalt", 25}, {"igneous", "breccia", 19},
    {"igneous", "dacite", 25}, {"igneous", "diabase", 15}, {"igneous", "diorite", 25}, {"igneous", "dolerite", 16},
    {"igneous", "gabbro", 27}, {"igneous", "granite", 32}, {"igneous", "granodiorite", 29},
    {"igneous", "norite", 20}, {"igneous", "obsidian", 19}, {"igneous", "perioditite", 25},
    {"igneous", "porphyries", 20}, {"igneous", "rhyolite", 25}, {"igneous", "tuff", 13},
};
constexpr int kNumNamedRocks = int(sizeof(kRocks) / sizeof(kRocks[0]));

// The Hoek-Brown rock type of a massive-rock layer; unknown codes write nothing.
void Rock_Type_Line(int c) {
    if (c >= 1 && c <= kNumNamedRocks) {
        const Rock& r = kRocks[c - 1];
        Report_Line(std::string(" The rock type is (") + r.kind + ") " + r.name +
                    ", Hoek-Brown Material Constant mi = " + Int_Text(r.mi));
    } else if (c >= kFirstUserRockType && c <= kLastUserRockType) {
        Report_Line(" The rock type is (unclassified) User-defined Hoek-Brown Material Constant mi = " +
                    Int_Text(c - kUserRockMiOffset));
    }
}

std::string Piedmont_Unit() { return With_Blank(Unit_Stress()); }

void Piedmont_Lines(int top, int bottom) {
    const ProblemData& pd = g.pd;
    switch (pd.i_ProfileTestType(top)) {
        case 1:
            Report_Line("   The type of field test is the Standard Penetration Test (SPT)");
            Property("SPT N60", pd.rd_ProfileN60(top), pd.rd_ProfileN60(bottom),
                     pd.IUNITS == kUnitsUS ? " blows/ft" : " blows/0.3 m");
            break;
        case 2:
            Report_Line("   The type of field test is the Cone Penetration Test (CPT)");
            Property("Cone tip resistance", pd.rd_ProfileQc(top), pd.rd_ProfileQc(bottom), Piedmont_Unit());
            break;
        case 3:
            Report_Line("   The type of field test is the Dilatometer Test (DMT)");
            Property("Dilatometer modulus", pd.rd_ProfileEdmt(top), pd.rd_ProfileEdmt(bottom), Piedmont_Unit());
            break;
        case 4:
            Report_Line("   The type of field test is the Pressuremeter Test (DMT)");
            Property("Pressuremeter modulus", pd.rd_ProfileEpmt(top), pd.rd_ProfileEpmt(bottom), Piedmont_Unit());
            break;
        default: break;
    }
}

// The user p-y curve at profile point j. Rows: the point in 5 characters, 10
// blanks, y in 12 characters, 10 blanks, p in 12 characters.
void User_PY_Curve(int k, int j, bool top) {
    const ProblemData& pd = g.pd;
    Report_Blank_Lines(top ? 2 : 1);
    Report_Line((top ? "User-input p-y curve at top of layer " + Int_Text(k) + ",    Depth = "
                     : "User-input p-y curve at bottom of layer " + Int_Text(k) + ", Depth = ") +
                Edit_F(pd.rd_UserPyDepth(j), 10, 3) + " " + std::string(g.units.DepthLabel.view()));
    Report_Blank_Lines(1);
    Report_Line("Point                y                     p     ");
    std::string units = " No.";
    units.resize(21, ' ');
    units += Unit_Length();
    units.resize(41, ' ');
    Report_Line(units + Unit_Force() + "/" + Unit_Length());
    Report_Line("-----          ------------          ------------");
    for (int m = 1; m <= pd.i_UserPyNumPts(j) && m <= kMaxUserPyPairs; ++m)
        Report_Line(Edit_I(m, 5) + std::string(10, ' ') + Real_Field(pd.rd_UserPyY(j, m), 12) + std::string(10, ' ') +
                    Real_Field(pd.rd_UserPyP(j, m), 12));
}

void Liquefied_Sand_Warning(int k) {
    const ProblemData& pd = g.pd;
    const double d = pd.XLayerBottom(k) - pd.XGround;
    if (pd.IUNITS == kUnitsUS && d > kLiqSandDepthUS) {
        Report_Line("   Warning : The depth of this layer is deeper than the recommended depth limit ");
        Report_Line("             for using the p-y criteria for liquefied sand.");
        Report_Blank_Lines(1);
        Report_Line("   Please consult the Tarvex Technical Manual for additional background ");
        Report_Line("   information regarding limitations on the use of the liquefied sand criteria.");
        Report_Blank_Lines(1);
    } else if (pd.IUNITS == kUnitsSI && d > kLiqSandDepthSI) {
        Report_Line("   Warning : The depth of this layer is deeper than the recommended depth ");
        Report_Line("             limit for using the p-y criteria for liquefied sand.");
        Report_Blank_Lines(1);
        Report_Line("   Please consult the Tarvex Technical Manual for additional background ");
        Report_Line("   information regarding limitations on the use of the liquefied sand ");
        Report_Line("   criteria.");
        Report_Blank_Lines(1);
    } else {
        return;
    }
    Record_Warning(kLiqSandDepthWarning);
}

const char* Description(int code) {
    switch (code) {
        case kSoftClay: return " is soft clay, p-y criteria by Matlock, 1970";
        case kSoftClyJ: return " is soft clay with user-defined J, p-y criteria by Matlock, 1970";
        case kStfClyBW:
        case kStfClyAK: return " is stiff clay with water-induced erosion";
        case kStfClyAW: return " is stiff clay without free water";
        case kSand: return " is sand, p-y criteria by Reese et al., 1974";
        case kAPISand: return " is sand, p-y criteria by API RP-2A, 1987";
        case kLiqSand: return " is liquefiable sand, by Rollins et al., 2004";
        case kWeakRock: return " is weak rock, p-y criteria by Reese, 1997";
        case kVuggyLS: return " is strong rock (vuggy limestone)";
        case kCemSilt: return " is cemented silt with cohesion and friction";
        case kKSLoess: return " is loess silt";
        case kPiedmont: return " is Piedmont residual soil";
        case kElastSG: return " is modelled using an elastic subgrade modulus";
        case kUserPy: return " is modelled using user-specified p-y curves";
        case kMassRock: return " is massive rock, p-y criteria by Liang et al., 2009";
        default: return nullptr;
    }
}

// The property lines, notes and warnings of layer k after its common lines.
void Model_Lines(int k, int code) {
    const ProblemData& pd = g.pd;
    const int t = 2 * k - 1, b = 2 * k;
    const std::string stress = With_Blank(g.units.StressLabel.view());
    const std::string cohesion = pd.IUNITS == kUnitsUS ? " psf" : stress;
    const std::string subgrade = With_Blank(g.units.UnitWeightLabel.view());
    const double k_top = pd.rd_LayerKTop(k), k_bottom = pd.rd_LayerKBottom(k);
    auto cohesion_lines = [&] { Property("Undrained cohesion", pd.rd_ProfileStrength(t), pd.rd_ProfileStrength(b), cohesion); };
    auto eps50_lines = [&] { Property("Epsilon-50", pd.rd_ProfileEps50(t), pd.rd_ProfileEps50(b), ""); };
    auto k_lines = [&] { Property("Subgrade k", k_top, k_bottom, subgrade); };
    auto phi_lines = [&] { Property("Friction angle", pd.rd_ProfilePhi(t), pd.rd_ProfilePhi(b), " deg."); };
    const bool no_eps50 = Zero(pd.rd_ProfileEps50(t)), no_k = Zero(k_top) && Zero(k_bottom);
    constexpr const char* kEps50Note1 = "   NOTE: Internal default values for Epsilon-50 will be computed for";
    constexpr const char* kEps50Note2 = "   NOTE: Internal default values for Epsilon-50 will be computed for ";
    constexpr const char* kKNote2 = "   NOTE: Internal default values for subgrade k will be computed for ";
    constexpr const char* kKNote3 = "   NOTE: Internal default values for subgrade k will be computed for";
    constexpr const char* kKNote4 = "   NOTE:  Internal default values for subgrade k will be computed for";
    switch (code) {
        case kSoftClay:
        case kSoftClyJ:
            cohesion_lines();
            eps50_lines();
            if (code == kSoftClyJ) Property("p-y J factor", pd.rd_ProfileJ(t), pd.rd_ProfileJ(b), "");
            if (no_eps50) Note(kEps50Note1);
            break;
        case kStfClyBW:
        case kStfClyAK:
        case kStfClyAW:
            cohesion_lines();
            eps50_lines();
            if (code != kStfClyAW) k_lines();
            if (no_eps50) Note(kEps50Note2);
            if (code != kStfClyAW && no_k) Note(kKNote2);
            break;
        case kSand:
        case kAPISand:
            phi_lines();
            k_lines();
            if (no_k) Note(kKNote3);
            break;
        case kLiqSand: Liquefied_Sand_Warning(k); break;
        case kWeakRock:
            Property("Uniaxial compressive strength", pd.rd_ProfileStrength(t), pd.rd_ProfileStrength(b), stress);
            Property("Initial modulus of rock", k_top, k_bottom, stress);
            Property("RQD of rock", pd.rd_ProfileRQD(t), pd.rd_ProfileRQD(b), " %");
            Property("k rm of rock", pd.rd_ProfileEps50(t), pd.rd_ProfileEps50(b), "");
            break;
        case kVuggyLS:
            Property("Uniaxial compressive strength", pd.rd_ProfileStrength(t), pd.rd_ProfileStrength(b), stress);
            break;
        case kCemSilt:
            cohesion_lines();
            phi_lines();
            eps50_lines();
            k_lines();
            if (no_k) Note(kKNote4);
            break;
        case kKSLoess: Property("Cone tip resistance", pd.rd_ProfileQc(t), pd.rd_ProfileQc(b), stress); break;
        case kPiedmont: Piedmont_Lines(t, b); break;
        case kElastSG:
            Property("Elastic subgrade", pd.rd_ProfileEs(t), pd.rd_ProfileEs(b),
                     With_Blank(Unit_Unit_Weight()));
            break;
        case kUserPy:
            User_PY_Curve(k, t, true);
            User_PY_Curve(k, b, false);
            break;
        case kMassRock: Rock_Type_Line(pd.i_ProfileRockType(t)); break;
        default: break;
    }
}

void Layer_Description(int k) {
    const ProblemData& pd = g.pd;
    const int code = pd.i_SoilLayer_py_Type(k);
    const char* text = Description(code);
    if (!text) return;  // a model without a description writes nothing
    Report_Line("Layer " + Int_Text(k) + text);
    Report_Blank_Lines(1);
    Echo_Real("   Distance from top of pile to top of layer", pd.XLayerTop(k), kLayerWidth, g.units.DepthLabel.view());
    Echo_Real("   Distance from top of pile to bottom of layer", pd.XLayerBottom(k), kLayerWidth,
              g.units.DepthLabel.view());
    Echo_Real("   Effective unit weight at top of layer", pd.rd_ProfileGamma(2 * k - 1), kLayerWidth,
              g.units.UnitWeightInputLabel.view());
    Echo_Real("   Effective unit weight at bottom of layer", pd.rd_ProfileGamma(2 * k), kLayerWidth,
              g.units.UnitWeightInputLabel.view());
    Model_Lines(k, code);
    Report_Blank_Lines(1);
}

void Both_Files(std::initializer_list<std::string_view> lines) {
    for (auto line : lines) Put_Line(g_Out.msg, line);
    for (auto line : lines) Report_Line(line);
}

// Effective unit weights outside the usual range of soils; no warning number.
void Check_Unit_Weights() {
    const ProblemData& pd = g.pd;
    const int n = std::min(pd.i_NumGammaPts, kMaxProfilePoints);
    if (pd.IUNITS == kUnitsGeneric) {
        Both_Files({"", "**** Warning ****", "", "Values of effective unit weight cannot be checked because ",
                    "general units have been selected.", ""});
        return;
    }
    if (n < 1) return;
    double gmin = pd.rd_ProfileGamma(1), gmax = gmin;
    for (int j = 2; j <= n; ++j) {
        gmin = std::min(gmin, pd.rd_ProfileGamma(j));
        gmax = std::max(gmax, pd.rd_ProfileGamma(j));
    }
    if (pd.IUNITS == kUnitsUS && (gmin <= kMinGammaUS || gmax >= kMaxGammaUS)) {
        Both_Files({"", "**** Warning - Possible Input Data Error ****", "",
                    "Values entered for effective unit weights of soil were outside",
                    "the limits of 0.011574 pci (20 pcf) or 0.0810019 pci (140 pcf)",
                    "This data may be erroneous.  Please check your data.", ""});
    } else if (pd.IUNITS == kUnitsSI && (gmin <= kMinGammaSI || gmax >= kMaxGammaSI)) {
        for (Channel* ch : {&g_Out.msg, &g_Out.report}) {
            for (std::string_view line : {"", "**** Warning - Possible Input Data Error ****", "",
                                          "Values entered for effective unit weights of soil were outside",
                                          "the limits of 3.15 kN/m3 or 22 kN/m3."})
                Put_Line(*ch, line);
            Put_Line(*ch, ch == &g_Out.msg
                              ? "The input data may be erroneous. Please check your data."
                              : "The input data for effective unit weight may be erroneous. Please check your data.");
            Put_Line(*ch, "");
        }
    }
}

bool Shows(int code, std::initializer_list<int> models) {
    return std::find(models.begin(), models.end(), code) != models.end();
}

void Field(double x) {
    Write_Real_Field(x, kSummaryWidth);
    Write_Blanks(3);
}
void Text_Field(std::string_view text10) {
    Write_Text10(text10);
    Write_Blanks(3);
}
// A value that shows "  default " when it is exactly 0.
void Defaulted_Field(double x) {
    if (x == 0) Text_Field(kDefault);
    else Field(x);
}

// The fields of one summary row for profile point j of layer k (top or bottom).
void Summary_Fields(int k, int j, bool top) {
    const ProblemData& pd = g.pd;
    const int c = pd.i_SoilLayer_py_Type(k);
    const double kvalue = top ? pd.rd_LayerKTop(k) : pd.rd_LayerKBottom(k);
    auto field_if = [&](bool shown, double x) {
        if (shown) Field(x);
        else Text_Field(kNotApplicable);
    };
    Field(top ? pd.XLayerTop(k) : pd.XLayerBottom(k));
    Field(pd.rd_ProfileGamma(j));
    field_if(Shows(c, {kSoftClay, kStfClyBW, kStfClyAW, kStfClyAK, kCemSilt, kSoftClyJ}), pd.rd_ProfileStrength(j));
    field_if(Shows(c, {kSand, kAPISand, kCemSilt}), pd.rd_ProfilePhi(j));
    field_if(Shows(c, {kVuggyLS, kWeakRock, kMassRock}), c == kMassRock ? pd.rd_ProfileSigCi(j) : pd.rd_ProfileStrength(j));
    field_if(Shows(c, {kWeakRock, kMassRock}), c == kMassRock ? pd.rd_ProfileGSI(j) : pd.rd_ProfileRQD(j));
    if (Shows(c, {kSoftClay, kStfClyBW, kStfClyAW, kStfClyAK, kCemSilt})) Defaulted_Field(pd.rd_ProfileEps50(j));
    else Text_Field(kNotApplicable);
    field_if(c == kSoftClyJ, pd.rd_ProfileJ(j));
    if (Shows(c, {kSand, kAPISand, kStfClyBW, kStfClyAK, kCemSilt})) Defaulted_Field(kvalue);
    else Text_Field(kNotApplicable);
    if (c == kWeakRock) Defaulted_Field(kvalue);
    else Text_Field(kNotApplicable);
    field_if(c == kWeakRock, pd.rd_ProfileEps50(j));
    if (c == kPiedmont) {
        constexpr const char* kTests[] = {"    SPT      ", "    CPT      ", "    DMT      ", "    PMT      "};
        const double values[] = {pd.rd_ProfileN60(j), pd.rd_ProfileQc(j), pd.rd_ProfileEdmt(j), pd.rd_ProfileEpmt(j)};
        const int test = pd.i_ProfileTestType(j);
        if (test >= 1 && test <= 4) {
            Report_Text(kTests[test - 1]);
            Field(values[test - 1]);
        }
    } else if (c == kKSLoess) {
        Report_Text("    CPT      ");
        Field(pd.rd_ProfileQc(j));
    } else {
        Text_Field(kNotApplicable);
        Text_Field(kNotApplicable);
    }
    field_if(c == kElastSG, pd.rd_ProfileEs(j));
    End_Line();
}

// The dash line: 5 and 34 dashes for the layer and its model, then fourteen
// groups of 10, every group after 3 blanks, so that it stands over the rows.
void Summary_Heading() {
    Report_Blank_Lines(2);
    Report_Line(Rule('-'));
    Report_Line(std::string(27, ' ') + "Summary of Soil Properties");
    Report_Line(Rule('-'));
    Report_Blank_Lines(1);
    Report_Line("                      Layer                     Layer      Effective    Undrained    Angle of      "
                "Uniaxial      RQD %       Strain                                Rock Mass                  In-situ   "
                "   In-situ      Elastic ");
    Report_Line("Layer               Soil Type                   Depth       Unit Wt.    Cohesion     Friction        "
                "qu            or        Factor          J          kpy       Rock Emass      krm          Test       "
                "  Test       Subgrade ");
    Report_Line(g.pd.IUNITS == kUnitsUS
                    ? " Num.         (p-y Curve Criteria)               ft           pcf          psf          deg.      "
                      "   psi          GSI      Epsilon 50     Factor        pci          psi                       Type "
                      "      Property     Mod. pci "
                    : " Num.         (p-y Curve Criteria)                m          kN/m3         kPa          deg.      "
                      "   kPa          GSI      Epsilon 50                   kN/m3         kPa                      Type "
                      "      Property     Mod. kPa  ");
    std::string dashes = std::string(5, '-') + "   " + std::string(34, '-');
    for (int f = 0; f < 14; ++f) dashes += "   " + std::string(10, '-');
    Report_Line(dashes);
}

void Summary_Table() {
    const ProblemData& pd = g.pd;
    if (pd.IUNITS != kUnitsGeneric) Summary_Heading();
    for (int k = 1; k <= pd.i_Number_of_Layers && k <= kMaxLayers; ++k) {
        Report_Text(Edit_I(k, 3) + std::string(5, ' ') + Fixed(Model_Long_Name(pd.i_SoilLayer_py_Type(k)), 34) + "   ");
        Summary_Fields(k, 2 * k - 1, true);
        Report_Text(std::string(45, ' '));
        Summary_Fields(k, 2 * k, false);
    }
}

}  // namespace

void Echo_Soil_Layers() {
    const ProblemData& pd = g.pd;
    const int n = std::min(pd.i_Number_of_Layers, kMaxLayers);
    Write_Block_Heading(23, "Soil and Rock Layering Information");
    Report_Blank_Lines(1);
    Report_Line("The soil profile is modelled using " + Int_Text(pd.i_Number_of_Layers) + " layers");
    Report_Blank_Lines(1);
    for (int k = 1; k <= n; ++k) Layer_Description(k);
    const double bottom = n >= 1 ? pd.XLayerBottom(n) : 0.0;
    Report_Line("   (Depth of lowest soil layer extends " + Edit_F(bottom - pd.rd_PileLength, 7, 2) + " " +
                std::string(g.units.DepthLabel.view()) + " below pile tip)");
    Report_Blank_Lines(1);
    Check_Unit_Weights();
    Summary_Table();
}

}  // namespace tarvex
