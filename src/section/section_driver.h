// Section analysis of one pile section: its bending stiffness tables.
#pragma once

#include "input/pile_section.h"

namespace tarvex {

// Whether the bars of the section have an edge-to-edge spacing: bars on a
// circle, with both bars of the first gap present.
bool Has_Bar_Spacing(const PileSection& sec);

// Fills the moment-curvature tables of the section i_CurrentSection of the
// driver, with their plot records and report lines: a section of types 0 to 10
// gets its properties report and one moment-curvature curve per axial thrust;
// elastic, elastic-plastic and user-defined sections get their tables from
// their elastic properties or the user's curves.
void Analyze_Pile_Section();

}  // namespace tarvex
