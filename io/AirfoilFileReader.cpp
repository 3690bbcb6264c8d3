#include "io/AirfoilFileReader.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "io/DatabaseAirfoilParser.h"
#include "io/ImplausibleContour.h"
#include "io/NativeAirfoilParser.h"
#include "io/RegularFileText.h"
#include "io/SavedCoordinatesFile.h"
#include "io/SectionOutline.h"

namespace aerolune {

const char* airfoilLayoutName(AirfoilLayout layout) {
    switch (layout) {
        case AirfoilLayout::Native:
            return "name, count, pairs";
        case AirfoilLayout::Lednicer:
            return "Lednicer";
        case AirfoilLayout::Selig:
            return "Selig";
        case AirfoilLayout::None:
            break;
    }
    return "unknown";
}

namespace {

// Points that coincide tell the section builder nothing, so only distinct
// points count towards the three a surface needs.
int32_t distinctPoints(const FileSurface& surface) {
    std::vector<std::pair<float, float>> points;
    points.reserve(surface.size());
    for (const FilePoint& p : surface) points.emplace_back(p.x, p.y);
    std::sort(points.begin(), points.end());
    return static_cast<int32_t>(std::unique(points.begin(), points.end()) - points.begin());
}

std::string pointsText(int32_t n) { return std::to_string(n) + (n == 1 ? " point" : " points"); }

// Empty when the lists make a section, else why not.
std::string whyUnusable(const ParsedAirfoil& parsed) {
    int32_t upper = distinctPoints(parsed.first);
    int32_t lower = distinctPoints(parsed.second);
    if (upper >= 3 && lower >= 3) return {};
    std::string reason = "no section could be read: the first surface has " + pointsText(upper) +
                         " and the second " + pointsText(lower) + ", each needs at least 3 distinct points";
    if (parsed.layout == AirfoilLayout::Native) {
        reason +=
            " (expected a name, a count and that many x, y pairs for each surface, "
            "or a Selig or Lednicer file)";
    }
    return reason;
}

ParsedAirfoil recognise(std::string_view text, const std::string& name, const FileSection& lists,
                        std::string& unreadableLine) {
    ParsedAirfoil native = parseNativeAirfoil(text, name, lists);
    if (isCleanNativeRead(native)) return native;
    if (std::optional<ParsedAirfoil> lednicer = parseLednicerAirfoil(text)) return std::move(*lednicer);
    if (std::optional<ParsedAirfoil> selig = parseSeligAirfoil(text)) return std::move(*selig);
    // A pair-a-line file with a line that holds no pair would otherwise be read
    // in our own layout as counts and pairs it does not hold.
    if (std::optional<UnreadablePairLine> bad = firstUnreadablePairLine(text)) {
        unreadableLine = "line " + std::to_string(bad->line) + " could not be read: \"" + bad->text +
                         "\" is not an x, y pair";
    }
    return native;
}

void store(const FileSurface& surface, Array1<float>& xs, Array1<float>& ys, int32_t& count) {
    count = static_cast<int32_t>(surface.size());
    for (int32_t i = 1; i <= count; ++i) {
        xs(i) = surface[static_cast<std::size_t>(i - 1)].x;
        ys(i) = surface[static_cast<std::size_t>(i - 1)].y;
    }
}

ReadAirfoilResult failure(std::string reason) {
    ReadAirfoilResult result;
    result.reason = std::move(reason);
    return result;
}

// Only a regular file is read, and no more of it than the reader accepts, so a
// pipe, a device or an endless file ends the read as surely as a large one.
std::optional<std::string> loadFile(const std::string& path, std::string& reason) {
    RegularFileText file = readRegularFile(path, kMaxAirfoilFileBytes);
    if (file.tooLarge) {
        reason = "\"" + path + "\" is larger than " + std::to_string(kMaxAirfoilFileBytes >> 20) +
                 " MB, too large for a coordinate file";
    } else {
        reason = std::move(file.reason);
    }
    return std::move(file.text);
}

}  // namespace

ReadAirfoilResult readAirfoilText(std::string_view text, std::string& name, FileSection& lists) {
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) return failure("the file is empty");

    // A coordinates file this program saved is read as the same section in
    // our own layout, so every reader takes back what the program writes.
    const std::optional<std::string> saved = savedCoordinatesAsInput(text);
    std::string unreadableLine;
    ParsedAirfoil parsed = recognise(saved ? std::string_view(*saved) : text, name, lists, unreadableLine);
    if (!unreadableLine.empty()) return failure(std::move(unreadableLine));
    ReadAirfoilResult result;
    result.layout = parsed.layout;
    result.malformedFields = parsed.malformedFields;
    // A point thrown far off may become the leading edge and leave a surface
    // of one point: name the point rather than the count.
    result.reason = implausibleContour(parsed);
    if (result.reason.empty()) result.reason = whyUnusable(parsed);
    if (!result.reason.empty()) return result;
    const OutlineResult outline = settleOutline(parsed.first, parsed.second, FileSection::kCapacity);
    result.reason = outline.reason;
    if (!result.reason.empty()) return result;

    result.ok = true;
    result.notice = outline.notice;
    name = std::move(parsed.name);
    store(parsed.first, lists.FileXU, lists.FileYU, lists.FileNU);
    store(parsed.second, lists.FileXL, lists.FileYL, lists.FileNL);
    return result;
}

ReadAirfoilResult ReadAirfoil(const std::string& path, std::string& name, FileSection& lists) {
    std::string reason;
    std::optional<std::string> text = loadFile(path, reason);
    if (!text) return failure(std::move(reason));
    ReadAirfoilResult result = readAirfoilText(*text, name, lists);
    if (!result.ok) result.reason = "\"" + path + "\": " + result.reason;
    return result;
}

}  // namespace aerolune
