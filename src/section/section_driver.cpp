// Section analysis entry.
#include "section/section_driver.h"

#include "engine/driver.h"
#include "engine/store.h"

namespace tarvex {

constexpr int kElasticSection = 11;
constexpr int kMomentCapacityOnly = 2;  // ICOM of a run that reports the section tables only

void Analyze_Pile_Section() {
    const PileSection& sec = g.pd.Section(g.drv.i_CurrentSection);
    if (g.pd.ICOM == kMomentCapacityOnly || sec.i_SectionType != kElasticSection)
        Stop_Stage_Not_Available("moment-curvature and bending stiffness analysis of pile sections");
}

}  // namespace tarvex
