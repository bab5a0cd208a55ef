// Pile section records of the "SECTIONS" part: the sub-readers of a section,
// the strand tables and the placement of bars and strands.
#pragma once

#include "engine/checked_array.h"
#include "input/limits.h"

namespace tarvex {

using BarCoords = Arr<double, kMaxBars>;

void Read_Concrete_Properties(int s);
void Read_Rebar_Properties(int s);
void Read_Strand_Properties(int s);
void Read_Elastic_Properties(int s);
void Read_Elastic_Plastic_Properties(int s);

// Ultimate strength and modulus of the strand type, diameter and area of strand
// k from its size code (inches, or metres for SI problems).
void Set_Strand_Properties(int s, int k, int type, int size);
constexpr int kNumStrandTypes = 6;  // types 0 to 5
// Ultimate strength (psi) of the deformed high-strength bar of size code `size`
// (strand type 5); 150 ksi for a code outside the table.
double Deformed_Bar_Strength(int size);
const char* Strand_Type_Name(int type);   // "PCI 270"; "" outside 0 to 5
const char* Elastic_Shape_Name(int shape);  // "Strong H-Pile"; "" outside 1 to 6

// n positions of nb bars each around a circle of outside dimension D with cover
// c for bars of diameter d (set to 0 when above 100); false if they cannot be placed.
bool Place_Bars_On_Circle(BarCoords& x, BarCoords& y, double D, double c, double& d, int n, int nb);
// n strands on the perimeter of a square of outside dimension D, pattern 1 or 2.
void Place_Strands_On_Square(BarCoords& x, BarCoords& y, double D, double c, double d, int n, int pattern);

}  // namespace tarvex
