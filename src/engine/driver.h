// Analysis driver: sequences every stage after the input file has been read.
#pragma once

#include <string_view>

#include "engine/checked_array.h"

namespace tarvex {

struct DriverState {
    Flag b_InputUnitsConverted = kFalse;  // the input units of this run are internal units
    int i_CurrentSection = 0;             // section being analysed, read by the section analysis
    int i_CurrentLoadCase = 0;            // load case or LRFD combination being solved
    int i_NumAnalysisCases = 0;           // cases to solve
    int i_SavedPrintPYCurves = 0;         // p-y output option, held back during the load cases
    double rd_InputPileLength = 0;        // pile length of the input, restored after a pile-length study
};

void Run_Analysis();

// US customary input to internal units, once per run: depths and lengths along
// the pile ft -> in, effective unit weights pcf -> pci, cohesions psf -> psi
// (the rock strengths held in the cohesion column stay in psi).
void Convert_Input_Units();

// Runtime error 43: the problem needs an analysis stage this engine does not
// have. Writes its block naming the stage and ends the run.
[[noreturn]] void Stop_Stage_Not_Available(std::string_view stage);

}  // namespace tarvex
