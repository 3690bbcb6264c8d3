#include "io/KeptMeshExport.h"

namespace aerolune {

MeshExportInput meshExportInput(const AppState& state) {
    const KeptMesh& kept = state.keptMesh;
    MeshExportInput input;
    input.I = kept.I;
    input.J = kept.J;
    input.x = kept.GridX;
    input.y = kept.GridY;
    return input;
}

}  // namespace aerolune
