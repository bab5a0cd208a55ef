// The stages of a whole run of the peer tube case, each timed alone: reading
// the run files and the input, node set-up, the nonlinear solution, the case
// report with its plot records, and the store reset. A whole run through TGO
// first leaves the store as the stage finds it in a run.
#include <benchmark/benchmark.h>

#include "engine/entry.h"
#include "engine/store.h"
#include "input/input_file.h"
#include "output/report_lines.h"
#include "scratch_run.h"
#include "solver/case_report.h"
#include "solver/pile_nodes.h"
#include "solver/solver.h"
#include "tarvex/tarvex.h"

namespace {

using namespace tarvex;
using namespace tarvex_bench;

// Runs the peer tube once through TGO and then the benchmark's loop.
template <class Stage>
void Peer_Tube_Stage(benchmark::State& state, Stage stage) {
    ScratchRun run(kSourceDir / "bench" / "peer_tube_si.dat");
    if (!run.ready() || TGO(6030) != 0) {
        state.SkipWithError("the peer tube case did not run");
        return;
    }
    for (auto _ : state) stage(state);
}

void Close_Run_Files() {
    Close_Channel(g_Out.report);
    Close_Channel(g_Out.plot);
    Close_Channel(g_Out.msg);
}

// NAMES.DAT, the four run files opened, the keyword input file read.
void BM_PeerTubeReading(benchmark::State& state) {
    Peer_Tube_Stage(state, [](benchmark::State&) {
        Reset_Store();
        Read_Run_File_Names();
        Open_Run_Files();
        Dispatch_Input_Reader();
        Close_Run_Files();
    });
}
BENCHMARK(BM_PeerTubeReading)->Unit(benchmark::kMicrosecond);

// The 501 nodes: distances, depths, widths, stiffness, sections and layers.
void BM_PeerTubeNodeSetUp(benchmark::State& state) {
    Peer_Tube_Stage(state, [](benchmark::State&) { Place_Nodes(false); });
}
BENCHMARK(BM_PeerTubeNodeSetUp)->Unit(benchmark::kMicrosecond);

// The nonlinear solution from an undeflected pile: 31 iterations, each with its
// runtime message line (formatted, then discarded: the message file is closed).
void BM_PeerTubeSolution(benchmark::State& state) {
    Peer_Tube_Stage(state, [](benchmark::State& s) {
        PileNode& nd = g.nodes;
        for (int i = -1; i <= nd.i_NumNodes + 1; ++i) nd.y(i) = 0.0;
        g.sol.rd_TipShear = 0.0;
        Set_Starting_Soil_Moduli();
        Solve_Load_Case(1);
        s.counters["iterations"] = g.sol.i_Iteration;
    });
}
BENCHMARK(BM_PeerTubeSolution)->Unit(benchmark::kMicrosecond);

// The case report and its plot records ("Line 9", 501 x "Line 10") into new files.
void BM_PeerTubeReportAndPlot(benchmark::State& state) {
    Peer_Tube_Stage(state, [](benchmark::State&) {
        Open_Channel(g_Out.report, "out.txt");
        Open_Channel(g_Out.plot, "plot.txt");
        Write_Case_Report(1, g.sol.i_Iteration);
        Close_Run_Files();
    });
}
BENCHMARK(BM_PeerTubeReportAndPlot)->Unit(benchmark::kMicrosecond);

// The reset after a whole run (the run itself is not timed). The pages it gives
// back are zero-filled again by the next run that touches them, in that run's time.
void BM_PeerTubeReset(benchmark::State& state) {
    Peer_Tube_Stage(state, [](benchmark::State& s) {
        s.PauseTiming();
        TGO(6030);
        s.ResumeTiming();
        Reset_Store();
    });
}
BENCHMARK(BM_PeerTubeReset)->Unit(benchmark::kMicrosecond);

}  // namespace
