#include "plot/FieldLegendLayout.h"

#include <algorithm>
#include <cmath>

namespace aerolune::plot {

namespace {

// True while a text line starting at y ends inside the plot area: measured as
// a fraction of the scale height from the top, so the sign of the axis does
// not matter. A hair of tolerance keeps a row that ends exactly on the border.
bool lineFits(const LegendFrame& f, double y) {
    const double bottomFraction = (y + f.lineHeight - f.scaleTop) / f.scaleHeight;
    return bottomFraction <= 1.0 + 1e-9;
}

}  // namespace

LegendLayout pressureLegendLayout(const LegendFrame& frame, int levelCount) {
    LegendLayout layout;
    layout.x = frame.scaleLeft + frame.scaleWidth - frame.legendWidth;
    layout.titleY = frame.scaleTop + frame.lineHeight;
    if (!std::isfinite(frame.scaleHeight) || frame.scaleHeight == 0.0 || !std::isfinite(frame.lineHeight))
        return layout;
    double y = layout.titleY;
    for (int k = 1; k <= levelCount; k += kLegendLevelStep) {
        y += frame.lineHeight;
        if (!lineFits(frame, y)) break;
        layout.rows.push_back({k, y});
    }
    return layout;
}

LegendBox legendBox(const LegendFrame& frame, const LegendLayout& layout) {
    const double bottom = (layout.rows.empty() ? layout.titleY : layout.rows.back().y) + frame.lineHeight;
    return {layout.x, frame.scaleLeft + frame.scaleWidth, layout.titleY, bottom};
}

bool boxCovers(const LegendBox& box, const std::vector<std::pair<double, double>>& points, double margin) {
    const double xLo = std::min(box.x0, box.x1) - margin, xHi = std::max(box.x0, box.x1) + margin;
    const double yLo = std::min(box.y0, box.y1) - margin, yHi = std::max(box.y0, box.y1) + margin;
    return std::any_of(points.begin(), points.end(), [&](const std::pair<double, double>& p) {
        return p.first >= xLo && p.first <= xHi && p.second >= yLo && p.second <= yHi;
    });
}

}  // namespace aerolune::plot
