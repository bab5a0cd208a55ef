// Command-line host:
//   tarvex run INPUT [--out DIR]                   one analysis, in this process
//   tarvex run [-j N] [--out DIR] INPUT|FOLDER...  many analyses, one process each
//   tarvex --version | --help
//
// A single run writes NAMES.DAT into DIR naming INPUT and the outputs NAME.out
// (report), NAME.plt (plot output file) and NAME.msg (runtime messages), calls
// the engine with DIR as the current directory, then prints the runtime
// messages, the meaning of the return value and the paths of the three files.
#include "host.h"

#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "batch_run.h"
#include "run_files.h"
#include "tarvex/tarvex.h"

#ifndef TARVEX_VERSION
#define TARVEX_VERSION "unknown"
#endif

namespace fs = std::filesystem;
using namespace tarvex_host;

namespace {

constexpr int kExitUsage = 2;

const char* kHelp =
    "Usage: tarvex run INPUT [--out DIR]\n"
    "       tarvex run [-j N] [--out DIR] INPUT|FOLDER...\n"
    "       tarvex --version\n"
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
    "Given several input files, or folders (whose problem files, *.dat, are taken\n"
    "in name order), every analysis runs in a process of its own, N at a time\n"
    "(-j N, default: the number of cores). Each input's three outputs go where a\n"
    "single run puts them, or with --out DIR into DIR/NAME/; they appear only\n"
    "when the analysis has ended. Progress is shown on a terminal, and a table of\n"
    "the return values, head deflections and maximum moments of the first load\n"
    "case ends the command. Ctrl-C stops the remaining runs.\n"
    "\n"
    "Exit status: 0 for a normal end, with or without warnings; 1 when a run\n"
    "stopped on an error; 2 for bad usage or run files that cannot be written;\n"
    "130 when the runs were interrupted.\n";

int Usage(const std::string& why) {
    std::cerr << "tarvex: " << why << "\n\n" << kHelp;
    return kExitUsage;
}

int Number_Of_Cores() {
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
    const long n = sysconf(_SC_NPROCESSORS_ONLN);
    return n > 0 ? int(n) : 1;
}

// One analysis in this process, the run files in OUT_DIR (default: the input's folder).
int Run_Single(fs::path input, fs::path out_dir) {
    std::error_code ec;
    input = fs::absolute(input, ec).lexically_normal();
    if (out_dir.empty()) out_dir = input.parent_path();
    fs::create_directories(out_dir, ec);
    out_dir = fs::absolute(out_dir, ec).lexically_normal();
    if (!fs::is_directory(out_dir, ec)) return Usage("cannot use output folder: " + out_dir.string());

    const auto files = Output_Names(input);
    const std::string input_entry = Path_For_Names(input, out_dir);
    if (input_entry.size() > kMaxPath || files[0].size() > kMaxPath)
        return Usage("a path is longer than the engine's 256 characters: " + input_entry);
    if (!Write_Names(out_dir, input_entry, files)) return Usage("cannot write " + (out_dir / "NAMES.DAT").string());

    const fs::path here = fs::current_path(ec);
    if (chdir(out_dir.c_str()) != 0)
        return Usage("cannot enter " + out_dir.string() + ": " + std::strerror(errno));
    std::cout.flush();
    const int32_t rc = TGO(kInterfaceVersion);
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

bool Is_Problem_File(const fs::directory_entry& e) {
    const std::string name = e.path().filename().string();
    std::string ext = e.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    std::error_code ec;
    return e.is_regular_file(ec) && ext == ".dat" && name != "NAMES.DAT" && name[0] != '.';
}

// Problem files of a folder, in name order.
std::vector<fs::path> Problem_Files(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec))
        if (Is_Problem_File(e)) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int Host_Main(int argc, char** argv) {
    const std::string command = argc >= 2 ? argv[1] : "";
    if (command == "--help" || command == "-h") {
        std::cout << kHelp;
        return kExitNormal;
    }
    if (command == "--version") {
        std::cout << "tarvex " << TARVEX_VERSION << " (engine interface " << kInterfaceVersion << ")\n";
        return kExitNormal;
    }
    if (command == "__run-child" && argc == 5) return Run_Child(argv[2], argv[3], argv[4]);
    if (command != "run") return Usage("expected: run INPUT [--out DIR]");

    std::vector<std::string> names;
    fs::path out_dir;
    int jobs = Number_Of_Cores();
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--out" && i + 1 < argc) {
            out_dir = argv[++i];
        } else if (a == "-j" || a == "--jobs" || (a.rfind("-j", 0) == 0 && a.size() > 2)) {
            const std::string n = (a.size() > 2 && a[1] == 'j') ? a.substr(2) : (i + 1 < argc ? argv[++i] : "");
            char* end = nullptr;
            const long v = std::strtol(n.c_str(), &end, 10);
            if (n.empty() || *end != '\0' || v < 1 || v > 4096) return Usage("-j needs a number of runs from 1 to 4096");
            jobs = int(v);
        } else if (!a.empty() && a[0] == '-') {
            return Usage("unknown argument: " + a);
        } else {
            names.push_back(a);
        }
    }
    if (names.empty()) return Usage("expected: run INPUT [--out DIR]");

    std::error_code ec;
    if (names.size() == 1 && !fs::is_directory(names[0], ec)) {
        if (!fs::is_regular_file(names[0], ec)) return Usage("no such input file: " + names[0]);
        return Run_Single(names[0], out_dir);
    }

    // Several analyses: every input's folder for its outputs, checked for clashes.
    std::vector<BatchInput> inputs;
    for (const std::string& n : names) {
        if (fs::is_directory(n, ec)) {
            const auto files = Problem_Files(n);
            if (files.empty()) return Usage("no problem files (*.dat) in folder: " + n);
            for (const fs::path& f : files) inputs.push_back({f.string(), f, {}});
        } else if (fs::is_regular_file(n, ec)) {
            inputs.push_back({n, n, {}});
        } else {
            return Usage("no such input file or folder: " + n);
        }
    }
    const fs::path out_root = out_dir.empty() ? fs::path() : fs::absolute(out_dir, ec).lexically_normal();
    std::map<fs::path, std::string> claimed;
    for (BatchInput& in : inputs) {
        in.input = fs::absolute(in.input, ec).lexically_normal();
        in.out_dir = out_root.empty() ? in.input.parent_path() : out_root / in.input.stem();
        const fs::path report = in.out_dir / Output_Names(in.input)[0];
        auto [at, fresh] = claimed.emplace(report, in.shown);
        if (!fresh) return Usage("two inputs would write the same outputs: " + at->second + " and " + in.shown);
    }
    return Run_Batch(inputs, jobs);
}
