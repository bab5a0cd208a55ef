// The soil profile of the earlier file formats: separate depth curves of the
// effective unit weight and of the strength properties, and user p-y curves
// listed by depth. They are read as given, then laid onto the layer profile
// the p-y models read (point 2b-1 at the top of layer b, point 2b at its
// bottom), so that a file of either format and its keyword twin give the
// same analysis.
#pragma once

#include "engine/checked_array.h"
#include "input/limits.h"

namespace tarvex {

constexpr int kMaxLegacyUserCurves = kMaxProfilePoints;  // user p-y curves of an earlier-format file

struct LegacyProfile {
    int num_gamma = 0;                                   // points of the unit weight curve
    Arr<double, kMaxProfilePoints> gamma_depth;
    Arr<double, kMaxProfilePoints> gamma;
    int num_strength = 0;                                // points of the strength curve
    Arr<double, kMaxProfilePoints> depth;
    Arr<double, kMaxProfilePoints> strength;             // c, or qu of rock
    Arr<double, kMaxProfilePoints> phi;                  // friction angle, degrees
    Arr<double, kMaxProfilePoints> eps50;
    Arr<double, kMaxProfilePoints> rqd;                  // percent
    int num_user = 0;                                    // user p-y curves
    Arr<double, kMaxLegacyUserCurves> user_depth;
    Arr<int, kMaxLegacyUserCurves> user_points;
    Arr2<double, kMaxLegacyUserCurves, kMaxUserPyPairs> user_y;
    Arr2<double, kMaxLegacyUserCurves, kMaxUserPyPairs> user_p;
};

// The unit weight and strength lines; `untagged`: four values a strength line,
// and the strength of API sand and vuggy limestone layers doubled as that
// format defines it.
void Read_Legacy_Profile(LegacyProfile& raw, int num_gamma, int num_strength, bool untagged);
void Read_Legacy_User_Curves(LegacyProfile& raw, int num_curves);
// Fills the profile points, the unit weight points and the user curves of the layers.
void Build_Layer_Profile(const LegacyProfile& raw);

}  // namespace tarvex
