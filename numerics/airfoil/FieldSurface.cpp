#include "numerics/airfoil/FieldSurface.h"

#include <algorithm>
#include <cmath>

namespace aerolune {

bool readSurfaceSolution(const float* velocity, const float* x, const float* y, int32_t n, SurfaceSolution& s) {
    s = SurfaceSolution{};
    const int32_t panels = n - 1, lowerPanels = panels / 2;
    for (int32_t k = 0; k < panels; ++k) {
        const double x0 = x[k], y0 = y[k], x1 = x[k + 1], y1 = y[k + 1], v = velocity[k];
        if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1) ||
            !std::isfinite(v) || (x0 == x1 && y0 == y1))
            continue;
        const int32_t panel = k + 1;  // the caller's 1-based panel number
        const double along = panel <= lowerPanels ? -v : v;
        if (s.x.empty() || s.x.back() != x0 || s.y.back() != y0) {
            if (!s.x.empty()) {
                // A dropped panel leaves a gap: bridge it with a panel whose
                // velocity is its neighbour's.
                s.along.push_back(s.along.back());
            }
            s.x.push_back(x0);
            s.y.push_back(y0);
        }
        s.x.push_back(x1);
        s.y.push_back(y1);
        s.along.push_back(along);
    }
    return s.along.size() >= 3;
}


VortexSheet surfaceSheet(const SurfaceSolution& s) {
    // Midpoint strengths g = -along; node strengths the mean of the two panels
    // meeting there, and at the two ends of the contour (the trailing edge,
    // where the lower and upper surfaces meet at an angle) extrapolated from
    // each surface's own side. (Undoing the averaging exactly, or a cubic
    // through four midpoints, did no better on exact flows: the midpoint
    // values of a panel solution are not plain means of its node values.)
    const std::size_t m = s.along.size();
    std::vector<double> mid(m), start(m), end(m);
    for (std::size_t k = 0; k < m; ++k) mid[k] = -s.along[k];
    for (std::size_t k = 0; k < m; ++k) {
        start[k] = k == 0 ? 1.5 * mid[0] - 0.5 * mid[1] : 0.5 * (mid[k - 1] + mid[k]);
        end[k] = k + 1 == m ? 1.5 * mid[m - 1] - 0.5 * mid[m - 2] : 0.5 * (mid[k] + mid[k + 1]);
    }
    return VortexSheet(s.x, s.y, start, end);
}

void recoverFreeStream(const SurfaceSolution& s, const VortexSheet& sheet, double& U, double& V) {
    // The contour is a streamline: at every panel midpoint the normal velocity,
    // (U, V) . n plus the sheet's own (continuous across the sheet), vanishes.
    // Least squares weighted by panel length, so that the finely split
    // trailing and leading edges do not outweigh the rest. (The tangential
    // rest condition just inside would add equations, but it leans on the
    // sheet strength near the trailing edge, the least certain part.)
    double a11 = 0.0, a12 = 0.0, a22 = 0.0, b1 = 0.0, b2 = 0.0;
    for (std::size_t k = 0; k < s.along.size(); ++k) {
        const double dx = s.x[k + 1] - s.x[k], dy = s.y[k + 1] - s.y[k], len = std::hypot(dx, dy);
        const double nx = -dy / len, ny = dx / len;
        const FieldValue f = sheet.atMidpoint(k);
        const double rn = -(f.u * nx + f.v * ny);
        a11 += nx * nx * len;
        a12 += nx * ny * len;
        a22 += ny * ny * len;
        b1 += nx * rn * len;
        b2 += ny * rn * len;
    }
    const double det = a11 * a22 - a12 * a12;
    U = det != 0.0 ? (b1 * a22 - b2 * a12) / det : 1.0;
    V = det != 0.0 ? (a11 * b2 - a12 * b1) / det : 0.0;
}

double surfaceSpeedAt(const SurfaceSolution& s, double px, double py) {
    const std::size_t m = s.along.size();
    std::size_t best = 0;
    double bestDistance = 1e300, bestT = 0.0;
    for (std::size_t k = 0; k < m; ++k) {
        const double dx = s.x[k + 1] - s.x[k], dy = s.y[k + 1] - s.y[k];
        const double t = std::clamp(((px - s.x[k]) * dx + (py - s.y[k]) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        const double d = std::hypot(s.x[k] + t * dx - px, s.y[k] + t * dy - py);
        if (d < bestDistance) {
            bestDistance = d;
            best = k;
            bestT = t;
        }
    }
    // Between this panel's midpoint and the neighbour's on the side of t.
    const std::size_t other = bestT >= 0.5 ? (best + 1) % m : (best + m - 1) % m;
    const double w = std::fabs(bestT - 0.5);
    return (1.0 - w) * std::fabs(s.along[best]) + w * std::fabs(s.along[other]);
}

}  // namespace aerolune
