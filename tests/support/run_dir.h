// A scratch folder for one engine run: writes NAMES.DAT and the input file,
// calls TGO with the folder as the current directory, and reads the outputs.
#pragma once

#include <string>
#include <string_view>
#include <filesystem>
#include <vector>

namespace tarvex_test {

std::string Read_File(const std::filesystem::path& p);
void Write_File(const std::filesystem::path& p, std::string_view text);

class RunDir {
public:
    RunDir();
    ~RunDir();
    RunDir(const RunDir&) = delete;
    RunDir& operator=(const RunDir&) = delete;

    const std::filesystem::path& path() const { return dir_; }
    void write(const std::string& name, std::string_view text) const { Write_File(dir_ / name, text); }
    std::string read(const std::string& name) const { return Read_File(dir_ / name); }
    bool exists(const std::string& name) const { return std::filesystem::exists(dir_ / name); }

    // Calls TGO(version) with this folder as the current directory.
    int call(int version = 6030) const;
    // Writes NAMES.DAT for in.dat/out.txt/plot.txt/msg.txt and the input text, then calls TGO.
    int run(std::string_view input_text) const;

    std::string report() const { return read("out.txt"); }
    std::string plot() const { return read("plot.txt"); }
    std::string msg() const { return read("msg.txt"); }

private:
    std::filesystem::path dir_;
};

// Lines of a text (the last line end does not start another line).
std::vector<std::string> Lines(std::string_view text);

}  // namespace tarvex_test
