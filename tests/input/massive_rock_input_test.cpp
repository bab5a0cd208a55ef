// A massive rock layer of the keyword file: the criterion's strength and rock
// modulus columns hold the sigma_ci and rock mass modulus the engineer gave,
// which stay in psi in US customary units.
#include <gtest/gtest.h>

#include "engine/driver.h"
#include "engine/store.h"
#include "input/keyword_reading.h"

namespace tarvex_test {
namespace {

using namespace tarvex;

TEST(MassiveRockInput, StrengthAndModulusReachTheCriterion) {
    const std::string text = Replace(Fixture("minimal.dat"), "1 0.0 60.0\n55.0 600.0 0.02\n55.0 1200.0 0.01\n",
                                     "16 0.0 60.0\n140.0 8000.0 10 42.0 2000000.0\n140.0 9000.0 10 55.0 3000000.0\n");
    const ReadResult r = Read_Keyword_Text(text);
    ASSERT_EQ(r.state, 0) << r.report << r.msg;
    const ProblemData& pd = g.pd;
    ASSERT_EQ(pd.i_SoilLayer_py_Type(1), kMassRock);
    Convert_Input_Units();
    EXPECT_EQ(pd.rd_ProfileSigCi(1), 8000.0);  // the echo's value
    EXPECT_EQ(pd.rd_ProfileStrength(1), 8000.0);
    EXPECT_EQ(pd.rd_ProfileStrength(2), 9000.0);
    EXPECT_EQ(pd.rd_LayerKTop(1), 2000000.0);
    EXPECT_EQ(pd.rd_LayerKBottom(1), 3000000.0);
    EXPECT_EQ(pd.rd_ProfileGSI(2), 55.0);
}

}  // namespace
}  // namespace tarvex_test
