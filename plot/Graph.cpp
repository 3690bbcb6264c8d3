#include "plot/Graph.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "common/FormatPicture.h"

namespace aerolune::plot {

namespace {

bool inside(double x, double y, const GraphAxes& a) {
    // Written so a NaN counts as outside; a point on the border is inside.
    return x >= a.xMin && x <= a.xMax && y >= a.yMin && y <= a.yMax;
}

void widen(double& lo, double& hi) {
    if (!std::isfinite(lo) || !std::isfinite(hi)) {
        lo = 0;
        hi = 1;
    } else if (hi < lo) {
        std::swap(lo, hi);
    }
    if (hi == lo) {
        const double h = lo == 0 ? 1.0 : 0.1 * std::fabs(lo);
        lo -= h;
        hi += h;
    }
}

// The y-axis title's font: a 12-pixel (screen) or 12-point (printer) Arial
// running upwards.
FontSpec yTitleFont(const Surface& s) {
    FontSpec rotated{.face = "Arial", .escapementDegrees = 90};
    if (s.isPrinter())
        rotated.points = 12;
    else
        rotated.pixels = 12;
    return rotated;
}

// The rotated y-axis title, centred on the height of the surface.
void printYTitle(Surface& s, const std::string& title) {
    const FontSpec previous = s.font();
    s.setFont(yTitleFont(s));
    const double ys = std::floor((s.scaleHeight() + s.textWidth(title)) / 2);
    s.setCurrent(1, ys);
    s.printText(title);
    s.setFont(previous);
}

void printAt(Surface& s, double x, double y, const std::string& text) {
    s.setCurrent(x, y);
    s.printText(text);
}

void drawSeries(Surface& s, const GraphSeries& g, const GraphAxes& a, const PlotStyle& style) {
    const std::size_t n = std::min(g.x.size(), g.y.size());
    const Colour colour = g.colour == 15 ? style.foregroundIndex : g.colour;
    s.setDrawWidth(g.drawWidth);
    s.setDrawStyle(g.style);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        // A segment with an end outside the box is left out whole (no clipping).
        if (inside(g.x[i], g.y[i], a) && inside(g.x[i + 1], g.y[i + 1], a))
            s.line(g.x[i], g.y[i], g.x[i + 1], g.y[i + 1], colour);
    }
    s.setDrawWidth(1);
    if (s.isPrinter() || style.pointRadius == 0) return;
    // Markers on every point, screen only. The series' own colour, so a
    // foreground series keeps visible markers on either background.
    for (std::size_t i = 0; i < n; ++i)
        if (std::isfinite(g.x[i]) && std::isfinite(g.y[i]))
            s.circle(g.x[i], g.y[i], style.pointRadius, colour);
}

// "##0.0#" unless it prints two neighbouring ticks alike (a friction axis
// spans thousandths); then the fewest decimals that tell them apart and put
// every label within a twentieth of a step of its tick.
std::string tickPicture(double lo, double step, int divisions) {
    const auto fits = [&](const std::string& picture, bool strict) {
        for (int k = 0; k <= divisions; ++k) {
            const double value = lo + k * step;
            const std::string label = formatPicture(value, picture);
            if (k < divisions && label == formatPicture(value + step, picture)) return false;
            if (strict && std::fabs(std::strtod(label.c_str(), nullptr) - value) > 0.05 * std::fabs(step))
                return false;
        }
        return true;
    };
    if (fits("##0.0#", false)) return "##0.0#";
    std::string picture;
    for (int decimals = 3; decimals <= 8; ++decimals) {
        picture = "##0." + std::string(static_cast<std::size_t>(decimals), '0');
        if (fits(picture, true)) break;
    }
    return picture;
}

// Every x tick labelled, or on a narrow plot every second (third...) one,
// the fewest left out so that neighbouring labels keep a digit's width apart.
int xLabelStride(const Surface& s, const GraphAxes& a, const std::string& picture) {
    const double dx = (a.xMax - a.xMin) / a.xDivisions;
    const double gap = s.textWidth("0");
    const auto halfWidth = [&](int k) { return s.textWidth(formatPicture(a.xMin + k * dx, picture)) / 2; };
    for (int stride = 1; stride < a.xDivisions; ++stride) {
        bool apart = true;
        for (int k = 0; k + stride <= a.xDivisions && apart; k += stride)
            apart = halfWidth(k) + halfWidth(k + stride) + gap <= stride * dx;
        if (apart) return stride;
    }
    return a.xDivisions;
}

void drawTicksAndGrid(Surface& s, const GraphAxes& a, const PlotStyle& style, bool titled) {
    // Text heights signed along the downward direction of the current scale.
    const double down = s.scaleHeight() < 0 ? -1.0 : 1.0;
    const double cw = s.textWidth("-");
    const double th = down * s.textHeight("-") / 3;
    const double dy = (a.yMax - a.yMin) / a.yDivisions;
    const double dx = (a.xMax - a.xMin) / a.xDivisions;
    const double yb = a.yMin + th;
    const double xl = a.xMin - cw;
    const std::string xPicture = tickPicture(a.xMin, dx, a.xDivisions);
    const int stride = xLabelStride(s, a, xPicture);
    for (int k = 0; k <= a.xDivisions; ++k) {
        const double xk = a.xMin + k * dx;
        s.line(xk, a.yMin, xk, yb);
        if (k % stride != 0) continue;
        const std::string label = formatPicture(xk, xPicture);
        printAt(s, xk - s.textWidth(label) / 2, yb + th, label);
    }
    if (titled) {
        const DrawStyle callers = s.drawStyle();
        s.setDrawStyle(DrawStyle::Dot);
        for (int k = 0; k <= a.xDivisions; ++k)
            s.line(a.xMin + k * dx, a.yMin, a.xMin + k * dx, a.yMax, style.gridColour());
        for (int k = 0; k <= a.yDivisions; ++k)
            s.line(xl, a.yMin + k * dy, a.xMax, a.yMin + k * dy, style.gridColour());
        s.setDrawStyle(callers);
    }
    printAt(s, (a.xMin + a.xMax) / 2 - s.textWidth(a.xTitle) / 2, yb + 5 * th, a.xTitle);
    if (titled) {
        // Centred over the frame; a title wider than the frame starts no
        // further left than the frame (the top tick label is there) and
        // ends no further right than the surface.
        const double top = s.scaleTop() + down * s.textHeight("|") / 2;
        const double width = s.textWidth(*a.title);
        double x = (a.xMin + a.xMax) / 2 - width / 2;
        x = std::min(std::max(x, a.xMin), s.scaleLeft() + s.scaleWidth() - width);
        printAt(s, std::max(x, s.scaleLeft()), top, *a.title);
    }
    const std::string yPicture = tickPicture(a.yMin, dy, a.yDivisions);
    double lastLabel = -std::numeric_limits<double>::infinity();
    for (int k = 0; k <= a.yDivisions; ++k) {
        const double yk = a.yMin + k * dy;
        s.line(xl, yk, a.xMin, yk);
        const std::string label = formatPicture(yk, yPicture);
        if (yk - lastLabel < s.textHeight(label)) continue;  // would overlap the label below
        printAt(s, xl - s.textWidth(label), yk - down * s.textHeight(label) / 2, label);
        lastLabel = yk;
    }
}

struct Margins {
    double left, right;  ///< world x units beyond x min and x max
};

// Room at the sides of the frame. The titled form with the style's
// scaleGraph leaves 3.5 margins at the right, or, when the caller's legend
// needs more, that many pixels, narrowing the frame while the left margin
// (the y title and tick labels) keeps its pixels. Called in pixel scale
// units, so scaleWidth() is the device width W.
Margins sideMargins(const Surface& s, const GraphAxes& a, double mx, bool legend) {
    if (!legend) return {mx, mx / 2};
    const Margins usual{mx, 3.5 * mx};
    const double w = s.scaleWidth();
    const double span = a.xMax - a.xMin;
    const double perWorld = w / (span + usual.left + usual.right);  // pixels per world unit, usual layout
    const double legendPixels = std::min(a.legendPixels, kLegendShare * w);
    if (!(legendPixels > usual.right * perWorld)) return usual;
    const double leftPixels = usual.left * perWorld;
    const double narrowed = (w - leftPixels - legendPixels) / span;
    if (!(narrowed > 0)) return usual;
    return {leftPixels / narrowed, legendPixels / narrowed};
}

// The left margin widened where the y tick labels would otherwise run into
// the y title (long labels such as 0.0125 on a narrow plot): the title's line
// at the left edge, a gap of a "-", then the widest label and its tick. The
// same for every call with these axes, so overlaid series share the scale.
Margins widenedLeft(Surface& s, const GraphAxes& a, Margins side) {
    const double w = s.scaleWidth();  // pixels
    const double dy = (a.yMax - a.yMin) / a.yDivisions;
    const std::string picture = tickPicture(a.yMin, dy, a.yDivisions);
    double widest = 0;
    for (int k = 0; k <= a.yDivisions; ++k)
        widest = std::max(widest, s.textWidth(formatPicture(a.yMin + k * dy, picture)));
    const FontSpec callers = s.font();
    s.setFont(yTitleFont(s));
    const double titleHeight = s.textHeight(a.yTitle);
    s.setFont(callers);
    const double need = 1 + titleHeight + 2 * s.textWidth("-") + widest;
    const double span = a.xMax - a.xMin;
    const double have = side.left * w / (span + side.left + side.right);
    if (!(have < need) || !(w > need)) return side;
    return {need * (span + side.right) / (w - need), side.right};
}

}  // namespace

GraphAxes guardedAxes(GraphAxes axes) {
    widen(axes.xMin, axes.xMax);
    widen(axes.yMin, axes.yMax);
    axes.xDivisions = std::max(1, axes.xDivisions);
    axes.yDivisions = std::max(1, axes.yDivisions);
    return axes;
}

void graph(Surface& s, const GraphSeries& series, const GraphAxes& given, const PlotStyle& style) {
    const GraphAxes a = guardedAxes(given);
    const bool titled = a.title.has_value();
    s.setScaleUnits(ScaleUnits::Pixels);
    if (a.decorate) printYTitle(s, a.yTitle);

    const double mx = 20 * (a.xMax - a.xMin) * s.textWidth("-") / s.scaleWidth();
    const double my = 5 * (a.yMax - a.yMin) * s.textHeight("-") / s.scaleHeight();
    const Margins side = widenedLeft(s, a, sideMargins(s, a, mx, titled && style.scaleGraph));
    s.setScale(a.xMin - side.left, a.yMax + my / 2, a.xMax + side.right, a.yMin - my);

    drawSeries(s, series, a, style);
    if (!a.decorate) return;
    drawTicksAndGrid(s, a, style, titled);

    const Colour fg = style.foregroundIndex;
    s.line(a.xMax, a.yMax, a.xMax, a.yMin, fg);
    s.line(a.xMax, a.yMin, a.xMin, a.yMin, fg);
    s.line(a.xMin, a.yMin, a.xMin, a.yMax, fg);
    s.line(a.xMin, a.yMax, a.xMax, a.yMax, fg);
}

}  // namespace aerolune::plot
