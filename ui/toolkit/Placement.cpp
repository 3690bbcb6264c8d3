#include "ui/toolkit/Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "common/Placement.h"
#include "ui/toolkit/Twips.h"

namespace aerolune::ui {

namespace {

TwipsSize screenTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize(1024, 768);
    return {toTwipsX(size.width()), toTwipsY(size.height())};
}

TwipsRect frameTwips(const QWidget& w) {
    const QRect frame = w.frameGeometry();
    return {toTwipsX(frame.x()), toTwipsY(frame.y()), toTwipsX(frame.width()), toTwipsY(frame.height())};
}

void moveTo(QWidget& w, const TwipsRect& r) { w.move(toPixelsX(r.left), toPixelsY(r.top)); }

}  // namespace

void CenterOnScreen(QWidget& window) { moveTo(window, centerOnScreen(frameTwips(window), screenTwips())); }

void CenterOverWindow(QWidget& window, const QWidget& reference) {
    moveTo(window, centerOverWindow(frameTwips(window), frameTwips(reference), screenTwips()));
}

}  // namespace aerolune::ui
