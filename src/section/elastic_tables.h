// Bending stiffness tables of the sections that carry no material model: the
// elastic pile, the elastic pile with a plastic moment capacity and the pile
// with user-defined moment-EI curves. Each fills its section's entries of the
// moment-curvature table with the layout the solver reads for every section.
#pragma once

namespace tarvex {

// Input errors of these sections.
constexpr int kElasticPlasticInputError = 40;  // an elastic-plastic section with EI or Mp of zero or less
constexpr int kUserCurvePointsError = 41;      // a user moment-EI curve of fewer than two points
constexpr int kUserCurveValuesError = 42;      // a user curve whose EI, moments or curvatures cannot be used
constexpr int kUserCurveCountError = 43;       // user curves that do not match the axial thrusts of the run

void Build_Elastic_EI_Table(int s);          // type 11: constant EI at the top of the section
void Build_Elastic_Plastic_EI_Table(int s);  // type 12: elastic to the plastic moment, then a plateau
void Build_User_EI_Table(int s);             // type 13: the user's moment-EI curves, refined

// The plastic moment capacity rd_NodeMp of every node that lies in an
// elastic-plastic section, for the node positions of the current node set-up.
void Set_Nodal_Plastic_Moments();

}  // namespace tarvex
