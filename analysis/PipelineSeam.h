#pragma once
// What the recomputation needs from the window it runs in: drawing the view,
// the status caption, message boxes and the legend labels. The window
// implements it; tests and the command-line companion implement it without
// one.

#include <string>

namespace aerolune {

struct AppState;

/// The message the drag estimate and the polar sweep show when the boundary
/// layer cannot be computed.
inline constexpr const char* kBoundaryLayerErrorMessage =
    "Redo your Boundary Layer Computation: An error occured in the BL Subroutine";

/// The message shown when the thin-airfoil coefficients of a recomputation are
/// not finite numbers; the results panel keeps the previous figures.
inline constexpr const char* kResultsNotFiniteMessage =
    "The analysis of this section gave no finite lift or moment; the results panel shows the previous "
    "figures.";

class ViewSeam {
public:
    virtual ~ViewSeam() = default;

    /// Draws the view selected by view from the state and sets the status
    /// caption (sectionName followed by the view's title). View 10 draws nothing
    /// more here: its plots came from drawPolar.
    virtual void drawView(AppState& state) = 0;

    /// Sets the status bar's caption.
    virtual void setStatus(const std::string& caption) = 0;

    /// Shows a message box and waits for it to be closed.
    virtual void showMessage(const std::string& text) = 0;

    /// Hides the surface legend (captions and swatches) before the polar view.
    virtual void hideSurfaceLegend() {}

    /// Draws the polar plots from the store, after the sweep brought it up to date.
    virtual void drawPolar(AppState& /*state*/) {}

    /// A sweep that takes seconds is about to run (the coupled layer
    /// model's): a window shows a wait cursor and `caption` in its status
    /// bar at once, until slowSweepEnded.
    virtual void slowSweepStarting(const std::string& /*caption*/) {}
    /// The sweep announced by slowSweepStarting is over.
    virtual void slowSweepEnded() {}

    /// Says which rows of a polar just swept are not computed and why (one
    /// line per row). A window shows it as a message; the sweep goes on.
    virtual void notePolarRows(const std::string& rows) { showMessage(rows); }

    /// Shows the boundary-layer separation warning (SeparationWarning) with this
    /// caption and waits for OK; the computation goes on afterwards.
    virtual void showSeparationWarning(const std::string& /*caption*/) {}
};

}  // namespace aerolune
