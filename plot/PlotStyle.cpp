#include "plot/PlotStyle.h"

#include "analysis/AppState.h"

namespace aerolune::plot {

PlotStyle plotStyleFrom(const AppState& state) {
    PlotStyle style;
    style.foregroundIndex = state.display.foregroundColour;
    style.lowerSurfaceColor = state.display.lowerSurfaceColour;
    style.upperSurfaceColor = state.display.upperSurfaceColour;
    style.pointRadius = state.display.pointRadius;
    return style;
}

}  // namespace aerolune::plot
