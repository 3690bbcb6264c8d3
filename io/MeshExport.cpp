#include "io/MeshExport.h"

#include <string>

#include "common/PrintForm.h"

namespace aerolune {

ExportText meshExportText(const MeshExportInput& mesh) {
    ExportText out;
    const int32_t I = mesh.I;
    const int32_t J = mesh.J;
    if (I < 1 || J < 1 || I > mesh.x.rows() || J > mesh.x.cols() || I > mesh.y.rows() || J > mesh.y.cols()) {
        out.error = "the mesh of " + std::to_string(I) + " x " + std::to_string(J) +
                    " points does not match the mesh computed (" + std::to_string(mesh.x.rows()) + " x " +
                    std::to_string(mesh.x.cols()) + ")";
        return out;
    }
    appendLine(out.text, zonedPair(freeFormDouble(I), freeFormDouble(J)));
    for (int32_t j = 1; j <= J; ++j) {
        // Each mesh line is written from its last node back to its first.
        for (int32_t i = 1; i <= I; ++i) {
            const int32_t node = I - i + 1;
            appendLine(out.text, zonedPair(freeFormSingle(mesh.x(node, j)), freeFormSingle(mesh.y(node, j))));
        }
    }
    return out;
}

}  // namespace aerolune
