#pragma once
// Zoom In, Zoom Out, Reset and the zoom drag of the field views (streamlines
// 4, pressure contours 5, mesh 6): each works on the current view's window
// in the state and says whether the view must be redrawn. Other views do not
// zoom; the commands leave them alone.

#include <functional>

#include "analysis/AppState.h"
#include "plot/RubberBand.h"
#include "plot/Surface.h"

namespace aerolune {

/// Zoom In (zoomIn): x limits 0.5 inwards unless the window would be
/// narrower than half a chord.
/// \return true when the current view's window changed and must be redrawn
bool zoomIn(AppState& state);

/// Whether Zoom In would change the current view's window.
bool canZoomIn(const AppState& state);

/// Zoom Out (zoomOut): x limits 0.5 outwards.
/// \return true when the current view's window changed and must be redrawn
bool zoomOut(AppState& state);

/// Reset (zoomReset): x -0.5..1.5, y -1..1.
/// \return true when the current view's window changed and must be redrawn
bool resetZoom(AppState& state);

/// The left-button drag on the plot area. Coordinates are world units of the
/// view's last drawing on the screen surface the band is drawn on.
class ZoomDrag {
public:
    /// Button down: on a zoom view the drag starts; elsewhere nothing happens.
    void press(const AppState& state, plot::Surface& screen, double x, double y);
    /// Pointer moved: the rubber band follows while a drag is in progress.
    void move(plot::Surface& screen, double x, double y);
    /// Button up: the band is erased and, when the box is wide enough, it
    /// becomes the view's window.
    /// \return true when the window changed and the view must be redrawn
    bool release(AppState& state, plot::Surface& screen);
    bool dragging() const { return band_.dragging; }

private:
    plot::RubberBand band_;
    int view_ = 0;
};

namespace ui {
class PlotArea;
}

/// Connects the plot area's left-button press, move and release to a zoom
/// drag of its own: the rubber band is drawn on the area's image, and when a
/// drag sets a new window, redraw runs (the recompute-and-redraw routine).
/// Other buttons are left to the window's own handlers (the right button's
/// pop-up menu).
void connectZoomDrag(ui::PlotArea& area, AppState& state, std::function<void()> redraw);

}  // namespace aerolune
