// The Airfoil entry: the 1-based single-precision contract turned once into
// plain double-precision values, the section built, the flow solved, and the
// results written back to elements 1..2H only.

#include "numerics/airfoil/Airfoil.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "common/Array.h"
#include "numerics/airfoil/FileSection.h"
#include "numerics/airfoil/Flap.h"
#include "numerics/airfoil/NacaSection.h"
#include "numerics/airfoil/PanelSolver.h"

namespace aerolune {

namespace {

constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 2000;
constexpr double kMaxDeflection = 45.0 * std::numbers::pi / 180.0;
constexpr double kMinHinge = 0.2;

// How far (chords) a surface may run back towards its trailing edge and still
// be laid on chordwise stations: well above rounding, well below anything
// that changes the laid contour.
constexpr double kTurnBackSlack = 1e-6;

double finiteOr(float value, double fallback) { return std::isfinite(value) ? value : fallback; }

// Angle in radians, reduced to one turn first so a large typed angle keeps its precision.
double angleRadians(const float* alphaDeg) {
    double degrees = alphaDeg ? finiteOr(*alphaDeg, 0.0) : 0.0;
    return std::fmod(degrees, 360.0) * std::numbers::pi / 180.0;
}

std::vector<Point> filePoints(const float* xs, const float* ys, const int32_t* count) {
    std::vector<Point> points;
    if (!xs || !ys || !count) return points;
    int32_t n = std::clamp<int32_t>(*count, 0, kMaxFilePoints);
    View1<const float> x(xs, n), y(ys, n);
    points.reserve(static_cast<std::size_t>(n));
    for (int32_t i = 1; i <= n; ++i) points.push_back({x(i), y(i)});
    return points;
}

bool turnsBack(const SurfaceReach& reach) { return reach.furthestX > reach.endX + kTurnBackSlack; }

struct FlapSetting {
    bool present = false;
    double hinge = 1.0;
    double deflection = 0.0;
};

FlapSetting flapSetting(const float* flapRad, const float* flapHinge) {
    FlapSetting flap;
    if (!flapRad || !flapHinge) return flap;
    double deflection = finiteOr(*flapRad, 0.0);
    double hinge = finiteOr(*flapHinge, 1.0);
    if (deflection == 0.0 || !(hinge > 0.0 && hinge < 1.0)) return flap;
    flap.present = true;
    flap.hinge = std::max(hinge, kMinHinge);
    flap.deflection = std::clamp(deflection, -kMaxDeflection, kMaxDeflection);
    return flap;
}

// A NACA surface that runs back in x anywhere ahead of the trailing edge, or
// of the hinge when there is a flap: a thick, strongly cambered section folds
// its lower surface over behind the nose (the 9130 by 0.018 chord near
// x = 0.1), and chordwise stations cannot follow a fold.
bool foldsAheadOfHinge(const SurfaceCurve& surface, double hinge) {
    return furthestRunBack(surface, surface.tBegin, parameterAtX(surface, hinge)) > kTurnBackSlack;
}

// Whether the section's surfaces turn back before their trailing edge (a
// coordinate list is checked there only, as it always was: its rounding may
// let a surface run back by a hair at the nose) or fold.
bool turnsBackOrFolds(const SectionCurves& curves, const FlapSetting& flap, bool fromFile) {
    if (flap.present) {
        return flapTurnsBack(curves, flap.hinge, flap.deflection, kTurnBackSlack) ||
               (!fromFile &&
                (foldsAheadOfHinge(curves.upper, flap.hinge) || foldsAheadOfHinge(curves.lower, flap.hinge)));
    }
    // Without a flap both tests sample the whole surface: one pass each.
    const SurfaceReach upper = surfaceReach(curves.upper), lower = surfaceReach(curves.lower);
    return turnsBack(upper) || turnsBack(lower) ||
           (!fromFile && (upper.runBack > kTurnBackSlack || lower.runBack > kTurnBackSlack));
}

// The section's surfaces before any flap, or nothing when the file lists cannot make one.
std::optional<SectionCurves> sectionCurves(const int32_t* designation, const float* fileYU,
                                           const float* fileYL, const float* fileXU, const float* fileXL,
                                           const int32_t* fileNU, const int32_t* fileNL, bool fromFile) {
    if (!fromFile) return nacaCurves(parseDesignation(designation ? *designation : 12));
    return fileSectionCurves(filePoints(fileXU, fileYU, fileNU), filePoints(fileXL, fileYL, fileNL));
}

Contour layContour(const SectionCurves& curves, const FlapSetting& flap, int halfPoints) {
    SectionShape shape =
        flap.present ? flappedShape(curves, flap.hinge, flap.deflection) : plainShape(curves);
    return layNodes(shape, halfPoints);
}

// Mode 1: the caller's nodes with the displaced ordinates.
Contour displacedContour(const float* nodeX, const float* nodeY, const float* undisplacedY, int halfPoints) {
    const int n = 2 * halfPoints;
    View1<const float> x(nodeX, n), y(nodeY, n);
    Contour contour;
    contour.halfPoints = halfPoints;
    contour.x.resize(n);
    contour.y.resize(n);
    for (int i = 1; i <= n; ++i) {
        double fallback = undisplacedY ? finiteOr(View1<const float>(undisplacedY, n)(i), 0.0) : 0.0;
        contour.x[i - 1] = finiteOr(x(i), 0.0);
        contour.y[i - 1] = finiteOr(y(i), fallback);
    }
    return contour;
}

void writeValue(float* target, double value) {
    if (target) *target = static_cast<float>(std::isfinite(value) ? value : 0.0);
}

void writeArray(float* target, const std::vector<double>& values) {
    if (!target) return;
    View1<float> out(target, static_cast<std::ptrdiff_t>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        double v = values[i];
        out(static_cast<std::ptrdiff_t>(i) + 1) = static_cast<float>(std::isfinite(v) ? v : 0.0);
    }
}

}  // namespace

void Airfoil(int32_t* designation, float* alphaDeg, float* nodeX, float* ctrlX, float* nodeY, float* cp,
             float* velocity, float* cl, float* cmLe, float* flapRad, float* flapHinge, int32_t* halfPoints,
             int32_t* /*reserved*/, float* fileYU, float* fileYL, float* fileXU, float* fileXL,
             int32_t* fileNU, int32_t* fileNL, int32_t* source, int32_t* mode) {
    writeValue(cl, 0.0);
    writeValue(cmLe, 0.0);
    if (!halfPoints || *halfPoints < kMinHalfPoints || *halfPoints > kMaxHalfPoints) return;
    const int h = *halfPoints;
    const double alpha = angleRadians(alphaDeg);

    if (mode && *mode == 1) {
        if (!nodeX || !nodeY) return;
        // The undisplaced ordinates, when given, make the contour whose
        // factorisation the displaced one is solved on: it is the same for
        // every angle of a polar.
        const Contour displaced = displacedContour(nodeX, nodeY, cp, h);
        PanelSolution solution =
            cp ? solvePanelsNear(displaced, displacedContour(nodeX, cp, nullptr, h), alpha)
               : solvePanels(displaced, alpha);
        writeArray(velocity, solution.velocity);
        writeValue(cl, solution.cl);
        writeValue(cmLe, solution.cmLe);
        return;
    }

    const bool fromFile = source && *source == 1;
    const std::optional<SectionCurves> curves =
        sectionCurves(designation, fileYU, fileYL, fileXU, fileXL, fileNU, fileNL, fromFile);
    if (!curves) {
        std::vector<double> zeros(static_cast<std::size_t>(2 * h), 0.0);
        for (float* array : {nodeX, ctrlX, nodeY, cp, velocity}) writeArray(array, zeros);
        return;
    }
    const Contour contour = layContour(*curves, flapSetting(flapRad, flapHinge), h);
    PanelSolution solution = solvePanels(contour, alpha);
    writeArray(nodeX, contour.x);
    writeArray(nodeY, contour.y);
    writeArray(ctrlX, solution.ctrlX);
    writeArray(cp, solution.cp);
    writeArray(velocity, solution.velocity);
    writeValue(cl, solution.cl);
    writeValue(cmLe, solution.cmLe);
}

SectionFault AirfoilSectionFault(int32_t* designation, float* flapRad, float* flapHinge, int32_t* halfPoints,
                                 float* fileYU, float* fileYL, float* fileXU, float* fileXL, int32_t* fileNU,
                                 int32_t* fileNL, int32_t* source) {
    using Kind = SectionFault::Kind;
    if (!halfPoints || *halfPoints < kMinHalfPoints || *halfPoints > kMaxHalfPoints) return {Kind::NoSection};
    const bool fromFile = source && *source == 1;
    const std::optional<SectionCurves> curves =
        sectionCurves(designation, fileYU, fileYL, fileXU, fileXL, fileNU, fileNL, fromFile);
    if (!curves) return {Kind::NoSection};
    const FlapSetting flap = flapSetting(flapRad, flapHinge);
    if (turnsBackOrFolds(*curves, flap, fromFile)) return {Kind::TurnsBack};
    const ContourFault laid = contourFault(layContour(*curves, flap, *halfPoints));
    switch (laid.kind) {
        case ContourFault::Kind::None:
            return {};
        case ContourFault::Kind::SurfacesCross:
            return {Kind::SurfacesCross, laid.x};
        case ContourFault::Kind::NoThickness:
            return {Kind::NoThickness};
        case ContourFault::Kind::NotFinite:
            break;
    }
    return {Kind::NoSection};
}

}  // namespace aerolune
