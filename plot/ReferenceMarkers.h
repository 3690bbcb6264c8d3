#pragma once
// Reference polars on the polar views: each point a small square in a colour
// of its own, with no line between them, so a polar from elsewhere reads
// apart from ours at a glance.

#include "analysis/ReferencePolar.h"
#include "plot/Graph.h"
#include "plot/PlotStyle.h"
#include "plot/Surface.h"

namespace aerolune::plot {

/// Colour of reference polar r (0-based): four colours outside the 16-colour
/// palette the polars use, light on the black background, deep on the white.
Colour referenceColour(int r, bool whiteBackground);

/// Draws the polar's points for the polar plot kind (1 lift-drag, 2 lift and
/// moment against angle, 3 transition against lift) on a surface that graph()
/// left scaled to the axes: filled squares, and open ones for the second
/// quantity of kinds 2 and 3 (moment, lower-surface transition). Points off
/// the axes are left out.
void drawReferenceMarkers(Surface& s, const ReferencePolar& polar, int kind, Colour colour,
                          const GraphAxes& axes);

/// A legend swatch: one filled square centred at (x, y).
void drawReferenceSwatch(Surface& s, double x, double y, Colour colour);

}  // namespace aerolune::plot
