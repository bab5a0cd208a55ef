// Undrained shear strength (uniaxial compressive strength for rock) at a depth,
// with the rules that decide the value exactly at a layer interface.
#include <cmath>
#include <cstdio>
#include <string>

#include "engine/store.h"
#include "input/input_errors.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "soil/py_model_support.h"
#include "soil/soil_profile.h"

namespace tarvex {

namespace {

constexpr double kDepthTol = 1.0E-6;  // a depth this close to a profile point lies on it
constexpr int kStrengthClassError = 30;
constexpr int kInterfaceNotFound = 999;
constexpr const char* kSupportAddress = "support@tarvex.example";

std::string List_Real(double x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15G", x);
    return buf;
}
const char* List_Flag(bool b) { return b ? "T" : "F"; }

// Runtime error 30: a layer of no p-y model at an interface.
[[noreturn]] void Stop_Strength_Class(double x, int upper, int lower, int j, bool at_tip) {
    const ProblemData& pd = g.pd;
    Report_Blank_Lines(2);
    Report_Line(" ***** Runtime Error No. 30 *****");
    Report_Blank_Lines(1);
    Report_Line(std::string("Error in fn_c, please report by email to ") + kSupportAddress);
    Report_Blank_Lines(1);
    Report_Line(" X value for f(c) = " + List_Real(x));
    Report_Line(" Soil types: 1 = cohesive, 2 = cohesionless, 3 = rock, 4= user input)");
    Report_Line(" Soil type above        = " + Int_Text(upper));
    Report_Line(" Soil type below        = " + Int_Text(lower));
    Report_Line(" cohesionless           = " + Int_Text(kCohesionless));
    Report_Line(" cohesive               = " + Int_Text(kCohesive));
    Report_Line(" JBOT index             = " + Int_Text(j) + "  = index number of strength value below depth in question");
    Report_Line(std::string(" At tip condition       = ") + List_Flag(at_tip) + " , T = true, F = false");
    Report_Line(" i_SoilLayer_py_Type(JBOT/2)          = " + Int_Text(pd.i_SoilLayer_py_Type(j / 2)));
    Report_Line(" i_SoilLayer_py_Type(JBOT/2+1)        = " + Int_Text(pd.i_SoilLayer_py_Type(j / 2 + 1)));
    Stop_Runtime_Error(kStrengthClassError);
}

// Internal error: a depth at an interior profile point that no pair of layers meets at.
[[noreturn]] void Stop_Interface_Not_Found(double x, bool at_tip, int ktop, int kbot) {
    const ProblemData& pd = g.pd;
    const bool at_node = on(g.soil.b_AtNode);
    Report_Blank_Lines(2);
    Report_Line("Internal error in function C (undrained shear strength)");
    Report_Line("The layer interface cannot be located");
    Report_Line("Please contact Varnel for support");
    Report_Blank_Lines(1);
    Report_Line("Elevation             = " + List_Real(x));
    Report_Line(std::string("b_AtInterface         = ") + List_Flag(at_node));
    Report_Line(std::string("b_InMiddle            = ") + List_Flag(!at_node));
    Report_Line(std::string("b_AtTip               = ") + List_Flag(at_tip));
    Report_Line(std::string("b_AtNode              = ") + List_Flag(at_node));
    Report_Line("Layer index above     = " + Int_Text(ktop));
    Report_Line("Layer index below     = " + Int_Text(kbot));
    Report_Line("DABS(X-XLayerBottom(KTOP))    = " + List_Real(std::fabs(x - pd.XLayerBottom(ktop))));
    Report_Line("DABS(X-XLayerTop(KBOT))    = " + List_Real(std::fabs(x - pd.XLayerTop(kbot))));
    Stop_With_Error(Error_Code(kInterfaceNotFound), kInterfaceNotFound);
}

bool Is_Model_Code(int code) { return code >= 1 && code <= kNumPyModels; }

// Strength at an interface from the upper layer's bottom value a and the lower
// layer's top value b. Clay and rock share their strengths; a layer without a
// strength of its own (sand, user curves, elastic subgrade) takes its
// neighbour's; any other pair takes the lower layer's value, the layer the
// node at the interface belongs to.
double Interface_Strength(int upper, int lower, double a, double b) {
    const bool lower_other = lower == kCohesionless || lower == kUserSoil || lower == kElasticSoil;
    if (upper == kCohesive && lower == kCohesive) return (a + b) * 0.5;
    if (upper == kCohesive && lower == kRock) return (2 * a + b) * 0.5;
    if (upper == kRock && lower == kCohesive) return (2 * b + a) * 0.5;
    if (upper == kRock && lower == kRock) return (a + b) * 0.5;
    if ((upper == kCohesive || upper == kRock) && lower_other) return a;
    return b;
}

}  // namespace

int Soil_Class(int k, double strength) {
    switch (g.pd.i_SoilLayer_py_Type(k)) {
        case kSoftClay: case kStfClyBW: case kStfClyAW: case kStfClyAK: case kSoftClyJ: return kCohesive;
        case kSand: case kAPISand: case kLiqSand: case kKSLoess: return kCohesionless;
        case kCemSilt: return strength > 0.0 ? kCohesive : kCohesionless;
        case kWeakRock: case kVuggyLS: case kMassRock: return kRock;
        case kUserPy: return kUserSoil;
        case kElastSG: return kElasticSoil;
        default: return kUnknownSoil;
    }
}

double fn_c(double x) {
    const ProblemData& pd = g.pd;
    const auto& z = pd.rd_ProfileDepth;
    const auto& c = pd.rd_ProfileStrength;
    const int np = pd.i_NumProfilePoints;

    g.soil.b_AtNode = kFalse;
    for (int i = 2; i <= np - 1; ++i)
        if (std::fabs(x - z(i)) <= kDepthTol) g.soil.b_AtNode = kTrue;
    const bool at_tip = x == pd.rd_PileLength;

    int j = 0;
    for (int i = 2; i <= np && j == 0; ++i)
        if (x <= z(i) + kDepthTol) j = i;
    if (j == 0)
        Input_Check_Error(5, {"An error was detected that is related to an incompatibility",
                                  "between the input data defining pile embedment depth and soil ",
                                  "shear strength values versus depth.", "",
                                  "Problem:  The value for a pile station depth is " + Edit_E(x, 12, 4),
                                  "This depth is below the deepest extent of the input curve for",
                                  "soil shear strength versus depth at " + Edit_F(z(np), 10, 3), "",
                                  "Solution:  Please revise the input data by either extending ",
                                  "the maximum depth for soil shear strength or shorten the ",
                                  "pile to be wholly within the defined soil layers.", ""});
    if (std::fabs(x - z(np)) <= kDepthTol) return c(np);

    if (!on(g.soil.b_AtNode)) {
        const double dz = z(j) - z(j - 1);
        if (dz <= 0.0)
            Input_Check_Error(60, {"An error was found in the strength of soil input data when interpolating ",
                                       "to obtain values of cohesion or uniaxial compressive strength.", "",
                                       "Problem:  The depth increment between the upper and lower soil depths in a ",
                                       "layer is zero.  The depth of computation is " + Edit_E(x, 12, 4), "",
                                       "Solution:  Examine the program output file to find the depth in question",
                                       "and correct the soil layer depth values. ", ""});
        return c(j - 1) + (x - z(j - 1)) * (c(j) - c(j - 1)) / dz;
    }

    int ktop = 0, kbot = 0;
    bool found = false;
    for (kbot = 2; kbot <= pd.i_Number_of_Layers; ++kbot) {
        ktop = kbot - 1;
        if (std::fabs(x - pd.XLayerBottom(ktop)) < kDepthTol && std::fabs(x - pd.XLayerTop(kbot)) < kDepthTol) {
            found = true;
            break;
        }
    }
    if (!found) Stop_Interface_Not_Found(x, at_tip, ktop, kbot > pd.i_Number_of_Layers ? kbot - 1 : kbot);

    const double a = c(j), b = c(j + 1);
    const int upper = Soil_Class(ktop, a);
    const int lower = Soil_Class(kbot, b);
    if (at_tip) return a;
    // A layer that has no p-y model at all leaves nothing sound to take.
    if (!Is_Model_Code(pd.i_SoilLayer_py_Type(ktop)) || !Is_Model_Code(pd.i_SoilLayer_py_Type(kbot)))
        Stop_Strength_Class(x, upper, lower, j, at_tip);
    return Interface_Strength(upper, lower, a, b);
}

}  // namespace tarvex
