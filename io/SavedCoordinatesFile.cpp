#include "io/SavedCoordinatesFile.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace aerolune {

namespace {

constexpr std::string_view kTitle = "Coordinates for ";
constexpr std::string_view kUpper = "Upper Surface Coordinates (x,y) ";
constexpr std::string_view kLower = "Lower Surface Coordinates (x,y) ";
constexpr std::string_view kPoints = " Points";

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        out.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    while (!out.empty() && out.back().find_first_not_of(" \t") == std::string_view::npos) out.pop_back();
    return out;
}

// The count of a header line; nothing when the line is not that header.
std::optional<std::size_t> headerCount(std::string_view line, std::string_view head) {
    if (!line.starts_with(head) || !line.ends_with(kPoints)) return std::nullopt;
    const std::string_view digits = line.substr(head.size(), line.size() - head.size() - kPoints.size());
    if (digits.empty() || digits.size() > 6 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    return static_cast<std::size_t>(std::stoul(std::string(digits)));
}

// "x,y" from a line of two finite numbers separated by blanks; nothing else.
std::optional<std::string> pairField(std::string_view line) {
    const std::string text(line);
    char* end = nullptr;
    const double x = std::strtod(text.c_str(), &end);
    const char* afterX = end;
    const double y = std::strtod(afterX, &end);
    if (afterX == text.c_str() || end == afterX || !std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    if (std::string_view(end).find_first_not_of(" \t") != std::string_view::npos) return std::nullopt;
    const std::string xs(text.c_str(), afterX);
    const std::string ys(afterX, static_cast<const char*>(end));
    auto trim = [](const std::string& s) {
        const std::size_t a = s.find_first_not_of(" \t");
        return s.substr(a, s.find_last_not_of(" \t") - a + 1);
    };
    return trim(xs) + "," + trim(ys);
}

std::optional<std::vector<std::string>> surface(const std::vector<std::string_view>& lines, std::size_t first,
                                                std::size_t count) {
    std::vector<std::string> fields;
    for (std::size_t k = first; k < first + count; ++k) {
        std::optional<std::string> field = pairField(lines[k]);
        if (!field) return std::nullopt;
        fields.push_back(std::move(*field));
    }
    return fields;
}

void appendSurface(const std::vector<std::string>& fields, std::string& out) {
    out += std::to_string(fields.size()) + "\n";
    for (const std::string& f : fields) out += f + "\n";
}

}  // namespace

std::optional<std::string> savedCoordinatesAsInput(std::string_view text) {
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.size() < 3 || !lines[0].starts_with(kTitle)) return std::nullopt;
    const std::optional<std::size_t> upper = headerCount(lines[1], kUpper);
    if (!upper || 2 + *upper >= lines.size()) return std::nullopt;
    const std::optional<std::size_t> lower = headerCount(lines[2 + *upper], kLower);
    if (!lower || lines.size() != 3 + *upper + *lower) return std::nullopt;

    // The name field ends at a comma unless quoted; a saved name keeps its commas.
    std::string name(lines[0].substr(kTitle.size()));
    if (name.find(',') != std::string::npos && name.find('"') == std::string::npos) name = '"' + name + '"';
    std::optional<std::vector<std::string>> up = surface(lines, 2, *upper);
    std::optional<std::vector<std::string>> low = surface(lines, 3 + *upper, *lower);
    if (!up || !low) return std::nullopt;
    // The file splits one closed contour: the upper list runs from the leading
    // edge to the point before the trailing edge, the lower one from the point
    // after the leading edge to the trailing edge. Each surface gets its
    // missing end back from the other, so both run the whole chord.
    if (!up->empty() && !low->empty()) {
        const std::string leadingEdge = up->front();
        up->push_back(low->back());
        low->insert(low->begin(), leadingEdge);
    }
    std::string out = name + "\n";
    appendSurface(*up, out);
    appendSurface(*low, out);
    return out;
}

}  // namespace aerolune
