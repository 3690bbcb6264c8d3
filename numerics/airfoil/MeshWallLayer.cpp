#include "numerics/airfoil/MeshWallLayer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numerics/airfoil/MeshValidity.h"

namespace aerolune {

namespace {

constexpr double kScaleBand = 3.0;    // scale factor kept within median / band .. median * band
constexpr double kLayerDepth = 0.1;   // circle radii, at least
constexpr double kTipRounding = 2.0;  // layer height at the trailing edge, node spacings there, at least
constexpr int kScaleSmoothingPasses = 20;
constexpr double kMostSmoothing = 0.5;  // share of the way to the neighbours' point per step
constexpr double kLeastAdvance = 0.5;   // share of its step a node moves out at least
constexpr double kShrink = 0.8;         // step factor per repair of a folded cell
constexpr int kMostRepairs = 2000;      // far beyond need: steps fall by 0.8 per repair

// One ring of the layer: its distinct nodes k = i - 1 (0..m-1).
struct Ring {
    std::vector<double> x, y;
    std::size_t size() const { return x.size(); }
    std::size_t next(std::size_t k) const { return k + 1 == x.size() ? 0 : k + 1; }
    std::size_t prev(std::size_t k) const { return k == 0 ? x.size() - 1 : k - 1; }
};

// The unit sum of the outward normals of the two ring segments at node k. It
// points out of the ring on both sides of the node (its clearance from each
// segment is the cosine of half the turn there), also at a sharp corner
// whose neighbouring nodes lie at unequal distances, where the normal of the
// chord through them may not.
void bisector(const Ring& r, std::size_t k, double& bx, double& by) {
    const std::size_t kp = r.next(k), km = r.prev(k);
    const double ax = r.x[k] - r.x[km], ay = r.y[k] - r.y[km], cx = r.x[kp] - r.x[k], cy = r.y[kp] - r.y[k];
    const double la = std::max(std::hypot(ax, ay), 1e-300), lc = std::max(std::hypot(cx, cy), 1e-300);
    // Outward normal of a clockwise ring: the segment direction turned by +90 degrees.
    double sx = -ay / la - cy / lc, sy = ax / la + cx / lc;
    double len = std::hypot(sx, sy);
    if (!(len > 1e-12)) {  // the ring doubles back on itself: the following segment's normal
        sx = -cy / lc;
        sy = cx / lc;
        len = 1.0;
    }
    bx = sx / len;
    by = sy / len;
}

// True when the ring turns inwards at node k (left, on a clockwise ring).
bool concave(const Ring& r, std::size_t k) {
    const std::size_t kp = r.next(k), km = r.prev(k);
    return (r.x[k] - r.x[km]) * (r.y[kp] - r.y[k]) - (r.y[k] - r.y[km]) * (r.x[kp] - r.x[k]) > 0.0;
}

bool stepCellUnfolded(const Ring& inner, const Ring& outer, std::size_t k) {
    const std::size_t kp = inner.next(k);
    const double qx[4] = {inner.x[k], inner.x[kp], outer.x[kp], outer.x[k]};
    const double qy[4] = {inner.y[k], inner.y[kp], outer.y[kp], outer.y[k]};
    return cellUnfolded(qx, qy);
}

// Wall arc per unit of circle arc at each wall node: the conformal map's scale
// factor |dz/dw| from the node spacing, kept within a band about its median
// and smoothed along the wall (from a polygon it is noisy, and a jagged ring
// would fold the cells beyond it).
std::vector<double> wallScale(const Ring& wall, const Array1<double>& angle, double a) {
    const std::size_t m = wall.size();
    const std::ptrdiff_t ni = angle.size();
    std::vector<double> scale(m);
    for (std::size_t k = 0; k < m; ++k) {
        const std::ptrdiff_t i = static_cast<std::ptrdiff_t>(k) + 1;
        const double turn =
            angle(i + 1) - angle(i) + (i == 1 ? angle(ni) - angle(ni - 1) : angle(i) - angle(i - 1));
        const std::size_t kp = wall.next(k), km = wall.prev(k);
        scale[k] = std::hypot(wall.x[kp] - wall.x[km], wall.y[kp] - wall.y[km]) / (turn * a);
    }
    std::vector<double> sorted = scale;
    std::nth_element(sorted.begin(), sorted.begin() + m / 2, sorted.end());
    const double median = sorted[m / 2];
    std::vector<double> logScale(m);
    for (std::size_t k = 0; k < m; ++k)
        logScale[k] = std::log(std::clamp(scale[k], median / kScaleBand, median * kScaleBand));
    for (int pass = 0; pass < kScaleSmoothingPasses; ++pass) {
        const std::vector<double> s = logScale;
        for (std::size_t k = 0; k < m; ++k)
            logScale[k] = 0.25 * s[wall.prev(k)] + 0.5 * s[k] + 0.25 * s[wall.next(k)];
    }
    for (std::size_t k = 0; k < m; ++k) scale[k] = std::exp(logScale[k]);
    return scale;
}

// The outer ring of one step of the march from ring `inner`: every node moves
// by step(k) along its bisector, then part of the way towards the point
// between its neighbours that divides them as the wall nodes are divided
// (the share growing with the step over the node spacing): a thick layer
// spreads the lines out of a concave corner, and rounds a sharp convex one by
// holding its tip back, along the bisector only so that the lines stay at
// right angles to the wall there; thin steps change next to nothing. A cell
// that folds gets both its nodes back on their bisectors, and their steps are
// then shortened until it unfolds: a cell whose nodes both move along their
// bisectors unfolds once the steps are short enough, and shortening either
// step never folds such a cell that was unfolded (its triangle areas are
// affine in each step and positive at zero step), so the repair ends.
Ring marchStep(const Ring& inner, std::vector<double> step, const std::vector<double>& wallShare) {
    const std::size_t m = inner.size();
    std::vector<double> bx(m), by(m);
    for (std::size_t k = 0; k < m; ++k) bisector(inner, k, bx[k], by[k]);
    Ring plain = inner;
    for (std::size_t k = 0; k < m; ++k) {
        plain.x[k] += step[k] * bx[k];
        plain.y[k] += step[k] * by[k];
    }
    Ring outer = plain;
    for (std::size_t k = 0; k < m; ++k) {
        const std::size_t kp = inner.next(k), km = inner.prev(k);
        const double spacing = 0.5 * (std::hypot(inner.x[kp] - inner.x[k], inner.y[kp] - inner.y[k]) +
                                      std::hypot(inner.x[k] - inner.x[km], inner.y[k] - inner.y[km]));
        const double w = spacing > 0.0 ? std::min(kMostSmoothing, step[k] / spacing) : 0.0;
        const double tx = plain.x[km] + wallShare[k] * (plain.x[kp] - plain.x[km]);
        const double ty = plain.y[km] + wallShare[k] * (plain.y[kp] - plain.y[km]);
        double dx = w * (tx - plain.x[k]), dy = w * (ty - plain.y[k]);
        double back = -(dx * bx[k] + dy * by[k]);
        if (!concave(inner, k)) {
            // Where the ring turns outwards the nodes only fall back along their
            // bisectors: the lines stay at right angles to the wall.
            dx = -back * bx[k];
            dy = -back * by[k];
        }
        // Every node still moves out by half its step at least: a corner's tip
        // that stood still would leave cells too thin to hold in floats.
        if (back > kLeastAdvance * step[k]) {
            dx *= kLeastAdvance * step[k] / back;
            dy *= kLeastAdvance * step[k] / back;
        }
        outer.x[k] += dx;
        outer.y[k] += dy;
    }
    std::vector<bool> onBisector(m, false);
    for (int repair = 0; repair < kMostRepairs; ++repair) {
        std::vector<std::size_t> folded;
        for (std::size_t k = 0; k < m; ++k)
            if (!stepCellUnfolded(inner, outer, k)) folded.push_back(k);
        if (folded.empty()) break;
        for (std::size_t k : folded)
            for (std::size_t n : {k, inner.next(k)}) {
                if (onBisector[n]) step[n] *= kShrink;
                onBisector[n] = true;
                outer.x[n] = inner.x[n] + step[n] * bx[n];
                outer.y[n] = inner.y[n] + step[n] * by[n];
            }
    }
    return outer;
}

// The last ring of the layer: far enough out (in the circle plane) to leave
// the wall's small scales behind, and at the trailing edge a few node
// spacings high, so that the march has rounded the corner there; two rings at
// least are left to the smoother.
std::ptrdiff_t layerTop(const Ring& wall, const std::vector<double>& scale, const Array1<double>& rho) {
    const std::ptrdiff_t nj = rho.size();
    const double a = rho(1);
    const double edgeSpacing = 0.5 * (std::hypot(wall.x[1] - wall.x[0], wall.y[1] - wall.y[0]) +
                                      std::hypot(wall.x.back() - wall.x[0], wall.y.back() - wall.y[0]));
    std::ptrdiff_t top = 2;
    while (top + 2 < nj &&
           (rho(top) - a < kLayerDepth * a || (rho(top) - a) * scale[0] < kTipRounding * edgeSpacing))
        ++top;
    return top;
}

}  // namespace

int32_t placeWallLayer(const Array1<double>& angle, const Array1<double>& rho, Array2<double>& x,
                       Array2<double>& y) {
    const std::ptrdiff_t ni = x.rows();
    const std::size_t m = static_cast<std::size_t>(ni - 1);
    const double a = rho(1);
    Ring ring;
    ring.x.resize(m);
    ring.y.resize(m);
    for (std::size_t k = 0; k < m; ++k) {
        ring.x[k] = x(static_cast<std::ptrdiff_t>(k) + 1, 1);
        ring.y[k] = y(static_cast<std::ptrdiff_t>(k) + 1, 1);
    }
    const std::vector<double> scale = wallScale(ring, angle, a);
    std::vector<double> wallShare(m);
    for (std::size_t k = 0; k < m; ++k) {
        const std::size_t kp = ring.next(k), km = ring.prev(k);
        const double before = std::hypot(ring.x[k] - ring.x[km], ring.y[k] - ring.y[km]);
        const double after = std::hypot(ring.x[kp] - ring.x[k], ring.y[kp] - ring.y[k]);
        wallShare[k] = before + after > 0.0 ? before / (before + after) : 0.5;
    }
    const std::ptrdiff_t top = layerTop(ring, scale, rho);
    std::vector<double> step(m);
    for (std::ptrdiff_t j = 2; j <= top; ++j) {
        for (std::size_t k = 0; k < m; ++k) step[k] = (rho(j) - rho(j - 1)) * scale[k];
        ring = marchStep(ring, step, wallShare);
        for (std::size_t k = 0; k < m; ++k) {
            x(static_cast<std::ptrdiff_t>(k) + 1, j) = ring.x[k];
            y(static_cast<std::ptrdiff_t>(k) + 1, j) = ring.y[k];
        }
        x(ni, j) = x(1, j);
        y(ni, j) = y(1, j);
    }
    return static_cast<int32_t>(top + 1);
}

}  // namespace aerolune
