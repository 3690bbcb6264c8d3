#pragma once
// What one reading of a coordinate file produced, before the reader decides
// whether to hand it to the caller.

#include <cstdint>
#include <string>
#include <vector>

namespace aerolune {

/// The layouts of coordinate file the reader understands.
enum class AirfoilLayout {
    None,      ///< nothing usable was recognised
    Native,    ///< name, count, pairs, count, pairs (our own input format)
    Lednicer,  ///< name line, "NU. NL." line, upper then lower surface from the leading edge
    Selig,     ///< name line, one run of points from the trailing edge over the upper surface and back
};

/// The name of a layout as shown to the user.
const char* airfoilLayoutName(AirfoilLayout layout);

/// One point as the lists store it (single precision, as read).
struct FilePoint {
    float x = 0.0f;
    float y = 0.0f;
    bool operator==(const FilePoint&) const = default;
};

/// Every point of one surface, in the order the reader keeps.
using FileSurface = std::vector<FilePoint>;

struct ParsedAirfoil {
    std::string name;
    FileSurface first;   ///< the first surface of the file (the upper one)
    FileSurface second;  ///< the second surface of the file
    AirfoilLayout layout = AirfoilLayout::None;
    int32_t malformedFields = 0;   ///< fields that held no number where one was due
    bool truncated = false;        ///< the text ended before the counts were met
    bool countsWellFormed = true;  ///< both counts were whole numbers >= 0
};

}  // namespace aerolune
