// Section analysis entry.
#include "section/section_driver.h"

#include "engine/driver.h"
#include "engine/store.h"
#include "section/elastic_tables.h"

namespace tarvex {

void Analyze_Pile_Section() {
    const int s = g.drv.i_CurrentSection;
    switch (g.pd.Section(s).i_SectionType) {
        case kElasticPile: Build_Elastic_EI_Table(s); break;
        case kElasticPlasticPile: Build_Elastic_Plastic_EI_Table(s); break;
        case kUserEIPile: Build_User_EI_Table(s); break;
        default: Stop_Stage_Not_Available("moment-curvature and bending stiffness analysis of pile sections");
    }
}

}  // namespace tarvex
