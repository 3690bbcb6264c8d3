#pragma once
// The straight strokes of a PDF's pages, read back from its content streams
// in page points (origin at the bottom-left of the page), so a test measures
// what a printer will draw rather than what the program meant to draw.

#include <QByteArray>
#include <QString>
#include <vector>

namespace aerolune::test {

struct PdfStroke {
    int page = 0;  ///< 0-based, in the order the content streams appear
    double x1, y1, x2, y2;
};

/// Every "m"/"l" segment outside text objects, transformed by the current
/// matrix ("cm", "q", "Q"). Flate-compressed streams are inflated.
std::vector<PdfStroke> pdfStrokes(const QByteArray& pdf);

}  // namespace aerolune::test
