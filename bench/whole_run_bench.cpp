// Whole runs through TGO: reading the input file, the driver's stages, the
// nonlinear load case, the report, the plot output file and the runtime messages.
#include <benchmark/benchmark.h>

#include "scratch_run.h"
#include "tarvex/tarvex.h"

namespace {

using namespace tarvex_bench;

// Calls TGO on `input_file` in a scratch folder, once per benchmark iteration.
void Whole_Runs(benchmark::State& state, const fs::path& input_file) {
    ScratchRun run(input_file);
    if (!run.ready()) {
        state.SkipWithError("input file or scratch folder not available");
        return;
    }
    for (auto _ : state) {
        if (TGO(6030) != 0) {
            state.SkipWithError("the run did not end normally");
            break;
        }
    }
}

// The typical example: one soft clay load case of 100 increments, 24 iterations.
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
