// Section analysis of one pile section: its bending stiffness tables.
#pragma once

namespace tarvex {

// Analyses the section i_CurrentSection of the driver: a section of types 0 to
// 10 gets its properties report and one moment-curvature curve per axial
// thrust. An elastic section (type 11) of a pile-response run needs no table:
// the solver keeps E x I of its property points.
void Analyze_Pile_Section();

}  // namespace tarvex
