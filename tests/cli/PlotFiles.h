#pragma once
// What the plot files the command line writes hold: a PNG's size from its
// header, an SVG's size from its view box, its texts and its lines.

#include <cstdint>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace aerolune::test {

inline std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct ImageSize {
    int width = -1, height = -1;
};

/// Width and height from a PNG's header chunk (big-endian, bytes 16..23).
inline ImageSize pngSize(const std::string& png) {
    if (png.size() < 24) return {};
    auto word = [&png](std::size_t at) {
        uint32_t v = 0;
        for (std::size_t i = at; i < at + 4; ++i) v = (v << 8) | static_cast<unsigned char>(png[i]);
        return static_cast<int>(v);
    };
    return {word(16), word(20)};
}

/// Width and height of an SVG's view box "0 0 W H".
inline ImageSize svgSize(const std::string& svg) {
    std::smatch m;
    static const std::regex viewBox(R"re(viewBox="0 0 (\d+) (\d+)")re");
    if (!std::regex_search(svg, m, viewBox)) return {};
    return {std::stoi(m[1]), std::stoi(m[2])};
}

/// The texts of an SVG's text elements, in order.
inline std::vector<std::string> svgTexts(const std::string& svg) {
    static const std::regex text(R"re(<text[^>]*>([^<]*)</text>)re");
    std::vector<std::string> texts;
    for (std::sregex_iterator it(svg.begin(), svg.end(), text), end; it != end; ++it)
        texts.push_back((*it)[1]);
    return texts;
}

/// The point lists of an SVG's polylines, in order.
inline std::vector<std::string> svgPolylines(const std::string& svg) {
    static const std::regex polyline(R"re(<polyline[^>]*points="([^"]*)")re");
    std::vector<std::string> lines;
    for (std::sregex_iterator it(svg.begin(), svg.end(), polyline), end; it != end; ++it)
        lines.push_back((*it)[1]);
    return lines;
}

}  // namespace aerolune::test
