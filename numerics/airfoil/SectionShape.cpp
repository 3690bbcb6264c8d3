#include "numerics/airfoil/SectionShape.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace aerolune {

double parameterAtX(const SurfaceCurve& curve, double x) {
    double a = curve.tBegin;
    double b = curve.tEnd;
    double fa = curve.at(a).x - x;
    double fb = curve.at(b).x - x;
    if (fa >= 0.0) return a;
    if (fb <= 0.0) return b;
    // Illinois variant of regula falsi: superlinear, and the bracket never
    // opens, so a surface whose x is monotone always yields its one root.
    int side = 0;
    for (int iteration = 0; iteration < 100; ++iteration) {
        double t = (a * fb - b * fa) / (fb - fa);
        double ft = curve.at(t).x - x;
        if (ft == 0.0 || b - a < 1e-15) return t;
        if ((ft > 0.0) == (fb > 0.0)) {
            b = t;
            fb = ft;
            if (side == -1) fa *= 0.5;
            side = -1;
        } else {
            a = t;
            fa = ft;
            if (side == 1) fb *= 0.5;
            side = 1;
        }
        if (std::fabs(ft) < 1e-14) return t;
    }
    return 0.5 * (a + b);
}

double furthestX(const SurfaceCurve& curve, double from) {
    constexpr int kSamples = 2000;
    double furthest = curve.at(curve.tEnd).x;
    for (int i = 0; i < kSamples; ++i)
        furthest = std::max(furthest, curve.at(from + (curve.tEnd - from) * i / kSamples).x);
    return furthest;
}

double furthestRunBack(const SurfaceCurve& curve, double from, double to) {
    constexpr int kSamples = 2000;
    double furthest = curve.at(from).x;
    double runBack = 0.0;
    for (int i = 1; i <= kSamples; ++i) {
        const double x = curve.at(from + (to - from) * i / kSamples).x;
        furthest = std::max(furthest, x);
        runBack = std::max(runBack, furthest - x);
    }
    return runBack;
}

SurfaceReach surfaceReach(const SurfaceCurve& curve) {
    constexpr int kSamples = 2000;
    const double from = curve.tBegin;
    SurfaceReach reach;
    reach.endX = curve.at(curve.tEnd).x;
    reach.furthestX = reach.endX;
    double furthest = 0.0;
    for (int i = 0; i <= kSamples; ++i) {
        const double x = curve.at(from + (curve.tEnd - from) * i / kSamples).x;
        if (i < kSamples) reach.furthestX = std::max(reach.furthestX, x);
        furthest = i == 0 ? x : std::max(furthest, x);
        reach.runBack = std::max(reach.runBack, furthest - x);
    }
    return reach;
}

SectionShape plainShape(const SectionCurves& curves) {
    SectionShape shape;
    shape.upperY = [upper = curves.upper](double x) { return ordinateAtX(upper, x); };
    shape.lowerY = [lower = curves.lower](double x) { return ordinateAtX(lower, x); };
    shape.leadingEdge = curves.leadingEdge;
    shape.trailingEdge = curves.trailingEdge;
    return shape;
}

double cosineStation(int k, int halfPoints, double x0, double x1) {
    if (k <= 0) return x0;
    if (k >= halfPoints) return x1;
    double phi = std::numbers::pi * static_cast<double>(k) / static_cast<double>(halfPoints);
    return x0 + (x1 - x0) * 0.5 * (1.0 - std::cos(phi));
}

Contour layNodes(const SectionShape& shape, int halfPoints) {
    const int h = halfPoints;
    Contour contour;
    contour.halfPoints = h;
    contour.x.assign(2 * h, 0.0);
    contour.y.assign(2 * h, 0.0);
    contour.x[0] = shape.trailingEdge.x;
    contour.y[0] = shape.trailingEdge.y;
    contour.x[h] = shape.leadingEdge.x;
    contour.y[h] = shape.leadingEdge.y;
    for (int k = 1; k < h; ++k) {
        double xs = cosineStation(k, h, shape.leadingEdge.x, shape.trailingEdge.x);
        contour.x[h - k] = xs;
        contour.y[h - k] = shape.lowerY(xs);
        contour.x[h + k] = xs;
        contour.y[h + k] = shape.upperY(xs);
    }
    return contour;
}

ContourFault contourFault(const Contour& contour) {
    using Kind = ContourFault::Kind;
    const int h = contour.halfPoints;
    const std::size_t n = contour.x.size();
    double twiceArea = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (!std::isfinite(contour.x[i]) || !std::isfinite(contour.y[i])) return {Kind::NotFinite};
        const std::size_t j = (i + 1) % n;
        twiceArea +=
            contour.x[j] * contour.y[i] - contour.x[i] * contour.y[j];  // clockwise: lower surface first
    }
    // Surfaces that swap in the last half per cent of the chord are a sharp
    // edge written to few decimals, not a section that crosses itself; so
    // are surfaces that swap by a hair over the last few per cent of a thin
    // edge, where the spline through a sparse file's points bows by that much
    // (0.017 % of the chord aft of x = 0.967 for the 38 points of the Strand
    // section).
    const double chord = contour.x[0] - contour.x[h];
    const double edgeZone = contour.x[h] + 0.995 * chord;
    const double thinEdgeZone = contour.x[h] + kThinEdgeZone * chord;
    for (int k = 1; k < h && contour.x[h + k] < edgeZone; ++k) {
        const double overlap = contour.y[h - k] - contour.y[h + k];
        if (!(overlap > 0.0)) continue;
        if (contour.x[h + k] >= thinEdgeZone && overlap <= kHairline * chord) continue;
        return {Kind::SurfacesCross, contour.x[h + k]};
    }
    // A section 0.01 % thick encloses about 7e-5 chord squared.
    if (!(0.5 * twiceArea >= 1e-6)) return {Kind::NoThickness};
    return {};
}

}  // namespace aerolune
