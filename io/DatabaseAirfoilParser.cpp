#include "io/DatabaseAirfoilParser.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "io/FieldReader.h"

namespace aerolune {

namespace {

struct Point {
    double x;
    double y;
};

bool isBlankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// The non-blank lines of the text; a line ends at LF, CR LF or a lone CR.
std::vector<std::string_view> nonBlankLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
        std::string_view line = text.substr(start, i - start);
        if (!isBlankLine(line)) lines.push_back(line);
        if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    return lines;
}

std::string trimmed(std::string_view line) {
    std::size_t begin = line.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return {};
    std::size_t end = line.find_last_not_of(" \t");
    return std::string(line.substr(begin, end - begin + 1));
}

// A line of exactly two numbers, separated by blanks or a comma.
std::optional<Point> pairLine(std::string_view line) {
    FieldReader reader(line);
    std::string_view first;
    std::string_view second;
    std::string_view extra;
    if (!reader.nextNumberField(first) || !reader.nextNumberField(second)) return std::nullopt;
    if (reader.nextNumberField(extra)) return std::nullopt;
    Point p{};
    if (!parseNumberToken(first, p.x) || !parseNumberToken(second, p.y)) return std::nullopt;
    return p;
}

std::optional<std::vector<Point>> pairLines(const std::vector<std::string_view>& lines, std::size_t from) {
    std::vector<Point> points;
    points.reserve(lines.size() - std::min(from, lines.size()));
    for (std::size_t i = from; i < lines.size(); ++i) {
        std::optional<Point> p = pairLine(lines[i]);
        if (!p) return std::nullopt;
        points.push_back(*p);
    }
    return points;
}

bool isWhole(double v) { return v == std::floor(v); }

// Two whole numbers of at least 2, as a Lednicer count line holds: no airfoil
// in unit chord has such a point, so this tells the two layouts apart.
bool looksLikeCountLine(const Point& p) { return isWhole(p.x) && isWhole(p.y) && p.x >= 2 && p.y >= 2; }

// Points [first, first + count) as one surface.
FileSurface surfaceOf(const std::vector<Point>& points, std::size_t first, std::size_t count) {
    FileSurface surface;
    surface.reserve(count);
    for (std::size_t k = first; k < first + count; ++k)
        surface.push_back({static_cast<float>(points[k].x), static_cast<float>(points[k].y)});
    return surface;
}

// Enough of an unreadable line to find it in an editor.
constexpr std::size_t kShownLineLength = 60;

// A line holding a single whole number: the count line of our own layout.
bool isCountLine(std::string_view line) {
    FieldReader reader(line);
    std::string_view token;
    std::string_view extra;
    double value = 0.0;
    if (!reader.nextNumberField(token) || reader.nextNumberField(extra)) return false;
    return parseNumberToken(token, value) && isWhole(value);
}

}  // namespace

std::optional<UnreadablePairLine> firstUnreadablePairLine(std::string_view text) {
    std::optional<UnreadablePairLine> first;
    int32_t pairs = 0;
    int32_t others = 0;
    int32_t number = 0;
    bool nameSeen = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
        const std::string_view line = text.substr(start, i - start);
        ++number;
        if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
        start = i + 1;
        if (isBlankLine(line)) continue;
        if (!nameSeen) {
            nameSeen = true;
            continue;
        }
        const std::optional<Point> pair = pairLine(line);
        // A Lednicer count line is a pair of whole numbers; it reads as a pair here.
        if (pair) {
            ++pairs;
            continue;
        }
        if (isCountLine(line)) return std::nullopt;
        ++others;
        if (!first) first = UnreadablePairLine{number, trimmed(line.substr(0, kShownLineLength))};
    }
    if (pairs < 3 || others >= pairs) return std::nullopt;
    return first;
}

std::optional<ParsedAirfoil> parseLednicerAirfoil(std::string_view text) {
    std::vector<std::string_view> lines = nonBlankLines(text);
    if (lines.size() < 2) return std::nullopt;
    std::optional<Point> counts = pairLine(lines[1]);
    // A million points per surface is far beyond any real file; larger counts
    // only mean the line is not a count line.
    constexpr double kMaxCount = 1.0e6;
    if (!counts || !isWhole(counts->x) || !isWhole(counts->y) || counts->x < 1 || counts->y < 1 ||
        counts->x > kMaxCount || counts->y > kMaxCount) {
        return std::nullopt;
    }
    auto upperCount = static_cast<std::size_t>(counts->x);
    auto lowerCount = static_cast<std::size_t>(counts->y);
    if (lines.size() - 2 != upperCount + lowerCount) return std::nullopt;
    std::optional<std::vector<Point>> points = pairLines(lines, 2);
    if (!points) return std::nullopt;

    ParsedAirfoil parsed;
    parsed.layout = AirfoilLayout::Lednicer;
    parsed.name = trimmed(lines[0]);
    parsed.first = surfaceOf(*points, 0, upperCount);
    parsed.second = surfaceOf(*points, upperCount, lowerCount);
    return parsed;
}

std::optional<ParsedAirfoil> parseSeligAirfoil(std::string_view text) {
    std::vector<std::string_view> lines = nonBlankLines(text);
    if (lines.size() < 4) return std::nullopt;
    std::optional<std::vector<Point>> found = pairLines(lines, 1);
    if (!found || looksLikeCountLine(found->front())) return std::nullopt;
    std::vector<Point>& points = *found;

    auto leadingEdge = std::min_element(points.begin(), points.end(),
                                        [](const Point& a, const Point& b) { return a.x < b.x; });
    auto split = static_cast<std::size_t>(leadingEdge - points.begin());
    // Upper surface from the leading edge: the run up to the split, reversed.
    std::reverse(points.begin(), points.begin() + static_cast<std::ptrdiff_t>(split) + 1);

    ParsedAirfoil parsed;
    parsed.layout = AirfoilLayout::Selig;
    parsed.name = trimmed(lines[0]);
    parsed.first = surfaceOf(points, 0, split + 1);
    // The leading-edge point now sits at index 0; the lower run starts there too.
    parsed.second = surfaceOf(points, 0, 1);
    const FileSurface rest = surfaceOf(points, split + 1, points.size() - split - 1);
    parsed.second.insert(parsed.second.end(), rest.begin(), rest.end());
    return parsed;
}

}  // namespace aerolune
