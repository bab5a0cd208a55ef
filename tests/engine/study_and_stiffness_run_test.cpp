// Whole runs that ask for p-y curves at requested depths, a pile-length study
// and the pile-head stiffness matrix: the order of the stages and records, the
// fall of the stiffness terms with the load level on soft clay, and the matrix
// of the input pile whatever a study left behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_dir.h"

namespace tarvex_test {
namespace {

namespace fs = std::filesystem;

std::string Example(const std::string& name) { return Read_File(fs::path(TARVEX_SOURCE_DIR) / "examples" / name); }

std::vector<std::string> Records(const std::string& plot, const std::string& name) {
    std::vector<std::string> out;
    for (const std::string& line : Lines(plot))
        if (line.find(name) != std::string::npos) out.push_back(line);
    return out;
}

// The eight numbers of a "Line 14" record.
std::vector<double> Numbers(const std::string& record) {
    std::vector<double> v;
    for (int k = 0; k < 8; ++k) v.push_back(std::stod(record.substr(size_t(15 * k), 15)));
    return v;
}

TEST(StudyAndStiffnessRun, ExampleRunsEveryStageInItsOrder) {
    RunDir d;
    ASSERT_EQ(d.run(Example("pipe_clay_over_sand_study_us.dat")), 0);
    const std::string msg = d.msg();
    const size_t converged = msg.find("The convergence criteria have been met\n");
    const size_t curves = msg.find("Computing p-y curves for output at user-specified depths.\n");
    const size_t study = msg.find("Computing top deflection vs. pile embedment length for load case 1.\n");
    const size_t done = msg.find("Completed Analysis 1\n");
    const size_t matrix = msg.find("Computing pile-head stiffness matrix components.\n\n");
    const size_t trial = msg.find("Analysis Case 20,  Iteration ");
    ASSERT_NE(trial, std::string::npos);
    EXPECT_LT(converged, curves);
    EXPECT_LT(curves, study);
    EXPECT_LT(study, done);
    EXPECT_LT(done, matrix);
    EXPECT_LT(matrix, trial);
    EXPECT_NE(msg.find("The analysis ended normally."), std::string::npos);

    const std::string plot = d.plot();
    EXPECT_EQ(Records(plot, "Line 6 ")[0], "    4" + std::string(75, ' ') + "Line 6 : number of output p-y curves");
    const auto curve_records = Records(plot, "Line 7");
    ASSERT_EQ(curve_records.size(), 4u);
    // 5, 10, 20 and 30 ft in order; 20 ft, on the boundary, in the sand below.
    EXPECT_NE(curve_records[1].find("soft clay"), std::string::npos);
    EXPECT_EQ(curve_records[2].substr(0, 15), "  0.2400000E+03");
    EXPECT_NE(curve_records[2].find("sand"), std::string::npos);
    const auto count = Records(plot, "Line 11");
    ASSERT_EQ(count.size(), 1u);
    const int points = std::stoi(count[0].substr(0, 5));
    EXPECT_GE(points, 10);
    EXPECT_EQ(Records(plot, "Line 12").size(), size_t(points));
    const auto terms = Records(plot, "Line 14");
    ASSERT_EQ(terms.size(), 10u);
    // On soft clay the secant stiffness falls as the shear grows.
    for (int j = 1; j < 10; ++j) {
        EXPECT_LT(Numbers(terms[j])[2], Numbers(terms[j - 1])[2]) << j;  // K22
        EXPECT_LT(Numbers(terms[j])[4], Numbers(terms[j - 1])[4]) << j;  // K32
    }
    EXPECT_LT(plot.find("Line 12"), plot.find("Line 13"));
    EXPECT_LT(plot.find("Line 13"), plot.find("Line 14"));
    const std::string report = d.report();
    EXPECT_NE(report.find("Computed Pile-head Stiffness Matrix Values"), std::string::npos);
    EXPECT_NE(report.find("Pile-head Deflection vs. Pile Length for Load Case 1"), std::string::npos);
}

// The matrix is that of the input pile without distributed loads: the same
// with or without a pile-length study before it.
TEST(StudyAndStiffnessRun, TheStudyLeavesTheMatrixAlone) {
    const std::string with_study = Example("pipe_clay_over_sand_study_us.dat");
    std::string without = with_study;
    const std::string load = "1 1 20000.0 0.0 50000.0 0\n";
    without.replace(without.find(load), load.size(), "1 1 20000.0 0.0 50000.0 1\n");
    RunDir a, b;
    ASSERT_EQ(a.run(with_study), 0);
    ASSERT_EQ(b.run(without), 0);
    EXPECT_EQ(Records(b.plot(), "Line 12").size(), 0u);
    EXPECT_EQ(Records(a.plot(), "Line 14"), Records(b.plot(), "Line 14"));
}

}  // namespace
}  // namespace tarvex_test
