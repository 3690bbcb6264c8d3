#pragma once
// Where the plot area sits in the main window and the aspect the field views
// draw with, both from the window's inner size (twips).

#include <string>

namespace aerolune::plot {

struct PlotBox {
    double left = 0, top = 0, width = 0, height = 0;  ///< twips
};

/// placePlotArea: the plot area's place: left 75, top below the picture bar plus
/// 100, as wide as the window leaves beside the results panel and as high
/// as it leaves above the status bar. A window too small for it (minimised)
/// gives a zero size instead of a negative one.
/// \param innerWidth, innerHeight the window's client area, twips
/// \param toolbarHeight picture bar height, twips
/// \param statusHeight status bar height, twips
/// \param panelWidth results panel (panDisplay) width, twips
PlotBox placePlotArea(double innerWidth, double innerHeight, double toolbarHeight, double statusHeight,
                      double panelWidth);

/// PlotAspect after a resize: (inner height - status - toolbar - 40) /
/// (inner width - 200); the previous aspect when the window is too small to
/// give a positive one.
double plotAspect(double innerWidth, double innerHeight, double toolbarHeight, double statusHeight,
                  double previous);

/// The read-out shown in the cursor read-out while the mouse moves over the plot area:
/// x "0.00", "  x   ", y "0.000".
std::string cursorReadout(double x, double y);

}  // namespace aerolune::plot
