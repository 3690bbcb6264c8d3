#pragma once
// Closed-form NACA mean lines and thickness, cosine-spaced stations, the
// thin-airfoil reference table, for building camber lines and node arrays in
// the tests without the section builder; and the thin-airfoil step itself.

#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "analysis/LinAero.h"
#include "analysis/ThinAirfoil.h"
#include "support/TestSupport.h"

namespace aerolune::test {

using MeanLine = std::function<double(double)>;

inline constexpr double kPi = 3.14159265358979323846;

// The steps the recomputation runs: inputs in their order, then AeroCoeff on
// the node ordinates and stations.
inline ThinAirfoilResult runThinAirfoil(LinAero& aero, const Array1<float>& nodeY, const Array1<float>& nodeX,
                                        double alphaDeg, int totalPoints) {
    aero.angleDeg = alphaDeg;
    aero.pointCount = totalPoints;
    aero.quadratureOrder = 200;
    aero.AeroCoeff(nodeY, nodeX);
    return thinAirfoilCoefficients(aero, alphaDeg);
}

// NACA 4-digit mean line: maximum camber m at p.
inline MeanLine naca4MeanLine(double m, double p) {
    return [m, p](double x) {
        if (m == 0.0) return 0.0;
        return x < p ? m / (p * p) * (2.0 * p * x - x * x)
                     : m / ((1.0 - p) * (1.0 - p)) * ((1.0 - 2.0 * p) + 2.0 * p * x - x * x);
    };
}

// NACA 5-digit standard mean line with parameters r (the m of the tables) and k1.
inline MeanLine naca5MeanLine(double r, double k1) {
    return [r, k1](double x) {
        return x < r ? k1 / 6.0 * (x * x * x - 3.0 * r * x * x + r * r * (3.0 - r) * x)
                     : k1 * r * r * r / 6.0 * (1.0 - x);
    };
}

// NACA thickness (closed trailing edge) for thickness t in chords. The
// coefficients sum to zero at x = 1 only up to rounding; close it exactly.
inline double nacaThickness(double t, double x) {
    if (x >= 1.0) return 0.0;
    return 5.0 * t *
           (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x -
            0.1036 * x * x * x * x);
}

// nh stations from the leading edge, x = (1 - cos(theta)) / 2 on equal theta steps.
inline std::vector<double> cosineStations(int nh) {
    std::vector<double> x(static_cast<std::size_t>(nh));
    const double pi = 4.0 * std::atan(1.0);
    for (int i = 0; i < nh; ++i) x[i] = 0.5 * (1.0 - std::cos(pi * i / (nh - 1)));
    x.front() = 0.0;
    x.back() = 1.0;
    return x;
}

// One row of reference/analytic.csv.
struct ThinAirfoilReference {
    double alphaL0Deg, cmC4, A0alpha0, A1, A2, A3, clAlpha0;
};

// reference/analytic.csv keyed by the section column.
inline std::map<std::string, ThinAirfoilReference> readAnalyticTable() {
    std::map<std::string, ThinAirfoilReference> table;
    for (const auto& f : readCsv("reference/analytic.csv"))
        if (f.size() >= 9)
            table[f[0]] = {std::stod(f[2]), std::stod(f[3]), std::stod(f[4]), std::stod(f[5]),
                           std::stod(f[6]), std::stod(f[7]), std::stod(f[8])};
    return table;
}

}  // namespace aerolune::test
