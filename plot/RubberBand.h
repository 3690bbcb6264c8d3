#pragma once
// The rubber band of the zoom drag on the field views: while the left button
// is held, a box from the press point to the pointer is drawn in
// exclusive-or, so drawing the same box again erases it and the picture
// underneath comes back unchanged. On release the last box is erased and the
// box becomes the new zoom window, unless it is too narrow.

#include <optional>

#include "plot/FieldWindow.h"
#include "plot/Surface.h"

namespace aerolune::plot {

/// Palette colour of the rubber band (light green).
inline constexpr int kRubberBandColour = 10;

/// The drag in progress, world units of the view's last drawing.
struct RubberBand {
    bool dragging = false;
    bool boxShown = false;  ///< a box is on the screen and must be erased
    double startX = 0.0, startY = 0.0;
    double currentX = 0.0, currentY = 0.0;
};

/// Button down at (x, y): the drag starts there, drawing switches to
/// exclusive-or. Nothing is drawn until the pointer moves.
void beginRubberBand(RubberBand& band, Surface& surface, double x, double y);

/// Pointer moved to (x, y) while dragging: the previous box is erased and the
/// new one drawn. Ignored when no drag is in progress.
void moveRubberBand(RubberBand& band, Surface& surface, double x, double y);

/// Button up: the last box is erased, drawing returns to copy-pen, and the
/// box's window is returned (nothing for a drag narrower than
/// kSmallestDragWidth, or when no drag was in progress).
std::optional<FieldWindow> endRubberBand(RubberBand& band, Surface& surface);

}  // namespace aerolune::plot
