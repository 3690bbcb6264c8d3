#include "numerics/airfoil/MeshConformal.h"

#include <Eigen/Dense>
#include <cmath>
#include <numbers>

namespace aerolune {

namespace {

// Integral of ln r over a straight panel of length L lying on the local
// x-axis from 0 to L, seen from the local point (x, y).
double logIntegral(double x, double y, double length) {
    const double r1 = std::hypot(x, y), r2 = std::hypot(x - length, y);
    const double t1 = x != 0.0 ? x * std::log(r1) : 0.0;
    const double t2 = x != length ? (x - length) * std::log(r2) : 0.0;
    return t1 - t2 - length + y * (std::atan2(y, x - length) - std::atan2(y, x));
}

CirculationMap arcLengthMap(const SectionContour& c, double sectionSize) {
    const std::size_t n = c.size();
    CirculationMap map{std::vector<double>(n + 1, 0.0), 0.25 * sectionSize};
    for (std::size_t k = 0; k < n; ++k)
        map.angle[k + 1] = map.angle[k] + std::hypot(c.x[(k + 1) % n] - c.x[k], c.y[(k + 1) % n] - c.y[k]);
    for (double& v : map.angle) v *= 2.0 * std::numbers::pi / map.angle[n];
    return map;
}

}  // namespace

CirculationMap circulationMap(const SectionContour& c, double sectionSize) {
    // Constant-strength vortex panels g(k) on the n panels, collocation at the
    // panel midpoints: psi(midpoint k) = psi0 for every k, and the circulation
    // sum g(k) L(k) = 1. Unknowns g(1..n), psi0.
    const std::size_t n = c.size();
    std::vector<double> length(n), cosT(n), sinT(n), midX(n), midY(n);
    for (std::size_t k = 0; k < n; ++k) {
        const double dx = c.x[(k + 1) % n] - c.x[k], dy = c.y[(k + 1) % n] - c.y[k];
        length[k] = std::hypot(dx, dy);
        cosT[k] = dx / length[k];
        sinT[k] = dy / length[k];
        midX[k] = c.x[k] + 0.5 * dx;
        midY[k] = c.y[k] + 0.5 * dy;
    }
    Eigen::MatrixXd a(n + 1, n + 1);
    Eigen::VectorXd rhs = Eigen::VectorXd::Zero(n + 1);
    for (std::size_t k = 0; k < n; ++k) {
        for (std::size_t p = 0; p < n; ++p) {
            const double dx = midX[k] - c.x[p], dy = midY[k] - c.y[p];
            const double lx = dx * cosT[p] + dy * sinT[p], ly = -dx * sinT[p] + dy * cosT[p];
            a(k, p) = -logIntegral(lx, p == k ? 0.0 : ly, length[p]) / (2.0 * std::numbers::pi);
        }
        a(k, n) = -1.0;
        a(n, k) = length[k];
    }
    a(n, n) = 0.0;
    rhs(n) = 1.0;
    const Eigen::VectorXd g = a.partialPivLu().solve(rhs);

    // psi = -ln|w| / 2 pi far away, with w ~ (z - z0) / radius: on the wall
    // psi0 = -ln(radius) / 2 pi.
    CirculationMap map{std::vector<double>(n + 1, 0.0), std::exp(-2.0 * std::numbers::pi * g(n))};
    for (std::size_t k = 0; k < n; ++k) {
        const double flux = g(k) * length[k];
        if (!(flux > 0.0)) return arcLengthMap(c, sectionSize);
        map.angle[k + 1] = map.angle[k] + flux;
    }
    for (double& v : map.angle) v *= 2.0 * std::numbers::pi / map.angle[n];
    if (!(map.radius > 0.0 && map.radius < sectionSize)) map.radius = 0.25 * sectionSize;
    return map;
}

}  // namespace aerolune
