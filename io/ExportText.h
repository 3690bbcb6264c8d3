#pragma once
// The text of a data export, built whole in memory before anything touches
// the disk, so that a layout that cannot be made never leaves a file behind.

#include <string>
#include <string_view>

#include "common/PrintForm.h"

namespace aerolune {

/// Every line of our exports ends with CR LF, whatever the platform.
inline constexpr std::string_view kLineEnd = "\r\n";

struct ExportText {
    std::string text;
    std::string error;  ///< why the export cannot be made; empty when it can
    bool ok() const { return error.empty(); }
};

inline void appendLine(std::string& text, std::string_view line) {
    text += line;
    text += kLineEnd;
}

/// Two items in print zones: the first at column 1, the second at the start
/// of the next 14-character zone.
inline std::string zonedPair(std::string_view first, std::string_view second) {
    PrintLine line;
    line.item(first).zoneItem(second);
    return line.str();
}

}  // namespace aerolune
