// Input checks: the values the analysis derives from the input, and the checks
// of the pile against its own description and against the soil profile.
#include "input/input_checks.h"

#include <string>

#include "engine/driver.h"
#include "engine/store.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"
#include "solver/lrfd_combinations.h"
#include "solver/pile_nodes.h"

namespace tarvex {
namespace {

constexpr int kMomentCapacityOnly = 2;
constexpr double kResetToleranceUS = 9.999999974752427E-7;     // 1.0E-6 in, single precision
constexpr double kResetToleranceOther = 2.5400000325248584E-8;  // 2.54E-8 m, single precision

// An input error block to the runtime message file and the report, then the stop.
[[noreturn]] void Input_Check_Error(int n, std::initializer_list<std::string_view> body, int blank_before) {
    Write_Error_Block(Input_Error_Heading(n), body, true, blank_before);
    Stop_With_Error(Error_Code(100 + n), 100 + n);
}

void Check_Pile_Widths() {
    ProblemData& pd = g.pd;
    for (int k = 1; k <= pd.i_NumPilePoints && k <= kMaxPilePoints; ++k)
        if (pd.rd_PilePointDiam(k) <= 0)
            Input_Check_Error(27, {"Problem:  Zero values for one of the following values were ",
                                   "entered for one or more values of pile diameter.", "",
                                   "Solution:  NONE of these values may be zero.  Correct the ",
                                   "pile property data in your input data.", ""}, 1);
}

void Reset_Negative_Tolerance() {
    ProblemData& pd = g.pd;
    if (pd.rd_ConvergenceTol >= 0) return;
    pd.rd_ConvergenceTol = pd.IUNITS == kUnitsUS ? kResetToleranceUS : kResetToleranceOther;
}

// Keeps the requested p-y depths that lie between the ground surface and the tip.
void Filter_PY_Output_Depths() {
    ProblemData& pd = g.pd;
    if (pd.i_PrintPYCurves != 1) return;
    const int n = pd.i_NumPYOutDepths;
    pd.i_NumPYOutDepths = 0;
    pd.i_PrintPYCurves = 0;
    for (int k = 1; k <= n; ++k) {
        const double d = pd.rd_PYOutDepth(k);
        if (pd.XGround <= d && d >= 0 && d <= pd.rd_PileLength) {
            pd.rd_PYOutDepth(++pd.i_NumPYOutDepths) = d;
            pd.i_PrintPYCurves = 1;
        } else if (d > pd.rd_PileLength) {
            const std::string point = "Input Point " + Int_Text(k) + " at " + Edit_F(d, 7, 2) +
                                      std::string(g.units.DepthLabel.view()) + " " +
                                      " was not printed because it is below the pile tip.";
            Input_Check_Error(30, {"Problem:  Printing of a p-y curve was specified below the pile tip.", "",
                                   "Solution:  Specify printing depths only for depths above the pile tip.", "",
                                   point}, 1);
        } else {
            Input_Check_Error(29, {"Problem:  A depth above the ground surface was specified for the printing",
                                   "of a p-y curve.", "",
                                   "Solution:  Specify a depth between the ground surface and pile tip.", ""}, 1);
        }
    }
}

void Check_Pile_Point_Count() {
    const int n = g.pd.i_NumPilePoints;
    if (n >= 2 && n <= kMaxPilePoints) return;
    const std::string line =
        "The number of points to define the pile properties is 2 to 40, not the input value of " + Edit_I(n, 10);
    Input_Check_Error(17, {line, ""}, 2);
}

void Check_Soil_Profile() {
    const ProblemData& pd = g.pd;
    const double bottom = pd.i_Number_of_Layers >= 1 ? pd.XLayerBottom(pd.i_Number_of_Layers) : pd.XGround;
    if (pd.rd_PileLength > bottom) {
        const std::string l1 =
            "Problem: The depth at the bottom of the lowermost soil layer is " + Edit_E(bottom, 12, 4);
        const std::string l2 =
            "         This depth is higher than the tip of the pile at " + Edit_E(pd.rd_PileLength, 12, 4) + ".";
        Input_Check_Error(18, {l1, l2, "Solution: Increase the depth of the soil profile or shorten the pile length."},
                          1);
    }
    if (pd.i_NumGammaPts < 1) return;
    const double first = pd.rd_GammaDepth(1);
    if (pd.XGround < first) {
        const std::string l2 = "is located at " + Edit_F(first, 12, 4) + " below the top of the pile.";
        const std::string l3 = "The ground surface is located at " + Edit_F(pd.XGround, 12, 4) + ".";
        Input_Check_Error(19, {"The depth of the first point of the data for effective unit", l2, l3,
                               "The first point for the effective unit weight should be located",
                               "at the same elevation as the ground surface."}, 1);
    }
    if (first != pd.XGround) {
        const std::string l1 = "Problem:  The first depth of the soil profile is located at " + Edit_F(first, 12, 4);
        const std::string l3 = "          The ground surface is elevation is " + Edit_F(pd.XGround, 12, 4) + ".";
        Input_Check_Error(20, {l1, "          below the top of the pile.", l3,
                               "Solution: Correct the input data so that the first depth of ",
                               "          the soil profile data is be located at the same elevation as the ground surface."},
                          1);
    }
}

// A pile-response run without a pile-head load case would compute nothing and
// still end normally; the stiffness-matrix trials and LRFD combinations bring
// their own loads.
void Check_Load_Cases() {
    constexpr int kNoLoadCaseError = 80;
    const ProblemData& pd = g.pd;
    if (pd.i_NumLoads >= 1 || on(pd.b_UseLRFD) || on(pd.b_ComputeKmatrix)) return;
    Input_Check_Error(kNoLoadCaseError,
                      {"Problem:  No pile-head load case was specified.  Number of loads = " + Int_Text(pd.i_NumLoads),
                       "",
                       "Solution:  Specify at least one pile-head load case in the LOADING section",
                       "of the input data.", ""},
                      2);
}

}  // namespace

void Echo_And_Check_Input() {
    Make_Layer_Tops_Contiguous();
    if (on(g.pd.b_UseLRFD)) Compute_Factored_Loads();
    Check_Pile_Widths();
    if (g.pd.ICOM != kMomentCapacityOnly) {
        Reset_Negative_Tolerance();
        Filter_PY_Output_Depths();
    }
    // The earlier formats give no pile property points in the moment-capacity mode.
    if (g.pd.ICOM != kMomentCapacityOnly || g.run.FormatTag == "TARVEX6") Check_Pile_Point_Count();
    if (g.pd.ICOM != kMomentCapacityOnly) {
        Check_Soil_Profile();
        Check_Load_Cases();
    }
}

}  // namespace tarvex
