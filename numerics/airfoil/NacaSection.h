#pragma once
// NACA 4-digit and standard 5-digit sections from the designation number:
// mean line, closed-trailing-edge thickness, and the two surfaces laid
// perpendicular to the mean line.

#include <cstdint>

#include "numerics/airfoil/SectionShape.h"

namespace aerolune {

/// The numbers a designation stands for.
struct NacaParameters {
    enum class MeanLine { Symmetric, FourDigit, FiveDigit };
    MeanLine meanLine = MeanLine::Symmetric;
    double thickness = 0.12;  ///< maximum thickness, chords
    double camber = 0.0;      ///< 4-digit: maximum camber m, chords
    double position = 0.0;    ///< 4-digit: its position p; 5-digit: the break point m
    double k1 = 0.0;          ///< 5-digit: mean-line constant k1 at the section's design lift
};

/// Decode a designation: 4 digits or fewer is a 4-digit section, 5 digits a
/// 5-digit one (hostile values handled as Airfoil.h documents).
NacaParameters parseDesignation(int32_t designation);

/// Mean-line ordinate and slope at x (0..1).
struct MeanLinePoint {
    double yc;
    double slope;
};
MeanLinePoint meanLineAt(const NacaParameters& section, double x);

/// Half thickness at x (0..1) with the closed trailing edge.
double halfThicknessAt(const NacaParameters& section, double x);

/// The section's surfaces as curves of the mean-line parameter; a station's
/// point is found by solving for that parameter, so the exact NACA point lies
/// on the station. The leading edge is the mean line's start, unless the
/// upper surface reaches more than 1e-4 chord ahead of it: then the contour's
/// foremost point is the leading edge, the lower side runs from there over
/// the nose, and the section is moved and scaled to a unit chord from that
/// point to the trailing edge.
SectionCurves nacaCurves(const NacaParameters& section);

}  // namespace aerolune
