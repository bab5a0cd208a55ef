#include "support/run_dir.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tarvex/tarvex.h"

namespace fs = std::filesystem;

namespace tarvex_test {

std::string Read_File(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Write_File(const fs::path& p, std::string_view text) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(text.data(), std::streamsize(text.size()));
}

RunDir::RunDir() {
    std::string tmpl = (fs::temp_directory_path() / "tarvex-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    dir_ = tmpl;
}

RunDir::~RunDir() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
}

int RunDir::call(int version) const {
    // Reports carry a fixed date, so that they compare byte for byte.
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    fs::path here = fs::current_path();
    fs::current_path(dir_);
    int rc = TGO(version);
    fs::current_path(here);
    return rc;
}

int RunDir::run(std::string_view input_text) const {
    write("NAMES.DAT", "in.dat\nout.txt\nplot.txt\nmsg.txt\n");
    write("in.dat", input_text);
    return call();
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> out;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        out.emplace_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return out;
}

}  // namespace tarvex_test
