#pragma once
// A section from the two point lists of a coordinate file: cleaned, joined
// into one contour, splined against arc length, and normalised to unit chord
// from the leading edge (the point of smallest x on the spline). A blunt
// trailing edge is closed by thinning the section in proportion to x.

#include <optional>
#include <vector>

#include "numerics/airfoil/SectionShape.h"

namespace aerolune {

/// Build the section from the upper and lower lists. Each list may run from
/// the leading edge to the trailing edge or the reverse; non-finite points and
/// repeated points are dropped; lists given the wrong way round (the "upper"
/// one below) are exchanged. No value when the lists cannot make a section
/// (fewer than 3 points on a surface, no chord, no thickness).
std::optional<SectionCurves> fileSectionCurves(const std::vector<Point>& upper, const std::vector<Point>& lower);

}  // namespace aerolune
