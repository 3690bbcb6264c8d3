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

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "io/ParsedAirfoil.h"

namespace aerolune {

/// Reads a Lednicer file. The upper and lower lists come out in file order
/// (leading edge first). Returns nothing when the text is not in this layout: the count line
/// must hold two whole numbers and exactly that many pair lines must follow.
std::optional<ParsedAirfoil> parseLednicerAirfoil(std::string_view text);

/// Reads a Selig file. The run of points is split at its first point of least
/// x, which goes into both lists; both lists come out from the leading edge to
/// the trailing edge (the upper part reversed from file order). Returns nothing when the text is not in this
/// layout (fewer than three pairs, any other line after the name, or a first line that looks like a Lednicer
/// count line).
std::optional<ParsedAirfoil> parseSeligAirfoil(std::string_view text);

/// A line of a file in one of these layouts that holds no x y pair.
struct UnreadablePairLine {
    int32_t line = 0;  ///< 1-based, blank lines counted
    std::string text;  ///< the line as written, blanks trimmed
};

/// The first line after the name that is not an x y pair, when the text is
/// otherwise laid out as one of these layouts: at least three pair lines, more
/// pair lines than others, and no line of a lone whole number (which would make
/// it our own layout). Nothing when every line reads or the text is laid out
/// otherwise. A single unreadable value ("nan", "1.2.3") in a long file is
/// then reported where it is instead of as a misleading point count.
std::optional<UnreadablePairLine> firstUnreadablePairLine(std::string_view text);

}  // namespace aerolune
