#include "analysis/BoundaryLayerPost.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "analysis/TrailingEdgeFlow.h"
#include "numerics/blayer/Blayer2.h"

namespace aerolune {

namespace {

// The row where the layer stops: see continuePastSeparation.
int32_t endOfLayer(const BoundaryLayerSurface& surface) {
    for (int32_t i = 1; i < surface.n; ++i) {
        if (i >= surface.rows) return i;
        const double slope =
            (surface.table(i + 1, BlayerDisplacement) - surface.table(i, BlayerDisplacement)) /
            (surface.s(i + 1) - surface.s(i) + 1e-7);
        if (slope > 1.0) return i;
    }
    return 0;
}

}  // namespace

double trailingEdgeDragTerm(const BoundaryLayerSurface& surface) {
    const int32_t R = surface.rows;
    if (R < 2 || R > surface.n) return 0.0;
    const double theta = surface.table(R, BlayerMomentum);
    if (!(theta > 0.0) || !(surface.s(R) > 0.0)) return 0.0;
    const double H = surface.table(R, BlayerDisplacement) / theta;
    const double q = theta * surface.s(surface.n) / surface.s(R);
    return 2.0 * q * std::pow(surface.Ue(R), (5.0 + H) / 2.0);
}

int32_t continuePastSeparation(BoundaryLayerSurface& surface) {
    const int32_t n = surface.n;
    if (n < 1) return 0;
    const int32_t i = endOfLayer(surface);
    if (i > 0) {
        const int32_t a = std::max(1, i - 2), b = std::max(1, i - 1);
        for (int32_t column : {BlayerDisplacement, BlayerMomentum, BlayerFriction}) {
            const double va = surface.table(a, column), vb = surface.table(b, column);
            const double slope = a == b ? 0.0 : (vb - va) / (surface.s(b) - surface.s(a) + 1e-6);
            for (int32_t r = b; r <= n; ++r) {
                double v = vb + slope * (surface.s(r) - surface.s(b));
                // A thickness continued from a thinning layer stops at zero
                // rather than turning the displaced contour inside the section.
                if (column != BlayerFriction) v = std::max(0.0, v);
                surface.table(r, column) = v;
            }
        }
    }
    for (int32_t column : {BlayerDisplacement, BlayerMomentum, BlayerFriction})
        surface.table(1, column) = 0.0;
    return i;
}

Array1<float> displacedOrdinates(const PanelContour& c, const BoundaryLayerSurface& lower,
                                 const BoundaryLayerSurface& upper) {
    const int32_t N = c.N;
    std::vector<double> panelDelta(static_cast<std::size_t>(N) + 1, 0.0);
    for (const BoundaryLayerSurface* surface : {&lower, &upper})
        for (int32_t i = 2; i < surface->n; ++i) {
            const int32_t p = surface->panel(i);
            if (p >= 1 && p <= N) panelDelta[static_cast<std::size_t>(p)] = surface->displacement(i);
        }

    Array1<float> y(static_cast<std::size_t>(N) + 1);
    auto nodeX = [&](int32_t j) { return static_cast<double>(c.nodeX[(j > N ? 1 : j) - 1]); };
    auto nodeY = [&](int32_t j) { return static_cast<double>(c.nodeY[(j > N ? 1 : j) - 1]); };
    // Unit tangent of the segment from node j to node j + 1.
    auto tangent = [&](int32_t j) {
        const double dx = nodeX(j + 1) - nodeX(j), dy = nodeY(j + 1) - nodeY(j);
        const double ds = std::hypot(dx, dy);
        return ds > 0.0 ? std::pair{dx / ds, dy / ds} : std::pair{0.0, 0.0};
    };
    for (int32_t j = 2; j <= N; ++j) {
        const double delta =
            0.5 * (panelDelta[static_cast<std::size_t>(j - 1)] + panelDelta[static_cast<std::size_t>(j)]);
        const auto [ax, ay] = tangent(j - 1);
        const auto [bx, by] = tangent(j);
        const double length = std::hypot(ax + bx, ay + by);
        const double normalY = length > 0.0 ? (ax + bx) / length : 0.0;
        y(j) = static_cast<float>(nodeY(j) + normalY * delta);
    }
    closeDisplacementThickness(c.nodeX, c.nodeY, y.data(), N);
    y(1) = trailingEdgeOrdinate(nodeY(1), nodeY(2), y(2), nodeY(N), y(N));
    y(N + 1) = y(1);
    return y;
}

}  // namespace aerolune
