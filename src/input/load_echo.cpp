// Input echo of the loads: the pile-head load cases with their fixity
// conditions, or the LRFD load groups, combinations and factored loads.
#include <cmath>
#include <string>

#include "engine/store.h"
#include "input/echo_blocks.h"
#include "input/echo_lines.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "solver/lrfd_combinations.h"

namespace tarvex {
namespace {

constexpr double kMinBatterAngle = 1.0E-6;    // radians; a smaller batter transforms nothing
constexpr double kDefaultResistanceFactor = 0.75;
constexpr double kRadiansToDegrees = 180.0 / 3.141592653589793;

// A pile-head condition: its symbol, the value in exponent form (11 characters,
// 4 decimals), a blank and the unit in 7 characters: 23 characters in all.
std::string Condition(std::string_view symbol, double value, const std::string& unit) {
    return std::string(symbol) + Edit_E(value, 11, 4) + " " + Fixed(unit, 7);
}

std::string Pile_Head_Row(int i) {
    const ProblemData& pd = g.pd;
    const std::string length = Unit_Length(), force = Unit_Force();
    const std::string shear = force, moment = Unit_Moment(), slope = length + "/" + length;
    const std::string stiffness = moment, deflection = length;
    const double c1 = pd.rd_LoadCond1(i), c2 = pd.rd_LoadCond2(i);
    const int type = pd.i_LoadType(i);
    std::string first, second;
    switch (type) {
        case 1: first = Condition("V = ", c1, shear), second = Condition("M = ", c2, moment); break;
        case 2: first = Condition("V = ", c1, shear), second = Condition("S = ", c2, slope); break;
        case 3: first = Condition("V = ", c1, shear), second = Condition("R = ", c2, stiffness); break;
        case 4: first = Condition("y = ", c1, deflection), second = Condition("M = ", c2, moment); break;
        case 5: first = Condition("y = ", c1, deflection), second = Condition("S = ", c2, slope); break;
        default: first = second = std::string(23, ' '); break;
    }
    return Edit_I(i, 4) + std::string(5, ' ') + Int_Text(type) + std::string(5, ' ') + first + "   " + second +
           "   " + Edit_E(pd.rd_AxialThrust(i), 12, 4) + " " + Fixed(force, 3) + "   " +
           (on(pd.b_ComputeYvsL(i)) ? "True" : "False");
}

constexpr const char* kGroupTypeTexts[kNumLRFDLoadTypes] = {
    "Dead Load   (DL)", "Live Load   (LL)", "Earthquake  (EQ)", "Impact Load (IM)", "Wind Load    (W)",
    "Water Load  (HW)", "Ice Load   (Ice)", "Horiz. Soil (Hs)", "Live Roof   (Lr)", "Rain Load   (DL)",
    "Snow Load   (DL)", "Temperature (Tm)", "Special     (Sp)",
};
constexpr const char* kTotalTypeTexts[kNumLRFDLoadTypes] = {
    "Dead Loads   (DL)", "Live Loads   (LL)", "Earthquake   (EQ)", "Impact Load  (IM)", "Wind Loads    (W)",
    "Water Loads  (HW)", "Ice Loads   (Ice)", "Horiz. Soil  (Hs)", "Live Roof    (Lr)", "Rain Loads   (Rn)",
    "Snow Loads   (Sn)", "Temperature  (Tm)", "Special      (Sp)",
};
constexpr const char* kFactorSuffixes[kNumLRFDLoadTypes] = {
    "*DL", "*LL", "*EQ", "*IM", "*W ", "*HW", "*Ice", "*Hs", "*Lr", "*Rn", "*Sn", "*Tm", "*Sp",
};

bool US() { return g.pd.IUNITS == kUnitsUS; }
std::string Name(int j) { return std::string(g.pd.ComboName(j).trimmed()); }
std::string Dashes(int n) { return std::string(size_t(n), '-'); }

void LRFD_Groups() {
    const ProblemData& pd = g.pd;
    Report_Blank_Lines(3);
    Report_Line(Dashes(79));
    Report_Line("                  Unfactored Loading Groups for LRFD Analysis");
    Report_Line(Dashes(79));
    Report_Blank_Lines(1);
    Report_Line("Number of Loading Groups = " + Int_Text(pd.i_NumLRFDLoads));
    Report_Blank_Lines(1);
    Report_Line("      Load                    Load                Horiz. Force               Moment                "
                "Axial Force           Number of ");
    Report_Line(US() ? "      Group                   Type                     lbs                  inch-lbs           "
                       "        lbs             Distrib. Lds. "
                     : "      Group                   Type                     kN                     kN-m           "
                       "          kN              Distrib. Lds. ");
    Report_Line("-----------------      ------------------      ------------------      ------------------      "
                "------------------      -------------");
    for (int i = 1; i <= pd.i_NumLRFDLoads && i <= kMaxLRFDLoads; ++i) {
        const int t = pd.i_LRFDLoadType(i);
        Report_Line(Edit_I(i, 9) + std::string(15, ' ') +
                    Fixed(t >= 1 && t <= kNumLRFDLoadTypes ? kGroupTypeTexts[t - 1] : "", 16) +
                    Edit_F(pd.rd_LRFDShear(i), 24, 2) + Edit_F(pd.rd_LRFDMoment(i), 24, 2) +
                    Edit_F(pd.rd_LRFDAxial(i), 24, 2) + Edit_I(pd.i_LRFDNumDist(i), 14));
    }
    for (int i = 1; i <= pd.i_NumLRFDLoads && i <= kMaxLRFDLoads; ++i) {
        const int nd = pd.i_LRFDNumDist(i);
        if (nd <= 0) continue;
        Report_Blank_Lines(2);
        Report_Line("Number of Distributed Loading Points Input for Load Group " + Int_Text(i) + " = " + Int_Text(nd));
        Report_Blank_Lines(1);
        Report_Line("Point           Depth          Distributed Load");
        Report_Line(US() ? "                  ft               lb/inch   " : "                  m                kN/m      ");
        Report_Line("-----     ----------------     ----------------");
        for (int k = 1; k <= nd && k <= kMaxLRFDDistPts; ++k)
            Report_Line(Edit_I(k, 4) + Edit_F(pd.rd_LRFDDistDepth(k, i), 21, 2) + Edit_F(pd.rd_LRFDDist(k, i), 21, 2));
    }
}

void LRFD_Type_Totals() {
    Report_Blank_Lines(2);
    Report_Line("Totals of Unfactored Loads by Load Type for LRFD Analyses:");
    Report_Line(Dashes(58));
    Report_Blank_Lines(1);
    Report_Line("Number of Defined Unfactored Load Cases = " + Int_Text(g.pd.i_NumLRFDLoads));
    Report_Blank_Lines(1);
    Report_Line("The following table presents the sum of unfactored pile-head loads for each load type.");
    Report_Blank_Lines(1);
    Report_Line("      Load                Horiz. Force               Moment                Axial Force           "
                "Number of ");
    Report_Line(US() ? "      Type                     lbs                  inch-lbs                   lbs           "
                       "      Loads   "
                     : "      Type                     Kn                     Kn-M                     kN            "
                       "      Loads   ");
    Report_Line("-----------------      ------------------      ------------------      ------------------      "
                "------------");
    for (int t = 1; t <= kNumLRFDLoadTypes; ++t)
        Report_Line(std::string(kTotalTypeTexts[t - 1]) + Edit_F(LRFD_Type_Total_Shear(t), 24, 2) +
                    Edit_F(LRFD_Type_Total_Moment(t), 24, 2) + Edit_F(LRFD_Type_Total_Axial(t), 24, 2) +
                    Edit_I(LRFD_Type_Group_Count(t), 12));
    Report_Blank_Lines(3);
}

double Shown_Factor(double phi) { return phi <= 0 ? kDefaultResistanceFactor : phi; }

void LRFD_Factors() {
    const ProblemData& pd = g.pd;
    Report_Line(Dashes(77));
    Report_Line("     Load and Resistance Factors by Load Combinations for LRFD Analyses      ");
    Report_Line(Dashes(77));
    Report_Blank_Lines(1);
    Report_Line("Number of Factored Load Combinations = " + Int_Text(pd.i_NumLRFDCombos));
    Report_Blank_Lines(1);
    Report_Line("Summary of Load and Resistance Factors:");
    Report_Line(Dashes(39));
    Report_Blank_Lines(1);
    Report_Line(" No.    DL     LL     EQ     IM    Wind   Watr    Ice   Soil   Roof   Rain   Snow   Temp   Spec   "
                "M RF   V RF   Name");
    Report_Line("----   ----   ----   ----   ----   ----   ----   ----   ----   ----   ----   ----   ----   ----   "
                "----   ----   ---------------------");
    for (int j = 1; j <= pd.i_NumLRFDCombos && j <= kMaxLRFDCombos; ++j) {
        std::string row = Edit_I(j, 3) + " ";
        for (int t = 1; t <= kNumLRFDLoadTypes; ++t) {
            const double f = pd.rd_LoadFactor(t, j);
            row += f <= 0 ? "    -- " : Edit_F(f, 7, 2);
        }
        Report_Line(row + Edit_F(pd.rd_PhiFlexure(j), 7, 2) + Edit_F(pd.rd_PhiShear(j), 7, 2) + "   " + Name(j));
    }
}

std::string Formula(int j) {
    std::string line = "Factored Load = ";
    for (int t = 1; t <= kNumLRFDLoadTypes; ++t) {
        const double f = g.pd.rd_LoadFactor(t, j);
        if (!(f > 0)) continue;
        line += (t == 1 ? "" : " +") + Edit_F(f, 5, 2) + kFactorSuffixes[t - 1];
    }
    return line + " ";
}

void LRFD_Factored_Loads() {
    const ProblemData& pd = g.pd;
    Report_Blank_Lines(3);
    Report_Line(Dashes(78));
    Report_Line(std::string(18, ' ') + "Computed Factored Loads for LRFD Analyses");
    Report_Line(Dashes(78));
    Report_Blank_Lines(1);
    for (int j = 1; j <= pd.i_NumLRFDCombos && j <= kMaxLRFDCombos; ++j) {
        Report_Line("Factored Load Combination No. " + Int_Text(j));
        Report_Line(Dashes(33));
        Report_Blank_Lines(1);
        Report_Line("Load Combination Name = " + std::string(pd.ComboName(j).view()));
        Report_Blank_Lines(1);
        Report_Line("Structural Resistance Factor for Flexure =" + Edit_F(Shown_Factor(pd.rd_PhiFlexure(j)), 6, 3));
        Report_Line("Structural Resistance Factor for Shear   =" + Edit_F(Shown_Factor(pd.rd_PhiShear(j)), 6, 3));
        Report_Blank_Lines(1);
        Report_Line(Formula(j));
        Report_Blank_Lines(1);
        Report_Line("Factored Horizontal Force = " + Edit_F(Factored_Horizontal(j), 24, 2) + (US() ? " lbs" : " kN"));
        Report_Line("Factored Vertical Force   = " + Edit_F(Factored_Vertical(j), 24, 2) + (US() ? " lbs" : " kN"));
        Report_Line("Factored Moment           = " + Edit_F(Factored_Moment(j), 24, 2) + (US() ? " in-lbs" : " kN-m"));
        Report_Blank_Lines(1);
    }
}

void LRFD_Combination_Totals() {
    const ProblemData& pd = g.pd;
    Report_Blank_Lines(1);
    Report_Line("Totals of Factored Loads by Load Combination:");
    Report_Line(Dashes(45));
    Report_Blank_Lines(2);
    Report_Line("      Load             Factored           Factored           Factored      ");
    Report_Line("   Combination       Horiz. Force          Moment           Vert. Force     Load Combination Name  ");
    Report_Line(US() ? "     Number               lbs              in-lbs               lbs        "
                     : "     Number               kN                kN-m                kN         ");
    Report_Line("  -----------       ------------       ------------       ------------     ----------------------");
    for (int j = 1; j <= pd.i_NumLRFDCombos && j <= kMaxLRFDCombos; ++j)
        Report_Line(Edit_I(j, 9) + std::string(7, ' ') + Edit_F(Factored_Horizontal(j), 19, 2) +
                    Edit_F(Factored_Moment(j), 19, 2) + Edit_F(Factored_Vertical(j), 19, 2) + "   " + Name(j));
}

void LRFD_Batter_Transformation() {
    const ProblemData& pd = g.pd;
    const double b = pd.rd_BatterAngle;
    if (!(std::fabs(b) > kMinBatterAngle)) return;
    Report_Blank_Lines(2);
    Report_Line("Factored Loads Transformed for Pile Batter by Load Combination:");
    Report_Line(Dashes(63));
    Report_Blank_Lines(1);
    Report_Line("Horizontal and vertical loads are transformed into transverse shear and axial loads");
    Report_Line("using the following:");
    Report_Blank_Lines(1);
    Report_Line("Pile PileBatter = " + Edit_F(b * kRadiansToDegrees, 7, 3) + " degrees");
    Report_Blank_Lines(1);
    Report_Line("Transformation Matrix and Equations:");
    Report_Blank_Lines(1);
    Report_Line("   T(1,1) =  Cos(PileBatter) = " + Edit_F(std::cos(b), 8, 4) + "   T(1,2) = Sin(PileBatter) = " +
                Edit_F(std::sin(b), 8, 4));
    Report_Line("   T(2,1) = -Sin(PileBatter) = " + Edit_F(-std::sin(b), 8, 4) + "   T(2,2) = Cos(PileBatter) = " +
                Edit_F(std::cos(b), 8, 4));
    Report_Line("   Shear Force = T(1,1) * Horiz. Force + T(1,2) * Vertical Force");
    Report_Line("   Axial Force = T(2,1) * Horiz. Force + T(2,2) * Vertical Force");
    Report_Blank_Lines(2);
    Report_Line("      Load             Factored           Factored          Factored");
    Report_Line("  Combination         Shear Force          Moment          Axial Force      Load Combination Name  ");
    for (int j = 1; j <= pd.i_NumLRFDCombos && j <= kMaxLRFDCombos; ++j)
        Report_Line(Edit_I(j, 9) + std::string(7, ' ') + Edit_F(Factored_Shear(j), 19, 2) +
                    Edit_F(Factored_Moment(j), 19, 2) + Edit_F(Factored_Axial(j), 19, 2) + "   " + Name(j));
}

void LRFD_Thrusts() {
    Report_Blank_Lines(2);
    Report_Line("Sorted Values of Axial Thrust Forces Sorted for LRFD Computations:");
    Report_Line(Dashes(66));
    Report_Blank_Lines(1);
    const int n = Num_LRFD_Thrusts();
    Report_Line("Number of Unique Axial Thrust Values = " + Int_Text(n));
    Report_Blank_Lines(1);
    Report_Line("Number   Factored Axial Thrust");
    Report_Line("------   ---------------------");
    for (int k = 1; k <= n; ++k) Report_Line(Edit_I(k, 4) + Edit_F(LRFD_Thrust(k), 16, 3));
}

}  // namespace

// Rows: the case in 4 characters, 5 blanks, the type, 5 blanks, the two
// conditions in 23 characters each and the thrust, separated by 3 blanks.
void Write_Pile_Head_Loads() {
    const ProblemData& pd = g.pd;
    Echo_Heading(2, 15, "Pile-head Loading and Pile-head Fixity Conditions");
    Report_Blank_Lines(1);
    Report_Line("Number of loads specified = " + Int_Text(pd.i_NumLoads));
    Report_Blank_Lines(1);
    Report_Line("Load    Load         Condition               Condition            Axial Thrust            Compute");
    std::string units = " No.    Type             1                       2                 Force, " +
                        std::string(g.units.ForceLabel.view());
    units.resize(83, ' ');
    Report_Line(units + "Top y vs. Pile Length");
    Report_Line("-----   ----   --------------------   -----------------------   ----------------   ---------------------");
    for (int i = 1; i <= pd.i_NumLoads && i <= kMaxLoads; ++i) Report_Line(Pile_Head_Row(i));
    Report_Blank_Lines(1);
    Report_Line("V = perpendicular shear force applied to pile head");
    Report_Line("M = bending moment applied to pile head");
    Report_Line("y = lateral deflection relative to pile axis");
    Report_Line("S = pile slope relative to original pile batter angle");
    Report_Line("R = rotational stiffness applie to pile head");
    Report_Line("Axial thrust is assumed to be acting axially for all pile batter angles.");
}

// The groups come from the input; everything after them from the factored
// loads of the combinations.
void Write_LRFD_Input() {
    LRFD_Groups();
    Compute_Factored_Loads();
    LRFD_Type_Totals();
    LRFD_Factors();
    LRFD_Factored_Loads();
    LRFD_Combination_Totals();
    LRFD_Batter_Transformation();
    LRFD_Thrusts();
}

}  // namespace tarvex
