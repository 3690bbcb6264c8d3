#include "ui/PlotArea.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace aerolune::ui {

namespace {

QSize deviceSize(const QWidget& w) {
    const double ratio = w.devicePixelRatioF();
    return {std::max(1, static_cast<int>(std::lround(w.width() * ratio))),
            std::max(1, static_cast<int>(std::lround(w.height() * ratio)))};
}

}  // namespace

PlotArea::PlotArea(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);  // the cursor read-out follows the mouse without a button held
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    const QSize size = deviceSize(*this);
    surface_ = std::make_unique<plot::ImageSurface>(size.width(), size.height(), logicalDpiX());
}

PlotArea::~PlotArea() = default;

plot::Surface& PlotArea::surface() { return *surface_; }

QImage PlotArea::image() { return surface_->image(); }

QPointF PlotArea::toWorld(const QPointF& pos) const {
    const double ratio = devicePixelRatioF();
    return {surface_->worldX(pos.x() * ratio), surface_->worldY(pos.y() * ratio)};
}

void PlotArea::paintEvent(QPaintEvent*) {
    QImage picture = surface_->image();
    picture.setDevicePixelRatio(devicePixelRatioF());
    QPainter p(this);
    p.drawImage(QPointF(0, 0), picture);
}

void PlotArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QSize size = deviceSize(*this);
    surface_->resize(size.width(), size.height());
    emit resized();
}

void PlotArea::mousePressEvent(QMouseEvent* e) {
    emit mousePressed(e->position(), toWorld(e->position()), e->button());
}

void PlotArea::mouseMoveEvent(QMouseEvent* e) {
    emit mouseMoved(e->position(), toWorld(e->position()), e->buttons());
}

void PlotArea::mouseReleaseEvent(QMouseEvent* e) {
    emit mouseReleased(e->position(), toWorld(e->position()), e->button());
}

}  // namespace aerolune::ui
