#include "run_files.h"

#include <fstream>

namespace fs = std::filesystem;

namespace tarvex_host {

// Output names of a run, derived from the input's file name.
std::array<std::string, 3> Output_Names(const fs::path& input) {
    const std::string name = input.stem().string();
    return {name + ".out", name + ".plt", name + ".msg"};
}

// The shorter of the absolute path and the path relative to DIR.
std::string Path_For_Names(const fs::path& input, const fs::path& dir) {
    std::string abs = input.string();
    std::error_code ec;
    fs::path rel = fs::relative(input, dir, ec);
    if (!ec && !rel.empty() && rel.string().size() < abs.size()) return rel.string();
    return abs;
}

// NAMES.DAT: the input, the report, the plot output file, the runtime messages.
bool Write_Names(const fs::path& dir, const std::string& input_entry, const std::array<std::string, 3>& outputs) {
    std::ofstream names(dir / "NAMES.DAT", std::ios::binary | std::ios::trunc);
    names << input_entry << "\n" << outputs[0] << "\n" << outputs[1] << "\n" << outputs[2] << "\n";
    names.close();
    return bool(names);
}

// The sentence for a return value of TGO.
std::string Meaning(int32_t rc) {
    if (rc == 0) return "The analysis ended normally.";
    if (rc == -300) return "The analysis ended normally with several warnings (see the report).";
    if (rc < 0) return "The analysis ended normally with warning " + std::to_string(rc) + " (see the report).";
    if (rc == 99) return "The engine rejected the interface version.";
    if (rc == 999) return "The analysis stopped on the internal error of the soil strength lookup.";
    if (rc > 100 && rc < 200) return "The analysis stopped on input error No. " + std::to_string(rc - 100) + ".";
    if (rc > 200 && rc < 300) return "The analysis stopped on runtime error No. " + std::to_string(rc - 200) + ".";
    return "The engine returned " + std::to_string(rc) + ".";
}

}  // namespace tarvex_host
