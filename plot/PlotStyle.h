#pragma once
// The display settings every plot reads: background, curve colours, point
// markers and the room left for a legend, taken from the application state.

#include <cstdint>

namespace aerolune {
struct AppState;
}

namespace aerolune::plot {

struct PlotStyle {
    int foregroundIndex = 0;  ///< drawing colour: 0 on the white background, 15 on the black
    int lowerSurfaceColor = 0;
    int upperSurfaceColor = 14;
    double pointRadius = 0.0;  ///< point markers' radius, world x units; 0 = off
    bool scaleGraph = false;   ///< titled graphs leave room at the right (the polar legend)

    bool whiteBackground() const { return foregroundIndex != 15; }
    int backgroundIndex() const { return whiteBackground() ? 15 : 0; }
    /// Palette colour of the dotted grids: dark grey on white, light grey on black.
    int gridColour() const { return whiteBackground() ? 8 : 7; }
};

/// The style the state's display settings give.
PlotStyle plotStyleFrom(const AppState& state);

}  // namespace aerolune::plot
