#include "plot/AirfoilDrawing.h"

#include <algorithm>
#include <cmath>

#include "common/FormatPicture.h"

namespace aerolune::plot {

void drawAirfoil(Surface& s, const AirfoilDrawing& d, const PlotStyle& style) {
    const std::size_t n = std::min(d.x.size(), d.y.size());
    const bool screen = !s.isPrinter();
    const double ox = screen ? 0 : d.xOffset, oy = screen ? 0 : d.yOffset;
    if (screen) s.setScale(d.xMin, d.yMax, d.xMax, d.yMin);
    const int callersWidth = s.drawWidth();
    s.setDrawWidth(d.drawWidth);
    s.setDrawStyle(d.style);
    for (std::size_t i = 0; i + 1 < n; ++i)
        s.line(d.x[i] + ox, d.y[i] + oy, d.x[i + 1] + ox, d.y[i + 1] + oy, d.colour);
    s.setDrawWidth(1);
    if (screen) {
        if (style.pointRadius != 0)
            for (std::size_t i = 0; i < n; ++i) s.circle(d.x[i], d.y[i], style.pointRadius, d.colour);
        if (d.stagPoint >= 1 && static_cast<std::size_t>(d.stagPoint) <= n)
            s.circle(d.x[d.stagPoint - 1], d.y[d.stagPoint - 1], 0.015, kLightRed, true);
    }
    s.setDrawWidth(callersWidth);
}

void drawChordGrid(Surface& s, const PlotStyle& style) {
    const DrawStyle callersStyle = s.drawStyle();
    const int callersWidth = s.drawWidth();
    s.setDrawStyle(DrawStyle::Dot);
    s.setDrawWidth(1);
    const int grid = style.gridColour();
    for (int k = 0; k <= 10; ++k) s.line(k / 10.0, -0.2, k / 10.0, 0.2, grid);
    for (int k = -2; k <= 2; ++k) s.line(0, k / 10.0, 1, k / 10.0, grid);
    for (int pct = 0; pct <= 100; pct += 20) {
        const std::string number = formatPicture(pct, "##0");
        s.setCurrent(pct / 100.0 - s.textWidth(number) / 2, -0.2);
        s.printText(number + "%");
    }
    s.setDrawStyle(callersStyle);
    s.setDrawWidth(callersWidth);
}

namespace {

// Black or white, whichever stands out more against the colour: the sRGB
// relative luminance against the contrast ratios (L + 0.05) / 0.05 with black
// and 1.05 / (L + 0.05) with white.
Colour textColourOn(Colour box) {
    const uint32_t rgb = box.toRgb();
    const auto linear = [](uint32_t channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * linear((rgb >> 16) & 0xFF) + 0.7152 * linear((rgb >> 8) & 0xFF) +
                             0.0722 * linear(rgb & 0xFF);
    return (luminance + 0.05) * (luminance + 0.05) >= 0.05 * 1.05 ? kBlack : kWhite;
}

}  // namespace

void ColorLegend(Surface& s, double ofY, std::span<const double> values, std::span<const Colour> colours,
                 const PlotStyle& style) {
    const double ofX = 0.05;
    const std::size_t count = std::min<std::size_t>({11, values.size(), colours.size()});
    const double down = s.scaleHeight() < 0 ? -1.0 : 1.0;
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t item = count - 1 - k;
        const double x0 = ofX + 0.08 * static_cast<double>(k);
        s.line(x0, ofY, x0 + 0.08, ofY + 0.1, colours[item], BoxMode::Filled);
        const std::string label = formatPicture(values[item], "#0.0");
        // In black or white, whichever reads on the box's colour.
        s.setForeColor(textColourOn(colours[item]));
        // Centred in the box: half the text's size back from the box's centre.
        s.setCurrent(x0 + 0.04 - s.textWidth(label) / 2, ofY + 0.05 - down * s.textHeight(label) / 2);
        s.printText(label);
    }
    s.setForeColor(style.foregroundIndex);
}

}  // namespace aerolune::plot
