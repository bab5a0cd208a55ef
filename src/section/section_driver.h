// Section analysis of one pile section: its bending stiffness tables.
#pragma once

namespace tarvex {

// Fills the moment-curvature tables of the section i_CurrentSection of the
// driver, with their plot records and report lines. Elastic, elastic-plastic
// and user-defined sections get their tables from their elastic properties or
// the user's curves; the other types need the moment-curvature analysis.
void Analyze_Pile_Section();

}  // namespace tarvex
