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
    // The input is the file's text with the first `from` (when given) replaced by `to`.
    explicit ScratchRun(const fs::path& input_file, const std::string& from = {}, const std::string& to = {})
        : here_(fs::current_path()) {
        std::ifstream in(input_file, std::ios::binary);
        std::ostringstream read;
        read << in.rdbuf();
        std::string text = read.str();
        if (!from.empty())
            if (const size_t at = text.find(from); at != std::string::npos) text.replace(at, from.size(), to);
        std::string tmpl = (fs::temp_directory_path() / "tarvex-bench-XXXXXX").string();
        if (text.empty() || !mkdtemp(tmpl.data())) return;
        dir_ = tmpl;
        std::ofstream(dir_ / "NAMES.DAT", std::ios::binary) << "in.dat\nout.txt\nplot.txt\nmsg.txt\n";
        std::ofstream(dir_ / "in.dat", std::ios::binary) << text;
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
