// The distinct axial thrusts for which the section analysis computes
// moment-curvature curves, ascending, in kips for US customary problems.
#include "engine/store.h"
#include "input/keyword_sections.h"

namespace tarvex {
namespace {

constexpr double kPoundsPerKip = 1000.0;

}  // namespace

void Build_Thrust_List() {
    ProblemData& pd = g.pd;
    if (on(pd.b_ComputeInteraction) || pd.i_NumSections == 0) return;
    pd.rd_ThrustList.fill(0.0);
    const bool lrfd = on(pd.b_UseLRFD);
    int n = lrfd ? pd.i_NumLRFDLoads : pd.i_NumLoads;
    if (n < 0) n = 0;
    Arr<double, kMaxThrusts> work;
    for (int i = 1; i <= n; ++i) {
        work(i) = lrfd ? pd.rd_LRFDAxial(i) : pd.rd_AxialThrust(i);
        if (pd.IUNITS == kUnitsUS) work(i) /= kPoundsPerKip;
    }
    for (int i = 1; i < n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (work(i) > work(j)) std::swap(work(i), work(j));
    if (n < 2) {
        for (int i = 1; i <= n; ++i) pd.rd_ThrustList(i) = work(i);
        pd.i_NumThrusts = n;
        return;
    }
    int count = 1;
    pd.rd_ThrustList(1) = work(1);
    for (int i = 2; i <= n; ++i) {
        bool seen = false;
        for (int k = 1; k <= count; ++k) seen = seen || pd.rd_ThrustList(k) == work(i);
        if (!seen) pd.rd_ThrustList(++count) = work(i);
    }
    pd.i_NumThrusts = count;
}

}  // namespace tarvex
