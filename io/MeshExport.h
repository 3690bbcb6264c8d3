#pragma once
// The mesh export: the mesh size, then every node, mesh line by mesh line.

#include <cstdint>

#include "common/Array.h"
#include "io/ExportText.h"

namespace aerolune {

/// The mesh as the export needs it: I points around, J points outward, node
/// coordinates in chords (column-major I x J, as the mesh generator leaves them).
struct MeshExportInput {
    int32_t I = 0;  ///< MeshX
    int32_t J = 0;  ///< MeshY
    Array2<float> x;
    Array2<float> y;
};

/// First line I and J, then for j = 1..J and i = 1..I the node (I - i + 1, j):
/// x and y, all in the free numeric print form in print zones. I and J must be
/// positive and within the arrays.
ExportText meshExportText(const MeshExportInput& mesh);

}  // namespace aerolune
