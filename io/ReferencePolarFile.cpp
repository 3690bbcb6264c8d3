#include "io/ReferencePolarFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <vector>

namespace aerolune {

namespace {

enum Column { kAlpha, kCl, kCd, kCm, kUpperTransition, kLowerTransition, kColumnCount };

// The names a column goes by, after lower-casing and dropping a unit in
// brackets: the other solver's, plain tables', and this program's own CSV.
struct ColumnNames {
    Column column;
    const char* shown;  ///< in messages
    std::array<const char*, 4> names;
};

constexpr ColumnNames kColumnNames[] = {
    {kAlpha, "alpha", {"alpha", "alpha_deg", "aoa", "alfa"}},
    {kCl, "CL", {"cl", "", "", ""}},
    {kCd, "CD", {"cd", "", "", ""}},
    {kCm, "CM", {"cm", "cm_c4", "", ""}},
    {kUpperTransition, "Top_Xtr", {"top_xtr", "xtr_top", "transition_upper_x_chords", ""}},
    {kLowerTransition, "Bot_Xtr", {"bot_xtr", "xtr_bot", "transition_lower_x_chords", ""}},
};

// Bounds a sane value of each column keeps; a file beyond them is refused
// rather than drawn off the scale or as nonsense.
struct Bounds {
    double least, most;
};
constexpr Bounds kBounds[kColumnCount] = {{-180, 180}, {-10, 10}, {0, 10}, {-10, 10}, {0, 1}, {0, 1}};

constexpr std::size_t kMaxTitle = 60;

// Where each column is in a row (-1: not in the file) and what separates
// the cells (0: blanks).
struct Layout {
    char separator = 0;
    std::array<int, kColumnCount> index{-1, -1, -1, -1, -1, -1};
    bool has(Column c) const { return index[c] >= 0; }
};

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string> cells(std::string_view line, char separator) {
    std::vector<std::string> out;
    if (separator == 0) {
        std::size_t k = 0;
        while (true) {
            k = line.find_first_not_of(" \t", k);
            if (k == std::string_view::npos) break;
            const auto end = std::min(line.find_first_of(" \t", k), line.size());
            out.emplace_back(line.substr(k, end - k));
            k = end;
        }
        return out;
    }
    for (std::size_t k = 0;;) {
        const auto end = line.find(separator, k);
        std::string_view cell = trimmed(line.substr(k, end == std::string_view::npos ? end : end - k));
        if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"')
            cell = cell.substr(1, cell.size() - 2);
        out.emplace_back(cell);
        if (end == std::string_view::npos) break;
        k = end + 1;
    }
    return out;
}

bool isUnit(std::string_view cell) {
    return cell.size() >= 2 &&
           ((cell.front() == '(' && cell.back() == ')') || (cell.front() == '[' && cell.back() == ']'));
}

// "Alpha (deg)" and "CL[-]" name the columns alpha and cl.
std::string columnName(std::string_view cell) {
    std::string name;
    for (char c : cell) {
        if (c == '(' || c == '[') break;
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return std::string(trimmed(name));
}

std::optional<Column> columnFor(const std::string& name) {
    for (const ColumnNames& c : kColumnNames)
        for (const char* n : c.names)
            if (*n != '\0' && name == n) return c.column;
    return std::nullopt;
}

// The line's layout when it names at least alpha, CL and CD.
std::optional<Layout> headerLayout(std::string_view line) {
    Layout layout;
    layout.separator = line.find(',') != std::string_view::npos   ? ','
                       : line.find(';') != std::string_view::npos ? ';'
                                                                  : '\0';
    std::vector<std::string> names = cells(line, layout.separator);
    // Blank-separated units are cells of their own in the header only.
    if (layout.separator == 0) std::erase_if(names, [](const std::string& n) { return isUnit(n); });
    for (std::size_t k = 0; k < names.size(); ++k) {
        const std::optional<Column> column = columnFor(columnName(names[k]));
        if (column && layout.index[*column] < 0) layout.index[*column] = static_cast<int>(k);
    }
    if (!layout.has(kAlpha) || !layout.has(kCl) || !layout.has(kCd)) return std::nullopt;
    return layout;
}

bool readNumber(std::string cell, char separator, double& value) {
    // A semicolon table may come from a spreadsheet with decimal commas.
    if (separator == ';') std::replace(cell.begin(), cell.end(), ',', '.');
    const char* begin = cell.c_str();
    char* end = nullptr;
    errno = 0;
    value = std::strtod(begin, &end);
    return end != begin && *end == '\0' && errno != ERANGE && std::isfinite(value);
}

bool isRule(std::string_view line) {
    line = trimmed(line);
    return !line.empty() && line.find_first_not_of("-= \t") == std::string_view::npos;
}

bool isComment(std::string_view line) {
    line = trimmed(line);
    return line.empty() || line.front() == '#';
}

std::string lineText(std::size_t index) { return "line " + std::to_string(index + 1) + ": "; }

std::string shortened(std::string text) {
    if (text.size() > kMaxTitle) text.resize(kMaxTitle);
    return std::string(trimmed(text));
}

// The polar's own title: the other solver's "polar for:" line, or the first
// line of text above the column names.
std::string titleAbove(const std::vector<std::string_view>& lines, std::size_t header) {
    for (std::size_t k = 0; k < header; ++k) {
        const auto at = lines[k].find("polar for:");
        if (at != std::string_view::npos) return shortened(std::string(lines[k].substr(at + 10)));
    }
    for (std::size_t k = 0; k < header; ++k) {
        std::string_view text = trimmed(lines[k]);
        while (!text.empty() && (text.front() == '#' || text.front() == ' ')) text.remove_prefix(1);
        if (!text.empty()) return shortened(std::string(text));
    }
    return {};
}

// "Re = 1.000 e 6", "Re=3e6", "Re = 3100000" above the column names.
std::optional<double> reynoldsAbove(const std::vector<std::string_view>& lines, std::size_t header) {
    static const std::regex re(
        R"((?:^|[^A-Za-z])Re\s*=\s*([0-9]*\.?[0-9]+)(?:\s*[eE]\s*([+-]?[0-9]{1,3}))?)");
    for (std::size_t k = 0; k < header; ++k) {
        std::cmatch m;
        const std::string line(lines[k]);
        if (!std::regex_search(line.c_str(), m, re)) continue;
        const double value = std::strtod(m[1].str().c_str(), nullptr) *
                             std::pow(10.0, m[2].matched ? std::atoi(m[2].str().c_str()) : 0);
        if (std::isfinite(value) && value > 0) return value;
    }
    return std::nullopt;
}

// The row's values into the point; empty when it reads, else why not.
std::string readRow(std::string_view line, const Layout& layout, ReferencePoint& point) {
    const std::vector<std::string> row = cells(line, layout.separator);
    double values[kColumnCount] = {};
    for (const ColumnNames& c : kColumnNames) {
        if (!layout.has(c.column)) continue;
        const auto at = static_cast<std::size_t>(layout.index[c.column]);
        if (at >= row.size())
            return "the " + std::string(c.shown) + " column is column " + std::to_string(at + 1) +
                   " but the line has " + std::to_string(row.size());
        double& v = values[c.column];
        if (!readNumber(row[at], layout.separator, v))
            return std::string(c.shown) + " \"" + shortened(row[at]) + "\" is not a number";
        const Bounds b = kBounds[c.column];
        if (v < b.least || v > b.most)
            return std::string(c.shown) + " " + row[at] + " is outside " + std::to_string(int(b.least)) +
                   " to " + std::to_string(int(b.most));
    }
    point = {values[kAlpha],          values[kCl], values[kCd], values[kCm], values[kUpperTransition],
             values[kLowerTransition]};
    return {};
}

ReferencePolarRead refused(std::string reason) {
    ReferencePolarRead read;
    read.reason = std::move(reason);
    return read;
}

}  // namespace

ReferencePolarRead parseReferencePolar(std::string_view text, const std::string& fileName) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a spreadsheet's byte-order mark
    const std::vector<std::string_view> lines = splitLines(text);
    std::size_t header = 0;
    std::optional<Layout> layout;
    for (; header < lines.size() && !layout; ++header) layout = headerLayout(lines[header]);
    if (!layout) return refused("no line names the columns alpha, CL and CD");
    --header;

    ReferencePolarRead read;
    ReferencePolar& polar = read.polar;
    polar.title = titleAbove(lines, header);
    if (polar.title.empty()) polar.title = shortened(std::filesystem::path(fileName).filename().string());
    polar.reynolds = reynoldsAbove(lines, header);
    polar.hasCm = layout->has(kCm);
    polar.hasTransition = layout->has(kUpperTransition) && layout->has(kLowerTransition);
    for (std::size_t k = header + 1; k < lines.size(); ++k) {
        if (isComment(lines[k]) || (polar.points.empty() && isRule(lines[k]))) continue;
        if (polar.points.size() == kMaxReferencePolarPoints)
            return refused(lineText(k) + "more than " + std::to_string(kMaxReferencePolarPoints) + " points");
        ReferencePoint point;
        if (std::string why = readRow(lines[k], *layout, point); !why.empty())
            return refused(lineText(k) + why);
        polar.points.push_back(point);
    }
    if (polar.points.empty()) return refused(lineText(header) + "no points follow the column names");
    read.ok = true;
    return read;
}

ReferencePolarRead readReferencePolar(const std::string& path) {
    std::error_code ec;
    // Only a regular file is opened: opening a FIFO waits for a writer, and
    // a device may do something when opened.
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status)) return refused("it is a folder");
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return refused("it is not a regular file");
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return refused(std::string("cannot open it: ") +
                       (errno != 0 ? std::strerror(errno) : "unknown error"));
    std::string text(kMaxReferencePolarBytes + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (file.bad()) return refused("a read error");
    text.resize(static_cast<std::size_t>(file.gcount()));
    if (text.size() > kMaxReferencePolarBytes)
        return refused("larger than " + std::to_string(kMaxReferencePolarBytes >> 20) +
                       " MB, too large for a polar");
    ReferencePolarRead read = parseReferencePolar(text, path);
    read.polar.source = path;
    return read;
}

}  // namespace aerolune
