#include "numerics/airfoil/MeshWallLayer.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace aerolune {

namespace {

constexpr double kScaleBand = 3.0;  // scale factor kept within median / band .. median * band
constexpr int kRepairPasses = 200;
constexpr double kLayerDepth = 0.1;  // circle radii
constexpr int kScaleSmoothingPasses = 20;

struct Normals {
    std::vector<double> nx, ny, d;  // per distinct wall node, 0-based (node i at i - 1)
};

}  // namespace

namespace {

double triangle(const double* qx, const double* qy, int a, int b, int c) {
    return (qx[b] - qx[a]) * (qy[c] - qy[a]) - (qy[b] - qy[a]) * (qx[c] - qx[a]);
}

}  // namespace

bool cellUnfolded(const double* qx, const double* qy) {
    return (triangle(qx, qy, 0, 1, 2) > 0.0 && triangle(qx, qy, 0, 2, 3) > 0.0) ||
           (triangle(qx, qy, 1, 2, 3) > 0.0 && triangle(qx, qy, 1, 3, 0) > 0.0);
}

bool untangleMesh(Array2<double>& x, Array2<double>& y, int passes) {
    const std::ptrdiff_t ni = x.rows(), nj = x.cols();
    for (int pass = 0;; ++pass) {
        std::vector<std::pair<std::ptrdiff_t, std::ptrdiff_t>> nodes;
        for (std::ptrdiff_t j = 1; j < nj; ++j)
            for (std::ptrdiff_t i = 1; i < ni; ++i) {
                const double qx[4] = {x(i, j), x(i + 1, j), x(i + 1, j + 1), x(i, j + 1)};
                const double qy[4] = {y(i, j), y(i + 1, j), y(i + 1, j + 1), y(i, j + 1)};
                if (cellUnfolded(qx, qy)) continue;
                for (std::ptrdiff_t jj : {j, j + 1})
                    for (std::ptrdiff_t ii : {i, i + 1})
                        if (jj > 1 && jj < nj) nodes.emplace_back(ii == ni ? 1 : ii, jj);
            }
        if (nodes.empty()) return true;
        if (pass == passes) return false;
        const Array2<double> oldX = x, oldY = y;
        for (const auto& [i, j] : nodes) {
            const std::ptrdiff_t ip = i + 1, im = i == 1 ? ni - 1 : i - 1;
            x(i, j) = 0.25 * (oldX(ip, j) + oldX(im, j) + oldX(i, j + 1) + oldX(i, j - 1));
            y(i, j) = 0.25 * (oldY(ip, j) + oldY(im, j) + oldY(i, j + 1) + oldY(i, j - 1));
            if (i == 1) {
                x(ni, j) = x(1, j);
                y(ni, j) = y(1, j);
            }
        }
    }
}

int32_t placeWallLayer(const Array1<double>& angle, const Array1<double>& rho, Array2<double>& x,
                       Array2<double>& y) {
    const std::ptrdiff_t ni = x.rows(), m = ni - 1, nj = x.cols();
    const double a = rho(1);
    std::ptrdiff_t top = 2;
    while (top + 2 < nj && rho(top + 1) - a <= kLayerDepth * a) ++top;
    const double offset = rho(top) - a;
    Normals n{std::vector<double>(m), std::vector<double>(m), std::vector<double>(m)};
    std::vector<double> scale(m);
    for (std::ptrdiff_t i = 1; i <= m; ++i) {
        const std::ptrdiff_t ip = i + 1, im = i == 1 ? m : i - 1;
        const double turn = angle(ip) - angle(i) + (i == 1 ? angle(ni) - angle(m) : angle(i) - angle(im));
        const double tx = x(ip, 1) - x(im, 1), ty = y(ip, 1) - y(im, 1);
        const double chord = std::max(std::hypot(tx, ty), 1e-300);
        n.nx[i - 1] = -ty / chord;  // outward normal of a clockwise ring
        n.ny[i - 1] = tx / chord;
        scale[i - 1] = chord / (turn * a);
    }
    std::vector<double> sorted = scale;
    std::nth_element(sorted.begin(), sorted.begin() + m / 2, sorted.end());
    const double median = sorted[m / 2];
    // The scale factor from node spacings is noisy (the contour is a polygon);
    // a jagged ring 2 would fold the cells beyond it, so it is smoothed.
    std::vector<double> logScale(m);
    for (std::ptrdiff_t k = 0; k < m; ++k)
        logScale[k] = std::log(std::clamp(scale[k], median / kScaleBand, median * kScaleBand));
    for (int pass = 0; pass < kScaleSmoothingPasses; ++pass) {
        const std::vector<double> s = logScale;
        for (std::ptrdiff_t k = 0; k < m; ++k)
            logScale[k] = 0.25 * s[(k + m - 1) % m] + 0.5 * s[k] + 0.25 * s[(k + 1) % m];
    }
    for (std::ptrdiff_t k = 0; k < m; ++k) n.d[k] = offset * std::exp(logScale[k]);

    auto place = [&](std::ptrdiff_t i) {
        x(i, top) = x(i, 1) + n.d[i - 1] * n.nx[i - 1];
        y(i, top) = y(i, 1) + n.d[i - 1] * n.ny[i - 1];
    };
    for (std::ptrdiff_t i = 1; i <= m; ++i) place(i);
    for (int pass = 0; pass < kRepairPasses; ++pass) {
        std::vector<std::ptrdiff_t> bad;
        for (std::ptrdiff_t i = 1; i <= m; ++i) {
            const std::ptrdiff_t ip = i == m ? 1 : i + 1;
            const double qx[4] = {x(i, 1), x(ip, 1), x(ip, top), x(i, top)};
            const double qy[4] = {y(i, 1), y(ip, 1), y(ip, top), y(i, top)};
            if (!cellUnfolded(qx, qy)) {
                bad.push_back(i);
                bad.push_back(ip);
            }
        }
        if (bad.empty()) break;
        const Normals before = n;
        for (std::ptrdiff_t i : bad) {
            const std::size_t k = i - 1, kp = i == m ? 0 : i, km = i == 1 ? m - 1 : i - 2;
            const double sx = before.nx[km] + before.nx[k] + before.nx[kp];
            const double sy = before.ny[km] + before.ny[k] + before.ny[kp];
            const double len = std::hypot(sx, sy);
            if (len > 0.0) {
                n.nx[k] = sx / len;
                n.ny[k] = sy / len;
            }
            if (pass % 10 == 9) n.d[k] *= 0.8;
        }
        for (std::ptrdiff_t i : bad) place(i);
    }
    // The rings below the top lie on the same straight lines, which do not
    // cross, so they cannot fold either.
    for (std::ptrdiff_t j = 2; j <= top; ++j) {
        const double share = (rho(j) - a) / offset;
        for (std::ptrdiff_t i = 1; i <= m; ++i) {
            x(i, j) = x(i, 1) + share * n.d[i - 1] * n.nx[i - 1];
            y(i, j) = y(i, 1) + share * n.d[i - 1] * n.ny[i - 1];
        }
        x(ni, j) = x(1, j);
        y(ni, j) = y(1, j);
    }
    return static_cast<int32_t>(top + 1);
}

}  // namespace aerolune
