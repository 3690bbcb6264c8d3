#pragma once
// Reading back the coordinates file that Save ASCII File writes in the airfoil
// view: "Coordinates for " and the name, then "Upper Surface Coordinates
// (x,y) N Points" with N pairs from the leading edge, then the same for the
// lower surface. It is recognised strictly (the title, both header lines,
// each followed by exactly its count of pair lines) so that no other file is
// taken for it, and handed to the reader in our own input layout, so that it
// passes every check a coordinate file does (ReadAirfoil does this itself).

#include <optional>
#include <string>
#include <string_view>

namespace aerolune {

/// The same section in our input layout (name, count, pairs, count, pairs),
/// the numbers as written; nothing when text is not a saved coordinates file.
std::optional<std::string> savedCoordinatesAsInput(std::string_view text);

}  // namespace aerolune
