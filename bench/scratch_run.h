// A scratch folder holding NAMES.DAT and one problem input file of this source
// tree; the current directory while it lives, so that TGO runs the problem.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tarvex_bench {

namespace fs = std::filesystem;

inline const fs::path kSourceDir = TARVEX_SOURCE_DIR;

class ScratchRun {
public:
    explicit ScratchRun(const fs::path& input_file) : here_(fs::current_path()) {
        std::ifstream in(input_file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        std::string tmpl = (fs::temp_directory_path() / "tarvex-bench-XXXXXX").string();
        if (text.str().empty() || !mkdtemp(tmpl.data())) return;
        dir_ = tmpl;
        std::ofstream(dir_ / "NAMES.DAT", std::ios::binary) << "in.dat\nout.txt\nplot.txt\nmsg.txt\n";
        std::ofstream(dir_ / "in.dat", std::ios::binary) << text.str();
        fs::current_path(dir_);
    }
    ~ScratchRun() {
        if (dir_.empty()) return;
        fs::current_path(here_);
        fs::remove_all(dir_);
    }
    ScratchRun(const ScratchRun&) = delete;
    ScratchRun& operator=(const ScratchRun&) = delete;

    bool ready() const { return !dir_.empty(); }  // the folder exists and holds the input

private:
    fs::path here_, dir_;
};

}  // namespace tarvex_bench
