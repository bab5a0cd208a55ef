// Short unit texts that report lines append to numbers.
#pragma once

#include "engine/checked_array.h"

namespace tarvex {

struct UnitLabels {
    Text<3> LengthLabel;
    Text<3> ForceLabel;
    Text<1> Slash, Dash;          // "/", "-"
    Text<2> Power;                // "**"
    Text<1> Two, Three, Four;     // "2", "3", "4"
    Text<8> MomentLabel;
    Text<5> ForcePerLengthLabel;
    Text<5> UnitWeightInputLabel;
    Text<4> StressLabel;
    Text<2> DepthLabel;
    Text<2> DimensionLabel;
    Text<2> NodeLengthLabel;
    Text<5> UnitWeightLabel;
};

void Set_Unit_Labels(int iunits);

}  // namespace tarvex
