#include "plot/qt/PagedSurface.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <cmath>

namespace aerolune::plot {

namespace {

QColor qcolour(Colour c) { return QColor::fromRgb(c.toRgb()); }

// A drawn width of 1 is the finest line a cutting template wants to show:
// one 300-dpi dot (0.24 pt), whatever the device's own resolution.
constexpr double kWidthUnitInches = 1.0 / 300.0;
// Dashes and gaps of a dashed line, inches.
constexpr double kDashInches = 0.06, kGapInches = 0.04;

}  // namespace

PagedSurface::PagedSurface(QPagedPaintDevice& device, int dpi, const QRectF& printable)
    : SurfaceBase(printable.width(), printable.height(), dpi, dpi, true),
      device_(device),
      printable_(printable) {}

PagedSurface::~PagedSurface() { finish(); }

bool PagedSurface::begin() {
    if (painter_.isActive()) return true;
    if (failed_) return false;
    if (!painter_.begin(&device_)) {
        failed_ = true;
        return false;
    }
    started_ = true;
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.translate(printable_.topLeft());
    painter_.setClipRect(QRectF(QPointF(0, 0), printable_.size()));
    return true;
}

bool PagedSurface::finish() {
    if (!painter_.isActive()) return !failed_;
    return painter_.end() && !failed_;
}

QPen PagedSurface::qpen(const Pen& pen, double dashOffset) const {
    const double unit = kWidthUnitInches * 1440.0 / twipsPerPixelX();  // device pixels
    const double width = std::max(1.0, pen.width * unit);
    QPen q(qcolour(pen.colour), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (pen.style != DrawStyle::Solid) {
        const double perInch = 1440.0 / twipsPerPixelX();
        const double dash = (pen.style == DrawStyle::Dash ? kDashInches : kGapInches / 4) * perInch / width;
        q.setDashPattern({dash, kGapInches * perInch / width});
        q.setDashOffset(dashOffset / width);
    }
    return q;
}

QFont PagedSurface::qfont(const FontSpec& font) const {
    QFont f(QString::fromStdString(font.face));
    f.setPointSizeF(font.pixels > 0 ? font.pixels * 72.0 * twipsPerPixelY() / 1440.0 : font.points);
    f.setBold(font.bold);
    return f;
}

void PagedSurface::drawClear(Colour) {
    // Paper is blank to begin with; a page is not painted over.
    lastEnd_ = QPointF(-1e300, -1e300);
    dashRun_ = 0.0;
}

void PagedSurface::drawLine(double x1, double y1, double x2, double y2, const Pen& pen) {
    if (!begin()) return;
    const QPointF a(deviceX(x1), deviceY(y1)), b(deviceX(x2), deviceY(y2));
    if (a != lastEnd_) dashRun_ = 0.0;
    painter_.setPen(qpen(pen, dashRun_));
    painter_.drawLine(a, b);
    dashRun_ += std::hypot(b.x() - a.x(), b.y() - a.y());
    lastEnd_ = b;
}

void PagedSurface::drawBox(double x1, double y1, double x2, double y2, const Pen& pen, bool filled) {
    if (!begin()) return;
    const QRectF r =
        QRectF(QPointF(deviceX(x1), deviceY(y1)), QPointF(deviceX(x2), deviceY(y2))).normalized();
    if (filled)
        painter_.fillRect(r, qcolour(pen.colour));
    else {
        painter_.setPen(qpen(pen, 0.0));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(r);
    }
}

void PagedSurface::drawCircle(double x, double y, double r, const Pen& pen, bool filled) {
    if (!begin()) return;
    const double rx = std::fabs(deviceX(x + r) - deviceX(x));
    painter_.setPen(qpen(pen, 0.0));
    painter_.setBrush(filled ? QBrush(qcolour(pen.colour)) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(QPointF(deviceX(x), deviceY(y)), rx, rx);
    painter_.setBrush(Qt::NoBrush);
}

void PagedSurface::drawPoint(double x, double y, const Pen& pen) {
    if (!begin()) return;
    QPen q = qpen(pen, 0.0);
    q.setCapStyle(Qt::SquareCap);
    painter_.setPen(q);
    painter_.drawPoint(QPointF(deviceX(x), deviceY(y)));
}

void PagedSurface::drawText(double x, double y, std::string_view text, const FontSpec& font, Colour colour) {
    if (!begin()) return;
    const QFont f = qfont(font);
    painter_.save();
    painter_.setFont(f);
    painter_.setPen(qcolour(colour));
    painter_.translate(deviceX(x), deviceY(y));
    painter_.rotate(-font.escapementDegrees);  // escapement turns counter-clockwise, Qt clockwise
    painter_.drawText(QPointF(0, QFontMetricsF(f, &device_).ascent()),
                      QString::fromUtf8(text.data(), static_cast<int>(text.size())));
    painter_.restore();
}

void PagedSurface::drawNewPage() {
    if (!begin()) return;
    device_.newPage();
    lastEnd_ = QPointF(-1e300, -1e300);
}

double PagedSurface::deviceTextWidth(std::string_view text, const FontSpec& font) const {
    return QFontMetricsF(qfont(font), &device_)
        .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
}

double PagedSurface::deviceTextHeight(const FontSpec& font) const {
    return QFontMetricsF(qfont(font), &device_).height();
}

}  // namespace aerolune::plot
