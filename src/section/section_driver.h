// Section analysis of one pile section: its bending stiffness tables.
#pragma once

namespace tarvex {

// Fills the moment-curvature tables of the section i_CurrentSection of the
// driver, with their plot records and report lines: a section of types 0 to 10
// gets its properties report and one moment-curvature curve per axial thrust;
// elastic, elastic-plastic and user-defined sections get their tables from
// their elastic properties or the user's curves.
void Analyze_Pile_Section();

}  // namespace tarvex
