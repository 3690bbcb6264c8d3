#include "analysis/TrailingEdgeFlow.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace aerolune {

namespace {

struct Line {
    bool ok = false;
    double a = 0.0, b = 0.0;  ///< Ue = a + b x
    double at(double x) const { return a + b * x; }
};

// Least-squares line through the stations with from <= x <= to.
Line fitLine(const EdgeVelocityRun& r, double from, double to) {
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (int32_t i = 2; i < r.n; ++i) {
        const double x = (*r.x)(i), u = (*r.Ue)(i);
        if (x < from || x > to) continue;
        n += 1;
        sx += x;
        sy += u;
        sxx += x * x;
        sxy += x * u;
    }
    Line l;
    const double det = n * sxx - sx * sx;
    if (n < 2 || !(std::fabs(det) > 1e-14 * std::max(1.0, sxx * n))) return l;
    l.b = (n * sxy - sx * sy) / det;
    l.a = (sy - l.b * sx) / n;
    l.ok = std::isfinite(l.a) && std::isfinite(l.b);
    return l;
}

// The edge velocity of the surface at x, linear between its stations.
double velocityAt(const EdgeVelocityRun& r, double x) {
    for (int32_t i = 2; i <= r.n; ++i) {
        const double x0 = (*r.x)(i - 1), x1 = (*r.x)(i);
        if ((x0 - x) * (x1 - x) <= 0.0 && x1 != x0)
            return (*r.Ue)(i - 1) + (x - x0) / (x1 - x0) * ((*r.Ue)(i) - (*r.Ue)(i - 1));
    }
    return std::numeric_limits<double>::quiet_NaN();
}

// The replaced run: Ue(x) = Us + b (x - xs) + c (x - xs)^2, through the
// surface's own speed Us at the start of the region with the fitted slope b,
// so speed and gradient run on without a jump, and c chosen to end at the
// common trailing-edge speed.
struct Run {
    double Us = 0.0, b = 0.0;
    double edgeSpeed(double xs, double xe) const { return Us + b * (xe - xs); }
};

void blend(EdgeVelocityRun r, const Run& run, double xs, double xe, double edgeSpeed) {
    const double L = xe - xs;
    const double c = (edgeSpeed - run.edgeSpeed(xs, xe)) / (L * L);
    for (int32_t i = 2; i <= r.n; ++i) {
        const double x = (*r.x)(i);
        if (x <= xs) continue;
        const double d = std::min(x, xe) - xs;
        // The run may not stop the flow: a surface that would need it is
        // separated long before and its layer ends there anyway.
        (*r.Ue)(i) = std::max(0.05, run.Us + run.b * d + c * d * d);
    }
}

bool usable(const EdgeVelocityRun& r) { return r.x && r.Ue && r.n >= 3; }

}  // namespace

void applyViscousTrailingEdge(EdgeVelocityRun lower, EdgeVelocityRun upper) {
    if (!usable(lower) || !usable(upper)) return;
    // Both surfaces end at the trailing-edge node; the chord runs from the
    // foremost station to it.
    const double xEdge = (*upper.x)(upper.n);
    double xFront = xEdge;
    for (const EdgeVelocityRun* r : {&lower, &upper})
        for (int32_t i = 1; i <= r->n; ++i) xFront = std::min(xFront, (*r->x)(i));
    const double chord = xEdge - xFront;
    if (!(chord > 0.0)) return;
    const double xStart = xEdge - kTrailingEdgeRegion * chord;
    const double xBand = xStart - kFitBand * chord;

    Run runs[2];
    bool ok[2] = {false, false};
    const EdgeVelocityRun* surfaces[2] = {&lower, &upper};
    for (int k = 0; k < 2; ++k) {
        const Line line = fitLine(*surfaces[k], xBand, xStart);
        runs[k] = {velocityAt(*surfaces[k], xStart), line.b};
        ok[k] = line.ok && std::isfinite(runs[k].Us) && runs[k].Us > 0.0;
    }
    if (!ok[0] && !ok[1]) return;
    const double edgeSpeed = ok[0] && ok[1]
                                 ? 0.5 * (runs[0].edgeSpeed(xStart, xEdge) + runs[1].edgeSpeed(xStart, xEdge))
                                 : runs[ok[0] ? 0 : 1].edgeSpeed(xStart, xEdge);
    for (int k = 0; k < 2; ++k)
        if (ok[k]) blend(k == 0 ? lower : upper, runs[k], xStart, xEdge, edgeSpeed);
}

void closeDisplacementThickness(const float* nodeX, const float* nodeY, float* y, int32_t n) {
    if (n < 4 || n % 2 != 0) return;
    const int32_t half = n / 2;
    const double xEdge = nodeX[0];
    double xFront = xEdge;
    for (int32_t j = 0; j < n; ++j) xFront = std::min(xFront, static_cast<double>(nodeX[j]));
    const double closure = kThicknessClosure * (xEdge - xFront);
    if (!(closure > 0.0)) return;
    // Zero-based: lower node j (1..half-1) pairs with upper node n - j.
    for (int32_t j = 1; j < half; ++j) {
        const int32_t m = n - j;
        const double x = 0.5 * (nodeX[j] + nodeX[m]);
        const double w = (xEdge - x) / closure;
        if (w >= 1.0) continue;
        const double up = y[m] - nodeY[m], down = y[j] - nodeY[j];
        const double camber = 0.5 * (up + down), thickening = 0.5 * (up - down) * std::max(0.0, w);
        y[m] = static_cast<float>(nodeY[m] + camber + thickening);
        y[j] = static_cast<float>(nodeY[j] + camber - thickening);
    }
}

}  // namespace aerolune
