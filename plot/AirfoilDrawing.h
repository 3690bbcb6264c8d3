#pragma once
// The airfoil drawing routine (the contour with optional point markers and
// the stagnation marker, on the screen or, with offsets, on a printer page),
// the 10 % chord grid and the colour legend of the airfoil view.

#include <span>
#include <string>

#include "plot/PlotStyle.h"
#include "plot/Surface.h"

namespace aerolune::plot {

struct AirfoilDrawing {
    std::span<const double> x, y;  ///< contour points, chords; the shorter list sets the count
    int colour = 0;                ///< palette index
    int drawWidth = 2;             ///< pixels
    DrawStyle style = DrawStyle::Solid;
    double xMin = -0.2, xMax = 1.05, yMin = -0.5, yMax = 0.5;  ///< screen window, chords
    double xOffset = 0, yOffset = 0;  ///< added on a printer page, whose scale the caller keeps
    int stagPoint = 0;                ///< 1-based contour index of the stagnation marker; 0 = none
};

/// Draws the contour. On the screen the scale becomes the drawing's window
/// and markers (PointRadius) and the stagnation marker (a filled light-red
/// circle of radius 0.015) are added; a printer page gets the bare contour.
/// The caller's draw width is restored.
void drawAirfoil(Surface& surface, const AirfoilDrawing& drawing, const PlotStyle& style);

/// The airfoil view's chord grid: dotted lines every 10 % of chord from
/// -0.2 to 0.2 chords high, labelled "0%" .. "100%" every 20 % at y = -0.2.
void drawChordGrid(Surface& surface, const PlotStyle& style);

/// ColorLegend: a row of 11 filled boxes 0.08 x 0.1 chords from x = 0.05
/// along y = ofY, box k filled with colours[10 - k] and labelled with
/// values[10 - k] ("#0.0"), so the lowest of the values (given highest first)
/// stands at the left.
/// \param values, colours the 11 values and colours, highest value first
void ColorLegend(Surface& surface, double ofY, std::span<const double> values,
                 std::span<const Colour> colours, const PlotStyle& style);

}  // namespace aerolune::plot
