#pragma once
// Point lists that read cleanly but that no one would call a section: a
// point far off the curve its neighbours follow (a digit lost or an exponent
// slipped: one point 234 chords above the section), or a surface that runs
// up and down again and again (a saw-tooth). The section builder would make
// a contour of them all the same, and the analysis would print lift and drag
// for it as if they meant something.

#include <string>

#include "io/ParsedAirfoil.h"

namespace aerolune {

/// A point lies off its neighbours when it stands farther than
/// kStrayPerSpacing times the local spacing of the others off the straight
/// line between its two neighbours (its one neighbour, for the end of a
/// surface, kStrayEndPerSpacing times and farther than half the section's
/// size). Real files, however sparse, stay within about one spacing.
inline constexpr double kStrayPerSpacing = 5.0;
inline constexpr double kStrayEndPerSpacing = 10.0;

/// A surface turns when its y, after rising (falling) by more than
/// kTurnHeight chords, falls (rises) by more than kTurnHeight; sections have
/// a few such turns at most (a reflexed or an S-shaped lower surface),
/// a saw-tooth has many. More than kMostTurns on one surface is refused.
inline constexpr double kTurnHeight = 1e-3;
inline constexpr int kMostTurns = 6;

/// Why the points cannot be a section, naming the point by its place in the
/// file (1-based, counted over both surfaces as the file lists them), or empty.
/// \param parsed the lists as one of the layouts read them (each with at least three points)
std::string implausibleContour(const ParsedAirfoil& parsed);

}  // namespace aerolune
