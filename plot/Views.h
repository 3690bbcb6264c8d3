#pragma once
// The line plots of the main window's plot area, each drawn from the state
// as the last recomputation left it (no analysis runs here): the airfoil view
// and its four sub-views, surface Cp and velocity, the six boundary-layer
// plots and the three polar plots.

#include <span>
#include <string>

#include "analysis/ReferencePolar.h"
#include "plot/PlotStyle.h"
#include "plot/Surface.h"

namespace aerolune {
struct AppState;
}

namespace aerolune::plot {

/// Fills the surface with the background and sets the drawing colour.
void clearPlot(Surface& surface, const PlotStyle& style);

/// view 1, sub-view airfoilOverlay (0 velocity, 1 pressure, 2 coordinates, 3
/// boundary layer).
void drawAirfoilView(Surface& surface, const AppState& state);

/// view 2 (pressure coefficient) or 3 (velocity ratio): the lower surface,
/// then the upper over it, against the station's chord position.
void drawSurfacePlot(Surface& surface, const AppState& state, bool velocity);

/// view 7, plot boundaryLayerPlot (1..6) of the state's boundary layer. Returns
/// false, with the plot area cleared, when the state holds no solution.
bool drawBoundaryLayerView(Surface& surface, const AppState& state);

/// view 10 with the plot kind (1 lift-drag, 2 Cl and Cm, 3 transition),
/// the reference polars as markers over the stored polars' curves.
void drawPolarView(Surface& surface, const AppState& state, int kind = 1,
                   std::span<const ReferencePolar> references = {});

/// Palette index of stored polar p (0-based): 9..14 round on black, 1..9 on white.
int polarColour(int p, bool whiteBackground);

/// Draws views 1, 2, 3, 7 and 10 (the polar view with the reference
/// polars); false for the others (field and report views are drawn elsewhere).
bool drawLineView(Surface& surface, const AppState& state, std::span<const ReferencePolar> references = {});

}  // namespace aerolune::plot
