// Command-line host: `tarvex run INPUT [--out DIR]`.
//
// Writes NAMES.DAT into DIR naming INPUT and the outputs NAME.out (report),
// NAME.plt (plot output file) and NAME.msg (runtime messages), calls the
// engine with DIR as the current directory, then prints the runtime messages,
// the meaning of the return value and the paths of the three files.
#include "host.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "tarvex/tarvex.h"

namespace fs = std::filesystem;

namespace {

constexpr int kExitNormal = 0;
constexpr int kExitError = 1;
constexpr int kExitUsage = 2;
constexpr size_t kMaxPath = 256;  // characters the engine reads of a NAMES.DAT line

const char* kHelp =
    "Usage: tarvex run INPUT [--out DIR]\n"
    "       tarvex --help\n"
    "\n"
    "Analyses the pile described by the problem input file INPUT.\n"
    "\n"
    "The run files are written into DIR (default: the folder of INPUT):\n"
    "  NAMES.DAT   the run file naming the four files of the run\n"
    "  NAME.out    the output report\n"
    "  NAME.plt    the plot output file\n"
    "  NAME.msg    the runtime messages\n"
    "where NAME is the file name of INPUT without its extension. The engine runs\n"
    "with DIR as its current directory.\n"
    "\n"
    "Afterwards the runtime messages are printed, then what the engine's return\n"
    "value means and the paths of the three output files.\n"
    "\n"
    "Exit status: 0 for a normal end, with or without warnings; 1 when the run\n"
    "stopped on an error; 2 for bad usage or run files that cannot be written.\n";

int Usage(const std::string& why) {
    std::cerr << "tarvex: " << why << "\n\n" << kHelp;
    return kExitUsage;
}

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

// A path for NAMES.DAT: absolute, or relative to DIR where that is shorter.
std::string Path_For_Names(const fs::path& p, const fs::path& dir) {
    std::string abs = p.string();
    std::error_code ec;
    fs::path rel = fs::relative(p, dir, ec);
    if (!ec && !rel.empty() && rel.string().size() < abs.size()) return rel.string();
    return abs;
}

}  // namespace

int Host_Main(int argc, char** argv) {
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << kHelp;
        return kExitNormal;
    }
    if (argc < 3 || std::strcmp(argv[1], "run") != 0) return Usage("expected: run INPUT [--out DIR]");
    fs::path input = argv[2];
    fs::path out_dir;
    for (int i = 3; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            out_dir = argv[++i];
        } else {
            return Usage(std::string("unknown argument: ") + argv[i]);
        }
    }
    std::error_code ec;
    if (!fs::is_regular_file(input, ec)) return Usage("no such input file: " + input.string());
    input = fs::absolute(input, ec).lexically_normal();
    if (out_dir.empty()) out_dir = input.parent_path();
    fs::create_directories(out_dir, ec);
    out_dir = fs::absolute(out_dir, ec).lexically_normal();
    if (!fs::is_directory(out_dir, ec)) return Usage("cannot use output folder: " + out_dir.string());

    const std::string name = input.stem().string();
    const std::string files[3] = {name + ".out", name + ".plt", name + ".msg"};
    const std::string input_entry = Path_For_Names(input, out_dir);
    if (input_entry.size() > kMaxPath || files[0].size() > kMaxPath)
        return Usage("a path is longer than the engine's 256 characters: " + input_entry);
    {
        std::ofstream names(out_dir / "NAMES.DAT", std::ios::binary | std::ios::trunc);
        names << input_entry << "\n" << files[0] << "\n" << files[1] << "\n" << files[2] << "\n";
        if (!names) return Usage("cannot write " + (out_dir / "NAMES.DAT").string());
    }

    const fs::path here = fs::current_path(ec);
    if (chdir(out_dir.c_str()) != 0)
        return Usage("cannot enter " + out_dir.string() + ": " + std::strerror(errno));
    std::cout.flush();
    const int32_t rc = TGO(6030);
    std::fflush(stdout);
    if (!here.empty() && chdir(here.c_str()) != 0) {
        // The run is over; staying in DIR changes nothing for the output below.
    }

    std::ifstream msg(out_dir / files[2], std::ios::binary);
    if (msg) std::cout << msg.rdbuf();
    std::cout << "\n" << Meaning(rc) << " (return value " << rc << ")\n";
    std::cout << "Output report:        " << (out_dir / files[0]).string() << "\n";
    std::cout << "Plot output file:     " << (out_dir / files[1]).string() << "\n";
    std::cout << "Runtime message file: " << (out_dir / files[2]).string() << "\n";
    return (rc <= 0) ? kExitNormal : kExitError;
}
