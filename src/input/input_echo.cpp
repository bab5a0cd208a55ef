// Input echo: the whole problem as the engineer gave it, block by block, each
// check raising its input error right after the block that shows its data.
// Blocks open with two empty lines and their frame, then one empty line.
#include <string>

#include "engine/store.h"
#include "input/echo_blocks.h"
#include "input/echo_lines.h"
#include "input/input_checks.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "solver/pile_nodes.h"

namespace tarvex {
namespace {

constexpr int kPileResponse = 3;
constexpr int kUserEIResponse = 5;
constexpr double kPi = 3.141592653589793;
constexpr double kResetToleranceUS = 9.999999974752427E-7;     // 1.0E-6 in, single precision
constexpr double kResetToleranceOther = 2.5400000325248584E-8;  // 2.54E-8 m, single precision

void Message(std::string_view text) { Put_Line(g_Out.msg, text); }

std::string Depth_Unit() { return std::string(g.units.DepthLabel.view()); }

void Echo_Title() {
    Report_Blank_Lines(1);
    Write_Block_Heading(32, "Problem Title");
    Report_Blank_Lines(1);
    for (int k = 1; k <= kMaxTitleLines; ++k) Report_Line(g.pd.Title(k).view());
}

void Echo_Option(bool when, std::initializer_list<std::string_view> yes, std::initializer_list<std::string_view> no) {
    for (std::string_view line : when ? yes : no) Report_Line(line);
}

void Echo_Computation_Options() {
    const ProblemData& pd = g.pd;
    Report_Line("Computation Options:");
    Echo_Option(pd.i_NumPYMult > 0, {"- Analysis uses p-y multiplers for group action"},
                {"- Analysis does not use p-y multipliers (individual pile or shaft only)"});
    Echo_Option(pd.i_NumTipShearPts > 0, {"- Analysis uses tip shear resistance for short pile or shaft"},
                {"- Analysis assumes no shear resistance at pile tip"});
    Echo_Option(pd.KYL != 0,
                {"- Analysis includes automatic computation of pile-top deflection vs.", "  pile embedment length"},
                {"- Analysis for fixed-length pile or shaft only"});
    Echo_Option(on(pd.b_ComputeKmatrix), {"- Analysis includes computation of foundation stiffness matrix values "},
                {"- No computation of foundation stiffness matrix values"});
    Echo_Option(on(pd.b_PrintSummaryOnly),
                {"- Report summary table of pile-top values for deflection, maximum bending ",
                 "  moment, and shear force only"},
                {"- Report pile response for full length of pile"});
    Echo_Option(on(pd.b_UseSoilMovement), {"- Analysis includes loading by soil movements acting on pile"},
                {"- Analysis assumes no loading by soil movements acting on pile"});
    Echo_Option(pd.i_PrintPYCurves != 0, {"- p-y curves computed and reported at user-specified depths"},
                {"- No p-y curves to be computed and reported for user-specified depths"});
    Report_Blank_Lines(1);
}

// The solution controls; a negative tolerance is replaced by the default of its units.
void Echo_Solution_Controls() {
    ProblemData& pd = g.pd;
    const std::string length(g.units.LengthLabel.view());
    Report_Line("Solution Control Parameters:");
    Echo_Int("- Number of pile increments", pd.i_NumIncrements, 12);
    Echo_Int("- Maximum number of iterations allowed", pd.i_MaxIterations, 12);
    Echo_Label("- Deflection tolerance for convergence");
    Report_Line(Edit_E(pd.rd_ConvergenceTol, 12, 4) + " " + length);
    Echo_Label("- Maximum allowable deflection");
    Report_Line(Edit_F(pd.rd_MaxDeflection, 12, 4) + " " + length);
    Report_Blank_Lines(1);
    if (pd.rd_ConvergenceTol < 0) {
        const bool us = pd.IUNITS == kUnitsUS;
        pd.rd_ConvergenceTol = us ? kResetToleranceUS : kResetToleranceOther;
        Report_Line("(Specified convergence tolerance of 0 reset by program to" + Edit_E(pd.rd_ConvergenceTol, 11, 4) +
                    (us ? " inches)" : " meters)"));
        Report_Blank_Lines(1);
    }
}

void Echo_Output_Options() {
    const ProblemData& pd = g.pd;
    Report_Line("Pile Response Output Options:");
    if (on(pd.b_PrintSummaryOnly)) {
        Report_Line("- Only summary tables of pile-head deflection, maximum bending moment,");
        Report_Line("  and maximum shear force are to be written to output report file.");
    } else {
        Report_Line("- Values of pile-head deflection, bending moment, shear force, and ");
        Report_Line("  soil reaction are printed for full length of pile.");
        Echo_Label("- Printing Increment (nodal spacing of output points)");
        Report_Line(Int_Text(pd.i_PrintIncrement));
    }
    Report_Blank_Lines(2);
}

void Echo_Program_Options() {
    const ProblemData& pd = g.pd;
    Echo_Heading(2, 31, "Program Options");
    Report_Blank_Lines(1);
    switch (pd.IUNITS) {
        case kUnitsUS: Report_Line("Engineering units are US Customary Units: pounds, inches, feet"); break;
        case kUnitsSI: Report_Line("Engineering units are SI Units: kilonewtons, meters, millimeters"); break;
        case kUnitsGeneric: Report_Line("Engineering units are Generic Units: force, length"); break;
        default: break;
    }
    Report_Blank_Lines(1);
    Report_Line("Basic Program Options:");
    Report_Blank_Lines(1);
    switch (pd.ICOM) {
        case kMomentCapacityOnly:
            Report_Line("This analysis computes nominal moment capacity and nonlinear bending stiffness only.");
            Report_Blank_Lines(1);
            return;
        case kPileResponse:
            Report_Line("This analysis computes pile response to lateral loading and will compute nonlinear ");
            Report_Line("moment-curvature and nominal moment capacity for section types with nonlinear properties.");
            Report_Blank_Lines(1);
            break;
        case kUserEIResponse:
            Report_Line("This analysis computes pile response using user-specified nonlinear bending stiffness.");
            Report_Blank_Lines(1);
            break;
        default: break;
    }
    Echo_Computation_Options();
    Echo_Solution_Controls();
    Echo_Output_Options();
}

void Echo_Pile_Geometry() {
    const ProblemData& pd = g.pd;
    Echo_Heading(2, 20, "Pile Structural Properties and Geometry");
    Report_Blank_Lines(1);
    Echo_Int("Total Number of Sections", pd.i_NumSections, 10);
    Report_Blank_Lines(1);
    Echo_Label("Total Pile Length");
    Report_Line(Edit_F(pd.rd_PileLength, 10, 2) + " " + Depth_Unit());
    Report_Blank_Lines(1);
    Echo_Label("Depth of ground surface below top of pile");
    Report_Line(Edit_F(pd.XGround, 10, 2) + " " + Depth_Unit());
    Report_Blank_Lines(1);
    Report_Line("Pile dimensions used for p-y curve computations defined using " + Int_Text(pd.i_NumPilePoints) +
                " points.");
    Report_Line("p-y curves are computed using values of pile diameter interpolated over ");
    Report_Line("the length of the pile.");
    Report_Blank_Lines(1);
    // Rows: the point in 5 characters, its depth in 15 and its width in 20 (3 and 4 decimals).
    Report_Line("Point         Depth              Pile   ");
    Report_Line("                X              Diameter ");
    Report_Line(Tab_To(Tab_To("", 17) + Depth_Unit(), 35) + std::string(g.units.LengthLabel.view()));
    Report_Line("-----       ---------        -----------");
    for (int k = 1; k <= pd.i_NumPilePoints && k <= kMaxPilePoints; ++k)
        Report_Line(Edit_I(k, 5) + Edit_F(pd.rd_PilePointX(k), 15, 3) + Edit_F(pd.rd_PilePointDiam(k), 20, 4));
}

// An angle in degrees (3 decimals) and, on the next line, in radians (6 decimals).
void Echo_Angle(std::string_view label, double radians) {
    Echo_Label(label);
    Report_Line(Edit_F(radians * 180.0 / kPi, 12, 3) + " degrees");
    Echo_Label("");
    Report_Line(Edit_F(radians, 12, 6) + " radians");
}

void Echo_Slope_And_Batter() {
    Echo_Heading(2, 22, "Ground Slope and Pile Batter Angles");
    Report_Blank_Lines(1);
    Echo_Angle("Ground Slope Angle", g.pd.rd_SlopeAngle);
    Report_Blank_Lines(1);
    Echo_Angle("Pile Batter Angle", g.pd.rd_BatterAngle);
    Report_Blank_Lines(2);
}

void Echo_PY_Multipliers() {
    const ProblemData& pd = g.pd;
    if (pd.i_NumPYMult <= 0) return;
    Echo_Heading(2, 19, "p-y Modification Factors for Group Action");
    Report_Blank_Lines(1);
    Report_Line("Distribution of p-y modifiers with depth defined using " + Int_Text(pd.i_NumPYMult) + " points");
    Report_Blank_Lines(1);
    Report_Line("Point      Depth X         p-mult         y-mult");
    Report_Line(" No.          " + Depth_Unit());
    Report_Line("-----     ----------     ----------     ----------");
    for (int i = 1; i <= pd.i_NumPYMult && i <= kMaxPYMult; ++i)
        Report_Line(Edit_I(i, 3) + Edit_F(pd.rd_PYMultDepth(i), 17, 3) + Edit_F(pd.rd_PMult(i), 15, 4) +
                    Edit_F(pd.rd_YMult(i), 15, 4));
}

void Echo_Soil_Movements() {
    const ProblemData& pd = g.pd;
    if (pd.i_NumSoilMovePts <= 1) return;
    Echo_Heading(2, 29, "Lateral Soil Movements");
    Report_Blank_Lines(1);
    Report_Line("Profile of soil movement with depth defined using " + Int_Text(pd.i_NumSoilMovePts) + " points");
    Report_Blank_Lines(1);
    Report_Line("Point       Depth X     Soil Movement");
    Report_Line(Tab_To(Tab_To(" No.", 16) + Depth_Unit(), 31) +
                std::string(g.units.LengthLabel.view().substr(0, 2)));
    Report_Line("-----     ----------    -------------");
    for (int i = 1; i <= pd.i_NumSoilMovePts && i <= kMaxSoilMovePts; ++i)
        Report_Line(Edit_I(i, 3) + "  " + Edit_F(pd.rd_SoilMoveDepth(i), 15, 5) + Edit_F(pd.rd_SoilMove(i), 15, 5));
    Report_Blank_Lines(1);
}

void Echo_Loading_Type() {
    if (!on(g.pd.b_CyclicLoading)) {
        Echo_Heading(2, 33, "Loading Type");
        Report_Blank_Lines(1);
        Report_Line("Static loading criteria were used when computing p-y curves for all analyses.");
        return;
    }
    Echo_Heading(2, 34, "Loading Type");
    Report_Blank_Lines(1);
    Report_Line("Cyclic loading criteria were used for computation of p-y curves for all analyses.");
    Report_Blank_Lines(1);
    Report_Line(Cycles_Line());
    Check_Number_Of_Cycles();
}

void Echo_Distributed_Loads() {
    const ProblemData& pd = g.pd;
    if (pd.i_NumDistLoadPts <= 0) return;
    Echo_Heading(2, 27, "Distributed Lateral Loading");
    Report_Blank_Lines(1);
    Report_Line("Distributed lateral load intensity defined using " + Int_Text(pd.i_NumDistLoadPts) + " points");
    Report_Blank_Lines(1);
    Report_Line("Point           Depth X            Dist. Load");
    Report_Line(Tab_To(Tab_To(" No.", 20) + Unit_Length(), 38) + Unit_Force_Per_Length());
    Report_Line("-----          ----------          ----------");
    for (int i = 1; i <= pd.i_NumDistLoadPts && i <= kMaxDistLoadPts; ++i)
        Report_Line(Edit_I(i, 3) + Edit_F(pd.rd_DistLoadDepth(i), 20, 3) + Edit_F(pd.rd_DistLoad(i), 20, 3));
    Report_Blank_Lines(1);
}

void Echo_Tip_Shear_Curve() {
    const ProblemData& pd = g.pd;
    if (pd.i_NumTipShearPts <= 0) return;
    Echo_Heading(2, 22, "Shear Resistance Curve at Pile Tip ");
    Report_Blank_Lines(1);
    Report_Line("Point     Displacement     Tip Shear Force");
    Report_Line(Tab_To(Tab_To(" No.", 16) + Fixed(Unit_Length(), 2), 36) +
                std::string(g.units.ForceLabel.view()));
    Report_Line("-----     ------------     ---------------");
    for (int i = 1; i <= pd.i_NumTipShearPts && i <= kMaxTipShearPts; ++i)
        Report_Line(Edit_I(i, 4) + std::string(5, ' ') + Edit_F(pd.rd_TipShearY(i), 10, 3) + std::string(10, ' ') +
                    Edit_F(pd.rd_TipShearV(i), 10, 3));
}

void Echo_PY_Output_Depths() {
    ProblemData& pd = g.pd;
    if (pd.i_PrintPYCurves <= 0) return;
    Echo_Heading(2, 19, "Specified Depths for Output of p-y Curves");
    Report_Blank_Lines(1);
    Filter_PY_Output_Depths();
    Report_Line("Lateral load-transfer (p-y) curves are computed and output at " + Int_Text(pd.i_NumPYOutDepths) +
                " depths.");
    Report_Line("(Note that these curves are independent from the curves used at nodal point depths)");
    Report_Blank_Lines(2);
    Report_Line("Depth      Depth Below Pile Head      Depth Below Ground Surface");
    Report_Line(Tab_To(Tab_To(" No.", 22) + Depth_Unit(), 49) + Depth_Unit());
    Report_Line("-----      ---------------------      --------------------------");
    for (int k = 1; k <= pd.i_NumPYOutDepths; ++k)
        Report_Line(Edit_I(k, 3) + Edit_F(pd.rd_PYOutDepth(k), 22, 3) +
                    Edit_F(pd.rd_PYOutDepth(k) - pd.XGround, 27, 3));
    Report_Blank_Lines(1);
    Report_Line("Depth of ground surface below top of pile = " + Edit_F(pd.XGround, 10, 2) + " " + Depth_Unit());
    Report_Blank_Lines(1);
}

// The soil, the loads and their checks of a pile-response run.
void Echo_Soil_And_Loads() {
    Echo_Slope_And_Batter();
    Echo_Soil_Layers();
    Echo_PY_Multipliers();
    Echo_Soil_Movements();
    Echo_Loading_Type();
    Echo_Distributed_Loads();
    if (on(g.pd.b_UseLRFD))
        Write_LRFD_Input();
    else
        Write_Pile_Head_Loads();
    Echo_Tip_Shear_Curve();
    Check_Tip_Shear_Curve();
    Echo_PY_Output_Depths();
}

}  // namespace

void Echo_And_Check_Input() {
    const bool response = g.pd.ICOM != kMomentCapacityOnly;
    Message("Output of input data begun");
    Make_Layer_Tops_Contiguous();
    Echo_Title();
    Echo_Program_Options();
    Echo_Pile_Geometry();
    Echo_Input_Sections();
    Check_Pile_Widths();
    if (response) Echo_Soil_And_Loads();
    // The earlier formats give no pile property points in the moment-capacity mode.
    if (response || g.run.FormatTag == "TARVEX6") Check_Pile_Point_Count();
    if (response) {
        Check_Soil_Profile();
        Check_Load_Cases();
    }
    Message("Output of input data completed");
}

}  // namespace tarvex
