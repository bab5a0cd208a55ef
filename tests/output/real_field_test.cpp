// Adaptive layout of real numbers in report fields: the bands, zero, NaN and
// numbers too large for their field.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "output/fortran_edit.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

struct FieldCase {
    double x;
    int w;
    const char* text;
};

// The band limits are single-precision values: 10^-6 in single precision is
// 9.99999997e-7, so a double 1.0e-6 lies above it; 10^12 - 1 rounds to
// 999999995904 in single precision.
const FieldCase kFieldCases[] = {
    // width 15
    {0.0, 15, "      0.0000000"},
    {5.0e-13, 15, "      0.0000000"},
    {-5.0e-13, 15, "      0.0000000"},
    {1.0e-12, 15, "  0.1000000E-11"},
    {10000.0, 15, " 10000.00000000"},
    {10000.5, 15, "         10001."},
    {10000.4, 15, "         10000."},
    {-1234.5, 15, " -1234.50000000"},
    {0.123456786, 15, "     0.12345679"},
    {999999995904.0, 15, "  999999995904."},
    {999999995905.0, 15, "  0.1000000E+13"},
    {1.0e12, 15, "  0.1000000E+13"},
    {-2.5e15, 15, " -0.2500000E+16"},
    {1.0e-6, 15, "     0.00000100"},
    {9.9e-7, 15, "   0.0000009900"},
    {1.0e-8, 15, "   0.0000000100"},
    {9.0e-9, 15, "  0.9000000E-08"},
    // width 12
    {0.0, 12, "      0.0000"},
    {10000.0, 12, " 10000.00000"},
    {0.0015, 12, "     0.00150"},
    {0.001, 12, "   0.0010000"},
    {1.0e-5, 12, "   0.0000100"},
    {9.0e-6, 12, "  0.9000E-05"},
    {1.0e9, 12, " 1000000000."},
    {1.5e9, 12, "  0.1500E+10"},
    // width 10
    {0.0, 10, "      0.00"},
    {0.5, 10, "     0.500"},
    {0.1, 10, "   0.10000"},
    {0.002, 10, "   0.00200"},
    {0.001, 10, "  0.10E-02"},
    {12345.0, 10, "    12345."},
    {9999999.0, 10, "  9999999."},
    {1.0e7, 10, "  0.10E+08"},
    // too large for the field: asterisks keep the width
    {-10000.0, 15, " **************"},
    {-10000.0, 12, " ***********"},
    {-10000.0, 10, " *********"},
};

TEST(RealField, BandsOfWidths15_12_10) {
    for (const auto& c : kFieldCases) {
        EXPECT_EQ(Real_Field(c.x, c.w), c.text) << "x = " << c.x << ", w = " << c.w;
    }
}

TEST(RealField, EveryFiniteValueKeepsItsWidth) {
    const double values[] = {0.0,    1e-30, 3.3e-9, 7.7e-7, 0.25,    -0.25, 9999.99, 10000.01,
                             -9e11,  9e11,  1e13,   -1e13,  1.0e100, -1e-100, 4.9e-324};
    for (int w : {10, 12, 15})
        for (double x : values) EXPECT_EQ(Real_Field(x, w).size(), size_t(w)) << x << " " << w;
}

TEST(RealField, NotANumberIsFourteenCharacters) {
    EXPECT_EQ(Real_Field(std::numeric_limits<double>::quiet_NaN(), 15), "  Not-a-Number");
    EXPECT_EQ(Real_Field(std::numeric_limits<double>::quiet_NaN(), 10), "  Not-a-Number");
}

TEST(RealField, InfinityKeepsItsWidth) {
    EXPECT_EQ(Real_Field(std::numeric_limits<double>::infinity(), 15).size(), 15u);
    EXPECT_EQ(Real_Field(-std::numeric_limits<double>::infinity(), 12).size(), 12u);
}

TEST(IntField, RightJustifiedWithWidthFallback) {
    EXPECT_EQ(Int_Field(42, 5), "   42");
    EXPECT_EQ(Int_Field(-7, 3), " -7");
    EXPECT_EQ(Int_Field(42, 0), "        42");
    EXPECT_EQ(Int_Field(42, 17), "        42");
    EXPECT_EQ(Int_Field(123456, 3), "***");
}

struct EditCase {
    const char* got;
    const char* want;
};

TEST(FortranEdit, FixedAndExponentLayouts) {
    // Round half away from zero on the exact decimal value of the double:
    // 2.675 is 2.67499999... and rounds down, 0.125 is exact and rounds up.
    EXPECT_EQ(Edit_F(2.675, 6, 2), "  2.67");
    EXPECT_EQ(Edit_F(0.125, 6, 2), "  0.13");
    EXPECT_EQ(Edit_F(-0.125, 6, 2), " -0.13");
    EXPECT_EQ(Edit_F(3.0, 5, 0), "   3.");
    EXPECT_EQ(Edit_F(0.5, 4, 3), ".500");      // no room for the leading zero
    EXPECT_EQ(Edit_F(123.0, 3, 1), "***");
    EXPECT_EQ(Edit_E(12345.0, 15, 7), "  0.1234500E+05");
    EXPECT_EQ(Edit_E(-0.00098765, 15, 7), " -0.9876500E-03");
    EXPECT_EQ(Edit_E(0.0, 15, 7), "  0.0000000E+00");
    EXPECT_EQ(Edit_E(9.99999999, 15, 7), "  0.1000000E+02");
    EXPECT_EQ(Edit_I(-12, 5), "  -12");
}

}  // namespace
}  // namespace tarvex
