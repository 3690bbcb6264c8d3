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

PainterSurface::PainterSurface(QPaintDevice* device, double pixelWidth, double pixelHeight, double dpi,
                               bool printer)
    : SurfaceBase(pixelWidth, pixelHeight, dpi, dpi, printer), device_(device) {}

PainterSurface::~PainterSurface() { end(); }

bool PainterSurface::end() {
    const bool ended = !painter_ || !painter_->isActive() || painter_->end();
    painter_.reset();
    return ended && !failed_;
}

void PainterSurface::setDevice(QPaintDevice* device) {
    end();
    device_ = device;
    failed_ = false;
    setDeviceSize(device->width(), device->height());
}

bool PainterSurface::beginPainting(QPainter& p) {
    if (!p.begin(device_)) return false;
    // Crisp lines in exact palette colours (as the plot area has always
    // shown them); smooth text.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    return true;
}

QPainter* PainterSurface::painter() {
    if (painter_) return painter_.get();
    if (failed_ || !device_) return nullptr;
    auto p = std::make_unique<QPainter>();
    if (!beginPainting(*p)) {
        failed_ = true;
        return nullptr;
    }
    painter_ = std::move(p);
    return painter_.get();
}

QPen PainterSurface::makePen(const Pen& pen) const {
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
    return qpen;
}

QPainter* PainterSurface::applyPen(const Pen& pen, bool filled) {
    QPainter* p = painter();
    if (!p) return nullptr;
    p->setPen(makePen(pen));
    p->setBrush(filled ? QBrush(toQColor(pen.colour)) : QBrush(Qt::NoBrush));
    // Raster operations exist on images only; elsewhere the pen draws plainly.
    const bool xorOk = pen.mode == DrawMode::XorPen && device_->devType() == QInternal::Image;
    p->setCompositionMode(xorOk ? QPainter::RasterOp_SourceXorDestination
                                : QPainter::CompositionMode_SourceOver);
    return p;
}

void PainterSurface::drawClear(Colour back) {
    QPainter* p = painter();
    if (!p) return;
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->fillRect(QRectF(0, 0, pixelWidth(), pixelHeight()), toQColor(back));
}

void PainterSurface::drawLine(double x1, double y1, double x2, double y2, const Pen& pen) {
    if (QPainter* p = applyPen(pen, false))
        p->drawLine(QPointF(deviceX(x1), deviceY(y1)), QPointF(deviceX(x2), deviceY(y2)));
}

void PainterSurface::drawBox(double x1, double y1, double x2, double y2, const Pen& pen, bool filled) {
    if (QPainter* p = applyPen(pen, filled))
        p->drawRect(
            QRectF(QPointF(deviceX(x1), deviceY(y1)), QPointF(deviceX(x2), deviceY(y2))).normalized());
}

void PainterSurface::drawCircle(double x, double y, double r, const Pen& pen, bool filled) {
    const double radius = std::fabs(r / scaleWidth()) * pixelWidth();
    if (QPainter* p = applyPen(pen, filled)) p->drawEllipse(QPointF(deviceX(x), deviceY(y)), radius, radius);
}

// A point is a square as wide as the pen draws on this device.
void PainterSurface::drawPoint(double x, double y, const Pen& pen) {
    QPainter* p = applyPen(pen, true);
    if (!p) return;
    const double w = std::max(1.0, makePen(pen).widthF());
    p->fillRect(QRectF(deviceX(x) - w / 2, deviceY(y) - w / 2, w, w), toQColor(pen.colour));
}

void PainterSurface::drawText(double x, double y, std::string_view text, const FontSpec& font,
                              Colour colour) {
    QPainter* p = painter();
    if (!p) return;
    const QFontMetricsF& fm = metrics(font);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setFont(cachedFont_);
    p->setPen(toQColor(colour));
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (font.escapementDegrees == 0) {
        p->drawText(QPointF(deviceX(x), deviceY(y) + fm.ascent()), s);
        return;
    }
    p->save();
    p->translate(deviceX(x), deviceY(y));
    p->rotate(-font.escapementDegrees);  // counter-clockwise on a y-down device
    p->drawText(QPointF(0, fm.ascent()), s);
    p->restore();
}

void PainterSurface::drawNewPage() {
    if (!painter()) return;
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(device_))
        paged->newPage();
    else
        drawClear(backColor());
}

QFont PainterSurface::makeFont(const FontSpec& font) const {
    QFont f(QString::fromStdString(font.face));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(fontPixels(font)))));
    f.setBold(font.bold);
    return f;
}

const QFontMetricsF& PainterSurface::metrics(const FontSpec& font) const {
    if (!cachedMetrics_ || !(cachedSpec_ == font)) {
        cachedSpec_ = font;
        cachedFont_ = makeFont(font);
        cachedMetrics_ = device_ ? std::make_unique<QFontMetricsF>(cachedFont_, device_)
                                 : std::make_unique<QFontMetricsF>(cachedFont_);
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
