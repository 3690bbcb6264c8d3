#pragma once
// Reading a general section from a coordinate file into the file lists that
// the section builder consumes.
//
// The file may be in our own input layout (name, count, pairs, count, pairs;
// fields separated by a comma or a line end) or in one of the two layouts of
// the public airfoil collections (Selig, Lednicer). A file that reads cleanly
// in our own layout is always read in it; the other layouts are tried only
// when it does not, and our own tolerant reading is the last resort.
//
// Every point of the file is read. The lists hold FileSection::kCapacity
// points per surface, so a longer surface is thinned evenly along its run
// (never cut short); a file larger than kMaxAirfoilFileBytes is refused
// unread, so that no file can make the reader run away.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "geometry/FileSection.h"
#include "io/ParsedAirfoil.h"

namespace aerolune {

/// Largest coordinate file the reader accepts: some 100,000 points a surface.
constexpr std::size_t kMaxAirfoilFileBytes = std::size_t{4} << 20;

struct ReadAirfoilResult {
    bool ok = false;
    std::string reason;                          ///< why the file is unreadable; empty when ok
    AirfoilLayout layout = AirfoilLayout::None;  ///< the layout the lists were read in
    int32_t malformedFields = 0;                 ///< fields of our own layout that held no number
    /// What the reader did to make the file a section (a surface joined to
    /// the trailing edge, a surface thinned), one line for the user; empty
    /// when the lists are the file's points as written.
    std::string notice;
};

/// Reads the coordinate file at path. On success name and lists hold the file's
/// section: FileXU/FileYU (FileNU points) the first surface of the file, which
/// is the upper one, FileXL/FileYL (FileNL) the second. A coordinates file that
/// Save ASCII File wrote is read as the section it holds. Our own layout keeps the
/// file's order; Selig and Lednicer files come out from the leading edge to the
/// trailing edge on both surfaces. A surface that stops short of the trailing
/// edge is joined to it and one longer than the lists is thinned (see
/// settleOutline), and the notice says so, as it says how wide a blunt base
/// was. When the file is not a regular file (a pipe, a device), cannot be
/// opened or read, is too large, holds a line that is no x y pair amid a
/// pair-a-line file, yields fewer than three distinct points on a surface,
/// has a point far off its neighbours or a saw-tooth surface (see
/// implausibleContour), or gives a contour without chord or thickness or one
/// that crosses itself, the result says why and name and lists are left
/// exactly as they were.
/// \param path the file to read
/// \param name receives the section name (the airfoil field's text)
/// \param lists receives the surface point lists, in chords as written in the file
ReadAirfoilResult ReadAirfoil(const std::string& path, std::string& name, FileSection& lists);

/// The same as ReadAirfoil for text already in memory (the whole file).
ReadAirfoilResult readAirfoilText(std::string_view text, std::string& name, FileSection& lists);

}  // namespace aerolune
