#pragma once
// The plot area: a widget showing the backing image every view
// draws into, so exclusive-or drawing (the zoom rubber band) works on what
// is on screen. It computes nothing; it reports mouse events in widget
// pixels and in the world units of the last drawing.

#include <QWidget>
#include <memory>

#include "plot/qt/PainterSurface.h"

namespace aerolune::ui {

class PlotArea : public QWidget {
    Q_OBJECT
public:
    explicit PlotArea(QWidget* parent = nullptr);
    ~PlotArea() override;

    /// The surface the views draw on; call update() after drawing.
    plot::Surface& surface();
    /// The picture as shown (Copy, tests).
    QImage image();
    /// World coordinates of a widget position under the surface's current scale.
    QPointF toWorld(const QPointF& widgetPos) const;

signals:
    /// Mouse events: widget position (pixels), world position, button(s).
    void mousePressed(QPointF widgetPos, QPointF worldPos, Qt::MouseButton button);
    void mouseMoved(QPointF widgetPos, QPointF worldPos, Qt::MouseButtons buttons);
    void mouseReleased(QPointF widgetPos, QPointF worldPos, Qt::MouseButton button);
    /// The backing image was recreated at the new size: the view must be redrawn.
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<plot::ImageSurface> surface_;
};

}  // namespace aerolune::ui
