// Fortran-style editing of numbers.
#include "output/fortran_edit.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tarvex {
namespace {

// Significant digits kept of a double's decimal expansion: enough that the digit
// after any rounding position we use tells a true tie from a near one.
constexpr int kExactDigits = 60;

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

std::string Fit(const std::string& body, int w) {
    if (w <= 0) return {};
    if (int(body.size()) > w) return std::string(size_t(w), '*');
    return std::string(size_t(w) - body.size(), ' ') + body;
}

std::string Non_Finite(double x, int w) {
    if (std::isnan(x)) return Fit("NaN", w);
    return Fit(x < 0 ? "-Infinity" : (w >= 9 ? "+Infinity" : "Infinity"), w);
}

}  // namespace

std::string Edit_F(double x, int w, int d) {
    if (!std::isfinite(x)) return Non_Finite(x, w);
    if (d < 0) d = 0;
    bool neg = std::signbit(x) && x != 0.0;
    // units: the value in units of the last decimal, as a digit string
    std::string units = "0";
    if (x != 0.0) {
        Decimal dec = Decompose(std::fabs(x));
        int keep = dec.exp10 + d;
        if (keep > 0)
            units = Round_Digits(dec, keep);
        else if (keep == 0 && dec.digits[0] >= '5')
            units = "1";
    }
    size_t nz = units.find_first_not_of('0');
    units = (nz == std::string::npos) ? std::string("0") : units.substr(nz);
    if (units == "0") neg = false;  // no negative zero
    if (int(units.size()) <= d) units = std::string(size_t(d) + 1 - units.size(), '0') + units;
    std::string intpart = units.substr(0, units.size() - size_t(d));
    std::string frac = units.substr(units.size() - size_t(d));
    if (intpart == "0") intpart.clear();
    std::string body = intpart + "." + frac;
    // The leading zero of a value below 1 is kept where the field has room.
    if (intpart.empty() && (int(body.size()) + (neg ? 1 : 0) + 1 <= w || d == 0)) body = "0" + body;
    if (neg) body = "-" + body;
    return Fit(body, w);
}

std::string Edit_E(double x, int w, int d) {
    if (!std::isfinite(x)) return Non_Finite(x, w);
    if (d < 0) d = 0;
    bool neg = std::signbit(x) && x != 0.0;
    std::string mant;
    int e = 0;
    if (x == 0.0) {
        mant.assign(size_t(d), '0');
    } else {
        Decimal dec = Decompose(std::fabs(x));
        mant = Round_Digits(dec, d);
        if (int(mant.size()) > d) mant.resize(size_t(d));  // carry: 1000.. with exp10 bumped
        e = dec.exp10;
    }
    char ex[16];
    int ae = std::abs(e);
    if (ae <= 99)
        std::snprintf(ex, sizeof ex, "E%c%02d", e < 0 ? '-' : '+', ae);
    else if (ae <= 999)
        std::snprintf(ex, sizeof ex, "%c%03d", e < 0 ? '-' : '+', ae);
    else
        return std::string(size_t(w > 0 ? w : 0), '*');
    std::string body = "." + mant + ex;
    if (int(body.size()) + (neg ? 1 : 0) + 1 <= w) body = "0" + body;
    if (neg) body = "-" + body;
    return Fit(body, w);
}

std::string Edit_I(int64_t n, int w) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(n));
    return Fit(buf, w);
}

}  // namespace tarvex
