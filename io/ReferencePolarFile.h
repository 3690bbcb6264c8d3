#pragma once
// Reading a reference polar: the polar file another solver saves (a few
// header lines, then columns named alpha, CL, CD, CDp, CM, Top_Xtr, Bot_Xtr
// and perhaps more), or a plain table with a header line naming alpha, cl,
// cd and optionally cm, separated by blanks, commas or semicolons (wind-tunnel
// data typed in from a paper, or this program's own CSV polar). Columns are
// found by their names, whatever their order.

#include <cstddef>
#include <string>
#include <string_view>

#include "analysis/ReferencePolar.h"

namespace aerolune {

/// Largest reference polar file read; a real one is a few kilobytes.
constexpr std::size_t kMaxReferencePolarBytes = std::size_t{1} << 20;

/// Most points a reference polar may hold.
constexpr std::size_t kMaxReferencePolarPoints = 2000;

struct ReferencePolarRead {
    bool ok = false;
    /// Why the file cannot be used, with the line ("line 14: ...") where one
    /// line is at fault; empty when ok.
    std::string reason;
    ReferencePolar polar;
};

/// Reads the polar file at path; its title is the polar's own ("Calculated
/// polar for: NAME", or a line of text above the column names) or else the
/// file's name without its folder.
ReferencePolarRead readReferencePolar(const std::string& path);

/// The same for text already in memory.
/// \param text the whole file
/// \param fileName the title when the text names none
ReferencePolarRead parseReferencePolar(std::string_view text, const std::string& fileName);

}  // namespace aerolune
