// Whole runs of the rock, liquefied sand and cemented silt examples: each ends
// normally with its equilibrium check, and a shaft socketed in rock deflects
// far less than the same shaft with sand in place of the rock.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/plot_records.h"
#include "support/run_dir.h"

namespace tarvex_test {
namespace {

namespace fs = std::filesystem;

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

std::string Example(const char* file) { return Read_File(fs::path(TARVEX_SOURCE_DIR) / "examples" / file); }

TEST(RockRun, ExamplesEndNormallyWithTheEquilibriumCheck) {
    for (const char* file :
         {"drilled_shaft_weak_rock_socket.dat", "pile_liquefied_sand_si.dat", "pile_cemented_silt_us.dat"}) {
        RunDir d;
        const std::string input = Example(file);
        ASSERT_FALSE(input.empty()) << file;
        EXPECT_EQ(d.run(input), 0) << file << "\n" << d.report();
        EXPECT_EQ(Count(d.report(), "Output Verification: Computed forces and moments are within specified convergence"),
                  1)
            << file;
        EXPECT_EQ(Count(d.msg(), "The analysis ended normally. "), 1) << file;
    }
}

// The largest deflection below depth d, from the nodal records (depth, y, ...).
double Largest_Below(const std::vector<std::vector<double>>& records, double d) {
    double m = 0.0;
    for (const auto& r : records)
        if (r[0] >= d) m = std::max(m, std::fabs(r[1]));
    return m;
}

// The socket example with its weak rock layer replaced by the given layer lines.
std::string With_Socket(const std::string& layer) {
    std::string input = Example("drilled_shaft_weak_rock_socket.dat");
    const std::string rock = "8 10.0 40.0\n70.0 500.0 100000.0 50.0 0.0005\n70.0 600.0 150000.0 50.0 0.0005\n";
    const size_t at = input.find(rock);
    EXPECT_NE(at, std::string::npos);
    if (at != std::string::npos) input.replace(at, rock.size(), layer);
    return input;
}

TEST(RockRun, ARockSocketDeflectsFarLessThanTheShaftInSand) {
    RunDir sand;
    ASSERT_EQ(sand.run(With_Socket("5 10.0 40.0\n115.0 34.0 90.0\n115.0 34.0 90.0\n")), 0) << sand.report();
    const auto in_sand = Nodal_Records(sand.plot());
    ASSERT_EQ(in_sand.size(), 101u);
    struct Socket {
        const char* name;
        std::string layer;
    };
    // Weak rock; vuggy limestone; massive rock (sigma_ci 10,000 psi, rock type 10, GSI 42, modulus 5,000,000 psi).
    const Socket sockets[] = {
        {"weak rock", "8 10.0 40.0\n70.0 500.0 100000.0 50.0 0.0005\n70.0 600.0 150000.0 50.0 0.0005\n"},
        {"vuggy limestone", "9 10.0 40.0\n70.0 1500.0\n70.0 1500.0\n"},
        {"massive rock", "16 10.0 40.0\n70.0 10000.0 10 42.0 5000000.0\n70.0 10000.0 10 42.0 5000000.0\n"},
    };
    for (const Socket& s : sockets) {
        RunDir d;
        EXPECT_EQ(d.run(With_Socket(s.layer)), 0) << s.name << "\n" << d.report();
        EXPECT_EQ(Count(d.report(), "Output Verification: Computed forces and moments are within specified convergence"), 1)
            << s.name;
        const auto in_rock = Nodal_Records(d.plot());
        ASSERT_EQ(in_rock.size(), 101u) << s.name;
        // At the head, and the largest movement of the shaft in the 20 ft of the socket.
        EXPECT_LT(in_rock[0][1], 0.75 * in_sand[0][1]) << s.name;
        EXPECT_LT(Largest_Below(in_rock, 120.0), 0.4 * Largest_Below(in_sand, 120.0)) << s.name;
    }
}

}  // namespace
}  // namespace tarvex_test
