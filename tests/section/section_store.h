// The program-wide store prepared for calling the section routines directly:
// one pile section of the given type, analysed in the given units.
#pragma once

#include "engine/store.h"

namespace tarvex_test {

inline void One_Section_Store(int type, int units) {
    using tarvex::g;
    tarvex::Reset_Store();
    g.pd.i_NumSections = 1;
    g.drv.i_CurrentSection = 1;
    g.pd.Section(1).i_SectionType = type;
    g.sec.i_SectionUnits = units;
}

}  // namespace tarvex_test
