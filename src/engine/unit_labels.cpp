// Unit texts of report lines, by unit system.
#include "engine/unit_labels.h"

#include "engine/store.h"
#include "input/problem_data.h"

namespace tarvex {

void Set_Unit_Labels(int iunits) {
    UnitLabels& u = g.units;
    u.Slash.set("/");
    u.Dash.set("-");
    u.Power.set("**");
    u.Two.set("2");
    u.Three.set("3");
    u.Four.set("4");
    struct Row {
        const char *length, *force, *moment, *fpl, *uwin, *stress, *depth, *dim, *node, *uw;
    };
    static constexpr Row kRows[3] = {
        {"in ", "lbs", "in-lb   ", "lb/in", "pcf  ", "psi ", "ft", "in", "in", "pci  "},
        {"m  ", "kN ", "kN-m    ", "kN/m ", "kN/m3", "kPa ", "m ", "mm", "m ", "kN/m3"},
        {"L  ", "F  ", "F-L     ", "F/L  ", "F/L3 ", "F/L2", "L ", "L ", "L ", "F/L3 "},
    };
    if (iunits < kUnitsUS || iunits > kUnitsGeneric) return;
    const Row& r = kRows[iunits - 1];
    u.LengthLabel.set(r.length);
    u.ForceLabel.set(r.force);
    u.MomentLabel.set(r.moment);
    u.ForcePerLengthLabel.set(r.fpl);
    u.UnitWeightInputLabel.set(r.uwin);
    u.StressLabel.set(r.stress);
    u.DepthLabel.set(r.depth);
    u.DimensionLabel.set(r.dim);
    u.NodeLengthLabel.set(r.node);
    u.UnitWeightLabel.set(r.uw);
}

}  // namespace tarvex
