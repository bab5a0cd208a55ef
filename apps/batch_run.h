// Many analyses from one command: every input file runs in its own process
// (the engine keeps one program-wide store and is not reentrant), at most
// `jobs` of them at a time, and a table of their results ends the command.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarvex_host {

// One problem input file of a batch: the path shown to the engineer, the file
// itself (absolute) and the folder that receives its three outputs.
struct BatchInput {
    std::string shown;
    std::filesystem::path input;
    std::filesystem::path out_dir;
};

// Runs every input, shows progress on a terminal and prints the result table.
// Exit status: 0 when every run ended normally, 1 when any stopped with an
// error, 130 when interrupted (the runs not finished leave no output behind).
int Run_Batch(const std::vector<BatchInput>& inputs, int jobs);

// The child's side of one batch run (`tarvex __run-child SCRATCH OUTDIR INPUT`):
// calls the engine in SCRATCH, where the parent wrote NAMES.DAT, then moves the
// outputs into OUTDIR and leaves the return value in SCRATCH/RETURN-VALUE.
int Run_Child(const std::filesystem::path& scratch, const std::filesystem::path& out_dir,
              const std::filesystem::path& input);

// Head deflection and maximum moment of the first load case, with their units,
// from the "Line 13" record of a plot output file; empty when it has none.
struct FirstCase {
    std::string head_deflection;
    std::string max_moment;
};
FirstCase Read_First_Case(const std::filesystem::path& plot_file);

}  // namespace tarvex_host
