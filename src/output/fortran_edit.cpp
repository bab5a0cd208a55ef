// Fortran-style editing of numbers.
//
// The digits come from std::to_chars, which rounds the exact value of the
// double to the nearest decimal. That is half away from zero everywhere but at
// an exact tie; a tie is recognised exactly from the binary significand and
// exponent, and only then are the digits taken from the full decimal expansion.
#include "output/fortran_edit.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace tarvex {
namespace {

// Significant digits kept of a double's decimal expansion on the exact path:
// an exact tie ends at the digit after its rounding position, well within them.
constexpr int kExactDigits = 60;

// Widest rounding positions the fast path takes; beyond them the exact path
// (no report field comes near).
constexpr int kMaxFastDecimals = 40;
constexpr int kMaxFastDigits = 40;
// Room for the fixed layout of the largest double with kMaxFastDecimals decimals.
constexpr int kFixedBufferSize = 309 + 1 + kMaxFastDecimals + 8;

// 5^k for k = 0..22, the powers of five below 2^53.
constexpr int kMaxPow5 = 22;
constexpr uint64_t Pow5(int k) { return k == 0 ? 1 : 5 * Pow5(k - 1); }

// |x| = 0.d1 d2 d3 ... x 10^exp10 with d1 != 0 (digits are characters '0'..'9').
struct Decimal {
    char digits[kExactDigits + 2];
    int count;
    int exp10;
};

Decimal Decompose(double a) {
    Decimal r{};
    char buf[kExactDigits + 16];
    std::snprintf(buf, sizeof buf, "%.*e", kExactDigits - 1, a);  // d.ddd...e+XX
    r.count = 0;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') r.digits[r.count++] = *p;
    r.exp10 = (*p == 'e') ? std::atoi(p + 1) + 1 : 1;
    return r;
}

// Rounds to `keep` leading digits, half away from zero. Returns the kept digits
// (possibly one more leading digit after a carry, signalled by bumping exp10).
std::string Round_Digits(Decimal& dec, int keep) {
    if (keep < 0) keep = 0;
    std::string kept(dec.digits, dec.digits + (keep < dec.count ? keep : dec.count));
    while (int(kept.size()) < keep) kept.push_back('0');
    bool up = keep < dec.count && dec.digits[keep] >= '5';
    if (up) {
        int i = keep - 1;
        while (i >= 0 && kept[i] == '9') kept[i--] = '0';
        if (i >= 0) {
            ++kept[i];
        } else {
            kept.insert(kept.begin(), '1');
            ++dec.exp10;
        }
    }
    return kept;
}

// True when a > 0 lies exactly half-way between two multiples of 10^-s, the
// only case where nearest rounding and rounding half away from zero differ.
// With a = m 2^e, m odd: a 10^s = m 5^s 2^(e+s) is an odd number of halves
// only if e + s = -1, and for s < 0 only if besides 5^-s divides m.
bool Tie_At(double a, int s) {
    const uint64_t bits = std::bit_cast<uint64_t>(a);
    const int biased = int(bits >> 52) & 0x7ff;
    uint64_t m = bits & ((uint64_t(1) << 52) - 1);
    int e = -1074;
    if (biased != 0) {
        m |= uint64_t(1) << 52;
        e = biased - 1075;
    }
    const int tz = std::countr_zero(m);
    m >>= tz;
    e += tz;
    if (e + s != -1) return false;
    if (s >= 0) return true;
    return -s <= kMaxPow5 && m % Pow5(-s) == 0;
}

std::string Fit(std::string_view body, int w) {
    if (w <= 0) return {};
    if (int(body.size()) > w) return std::string(size_t(w), '*');
    std::string r(size_t(w), ' ');
    std::memcpy(r.data() + (size_t(w) - body.size()), body.data(), body.size());
    return r;
}

std::string Non_Finite(double x, int w) {
    if (std::isnan(x)) return Fit("NaN", w);
    return Fit(x < 0 ? "-Infinity" : (w >= 9 ? "+Infinity" : "Infinity"), w);
}

// Fw.d from the value in units of the last decimal, as a digit string.
std::string Layout_F(std::string_view units, bool neg, int d, int w) {
    size_t nz = units.find_first_not_of('0');
    units = (nz == std::string_view::npos) ? std::string_view("0") : units.substr(nz);
    if (units == "0") neg = false;  // no negative zero
    const int n = int(units.size());
    // "0" or no more digits than decimals: nothing before the point.
    const bool no_int = n <= d || units == "0";
    std::string body;
    body.reserve(size_t(n + d + 3));
    if (neg) body.push_back('-');
    // The leading zero of a value below 1 is kept where the field has room.
    if (!no_int)
        body.append(units.substr(0, size_t(n - d)));
    else if (d + 2 + (neg ? 1 : 0) <= w || d == 0)
        body.push_back('0');
    body.push_back('.');
    if (n < d) body.append(size_t(d - n), '0');
    body.append(units.substr(n > d ? size_t(n - d) : size_t(0)));
    return Fit(body, w);
}

// Ew.d from the d mantissa digits and the decimal exponent.
std::string Layout_E(std::string_view mant, int e, bool neg, int w) {
    // "E+xx" up to 99, "+xxx" up to 999
    const int ae = std::abs(e);
    if (ae > 999) return std::string(size_t(w > 0 ? w : 0), '*');
    char ex[4];
    if (ae <= 99) {
        ex[0] = 'E';
        ex[1] = e < 0 ? '-' : '+';
    } else {
        ex[0] = e < 0 ? '-' : '+';
        ex[1] = char('0' + ae / 100);
    }
    ex[2] = char('0' + ae / 10 % 10);
    ex[3] = char('0' + ae % 10);
    std::string body;
    body.reserve(mant.size() + 8);
    if (neg) body.push_back('-');
    if (int(mant.size()) + 4 + 1 + (neg ? 1 : 0) + 1 <= w) body.push_back('0');
    body.push_back('.');
    body.append(mant);
    body.append(ex, 4);
    return Fit(body, w);
}

// |x| rounded to d decimals, in units of the last decimal, from the full expansion.
std::string Exact_Units(double a, int d) {
    Decimal dec = Decompose(a);
    int keep = dec.exp10 + d;
    if (keep > 0) return Round_Digits(dec, keep);
    return (keep == 0 && dec.digits[0] >= '5') ? "1" : "0";
}

// The d mantissa digits and exponent of |x| = 0.ddd x 10^e, from the full expansion.
std::string Exact_Mantissa(double a, int d, int& e) {
    Decimal dec = Decompose(a);
    std::string mant = Round_Digits(dec, d);
    if (int(mant.size()) > d) mant.resize(size_t(d));  // carry: 1000.. with exp10 bumped
    e = dec.exp10;
    return mant;
}

}  // namespace

std::string Edit_F(double x, int w, int d) {
    if (!std::isfinite(x)) return Non_Finite(x, w);
    if (d < 0) d = 0;
    const bool neg = std::signbit(x) && x != 0.0;
    const double a = std::fabs(x);
    if (a == 0.0) return Layout_F("0", false, d, w);
    if (d > kMaxFastDecimals || Tie_At(a, d)) return Edit_F_Exact(x, w, d);
    char buf[kFixedBufferSize];
    char* end = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::fixed, d).ptr;
    if (d > 0) {  // drop the point: the value in units of the last decimal
        std::memmove(end - d - 1, end - d, size_t(d));
        --end;
    }
    return Layout_F(std::string_view(buf, size_t(end - buf)), neg, d, w);
}

std::string Edit_E(double x, int w, int d) {
    if (!std::isfinite(x)) return Non_Finite(x, w);
    if (d < 0) d = 0;
    const bool neg = std::signbit(x) && x != 0.0;
    const double a = std::fabs(x);
    if (a == 0.0) return Layout_E(std::string(size_t(d), '0'), 0, neg, w);
    if (d < 1 || d > kMaxFastDigits) return Edit_E_Exact(x, w, d);
    char buf[kMaxFastDigits + 16];
    char* end = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, d - 1).ptr;
    // d.ddde+XX: the digits without the point, then the exponent of d.ddd
    char mant[kMaxFastDigits];
    mant[0] = buf[0];
    const char* p = buf + 1;
    if (d > 1) {
        std::memcpy(mant + 1, buf + 2, size_t(d - 1));
        p = buf + 1 + d;
    }
    int x10 = 0;
    for (const char* q = p + 2; q < end; ++q) x10 = 10 * x10 + (*q - '0');
    if (p[1] == '-') x10 = -x10;
    const int e = x10 + 1;
    // A tie is looked for at the rounding position of the exponent found and,
    // after a carry to 1000.., of the exponent one lower.
    if (Tie_At(a, d - e) || Tie_At(a, d - e + 1)) return Edit_E_Exact(x, w, d);
    return Layout_E(std::string_view(mant, size_t(d)), e, neg, w);
}

std::string Edit_F_Exact(double x, int w, int d) {
    if (!std::isfinite(x)) return Non_Finite(x, w);
    if (d < 0) d = 0;
    const bool neg = std::signbit(x) && x != 0.0;
    if (x == 0.0) return Layout_F("0", false, d, w);
    return Layout_F(Exact_Units(std::fabs(x), d), neg, d, w);
}

std::string Edit_E_Exact(double x, int w, int d) {
    if (!std::isfinite(x)) return Non_Finite(x, w);
    if (d < 0) d = 0;
    const bool neg = std::signbit(x) && x != 0.0;
    if (x == 0.0) return Layout_E(std::string(size_t(d), '0'), 0, neg, w);
    int e = 0;
    std::string mant = Exact_Mantissa(std::fabs(x), d, e);
    return Layout_E(mant, e, neg, w);
}

std::string Edit_I(int64_t n, int w) {
    char buf[24];
    char* end = std::to_chars(buf, buf + sizeof buf, n).ptr;
    return Fit(std::string_view(buf, size_t(end - buf)), w);
}

}  // namespace tarvex
