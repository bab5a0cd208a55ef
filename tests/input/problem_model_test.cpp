// The problem model: the p-y model code table, the load state of a fresh
// store and the view of a soil layer.
#include <gtest/gtest.h>

#include "engine/store.h"
#include "input/keyword_reading.h"
#include "input/section_records.h"

namespace tarvex_test {
using namespace tarvex;

TEST(ModelCodes, KeywordsPaddedToTenAndLongNames) {
    Reset_Store();
    const char* keywords[17] = {"SoftClay  ", "StfClyBW  ", "StfClyAW  ", "StfClyAK  ", "Sand      ", "API Sand  ",
                                "Liq Sand  ", "WeakRock  ", "Vuggy LS  ", "Piedmont  ", "Cem Silt  ", "KS Loess  ",
                                "Elast SG  ", "User p-y  ", "SoftClyJ  ", "MassRock  ", "Frz Soil  "};
    for (int k = 1; k <= 17; ++k) EXPECT_EQ(g.pd.models.SoilModelName(k).view(), keywords[k - 1]) << k;
    for (int k = 18; k <= 20; ++k) EXPECT_EQ(g.pd.models.SoilModelName(k).view(), "Undefined ") << k;
    EXPECT_STREQ(Model_Long_Name(kStfClyAK), "Stiff Clay w/o Free Water, using k");
    EXPECT_STREQ(Model_Long_Name(kSand), "Sand (Reese, et al.)");
    EXPECT_STREQ(Model_Long_Name(kSoftClyJ), "Soft Clay with User-defined J");
    EXPECT_STREQ(Model_Long_Name(kFrzSoil), "Frozen Soil");
}

TEST(ProblemModel, LoadStateOfAFreshStore) {
    Reset_Store();
    const ProblemData& pd = g.pd;
    EXPECT_EQ(pd.IUNITS, 0);
    EXPECT_EQ(pd.b_CyclicLoading, kFalse);
    EXPECT_EQ(pd.b_PrintSummaryOnly, kFalse);
    EXPECT_EQ(pd.rd_SoftClayJ, 0.5);
    EXPECT_EQ(pd.i_NumSections, 0);
    EXPECT_EQ(pd.Section(20).i_SectionType, 0);
    EXPECT_TRUE(pd.Title(5).blank());
    EXPECT_TRUE(pd.ComboName(100).blank());
}

TEST(ProblemModel, SoilLayerViewJoinsTheLayerAndItsProfilePoints) {
    ASSERT_EQ(Read_Keyword_Text(Fixture("complete.dat")).state, 0);
    SoilLayer layer = Soil_Layer(g.pd, 8);
    EXPECT_EQ(layer.i_py_Type, kWeakRock);
    EXPECT_EQ(layer.XLayerTop, 35.0);
    EXPECT_EQ(layer.XLayerBottom, 40.0);
    EXPECT_EQ(layer.rd_KTop, 50000.0);
    EXPECT_EQ(layer.rd_KBottom, 60000.0);
    EXPECT_EQ(g.pd.rd_ProfileRQD(layer.i_TopPoint), 60.0);
    EXPECT_EQ(g.pd.rd_ProfileRQD(layer.i_BottomPoint), 70.0);
}

}  // namespace tarvex_test

namespace tarvex_test {

TEST(CodeNames, SectionLRFDStrandAndShapeNames) {
    using namespace tarvex;
    EXPECT_STREQ(Section_Type_Name(0), "Rectangular Concrete Pile");
    EXPECT_STREQ(Section_Type_Name(12), "Elastic with Specified Moment Capacity");
    EXPECT_STREQ(Section_Type_Name(14), "Micropile");
    EXPECT_STREQ(Section_Type_Name(15), "");
    EXPECT_STREQ(LRFD_Load_Type_Name(1), "Dead Load");
    EXPECT_STREQ(LRFD_Load_Type_Name(13), "Special");
    EXPECT_STREQ(LRFD_Load_Type_Abbrev(7), "Ice");
    EXPECT_STREQ(LRFD_Load_Type_Abbrev(0), "");
    EXPECT_STREQ(Strand_Type_Name(5), "Deformed bars (150-160 ksi)");
    EXPECT_STREQ(Elastic_Shape_Name(6), "Embedded Circular Pole");
    EXPECT_STREQ(Elastic_Shape_Name(7), "");
}

}  // namespace tarvex_test
