// The section stage of a moment-capacity run through TGO: 20 reinforced-
// concrete sections (drilled shafts and rectangular piles, one shaft with 300
// bars) x 100 axial thrusts x up to 150 curve points, with their report and
// plot records.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tarvex/tarvex.h"

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& p, const std::string& text) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << text;
}

const char* kConcrete =
    "4000.0\n0.75\nUse default concrete tensile strength\nUse internal stress-strain curve for concrete\n"
    "Rebar Arrangement Not Same As Section Above\n";

std::string Shaft(int s, double D, int positions, int bundle) {
    return std::to_string(s) + "\n1\n5.0\n" + std::to_string(D) + "\n" + kConcrete + "Rebar in circle\n60000.0\n29000000.0\n" +
           std::to_string(positions) + "\n" + std::to_string(bundle) + "\n1.0\n0.79\n3.0\n0.0\n";
}

std::string Rectangle(int s, double depth, double width) {
    std::string text = std::to_string(s) + "\n0\n5.0\n" + std::to_string(depth) + "\n" + std::to_string(width) + "\n" +
                       kConcrete + "Rebar in noncircular pattern\n60000.0\n29000000.0\n8\n";
    const double y = depth / 2 - 3.0, x = width / 2 - 3.0;
    const double pos[8][2] = {{-x, y}, {0, y}, {x, y}, {-x, 0}, {x, 0}, {-x, -y}, {0, -y}, {x, -y}};
    for (int k = 0; k < 8; ++k) {
        char line[96];
        std::snprintf(line, sizeof line, "%d 8 1.0 0.79 %.3f %.3f\n", k + 1, pos[k][0], pos[k][1]);
        text += line;
    }
    return text;
}

std::string Section_Stage_Input() {
    std::string text =
        "TARVEX6\nTITLE\nSection stage benchmark\n\n\n\n\nOPTIONS\nUnits USCS\nUseLRFD NO\nComputeKmatrix NO\n"
        "UseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\nComputeEIOnly YES\nLoading STATIC     0\n"
        "MaxIterations 100\nMaxDeflection 100.0\nTolerance 1.0E-5\nIncrements 100\nPrintSummaryOnly NO\n"
        "PrintIncrement 10\nPrintPYCurves NO\nComputeInteraction NO\nSECTIONS\n20\n";
    text += Shaft(1, 72.0, 100, 3);  // 300 bars
    for (int s = 2; s <= 20; ++s)
        text += s % 2 == 0 ? Shaft(s, 24.0 + 2.0 * s, 4 + s, 1) : Rectangle(s, 20.0 + s, 18.0);
    text += "AXIAL THRUST LOADS\n100\n";
    for (int t = 1; t <= 100; ++t) text += std::to_string(t) + " " + std::to_string(-100000.0 + 10000.0 * t) + "\n";
    return text + "SOIL LAYERS\n1\n6 0.0 200.0\n115.0 34.0 90.0\n115.0 34.0 90.0\nEND\n";
}

void BM_SectionStage(benchmark::State& state) {
    std::string tmpl = (fs::temp_directory_path() / "tarvex-section-bench-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) {
        state.SkipWithError("scratch folder not available");
        return;
    }
    const fs::path dir = tmpl, here = fs::current_path();
    Write(dir / "NAMES.DAT", "in.dat\nout.txt\nplot.txt\nmsg.txt\n");
    Write(dir / "in.dat", Section_Stage_Input());
    fs::current_path(dir);
    for (auto _ : state) {
        // Curves of 150 points end with warning -305; any error is a failure.
        if (TGO(6030) > 0) {
            state.SkipWithError("the section stage did not end normally");
            break;
        }
    }
    fs::current_path(here);
    fs::remove_all(dir);
}
BENCHMARK(BM_SectionStage)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
