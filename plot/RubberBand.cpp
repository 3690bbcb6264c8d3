#include "plot/RubberBand.h"

namespace aerolune::plot {

namespace {

void drawBand(const RubberBand& band, Surface& surface) {
    surface.line(band.startX, band.startY, band.currentX, band.currentY, Colour(kRubberBandColour),
                 BoxMode::Box);
}

}  // namespace

void beginRubberBand(RubberBand& band, Surface& surface, double x, double y) {
    band = RubberBand{true, false, x, y, x, y};
    surface.setCurrent(x, y);
    surface.setDrawMode(DrawMode::XorPen);
}

void moveRubberBand(RubberBand& band, Surface& surface, double x, double y) {
    if (!band.dragging) return;
    // Erase only a box that was drawn: an exclusive-or of a box never drawn
    // would leave its pixels behind.
    if (band.boxShown) drawBand(band, surface);
    band.currentX = x;
    band.currentY = y;
    drawBand(band, surface);
    band.boxShown = true;
}

std::optional<FieldWindow> endRubberBand(RubberBand& band, Surface& surface) {
    if (!band.dragging) return std::nullopt;
    if (band.boxShown) drawBand(band, surface);
    surface.setDrawMode(DrawMode::CopyPen);
    band.dragging = false;
    band.boxShown = false;
    return dragWindow(band.startX, band.startY, band.currentX, band.currentY);
}

}  // namespace aerolune::plot
