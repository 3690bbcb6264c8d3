#pragma once
// A printer page or PDF document as a drawing surface, at true scale: an
// inch in world units is an inch on paper whatever the device's resolution,
// with the unit scale covering the page's printable area. Painting starts
// with the first figure, so a job that draws nothing (because it was refused)
// leaves no page behind.

#include <QPainter>
#include <QRectF>

#include "plot/SurfaceBase.h"

class QPagedPaintDevice;

namespace aerolune::plot {

class PagedSurface : public SurfaceBase {
public:
    /// \param device the printer or PDF writer, its page layout already set
    /// \param dpi the device's resolution, pixels per inch
    /// \param printable the printable area in device pixels, relative to the
    ///        origin a painter on the device starts with
    PagedSurface(QPagedPaintDevice& device, int dpi, const QRectF& printable);
    ~PagedSurface() override;

    /// Ends the document (or print job) if anything was drawn.
    /// \return false when the device failed to finish it
    bool finish();
    /// True once the first figure started the document.
    bool started() const { return started_; }

protected:
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
    bool begin();
    QPen qpen(const Pen& pen, double dashOffset) const;
    QFont qfont(const FontSpec& font) const;

    QPagedPaintDevice& device_;
    QRectF printable_;
    QPainter painter_;
    bool failed_ = false;
    bool started_ = false;
    // Where the last line ended and how far along its dash pattern, so a
    // dashed outline drawn segment by segment keeps one even pattern.
    QPointF lastEnd_;
    double dashRun_ = 0.0;
};

}  // namespace aerolune::plot
