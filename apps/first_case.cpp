#include <cstdio>
#include <fstream>
#include <sstream>

#include "batch_run.h"

namespace tarvex_host {

// The first "Line 13" record: pile-head shear, pile-head deflection, maximum
// moment, maximum shear and pile-head rotation, labelled with its unit system.
FirstCase Read_First_Case(const std::filesystem::path& plot_file) {
    std::ifstream in(plot_file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        const size_t label = line.find("Line 13:");
        if (label == std::string::npos) continue;
        std::istringstream fields(line.substr(0, label));
        double top_shear = 0, top_y = 0, max_moment = 0;
        if (!(fields >> top_shear >> top_y >> max_moment)) return {};
        const bool us = line.find("TopY(in)", label) != std::string::npos;
        char y[64], m[64];
        std::snprintf(y, sizeof y, "%.6g %s", top_y, us ? "in" : "m");
        std::snprintf(m, sizeof m, "%.6g %s", max_moment, us ? "in-lbs" : "kN-m");
        return {y, m};
    }
    return {};
}

}  // namespace tarvex_host
