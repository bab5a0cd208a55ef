// One pile section of type 0 to 14: dimensions, materials, bars or strands,
// elastic properties or user curves. Dimensions are held in inches (US
// customary) or metres (SI: the reader converts the millimetres of the file).
#pragma once

#include "engine/checked_array.h"
#include "input/limits.h"

namespace tarvex {

// Section types (i_SectionType).
enum SectionType : int {
    kRectConcrete = 0, kDrilledShaft = 1, kCasedShaft = 2, kCasedCoredShaft = 3, kSteelPipe = 4,
    kCircSolidPrestressed = 5, kCircHollowPrestressed = 6, kSquareSolidPrestressed = 7,
    kSquareHollowPrestressed = 8, kOctSolidPrestressed = 9, kOctHollowPrestressed = 10,
    kElasticPile = 11, kElasticPlasticPile = 12, kUserEIPile = 13, kMicropile = 14
};
constexpr int kNumSectionTypes = 15;

// Shapes of elastic and elastic-plastic sections (i_ElasShape).
enum ElasticShape : int {
    kShapeRectangular = 1, kShapeCircular = 2, kShapePipe = 3, kShapeStrongH = 4, kShapeWeakH = 5,
    kShapeEmbeddedPole = 6
};

struct PileSection {
    int i_SectionType = 0;                 // 0 to 14
    Flag b_FillCoreWithConcrete = kFalse;  // type 3: concrete-filled core (file 3) or void (file -3)
    double rd_SectionLength = 0;           // length along the pile (ft or m)
    double rd_SectionTopX = 0;             // types 0 and 12: depth of the top below the head
    double rd_SectionBottomX = 0;          // types 0 and 12: depth of the bottom
    double rd_SectionWidth = 0;            // type 0: width across the bending direction (p-y width)
    double rd_SectionDepth = 0;            // type 0: depth in the bending direction
    double rd_SectionDiameter = 0;         // diameter, outside diameter, pile width or hole diameter
    double rd_ChamferSize = 0;             // types 7, 8: corner chamfer
    double rd_CasingThickness = 0;         // casing (types 2, 3) or pipe wall (type 4)
    double rd_CasingYield = 0;
    double rd_CasingModulus = 0;
    double rd_CoreDiameter = 0;            // type 3: steel core
    double rd_CoreThickness = 0;
    double rd_CoreYield = 0;
    double rd_CoreModulus = 0;
    double rd_VoidDiameter = 0;            // types 6, 8, 10: inside void

    // Reinforcing bars and prestressing strands
    double rd_BarYield = 0;                // yield stress of the bars
    double rd_BarModulus = 0;              // modulus of the bars, or of the strands
    double rd_RebarDiameter = 0;           // one bar of a circular arrangement
    double rd_RebarArea = 0;
    double rd_Cover = 0;                   // cover over the bars
    double rd_RebarOffset = 0;             // shift of a circular arrangement in y
    Flag b_RebarSameAsAbove = kFalse;      // declared the same as the section above
    Flag b_RebarInCircle = kFalse;         // bars on a circle, else listed one by one
    int i_NumBars = 0;                     // at most kMaxBars
    int i_NumStrands = 0;                  // at most kMaxBars
    int i_NumBarPositions = 0;             // circular arrangement: positions around the circle
    int i_BarsPerBundle = 0;               // circular arrangement: bars per position, 1 to 3
    Arr<int, kMaxBars> i_BarSize;          // listed bar k: size index (for the report)
    Arr<double, kMaxBars> rd_BarDiam;      // bar or strand k
    Arr<double, kMaxBars> rd_BarArea;
    Arr<double, kMaxBars> rd_BarX;         // origin at the section centre, y in the bending direction
    Arr<double, kMaxBars> rd_BarY;

    // Concrete
    double rd_ConcreteFc = 0;              // compressive strength f'c
    double rd_AggregateSize = 0;           // maximum coarse aggregate size
    Flag b_DefaultTensileStrength = kFalse;// internal tensile strength, else rd_ConcreteFt
    double rd_ConcreteFt = 0;
    Flag b_InputConcreteCurve = kFalse;    // stress-strain curve given point by point
    int i_NumConcreteCurvePts = 0;
    Arr2<double, kMaxConcreteCurvePts, 2> rd_ConcreteCurve;

    // Prestressing strands
    Flag b_AutoPositionStrands = kFalse;   // placed automatically, else listed
    int i_StrandType = 0;                  // 0 to 5
    int i_StrandSize = 0;                  // size code of automatically placed strands
    Arr<int, kMaxBars> i_StrandSizeOf;     // size code of strand k
    int i_StrandPattern = 0;               // 0 circle, 1 or 2 square perimeter
    double rd_StrandFpu = 0;               // ultimate strength of the strand type (psi)
    double rd_StrandDiameter = 0;          // strand 1
    double rd_StrandArea = 0;
    double rd_StrandCover = 0;
    double rd_PrestressForce = 0;          // initial prestressing force
    double rd_PrestressLoss = 0;           // fraction of prestress lost

    // Elastic and elastic-plastic sections (types 11, 12)
    int i_ElasShape = 0;                   // ElasticShape
    double rd_ElasModulus = 0;
    double rd_ElasWidthTop = 0;            // flange width (H-piles), pole width (embedded pole)
    double rd_ElasWidthBottom = 0;
    double rd_ElasDepthTop = 0;            // section depth; wall thickness of a pipe
    double rd_ElasDepthBottom = 0;
    double rd_FlangeThickness = 0;         // H-piles
    double rd_WebThickness = 0;
    double rd_ElasAreaTop = 0;
    double rd_ElasAreaBottom = 0;
    double rd_ElasInertiaTop = 0;
    double rd_ElasInertiaBottom = 0;
    double rd_PlasticMomentTop = 0;        // type 12
    double rd_PlasticMomentBottom = 0;

    // User-defined nonlinear EI (type 13): lb-in and lb-in2, or kN-m and kN-m2
    int i_NumUserEIThrusts = 0;
    Arr<double, kMaxUserEIThrusts> rd_UserEIThrust;
    Arr<int, kMaxUserEIThrusts> i_NumUserEIPts;
    Arr2<double, kMaxUserEIThrusts, kMaxUserEIPts> rd_UserEIMoment;     // (t, j)
    Arr2<double, kMaxUserEIThrusts, kMaxUserEIPts> rd_UserEIStiffness;  // (t, j)
};

}  // namespace tarvex
