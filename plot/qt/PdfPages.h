#pragma once
// Pages drawn through the drawing surface into a PDF document at true scale,
// for callers without a printer or a window (the command-line companion).

#include <functional>
#include <string>

#include "plot/Surface.h"

namespace aerolune::plot {

enum class Paper { A4, Letter };

struct PdfPageSetup {
    Paper paper = Paper::A4;
    bool landscape = false;
    double marginInches = 0.25;  ///< kept blank on every side: most printers cannot print there
};

struct PdfPages {
    std::string bytes;    ///< the document; empty when nothing was drawn
    std::string problem;  ///< why nothing was drawn, as the drawing said
};

/// Runs `draw` on a paged surface whose unit scale is the printable area
/// (the page less its margins) and returns the PDF. A Qt application is
/// started for the fonts when the process has none.
/// \param setup paper, orientation and margins
/// \param draw draws every page; returns empty, or why it drew nothing
PdfPages renderPdfPages(const PdfPageSetup& setup, const std::function<std::string(Surface&)>& draw);

}  // namespace aerolune::plot
