#include "plot/FieldWindow.h"

#include <algorithm>
#include <cmath>

#include "analysis/FieldRoutine.h"
#include "analysis/ViewFacts.h"

namespace aerolune::plot {

namespace {

constexpr double kZoomStep = 0.5;

bool finiteWindow(const FieldWindow& w) {
    return std::isfinite(w.xMin) && std::isfinite(w.xMax) && std::isfinite(w.yMin) && std::isfinite(w.yMax);
}

}  // namespace

bool isZoomView(int vflag) { return viewFacts(vflag).zooms; }

FieldWindow viewWindow(const AppState& state, int vflag) {
    return vflag == kMeshView ? state.display.meshWindow : state.display.fieldWindow;
}

void storeViewWindow(AppState& state, int vflag, const FieldWindow& window) {
    (vflag == kMeshView ? state.display.meshWindow : state.display.fieldWindow) = window;
}

FieldWindow zoomedIn(FieldWindow window) {
    // A step that would leave a sliver (inside the section it holds no
    // drawing at all) is not taken.
    if (window.xMax - window.xMin - 2.0 * kZoomStep < kNarrowestZoom) return window;
    window.xMax -= kZoomStep;
    window.xMin += kZoomStep;
    return window;
}

FieldWindow zoomedOut(FieldWindow window) {
    window.xMax += kZoomStep;
    window.xMin -= kZoomStep;
    return window;
}

std::optional<FieldWindow> dragWindow(double x1, double y1, double x2, double y2) {
    const FieldWindow box{std::min(x1, x2), std::max(x1, x2), std::min(y1, y2), std::max(y1, y2)};
    // Written so that a NaN extent also zooms nothing.
    if (!(box.xMax - box.xMin >= kSmallestDragWidth) || !finiteWindow(box)) return std::nullopt;
    return box;
}

FieldWindow equalScaleWindow(const FieldWindow& window, double widthPx, double heightPx) {
    const double width = window.xMax - window.xMin;
    if (!(widthPx >= 1.0) || !(heightPx >= 1.0) || !std::isfinite(widthPx) || !std::isfinite(heightPx) ||
        !(width > 0.0) || !finiteWindow(window))
        return window;
    const double halfHeight = width / widthPx * heightPx / 2.0;
    const double centre = (window.yMin + window.yMax) / 2.0;
    return {window.xMin, window.xMax, centre - halfHeight, centre + halfHeight};
}

}  // namespace aerolune::plot
