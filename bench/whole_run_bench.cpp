// Whole runs through TGO: the typical example (reading the input file, the
// driver's stages, one nonlinear soft-clay load case of 100 increments, the
// report, the plot output file and the runtime messages), and a run with a
// pile-length study and the pile-head stiffness matrix.
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

fs::path Example(const char* name) { return fs::path(__FILE__).parent_path().parent_path() / "examples" / name; }

// Calls TGO on input in a scratch folder once per benchmark iteration.
void Run_Whole(benchmark::State& state, const std::string& input) {
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

void BM_WholeRunOfTheTypicalExample(benchmark::State& state) {
    Run_Whole(state, Read(Example("soft_clay_free_head_us.dat")));
}
BENCHMARK(BM_WholeRunOfTheTypicalExample)->Unit(benchmark::kMillisecond);

// The pile-length study and the stiffness matrix example at 500 increments:
// the load case, its study (up to 20 nonlinear solutions) and 20 stiffness trials.
void BM_StudyAndStiffnessMatrix500(benchmark::State& state) {
    std::string input = Read(Example("pipe_clay_over_sand_study_us.dat"));
    const std::string increments = "Increments 100";
    const size_t at = input.find(increments);
    if (at != std::string::npos) input.replace(at, increments.size(), "Increments 500");
    Run_Whole(state, input);
}
BENCHMARK(BM_StudyAndStiffnessMatrix500)->Unit(benchmark::kMillisecond);

}  // namespace
