// Empirical factors A and B of the Reese, Cox and Koop (1974) sand criteria
// against the normalised depth x / b (single-precision values).
#pragma once

namespace tarvex {

inline constexpr double kReeseSandAbscissa[10] = {0.0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0};
inline constexpr double kReeseAStatic[10] = {double(2.83f), double(2.48f), double(2.11f), double(1.76f),
                                             double(1.48f), double(1.23f), double(1.06f), double(0.90f),
                                             double(0.88f), double(0.88f)};
inline constexpr double kReeseBStatic[10] = {double(2.14f), double(1.83f), double(1.54f), double(1.27f),
                                             double(1.05f), double(0.86f), double(0.71f), double(0.53f),
                                             double(0.50f), double(0.50f)};
inline constexpr double kReeseACyclic[10] = {double(0.75f), double(0.93f), double(1.07f), double(1.11f),
                                             double(1.03f), double(0.98f), double(0.94f), double(0.90f),
                                             double(0.88f), double(0.88f)};
inline constexpr double kReeseBCyclic[10] = {double(0.53f), double(0.72f), double(0.83f), double(0.86f),
                                             double(0.82f), double(0.77f), double(0.70f), double(0.55f),
                                             double(0.55f), double(0.55f)};

}  // namespace tarvex
