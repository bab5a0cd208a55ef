// Capacities of the problem store. Each is checked where its count is read.
#pragma once

namespace tarvex {

constexpr int kMaxTitleLines = 5;
constexpr int kTitleLength = 256;
constexpr int kMaxSections = 20;            // pile sections
constexpr int kMaxPilePoints = 40;          // pile property points, two per section
constexpr int kMaxLayers = 40;              // soil layers
constexpr int kMaxProfilePoints = 80;       // soil profile points, two per layer
constexpr int kMaxUserPyPairs = 30;         // (y, p) pairs of a user-input p-y curve
constexpr int kMaxLoads = 100;              // pile-head load cases, EI-only thrusts
constexpr int kMaxThrusts = 100;            // distinct axial thrusts
constexpr int kMaxDistLoadPts = 50;         // distributed-load points of the pile-head loading
constexpr int kMaxLRFDLoads = 100;          // LRFD load groups
constexpr int kMaxLRFDDistPts = 100;        // distributed-load points of an LRFD group (the file allows 100)
constexpr int kMaxLRFDCombos = 100;         // LRFD load combinations
constexpr int kNumLRFDLoadTypes = 13;       // DL, LL, EQ, ... Sp
constexpr int kMaxSoilMovePts = 100;        // soil-movement points
constexpr int kMaxPYMult = 80;              // p- and y-multiplier points
constexpr int kMaxTipShearPts = 50;         // pile-tip shear curve points
constexpr int kMaxPYOutDepths = 100;        // depths of requested p-y curves
constexpr int kNumModelCodes = 20;          // entries of the p-y model code table
constexpr int kMaxBars = 300;               // reinforcing bars or prestressing strands of a section
constexpr int kMaxConcreteCurvePts = 100;   // points of an input concrete stress-strain curve
constexpr int kMaxUserEIThrusts = 100;      // axial thrusts of a user-defined nonlinear EI section
constexpr int kMaxUserEIPts = 150;          // points of one user-defined moment-stiffness curve
constexpr int kMinIncrements = 40;
constexpr int kMaxIncrements = 500;
constexpr int kMinIterations = 30;
constexpr int kMaxIterations = 1000;

}  // namespace tarvex
