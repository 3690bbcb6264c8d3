#include <vector>

#include "analysis/AppState.h"
#include "plot/Graph.h"
#include "plot/ViewData.h"
#include "plot/Views.h"

namespace aerolune::plot {

void clearPlot(Surface& s, const PlotStyle& style) {
    s.setDrawMode(DrawMode::CopyPen);
    s.setBackColor(style.backgroundIndex());
    s.setForeColor(style.foregroundIndex);
    s.clear();
}

void drawSurfacePlot(Surface& s, const AppState& state, bool velocity) {
    const PlotStyle style = plotStyleFrom(state);
    const SurfaceData d = surfaceData(state);
    clearPlot(s, style);

    const std::vector<double>& values = velocity ? d.vel : d.cp;
    const std::size_t half = d.ctrlX.size() / 2;
    const std::span<const double> x(d.ctrlX), v(values);
    GraphAxes axes;  // x 0..1 and y in 5 divisions each
    axes.yMin = velocity ? d.absVMin : d.cpMin;
    axes.yMax = velocity ? d.vMax : d.cpMax;
    graph(s, {x.first(half), v.first(half), style.lowerSurfaceColor}, axes, style);
    axes.xTitle = "Chord Position";
    axes.yTitle = velocity ? "Velocity Ratio" : "Cp";
    graph(s, {x.subspan(half), v.subspan(half), style.upperSurfaceColor}, axes, style);
}

}  // namespace aerolune::plot
