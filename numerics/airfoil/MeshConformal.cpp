#include "numerics/airfoil/MeshConformal.h"

#include <Eigen/Dense>
#include <cmath>
#include <numbers>

#include "numerics/airfoil/FieldVortexSheet.h"

namespace aerolune {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kLeastFluxShare = 1.0e-3;  // of the mean flux per panel
constexpr std::size_t kMostFloored = 10;    // floored panels: at most one in this many
constexpr double kFarReach = 1.0e5;         // section sizes: the far field's own error is of order 1 / reach
constexpr int kReachIntervals = 24;

// Eight-point Gauss-Legendre rule on [-1, 1].
constexpr double kGaussX[8] = {-0.9602898564975363, -0.7966664774136267, -0.5255324099163290,
                               -0.1834346424956498, 0.1834346424956498,  0.5255324099163290,
                               0.7966664774136267,  0.9602898564975363};
constexpr double kGaussW[8] = {0.1012285362903763, 0.2223810344533745, 0.3137066458778873,
                               0.3626837833783620, 0.3626837833783620, 0.3137066458778873,
                               0.2223810344533745, 0.1012285362903763};

// Integral of ln r over a straight panel of length L lying on the local
// x-axis from 0 to L, seen from the local point (x, y).
double logIntegral(double x, double y, double length) {
    const double r1 = std::hypot(x, y), r2 = std::hypot(x - length, y);
    const double t1 = x != 0.0 ? x * std::log(r1) : 0.0;
    const double t2 = x != length ? (x - length) * std::log(r2) : 0.0;
    return t1 - t2 - length + y * (std::atan2(y, x - length) - std::atan2(y, x));
}

CirculationMap arcLengthMap(const SectionContour& c, const MeshFrame& frame) {
    const std::size_t n = c.size();
    CirculationMap map{std::vector<double>(n + 1, 0.0), 0.25 * frame.sectionSize, frame.trailingAngle};
    for (std::size_t k = 0; k < n; ++k)
        map.angle[k + 1] = map.angle[k] + std::hypot(c.x[(k + 1) % n] - c.x[k], c.y[(k + 1) % n] - c.y[k]);
    for (double& v : map.angle) v *= kTwoPi / map.angle[n];
    return map;
}

// Constant-strength vortex panels g(k) on the n panels, collocation at the
// panel midpoints: psi(midpoint k) = psi0 for every k, and the circulation
// sum g(k) L(k) = 1. Returns g(0..n-1), psi0.
Eigen::VectorXd circulatingPanels(const SectionContour& c) {
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
            a(k, p) = -logIntegral(lx, p == k ? 0.0 : ly, length[p]) / kTwoPi;
        }
        a(k, n) = -1.0;
        a(n, k) = length[k];
    }
    a(n, n) = 0.0;
    rhs(n) = 1.0;
    return a.partialPivLu().solve(rhs);
}

// The circle angle far out, found by following the circulating flow's
// potential from the middle of panel k (on the wall, where it is known)
// straight upstream, away from the trailing edge: the angle falls by 2 pi
// times the potential's rise (the circulation, anticlockwise, is 1; the angle
// runs clockwise with the contour). Far out the angle is farAngle minus the
// direction seen from the mesh centre. The path is graded geometrically from
// the panel's own length outwards.
double farAngleFrom(std::size_t k, const SectionContour& c, const MeshFrame& frame, const VortexSheet& flow,
                    const std::vector<double>& angle) {
    const std::size_t n = c.size(), k1 = (k + 1) % n;
    const double wx = 0.5 * (c.x[k] + c.x[k1]), wy = 0.5 * (c.y[k] + c.y[k1]);
    const double dx = -std::cos(frame.trailingAngle), dy = -std::sin(frame.trailingAngle);
    const double t0 = std::hypot(c.x[k1] - c.x[k], c.y[k1] - c.y[k]);
    const double reach = kFarReach * frame.sectionSize;
    // t = t0 (e^s - 1), s from 0 to ln(1 + reach / t0).
    const double h = std::log1p(reach / t0) / kReachIntervals;
    double rise = 0.0;
    for (int q = 0; q < kReachIntervals; ++q)
        for (int g = 0; g < 8; ++g) {
            const double s = h * (q + 0.5 + 0.5 * kGaussX[g]);
            const double t = t0 * std::expm1(s);
            const FieldValue f = flow.at(wx + t * dx, wy + t * dy);
            rise += 0.5 * h * kGaussW[g] * (f.u * dx + f.v * dy) * t0 * std::exp(s);
        }
    const double farAngle = 0.5 * (angle[k] + angle[k + 1]) - kTwoPi * rise;
    return farAngle + std::atan2(wy + reach * dy - frame.centreY, wx + reach * dx - frame.centreX);
}

}  // namespace

CirculationMap circulationMap(const SectionContour& c, const MeshFrame& frame) {
    const std::size_t n = c.size();
    const Eigen::VectorXd g = circulatingPanels(c);

    // psi = -ln|w| / 2 pi far away, with w ~ (z - z0) / radius: on the wall
    // psi0 = -ln(radius) / 2 pi.
    CirculationMap map{std::vector<double>(n + 1, 0.0), std::exp(-kTwoPi * g(n)), 0.0};
    // Panels in a sharp notch (a flap's hinge) carry almost no flux and the
    // panel solution may give them a slightly negative share: they get a
    // small floor. Many of them mean the flow was not solved.
    std::size_t floored = 0;
    const double least = kLeastFluxShare / static_cast<double>(n);
    std::vector<double> strength(n);
    for (std::size_t k = 0; k < n; ++k) {
        const double length = std::hypot(c.x[(k + 1) % n] - c.x[k], c.y[(k + 1) % n] - c.y[k]);
        double flux = g(k) * length;
        if (!std::isfinite(flux)) return arcLengthMap(c, frame);
        if (flux < least) {
            flux = least;
            ++floored;
        }
        map.angle[k + 1] = map.angle[k] + flux;
        strength[k] = g(k);
    }
    if (floored * kMostFloored > n) return arcLengthMap(c, frame);
    for (double& v : map.angle) v *= kTwoPi / map.angle[n];
    if (!(map.radius > 0.0 && map.radius < frame.sectionSize)) map.radius = 0.25 * frame.sectionSize;

    // From the two panels at the leading edge, averaged so that a symmetric
    // section keeps a symmetric mesh to rounding.
    std::vector<double> closedX = c.x, closedY = c.y;
    closedX.push_back(c.x[0]);
    closedY.push_back(c.y[0]);
    const VortexSheet flow(closedX, closedY, strength, strength);
    const std::size_t le = frame.leadingIndex;
    const double before = farAngleFrom((le + n - 1) % n, c, frame, flow, map.angle);
    const double after = farAngleFrom(le, c, frame, flow, map.angle);
    // The two differ by whole turns and the path errors.
    map.farAngle = before + 0.5 * std::remainder(after - before, kTwoPi);
    if (!std::isfinite(map.farAngle)) map.farAngle = frame.trailingAngle;
    return map;
}

}  // namespace aerolune
