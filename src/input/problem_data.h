// Problem store: everything the problem input file defines, named once.
//
// Values are held in input units; the driver converts the US customary ones
// once after the echo, the keyword reader converts SI millimetres itself.
#pragma once

#include "engine/checked_array.h"
#include "input/limits.h"
#include "input/pile_section.h"

namespace tarvex {

// Unit systems (IUNITS).
constexpr int kUnitsUS = 1;       // pounds, inches (input feet, psf, pcf)
constexpr int kUnitsSI = 2;       // kilonewtons, metres (input millimetres for sections)
constexpr int kUnitsGeneric = 3;  // F, L: nothing converted, no unit-dependent check

// p-y model codes of the soil layers.
enum PyModel : int {
    kSoftClay = 1, kStfClyBW = 2, kStfClyAW = 3, kStfClyAK = 4, kSand = 5, kAPISand = 6,
    kLiqSand = 7, kWeakRock = 8, kVuggyLS = 9, kPiedmont = 10, kCemSilt = 11, kKSLoess = 12,
    kElastSG = 13, kUserPy = 14, kSoftClyJ = 15, kMassRock = 16, kFrzSoil = 17
};
constexpr int kNumPyModels = 17;

// Keyword of a model code padded to 10 characters ("Undefined " beyond 17).
const char* Model_Keyword10(int code);
// Long name of a model code (34 characters at most, not padded).
const char* Model_Long_Name(int code);

// Name of a section type 0 to 14 ("Drilled Shaft (Bored Pile)"); "" outside.
const char* Section_Type_Name(int type);
// Name and abbreviation of an LRFD load type 1 to 13 ("Dead Load", "DL"); "" outside.
const char* LRFD_Load_Type_Name(int type);
const char* LRFD_Load_Type_Abbrev(int type);

constexpr int kMomentCapacityOnly = 2;  // ICOM: the section tables only, no pile response

// Pile-response modes whose sections get moment-curvature tables that the
// solver reads: 3, and 5 of the earlier formats. Modes 1 and 4 of the earlier
// formats take the bending stiffness of the pile property points throughout.
inline bool Uses_Section_Tables(int icom) { return icom == 3 || icom == 5; }

struct ModelTable {
    Arr<Text<10>, kNumModelCodes> SoilModelName;  // keyword + 2 blanks, by model code
    ModelTable();
};

struct ProblemData {
    // Title
    Arr<Text<kTitleLength>, kMaxTitleLines> Title;

    // Program options
    int IUNITS = 0;                  // unit system (kUnitsUS, kUnitsSI, kUnitsGeneric)
    Flag b_UseLRFD = kFalse;         // loads are LRFD groups and combinations
    Flag b_ComputeKmatrix = kFalse;  // compute the pile-head stiffness matrix
    Flag b_UseTipShear = kFalse;     // shear resistance curve at the tip
    Flag b_UseSoilMovement = kFalse; // load the pile by lateral soil movements
    Flag b_UsePYModifiers = kFalse;  // p- and y-multipliers (group action)
    int ICOM = 0;                    // 2: EI only; 3: pile response; 1, 4, 5: earlier formats
    int KYL = 0;                     // earlier formats: pile-length study switch
    Flag b_CyclicLoading = kFalse;   // cyclic (true) or static loading
    double rd_NumCycles = 0;         // number of load cycles
    Flag b_PrintSummaryOnly = kFalse;// report only the summary tables
    int i_PrintIncrement = 0;        // nodal spacing of the printed response
    Flag b_PrintPYCurves = kFalse;   // report p-y curves at rd_PYOutDepth
    int i_PrintPYCurves = 0;         // 1 when b_PrintPYCurves: p-y models in report mode
    Flag b_ComputeInteraction = kFalse; // interaction diagram of the sections only
    int i_InteractionCode = 0;       // 1 AASHTO, 2 ACI318, 3 Eurocode2

    // Solution controls
    int i_MaxIterations = 0;         // iteration limit, 30 to 1000
    double rd_ConvergenceTol = 0;    // tolerance on the change of deflection
    double rd_MaxDeflection = 0;     // excessive pile-head deflection
    int i_NumIncrements = 0;         // pile increments, 40 to 500

    // Pile geometry
    int i_NumSections = 0;                        // 1 to 20, head downwards
    Arr<PileSection, kMaxSections> Section;        // the pile sections
    double rd_PileLength = 0;                     // sum of the section lengths
    int i_NumPilePoints = 0;                      // 2 x i_NumSections
    Arr<double, kMaxPilePoints> rd_PilePointX;    // depth below the head of point k
    Arr<double, kMaxPilePoints> rd_PilePointDiam; // width used by the p-y curves
    Arr<double, kMaxPilePoints> rd_PilePointPoleWidth; // embedded pole: width of the pole
    Arr<double, kMaxPilePoints> rd_PilePointI;    // moment of inertia
    Arr<double, kMaxPilePoints> rd_PilePointE;    // elastic modulus
    Arr<double, kMaxPilePoints> rd_PilePointArea; // cross-section area

    // Soil profile: point 2b-1 is the top of layer b, point 2b its bottom
    int i_Number_of_Layers = 0;
    Arr<int, kMaxLayers> i_SoilLayer_py_Type;     // p-y model code
    Arr<double, kMaxLayers> XLayerTop;            // depth of the layer top below the head
    Arr<double, kMaxLayers> XLayerBottom;         // depth of the layer bottom
    Arr<double, kMaxLayers> rd_LayerKTop;         // subgrade modulus k (or rock initial modulus) at the top
    Arr<double, kMaxLayers> rd_LayerKBottom;      // the same at the bottom
    int i_NumProfilePoints = 0;
    Arr<double, kMaxProfilePoints> rd_ProfileDepth;
    Arr<double, kMaxProfilePoints> rd_ProfileGamma;    // effective unit weight
    int i_NumGammaPts = 0;
    Arr<double, kMaxProfilePoints> rd_GammaDepth;
    Arr<double, kMaxProfilePoints> rd_ProfileStrength; // cohesion c; qu for weak rock, vuggy limestone
    Arr<double, kMaxProfilePoints> rd_ProfileEps50;    // epsilon-50; k_rm for weak rock
    Arr<double, kMaxProfilePoints> rd_ProfileJ;        // J of soft clay with user J
    Arr<double, kMaxProfilePoints> rd_ProfilePhi;      // friction angle, degrees
    Arr<double, kMaxProfilePoints> rd_ProfileRQD;      // rock quality designation, percent
    Arr<int, kMaxProfilePoints> i_ProfileTestType;     // Piedmont in-situ test: 1 SPT, 2 CPT, 3 DMT, 4 PMT
    Arr<double, kMaxProfilePoints> rd_ProfileN60;
    Arr<double, kMaxProfilePoints> rd_ProfileQc;
    Arr<double, kMaxProfilePoints> rd_ProfileEdmt;
    Arr<double, kMaxProfilePoints> rd_ProfileEpmt;
    Arr<double, kMaxProfilePoints> rd_ProfileEs;       // elastic subgrade modulus
    Arr<double, kMaxProfilePoints> rd_ProfileSigCi;    // intact rock strength (massive rock)
    Arr<int, kMaxProfilePoints> i_ProfileRockType;     // Hoek-Brown rock type (massive rock)
    Arr<double, kMaxProfilePoints> rd_ProfileGSI;
    Arr<double, kMaxProfilePoints> rd_ProfileEmass;    // rock mass modulus
    Arr<int, kMaxProfilePoints> i_UserPyNumPts;        // pairs of the user p-y curve at point j
    Arr<double, kMaxProfilePoints> rd_UserPyDepth;
    Arr2<double, kMaxProfilePoints, kMaxUserPyPairs> rd_UserPyY;
    Arr2<double, kMaxProfilePoints, kMaxUserPyPairs> rd_UserPyP;
    double XGround = 0;                                // ground surface below the head

    // Pile-head loads
    int i_NumLoads = 0;
    Arr<int, kMaxLoads> i_LoadType;                 // boundary-condition type 1 to 5
    Arr<double, kMaxLoads> rd_LoadCond1;
    Arr<double, kMaxLoads> rd_LoadCond2;
    Arr<double, kMaxLoads> rd_AxialThrust;
    Arr<Flag, kMaxLoads> b_ComputeYvsL;             // pile-length study of case i
    int i_NumDistLoadPts = 0;
    Arr<double, kMaxDistLoadPts> rd_DistLoadDepth;
    Arr<double, kMaxDistLoadPts> rd_DistLoad;

    // Distinct axial thrusts of the section analysis, ascending
    int i_NumThrusts = 0;
    Arr<double, kMaxThrusts> rd_ThrustList;

    // LRFD loads
    int i_NumLRFDLoads = 0;
    Arr<int, kMaxLRFDLoads> i_LRFDLoadType;         // 1 to 13
    Arr<double, kMaxLRFDLoads> rd_LRFDShear;
    Arr<double, kMaxLRFDLoads> rd_LRFDMoment;
    Arr<double, kMaxLRFDLoads> rd_LRFDAxial;
    Arr<int, kMaxLRFDLoads> i_LRFDNumDist;
    Arr2<double, kMaxLRFDDistPts, kMaxLRFDLoads> rd_LRFDDistDepth;  // (k, i)
    Arr2<double, kMaxLRFDDistPts, kMaxLRFDLoads> rd_LRFDDist;       // (k, i)
    int i_NumLRFDCombos = 0;
    Arr2<double, kNumLRFDLoadTypes, kMaxLRFDCombos> rd_LoadFactor;  // (m, n)
    Arr<double, kMaxLRFDCombos> rd_PhiFlexure;
    Arr<double, kMaxLRFDCombos> rd_PhiShear;
    Arr<Text<256>, kMaxLRFDCombos> ComboName;

    // Tip shear
    int i_NumTipShearPts = 0;
    Arr<double, kMaxTipShearPts> rd_TipShearY;
    Arr<double, kMaxTipShearPts> rd_TipShearV;

    // Ground slope and pile batter, radians
    double rd_SlopeAngle = 0;
    double rd_BatterAngle = 0;
    double rd_EffSlopeAngle = 0;    // slope - batter

    // p-y multipliers
    int i_NumPYMult = 0;
    Arr<double, kMaxPYMult> rd_PYMultDepth;
    Arr<double, kMaxPYMult> rd_PMult;
    Arr<double, kMaxPYMult> rd_YMult;

    // Soil movements
    int i_NumSoilMovePts = 0;
    Arr<double, kMaxSoilMovePts> rd_SoilMoveDepth;
    Arr<double, kMaxSoilMovePts> rd_SoilMove;

    // p-y output depths
    int i_NumPYOutDepths = 0;
    Arr<double, kMaxPYOutDepths> rd_PYOutDepth;

    // Model code table and the soft-clay J used when no J is given
    ModelTable models;
    double rd_SoftClayJ = 0.5;
};

// The view of soil layer b: its p-y model, depths and k values, and its two
// profile points (2b-1 at the top, 2b at the bottom) in the profile columns.
struct SoilLayer {
    int i_py_Type;       // p-y model code
    double XLayerTop;    // depth of the top below the pile head
    double XLayerBottom;
    double rd_KTop;      // subgrade modulus k, or initial modulus of rock
    double rd_KBottom;
    int i_TopPoint;      // profile point of the top
    int i_BottomPoint;   // profile point of the bottom
};
SoilLayer Soil_Layer(const ProblemData& pd, int b);

}  // namespace tarvex
