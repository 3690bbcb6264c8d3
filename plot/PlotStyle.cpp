#include "plot/PlotStyle.h"

#include "analysis/AppState.h"

namespace aerolune::plot {

PlotStyle plotStyleFrom(const AppState& state) {
    PlotStyle style;
    style.foregroundIndex = state.priv.ForegroundIndex;
    style.lowerSurfaceColor = state.priv.LowerSurfaceColor;
    style.upperSurfaceColor = state.priv.UpperSurfaceColor;
    style.pointRadius = state.pub.PointRadius.toDouble();
    return style;
}

}  // namespace aerolune::plot
