#pragma once
// Writing a plot to a PNG, SVG or PDF file through the same drawing code as
// the screen. The interface carries no Qt types, so the command-line
// companion uses it as it is.

#include <functional>
#include <optional>
#include <string>

#include "io/SafeFileWriter.h"
#include "plot/Surface.h"

namespace aerolune::plot {

enum class PlotFormat { Png, Svg, Pdf };

/// The format a file name asks for by its extension (.png, .svg, .pdf, any
/// case), or none.
std::optional<PlotFormat> plotFormatForPath(const std::string& path);

/// Draws a plot of width x height pixels (at 96 pixels per inch: a PDF page
/// or an SVG canvas of the same physical size) and writes it safely: the file
/// is complete or untouched. The surface looks like the screen's (markers
/// included), so the file shows what the plot area shows.
/// \param path file to write; its extension chooses the format
/// \param width, height size, pixels (1..20000 each)
/// \param draw draws the plot on the surface it is given
WriteResult writePlotFile(const std::string& path, int width, int height,
                          const std::function<void(Surface&)>& draw);

/// Makes sure Qt's painting can run in a program without a window (the
/// command-line companion): starts a headless GUI application when none runs.
void ensurePaintingAvailable();

}  // namespace aerolune::plot
