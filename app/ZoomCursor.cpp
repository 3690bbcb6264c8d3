#include "app/ZoomCursor.h"

#include <QPixmap>

#include "plot/FieldWindow.h"

// The images live in this library's resources; a static library's resources
// are registered only when something asks for them by name.
static void registerZoomCursors() { Q_INIT_RESOURCE(ZoomCursors); }

namespace aerolune {

namespace {

// The lens centre of the drawn glass.
constexpr int kHotSpot = 12;

}  // namespace

QCursor zoomCursor(bool blackBackground) {
    static const bool registered = (registerZoomCursors(), true);
    (void)registered;
    const QPixmap image(blackBackground ? QStringLiteral(":/cursors/zoomw.png")
                                        : QStringLiteral(":/cursors/zoom.png"));
    if (image.isNull()) return QCursor(Qt::CrossCursor);
    return QCursor(image, kHotSpot, kHotSpot);
}

QCursor plotCursor(const AppState& state) {
    if (!plot::isZoomView(state.display.view)) return QCursor(Qt::CrossCursor);
    return zoomCursor(state.display.foregroundColour == 15);
}

}  // namespace aerolune
