// "SECTIONS" of the keyword input file: the pile section records from the pile
// head down, and the pile property points derived from them.
#include <climits>
#include <string>

#include "engine/store.h"
#include "input/input_errors.h"
#include "input/input_file.h"
#include "input/keyword_sections.h"
#include "input/section_records.h"
#include "input/value_reader.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

constexpr double kMmPerM = 1000.0;    // mm in a metre
constexpr double kMm2PerM2 = 1e6;      // mm2 in a square metre
constexpr double kMm4PerM4 = 1e12;     // mm4 in a metre to the fourth
constexpr double kPiOver64 = 0.04908738521234052;
constexpr double kPiOver4 = 0.7853981633974483;
constexpr int kPilePointsError = 17;
constexpr int kVoidCoreType = -3;

bool SI() { return g.pd.IUNITS == kUnitsSI; }

// One value on a line of its own; an SI value is divided by `per_metre` (millimetres to metres).
void Read_Line_Value(double& x, double per_metre = 1.0) {
    Read_Values({x});
    if (SI()) x /= per_metre;
}
void Read_Line_Value(int& n) { Read_Values({n}); }

void Message(std::string_view text, int s) { Put_Line(g_Out.msg, std::string(text) + Int_Text(s)); }

[[noreturn]] void Circle_Placement_Error(int s) {
    Write_Error_Block(Input_Error_Heading(kBarCircleError),
                      {"Problem:  The bars or strands of section " + Int_Text(s) + " (ending on line " +
                           Int_Text(g_Input.line_number) + " of the input file) cannot be placed on a circle.",
                       "          The bar diameter exceeds the section diameter, the cover is not positive,",
                       "          or there are no positions or bars, or more bars than 300.",
                       "Solution: Correct the section diameter, the cover or the bar arrangement."},
                      true);
    Stop_Input_Error(kBarCircleError);
}

void Read_Circular_Rebar(int s, PileSection& sec) {
    Read_Line_Value(sec.rd_BarYield);
    Read_Line_Value(sec.rd_BarModulus);
    Read_Line_Value(sec.i_NumBarPositions);
    Read_Line_Value(sec.i_BarsPerBundle);
    const long long bars = 1LL * sec.i_NumBarPositions * sec.i_BarsPerBundle;
    Check_Count(bars, kMaxBars, "reinforcing bars");  // named on the line of the bars per position
    Read_Line_Value(sec.rd_RebarDiameter, kMmPerM);
    Read_Line_Value(sec.rd_RebarArea, kMm2PerM2);
    Read_Line_Value(sec.rd_Cover, kMmPerM);
    Read_Line_Value(sec.rd_RebarOffset, kMmPerM);
    sec.i_NumBars = int(bars);
    for (int k = 1; k <= sec.i_NumBars; ++k) {
        sec.rd_BarDiam(k) = sec.rd_RebarDiameter;
        sec.rd_BarArea(k) = sec.rd_RebarArea;
    }
    if (!Place_Bars_On_Circle(sec.rd_BarX, sec.rd_BarY, sec.rd_SectionDiameter, sec.rd_Cover,
                              sec.rd_RebarDiameter, sec.i_NumBarPositions, sec.i_BarsPerBundle))
        Circle_Placement_Error(s);
    if (sec.rd_RebarOffset != 0)
        for (int k = 1; k <= sec.i_NumBars; ++k) sec.rd_BarY(k) += sec.rd_RebarOffset;
}

void Read_Listed_Rebar(PileSection& sec) {
    Read_Line_Value(sec.rd_BarYield);
    Read_Line_Value(sec.rd_BarModulus);
    int n = sec.i_NumBars;
    Read_Line_Value(n);
    Check_Count(n, kMaxBars, "reinforcing bars");
    sec.i_NumBars = n;
    int number = 0;
    for (int k = 1; k <= n; ++k) {
        Read_Values({number, sec.i_BarSize(k), sec.rd_BarDiam(k), sec.rd_BarArea(k), sec.rd_BarX(k), sec.rd_BarY(k)});
        if (SI()) {
            sec.rd_BarDiam(k) /= kMmPerM;
            sec.rd_BarArea(k) /= kMm2PerM2;
            sec.rd_BarX(k) /= kMmPerM;
            sec.rd_BarY(k) /= kMmPerM;
        }
    }
}

void Read_Strand_Type(int& type) {
    Read_Line_Value(type);
    Check_Code(type, 0, kNumStrandTypes - 1, "strand type");
}

void Read_Auto_Strands(int s, PileSection& sec) {
    Read_Strand_Type(sec.i_StrandType);
    Read_Line_Value(sec.i_StrandSize);
    int n = sec.i_NumStrands;
    Read_Line_Value(n);
    Check_Count(n, kMaxBars, "prestressing strands");
    sec.i_NumStrands = n;
    Read_Line_Value(sec.rd_PrestressForce);
    Read_Line_Value(sec.rd_PrestressLoss);
    Read_Line_Value(sec.rd_StrandCover, kMmPerM);
    Read_Line_Value(sec.i_StrandPattern);
    for (int k = 1; k <= n; ++k) {
        sec.i_StrandSizeOf(k) = sec.i_StrandSize;
        Set_Strand_Properties(s, k, sec.i_StrandType, sec.i_StrandSize);
    }
    sec.rd_StrandDiameter = sec.rd_BarDiam(1);
    sec.rd_StrandArea = sec.rd_BarArea(1);
    if (sec.i_StrandPattern == 0) {
        if (!Place_Bars_On_Circle(sec.rd_BarX, sec.rd_BarY, sec.rd_SectionDiameter, sec.rd_StrandCover,
                                  sec.rd_StrandDiameter, n, 1))
            Circle_Placement_Error(s);
    } else if (sec.i_StrandPattern == 1 || sec.i_StrandPattern == 2) {
        Place_Strands_On_Square(sec.rd_BarX, sec.rd_BarY, sec.rd_SectionDiameter, sec.rd_StrandCover,
                                sec.rd_StrandDiameter, n, sec.i_StrandPattern);
    }
}

void Read_Listed_Strands(int s, PileSection& sec) {
    Read_Strand_Type(sec.i_StrandType);
    int n = sec.i_NumStrands;
    Read_Line_Value(n);
    Check_Count(n, kMaxBars, "prestressing strands");
    sec.i_NumStrands = n;
    Read_Line_Value(sec.rd_PrestressForce);
    Read_Line_Value(sec.rd_PrestressLoss);
    for (int k = 1; k <= n; ++k) {
        int number = 0, type = sec.i_StrandType;
        Read_Values({number, type, sec.i_StrandSizeOf(k), sec.rd_BarX(k), sec.rd_BarY(k)});
        Check_Code(type, 0, kNumStrandTypes - 1, "strand type");
        sec.i_StrandType = type;
        if (SI()) {
            sec.rd_BarX(k) /= kMmPerM;
            sec.rd_BarY(k) /= kMmPerM;
        }
        if (number != k) {
            Report_Line("INPUT ERROR - Input out-of-order for strand no. ");
            Stop_Input_Error(kOptionError);
        }
        Set_Strand_Properties(s, k, type, sec.i_StrandSizeOf(k));
    }
}

// Values of an elastic or elastic-plastic section; the plastic moments only for type 12.
void Read_Elastic_Values(PileSection& sec, bool plastic) {
    Read_Line_Value(sec.i_ElasShape);
    Check_Code(sec.i_ElasShape, kShapeRectangular, kShapeEmbeddedPole, "elastic section shape");
    Read_Line_Value(sec.rd_ElasModulus);
    if (sec.i_ElasShape == kShapeStrongH || sec.i_ElasShape == kShapeWeakH) {
        if (plastic) Read_Line_Value(sec.rd_PlasticMomentTop);
        Read_Line_Value(sec.rd_ElasWidthTop, kMmPerM);
        Read_Line_Value(sec.rd_ElasDepthTop, kMmPerM);
        Read_Line_Value(sec.rd_FlangeThickness);
        Read_Line_Value(sec.rd_WebThickness);
        Read_Line_Value(sec.rd_ElasAreaTop, kMm2PerM2);
        Read_Line_Value(sec.rd_ElasInertiaTop, kMm4PerM4);
        sec.rd_ElasDepthBottom = sec.rd_ElasDepthTop;
        sec.rd_ElasAreaBottom = sec.rd_ElasAreaTop;
        sec.rd_ElasInertiaBottom = sec.rd_ElasInertiaTop;
        if (plastic) sec.rd_PlasticMomentBottom = sec.rd_PlasticMomentTop;
        return;
    }
    if (plastic) {
        Read_Line_Value(sec.rd_PlasticMomentTop);
        Read_Line_Value(sec.rd_PlasticMomentBottom);
    }
    Read_Line_Value(sec.rd_ElasWidthTop, kMmPerM);
    Read_Line_Value(sec.rd_ElasWidthBottom, kMmPerM);
    if (sec.i_ElasShape == kShapeRectangular || sec.i_ElasShape == kShapePipe) {
        Read_Line_Value(sec.rd_ElasDepthTop, kMmPerM);
        Read_Line_Value(sec.rd_ElasDepthBottom, kMmPerM);
    }
    Read_Line_Value(sec.rd_ElasAreaTop, kMm2PerM2);
    Read_Line_Value(sec.rd_ElasAreaBottom, kMm2PerM2);
    Read_Line_Value(sec.rd_ElasInertiaTop, kMm4PerM4);
    Read_Line_Value(sec.rd_ElasInertiaBottom, kMm4PerM4);
    if (sec.i_ElasShape == kShapeEmbeddedPole) Read_Line_Value(sec.rd_SectionDiameter, kMmPerM);
}

// M / EI gives the curvature of a point: a stiffness of zero or less has none.
void Check_User_EI(int s, int t, int j, double ei) {
    constexpr int kUserEIError = 84;
    if (ei > 0) return;
    Write_Error_Block(Input_Error_Heading(kUserEIError),
                      {"Problem:  The bending stiffness of point " + Int_Text(j) + " for axial thrust " + Int_Text(t) +
                           " of section " + Int_Text(s) + " is " + Real_Text(ei) + " (line " +
                           Int_Text(g_Input.line_number) + " of the input file).",
                       "Solution: Give every point of a user-defined curve a positive bending stiffness."},
                      true);
    Stop_Input_Error(kUserEIError);
}

void Read_User_EI_Curves(int s, PileSection& sec) {
    int nt = sec.i_NumUserEIThrusts;
    Read_Line_Value(nt);
    Check_Count(nt, kMaxUserEIThrusts, "axial thrusts of a user-defined EI section");
    sec.i_NumUserEIThrusts = nt;
    for (int t = 1; t <= nt; ++t) {
        Read_Line_Value(sec.rd_UserEIThrust(t));
        int np = sec.i_NumUserEIPts(t);
        Read_Line_Value(np);
        Check_Count(np, kMaxUserEIPts, "points of a user-defined moment-stiffness curve");
        sec.i_NumUserEIPts(t) = np;
        for (int j = 1; j <= np; ++j) {
            Read_Line_Value(sec.rd_UserEIMoment(t, j));
            Read_Line_Value(sec.rd_UserEIStiffness(t, j));
            Check_User_EI(s, t, j, sec.rd_UserEIStiffness(t, j));
        }
    }
}

// The lines of section s after its type line, with their sub-readers.
void Read_Section_Lines(int s, PileSection& sec) {
    const int type = sec.i_SectionType;
    Read_Line_Value(sec.rd_SectionLength);
    switch (type) {
        case kRectConcrete:
            Read_Line_Value(sec.rd_SectionDepth, kMmPerM);
            Read_Line_Value(sec.rd_SectionWidth, kMmPerM);
            sec.rd_SectionDiameter = sec.rd_SectionDepth;
            break;
        case kDrilledShaft:
        case kCircSolidPrestressed:
        case kOctSolidPrestressed:
        case kUserEIPile: Read_Line_Value(sec.rd_SectionDiameter, kMmPerM); break;
        case kCasedShaft:
        case kCasedCoredShaft:
        case kSteelPipe:
            Read_Line_Value(sec.rd_SectionDiameter, kMmPerM);
            Read_Line_Value(sec.rd_CasingThickness, kMmPerM);
            Read_Line_Value(sec.rd_CasingYield);
            Read_Line_Value(sec.rd_CasingModulus);
            if (type == kCasedCoredShaft) {
                Read_Line_Value(sec.rd_CoreDiameter, kMmPerM);
                Read_Line_Value(sec.rd_CoreThickness, kMmPerM);
                Read_Line_Value(sec.rd_CoreYield);
                Read_Line_Value(sec.rd_CoreModulus);
            }
            break;
        case kCircHollowPrestressed:
        case kOctHollowPrestressed:
            Read_Line_Value(sec.rd_SectionDiameter, kMmPerM);
            Read_Line_Value(sec.rd_VoidDiameter, kMmPerM);
            break;
        case kSquareSolidPrestressed:
            Read_Line_Value(sec.rd_SectionDiameter, kMmPerM);
            Read_Line_Value(sec.rd_ChamferSize, kMmPerM);
            break;
        case kSquareHollowPrestressed:
            Read_Line_Value(sec.rd_SectionDiameter, kMmPerM);
            Read_Line_Value(sec.rd_VoidDiameter, kMmPerM);
            Read_Line_Value(sec.rd_ChamferSize, kMmPerM);
            break;
        default: break;  // 11, 12 and 14: the length only
    }
    if (type <= kCasedCoredShaft) {
        Read_Concrete_Properties(s);
        Read_Rebar_Properties(s);
    } else if (type >= kCircSolidPrestressed && type <= kOctHollowPrestressed) {
        Read_Concrete_Properties(s);
        Read_Strand_Properties(s);
    } else if (type == kElasticPile) {
        Read_Elastic_Properties(s);
    } else if (type == kElasticPlasticPile) {
        Read_Elastic_Plastic_Properties(s);
    } else if (type == kUserEIPile) {
        Read_User_EI_Curves(s, sec);
    }
}

// Width used by the p-y curves at both property points of the section.
void Set_Pile_Point_Widths(const PileSection& sec, int top, int bottom) {
    ProblemData& pd = g.pd;
    double wt = sec.rd_SectionDiameter, wb = sec.rd_SectionDiameter;
    if (sec.i_SectionType == kRectConcrete) {
        wt = wb = sec.rd_SectionWidth;
    } else if (sec.i_SectionType == kElasticPile || sec.i_SectionType == kElasticPlasticPile) {
        switch (sec.i_ElasShape) {
            case kShapeStrongH: wt = wb = sec.rd_ElasWidthTop; break;
            case kShapeWeakH: wt = wb = sec.rd_ElasDepthTop; break;
            case kShapeEmbeddedPole: break;
            default: wt = sec.rd_ElasWidthTop, wb = sec.rd_ElasWidthBottom;
        }
    }
    pd.rd_PilePointDiam(top) = wt;
    pd.rd_PilePointDiam(bottom) = wb;
}

// The pile property points 2s-1 (top) and 2s (bottom) of section s.
void Set_Pile_Points(int s, PileSection& sec) {
    ProblemData& pd = g.pd;
    const int type = sec.i_SectionType;
    if (type == kMicropile) return;  // adds nothing to the pile
    const int top = 2 * s - 1, bottom = 2 * s;
    const double xt = pd.rd_PileLength, xb = xt + sec.rd_SectionLength;
    pd.rd_PileLength = xb;
    pd.rd_PilePointX(top) = xt;
    pd.rd_PilePointX(bottom) = xb;
    if (type == kRectConcrete || type == kElasticPlasticPile) {
        sec.rd_SectionTopX = xt;
        sec.rd_SectionBottomX = xb;
    }
    Set_Pile_Point_Widths(sec, top, bottom);
    if (type == kSteelPipe) {
        const double D = sec.rd_SectionDiameter, d = D - 2 * sec.rd_CasingThickness;
        for (int k : {top, bottom}) {
            pd.rd_PilePointI(k) = (D * D * D * D - d * d * d * d) * kPiOver64;
            pd.rd_PilePointE(k) = sec.rd_CasingModulus;
            pd.rd_PilePointArea(k) = (D * D - d * d) * kPiOver4;
        }
    } else if (type == kElasticPile || type == kElasticPlasticPile) {
        pd.rd_PilePointI(top) = sec.rd_ElasInertiaTop;
        pd.rd_PilePointI(bottom) = sec.rd_ElasInertiaBottom;
        pd.rd_PilePointE(top) = pd.rd_PilePointE(bottom) = sec.rd_ElasModulus;
        pd.rd_PilePointArea(top) = sec.rd_ElasAreaTop;
        pd.rd_PilePointArea(bottom) = sec.rd_ElasAreaBottom;
        if (sec.i_ElasShape == kShapeEmbeddedPole) {
            pd.rd_PilePointPoleWidth(top) = sec.rd_ElasWidthTop;
            pd.rd_PilePointPoleWidth(bottom) = sec.rd_ElasWidthBottom;
        }
    }
}

void Read_Section(int s) {
    PileSection& sec = g.pd.Section(s);
    Message("Reading section properties for Section ", s);
    int number = 0;
    Read_Values({number});
    if (number != s) {
        Report_Line("SECTION DATA OUT-OF-ORDER");
        Report_Blank_Lines(1);
        Report_Line("Expecting section number " + Int_Text(s) + ", but section number " + Int_Text(number) +
                    " was found");
        Stop_Input_Error(kOptionError);
    }
    int type = sec.i_SectionType;
    Read_Values({type});
    if (type != kVoidCoreType) Check_Code(type, 0, kNumSectionTypes - 1, "section type");
    sec.i_SectionType = type == kVoidCoreType ? kCasedCoredShaft : type;
    if (sec.i_SectionType == kCasedCoredShaft) sec.b_FillCoreWithConcrete = type == kVoidCoreType ? kFalse : kTrue;
    Read_Section_Lines(s, sec);
    Set_Pile_Points(s, sec);
}

}  // namespace

void Read_Sections() {
    ProblemData& pd = g.pd;
    int n = 0;
    Read_Values({n});
    const long long points = 2LL * n;
    if (n > kMaxSections) {
        Write_Error_Block(Input_Error_Heading(kPilePointsError),
                          {"The number of points to define the pile properties is 2 to 40, not the input value of " +
                               Edit_I(points, 10),
                           ""},
                          true);
        Stop_Input_Error(kPilePointsError);
    }
    pd.i_NumSections = n;
    pd.i_NumPilePoints = points < INT_MIN ? INT_MIN : int(points);
    pd.rd_PileLength = 0;
    pd.rd_PilePointX(1) = 0;
    for (int s = 1; s <= n; ++s) Read_Section(s);
}

void Read_Concrete_Properties(int s) {
    PileSection& sec = g.pd.Section(s);
    Message("Reading concrete property data for Section ", s);
    Read_Line_Value(sec.rd_ConcreteFc);
    Read_Line_Value(sec.rd_AggregateSize, kMmPerM);
    std::string_view line = Read_Keyword_Line();
    if (line == "Use default concrete tensile strength") {
        sec.b_DefaultTensileStrength = kTrue;
    } else if (line == "Override concrete tensile strength") {
        sec.b_DefaultTensileStrength = kFalse;
        Read_Line_Value(sec.rd_ConcreteFt);
    } else {
        Unrecognized_Command_Error("INPUT ERROR - Unrecognized command for concrete tensile strength option");
    }
    line = Read_Keyword_Line();
    if (line == "Use internal stress-strain curve for concrete") {
        sec.b_InputConcreteCurve = kFalse;
        return;
    }
    if (line != "Input stress-strain curve for concrete")
        Unrecognized_Command_Error("INPUT ERROR - Unrecognized input for concrete stress-strain option");
    sec.b_InputConcreteCurve = kTrue;
    int m = sec.i_NumConcreteCurvePts;
    Read_Line_Value(m);
    Check_Count(m, kMaxConcreteCurvePts, "points of a concrete stress-strain curve");
    sec.i_NumConcreteCurvePts = m;
    for (int k = 1; k <= m; ++k) {
        int number = 0;
        Read_Values({number, sec.rd_ConcreteCurve(k, 1), sec.rd_ConcreteCurve(k, 2)});
        if (number != k) {
            Report_Blank_Lines(1);
            Report_Line("INPUT ERROR - Sequence error encountered when reading concrete stress-strain curve");
            Report_Blank_Lines(1);
            Report_Line("Expecting line no. " + Int_Text(k) + " but line no. " + Int_Text(number) + " was read");
            Report_Blank_Lines(2);
            Stop_Input_Error(kOptionError);
        }
    }
}

void Read_Rebar_Properties(int s) {
    PileSection& sec = g.pd.Section(s);
    Message("Reading rebar property data for Section ", s);
    std::string_view line = Read_Keyword_Line();
    if (line == "No rebar") {
        sec.i_NumBars = 0;
        return;
    }
    if (line == "Rebar Arrangement Same As Section Above") sec.b_RebarSameAsAbove = kTrue;
    else if (line == "Rebar Arrangement Not Same As Section Above") sec.b_RebarSameAsAbove = kFalse;
    else Unrecognized_Command_Error("INPUT ERROR - Unrecognized command for rebar continuation from section above option");
    line = Read_Keyword_Line();
    if (line == "Rebar in circle") {
        sec.b_RebarInCircle = kTrue;
        Read_Circular_Rebar(s, sec);
    } else if (line == "Rebar in noncircular pattern") {
        sec.b_RebarInCircle = kFalse;
        Read_Listed_Rebar(sec);
    } else {
        // The following lines would be read out of place: the bar data cannot be read.
        Write_Error_Block(Input_Error_Heading(kBarPatternError),
                          {"Problem:  Line " + Int_Text(g_Input.line_number) + " of the input file, in section " +
                               Int_Text(s) + ", is neither \"Rebar in circle\" nor",
                           "          \"Rebar in noncircular pattern\".",
                           "Solution: Correct the bar pattern line of the section."},
                          true);
        Stop_Input_Error(kBarPatternError);
    }
}

void Read_Strand_Properties(int s) {
    PileSection& sec = g.pd.Section(s);
    Message("Reading prestressing strand data for Section ", s);
    std::string_view line = Read_Keyword_Line();
    if (line == "Autoposition strands") {
        sec.b_AutoPositionStrands = kTrue;
        Read_Auto_Strands(s, sec);
    } else if (line == "Manually-positioned strands") {
        sec.b_AutoPositionStrands = kFalse;
        Read_Listed_Strands(s, sec);
    } else {
        Report_Line("INPUT ERROR - Unrecognized input for strand no. " + Int_Text(s));
        Report_Blank_Lines(1);
        Stop_Input_Error(kOptionError);
    }
}

void Read_Elastic_Properties(int s) {
    Message("Reading elastic section properties for Section ", s);
    Read_Elastic_Values(g.pd.Section(s), false);
}

void Read_Elastic_Plastic_Properties(int s) {
    Message("Reading elastic-plastic section properties for Section ", s);
    Read_Elastic_Values(g.pd.Section(s), true);
}

}  // namespace tarvex
