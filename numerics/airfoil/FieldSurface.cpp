#include "numerics/airfoil/FieldSurface.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace aerolune {

bool readSurfaceSolution(const float* velocity, const float* x, const float* y, int32_t n,
                         SurfaceSolution& s) {
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

namespace {

// Speed on a trailing-edge panel over the strength at its other node: the
// wedge flow V ~ r^eps, eps = tau / (2 pi - tau), at half the node's distance.
double wedgeRatio(const SurfaceSolution& s) {
    const std::size_t m = s.along.size();
    const double ax = s.x[1] - s.x[0], ay = s.y[1] - s.y[0];
    const double bx = s.x[m - 1] - s.x[0], by = s.y[m - 1] - s.y[0];
    const double tau = std::fabs(std::atan2(ax * by - ay * bx, ax * bx + ay * by));
    return std::pow(0.5, tau / (2.0 * std::numbers::pi - tau));
}

}  // namespace

std::vector<double> nodalStrength(const SurfaceSolution& s) {
    // Unknowns g(1..m-1), g(0) = g(m) = 0. Rows: r g(1) = a(0);
    // (g(k) + g(k+1)) / 2 = a(k), k = 1..m-2; r g(m-1) = a(m-1). The normal
    // equations are tridiagonal: d(k) g(k) + e(k) g(k+1) + e(k-1) g(k-1) = f(k).
    const std::size_t m = s.along.size(), u = m - 1;  // u unknowns, index k - 1
    const double r = wedgeRatio(s);
    std::vector<double> d(u, 0.0), e(u, 0.0), f(u, 0.0);
    d[0] += r * r;
    f[0] += r * s.along[0];
    d[u - 1] += r * r;
    f[u - 1] += r * s.along[m - 1];
    for (std::size_t k = 1; k + 1 < m; ++k) {  // row of panel k: nodes k, k + 1 (unknowns k - 1, k)
        d[k - 1] += 0.25;
        d[k] += 0.25;
        e[k - 1] += 0.25;
        f[k - 1] += 0.5 * s.along[k];
        f[k] += 0.5 * s.along[k];
    }
    // Thomas algorithm on the symmetric tridiagonal system.
    for (std::size_t k = 1; k < u; ++k) {
        const double w = e[k - 1] / d[k - 1];
        d[k] -= w * e[k - 1];
        f[k] -= w * f[k - 1];
    }
    std::vector<double> g(m + 1, 0.0);
    g[u] = f[u - 1] / d[u - 1];
    for (std::size_t k = u - 1; k >= 1; --k) g[k] = (f[k - 1] - e[k - 1] * g[k + 1]) / d[k - 1];
    return g;
}

VortexSheet surfaceSheet(const SurfaceSolution& s) {
    const std::vector<double> g = nodalStrength(s);
    const std::size_t m = s.along.size();
    std::vector<double> start(m), end(m);
    for (std::size_t k = 0; k < m; ++k) {
        start[k] = -g[k];  // the sheet counts strength anticlockwise
        end[k] = -g[k + 1];
    }
    return VortexSheet(s.x, s.y, start, end);
}

void recoverFreeStream(const SurfaceSolution& s, const VortexSheet& sheet, double& U, double& V) {
    // psi(k) + U y(k) - V x(k) - c = 0 at the m distinct nodes; unknowns U, V, c.
    const std::size_t m = s.along.size();
    Eigen::Matrix3d a = Eigen::Matrix3d::Zero();
    Eigen::Vector3d b = Eigen::Vector3d::Zero();
    for (std::size_t k = 0; k < m; ++k) {
        const Eigen::Vector3d row(s.y[k], -s.x[k], -1.0);
        a += row * row.transpose();
        b -= row * sheet.at(s.x[k], s.y[k]).psi;
    }
    const Eigen::Vector3d sol = a.ldlt().solve(b);
    const bool usable = std::isfinite(sol(0)) && std::isfinite(sol(1));
    U = usable ? sol(0) : 1.0;
    V = usable ? sol(1) : 0.0;
}

double surfaceSpeedAt(const SurfaceSolution& s, double px, double py) {
    const std::size_t m = s.along.size();
    std::size_t best = 0;
    double bestDistance = 1e300, bestT = 0.0;
    for (std::size_t k = 0; k < m; ++k) {
        const double dx = s.x[k + 1] - s.x[k], dy = s.y[k + 1] - s.y[k];
        const double t =
            std::clamp(((px - s.x[k]) * dx + (py - s.y[k]) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
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
