#include <memory>

#include "app/ZoomCommands.h"
#include "ui/PlotArea.h"

namespace aerolune {

void connectZoomDrag(ui::PlotArea& area, AppState& state, std::function<void()> redraw) {
    // The drag lives as long as the connections, which die with the area.
    auto drag = std::make_shared<ZoomDrag>();
    QObject::connect(&area, &ui::PlotArea::mousePressed, &area,
                     [&area, &state, drag](QPointF, QPointF world, Qt::MouseButton button) {
                         if (button != Qt::LeftButton) return;
                         drag->press(state, area.surface(), world.x(), world.y());
                     });
    QObject::connect(&area, &ui::PlotArea::mouseMoved, &area,
                     [&area, drag](QPointF, QPointF world, Qt::MouseButtons) {
                         if (!drag->dragging()) return;
                         drag->move(area.surface(), world.x(), world.y());
                         area.update();
                     });
    QObject::connect(&area, &ui::PlotArea::mouseReleased, &area,
                     [&area, &state, drag, redraw](QPointF, QPointF, Qt::MouseButton button) {
                         if (button != Qt::LeftButton || !drag->dragging()) return;
                         const bool zoomed = drag->release(state, area.surface());
                         area.update();
                         if (zoomed && redraw) redraw();
                     });
}

}  // namespace aerolune
