// Working state of the section analysis: the section under analysis reduced to
// its working geometry, its slices, its material values, the stresses of the
// current curve point and the curve of the current axial thrust.
//
// Units: inches, kips and ksi (US customary problems) or metres, kN and kPa (SI).
#pragma once

#include "engine/checked_array.h"
#include "input/limits.h"

namespace tarvex {

constexpr int kNumSlices = 100;          // horizontal slices of every section
constexpr double kNumSlicesReal = 100.0;
constexpr int kMaxOutlinePoints = 300;   // points of a polygon outline
constexpr int kCurvePoints = 150;        // points of one moment-curvature curve

// Internal geometry kinds (SectionKind). Kinds below 9 have a circular or rectangular outline.
enum SectionKindCode : int {
    kKindRectangle = 1, kKindRectangleWithCore = 2, kKindCircle = 3, kKindCircleWithCore = 5,
    kKindCasedCircle = 6, kKindCasedCircleWithCore = 7, kKindSteelPipe = 9, kKindPolygon = 10,
    kKindPolygonWithCore = 11
};

// Steel models (i_SteelModel): 2 ordinary bars; 4..9 the strand laws; 3 or more marks a prestressed section.
constexpr int kOrdinaryBars = 2;
constexpr int kFirstStrandModel = 4;
constexpr int kPrestressedModel = 3;

struct SectionGeometry {
    int SectionKind = 0;                       // SectionKindCode of the section under analysis
    double D = 0;                              // depth in the bending direction
    double W = 0;                              // width (kinds 1 and 2), else D
    int i_NumOutline = 0;                      // points of the polygon outline
    Arr<double, kMaxOutlinePoints> OutlineX;   // counter-clockwise
    Arr<double, kMaxOutlinePoints> OutlineY;
    int i_NumBars = 0;                         // bars or strands, at most kMaxBars
    Arr<double, kMaxBars> BarX;                // section coordinates
    Arr<double, kMaxBars> BarY;
    Arr<double, kMaxBars> BarDiam;             // nominal diameter
    Arr<double, kMaxBars> BarArea;
    double CoreDiameter = 0;                   // core or void outside diameter
    double CoreThickness = 0;                  // core wall, 0 for a void
    Flag b_CoreFilled = kFalse;                // core concrete present
    Flag b_CoreFillOption = kFalse;            // fill option of the section record
    double CasingThickness = 0;                // casing or pipe wall
};

struct SectionSlices {
    double h = 0;                                  // slice thickness
    ArrFrom<double, 0, kNumSlices> B;              // boundaries, B(0) the top face
    Arr<double, kNumSlices> Depth;                 // depth of the slice centre below the top face
    Arr<double, kNumSlices> ConcreteArea;          // net concrete
    Arr<double, kNumSlices> BarArea;               // bars or strands
    Arr<double, kNumSlices> CasingArea;            // casing or pipe ring
    Arr<double, kNumSlices> CoreSteelArea;
    Arr<double, kNumSlices> CoreConcreteArea;
    double TotalConcreteArea = 0;
    double TotalBarArea = 0;
    double TotalCoreConcreteArea = 0;
    int i_NumSteelSlices = 0;                      // slices holding bars or strands, with slices 1 and 100
    Arr<int, kNumSlices> SteelSlice;               // ascending
    int i_CoreTopSlice = 1;                        // slices of the core steel law
    int i_CoreBottomSlice = 0;
};

struct SectionMaterials {
    double fc = 0;                  // f'c
    double Ec = 0;
    double fr = 0;                  // tensile strength, negative
    double eps0 = 0;                // compressive strain at peak stress
    double epst = 0;                // tensile strain at fracture, negative
    double fy60 = 0;                // 0.6 fy
    double fc15 = 0;                // 0.15 f'c
    double fy = 0, Es = 0;          // bars (or strands: Es of the record)
    double CasingFy = 0, CasingE = 0;
    double CoreFy = 0, CoreE = 0;
    double CoreFc = 0;              // core concrete strength (filled core), else 0
    double AggregateSize = 0;
    double fpu = 0;                 // strand strength
    double PrestressForce = 0, PrestressLoss = 0, StrandCover = 0;
    int i_StrandType = 0;
    int i_StrandSize = 0;
    int i_ConcreteModel = 2;        // 2 with concrete, 1 steel pipe
    int i_SteelModel = kOrdinaryBars;
    int i_CoreFill = 1;             // 2 for the cased shaft with a core
    double eps_ps = 0;              // initial strand strain (negative)
    double eps_pc = 0;              // initial concrete strain due to prestress
    double PipeArea = 0;            // steel pipe: steel area
};

// Stresses and forces of the current curve point.
struct SliceState {
    Arr<double, kNumSlices> Strain;
    Arr<double, kNumSlices> ConcreteStress;
    Arr<double, kNumSlices> CoreConcreteStress;
    Arr<double, kNumSlices> BarStress;
    Arr<double, kNumSlices> CasingStress;
    Arr<double, kNumSlices> CoreStress;
    Flag b_Cracked = kFalse;
    Flag b_PreCracked = kFalse;
    Flag b_Yielded = kFalse;
    Flag b_SteelAbove60 = kFalse;
    double ForceConcrete = 0, ForceBars = 0, ForceCasing = 0, ForceCore = 0, ForceCoreConcrete = 0;
};

// The curve of the thrust being computed.
struct CurveWork {
    Arr<double, kCurvePoints> Curv, Moment, EI, NeutralAxis, MaxComp, MaxTens, MinBarStrain;
    Arr<double, kCurvePoints> MaxConcrete, MaxSteel, MaxCasing, MaxCore;
    Arr<Text<3>, kCurvePoints> RunMsg;
    double PrevNeutralAxis = 0;
    Arr<int, kMaxThrusts> i_NumPoints;
    Arr<double, kMaxThrusts> Capacity;        // nominal moment capacity (section units)
    Arr<double, kMaxThrusts> CapacityStrain;
};

struct SectionWork {
    int i_SectionUnits = 0;                    // 1 US customary, 2 SI; kept from the previous section otherwise
    Text<8> LengthText, StressText, ForceText, CurvatureText, AreaText, InertiaText, StiffnessText;
    SectionGeometry geo;
    SectionSlices sl;
    SectionMaterials mat;
    SliceState st;
    CurveWork cv;
    double rd_SectionPn = 0;                   // nominal axial compressive capacity
    double rd_SectionNt = 0;                   // nominal axial tensile capacity, negative
    double rd_CrackingLoad = 0;                // tension that cracks the concrete, negative
    double rd_TotalBarArea = 0;
    double BarSpacing = 0;                     // edge-to-edge spacing of bars on a circle
    int i_NumWorkThrusts = 0;
    Arr<double, kMaxThrusts> WorkThrust;       // thrusts of the curves
    Flag b_PrestressReported = kFalse;         // loss-of-prestress block written for this section
};

}  // namespace tarvex
