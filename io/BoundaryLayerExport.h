#pragma once
// The boundary-layer export: velocity profiles, thickness or friction of one
// surface, whichever the boundary-layer view shows.

#include <cstdint>
#include <string>
#include <vector>

#include "io/ExportText.h"

namespace aerolune {

/// One surface of the boundary-layer solution as the export reads it.
struct BoundaryLayerSurfaceExport {
    std::vector<double> arcLengthPct;  ///< per station, % chord from the stagnation point
    std::vector<double> thickness;     ///< per station, as the thickness plot shows it
    std::vector<double> friction;      ///< per station, skin-friction coefficient
    /// Velocity profiles kept by the solution: profile k (0-based) holds the
    /// distance from the wall of each point and u/Uinf there.
    std::vector<std::vector<double>> profileDistance;
    std::vector<std::vector<double>> profileVelocity;
};

/// The whole solution: the surfaces and where their stations sit in the
/// combined station x list.
struct BoundaryLayerExportInput {
    int32_t upperCount = 0;        ///< U, upper-surface stations
    int32_t lowerCount = 0;        ///< L, lower-surface stations
    std::vector<double> stationX;  ///< combined station x list; entry 1 is stationX[0]; chords
    int32_t upperOffset = 0;       ///< upper station s is entry s + upperOffset
    int32_t lowerEndIndex = 0;     ///< lower station s is entry lowerEndIndex - s + 1
    int32_t profileCount = 0;      ///< S, profiles kept per surface
    int32_t profilePoints = 0;     ///< P, points across each profile
    BoundaryLayerSurfaceExport upper;
    BoundaryLayerSurfaceExport lower;
};

/// The export for the boundary-layer view displayOpt (1 upper profiles, 2 lower
/// profiles, 3 upper thickness, 4 lower thickness, 5 upper friction, 6 lower
/// friction); any other view gives an empty text. Numbers use "#0.00000".
/// Every index the layout asks for must lie within the lists; otherwise the
/// result carries the reason and no text.
/// \param displayOpt boundaryLayerPlot
/// \param name the airfoil field's text
/// \param reynolds the Reynolds number as text (re)
ExportText boundaryLayerExportText(int32_t displayOpt, const std::string& name, const std::string& reynolds,
                                   const BoundaryLayerExportInput& solution);

}  // namespace aerolune
