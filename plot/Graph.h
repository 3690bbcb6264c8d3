#pragma once
// The graph routine: one data series with its frame, ticks, tick labels,
// axis titles and (titled form) dotted grid and graph title. Callers clear
// the surface first and may call it again with the same axes to overlay more
// series: frame, ticks and titles land on the same places each time.

#include <optional>
#include <span>
#include <string>

#include "plot/PlotStyle.h"
#include "plot/Surface.h"

namespace aerolune::plot {

/// Most of the surface's width a caller's legend may take (GraphAxes::legendPixels).
inline constexpr double kLegendShare = 0.4;

struct GraphAxes {
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
    int xDivisions = 5, yDivisions = 5;
    std::string xTitle{}, yTitle{};
    /// The titled form's graph title; the untitled form has none (and no
    /// grid, and leaves no legend room).
    std::optional<std::string> title{};
    /// False: the series alone, over the frame, ticks, grid and titles an
    /// earlier call with the same axes drew (a view overlaying many series
    /// draws them once; the picture is the same with the curves on top).
    bool decorate = true;
    /// Titled form with the style's scaleGraph: the room left at the right
    /// of the frame is at least this many device pixels (a legend measured
    /// by its caller), but never more than 40 % of the surface's width; the
    /// frame narrows, the left margin keeps its pixels.
    double legendPixels = 0;
};

struct GraphSeries {
    std::span<const double> x, y;  ///< the points; the shorter list sets the count
    int colour = 0;                ///< palette index; 15 draws in the foreground colour
    int drawWidth = 1;             ///< pixels
    DrawStyle style = DrawStyle::Solid;
};

/// Axes whose range is empty or not finite are widened so the plot can be
/// drawn: a zero-height range y..y becomes y - h..y + h with h a tenth of |y|
/// (1 when y is 0), symmetrical so the data sit on the middle grid line; the
/// same for x. Non-finite limits become 0..1.
GraphAxes guardedAxes(GraphAxes axes);

/// Draws the series and its frame. Leaves the surface scaled to the graph's
/// world rectangle (x and y of the data, y upwards) with draw width 1.
void graph(Surface& surface, const GraphSeries& series, const GraphAxes& axes, const PlotStyle& style);

}  // namespace aerolune::plot
