// Checks of the input echo: the pile against its own description, the cyclic
// loading, the tip shear curve, the p-y output depths and the soil profile
// against the pile. Each writes its block right after the echo of its data.
#include <climits>
#include <cmath>
#include <string>

#include "engine/store.h"
#include "input/echo_blocks.h"
#include "input/echo_lines.h"
#include "input/input_errors.h"
#include "output/fortran_edit.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

constexpr double kMinCycles = 2;
constexpr double kMaxCycles = 5000;

// The number of cycles as the report shows it: truncated towards zero.
long long Truncated_Cycles(double n) {
    if (std::isnan(n)) return 0;
    if (n >= double(LLONG_MAX)) return LLONG_MAX;
    if (n <= double(LLONG_MIN)) return LLONG_MIN;
    return static_cast<long long>(n);
}

}  // namespace

std::string Cycles_Line() {
    return "Number of cycles of loading = " + Int_Text(Truncated_Cycles(g.pd.rd_NumCycles));
}

// Every pile property point must have a positive width.
void Check_Pile_Widths() {
    ProblemData& pd = g.pd;
    for (int k = 1; k <= pd.i_NumPilePoints && k <= kMaxPilePoints; ++k)
        if (!(pd.rd_PilePointDiam(k) > 0))
            Input_Check_Error(27, {"Problem:  Zero values for one of the following values were ",
                                   "entered for one or more values of pile diameter.", "",
                                   "Solution:  NONE of these values may be zero.  Correct the ",
                                   "pile property data in your input data.", ""}, 1);
}

// Cyclic p-y criteria are defined for 2 to 5000 cycles of loading.
void Check_Number_Of_Cycles() {
    const double n = g.pd.rd_NumCycles;
    if (n >= kMinCycles && n <= kMaxCycles) return;
    const std::string cycles = Cycles_Line();
    Input_Check_Error(28, {"Problem:  Cyclic loading type was specified and the number of cycles of loading",
                           "are outside the valid range of 2 to 5,000.", "",
                           "Solution:  Either correct the number of cycles of loading to be within 2 to 5,000",
                           "or specify static loading.", cycles}, 2);
}

// The tip shear curve starts at zero movement and its movements increase strictly.
void Check_Tip_Shear_Curve() {
    const ProblemData& pd = g.pd;
    int bad = 0;
    if (pd.rd_TipShearY(1) != 0) {
        bad = 1;
    } else {
        for (int k = 2; k <= pd.i_NumTipShearPts && k <= kMaxTipShearPts && bad == 0; ++k)
            if (!(pd.rd_TipShearY(k - 1) < pd.rd_TipShearY(k))) bad = k;
    }
    if (bad == 0) return;
    const std::string problem =
        "Problem:   The input data for shear resistance at the pile tip appears to be in error at point " +
        Int_Text(bad) + ".";
    Input_Check_Error(50, {problem, "",
                           "Solution:  Check that the first point is (0,0) and that the x-values sucessively "
                           "increase in deflection and magnitude."}, 0);
}

// Keeps, in place and in their order, the requested p-y depths that lie between
// the ground surface and the pile tip. Any positive request counts as one.
void Filter_PY_Output_Depths() {
    ProblemData& pd = g.pd;
    const int n = pd.i_NumPYOutDepths < kMaxPYOutDepths ? pd.i_NumPYOutDepths : kMaxPYOutDepths;
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
                                   point}, 0);
        } else {
            Input_Check_Error(29, {"Problem:  A depth above the ground surface was specified for the printing",
                                   "of a p-y curve.", "",
                                   "Solution:  Specify a depth between the ground surface and pile tip.", ""}, 0);
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

// The soil profile must reach the pile tip and start at the ground surface, and
// so must the p-multipliers. Without soil layers the profile ends at depth 0.
void Check_Soil_Profile() {
    const ProblemData& pd = g.pd;
    const double bottom = pd.i_Number_of_Layers >= 1 ? pd.XLayerBottom(pd.i_Number_of_Layers) : 0.0;
    if (pd.rd_PileLength > bottom) {
        const std::string l1 =
            "Problem: The depth at the bottom of the lowermost soil layer is " + Edit_E(bottom, 12, 4);
        const std::string l2 =
            "         This depth is higher than the tip of the pile at " + Edit_E(pd.rd_PileLength, 12, 4) + ".";
        Input_Check_Error(18, {l1, l2, "Solution: Increase the depth of the soil profile or shorten the pile length."},
                          0);
    }
    if (pd.i_NumGammaPts >= 1) {
        const double first = pd.rd_GammaDepth(1);
        if (pd.XGround < first) {
            const std::string l2 = "is located at " + Edit_F(first, 12, 4) + " below the top of the pile.";
            const std::string l3 = "The ground surface is located at " + Edit_F(pd.XGround, 12, 4) + ".";
            Input_Check_Error(19, {"The depth of the first point of the data for effective unit", l2, l3,
                                   "The first point for the effective unit weight should be located",
                                   "at the same elevation as the ground surface."}, 0);
        }
        if (first != pd.XGround) {
            const std::string l1 = "Problem:  The first depth of the soil profile is located at " + Edit_F(first, 12, 4);
            const std::string l3 = "          The ground surface is elevation is " + Edit_F(pd.XGround, 12, 4) + ".";
            Input_Check_Error(20, {l1, "          below the top of the pile.", l3,
                                   "Solution: Correct the input data so that the first depth of ",
                                   "          the soil profile data is be located at the same elevation as the ground surface."},
                              0);
        }
    }
    if (pd.i_NumPYMult > 0 && pd.rd_PYMultDepth(1) < pd.XGround) {
        const std::string l2 = "          located at " + Edit_E(pd.rd_PYMultDepth(1), 12, 4) + " below the top of the pile.";
        const std::string l3 = "          The ground surface is located at " + Edit_E(pd.XGround, 12, 4) + ".";
        Input_Check_Error(21, {"Problem:  The depth for the first data for p-multipliers is ", l2, l3,
                               "Solution:  Correct the input data so that the first depth for ",
                               "          the p-multiplier data is the same as the elevation as the ",
                               "          ground surface."}, 0);
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

}  // namespace tarvex
