#pragma once
// The shape of a section as the node builder sees it: two surfaces, each a
// function y(x) from the leading edge to the trailing edge, plus the two end
// points. NACA sections, file sections and flapped sections all reduce to this,
// so one routine lays the nodes on the chordwise stations for every source.

#include <functional>
#include <vector>

namespace aerolune {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

/// A surface given by a parameter t in [tBegin, tEnd] along which x grows.
struct SurfaceCurve {
    std::function<Point(double)> at;
    double tBegin = 0.0;
    double tEnd = 1.0;
};

/// Parameter of the point of `curve` whose abscissa is `x` (Illinois regula
/// falsi, which keeps the root bracketed). Clamped to the ends outside the range.
double parameterAtX(const SurfaceCurve& curve, double x);

/// Largest abscissa of `curve` from parameter `from` to its end, sampled
/// finely: beyond the end's own x when the surface runs back before it ends.
double furthestX(const SurfaceCurve& curve, double from);

/// How far (chords) `curve` runs back in x between parameters `from` and `to`
/// at most, behind the furthest point it has reached, sampled finely: 0 when x
/// never decreases along it. Chordwise stations cannot follow a surface that
/// folds back like this.
double furthestRunBack(const SurfaceCurve& curve, double from, double to);

/// The end's abscissa, furthestX(curve, curve.tBegin) and
/// furthestRunBack(curve, curve.tBegin, curve.tEnd), from one pass over
/// their common samples.
struct SurfaceReach {
    double endX = 0.0;
    double furthestX = 0.0;
    double runBack = 0.0;
};
SurfaceReach surfaceReach(const SurfaceCurve& curve);

/// Ordinate of `curve` at abscissa `x`.
inline double ordinateAtX(const SurfaceCurve& curve, double x) { return curve.at(parameterAtX(curve, x)).y; }

/// A section as two surface functions y(x) between the leading and trailing edge.
struct SectionShape {
    std::function<double(double)> upperY;
    std::function<double(double)> lowerY;
    Point leadingEdge;
    Point trailingEdge;
};

/// A section as two parametric surfaces from the leading edge to the trailing
/// edge (x growing along each) and its two end points. The trailing-edge point
/// closes the contour; where the surfaces end apart it lies midway.
struct SectionCurves {
    SurfaceCurve upper;
    SurfaceCurve lower;
    Point leadingEdge;
    Point trailingEdge;
};

/// The unflapped shape of `curves`.
SectionShape plainShape(const SectionCurves& curves);

/// Node coordinates of the closed contour, 0-based: node 0 is the trailing
/// edge, nodes 1..H the lower surface up to the leading edge (node H), nodes
/// H+1..2H-1 the upper surface; the closing node (= node 0) is not stored.
struct Contour {
    int halfPoints = 0;
    std::vector<double> x;
    std::vector<double> y;
};

/// Cosine-spaced station k of H between x0 (k = 0) and x1 (k = H).
double cosineStation(int k, int halfPoints, double x0, double x1);

/// Lay the nodes of `shape` on H cosine-spaced stations, both surfaces at the
/// same abscissae.
Contour layNodes(const SectionShape& shape, int halfPoints);

/// What is wrong with a laid contour: a node that is not a finite number, the
/// upper surface below the lower one at a station ahead of the last half per
/// cent of the chord (the surfaces cross; by up to kHairline chords aft of
/// kThinEdgeZone is a thin edge, not a crossing), or no enclosed area.
inline constexpr double kThinEdgeZone = 0.95;
inline constexpr double kHairline = 5e-4;
struct ContourFault {
    enum class Kind { None, NotFinite, SurfacesCross, NoThickness };
    Kind kind = Kind::None;
    double x = 0.0;  ///< the station where the surfaces cross, chords
};
ContourFault contourFault(const Contour& contour);

}  // namespace aerolune
