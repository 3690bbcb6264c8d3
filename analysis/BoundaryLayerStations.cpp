#include "analysis/BoundaryLayerStations.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace aerolune {

namespace {

struct Point {
    double x, y;
};

Point node(const PanelContour& c, int32_t j) {
    const int32_t i = j > c.N ? 1 : j;
    return {c.nodeX[i - 1], c.nodeY[i - 1]};
}

// Control point of panel i: the midpoint of its two nodes.
Point controlPoint(const PanelContour& c, int32_t i) {
    const Point a = node(c, i), b = node(c, i + 1);
    return {0.5 * (a.x + b.x), 0.5 * (a.y + b.y)};
}

// Velocity of panel i taken positive towards the upper trailing edge, that
// is in the order of the contour's nodes.
double contourVelocity(const PanelContour& c, int32_t i) {
    const double v = c.SurfVel[i - 1];
    return i <= c.N / 2 ? -v : v;
}

}  // namespace

StagnationCrossing locateStagnation(const PanelContour& c, int32_t stagnationIndex) {
    StagnationCrossing best;
    const int32_t p = stagnationIndex >= 1 && stagnationIndex <= c.N ? stagnationIndex : c.N / 2;
    int32_t bestDistance = c.N + 1;
    for (int32_t k = 1; k < c.N; ++k) {
        const double wk = contourVelocity(c, k), wNext = contourVelocity(c, k + 1);
        if (!(wk <= 0.0 && wNext > 0.0)) continue;
        const int32_t distance = std::min(std::abs(k - p), std::abs(k + 1 - p));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = {k, wk / (wk - wNext)};
        }
    }
    return best;
}

void surfaceStations(const PanelContour& c, const StagnationCrossing& stag, bool upper,
                     BoundaryLayerSurface& out) {
    // Panels in marching order: away from the stagnation point. On the lower
    // side a stagnation point exactly on control point k leaves k out, as it
    // is station 1 itself.
    std::vector<int32_t> panels;
    if (upper) {
        for (int32_t i = stag.k + 1; i <= c.N; ++i) panels.push_back(i);
    } else {
        for (int32_t i = stag.t > 0.0 ? stag.k : stag.k - 1; i >= 1; --i) panels.push_back(i);
    }
    const auto n = static_cast<int32_t>(panels.size()) + 2;
    out.n = n;
    out.s.resize(n);
    out.Ue.resize(n);
    out.x.resize(n);
    out.panel.resize(n);

    const Point a = controlPoint(c, stag.k), b = controlPoint(c, stag.k + 1);
    Point previous{a.x + stag.t * (b.x - a.x), a.y + stag.t * (b.y - a.y)};
    out.x(1) = previous.x;
    for (int32_t i = 2; i <= n; ++i) {
        const bool trailingEdge = i == n;
        const Point q = trailingEdge ? node(c, 1) : controlPoint(c, panels[i - 2]);
        out.s(i) = out.s(i - 1) + std::hypot(q.x - previous.x, q.y - previous.y);
        out.Ue(i) = trailingEdge ? out.Ue(i - 1) : std::fabs(contourVelocity(c, panels[i - 2]));
        out.x(i) = q.x;
        out.panel(i) = trailingEdge ? 0 : panels[i - 2];
        previous = q;
    }
}

int32_t marchingSubsteps(int32_t panelCount) {
    if (panelCount <= 0) return 1;
    return std::max<int32_t>(1, kMarchingPanelEquivalent / panelCount);
}

MarchingArrays marchingArrays(const BoundaryLayerSurface& surface, int32_t substeps, double maxStep) {
    MarchingArrays m;
    m.step.reserve(static_cast<std::size_t>(std::max<int32_t>(0, surface.n)));
    for (int32_t i = 1; i < surface.n; ++i) {
        const double ds = surface.s(i + 1) - surface.s(i);
        int32_t k = std::max<int32_t>(1, substeps);
        if (maxStep > 0.0 && ds > k * maxStep) k = static_cast<int32_t>(std::ceil(ds / maxStep));
        m.step.push_back(static_cast<int32_t>(m.s.size()));
        for (int32_t j = 0; j < k; ++j) {
            const double f = static_cast<double>(j) / k;
            m.s.push_back(surface.s(i) + f * ds);
            m.Ue.push_back(surface.Ue(i) + f * (surface.Ue(i + 1) - surface.Ue(i)));
        }
    }
    if (surface.n >= 1) {
        m.step.push_back(static_cast<int32_t>(m.s.size()));
        m.s.push_back(surface.s(surface.n));
        m.Ue.push_back(surface.Ue(surface.n));
    }
    return m;
}

}  // namespace aerolune
