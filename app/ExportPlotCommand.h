#pragma once
// File > Export Plot (exportPlot): the current view written as a PNG, SVG
// or PDF file through the same drawing as the plot area, at its size.

#include <QSize>
#include <string>

#include "analysis/AppState.h"

class QWidget;

namespace aerolune {

/// Draws the current view (view) into the file, its format by the path's
/// extension; the file is written safely (complete or untouched).
/// \return empty when written, else the reason, naming the file
std::string exportPlot(AppState& state, const std::string& path, QSize size);

/// askAndExportPlot: asks for the file (PNG, SVG and PDF filters; a name
/// without an extension gets the chosen filter's), exports the view at the
/// plot area's size and shows a failure with its reason. Cancelling the
/// dialog ends the command silently.
/// \param parent the main window (dialog parent)
/// \param plotSize the plot area's size, pixels
void askAndExportPlot(AppState& state, QWidget* parent, QSize plotSize);

}  // namespace aerolune
