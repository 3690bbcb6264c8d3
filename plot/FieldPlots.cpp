#include "plot/FieldPlots.h"

#include <algorithm>
#include <string>

#include "analysis/FieldRoutine.h"
#include "common/FormatPicture.h"
#include "plot/FieldLegendLayout.h"

namespace aerolune::plot {

namespace {

// The legend reserves the width of this text at the right edge.
constexpr const char* kLegendWidthText = "XXXXXXXXXXXXXXX";
// The colour line at the start of each row is as wide as this text.
constexpr const char* kLegendSwatchText = "XXX";
constexpr const char* kLegendRowLead = "          Cp = ";

void solidThinPen(Surface& surface) {
    surface.setDrawWidth(1);
    surface.setDrawStyle(DrawStyle::Solid);
}

}  // namespace

Colour levelColour(const LevelColour& colour) {
    if (colour.isPalette) return Colour(colour.palette);
    return Colour::fromRgb(colour.rgb.red, colour.rgb.green, colour.rgb.blue);
}

FieldWindow setEqualScale(Surface& surface, const FieldWindow& window) {
    const FieldWindow drawn = equalScaleWindow(window, surface.pixelWidth(), surface.pixelHeight());
    surface.setScale(drawn.xMin, drawn.yMax, drawn.xMax, drawn.yMin);
    return drawn;
}

void drawMesh(Surface& surface, const FieldMesh& mesh, FieldWindow& window, int foreground) {
    solidThinPen(surface);
    window = setEqualScale(surface, window);
    const Colour colour(foreground);
    for (int32_t j = 1; j <= mesh.J; ++j)
        for (int32_t i = 1; i < mesh.I; ++i)
            surface.line(mesh.x(i, j), mesh.y(i, j), mesh.x(i + 1, j), mesh.y(i + 1, j), colour);
    for (int32_t i = 1; i <= mesh.I; ++i)
        for (int32_t j = 1; j < mesh.J; ++j)
            surface.line(mesh.x(i, j), mesh.y(i, j), mesh.x(i, j + 1), mesh.y(i, j + 1), colour);
}

void drawIsoLines(Surface& surface, const FieldSegments& segments, const FieldLevelSet& levels,
                  FieldWindow& window) {
    solidThinPen(surface);
    window = setEqualScale(surface, window);
    const int32_t count = std::min<int32_t>(levels.count(), static_cast<int32_t>(segments.count.size()));
    for (int32_t k = 1; k <= count; ++k) {
        const Colour colour = levelColour(levels.colours(k));
        const int32_t n = std::min(segments.count(k), segments.capacity);
        for (int32_t s = 1; s <= n; ++s)
            surface.line(segments.x1(s, k), segments.y1(s, k), segments.x2(s, k), segments.y2(s, k), colour);
    }
    solidThinPen(surface);
}

std::vector<std::pair<double, double>> sectionOutline(const FieldMesh& mesh) {
    std::vector<std::pair<double, double>> points;
    for (int32_t i = 1; i <= mesh.I; ++i) points.emplace_back(mesh.x(i, 1), mesh.y(i, 1));
    return points;
}

void drawSectionOutline(Surface& surface, const FieldMesh& mesh, int foreground) {
    const Colour colour(foreground);
    for (int32_t i = 1; i < mesh.I; ++i)
        surface.line(mesh.x(i, 1), mesh.y(i, 1), mesh.x(i + 1, 1), mesh.y(i + 1, 1), colour);
}

namespace {

struct PlacedLegend {
    LegendFrame frame;
    LegendLayout layout;
};

PlacedLegend placeLegend(const Surface& surface, int levelCount) {
    // Text heights are lengths; "one line lower" runs against y when y grows upwards.
    const double down = surface.scaleHeight() < 0.0 ? -1.0 : 1.0;
    const LegendFrame frame{surface.scaleLeft(),
                            surface.scaleTop(),
                            surface.scaleWidth(),
                            surface.scaleHeight(),
                            surface.textWidth(kLegendWidthText),
                            down * surface.textHeight("X")};
    return {frame, pressureLegendLayout(frame, levelCount)};
}

// The largest font, from the surface's down to the smallest legend size, at
// which the legend's box leaves the outline clear by a quarter of an "X";
// the surface's font when none does.
FontSpec legendFont(Surface& surface, int levelCount, const std::vector<std::pair<double, double>>& outline) {
    const FontSpec callers = surface.font();
    FontSpec font = callers;
    double& size = font.pixels > 0 ? font.pixels : font.points;
    const double smallest = font.pixels > 0 ? kSmallestLegendPoints * 96 / 72 : kSmallestLegendPoints;
    for (const double start = size; size >= smallest - 1e-9; size -= start / 32) {
        surface.setFont(font);
        const PlacedLegend placed = placeLegend(surface, levelCount);
        if (!boxCovers(legendBox(placed.frame, placed.layout), outline, surface.textWidth("X") / 4))
            return font;
    }
    surface.setFont(callers);
    return callers;
}

}  // namespace

void drawPressureLegend(Surface& surface, const FieldLevelSet& levels,
                        const std::vector<std::pair<double, double>>& outline) {
    const FontSpec callers = surface.font();
    surface.setFont(legendFont(surface, levels.count(), outline));
    const auto [frame, layout] = placeLegend(surface, levels.count());
    // A box of the background colour under the legend keeps it readable where
    // contour lines run through the corner it takes.
    const LegendBox box = legendBox(frame, layout);
    surface.line(box.x0, box.y0, box.x1, box.y1, surface.backColor(), BoxMode::Filled);
    surface.setCurrent(layout.x, layout.titleY);
    surface.printText(kPressureLegendTitle);
    const double swatchWidth = surface.textWidth(kLegendSwatchText);
    for (const LegendRow& row : layout.rows) {
        surface.setCurrent(layout.x, row.y);
        surface.printText(std::string(kLegendRowLead) + formatPicture(levels.levels(row.level), "##0.0000"));
        const double y = row.y + frame.lineHeight / 2.0;
        surface.line(layout.x, y, layout.x + swatchWidth, y, levelColour(levels.colours(row.level)));
    }
    surface.setFont(callers);
}

FieldWindow drawFieldView(Surface& surface, const FieldViewData& field, const FieldWindow& window,
                          int foreground) {
    FieldWindow drawn = window;
    if (field.view == 0) return drawn;
    if (field.view == kMeshView) {
        drawMesh(surface, field.mesh, drawn, foreground);
    } else {
        drawIsoLines(surface, field.segments, field.levels, drawn);
        drawSectionOutline(surface, field.mesh, foreground);
        if (field.view == kPressureView)
            drawPressureLegend(surface, field.levels, sectionOutline(field.mesh));
    }
    return drawn;
}

}  // namespace aerolune::plot
