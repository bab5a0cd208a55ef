// Number editing: the fast digits equal the digits of the full decimal
// expansion for every double, width and number of decimals, ties included.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include "output/fortran_edit.h"
#include "output/report_lines.h"

namespace tarvex {
namespace {

struct EditCase {
    double x;
    int w, d;
    const char* text;
};

// Exact ties round away from zero; nearest-even rounding would give the other digit.
const EditCase kFixedTies[] = {
    {2.5, 6, 0, "    3."},     {-2.5, 6, 0, "   -3."},   {0.5, 6, 0, "    1."},
    {1.5, 6, 0, "    2."},     {0.125, 6, 2, "  0.13"},  {-0.125, 6, 2, " -0.13"},
    {0.375, 8, 2, "    0.38"}, {0.25, 8, 1, "     0.3"}, {9.5, 6, 0, "   10."},
    {99.5, 8, 0, "    100."},  {10000.5, 9, 0, "   10001."}, {2.5e20, 9, 0, "*********"},
};
const EditCase kExponentTies[] = {
    {2.5, 8, 1, " 0.3E+01"},    {-2.5, 8, 1, "-0.3E+01"},     {0.125, 9, 2, " 0.13E+00"},
    {-0.125, 8, 2, "-.13E+00"}, {0.375, 9, 2, " 0.38E+00"},   {9.5, 8, 1, " 0.1E+02"},
    {99.5, 9, 2, " 0.10E+03"},  {2.5e20, 8, 1, " 0.3E+21"},   {-10000.0, 8, 1, "-0.1E+05"},
};

TEST(NumberEditing, ExactTiesRoundHalfAwayFromZero) {
    for (const auto& c : kFixedTies) EXPECT_EQ(Edit_F(c.x, c.w, c.d), c.text) << c.x;
    for (const auto& c : kExponentTies) EXPECT_EQ(Edit_E(c.x, c.w, c.d), c.text) << c.x;
    // 1/512 = 0.001953125 lies half-way between two values of 8 decimals
    EXPECT_EQ(Real_Field(1.0 / 512.0, 15), "     0.00195313");
    EXPECT_EQ(Real_Field(-1.0 / 512.0, 15), "    -0.00195313");
}

// Compares Fw.d and Ew.d of x with the exact path; returns the number of differences.
int Compare_Layout(double x, int w, int d) {
    int differences = 0;
    if (Edit_F(x, w, d) != Edit_F_Exact(x, w, d)) {
        ADD_FAILURE() << "F" << w << "." << d << " of " << x;
        ++differences;
    }
    if (Edit_E(x, w, d) != Edit_E_Exact(x, w, d)) {
        ADD_FAILURE() << "E" << w << "." << d << " of " << x;
        ++differences;
    }
    return differences;
}

// The same at every width and number of decimals in 1..max_w.
int Compare_All_Layouts(double x, int max_w) {
    int differences = 0;
    for (int w = 1; w <= max_w; ++w)
        for (int d = 0; d < w; ++d) differences += Compare_Layout(x, w, d);
    return differences;
}

// Values on the edges: ties at many positions, band limits of the report
// fields and their neighbours, the extremes of the double range.
TEST(NumberEditing, TiesAndBandLimitsMatchTheExactPath) {
    std::vector<double> values = {2.5,   0.125, -10000.0, 10000.0, 0.5,     1.5,    9.5,  99.5,  999.5, 0.25,
                                  0.625, 1e-6,  1e-8,     1e-5,    1e-3,    1e12,   1e9,  1e7,   5e-13, 1e-12,
                                  1e-25, 4.9e-324, 2.2250738585072014e-308, 1.7976931348623157e308};
    for (float limit : {1e-6f, 1e-8f, 1e-5f, 1e-3f, 999999995904.0f, 1e9f - 1.0f, 1e7f - 1.0f})
        values.push_back(double(limit));
    // k + 1/2 at decimal position s, for a few digits k and positions s
    for (int s = -6; s <= 12; ++s)
        for (int k : {0, 1, 2, 4, 9, 12, 99, 1234, 99999})
            if (double t = (k + 0.5) / std::pow(10.0, s); std::isfinite(t)) values.push_back(t);
    std::vector<double> all;
    for (double v : values)
        for (double x : {v, std::nextafter(v, 0.0), std::nextafter(v, INFINITY)}) {
            all.push_back(x);
            all.push_back(-x);
        }
    int differences = 0;
    for (double x : all) differences += Compare_All_Layouts(x, 24);
    EXPECT_EQ(differences, 0);
}

// Random doubles of every magnitude, of the magnitudes of report values, and
// near ties, each in a random layout: two million comparisons.
TEST(NumberEditing, RandomDoublesMatchTheExactPath) {
    std::mt19937_64 rng(20261211);
    std::uniform_int_distribution<int> width(1, 30);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    constexpr int kDraws = 1000000;
    int differences = 0;
    for (int n = 0; n < kDraws && differences < 20; ++n) {
        double x;
        switch (n % 4) {
            case 0: x = std::bit_cast<double>(rng()); break;                  // any bit pattern
            case 1: x = std::ldexp(unit(rng), int(rng() % 120) - 70); break;  // 1e-21 .. 1e15
            case 2: x = double(rng() % 100000) / std::pow(10.0, double(rng() % 9)); break;  // as input
            default: {  // on or next to a tie at a random position
                const int s = int(rng() % 16) - 4;
                x = (double(rng() % 1000000) + 0.5) / std::pow(10.0, s);
                x = rng() % 2 ? std::nextafter(x, 0.0) : std::nextafter(x, INFINITY);
                if (rng() % 3 == 0) x = (double(rng() % 1000000) + 0.5) / std::pow(10.0, s);
            }
        }
        if (!std::isfinite(x)) continue;
        if (rng() % 2) x = -x;
        const int w = width(rng);
        const int d = int(rng() % unsigned(w));
        differences += Compare_Layout(x, w, d);
    }
    EXPECT_EQ(differences, 0);
}

TEST(NumberEditing, IntegersRightJustifiedOrAsterisks) {
    EXPECT_EQ(Edit_I(42, 5), "   42");
    EXPECT_EQ(Edit_I(-42, 3), "-42");
    EXPECT_EQ(Edit_I(-420, 3), "***");
    EXPECT_EQ(Edit_I(INT64_MIN, 20), "-9223372036854775808");
    EXPECT_EQ(Edit_I(7, 0), "");
}

}  // namespace
}  // namespace tarvex
