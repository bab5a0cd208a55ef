// An independent fibre model of a reinforced-concrete section for the tests:
// strain compatibility over many thin strips, bars as points, the concrete law
// of Hognestad's parabola with Ec = 57000 sqrt(f'c) psi and an elastic-plastic
// steel law (or a strand law with the strands' initial strain); the neutral
// axis found by bisection.
#pragma once

#include <cmath>
#include <functional>
#include <vector>

namespace tarvex_test {

struct FibreBar {
    double y;     // from the centroid, toward the compression face
    double area;
};

struct FibreSection {
    double depth = 0;                         // in the bending direction
    std::function<double(double)> width;      // width at y (centroid origin)
    std::vector<FibreBar> bars;
    double fc = 4.0, fy = 60.0, Es = 29000.0;  // ksi
    double rupture = 0.0075;                   // fr = rupture sqrt(f'c psi), ksi
    std::function<double(double)> strand;      // strand law (ksi) in place of the elastic-plastic steel
    double initial_strand_strain = 0;          // strand strain where the concrete has none
    // Added to the bottom strain when the section is tested for cracking through:
    // the compression of the concrete by the prestress, as the section counts it.
    // Until then only fibres beyond the tensile strength lose their tension.
    double crack_test_shift = 0;
    int strips = 1000;
};

// Concrete stress at strain e; a cracked section carries no tension.
inline double Fibre_Concrete_Stress(const FibreSection& s, double e, bool cracked = false) {
    const double Ec = 57.0 * std::sqrt(1000.0 * s.fc), e0 = 1.7 * s.fc / Ec;
    const double fr = -s.rupture * std::sqrt(1000.0 * s.fc);
    if (e <= 0) {
        const double u = -e / e0, sig = -s.fc * (2 * u - u * u);
        return (cracked || sig < fr) ? 0.0 : sig;
    }
    if (e > 0.0038) return 0.001;
    const double u = e / e0;
    return u < 1 ? s.fc * (2 * u - u * u) : s.fc - 0.15 * s.fc * (e - e0) / (0.0038 - e0);
}

inline double Fibre_Steel_Stress(const FibreSection& s, double e) {
    if (s.strand) return s.strand(e + s.initial_strand_strain);
    return std::fmax(-s.fy, std::fmin(s.fy, s.Es * e));
}

// Axial force and moment about the centroid at curvature phi and neutral-axis depth c.
inline void Fibre_Forces(const FibreSection& s, double phi, double c, double& N, double& M) {
    N = M = 0;
    const double h = s.depth / s.strips;
    const double Ec = 57.0 * std::sqrt(1000.0 * s.fc), e0 = 1.7 * s.fc / Ec;
    const double fr = -s.rupture * std::sqrt(1000.0 * s.fc);
    const double et = -(1.0 - std::sqrt(fr / s.fc + 1.0)) * e0;  // the tension branch reaches fr
    const bool cracked = (c - s.depth) * phi + s.crack_test_shift < et;
    for (int i = 0; i < s.strips; ++i) {
        const double d = (i + 0.5) * h, y = s.depth / 2 - d;
        const double f = Fibre_Concrete_Stress(s, (c - d) * phi, cracked) * s.width(y) * h;
        N += f;
        M += f * y;
    }
    for (const FibreBar& b : s.bars) {
        const double e = (c - (s.depth / 2 - b.y)) * phi;
        const double f = (Fibre_Steel_Stress(s, e) - Fibre_Concrete_Stress(s, e, cracked)) * b.area;
        N += f;
        M += f * b.y;
    }
}

// Neutral-axis depth at which the axial force equals T. Cracking makes the
// force fall as the depth grows past the cracking depth, so two depths may
// balance T near cracking: the uncracked one is taken while it exists, unless
// the cracked one is asked for.
inline double Fibre_Neutral_Axis(const FibreSection& s, double phi, double T, bool cracked_branch = false) {
    const double Ec = 57.0 * std::sqrt(1000.0 * s.fc), e0 = 1.7 * s.fc / Ec;
    const double fr = -s.rupture * std::sqrt(1000.0 * s.fc);
    const double et = -(1.0 - std::sqrt(fr / s.fc + 1.0)) * e0;
    const double c_crack = s.depth + (et - s.crack_test_shift) / phi;
    // Beyond a top strain of 0.0038 the concrete is crushed and the force falls again.
    double lo = -20 * s.depth, hi = std::fmin(20 * s.depth, 0.0038 / phi);
    double N, M;
    if (c_crack > lo && c_crack < hi) {
        Fibre_Forces(s, phi, c_crack, N, M);
        if (N <= T && !cracked_branch) lo = c_crack;
        else hi = c_crack;
    }
    for (int k = 0; k < 60; ++k) {
        const double mid = (lo + hi) / 2;
        Fibre_Forces(s, phi, mid, N, M);
        (N > T ? hi : lo) = mid;
    }
    return (lo + hi) / 2;
}

// Moment of the section at curvature phi under thrust T.
inline double Fibre_Moment(const FibreSection& s, double phi, double T, bool cracked_branch = false) {
    double N, M;
    Fibre_Forces(s, phi, Fibre_Neutral_Axis(s, phi, T, cracked_branch), N, M);
    return M;
}

// Moment of the uncracked section with its bottom face just at the cracking
// strain: where the force jumps at cracking, a Newton search on the axial force
// settles at this depth without balancing the thrust.
inline double Fibre_Crack_Boundary_Moment(const FibreSection& s, double phi) {
    const double Ec = 57.0 * std::sqrt(1000.0 * s.fc), e0 = 1.7 * s.fc / Ec;
    const double fr = -s.rupture * std::sqrt(1000.0 * s.fc);
    const double et = -(1.0 - std::sqrt(fr / s.fc + 1.0)) * e0;
    double N, M;
    Fibre_Forces(s, phi, s.depth + (et - s.crack_test_shift) / phi, N, M);
    return M;
}

// Moment at a compressive strain of 0.003 at the top face.
inline double Fibre_Capacity(const FibreSection& s, double T) {
    double lo = 1e-7, hi = 1e-3;
    for (int k = 0; k < 100; ++k) {
        const double mid = std::sqrt(lo * hi);
        (mid * Fibre_Neutral_Axis(s, mid, T) > 0.003 ? hi : lo) = mid;
    }
    return Fibre_Moment(s, lo, T);
}

// ACI 318 rectangular stress block: 0.85 f'c over beta1 c, steel strains at 0.003.
inline double ACI_Block_Capacity(const FibreSection& s, double T) {
    const double beta1 = s.fc <= 4.0 ? 0.85 : std::fmax(0.65, 0.85 - 0.05 * (s.fc - 4.0));
    auto forces = [&](double c, double& N, double& M) {
        N = M = 0;
        const double a = beta1 * c, h = s.depth / s.strips;
        for (int i = 0; i < s.strips; ++i) {
            const double d = (i + 0.5) * h, y = s.depth / 2 - d;
            if (d > a) break;
            N += 0.85 * s.fc * s.width(y) * h;
            M += 0.85 * s.fc * s.width(y) * h * y;
        }
        for (const FibreBar& b : s.bars) {
            const double d = s.depth / 2 - b.y, e = 0.003 * (c - d) / c;
            const double f = (Fibre_Steel_Stress(s, e) - (d < a ? 0.85 * s.fc : 0.0)) * b.area;
            N += f;
            M += f * b.y;
        }
    };
    double lo = 1e-3, hi = 5 * s.depth, N, M;
    for (int k = 0; k < 200; ++k) {
        const double mid = (lo + hi) / 2;
        forces(mid, N, M);
        (N > T ? hi : lo) = mid;
    }
    forces((lo + hi) / 2, N, M);
    return M;
}

}  // namespace tarvex_test
