#include "numerics/airfoil/MeshWallLayer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numerics/airfoil/MeshValidity.h"

namespace aerolune {

namespace {

constexpr double kScaleBand = 3.0;  // scale factor kept within median / band .. median * band
constexpr double kLayerDepth = 0.1;  // circle radii
constexpr int kScaleSmoothingPasses = 20;
constexpr int kNormalSmoothingPasses = 40;
constexpr double kShrink = 0.8;      // layer height factor per repair step at a folded cell
constexpr double kHeightGrowth = 1.2;  // largest ratio of neighbouring layer heights after a repair
constexpr int kMaxShrinkPasses = 2000;  // far beyond need: heights fall by 0.8 per pass

// The layer along the wall, per distinct wall node k = i - 1 (0..m-1).
struct Layer {
    std::size_t m = 0;
    std::vector<double> wx, wy;    // wall nodes
    std::vector<double> ex, ey;    // unit direction of wall segment k (node k to node k + 1)
    std::vector<double> bx, by;    // bisector: unit sum of the outward normals of the two segments at node k
    std::vector<double> nx, ny;    // direction of the layer line from node k
    std::vector<double> d;         // height of the layer top above node k

    std::size_t next(std::size_t k) const { return k + 1 == m ? 0 : k + 1; }
    std::size_t prev(std::size_t k) const { return k == 0 ? m - 1 : k - 1; }

    // Sine of the smaller angle between a line direction at node k and the two
    // segments meeting there, signed: positive when the direction points out
    // of the body on both sides.
    double clearance(std::size_t k, double ux, double uy) const {
        const std::size_t km = prev(k);
        return std::min(ex[km] * uy - ey[km] * ux, ex[k] * uy - ey[k] * ux);
    }

    // Layer cell between nodes k and k + 1, ring 1 to the top.
    bool cellUnfolded(std::size_t k) const {
        const std::size_t kp = next(k);
        const double qx[4] = {wx[k], wx[kp], wx[kp] + d[kp] * nx[kp], wx[k] + d[k] * nx[k]};
        const double qy[4] = {wy[k], wy[kp], wy[kp] + d[kp] * ny[kp], wy[k] + d[k] * ny[k]};
        return aerolune::cellUnfolded(qx, qy);
    }
};

Layer wallGeometry(const Array2<double>& x, const Array2<double>& y) {
    Layer L;
    L.m = static_cast<std::size_t>(x.rows() - 1);
    L.wx.resize(L.m);
    L.wy.resize(L.m);
    L.ex.resize(L.m);
    L.ey.resize(L.m);
    for (std::size_t k = 0; k < L.m; ++k) {
        L.wx[k] = x(static_cast<std::ptrdiff_t>(k) + 1, 1);
        L.wy[k] = y(static_cast<std::ptrdiff_t>(k) + 1, 1);
    }
    for (std::size_t k = 0; k < L.m; ++k) {
        const std::size_t kp = L.next(k);
        const double tx = L.wx[kp] - L.wx[k], ty = L.wy[kp] - L.wy[k];
        const double len = std::max(std::hypot(tx, ty), 1e-300);
        L.ex[k] = tx / len;
        L.ey[k] = ty / len;
    }
    L.bx.resize(L.m);
    L.by.resize(L.m);
    for (std::size_t k = 0; k < L.m; ++k) {
        // Outward normal of a clockwise ring: the segment direction turned by
        // +90 degrees. The sum of the two segments' normals points out of the
        // body on both sides of the node, also at a sharp corner where the
        // neighbouring nodes are at unequal distances.
        const std::size_t km = L.prev(k);
        double sx = -L.ey[km] - L.ey[k], sy = L.ex[km] + L.ex[k];
        double len = std::hypot(sx, sy);
        if (!(len > 1e-12)) {  // the wall doubles back on itself: the segment's normal
            sx = -L.ey[k];
            sy = L.ex[k];
            len = 1.0;
        }
        L.bx[k] = sx / len;
        L.by[k] = sy / len;
    }
    L.nx = L.bx;
    L.ny = L.by;
    return L;
}

// Height of the layer top: the conformal map's (offset times the local scale
// factor |dz/dw|, from the node spacing), the scale factor kept within a band
// about its median and smoothed along the wall.
std::vector<double> mapHeights(const Layer& L, const Array1<double>& angle, double a, double offset) {
    const std::size_t m = L.m;
    const std::ptrdiff_t ni = angle.size();
    std::vector<double> scale(m);
    for (std::size_t k = 0; k < m; ++k) {
        const std::ptrdiff_t i = static_cast<std::ptrdiff_t>(k) + 1;
        const double turn = angle(i + 1) - angle(i) + (i == 1 ? angle(ni) - angle(ni - 1) : angle(i) - angle(i - 1));
        const std::size_t kp = L.next(k), km = L.prev(k);
        scale[k] = std::hypot(L.wx[kp] - L.wx[km], L.wy[kp] - L.wy[km]) / (turn * a);
    }
    std::vector<double> sorted = scale;
    std::nth_element(sorted.begin(), sorted.begin() + m / 2, sorted.end());
    const double median = sorted[m / 2];
    // The scale factor from node spacings is noisy (the contour is a polygon);
    // a jagged layer top would fold the cells beyond it, so it is smoothed.
    std::vector<double> logScale(m);
    for (std::size_t k = 0; k < m; ++k)
        logScale[k] = std::log(std::clamp(scale[k], median / kScaleBand, median * kScaleBand));
    for (int pass = 0; pass < kScaleSmoothingPasses; ++pass) {
        const std::vector<double> s = logScale;
        for (std::size_t k = 0; k < m; ++k) logScale[k] = 0.25 * s[L.prev(k)] + 0.5 * s[k] + 0.25 * s[L.next(k)];
    }
    std::vector<double> d(m);
    for (std::size_t k = 0; k < m; ++k) d[k] = offset * std::exp(logScale[k]);
    return d;
}

// Where the wall is concave (a deflected flap's hinge) neighbouring lines
// converge and the layer top may fold: the lines at folded cells are averaged
// with their neighbours, each kept pointing out of the body on both sides of
// its node (half its bisector's clearance at least).
void spreadLines(Layer& L) {
    for (int pass = 0; pass < kNormalSmoothingPasses; ++pass) {
        std::vector<std::size_t> bad;
        for (std::size_t k = 0; k < L.m; ++k)
            if (!L.cellUnfolded(k)) {
                bad.push_back(k);
                bad.push_back(L.next(k));
            }
        if (bad.empty()) return;
        const std::vector<double> nx = L.nx, ny = L.ny;
        for (std::size_t k : bad) {
            const std::size_t km = L.prev(k), kp = L.next(k);
            double sx = nx[km] + 2.0 * nx[k] + nx[kp], sy = ny[km] + 2.0 * ny[k] + ny[kp];
            const double need = 0.5 * L.clearance(k, L.bx[k], L.by[k]);
            // Towards the bisector until clear of both segments (the bisector itself is).
            for (int step = 0; step < 4; ++step) {
                const double len = std::hypot(sx, sy);
                if (len > 0.0 && L.clearance(k, sx / len, sy / len) >= need) break;
                sx = 0.5 * (sx / std::max(len, 1e-300) + L.bx[k]);
                sy = 0.5 * (sy / std::max(len, 1e-300) + L.by[k]);
            }
            double len = std::hypot(sx, sy);
            if (!(len > 0.0) || L.clearance(k, sx / len, sy / len) < need) {
                sx = L.bx[k];
                sy = L.by[k];
                len = 1.0;
            }
            L.nx[k] = sx / len;
            L.ny[k] = sy / len;
        }
    }
}

// Lower the layer top where its cells still fold, then limit the ratio of
// neighbouring heights so that the top stays smooth for the rings beyond.
// Every line points out of the body on both sides of its node, so a cell
// whose two heights shrink becomes unfolded once they are small enough, and
// lowering either height never folds an unfolded cell (its triangle areas are
// affine in each height and positive at zero height): the repair ends.
void lowerFoldedTops(Layer& L) {
    for (int pass = 0; pass < kMaxShrinkPasses; ++pass) {
        std::vector<std::size_t> bad;
        for (std::size_t k = 0; k < L.m; ++k)
            if (!L.cellUnfolded(k)) bad.push_back(k);
        if (bad.empty()) break;
        for (std::size_t k : bad) {
            L.d[k] *= kShrink;
            L.d[L.next(k)] *= kShrink;
        }
    }
    // Height limiting by sweeps both ways round the wall; only lowers heights.
    for (int round = 0; round < 2; ++round) {
        for (std::size_t k = 0; k < L.m; ++k) L.d[L.next(k)] = std::min(L.d[L.next(k)], kHeightGrowth * L.d[k]);
        for (std::size_t k = L.m; k-- > 0;) L.d[L.prev(k)] = std::min(L.d[L.prev(k)], kHeightGrowth * L.d[k]);
    }
}

}  // namespace

int32_t placeWallLayer(const Array1<double>& angle, const Array1<double>& rho, Array2<double>& x,
                       Array2<double>& y) {
    const std::ptrdiff_t ni = x.rows(), nj = x.cols();
    const double a = rho(1);
    std::ptrdiff_t top = 2;
    while (top + 2 < nj && rho(top + 1) - a <= kLayerDepth * a) ++top;
    const double offset = rho(top) - a;

    Layer L = wallGeometry(x, y);
    L.d = mapHeights(L, angle, a, offset);
    spreadLines(L);
    lowerFoldedTops(L);

    // Ring j lies at the same share of every line's height, so each of its
    // cells is a shrunk copy of the layer cell, unfolded like it (the triangle
    // areas of the shrunk cell divided by the share are affine in the share).
    for (std::ptrdiff_t j = 2; j <= top; ++j) {
        const double share = (rho(j) - a) / offset;
        for (std::size_t k = 0; k < L.m; ++k) {
            const std::ptrdiff_t i = static_cast<std::ptrdiff_t>(k) + 1;
            x(i, j) = L.wx[k] + share * L.d[k] * L.nx[k];
            y(i, j) = L.wy[k] + share * L.d[k] * L.ny[k];
        }
        x(ni, j) = x(1, j);
        y(ni, j) = y(1, j);
    }
    return static_cast<int32_t>(top + 1);
}

}  // namespace aerolune
