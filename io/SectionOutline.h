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
/// - the trailing edge is the surface end farthest from the leading edge (the
///   point of least x); when the other surface's end falls short of it along
///   the chord by more than 0.02 % of the chord, and by more than it lies
///   beside it, that surface is joined to the trailing edge. Ends that meet,
///   and a blunt edge (both ends at one chordwise place, a gap between them),
///   are left as they are;
/// - a surface of more than `capacity` points keeps `capacity` of them, evenly
///   spaced in the file's order, both ends included;
/// - no chord (every point at one x), no thickness (an enclosed area below
///   1e-6 chord squared) and a contour that crosses or touches itself give a
///   reason. Places are named by their x as the file gives it.
/// \param first,second the surfaces as read, first the file's upper one
/// \param capacity most points a surface may keep
OutlineResult settleOutline(FileSurface& first, FileSurface& second, std::size_t capacity);

}  // namespace aerolune
