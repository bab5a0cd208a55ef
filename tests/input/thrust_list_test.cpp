// The distinct thrust list of the section analysis: repeats removed, sorted,
// kips for US customary units.
#include <gtest/gtest.h>

#include <vector>

#include "engine/store.h"
#include "input/keyword_reading.h"

namespace tarvex_test {
using namespace tarvex;

// An EI-only problem with the given thrusts (lb or kN).
std::string EI_Only(const std::vector<double>& thrusts, std::string_view units = "Units USCS") {
    std::string text = Replace(Fixture("minimal.dat"), "ComputeEIOnly NO", "ComputeEIOnly YES");
    text = Replace(text, "Units USCS", units);
    text = Replace(text, "LOADING\n1\n1 1 10000.0 0.0 0.0 1\n0\n", "");
    std::string section = "AXIAL THRUST LOADS\n" + std::to_string(thrusts.size()) + "\n";
    for (size_t i = 0; i < thrusts.size(); ++i) section += std::to_string(i + 1) + " " + std::to_string(thrusts[i]) + "\n";
    return With(section, text);
}

std::vector<double> Thrust_List() {
    std::vector<double> v;
    for (int i = 1; i <= g.pd.i_NumThrusts; ++i) v.push_back(g.pd.rd_ThrustList(i));
    return v;
}

TEST(ThrustList, RepeatsRemovedSortedInKips) {
    ASSERT_EQ(Read_Keyword_Text(EI_Only({100, 100, 200})).state, 0);
    EXPECT_EQ(Thrust_List(), (std::vector<double>{0.1, 0.2}));
    ASSERT_EQ(Read_Keyword_Text(EI_Only({300000, -5000, 100000, 300000, 100000})).state, 0);
    EXPECT_EQ(Thrust_List(), (std::vector<double>{-5, 100, 300}));
    EXPECT_EQ(g.pd.rd_ThrustList(4), 0.0);
}

TEST(ThrustList, SIAndGenericValuesAreNotConverted) {
    ASSERT_EQ(Read_Keyword_Text(EI_Only({200, 100, 200}, "Units SI")).state, 0);
    EXPECT_EQ(Thrust_List(), (std::vector<double>{100, 200}));
    ASSERT_EQ(Read_Keyword_Text(EI_Only({7, 7}, "Units GENERAL")).state, 0);
    EXPECT_EQ(Thrust_List(), (std::vector<double>{7}));
}

TEST(ThrustList, OneHundredDistinctThrustsFillTheList) {
    std::vector<double> t;
    for (int i = 100; i >= 1; --i) t.push_back(i * 1000.0);
    ASSERT_EQ(Read_Keyword_Text(EI_Only(t)).state, 0);
    EXPECT_EQ(g.pd.i_NumThrusts, 100);
    EXPECT_EQ(g.pd.rd_ThrustList(1), 1.0);
    EXPECT_EQ(g.pd.rd_ThrustList(100), 100.0);
}

TEST(ThrustList, OneLoadCaseAndTheLRFDAxialLoads) {
    ASSERT_EQ(Read_Keyword_Text(Replace(Fixture("minimal.dat"), "1 1 10000.0 0.0 0.0 1", "1 1 10000.0 0.0 2500.0 1")).state, 0);
    EXPECT_EQ(Thrust_List(), (std::vector<double>{2.5}));
    std::string lrfd = Replace(Fixture("minimal.dat"), "UseLRFD NO", "UseLRFD YES");
    lrfd = With("LRFD LOADS\n2\n1 1 0 0 9000 0\n2 2 0 0 3000 0\n", lrfd);
    lrfd = With("LRFD FACTORS AND CASES\n1\n1 1 1 0 0 0 0 0 0 0 0 0 0 0 0.9 0.9\nService\n", lrfd);
    ASSERT_EQ(Read_Keyword_Text(lrfd).state, 0);
    EXPECT_EQ(Thrust_List(), (std::vector<double>{3, 9}));
}

TEST(ThrustList, NotBuiltForAnInteractionDiagramOrWithoutSections) {
    std::string text = Replace(EI_Only({100, 200}), "ComputeInteraction NO", "ComputeInteraction YES\nCode ACI318");
    ASSERT_EQ(Read_Keyword_Text(text).state, 0);
    EXPECT_EQ(g.pd.i_NumThrusts, 0);
    ASSERT_EQ(Read_Keyword_Text(With_Sections("0\n")).state, 0);
    EXPECT_EQ(g.pd.i_NumSections, 0);
    EXPECT_EQ(g.pd.i_NumThrusts, 0);
}

}  // namespace tarvex_test
