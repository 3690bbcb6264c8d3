#pragma once
// The last check on every figure that leaves the analysis: a figure no wing
// section can have is not shown, printed, saved or plotted as a number; the
// caller says why instead. The bounds are wide on purpose: they catch a
// method that has run out of its validity, not a section that is merely
// good or bad.

#include <string>

namespace aerolune {

/// No section gives more lift than this, in either direction (high-lift
/// sections with flaps reach about 3.5).
inline constexpr double kMostLift = 4.0;
/// No section's moment coefficient reaches this.
inline constexpr double kMostMoment = 1.0;
/// A drag coefficient above this is a flat plate across the stream and more.
inline constexpr double kMostDrag = 0.5;
/// A zero-lift angle beyond this is no section's.
inline constexpr double kMostZeroLiftAngle = 30.0;

/// Why a lift coefficient cannot be given; empty when it is sane.
std::string liftProblem(double cl);
/// Why a moment coefficient cannot be given; empty when it is sane.
std::string momentProblem(double cm);
/// Why a moment coefficient about the leading edge cannot be given: it
/// carries a quarter of the lift besides the moment about the quarter chord,
/// so its bound is kMostMoment + kMostLift / 4. Empty when it is sane.
std::string leadingEdgeMomentProblem(double cmLe);
/// Why a drag coefficient cannot be given (not above 0, or above kMostDrag);
/// empty when it is sane.
std::string dragProblem(double cd);
/// Why a zero-lift angle (degrees) cannot be given; empty when it is sane.
std::string zeroLiftAngleProblem(double degrees);
/// Why a chordwise position (fraction of chord) cannot be given: outside
/// 0..1 or not a number. Empty when it is sane.
std::string chordPositionProblem(double x);

/// Why the thin-airfoil lift cannot stand beside the panel method's at the
/// same angle: the two differ by more than 1 and by more than half the
/// larger of them. Thickness makes the panel lift up to a quarter larger on
/// the sections the program makes; a wider gap means one of the two methods
/// has left its range (a saw-tooth contour, a point far off the section).
/// Empty when they agree that well.
std::string thinPanelProblem(double thinCl, double panelCl);

}  // namespace aerolune
