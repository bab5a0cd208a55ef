// Routines of the section analysis that its files share: slicing, material
// laws, the moment-curvature loop, prestressing and the section report.
#pragma once

#include <string_view>

#include "section/section_state.h"

namespace tarvex {

constexpr double kPi = 3.141592653589793;

// Slicing (section geometry).
void Initialize_EI_Vars();
// The material half of the set-up: concrete constants and, for a prestressed
// section, the strains after losses. The slices do not depend on the thrust,
// so a new thrust value needs only this half again.
void Set_Section_Materials();
int fn_FindSliceY(double y);
double fn_SegmentArea(double diameter, double depth);
double fn_PolygonBandArea(const Arr<double, kMaxOutlinePoints>& px, const Arr<double, kMaxOutlinePoints>& py,
                          int n, double y_low, double y_high);
bool Section_Is_Prestressed();
bool US_Section_Units();  // i_SectionUnits is US customary

// Materials and axial force.
void Set_Concrete_Properties();
double Compute_Axial_Thrust_Force(double phi, double c);
double Strand_Stress(int model, double eps, double fy);  // ksi, the strand laws

// Prestressing.
void Calculate_Strains_Due_To_Prestressing();

// Moment-curvature and capacity.
void Compute_Moment_Curvature();
void Find_Neutral_Axis(int t, int p);
void Compute_Section_Moment(int t, int p);
void Record_Extreme_Values(int t, int p);

// Report lines of the section blocks: label, "= " from column 56, then the value.
void Write_Value_Line(std::string_view label, double value, std::string_view unit);
void Write_Fixed_Line(std::string_view label, double value, int w, int d, std::string_view unit);

}  // namespace tarvex
