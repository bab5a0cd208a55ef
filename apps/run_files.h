// The run files of one analysis as the command-line host lays them out: the
// NAMES.DAT entries, the three output names and what a return value means.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace tarvex_host {

constexpr size_t kMaxPath = 256;  // characters the engine reads of a NAMES.DAT line
constexpr int32_t kInterfaceVersion = 6030;  // the interface version the host passes to TGO

// Exit status of the command.
constexpr int kExitNormal = 0;  // every run ended normally, with or without warnings
constexpr int kExitError = 1;   // a run stopped on an error

// NAME.out (output report), NAME.plt (plot output file), NAME.msg (runtime
// messages), where NAME is the input's file name without its extension.
std::array<std::string, 3> Output_Names(const std::filesystem::path& input);

// The input's entry in NAMES.DAT: absolute, or relative to DIR where that is shorter.
std::string Path_For_Names(const std::filesystem::path& input, const std::filesystem::path& dir);

// Writes NAMES.DAT into DIR; false when it cannot be written.
bool Write_Names(const std::filesystem::path& dir, const std::string& input_entry,
                 const std::array<std::string, 3>& outputs);

// One sentence saying what the engine's return value means.
std::string Meaning(int32_t rc);

}  // namespace tarvex_host
