#pragma once
// Where the pressure view's legend goes: a title line at the right edge of
// the plot area, then one row for every third level (1, 4, 7, ..), one text
// line apart, for as long as the rows fit inside the plot area.
//
// Lengths are world units as the drawing surface gives them; the text line
// height carries the sign of the scale height, so "one line lower" is
// y + lineHeight whichever way y grows.

#include <utility>
#include <vector>

namespace aerolune::plot {

/// The plot area's scale rectangle and the text metrics the legend needs.
struct LegendFrame {
    double scaleLeft = 0.0;
    double scaleTop = 0.0;
    double scaleWidth = 0.0;   ///< signed, as the surface reports it
    double scaleHeight = 0.0;  ///< signed, as the surface reports it
    double legendWidth = 0.0;  ///< text width of the widest legend line
    double lineHeight = 0.0;   ///< text height of one line, signed like scaleHeight
};

/// One legend row: the level it shows and the top of its text.
struct LegendRow {
    int level = 0;  ///< 1-based level index
    double y = 0.0;
};

struct LegendLayout {
    double x = 0.0;       ///< left edge of the title and of every row
    double titleY = 0.0;  ///< top of the title line
    std::vector<LegendRow> rows;
};

/// The rectangle the legend takes, world units: from its left edge to the
/// plot area's right edge, from the top of the title to the bottom of the last
/// row (x0 < x1; y0 and y1 in the order of the scale).
struct LegendBox {
    double x0 = 0.0, x1 = 0.0, y0 = 0.0, y1 = 0.0;
};
LegendBox legendBox(const LegendFrame& frame, const LegendLayout& layout);

/// Whether any point lies inside the box grown by margin on every side.
/// \param points (x, y) in world units, for instance the section's outline
bool boxCovers(const LegendBox& box, const std::vector<std::pair<double, double>>& points, double margin);

/// Every third level of levelCount is listed, starting with level 1.
inline constexpr int kLegendLevelStep = 3;

/// The legend's layout: the title one line below the top, the rows below it;
/// a row is listed only while its whole text line lies inside the plot area.
/// \param frame scale rectangle and text metrics, world units
/// \param levelCount number of levels (the pressure view has 33, so 11 rows)
LegendLayout pressureLegendLayout(const LegendFrame& frame, int levelCount);

}  // namespace aerolune::plot
