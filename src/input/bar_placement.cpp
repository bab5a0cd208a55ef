// Automatic placement of reinforcing bars on a circle and of prestressing
// strands on a circle or on the perimeter of a square.
#include <cmath>

#include "input/section_records.h"

namespace tarvex {
namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kSqrt3Over2 = 0.8660254037844386;  // centre of the third bar of a bundle of three
constexpr double kMaxBarDiameter = 100.0;           // a larger diameter is taken as 0

void Put_Polar(BarCoords& x, BarCoords& y, int k, double angle, double radius) {
    x(k) = radius * std::cos(angle);
    y(k) = radius * std::sin(angle);
}

}  // namespace

bool Place_Bars_On_Circle(BarCoords& x, BarCoords& y, double D, double c, double& d, int n, int nb) {
    if (D < d || D <= 0 || c <= 0 || n < 1 || n > kMaxBars || nb < 1) return false;
    if (nb <= 3 && n * nb > kMaxBars) return false;
    if (std::fabs(d) > kMaxBarDiameter) d = 0;
    const double R = (D - d) * 0.5 - c;  // radius of the bar centres
    if (R <= 0) return false;
    const double r = d / R;                   // angle subtended by one bar diameter
    const double R3 = R - d * kSqrt3Over2;    // radius of the third bar of a bundle
    const double w = kTwoPi / n;              // angle between positions
    x.fill(0.0);
    y.fill(0.0);
    for (int i = 1; i <= n; ++i) {
        const double a = (i - 1) * w;
        switch (nb) {
            case 1:
                if (n > 1) Put_Polar(x, y, i, a, R);
                break;
            case 2:
                if (n == 1) {
                    x(1) = -d / 2;
                    x(2) = d / 2;
                } else {
                    Put_Polar(x, y, 2 * i - 1, a - r / 2, R);
                    Put_Polar(x, y, 2 * i, a + r / 2, R);
                }
                break;
            case 3:
                Put_Polar(x, y, 3 * i - 2, a - r / 2, R);
                Put_Polar(x, y, 3 * i - 1, a + r / 2, R);
                Put_Polar(x, y, 3 * i, a, R3);
                break;
            default: break;  // bundles of more than three bars are not placed
        }
    }
    return true;
}

void Place_Strands_On_Square(BarCoords& x, BarCoords& y, double D, double c, double d, int n, int pattern) {
    const double a = (D - d) * 0.5 - c;  // half side of the square of strand centres
    x.fill(0.0);
    y.fill(0.0);
    if (n < 4) {
        if (pattern != 1) return;
        if (n == 2 || n == 3) {
            x(1) = -a, y(1) = -a;
            x(2) = a, y(2) = a;
        }
        if (n == 2) x(3) = -a, y(3) = a;
        return;
    }
    const int m = n / 4, rem = n % 4;
    int nb = m + 1, k = m - 1;  // strands on each horizontal face, inside each vertical face
    if (rem >= 2) {
        if (pattern == 1) nb = m + 2;
        else k = m;
    }
    const double s = 2 * a / (nb - 1);
    const double L = 2 * a / (k + 1);
    const int K = (k - 1) / 2 + 1;
    int idx = 0;
    for (int i = 0; i < nb; ++i) ++idx, x(idx) = -a + i * s, y(idx) = -a;
    for (int j = 1; j <= k; ++j) ++idx, x(idx) = a, y(idx) = (j - K) * L;
    for (int i = 0; i < nb; ++i) ++idx, x(idx) = a - i * s, y(idx) = a;
    for (int j = 1; j <= k; ++j) ++idx, x(idx) = -a, y(idx) = -(j - K) * L;
}

}  // namespace tarvex
