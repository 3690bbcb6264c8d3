#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/AppState.h"
#include "analysis/FieldLevels.h"
#include "plot/AirfoilDrawing.h"
#include "plot/ViewData.h"
#include "plot/Views.h"

namespace aerolune::plot {

namespace {

constexpr int kLevels = 21;

struct Point {
    double x = 0, y = 0;
};

// The overlay curve: each segment's midpoint pushed out along the outward
// normal by 0.2 chord x value / scale (the largest value stands 0.2 chord
// off the surface, as far as the view reaches ahead of the nose).
std::vector<Point> offsetCurve(const SurfaceData& d, const std::vector<double>& value, double scale) {
    const int n = d.count();
    std::vector<Point> p(n);
    for (int i = 0; i + 1 < n; ++i) {
        const double dx = d.x[i + 1] - d.x[i], dy = d.y[i + 1] - d.y[i];
        const double len = std::hypot(dx, dy);
        const double tx = len > 0 ? dx / len : 0, ty = len > 0 ? dy / len : 0;
        const double f = scale != 0 && std::isfinite(value[i]) ? 0.2 * value[i] / scale : 0.0;
        p[i] = {(d.x[i] + d.x[i + 1]) / 2 - ty * f, (d.y[i] + d.y[i + 1]) / 2 + tx * f};
    }
    if (n > 0) p[n - 1] = p[0];
    return p;
}

void printTitle(Surface& s, const std::string& title) {
    const double down = s.scaleHeight() < 0 ? -1.0 : 1.0;
    s.setCurrent(s.scaleLeft() + (s.scaleWidth() - s.textWidth(title)) / 2,
                 s.scaleTop() + down * 1.5 * s.textHeight(title));
    s.printText(title);
}

// The colour-coded overlay of the velocity and pressure sub-views: 21
// levels from high down to low in the ramp's colours, the legend, then per
// point a whisker from the contour to the curve and the curve itself in the
// colour of the band the point's value falls in.
void drawBands(Surface& s, const SurfaceData& d, const std::vector<double>& v, const std::vector<Point>& p,
               double high, double low, const PlotStyle& style) {
    const std::vector<RgbColour> ramp = colourRamp(kLevels);
    std::vector<double> level(kLevels + 1);
    std::vector<Colour> colour(kLevels + 1);
    for (int k = 1; k <= kLevels; ++k) {
        level[k] = high - (k - 1) / 20.0 * (high - low);
        const RgbColour& c = ramp[static_cast<std::size_t>(std::clamp(k * 84 / kLevels - 1, 0, 84))];
        colour[k] = Colour::fromRgb(c.red, c.green, c.blue);
    }
    std::vector<double> legendValues;
    std::vector<Colour> legendColours;
    for (int k = 1; k <= kLevels; k += 2) {
        legendValues.push_back(level[k]);
        legendColours.push_back(colour[k]);
    }
    ColorLegend(s, -0.4, legendValues, legendColours, style);

    // A value on a level itself, or outside the scale, keeps the previous
    // point's colour; the first point starts in the highest band's colour.
    Colour current = colour[1];
    for (int i = 2; i <= d.count() - 2; ++i) {
        const double value = v[i - 1];
        for (int k = 1; k < kLevels; ++k)
            if (level[k + 1] < value && value < level[k]) current = colour[k];
        const Point& a = p[i - 2];
        const Point& b = p[i - 1];
        const Point& c = p[i];
        s.line(d.x[i - 1], d.y[i - 1], (a.x + b.x) / 2, (a.y + b.y) / 2, current);
        s.line(b.x, b.y, c.x, c.y, current);
    }
}

void drawDisplacedSurface(Surface& s, const SurfaceData& d, const AppState& state, const PlotStyle& style) {
    const BoundaryLayerSolution& bl = state.boundaryLayer;
    if (!bl.ok || bl.displacedY.size() < d.count()) return;
    // The displaced surface in the drawing colour: black on white, white on
    // black, where a fixed black would vanish.
    for (int i = 1; i < d.count(); ++i)
        s.line(d.x[i - 1], bl.displacedY(i), d.x[i], bl.displacedY(i + 1), style.foregroundIndex);
}

}  // namespace

void drawAirfoilView(Surface& s, const AppState& state) {
    const PlotStyle style = plotStyleFrom(state);
    const SurfaceData d = surfaceData(state);
    const AirfoilOverlay choice = state.display.airfoilOverlay;
    clearPlot(s, style);

    AirfoilDrawing contour{.x = d.x, .y = d.y, .colour = style.foregroundIndex, .drawWidth = 2};
    if (choice == AirfoilOverlay::Coordinates) {
        contour.xMin = -0.1;
        contour.xMax = 1.1;
    }
    const double w = s.pixelWidth(), h = s.pixelHeight();
    contour.yMax = (contour.xMax - contour.xMin) / w * h / 2;
    contour.yMin = -contour.yMax;
    const bool overlay = choice != AirfoilOverlay::Coordinates;
    if (!overlay) contour.stagPoint = d.stagPoint;
    drawAirfoil(s, contour, style);
    if (choice == AirfoilOverlay::Coordinates) drawChordGrid(s, style);
    if (!overlay) return;
    if (choice == AirfoilOverlay::BoundaryLayer) {
        drawDisplacedSurface(s, d, state, style);
        return;
    }
    const bool velocity = choice == AirfoilOverlay::SurfaceVelocity;
    const double cpScale = std::max(std::fabs(state.analysis.cpHigh), std::fabs(state.analysis.cpLow));
    std::vector<double> magnitude = velocity ? d.vel : d.cp;
    if (!velocity)
        for (double& v : magnitude) v = std::fabs(v);
    const std::vector<Point> p = offsetCurve(d, magnitude, velocity ? d.vMax : cpScale);
    printTitle(s, velocity ? "Airfoil Surface Velocity Ratio" : "Airfoil Surface Pressure Coefficient");
    const double high = velocity ? d.vMax : state.analysis.cpHigh;
    const double low = velocity ? d.absVMin : state.analysis.cpLow;
    drawBands(s, d, velocity ? d.vel : d.cp, p, high, low, style);
}

}  // namespace aerolune::plot
