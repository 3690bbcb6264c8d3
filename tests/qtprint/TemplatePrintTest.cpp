// Rib templates printed into a PDF measure on paper what they say: the
// strokes are read back from the document's drawing commands.

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "app/TemplateCommands.h"
#include "plot/qt/PdfPages.h"
#include "print/RibTemplates.h"
#include "qtprint/PdfStrokes.h"
#include "support/NullSeam.h"

namespace aerolune {
namespace {

QByteArray printedOnQPrinter(const AppState& state, const print::TemplateFields& fields,
                             QPageSize::PageSizeId size, std::string* problem) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ribs.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(size));
    *problem = printTemplates(printer, state, fields);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray printedByCompanion(const AppState& state, const print::TemplateFields& fields) {
    const print::TemplateJob job = print::templateJob(state, print::readTemplateFields(fields).settings);
    const plot::PdfPages pdf =
        plot::renderPdfPages({}, [&job](plot::Surface& page) { return print::printRibTemplates(page, job); });
    return QByteArray(pdf.bytes.data(), static_cast<qsizetype>(pdf.bytes.size()));
}

struct Measured {
    double ribAlongPage = 0;     // extent down the page of the strokes in the left half
    std::vector<double> rulers;  // lengths of the vertical strokes in the right half, longest last
};

Measured measure(const QByteArray& pdf, double pageWidth) {
    Measured m;
    double lo = 1e300, hi = -1e300;
    for (const test::PdfStroke& s : test::pdfStrokes(pdf)) {
        if (std::max(s.x1, s.x2) < pageWidth / 2) {  // the rib at the left, the ruler at the right edge
            lo = std::min({lo, s.y1, s.y2});
            hi = std::max({hi, s.y1, s.y2});
        } else if (std::fabs(s.x1 - s.x2) < 1e-6) {
            m.rulers.push_back(std::fabs(s.y2 - s.y1));
        }
    }
    m.ribAlongPage = hi - lo;
    std::sort(m.rulers.begin(), m.rulers.end());
    return m;
}

TEST(TemplatePdf, SixInchRibAndRulerMeasureTrueOnPaper) {
    const AppState state = test::recomputed(AppState{});  // NACA 0012 at start-up
    const print::TemplateFields sixInches{"6", "6", "0", "1", false};
    std::string problem;
    const QByteArray fromPrinter = printedOnQPrinter(state, sixInches, QPageSize::Letter, &problem);
    ASSERT_EQ(problem, "");
    struct Case {
        const char* path;
        QByteArray pdf;
        double pageWidth;  // points
    } cases[] = {{"print dialog (letter)", fromPrinter, 612.0},
                 {"companion (A4)", printedByCompanion(state, sixInches), 595.276}};
    for (const Case& c : cases) {
        ASSERT_TRUE(c.pdf.startsWith("%PDF")) << c.path;
        const Measured m = measure(c.pdf, c.pageWidth);
        // 6 in = 432 pt; 0.5 pt is the tolerance a builder's rule cannot see.
        EXPECT_NEAR(m.ribAlongPage, 432.0, 0.5) << c.path;
        ASSERT_EQ(m.rulers.size(), 2u) << c.path;
        EXPECT_NEAR(m.rulers[0], 100.0 / 25.4 * 72.0, 0.5) << c.path;  // 100 mm = 283.46 pt
        EXPECT_NEAR(m.rulers[1], 288.0, 0.5) << c.path;                // 4 in
    }
}

TEST(TemplatePdf, RefusedJobLeavesNoDocument) {
    const AppState state = test::recomputed(AppState{});  // NACA 0012 at start-up
    const print::TemplateFields cases[] = {
        {"0", "6", "0", "1", false},    // no root chord
        {"6", "6", "0", "500", false},  // more ribs than sensible
        {"80", "80", "0", "1", false},  // thicker than the page is wide
    };
    for (const print::TemplateFields& f : cases) {
        std::string problem;
        EXPECT_TRUE(printedOnQPrinter(state, f, QPageSize::A4, &problem).isEmpty()) << f.rootChord;
        EXPECT_NE(problem, "") << f.rootChord;
    }
}

}  // namespace
}  // namespace aerolune
