// Earlier problem file formats: the file tagged "TARVEX5" and the untagged
// legacy file. Both are fixed sequences of free-format lines, with counts on
// earlier lines telling how many lines of a group follow; the untagged file
// has the same sequence with fewer checks and a few shorter lines.
#include <vector>

#include "engine/store.h"
#include "input/input_errors.h"
#include "input/legacy_errors.h"
#include "input/legacy_profile.h"
#include "input/legacy_sections.h"
#include "input/readers.h"
#include "input/value_reader.h"
#include "solver/pile_nodes.h"

namespace tarvex {
namespace {

constexpr double kDegreesToRadians = 3.141592653589793 / 180.0;
constexpr int kMaxLegacyIncrements = 300;    // the previous format's own limit
constexpr int kMinLegacyIterations = 40;
constexpr int kMaxLegacySoilMovePts = 50;
constexpr double kMinTolUS = 1.0E-10;        // inches
constexpr double kMaxTolUS = 0.0010000000474974513;
constexpr double kMinTolSI = 2.5E-12;        // metres
constexpr double kMaxTolSI = 2.5E-5;
constexpr double kMinLiqSandDiamUS = 11.807086944580078;   // inches
constexpr double kMinLiqSandDiamSI = 0.29989999532699585;  // metres
constexpr int kLiqSandDiameterCheckCode = 10;  // the layer code the previous format checks

struct Legacy {
    LegacyFlavour flavour;
    bool tagged() const { return flavour == LegacyFlavour::Tagged; }
};

void Read_Title_Line() {
    ProblemData& pd = g.pd;
    pd.Title(1).set(Read_Text_Line());
    for (int k = 2; k <= kMaxTitleLines; ++k) pd.Title(k).set("");
}

void Read_Control_Line() {
    ProblemData& pd = g.pd;
    int unused = 0, movement = 0;
    Read_Values({pd.IUNITS, pd.ICOM, unused, pd.KYL, movement});
    Check_Code(pd.IUNITS, kUnitsUS, kUnitsGeneric, "unit system");
    Check_Code(pd.ICOM, 1, 5, "analysis mode");
    pd.b_UseSoilMovement = movement > 0 ? kTrue : kFalse;
    pd.b_ComputeKmatrix = kFalse;
}

// Pile width at depth x from the pile property points, as the nodes take it.
double Pile_Diameter_At(double x) {
    if (g.pd.i_NumPilePoints < 1) return 0.0;
    Pile_Properties_At(x);
    return g.nodes.rd_DiamAtX;
}

// The pile line and the property points. The untagged format has no
// plausibility checks, but a count or length that the store or the node
// set-up cannot take is refused in both formats.
void Read_Pile(const Legacy& fmt) {
    ProblemData& pd = g.pd;
    double slope = 0;
    Read_Values({pd.i_NumIncrements, pd.i_NumPilePoints, pd.XGround, pd.rd_PileLength, slope});
    pd.rd_SlopeAngle = slope * kDegreesToRadians;
    pd.rd_EffSlopeAngle = pd.rd_SlopeAngle - pd.rd_BatterAngle;
    const int min_incr = fmt.tagged() ? kMinIncrements : 1;
    const int max_incr = fmt.tagged() ? kMaxLegacyIncrements : kMaxIncrements;
    if (pd.i_NumIncrements < min_incr) Legacy_Too_Few_Increments_Error();
    if (pd.i_NumIncrements > max_incr) Legacy_Too_Many_Increments_Error();
    if (!(pd.rd_PileLength > 0)) Legacy_Zero_Pile_Length_Error();
    if (pd.i_NumPilePoints > kMaxPilePoints) Legacy_Too_Many_Pile_Points_Error();
    for (int k = 1; k <= pd.i_NumPilePoints; ++k)
        Read_Values({pd.rd_PilePointX(k), pd.rd_PilePointDiam(k), pd.rd_PilePointI(k), pd.rd_PilePointArea(k),
                     pd.rd_PilePointE(k)});
}

struct SoilCounts {
    int gamma = 0;     // points of the effective unit weight curve
    int strength = 0;  // points of the strength curve
    int user = 0;      // user-input p-y curves
};

SoilCounts Read_Soil_Counts(const Legacy& fmt) {
    ProblemData& pd = g.pd;
    SoilCounts n;
    int layers = 0, mult = 0;
    Read_Values({layers, n.gamma, n.strength, n.user, mult});
    Check_Count(layers, kMaxLayers, "soil layers");
    Check_Count(n.gamma, kMaxProfilePoints, "points of the effective unit weight curve");
    Check_Count(n.strength, kMaxProfilePoints, "points of the soil strength curve");
    Check_Count(n.user, kMaxLegacyUserCurves, "user-input p-y curves");
    Check_Count(mult, kMaxPYMult, "p-y multiplier points");
    pd.i_Number_of_Layers = layers < 0 ? 0 : layers;
    pd.i_NumPYMult = mult < 0 ? 0 : mult;
    if (fmt.tagged()) {
        if (n.gamma == 0 && n.user == 0) Legacy_No_Unit_Weight_Or_User_Curves_Error(fmt.flavour);
    } else if (n.gamma == 0) {
        if (pd.i_NumPYMult > 0) Legacy_PY_Multipliers_With_User_Curves_Error();
        if (n.user == 0) Legacy_No_Unit_Weight_Or_User_Curves_Error(fmt.flavour);
    }
    return n;
}

void Read_Layers(const Legacy& fmt) {
    ProblemData& pd = g.pd;
    for (int k = 1; k <= pd.i_Number_of_Layers; ++k) {
        int code = 0;
        if (fmt.tagged()) {
            Read_Values({code, pd.XLayerTop(k), pd.XLayerBottom(k), pd.rd_LayerKTop(k), pd.rd_LayerKBottom(k)});
            if (pd.rd_LayerKBottom(k) <= 0) pd.rd_LayerKBottom(k) = pd.rd_LayerKTop(k);
        } else {
            Read_Values({code, pd.XLayerTop(k), pd.XLayerBottom(k), pd.rd_LayerKTop(k)});
            pd.rd_LayerKBottom(k) = pd.rd_LayerKTop(k);
        }
        Check_Code(code, 1, kNumPyModels, "p-y model code");
        pd.i_SoilLayer_py_Type(k) = code;
        if (!fmt.tagged()) continue;
        if (pd.XLayerTop(k) >= pd.XLayerBottom(k)) Legacy_Layer_Depths_Error(k);
        if (code == kLiqSandDiameterCheckCode && pd.IUNITS != kUnitsGeneric) {
            const double limit = pd.IUNITS == kUnitsUS ? kMinLiqSandDiamUS : kMinLiqSandDiamSI;
            if (Pile_Diameter_At(pd.XLayerTop(k)) < limit || Pile_Diameter_At(pd.XLayerBottom(k)) < limit)
                Legacy_Liquefied_Sand_Diameter_Error();
        }
    }
    if (fmt.tagged() && pd.i_Number_of_Layers >= 1 && pd.XLayerBottom(1) <= 0) Legacy_Top_Layer_Bottom_Error();
}

void Read_PY_Multipliers() {
    ProblemData& pd = g.pd;
    for (int i = 1; i <= pd.i_NumPYMult; ++i) Read_Values({pd.rd_PYMultDepth(i), pd.rd_PMult(i), pd.rd_YMult(i)});
    pd.b_UsePYModifiers = pd.i_NumPYMult > 0 ? kTrue : kFalse;
}

void Read_Loading() {
    ProblemData& pd = g.pd;
    int n = 0, loading = 0;
    Read_Values({n, loading, pd.rd_NumCycles});
    Check_Count(n, kMaxDistLoadPts, "distributed-load points");
    pd.b_CyclicLoading = loading == 0 ? kTrue : kFalse;
    pd.i_NumDistLoadPts = n < 0 ? 0 : n;
    if (n <= 0) {
        for (int i = 1; i <= kMaxDistLoadPts; ++i) pd.rd_DistLoadDepth(i) = pd.rd_DistLoad(i) = 0.0;
        return;
    }
    for (int i = 1; i <= n; ++i) Read_Values({pd.rd_DistLoadDepth(i), pd.rd_DistLoad(i)});
}

void Read_Head_Loads() {
    ProblemData& pd = g.pd;
    pd.i_NumLoads = Read_Legacy_Count(kMaxLoads, "load cases");
    for (int i = 1; i <= pd.i_NumLoads; ++i) {
        int type = 0;
        Read_Values({type, pd.rd_LoadCond1(i), pd.rd_LoadCond2(i), pd.rd_AxialThrust(i)});
        Check_Code(type, 1, 5, "pile-head load type");
        pd.i_LoadType(i) = type;
        // The control line's switch asks for the pile-length study of every load case.
        pd.b_ComputeYvsL(i) = pd.KYL != 0 ? kTrue : kFalse;
    }
}

void Read_Tip_Shear() {
    ProblemData& pd = g.pd;
    pd.i_NumTipShearPts = Read_Legacy_Count(kMaxTipShearPts, "points of the tip shear curve");
    pd.b_UseTipShear = pd.i_NumTipShearPts > 0 ? kTrue : kFalse;
    for (int i = 1; i <= pd.i_NumTipShearPts; ++i) Read_Values({pd.rd_TipShearY(i), pd.rd_TipShearV(i)});
}

void Read_Output_Options() {
    ProblemData& pd = g.pd;
    int report = 0;
    Read_Values({pd.i_PrintIncrement, report, pd.i_PrintPYCurves});
    pd.b_PrintSummaryOnly = report == 0 ? kTrue : kFalse;
    pd.b_PrintPYCurves = pd.i_PrintPYCurves > 0 ? kTrue : kFalse;
    if (pd.i_PrintPYCurves <= 0) return;
    pd.i_NumPYOutDepths = Read_Legacy_Count(kMaxPYOutDepths, "depths of printed p-y curves");
    for (int i = 1; i <= pd.i_NumPYOutDepths; ++i) Read_Values({pd.rd_PYOutDepth(i)});
}

void Read_Solution_Controls(const Legacy& fmt) {
    ProblemData& pd = g.pd;
    Read_Values({pd.i_MaxIterations, pd.rd_ConvergenceTol, pd.rd_MaxDeflection});
    if (!fmt.tagged()) return;
    if (pd.i_MaxIterations < kMinLegacyIterations || pd.i_MaxIterations > kMaxIterations)
        Legacy_Iteration_Limit_Error();
    const double tol = pd.rd_ConvergenceTol;
    if (pd.IUNITS == kUnitsUS) {
        if (tol < kMinTolUS) Legacy_Tolerance_Error(65);
        if (tol > kMaxTolUS) Legacy_Tolerance_Error(66);
    } else if (pd.IUNITS == kUnitsSI) {
        if (tol < kMinTolSI) Legacy_Tolerance_Error(67);
        if (tol > kMaxTolSI) Legacy_Tolerance_Error(68);
    }
    if (pd.i_NumPilePoints >= 1 && pd.rd_PilePointDiam(1) / 10.0 > pd.rd_MaxDeflection)
        Legacy_Deflection_Limit_Error();
}

// The soil movement points: one line per point in the previous format, one
// list of pairs running over as many lines as it needs in the untagged file.
void Read_Soil_Movements(const Legacy& fmt) {
    ProblemData& pd = g.pd;
    if (!on(pd.b_UseSoilMovement)) return;
    int n = 0;
    Read_Values({n});
    if (n < 2 || n > kMaxLegacySoilMovePts) Legacy_Soil_Movement_Count_Error(n);
    pd.i_NumSoilMovePts = n;
    if (fmt.tagged()) {
        for (int i = 1; i <= n; ++i) Read_Values({pd.rd_SoilMoveDepth(i), pd.rd_SoilMove(i)});
        return;
    }
    std::vector<ValueTarget> pairs;
    pairs.reserve(size_t(2 * n));
    for (int i = 1; i <= n; ++i) {
        pairs.emplace_back(pd.rd_SoilMoveDepth(i));
        pairs.emplace_back(pd.rd_SoilMove(i));
    }
    Read_Values(std::span<const ValueTarget>(pairs));
}

// Pile data, soil, loads and solution controls: the whole file of a
// pile-response run up to the section data.
void Read_Pile_Response_Data(const Legacy& fmt) {
    Read_Pile(fmt);
    const SoilCounts counts = Read_Soil_Counts(fmt);
    Read_Layers(fmt);
    LegacyProfile raw;
    Read_Legacy_Profile(raw, counts.gamma, counts.strength, !fmt.tagged());
    Read_PY_Multipliers();
    Read_Legacy_User_Curves(raw, counts.user);
    Build_Layer_Profile(raw);
    Read_Loading();
    Read_Head_Loads();
    Read_Tip_Shear();
    Read_Output_Options();
    Read_Solution_Controls(fmt);
    Read_Soil_Movements(fmt);
}

void Read_Legacy_File(const Legacy& fmt) {
    ProblemData& pd = g.pd;
    Read_Title_Line();
    Read_Control_Line();
    if (pd.ICOM != kMomentCapacityOnly) Read_Pile_Response_Data(fmt);
    if (pd.ICOM == kMomentCapacityOnly || Uses_Section_Tables(pd.ICOM)) Read_Legacy_Sections(fmt.flavour);
}

}  // namespace

void Read_Tagged_Previous_Format() { Read_Legacy_File({LegacyFlavour::Tagged}); }
void Read_Untagged_Format() { Read_Legacy_File({LegacyFlavour::Untagged}); }

}  // namespace tarvex
