#include "plot/qt/PagedSurface.h"

#include <QPagedPaintDevice>
#include <cmath>

namespace aerolune::plot {

namespace {

// A drawn width of 1 is the finest line a cutting template wants to show:
// one 300-dpi dot (0.24 pt), whatever the device's own resolution.
constexpr double kWidthUnitInches = 1.0 / 300.0;
// Dashes and gaps of a dashed line, inches.
constexpr double kDashInches = 0.06, kGapInches = 0.04;

}  // namespace

PagedSurface::PagedSurface(QPagedPaintDevice& device, int dpi, const QRectF& printable)
    : PainterSurface(&device, printable.width(), printable.height(), dpi, true), printable_(printable) {}

PagedSurface::~PagedSurface() { finish(); }

bool PagedSurface::beginPainting(QPainter& p) {
    if (!p.begin(device())) return false;
    started_ = true;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(printable_.topLeft());
    p.setClipRect(QRectF(QPointF(0, 0), printable_.size()));
    return true;
}

QPen PagedSurface::makePen(const Pen& pen) const {
    const double perInch = 1440.0 / twipsPerPixelX();  // device pixels
    const double width = std::max(1.0, pen.width * kWidthUnitInches * perInch);
    QPen q(toQColor(pen.colour), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (pen.style != DrawStyle::Solid) {
        const double dash = (pen.style == DrawStyle::Dash ? kDashInches : kGapInches / 4) * perInch / width;
        q.setDashPattern({dash, kGapInches * perInch / width});
        q.setDashOffset(dashOffset_ / width);
    }
    return q;
}

QFont PagedSurface::makeFont(const FontSpec& font) const {
    QFont f(QString::fromStdString(font.face));
    f.setPointSizeF(font.pixels > 0 ? font.pixels * 72.0 * twipsPerPixelY() / 1440.0 : font.points);
    f.setBold(font.bold);
    return f;
}

void PagedSurface::restartDashes() {
    lastEnd_ = QPointF(-1e300, -1e300);
    dashRun_ = 0.0;
}

void PagedSurface::drawClear(Colour) {
    // Paper is blank to begin with; a page is not painted over.
    restartDashes();
}

void PagedSurface::drawLine(double x1, double y1, double x2, double y2, const Pen& pen) {
    const QPointF a(deviceX(x1), deviceY(y1)), b(deviceX(x2), deviceY(y2));
    if (a != lastEnd_) dashRun_ = 0.0;
    dashOffset_ = dashRun_;
    PainterSurface::drawLine(x1, y1, x2, y2, pen);
    dashOffset_ = 0.0;
    dashRun_ += std::hypot(b.x() - a.x(), b.y() - a.y());
    lastEnd_ = b;
}

void PagedSurface::drawNewPage() {
    PainterSurface::drawNewPage();
    restartDashes();
}

}  // namespace aerolune::plot
