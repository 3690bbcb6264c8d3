#include "app/ZoomCommands.h"

#include "plot/FieldWindow.h"

namespace aerolune {

namespace {

template <typename Change>
bool changeWindow(AppState& state, Change change) {
    const int view = state.display.view;
    if (!plot::isZoomView(view)) return false;
    const plot::FieldWindow before = plot::viewWindow(state, view);
    const plot::FieldWindow after = change(before);
    if (after == before) return false;
    plot::storeViewWindow(state, view, after);
    return true;
}

}  // namespace

bool zoomIn(AppState& state) { return changeWindow(state, plot::zoomedIn); }

bool canZoomIn(const AppState& state) {
    const int view = state.display.view;
    return plot::isZoomView(view) &&
           plot::zoomedIn(plot::viewWindow(state, view)) != plot::viewWindow(state, view);
}

bool zoomOut(AppState& state) { return changeWindow(state, plot::zoomedOut); }

bool resetZoom(AppState& state) {
    return changeWindow(state, [](const plot::FieldWindow&) { return plot::kResetFieldWindow; });
}

void ZoomDrag::press(const AppState& state, plot::Surface& screen, double x, double y) {
    view_ = state.display.view;
    if (!plot::isZoomView(view_) || screen.isPrinter()) return;
    plot::beginRubberBand(band_, screen, x, y);
}

void ZoomDrag::move(plot::Surface& screen, double x, double y) { plot::moveRubberBand(band_, screen, x, y); }

bool ZoomDrag::release(AppState& state, plot::Surface& screen) {
    const auto window = plot::endRubberBand(band_, screen);
    // The view cannot change during a drag, but the window written must be the
    // one the band was drawn on.
    if (!window || state.display.view != view_) return false;
    plot::storeViewWindow(state, view_, *window);
    return true;
}

}  // namespace aerolune
