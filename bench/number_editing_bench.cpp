// Number editing alone: the layouts of the report fields and plot records for
// values of the magnitudes a run writes.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "output/fortran_edit.h"
#include "output/report_lines.h"

namespace {

using namespace tarvex;

// Values from 1e-9 to 1e9 with random digits, both signs.
std::vector<double> Report_Values() {
    std::mt19937_64 rng(17);
    std::uniform_real_distribution<double> digits(1.0, 10.0), decade(-9.0, 9.0);
    std::vector<double> v(4096);
    for (double& x : v) x = (rng() % 2 ? -1.0 : 1.0) * digits(rng) * std::pow(10.0, std::floor(decade(rng)));
    return v;
}

// `edit` on every value in turn; items per second is values edited per second.
template <class Edit>
void Edit_Values(benchmark::State& state, Edit edit) {
    const std::vector<double> values = Report_Values();
    size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(edit(values[k]));
        k = (k + 1) % values.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_PlotRealE15_7(benchmark::State& state) {
    Edit_Values(state, [](double x) { return Edit_E(x, 15, 7); });
}
BENCHMARK(BM_PlotRealE15_7);

void BM_ReportRealField15(benchmark::State& state) {
    Edit_Values(state, [](double x) { return Real_Field(x, 15); });
}
BENCHMARK(BM_ReportRealField15);

// The full decimal expansion, as every value was edited before.
void BM_ExactPathE15_7(benchmark::State& state) {
    Edit_Values(state, [](double x) { return Edit_E_Exact(x, 15, 7); });
}
BENCHMARK(BM_ExactPathE15_7);

}  // namespace
