#pragma once
// A printer page or PDF document as a drawing surface, at true scale: an
// inch in world units is an inch on paper whatever the device's resolution,
// with the unit scale covering the page's printable area. Painting starts
// with the first figure, so a job that draws nothing (because it was refused)
// leaves no page behind. It draws as every painter surface does; what paper
// asks for beyond that is here: pens and dashes measured in inches, fonts in
// points, and no painting over a blank page to clear it.

#include <QRectF>

#include "plot/qt/PainterSurface.h"

class QPagedPaintDevice;

namespace aerolune::plot {

class PagedSurface : public PainterSurface {
public:
    /// \param device the printer or PDF writer, its page layout already set
    /// \param dpi the device's resolution, pixels per inch
    /// \param printable the printable area in device pixels, relative to the
    ///        origin a painter on the device starts with
    PagedSurface(QPagedPaintDevice& device, int dpi, const QRectF& printable);
    ~PagedSurface() override;

    /// Ends the document (or print job) if anything was drawn.
    /// \return false when the device failed to start or finish it
    bool finish() { return end(); }
    /// True once the first figure started the document.
    bool started() const { return started_; }

protected:
    bool beginPainting(QPainter& painter) override;
    QPen makePen(const Pen& pen) const override;
    QFont makeFont(const FontSpec& font) const override;

    void drawClear(Colour back) override;
    void drawLine(double x1, double y1, double x2, double y2, const Pen& pen) override;
    void drawNewPage() override;

private:
    void restartDashes();

    QRectF printable_;
    bool started_ = false;
    // Where the last line ended and how far along its dash pattern, so a
    // dashed outline drawn segment by segment keeps one even pattern.
    QPointF lastEnd_;
    double dashRun_ = 0.0;
    double dashOffset_ = 0.0;  ///< of the line being drawn, device pixels
};

}  // namespace aerolune::plot
