// Keyword input file reader ("TARVEX6"): the sections in any order up to "END",
// then the distinct thrust list.
#include <string>
#include <utility>

#include "engine/store.h"
#include "input/input_errors.h"
#include "input/input_file.h"
#include "input/keyword_sections.h"
#include "input/readers.h"
#include "input/value_reader.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

constexpr double kDegreesToRadians = 3.141592653589793 / 180.0;
constexpr double kMillimetresPerMetre = 1000.0;
constexpr int kMinSoilMovePts = 2;
constexpr int kEchoedLineColumns = 256;  // columns of an unrecognized line in its error block
constexpr int kMissingSectionError = 81; // a section the problem needs is missing
constexpr int kDuplicateSectionError = 82; // a section given twice

void Message(std::string_view text) { Put_Line(g_Out.msg, text); }

void Read_Title() {
    Message("Reading title data");
    for (int k = 1; k <= kMaxTitleLines; ++k) g.pd.Title(k).set(Read_Text_Line());
}

// Thrusts of the moment-curvature curves when only the bending stiffness is computed.
void Read_Axial_Thrust_Loads() {
    ProblemData& pd = g.pd;
    int n = 0;
    Read_Values({n});
    if (n < 1) {
        pd.i_NumLoads = 1;
        return;
    }
    Check_Count(n, kMaxLoads, "axial thrust loads");
    pd.i_NumLoads = n;
    Message("Reading axial thrust force data for EI-only computations");
    int index = 0;
    for (int i = 1; i <= n; ++i) Read_Values({index, pd.rd_AxialThrust(i)});
    for (int i = 1; i < n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (pd.rd_AxialThrust(i) > pd.rd_AxialThrust(j)) std::swap(pd.rd_AxialThrust(i), pd.rd_AxialThrust(j));
}

void Read_Tip_Shear() {
    ProblemData& pd = g.pd;
    int n = 0;
    Read_Values({n});
    Check_Count(n, kMaxTipShearPts, "points of the tip shear curve");
    pd.i_NumTipShearPts = n;
    if (n <= 0) return;
    Message("Reading tip shear data");
    int index = 0;
    for (int i = 1; i <= n; ++i) Read_Values({index, pd.rd_TipShearY(i), pd.rd_TipShearV(i)});
}

void Read_Batter_And_Slope() {
    ProblemData& pd = g.pd;
    Message("Reading pile batter and ground slope angles");
    double slope = 0, batter = 0;
    Read_Values({slope});
    Read_Values({batter});
    pd.rd_SlopeAngle = slope * kDegreesToRadians;
    pd.rd_BatterAngle = batter * kDegreesToRadians;
    pd.rd_EffSlopeAngle = pd.rd_SlopeAngle - pd.rd_BatterAngle;
}

void Read_PY_Multipliers() {
    ProblemData& pd = g.pd;
    int n = 0;
    Read_Values({n});
    Check_Count(n, kMaxPYMult, "p-y multiplier points");
    pd.i_NumPYMult = n;
    if (n <= 0) return;
    Message("Reading p-y multiplier data");
    int index = 0;
    for (int i = 1; i <= n; ++i) Read_Values({index, pd.rd_PYMultDepth(i), pd.rd_PMult(i), pd.rd_YMult(i)});
}

// Lateral soil movements; read only when the soil movement option is on.
void Read_Soil_Movements() {
    ProblemData& pd = g.pd;
    if (!on(pd.b_UseSoilMovement)) return;
    Message("Reading soil movement data");
    int n = 0;
    Read_Values({n});
    if (n < kMinSoilMovePts || n > kMaxSoilMovePts) {
        Write_Error_Block(Input_Error_Heading(53),
                          {"Number of lines specified for soil movement data = " + Int_Text(n),
                           "The number of lines of soil movement data cannot be less than 2 or exceed 100."},
                          true, 0);
        Stop_Input_Error(53);
    }
    pd.i_NumSoilMovePts = n;
    int index = 0;
    for (int i = 1; i <= n; ++i) {
        Read_Values({index, pd.rd_SoilMoveDepth(i), pd.rd_SoilMove(i)});
        if (pd.IUNITS == kUnitsSI) pd.rd_SoilMove(i) /= kMillimetresPerMetre;
    }
}

// Depths of the reported p-y curves; read only when p-y curves are requested.
void Read_PY_Output_Depths() {
    ProblemData& pd = g.pd;
    if (pd.i_PrintPYCurves <= 0) return;
    Message("Reading p-y output depths data");
    int n = 0;
    Read_Values({n});
    Check_Count(n, kMaxPYOutDepths, "depths of printed p-y curves");
    pd.i_NumPYOutDepths = n;
    int index = 0;
    for (int i = 1; i <= n; ++i) Read_Values({index, pd.rd_PYOutDepth(i)});
}

struct SectionKeyword {
    const char* keyword;
    void (*read)();
};

constexpr SectionKeyword kSectionKeywords[] = {
    {"TITLE", Read_Title},
    {"OPTIONS", Read_Options},
    {"SECTIONS", Read_Sections},
    {"AXIAL THRUST LOADS", Read_Axial_Thrust_Loads},
    {"SOIL LAYERS", Read_Soil_Layers},
    {"TIP SHEAR", Read_Tip_Shear},
    {"PILE BATTER AND SLOPE", Read_Batter_And_Slope},
    {"GROUPEFF", Read_PY_Multipliers},
    {"GROUP EFFECT FACTORS", Read_PY_Multipliers},
    {"LRFD LOADS", Read_LRFD_Loads},
    {"LRFD FACTORS AND CASES", Read_LRFD_Combinations},
    {"LOADING", Read_Pile_Head_Loading},
    {"SOIL MOVEMENTS", Read_Soil_Movements},
    {"DEPTHS OF PRINTED P-Y CURVES", Read_PY_Output_Depths},
};
constexpr int kNumSectionKeywords = int(sizeof(kSectionKeywords) / sizeof(kSectionKeywords[0]));

// The sections read so far, by their name.
struct SectionsRead {
    std::string_view names[kNumSectionKeywords];
    int count = 0;
    bool has(std::string_view name) const {
        for (int i = 0; i < count; ++i)
            if (names[i] == name) return true;
        return false;
    }
};

// A section given a second time would overwrite the first one's data.
void Note_Section(SectionsRead& read, std::string_view section) {
    if (read.has(section)) {
        Write_Error_Block(Input_Error_Heading(kDuplicateSectionError),
                          {"Problem:  The " + std::string(section) + " section is given a second time on line " +
                               Int_Text(g_Input.line_number) + " of the input file.",
                           "Solution: Give each section of the input file once."},
                          true);
        Stop_Input_Error(kDuplicateSectionError);
    }
    read.names[read.count++] = section;
}

// The sections this problem cannot be analysed without: the options and the
// sections always, the soil layers in a pile-response run, and its loads.
void Check_Sections_Present(const SectionsRead& read) {
    const ProblemData& pd = g.pd;
    std::string_view needed[4];
    int n = 0;
    needed[n++] = "OPTIONS";
    if (read.has("OPTIONS")) {
        needed[n++] = "SECTIONS";
        if (pd.ICOM != kMomentCapacityOnly) {
            needed[n++] = "SOIL LAYERS";
            needed[n++] = on(pd.b_UseLRFD) ? "LRFD FACTORS AND CASES" : "LOADING";
        }
    }
    for (int i = 0; i < n; ++i) {
        if (read.has(needed[i])) continue;
        Write_Error_Block(Input_Error_Heading(kMissingSectionError),
                          {"Problem:  The input file has no " + std::string(needed[i]) +
                               " section, which this problem needs.",
                           "Solution: Add the " + std::string(needed[i]) + " section before the END line."},
                          true);
        Stop_Input_Error(kMissingSectionError);
    }
}

}  // namespace

void Unrecognized_Line_Error(std::string_view line) {
    Write_Error_Block("***** INPUT ERROR *****",
                      {"The following line is unrecognized or is out-of-order", "", Fixed(line, kEchoedLineColumns), "", ""},
                      true);
    Stop_Input_Error(kUnrecognizedLineError);
}

void Unrecognized_Command_Error(std::string_view text) {
    Report_Blank_Lines(1);
    Report_Line(text);
    Stop_Input_Error(kOptionError);
}

void Read_Keyword_Input_File() {
    SectionsRead read;
    for (;;) {
        std::string_view raw = Read_Text_Line();
        std::string_view keyword = Keyword_Form(raw);
        if (keyword == "END") break;
        const SectionKeyword* found = nullptr;
        for (const SectionKeyword& s : kSectionKeywords)
            if (keyword == s.keyword) found = &s;
        if (!found) Unrecognized_Line_Error(raw);
        Note_Section(read, found->keyword);
        found->read();
    }
    Check_Sections_Present(read);
    Build_Thrust_List();
}

}  // namespace tarvex
