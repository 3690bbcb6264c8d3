#pragma once
// The zoom windows of the field views and the rules that change them.
//
// The mesh view (6) has its own window (meshWindow), the streamline and
// pressure views (4, 5) share the field window (fieldWindow). Zoom In and Zoom Out move only the
// x limits; the views draw at equal scale, so the x range alone decides the
// scale and the y range only where the picture is centred vertically.

#include <optional>

#include "analysis/AppState.h"
#include "analysis/ZoomWindow.h"

namespace aerolune::plot {

using aerolune::FieldWindow;

/// The window Reset returns to.
inline constexpr FieldWindow kResetFieldWindow{-0.5, 1.5, -1.0, 1.0};

/// Narrowest window Zoom In leaves, chords: half a chord still shows part of
/// the section and the field about it.
inline constexpr double kNarrowestZoom = 0.5;
/// A drag box narrower than this (chords) zooms nothing.
inline constexpr double kSmallestDragWidth = 0.01;

/// True for the views that zoom: streamlines (4), pressure contours (5), mesh (6).
bool isZoomView(int vflag);

/// The window a zoom view draws in: the mesh window for view 6, the field
/// window for views 4 and 5 (and for any other view, which never zooms).
FieldWindow viewWindow(const AppState& state, int vflag);

/// Stores the window of view vflag back into the state's window variables.
void storeViewWindow(AppState& state, int vflag, const FieldWindow& window);

/// Zoom In: both x limits move 0.5 inwards; a window that would then be
/// narrower than kNarrowestZoom is returned unchanged.
FieldWindow zoomedIn(FieldWindow window);

/// Zoom Out: both x limits move 0.5 outwards.
FieldWindow zoomedOut(FieldWindow window);

/// The window spanned by a drag from (x1, y1) to (x2, y2) in world units, or
/// nothing when its x extent is below kSmallestDragWidth (or not a number).
std::optional<FieldWindow> dragWindow(double x1, double y1, double x2, double y2);

/// The equal-scale window for a plot area of widthPx x heightPx pixels: the
/// x range as it is, the y range re-centred on the window's vertical centre
/// with the height the plot area's aspect gives. A plot area without a usable
/// size (a minimised window) or a window with no x extent leaves the window
/// as it is, so no undefined number reaches the window variables.
FieldWindow equalScaleWindow(const FieldWindow& window, double widthPx, double heightPx);

}  // namespace aerolune::plot
