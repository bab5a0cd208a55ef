// Whole runs through TGO: the typical example (reading the input file, the
// driver's stages, one nonlinear soft-clay load case of 100 increments, the
// report, the plot output file and the runtime messages), and a run with a
// pile-length study and the pile-head stiffness matrix.
#include <benchmark/benchmark.h>

#include "scratch_run.h"
#include "tarvex/tarvex.h"

namespace {

using namespace tarvex_bench;

// Calls TGO on `input_file` in a scratch folder, once per benchmark iteration.
void Whole_Runs(benchmark::State& state, const fs::path& input_file, const std::string& from = {},
                const std::string& to = {}) {
    ScratchRun run(input_file, from, to);
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

// The pile-length study and the stiffness matrix example at 500 increments:
// the load case, its study (up to 20 nonlinear solutions) and 20 stiffness trials.
void BM_StudyAndStiffnessMatrix500(benchmark::State& state) {
    Whole_Runs(state, kSourceDir / "examples" / "pipe_clay_over_sand_study_us.dat", "Increments 100", "Increments 500");
}
BENCHMARK(BM_StudyAndStiffnessMatrix500)->Unit(benchmark::kMillisecond);

}  // namespace
