#pragma once
// The drawing surface on a Qt paint device: the screen's backing image, a
// printer page, a PDF, SVG or PNG file. Coordinates stay floating point down
// to the painter, and text is measured on the device itself, so a 600-dpi
// page keeps its true sizes.

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <memory>

#include "plot/SurfaceBase.h"

namespace aerolune::plot {

/// The Qt colour of a surface colour.
QColor toQColor(Colour colour);

class PainterSurface : public SurfaceBase {
public:
    /// Draws on device, which must outlive the surface (or the call to end()).
    /// \param device the paint device; its size and logical resolution are the surface's
    /// \param printer true for printer pages and documents
    PainterSurface(QPaintDevice* device, bool printer);
    ~PainterSurface() override;

    /// Finishes painting (a file device writes itself out); drawing again
    /// starts a new painter on the same device.
    /// \return false when painting could not start or the device failed to finish
    bool end();

protected:
    PainterSurface(double pixelWidth, double pixelHeight, double dpiX, double dpiY, bool printer);
    /// Draws on device with a drawable area of its own size and resolution
    /// (a page's printable area).
    PainterSurface(QPaintDevice* device, double pixelWidth, double pixelHeight, double dpi, bool printer);
    /// Points the surface at another device of another size (the screen
    /// image after a resize).
    void setDevice(QPaintDevice* device);
    QPaintDevice* device() const { return device_; }

    /// Starts the painter on the device (done at the first figure); false
    /// when the device refuses it, and then nothing is drawn.
    virtual bool beginPainting(QPainter& painter);
    /// The Qt pen and font of a surface pen and font on this device.
    virtual QPen makePen(const Pen& pen) const;
    virtual QFont makeFont(const FontSpec& font) const;

    void drawClear(Colour back) override;
    void drawLine(double x1, double y1, double x2, double y2, const Pen& pen) override;
    void drawBox(double x1, double y1, double x2, double y2, const Pen& pen, bool filled) override;
    void drawCircle(double x, double y, double r, const Pen& pen, bool filled) override;
    void drawPoint(double x, double y, const Pen& pen) override;
    void drawText(double x, double y, std::string_view text, const FontSpec& font, Colour colour) override;
    void drawNewPage() override;
    double deviceTextWidth(std::string_view text, const FontSpec& font) const override;
    double deviceTextHeight(const FontSpec& font) const override;

private:
    /// The active painter, or null when painting could not start.
    QPainter* painter();
    QPainter* applyPen(const Pen& pen, bool filled);
    const QFontMetricsF& metrics(const FontSpec& font) const;

    QPaintDevice* device_ = nullptr;
    std::unique_ptr<QPainter> painter_;
    bool failed_ = false;
    // The last font asked for, built once: graphs measure and print the same
    // few fonts hundreds of times per redraw.
    mutable FontSpec cachedSpec_;
    mutable QFont cachedFont_;
    mutable std::unique_ptr<QFontMetricsF> cachedMetrics_;
};

/// The screen's plot area: a backing image the widget paints, so that
/// exclusive-or drawing (the zoom rubber band) works on what is shown.
class ImageSurface : public PainterSurface {
public:
    /// \param width, height image size, device pixels
    /// \param dpi logical resolution of the screen, pixels per inch
    ImageSurface(int width, int height, double dpi = 96.0);
    /// Ends the painter while the image it paints on still exists.
    ~ImageSurface() override { end(); }

    /// A new image of this size filled with the back colour; the scale
    /// rectangle stays.
    void resize(int width, int height);
    /// The picture as drawn so far.
    QImage image();

private:
    QImage image_;
};

}  // namespace aerolune::plot
