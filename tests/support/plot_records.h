// Numbers of the plot output file's records, for tests that check results.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "support/run_dir.h"

namespace tarvex_test {

// The six values of every "Line 10" record of the plot file: depth, y, M, V, p, EI.
inline std::vector<std::vector<double>> Nodal_Records(const std::string& plot) {
    std::vector<std::vector<double>> out;
    for (const std::string& line : Lines(plot)) {
        if (line.find("Line 10(") == std::string::npos) continue;
        std::istringstream in(line.substr(0, 90));
        std::vector<double> v(6);
        for (double& x : v) in >> x;
        out.push_back(v);
    }
    return out;
}

}  // namespace tarvex_test
