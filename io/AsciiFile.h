#pragma once
// Save ASCII File: the data behind the current view as a text file.

#include <string>
#include <vector>

#include "analysis/AppState.h"
#include "io/BoundaryLayerExport.h"
#include "io/ExportText.h"
#include "io/MeshExport.h"
#include "io/PolarExport.h"
#include "io/SafeFileWriter.h"

namespace aerolune {

/// Results the exports read that the application state does not hold itself
/// yet: the mesh and the boundary-layer solution, as their owners hand them
/// over. A missing one makes its export fail with a reason.
struct AsciiFileSources {
    const MeshExportInput* mesh = nullptr;
    const BoundaryLayerExportInput* boundaryLayer = nullptr;
};

/// The file for the current view view: 1 coordinates (TotalPoints points),
/// 2 surface Cp and 3 surface velocity (2 x HalfPoints stations), 6 mesh,
/// 7 boundary layer (as boundaryLayerPlot selects), 10 the first PolarCount polars
/// of the polar store; any other view gives
/// an empty file, as it always has.
ExportText asciiFileText(const AppState& state, const AsciiFileSources& sources = {});

/// Writes asciiFileText to path (the export path chosen in the save dialog),
/// replacing the file only when the whole text is written. Returns why not
/// when the export cannot be made or the file cannot be written.
WriteResult AsciiFile(const AppState& state, const std::string& path, const AsciiFileSources& sources = {});

}  // namespace aerolune
