#include "plot/qt/PainterSurface.h"

#include <QPagedPaintDevice>
#include <algorithm>
#include <cmath>

namespace aerolune::plot {

QColor toQColor(Colour colour) { return QColor::fromRgb(static_cast<QRgb>(colour.toRgb() | 0xFF000000u)); }

PainterSurface::PainterSurface(QPaintDevice* device, bool printer)
    : SurfaceBase(device->width(), device->height(), device->logicalDpiX(), device->logicalDpiY(), printer),
      device_(device) {}

PainterSurface::PainterSurface(double pixelWidth, double pixelHeight, double dpiX, double dpiY, bool printer)
    : SurfaceBase(pixelWidth, pixelHeight, dpiX, dpiY, printer) {}

PainterSurface::~PainterSurface() { end(); }

void PainterSurface::end() {
    if (painter_ && painter_->isActive()) painter_->end();
    painter_.reset();
}

void PainterSurface::setDevice(QPaintDevice* device) {
    end();
    device_ = device;
    setDeviceSize(device->width(), device->height());
}

QPainter& PainterSurface::painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (device_) painter_->begin(device_);
        // Crisp lines in exact palette colours (as the plot area has always
        // shown them); smooth text.
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *painter_;
}

void PainterSurface::applyPen(const Pen& pen, bool filled) {
    QPainter& p = painter();
    QPen qpen(toQColor(pen.colour));
    qpen.setWidthF(pen.width <= 1 ? 0.0 : pen.width);  // 0: one device pixel, however fine the device
    qpen.setCapStyle(pen.width <= 1 ? Qt::SquareCap : Qt::RoundCap);
    switch (pen.style) {
        case DrawStyle::Dot:
            qpen.setStyle(Qt::DotLine);
            break;
        case DrawStyle::Dash:
            qpen.setStyle(Qt::DashLine);
            break;
        case DrawStyle::Solid:
            qpen.setStyle(Qt::SolidLine);
            break;
    }
    p.setPen(qpen);
    p.setBrush(filled ? QBrush(toQColor(pen.colour)) : QBrush(Qt::NoBrush));
    // Raster operations exist on images only; elsewhere the pen draws plainly.
    const bool xorOk = pen.mode == DrawMode::XorPen && device_ && device_->devType() == QInternal::Image;
    p.setCompositionMode(xorOk ? QPainter::RasterOp_SourceXorDestination
                               : QPainter::CompositionMode_SourceOver);
}

void PainterSurface::drawClear(Colour back) {
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRectF(0, 0, pixelWidth(), pixelHeight()), toQColor(back));
}

void PainterSurface::drawLine(double x1, double y1, double x2, double y2, const Pen& pen) {
    applyPen(pen, false);
    painter().drawLine(QPointF(deviceX(x1), deviceY(y1)), QPointF(deviceX(x2), deviceY(y2)));
}

void PainterSurface::drawBox(double x1, double y1, double x2, double y2, const Pen& pen, bool filled) {
    applyPen(pen, filled);
    const QRectF r =
        QRectF(QPointF(deviceX(x1), deviceY(y1)), QPointF(deviceX(x2), deviceY(y2))).normalized();
    painter().drawRect(r);
}

void PainterSurface::drawCircle(double x, double y, double r, const Pen& pen, bool filled) {
    applyPen(pen, filled);
    const double radius = std::fabs(r / scaleWidth()) * pixelWidth();
    painter().drawEllipse(QPointF(deviceX(x), deviceY(y)), radius, radius);
}

void PainterSurface::drawPoint(double x, double y, const Pen& pen) {
    applyPen(pen, true);
    const double w = std::max(1, pen.width);
    painter().fillRect(QRectF(deviceX(x) - w / 2, deviceY(y) - w / 2, w, w), toQColor(pen.colour));
}

void PainterSurface::drawText(double x, double y, std::string_view text, const FontSpec& font,
                              Colour colour) {
    QPainter& p = painter();
    const QFontMetricsF& fm = metrics(font);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setFont(cachedFont_);
    p.setPen(toQColor(colour));
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (font.escapementDegrees == 0) {
        p.drawText(QPointF(deviceX(x), deviceY(y) + fm.ascent()), s);
        return;
    }
    p.save();
    p.translate(deviceX(x), deviceY(y));
    p.rotate(-font.escapementDegrees);  // counter-clockwise on a y-down device
    p.drawText(QPointF(0, fm.ascent()), s);
    p.restore();
}

void PainterSurface::drawNewPage() {
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(device_))
        paged->newPage();
    else
        drawClear(backColor());
}

const QFontMetricsF& PainterSurface::metrics(const FontSpec& font) const {
    if (!cachedMetrics_ || !(cachedSpec_ == font)) {
        QFont f(QString::fromStdString(font.face));
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(fontPixels(font)))));
        f.setBold(font.bold);
        cachedSpec_ = font;
        cachedFont_ = f;
        cachedMetrics_ =
            device_ ? std::make_unique<QFontMetricsF>(f, device_) : std::make_unique<QFontMetricsF>(f);
    }
    return *cachedMetrics_;
}

double PainterSurface::deviceTextWidth(std::string_view text, const FontSpec& font) const {
    return metrics(font).horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

double PainterSurface::deviceTextHeight(const FontSpec& font) const { return metrics(font).height(); }

ImageSurface::ImageSurface(int width, int height, double dpi)
    : PainterSurface(std::max(1, width), std::max(1, height), dpi, dpi, false) {
    resize(width, height);
}

void ImageSurface::resize(int width, int height) {
    end();
    image_ = QImage(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(1440.0 / twipsPerPixelX() / 0.0254));
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    image_.fill(toQColor(backColor()));
    setDevice(&image_);
}

QImage ImageSurface::image() {
    // With the painter ended the copy shares the pixels; the next drawing
    // detaches them, so the copy never changes under its holder.
    end();
    return image_;
}

}  // namespace aerolune::plot
