#pragma once
// Sections for the field tests, built here so the tests do not depend on the
// section builder: NACA 4-digit and 230-series 5-digit sections on cosine
// stations with a closed trailing edge and an optional plain flap, laid out as
// the field entries receive them (node 1 the trailing edge, lower surface
// first, node 2H+1 repeating node 1).

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace aerolune::test {

struct FieldSection {
    std::vector<float> x, y;  // 0-based storage of nodes 1..2H+1
    int32_t n() const { return static_cast<int32_t>(x.size()); }
};

struct NacaShape {
    int digits = 12;       // 4-digit (e.g. 2412) or 5-digit 230xx (e.g. 23012)
    double flapDeg = 0.0;  // trailing edge down positive
    double hinge = 0.5;    // fraction of chord
};

inline double nacaThickness(double t, double x) {
    return 5.0 * t *
           (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x -
            0.1036 * x * x * x * x);
}

// Mean line ordinate and slope.
inline void nacaCamber(int digits, double x, double& yc, double& slope) {
    yc = slope = 0.0;
    if (digits >= 10000) {  // 230 mean line: r = 0.2025, k1 = 15.957
        const double r = 0.2025, k1 = 15.957;
        if (x < r) {
            yc = k1 / 6.0 * (x * x * x - 3.0 * r * x * x + r * r * (3.0 - r) * x);
            slope = k1 / 6.0 * (3.0 * x * x - 6.0 * r * x + r * r * (3.0 - r));
        } else {
            yc = k1 * r * r * r / 6.0 * (1.0 - x);
            slope = -k1 * r * r * r / 6.0;
        }
        return;
    }
    const double m = (digits / 1000) / 100.0, p = (digits / 100 % 10) / 10.0;
    if (m == 0.0 || p == 0.0) return;
    if (x < p) {
        yc = m / (p * p) * (2.0 * p * x - x * x);
        slope = 2.0 * m / (p * p) * (p - x);
    } else {
        yc = m / ((1 - p) * (1 - p)) * (1.0 - 2.0 * p + 2.0 * p * x - x * x);
        slope = 2.0 * m / ((1 - p) * (1 - p)) * (p - x);
    }
}

inline FieldSection nacaSection(const NacaShape& shape, int halfPoints = 60) {
    const double t = (shape.digits % 100) / 100.0;
    std::vector<double> ux, uy, lx, ly;
    for (int k = 0; k <= halfPoints; ++k) {
        const double xs = 0.5 * (1.0 - std::cos(std::numbers::pi * k / halfPoints));
        double yc, slope;
        nacaCamber(shape.digits, xs, yc, slope);
        const double yt = nacaThickness(t, xs), th = std::atan(slope);
        ux.push_back(xs - yt * std::sin(th));
        uy.push_back(yc + yt * std::cos(th));
        lx.push_back(xs + yt * std::sin(th));
        ly.push_back(yc - yt * std::cos(th));
    }
    FieldSection s;
    auto add = [&](double px, double py) {
        if (shape.flapDeg != 0.0 && px > shape.hinge) {
            double yh, slope;
            nacaCamber(shape.digits, shape.hinge, yh, slope);
            const double d = -shape.flapDeg * std::numbers::pi / 180.0;
            const double dx = px - shape.hinge, dy = py - yh;
            px = shape.hinge + dx * std::cos(d) - dy * std::sin(d);
            py = yh + dx * std::sin(d) + dy * std::cos(d);
        }
        s.x.push_back(static_cast<float>(px));
        s.y.push_back(static_cast<float>(py));
    };
    for (int k = halfPoints; k >= 0; --k) add(lx[k], ly[k]);
    for (int k = 1; k <= halfPoints; ++k) add(ux[k], uy[k]);
    return s;
}

}  // namespace aerolune::test
