#pragma once
// A section from the two point lists of a coordinate file: cleaned, joined
// into one contour, splined against arc length, and normalised to unit chord
// from the leading edge (the point of smallest x on the spline). A blunt
// trailing edge is closed by running both surfaces into the midpoint of its
// base over the last part of the chord.

#include <optional>
#include <vector>

#include "numerics/airfoil/SectionShape.h"

namespace aerolune {

/// Each surface of a blunt trailing edge is moved towards the midpoint of the
/// base over the last `trailingEdgeBlendLength` of the chord, by the share
/// q = s^2 of its distance from that midpoint, s running from 0 where the
/// blend begins to 1 at the surface's end. This is the usual way of closing a
/// base for a panel method that wants a sharp edge: ahead of the blend the
/// section is exactly the file's; both surfaces move by equal and opposite
/// amounts about the midpoint, so the mean line keeps its shape; q' = 0 where
/// the blend begins, so the surfaces keep their slope there; and the
/// thickness falls smoothly to zero at the edge.
inline constexpr double kBlendPerBaseWidth = 10.0;
inline constexpr double kLeastBlendLength = 0.03;

/// Chordwise length (chords) over which a base `baseWidth` chords wide is
/// closed: ten times its width, so that a surface turns by at most a tenth
/// of a radian at the edge, and at least 3 % of the chord.
double trailingEdgeBlendLength(double baseWidth);

/// Point p of the surface ending at `end`, moved towards `edge` (the base's
/// midpoint) as described above; all in chords from the leading edge.
Point closeBase(Point p, Point end, Point edge, double blend);

/// Build the section from the upper and lower lists. Each list may run from
/// the leading edge to the trailing edge or the reverse; non-finite points and
/// repeated points are dropped; lists given the wrong way round (the "upper"
/// one below) are exchanged. No value when the lists cannot make a section
/// (fewer than 3 points on a surface, no chord, no thickness).
std::optional<SectionCurves> fileSectionCurves(const std::vector<Point>& upper,
                                               const std::vector<Point>& lower);

}  // namespace aerolune
