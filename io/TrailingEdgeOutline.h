#pragma once
// The thin parts of a section as coordinate files write them, settled into
// what the section builder can lay: a base written with a point at its
// middle, surfaces that cross by a rounding error where the section is
// thinnest, and the notice that says how wide a blunt base was and how it
// is closed.

#include <string>

#include "io/OutlineFrame.h"

namespace aerolune::outline {

/// Many files write a blunt base with a closing point at its middle: one
/// surface ends at the base's edge, the other runs on across the base to
/// that point (the base of NACA 6412 from (1.00025, 0.00124) through (1, 0)
/// to (0.99975, -0.00124)). The builder would take the short, nearly
/// vertical last step for part of the surface and fold it; the point is set
/// aside so that the base is closed like any other. A point is set aside
/// only when its step is within 0.5 % of the chord along it and at least
/// twice as steep across, the two remaining ends lie about as far along,
/// and the point lies between them across the chord.
/// \return true when a point was set aside (the ends then have to be found again)
bool setAsideBaseMidpoint(FileSurface& first, FileSurface& second, const Frame& f);

/// The surfaces of a thin section written to few decimals may cross by a
/// rounding error where it is thinnest: over the last few per cent of a thin
/// cusped trailing edge (Wortmann FX 63-147, by 0.05 % of the chord aft of
/// x = 0.99), or along the aft half of a section thinned almost to a plate
/// (Eppler 378, by 0.02 % near x = 0.69). Where they cross by no more than
/// kMostCrossing chords (aft of kMendFrom and ahead of the last half per cent,
/// which the builder closes anyway), the mean line is kept and the thickness
/// there is interpolated linearly between the nearest points on either side
/// where the surfaces stand apart (or the trailing edge, where it is zero).
/// Both surfaces must run forward in x aft of kMendFrom. Returns what was
/// done, or empty; a larger crossing is left for the reader to refuse.
std::string mendHairlineCrossings(FileSurface& first, FileSurface& second, const Frame& f, bool firstIsUpper);
inline constexpr double kMendFrom = 0.1;
inline constexpr double kMostCrossing = 0.002;

/// Width of the base between the surfaces' trailing ends, in chords.
double baseWidth(const FileSurface& first, const FileSurface& second, const Frame& f);

/// What the builder does to a base of `width` chords, for the reader's
/// notice; empty for a base narrower than 0.01 % of the chord (a sharp edge
/// written to few decimals).
/// \param midpointSetAside the file's closing point at its middle was set aside
std::string baseNotice(double width, bool midpointSetAside);

}  // namespace aerolune::outline
