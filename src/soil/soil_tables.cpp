// Tabulated coefficients of the p-y criteria: a 10-point table lookup and the
// A_s and A_c coefficients of Reese, Cox and Koop (1975) stiff clay with free water.
#include <algorithm>

#include "soil/soil_profile.h"

namespace tarvex {

double fn_Table10(double a, double b, const double (&V)[10], const double (&R)[10]) {
    const double r = a / b;
    if (r > R[9]) return V[9];
    int i = 9;  // 0-based index of the upper point of the segment
    for (int j = 1; j <= 9; ++j)
        if (r < R[j]) {
            i = j;
            break;
        }
    return V[i - 1] + (r - R[i - 1]) * (V[i] - V[i - 1]) / (R[i] - R[i - 1]);
}

// Fits of the published A_s and A_c curves; the coefficients are single-precision values.
double fn_As(double z) {
    constexpr double kDeep = double(3.3f), kMax = double(0.6f);
    if (z > kDeep) return kMax;
    const double f = (z * z * double(0.0068981f) + double(0.2958796f)) * z + (double(0.2345f) - z * z * double(0.0786111f));
    return std::min(f, kMax);
}

double fn_Ac(double z) {
    constexpr double kDeep = double(1.5f), kMax = double(0.3f);
    if (z > kDeep) return kMax;
    const double f = (z * z * double(0.011667f) + double(0.153333f)) * z + (double(0.2f) - z * z * double(0.075f));
    return std::min(f, kMax);
}

}  // namespace tarvex
