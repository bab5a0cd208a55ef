// Report blocks and plot records of the moment-curvature computation.
#pragma once

namespace tarvex {

void Write_Concrete_Properties();
// The working thrust list of the section: the thrusts of the analysis mode,
// checked against the axial capacities, with its report lines and "Line 3".
void Prepare_Thrust_List();
void Write_Thrust_Table();  // with the run-message definitions
void Write_Thrust_Heading(double T);
void Write_Curve_Rows(int n);
void Write_Point_Limit_Warning();
void Plot_Curve_Records(int s, int t);
void Write_Capacity_Summary();

}  // namespace tarvex
