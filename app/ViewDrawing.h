#pragma once
// Drawing the current view (view) from the state as the last recomputation
// left it. Redraws after a resize or a change of background, colours or
// markers come here too: they never run the analysis again.

#include "analysis/AppState.h"
#include "plot/Surface.h"

namespace aerolune {

namespace ui {
class PlotArea;
}

/// Draws the view view selects onto the surface (views 1-3, 7 and 10 here;
/// the field views 4-6 and the report views 8-9 by their own drawing).
void drawCurrentView(AppState& state, plot::Surface& surface);

/// Redraws the plot area from the state without recomputing: after a resize
/// of the plot area and a change of background, curve colours or markers.
void redrawPlotArea(AppState& state, ui::PlotArea& area);

}  // namespace aerolune
