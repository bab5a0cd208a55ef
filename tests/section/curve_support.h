// Whole runs of single sections in the moment-capacity mode, and the curves
// read back from their plot records "Line 4" and "Line 5".
#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_dir.h"

namespace tarvex_test {

struct PlotCurve {
    int points = 0;
    double thrust = 0, capacity = 0;
    std::vector<double> moment, ei, curvature;
};

// The curves of section s, in thrust order. Each curve's header ("Line 4")
// precedes its points ("Line 5"), which name the section.
inline std::vector<PlotCurve> Plot_Curves(const std::string& plot, int s = 1) {
    std::vector<PlotCurve> curves;
    PlotCurve c;
    int section = 0;
    bool open = false;
    auto close = [&] {
        if (open && section == s) curves.push_back(c);
        open = false;
    };
    for (const std::string& line : Lines(plot)) {
        if (line.find("Line 4 :") != std::string::npos) {
            close();
            c = PlotCurve{};
            std::istringstream in(line.substr(0, 80));
            in >> c.points >> c.thrust >> c.capacity;
            open = true;
            section = 0;
        } else if (open && line.find("Line 5 :") != std::string::npos) {
            section = std::stoi(line.substr(line.find("Sect#=") + 6));
            std::istringstream in(line.substr(0, 80));
            double m, ei, k;
            in >> m >> ei >> k;
            c.moment.push_back(m);
            c.ei.push_back(ei);
            c.curvature.push_back(k);
        }
    }
    close();
    return curves;
}

// A moment-capacity run (ComputeEIOnly) of the given sections and thrusts.
inline std::string EI_Only_Input(const std::string& units, const std::string& sections,
                                 const std::vector<double>& thrusts) {
    std::string text = "TARVEX6\nTITLE\nSection test\n\n\n\n\nOPTIONS\nUnits " + units +
                       "\nUseLRFD NO\nComputeKmatrix NO\nUseTipShear NO\nUseSoilMovement NO\nUsePYModifiers NO\n"
                       "ComputeEIOnly YES\nLoading STATIC     0\nMaxIterations 100\nMaxDeflection 100.0\n"
                       "Tolerance 1.0E-5\nIncrements 100\nPrintSummaryOnly NO\nPrintIncrement 10\n"
                       "PrintPYCurves NO\nComputeInteraction NO\nSECTIONS\n" +
                       sections + "AXIAL THRUST LOADS\n" + std::to_string(thrusts.size()) + "\n";
    for (size_t i = 0; i < thrusts.size(); ++i) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%zu %.6f\n", i + 1, thrusts[i]);
        text += buf;
    }
    return text + "SOIL LAYERS\n1\n6 0.0 100.0\n115.0 34.0 90.0\n115.0 34.0 90.0\nEND\n";
}

// A 36 in drilled shaft, 12 bars of 1.0 in2 (1.128 in) on a circle with 3 in cover, f'c 4000 psi, fy 60 ksi.
inline const char* kShaft36 =
    "1\n1\n1\n40.0\n36.0\n4000.0\n0.75\nUse default concrete tensile strength\n"
    "Use internal stress-strain curve for concrete\nRebar Arrangement Not Same As Section Above\n"
    "Rebar in circle\n60000.0\n29000000.0\n12\n1\n1.128\n1.0\n3.0\n0.0\n";

// A 24 in x 12 in rectangular pile (depth 24 in the bending direction), six bars of 0.79 in2.
inline const char* kRect24x12 =
    "1\n1\n0\n30.0\n24.0\n12.0\n5000.0\n0.75\nUse default concrete tensile strength\n"
    "Use internal stress-strain curve for concrete\nRebar Arrangement Not Same As Section Above\n"
    "Rebar in noncircular pattern\n60000.0\n29000000.0\n6\n"
    "1 8 1.0 0.79 -4.0 9.0\n2 8 1.0 0.79 0.0 9.0\n3 8 1.0 0.79 4.0 9.0\n"
    "4 8 1.0 0.79 -4.0 -9.0\n5 8 1.0 0.79 0.0 -9.0\n6 8 1.0 0.79 4.0 -9.0\n";

}  // namespace tarvex_test
