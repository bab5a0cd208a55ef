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

// Calls TGO on `input` (a file of this source tree) in a scratch folder, once per
// benchmark iteration.
void Whole_Runs(benchmark::State& state, const fs::path& input_file) {
    const std::string input = Read(input_file);
    std::string tmpl = (fs::temp_directory_path() / "tarvex-bench-XXXXXX").string();
    if (input.empty() || !mkdtemp(tmpl.data())) {
        state.SkipWithError("input file or scratch folder not available");
        return;
    }
    const fs::path dir = tmpl, here = fs::current_path();
    Write(dir / "NAMES.DAT", "in.dat\nout.txt\nplot.txt\nmsg.txt\n");
    Write(dir / "in.dat", input);
    fs::current_path(dir);
    for (auto _ : state) {
        const int rc = TGO(6030);
        if (rc != 0) {
            state.SkipWithError("the run did not end normally");
            break;
        }
    }
    fs::current_path(here);
    fs::remove_all(dir);
}

const fs::path kSourceDir = TARVEX_SOURCE_DIR;

void BM_WholeRunOfTheTypicalExample(benchmark::State& state) {
    Whole_Runs(state, kSourceDir / "examples" / "soft_clay_free_head_us.dat");
}
BENCHMARK(BM_WholeRunOfTheTypicalExample)->Unit(benchmark::kMillisecond);

// The peer tube: a 610 mm x 12.7 mm steel tube, 20 m long, in Matlock soft clay
// (su 20 to 40 kPa), 300 kN at a free head, 500 increments: 31 iterations.
void BM_WholeRunOfThePeerTube(benchmark::State& state) {
    Whole_Runs(state, kSourceDir / "bench" / "peer_tube_si.dat");
}
BENCHMARK(BM_WholeRunOfThePeerTube)->Unit(benchmark::kMicrosecond);

}  // namespace
