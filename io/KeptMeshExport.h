#pragma once
// The mesh export's input from the application state: the mesh the mesh view
// keeps (AppState::keptMesh), at the size it was built with. That is MeshX x
// MeshY whenever those lie in the mesh generator's working range; a typed size
// outside it was built (and is written) at the limited size, so the header
// line always matches the nodes that follow.

#include "analysis/AppState.h"
#include "io/MeshExport.h"

namespace aerolune {

/// The kept mesh as the mesh export reads it; I = J = 0 (an export error)
/// when the mesh view has not built a mesh yet.
/// \param state the application state
MeshExportInput meshExportInput(const AppState& state);

}  // namespace aerolune
