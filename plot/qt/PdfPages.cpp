#include "plot/qt/PdfPages.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

#include "plot/qt/HeadlessApplication.h"
#include "plot/qt/PagedSurface.h"

namespace aerolune::plot {

PdfPages renderPdfPages(const PdfPageSetup& setup, const std::function<std::string(Surface&)>& draw) {
    ensureHeadlessApplication();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PdfPages out;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setCreator("Aerolune");
        const QPageSize size(setup.paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
        // The painter covers the whole sheet; the margins are kept by the
        // surface, so a length on the page is the same length on paper.
        writer.setPageLayout(QPageLayout(size,
                                         setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Inch));
        const QRectF sheet = writer.pageLayout().fullRectPixels(writer.resolution());
        const double m = setup.marginInches * writer.resolution();
        PagedSurface page(writer, writer.resolution(), sheet.adjusted(m, m, -m, -m));
        out.problem = draw(page);
        if (!page.finish()) out.problem = "the PDF document could not be completed";
        if (!out.problem.empty() || !page.started()) return out;
    }
    out.bytes.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return out;
}

}  // namespace aerolune::plot
