// Whole run of the typical example through TGO: reading the input file, the
// driver's stages, one nonlinear soft-clay load case of 100 increments, the
// report, the plot output file and the runtime messages.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tarvex/tarvex.h"

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Write(const fs::path& p, const std::string& text) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << text;
}

void BM_WholeRunOfTheTypicalExample(benchmark::State& state) {
    const fs::path example = fs::path(__FILE__).parent_path().parent_path() / "examples" / "soft_clay_free_head_us.dat";
    const std::string input = Read(example);
    std::string tmpl = (fs::temp_directory_path() / "tarvex-bench-XXXXXX").string();
    if (input.empty() || !mkdtemp(tmpl.data())) {
        state.SkipWithError("example input or scratch folder not available");
        return;
    }
    const fs::path dir = tmpl, here = fs::current_path();
    Write(dir / "NAMES.DAT", "in.dat\nout.txt\nplot.txt\nmsg.txt\n");
    Write(dir / "in.dat", input);
    fs::current_path(dir);
    for (auto _ : state) {
        const int rc = TGO(6030);
        if (rc != 0) {
            state.SkipWithError("the example did not end normally");
            break;
        }
    }
    fs::current_path(here);
    fs::remove_all(dir);
}
BENCHMARK(BM_WholeRunOfTheTypicalExample)->Unit(benchmark::kMillisecond);

}  // namespace
