#pragma once
// The two surfaces read from a coordinate file, made fit for the section
// builder or refused with a reason. A surface that stops short of the
// trailing edge is joined to it, a surface with more points than the lists
// hold is thinned, and a contour without chord or thickness, or one that
// crosses itself, is refused: each of these would otherwise give a section
// that looks analysed and is not.

#include <cstddef>
#include <string>

#include "io/ParsedAirfoil.h"

namespace aerolune {

struct OutlineResult {
    std::string reason;  ///< why the surfaces make no section; empty when they do
    std::string notice;  ///< what was done to them, one line; empty when nothing
};

/// Settles the two surfaces of a file (each with at least three distinct
/// points, in either direction) in place:
/// - a base written with a closing point at its middle loses that point
///   (setAsideBaseMidpoint);
/// - a last step into the trailing edge more than three times the one before
///   it, along the chord, is read as the straight line it is;
/// - the trailing edge is the surface end farthest from the leading edge (the
///   point of least x); when the other surface's end falls short of it along
///   the chord by more than 0.02 % of the chord, and by more than half what it
///   lies beside it, that surface is joined to the trailing edge by a straight
///   line. Ends that meet, and a blunt base (both ends at about one chordwise
///   place, a gap between them), are left as they are and the builder closes
///   the base; the notice says how wide it was;
/// - a surface of more than `capacity` points keeps `capacity` of them, evenly
///   spaced in the file's order, both ends included;
/// - surfaces that cross by a hair where the section is thinnest are mended
///   (mendHairlineCrossings);
/// - no chord (every point at one x), no thickness (an enclosed area below
///   1e-6 chord squared) and a contour that crosses or touches itself give a
///   reason. Places are named by their x as the file gives it.
/// \param first,second the surfaces as read, first the file's upper one
/// \param capacity most points a surface may keep
OutlineResult settleOutline(FileSurface& first, FileSurface& second, std::size_t capacity);

}  // namespace aerolune
