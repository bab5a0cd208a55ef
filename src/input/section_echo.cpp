// Input echo of the pile sections: per section its type and the dimensions of
// its type, the elastic properties of elastic sections and the moment-stiffness
// tables of user-defined sections, in input units.
#include <string>

#include "engine/store.h"
#include "input/echo_blocks.h"
#include "input/echo_lines.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

constexpr int kStructuralWidth = 15;  // real values of the structural blocks

// Type line texts; types 2 to 10 follow "   Section Type = ", the others "= " at column 56.
constexpr const char* kTypeTexts[kNumSectionTypes] = {
    "Rectangular Concrete Pile",
    "Drilled Shaft (Bored Pile)",
    "Drilled Shaft with Permanent Casing  ",
    "Drilled Shaft with Casing and Void Core   ",
    "Steel Pipe Pile            ",
    "Circular Solid Prestressed Pile    ",
    "Circular Hollow Prestressed Pile    ",
    "Square Solid Prestressed Pile     ",
    "Square Hollow Prestressed Pile     ",
    "Octagonal Solid Prestressed Pile    ",
    "Octagonal Hollow Prestressed Pile   ",
    "   Elastic Pile",
    "Elastic with Specified Moment Capacity ",
    "Pile with User-defined Nonlinear EI",
    "Micropile",
};
constexpr const char* kFilledCoreText = "Drilled Shaft with Casing and Concrete-filled Core   ";

constexpr const char* kShapeTexts[] = {
    "=     Rectangular", "=        Circular", "=   Circular Pipe",
    "=   Strong H-Pile", "=     Weak H-Pile", "= Embedded Circular Pole",
};

std::string Length_Unit() { return std::string(g.units.LengthLabel.view()); }

void Dimension(std::string_view label, double value) { Echo_Real(label, value, kStructuralWidth, Length_Unit()); }

void Type_Line(const PileSection& sec) {
    const int type = sec.i_SectionType;
    const char* text = (type == kCasedCoredShaft && on(sec.b_FillCoreWithConcrete)) ? kFilledCoreText
                       : (type >= 0 && type < kNumSectionTypes)                      ? kTypeTexts[type]
                                                                                     : "";
    if (type >= kCasedShaft && type <= kOctHollowPrestressed) {
        Report_Line(std::string("   Section Type = ") + text);
        return;
    }
    Echo_Label("   Section Type");
    Report_Line(text);
}

// Elastic and elastic-plastic sections: the shape, its dimensions and properties.
void Elastic_Lines(const PileSection& sec, bool plastic) {
    const int shape = sec.i_ElasShape;
    const bool h_pile = shape == kShapeStrongH || shape == kShapeWeakH;
    Report_Line(Fixed("   Cross-sectional Shape", kEchoLabelWidth) +
                (shape >= kShapeRectangular && shape <= kShapeEmbeddedPole ? kShapeTexts[shape - 1] : "="));
    Echo_Real("   Section Length", sec.rd_SectionLength, kStructuralWidth, std::string(g.units.DepthLabel.view()));
    const std::string area = Unit_Power(2), inertia = Unit_Power(4);
    if (h_pile) {
        Dimension("   Flange Width", sec.rd_ElasWidthTop);
        Dimension("   Section Depth", sec.rd_ElasDepthTop);
        Dimension("   Flange Thickness", sec.rd_FlangeThickness);
        Dimension("   Web Thickness", sec.rd_WebThickness);
        Echo_Real("   Section Area", sec.rd_ElasAreaTop, kStructuralWidth, area);
        Echo_Real("   Moment of Inertia", sec.rd_ElasInertiaTop, kStructuralWidth, inertia);
    } else {
        Dimension("   Top Width", sec.rd_ElasWidthTop);
        Dimension("   Bottom Width", sec.rd_ElasWidthBottom);
        if (shape == kShapeRectangular) {
            Dimension("   Top Section Depth", sec.rd_ElasDepthTop);
            Dimension("   Bottom Section Depth", sec.rd_ElasDepthBottom);
        } else if (shape == kShapePipe) {
            Dimension("   Wall Thickness at Top", sec.rd_ElasDepthTop);
            Dimension("   Wall Thickness at Bottom", sec.rd_ElasDepthBottom);
        }
        Echo_Real("   Top Area", sec.rd_ElasAreaTop, kStructuralWidth, area);
        Echo_Real("   Bottom Area", sec.rd_ElasAreaBottom, kStructuralWidth, area);
        Echo_Real("   Moment of Inertia at Top", sec.rd_ElasInertiaTop, kStructuralWidth, inertia);
        Echo_Real("   Moment of Inertia at Bottom", sec.rd_ElasInertiaBottom, kStructuralWidth, inertia);
        if (shape == kShapeEmbeddedPole) Dimension("   Drilled Hole Diameter", sec.rd_SectionDiameter);
    }
    Echo_Real("   Elastic Modulus", sec.rd_ElasModulus, kStructuralWidth, Unit_Force_Per_Power(2));
    if (!plastic) return;
    if (h_pile) {
        Echo_Real("   Plastic Moment Capacity", sec.rd_PlasticMomentTop, kStructuralWidth, Unit_Moment());
    } else {
        Echo_Real("   Top Plastic Moment Capacity", sec.rd_PlasticMomentTop, kStructuralWidth, Unit_Moment());
        Echo_Real("   Bot Plastic Moment Capacity", sec.rd_PlasticMomentBottom, kStructuralWidth, Unit_Moment());
    }
}

// User-defined nonlinear EI: one table per thrust. Rows: the point in 8
// characters, then moment, stiffness and curvature in fields of 20 characters
// separated by 5 blanks.
void User_EI_Tables(const PileSection& sec) {
    Echo_Int("   Number of Axial Thrusts", sec.i_NumUserEIThrusts, 15);
    const std::string moment = Unit_Moment();
    const std::string stiffness = Unit_Force() + "-" + Unit_Power(2);
    const std::string curvature = "rad/" + Unit_Length();
    for (int t = 1; t <= sec.i_NumUserEIThrusts && t <= kMaxUserEIThrusts; ++t) {
        Report_Blank_Lines(1);
        Echo_Real("   Axial Thrust", sec.rd_UserEIThrust(t), kStructuralWidth, std::string(g.units.ForceLabel.view()));
        Echo_Int("   Number of M-EI Points", sec.i_NumUserEIPts(t), 15);
        Report_Blank_Lines(1);
        Report_Line("   Point         Bending Moment         Bending Stiffness         Bending Curvature");
        std::string units = "    No.            " + moment;
        units.resize(45, ' ');
        units += stiffness;
        units.resize(70, ' ');
        Report_Line(units + curvature);
        Report_Line("   -----      --------------------     --------------------     --------------------");
        for (int j = 1; j <= sec.i_NumUserEIPts(t) && j <= kMaxUserEIPts; ++j) {
            const double m = sec.rd_UserEIMoment(t, j), ei = sec.rd_UserEIStiffness(t, j);
            Report_Line(Edit_I(j, 8) + Real_Field(m, 20) + std::string(5, ' ') + Real_Field(ei, 20) +
                        std::string(5, ' ') + Real_Field(m / ei, 20));
        }
        Report_Blank_Lines(1);
    }
}

void Echo_Section(const PileSection& sec) {
    const int type = sec.i_SectionType;
    Type_Line(sec);
    if (type == kElasticPile || type == kElasticPlasticPile) {
        Elastic_Lines(sec, type == kElasticPlasticPile);
        return;
    }
    Echo_Real("   Section Length  ", sec.rd_SectionLength, kStructuralWidth, std::string(g.units.DepthLabel.view()));
    const double d = sec.rd_SectionDiameter;
    switch (type) {
        case kDrilledShaft:
        case kCasedShaft:
        case kCasedCoredShaft:
        case kUserEIPile: Dimension("   Section Diameter", d); break;
        case kSteelPipe:
        case kCircSolidPrestressed: Dimension("   Pile Diameter   ", d); break;
        case kCircHollowPrestressed:
            Dimension("   Pile Diameter   ", d);
            Dimension("   Void Diameter   ", sec.rd_VoidDiameter);
            break;
        case kSquareSolidPrestressed:
            Dimension("   Pile Width      ", d);
            Dimension("   Corner Chamfer  ", sec.rd_ChamferSize);
            break;
        case kSquareHollowPrestressed:
            Dimension("   Pile Width      ", d);
            Dimension("   Void Diameter   ", sec.rd_VoidDiameter);
            Dimension("   Corner Chamfer  ", sec.rd_ChamferSize);
            break;
        case kOctSolidPrestressed: Dimension("   Pile Width      ", d); break;
        case kOctHollowPrestressed:
            Dimension("   Pile Width      ", d);
            Dimension("   Void Diameter   ", sec.rd_VoidDiameter);
            break;
        case kMicropile: Dimension("   Section Width   ", d); break;
        default: break;
    }
    if (type == kUserEIPile) User_EI_Tables(sec);
}

}  // namespace

void Echo_Input_Sections() {
    const ProblemData& pd = g.pd;
    Report_Blank_Lines(2);
    Report_Line("Input Structural Properties:");
    Report_Line(std::string(28, '-'));
    for (int s = 1; s <= pd.i_NumSections && s <= kMaxSections; ++s) {
        Report_Blank_Lines(1);
        Report_Line("Pile Section No. " + Int_Text(s) + ":");
        Report_Blank_Lines(1);
        Echo_Section(pd.Section(s));
    }
    Report_Blank_Lines(2);
}

}  // namespace tarvex
