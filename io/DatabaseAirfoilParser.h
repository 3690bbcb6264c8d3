#pragma once
// The two layouts that public airfoil collections use, recognised so their
// files load without editing:
//
// Selig:    a name line, then one x y pair per line, from the trailing edge
//           over the upper surface to the leading edge and back along the
//           lower surface to the trailing edge.
// Lednicer: a name line, a line with the two point counts (such as
//           "61. 61."), then the upper and the lower surface, each from the
//           leading edge to the trailing edge, usually with blank lines between.
//
// Both are recognised strictly (every line after the name must be a pair, or
// the count line) so that a file in our own layout is never taken for one of
// them. Pairs may be separated by blanks or by a comma.

#include <optional>
#include <string_view>

#include "io/ParsedAirfoil.h"

namespace aerolune {

/// Reads a Lednicer file. The upper and lower lists come out in file order
/// (leading edge first). Returns nothing when the text is not in this layout: the count line
/// must hold two whole numbers and exactly that many pair lines must follow.
std::optional<ParsedAirfoil> parseLednicerAirfoil(std::string_view text);

/// Reads a Selig file. The run of points is split at its first point of least
/// x, which goes into both lists; both lists come out from the leading edge to
/// the trailing edge (the upper part reversed from file order). Returns nothing when the text is not in this layout (fewer than
/// three pairs, any other line after the name, or a first line that looks like
/// a Lednicer count line).
std::optional<ParsedAirfoil> parseSeligAirfoil(std::string_view text);

}  // namespace aerolune
