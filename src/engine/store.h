// Program-wide store: one record per group of data, all of fixed capacity.
//
// Every call of TGO resets the whole store in place to the values its records
// give by default (the reset state); nothing of one call survives into the next.
#pragma once

#include "engine/driver.h"
#include "engine/errors.h"
#include "engine/run_control.h"
#include "engine/unit_labels.h"
#include "input/problem_data.h"
#include "section/moment_curvature_table.h"
#include "section/section_state.h"
#include "soil/soil_state.h"
#include "solver/case_report.h"
#include "solver/lrfd_combinations.h"
#include "solver/length_study.h"
#include "solver/pile_node.h"
#include "solver/solution_state.h"
#include "solver/stiffness_matrix.h"

namespace tarvex {

struct Store {
    RunControl run;    // run files and format tag
    ErrorRecord err;   // error state and warning tallies
    UnitLabels units;  // unit texts of report lines
    ProblemData pd;    // everything the problem input file defines
    PileNode nodes;    // nodal model of the discretised pile
    SoilState soil;    // working values of the p-y models
    SolutionState sol; // finite-difference solution and iteration of the load case
    MomentCurvatureTable mct;  // bending stiffness tables of the sections
    SectionWork sec;   // working state of the section analysis
    DriverState drv;   // stage of the analysis driver
    CaseResults rep;   // per-case results and equilibrium check of the response report
    LRFDLoads lrfd;    // factored loads of the LRFD combinations
    LengthStudy study; // pile-head deflection versus pile length of the last study
    StiffnessTerms kmat; // pile-head stiffness terms of the stiffness trials
};

extern Store& g;

void Reset_Store();  // the reset state of the entry point, in place

}  // namespace tarvex
