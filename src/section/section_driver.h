// Section analysis of one pile section: its bending stiffness tables.
#pragma once

namespace tarvex {

// Analyses the section i_CurrentSection of the driver. An elastic section
// (type 11) of a pile-response run needs no table: the solver keeps E x I of
// its property points. Every other case needs the moment-curvature analysis.
void Analyze_Pile_Section();

}  // namespace tarvex
