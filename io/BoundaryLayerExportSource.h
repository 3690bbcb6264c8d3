#pragma once
// The boundary-layer export's input taken from the application state's
// finite-difference boundary layer (BoundaryLayer).

#include "analysis/AppState.h"
#include "io/BoundaryLayerExport.h"

namespace aerolune {

/// The solution as the export for boundaryLayerPlot reads it. Thickness and
/// friction list every shown station of a surface (up to 95 % chord, the
/// rows past a separation continued as BoundaryLayer left them); the
/// profile layouts count only the shown stations that have a velocity
/// profile, those solved before the layer separated. The combined station
/// x list runs as the contour does: the lower surface's stations from the
/// last one back to the stagnation point, then the upper surface's.
/// Profile k of S (BlVelView) is upper station Int((k - 1) U / S) + 1 and
/// lower station Int(k L / S), at least 1. An empty input (counts 0) when
/// the state holds no solution.
BoundaryLayerExportInput boundaryLayerExportInput(const AppState& state);

}  // namespace aerolune
