#pragma once
// analyse --model layer: the coupled boundary layer and wake solved at the
// one angle analysed, its lift, drag, moment and transition in place of the
// inviscid and estimated figures.

#include <vector>

#include "analysis/AppState.h"
#include "analysis/PolarStore.h"
#include "cli/ResultField.h"

namespace aerolune::cli {

/// The coupled solution at the state's angle and Reynolds number on the
/// state's section (already built by the recomputation). Throws
/// AnalysisError, with the angle and the reason, when it does not converge.
PolarPoint layerRowAtAngle(AppState& state);

/// Replaces the lift, both moments, the centre of pressure, the drag, the
/// effective angle and both transition points in `fields` with the coupled
/// solution's figures.
void useLayerRow(std::vector<ResultField>& fields, const PolarPoint& row);

}  // namespace aerolune::cli
