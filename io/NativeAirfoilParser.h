#pragma once
// Our own input format: the section name, the first count, that many x, y
// pairs (upper surface), the second count, that many pairs (lower surface).
// Reading is tolerant: a field that holds no number leaves the list entry (or
// the count) at its previous value and reading goes on with the next field.

#include <string>
#include <string_view>

#include "geometry/FileSection.h"
#include "io/ParsedAirfoil.h"

namespace aerolune {

/// Reads text in the native layout. A malformed field keeps what the entry held
/// before in previous (0 beyond the lists' capacity, where there was no
/// entry). Every pair the text holds is kept: a negative count reads no pairs,
/// and a count larger than what the text holds stops at the end of the text.
/// A malformed count keeps the previous count as the number of pairs to read.
/// \param text the whole file
/// \param previousName the name kept when the text has no name field
/// \param previous the lists before reading
ParsedAirfoil parseNativeAirfoil(std::string_view text, const std::string& previousName,
                                 const FileSection& previous);

/// True when the text read as the native layout without a single doubtful
/// field: whole, non-negative counts, every pair present and well formed, and
/// at least three points on each surface. Such a file is never taken for
/// another layout.
bool isCleanNativeRead(const ParsedAirfoil& parsed);

}  // namespace aerolune
