#include "io/AsciiFile.h"

#include "common/NumberText.h"
#include "io/CoordinatesFile.h"
#include "io/SurfaceExport.h"

namespace aerolune {

namespace {

ExportText missing(const char* what) {
    ExportText out;
    out.error = std::string("there is no ") + what + " to save yet";
    return out;
}

ExportText surface(const AppState& state, SurfaceQuantity quantity) {
    const SectionState& section = state.section;
    // The stations about the section: the thin-airfoil model's point count, which every
    // recomputation sets to 2 x HalfPoints.
    const int32_t n = 2 * state.shared.HalfPoints;
    const Array1<float>& values =
        quantity == SurfaceQuantity::PressureCoefficient ? section.surfaceCp : section.surfaceSpeed;
    return surfaceExportText(quantity, state.texts.sectionName, state.texts.angleReadout, section.controlX,
                             values, n);
}

}  // namespace

ExportText asciiFileText(const AppState& state, const AsciiFileSources& sources) {
    switch (state.display.view) {
        case 1:
            return coordinatesFileText(state.texts.sectionName, state.section.nodeX, state.section.nodeY,
                                       state.shared.TotalPoints.toInt());
        case 2:
            return surface(state, SurfaceQuantity::PressureCoefficient);
        case 3:
            return surface(state, SurfaceQuantity::Velocity);
        case 6:
            return sources.mesh != nullptr ? meshExportText(*sources.mesh) : missing("mesh");
        case 7:
            if (sources.boundaryLayer == nullptr) return missing("boundary-layer solution");
            return boundaryLayerExportText(static_cast<int>(state.display.boundaryLayerPlot),
                                           state.texts.sectionName, formatGeneral(state.flow.reynolds),
                                           *sources.boundaryLayer);
        case 10:
            return {polarExportText(polarExportBlocks(state.analysis.polars, state.analysis.polarCount)), {}};
        default:
            return {};
    }
}

WriteResult AsciiFile(const AppState& state, const std::string& path, const AsciiFileSources& sources) {
    ExportText file = asciiFileText(state, sources);
    if (!file.ok()) return {false, "cannot save \"" + path + "\": " + file.error};
    return writeFileReplacing(path, file.text);
}

}  // namespace aerolune
