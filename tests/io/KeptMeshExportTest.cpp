// The mesh export fed from the mesh the mesh view keeps in the state.

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/FieldRoutine.h"
#include "io/AsciiFile.h"
#include "io/KeptMeshExport.h"
#include "support/NullSeam.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

using test::nearlyEqual;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out.push_back(line);
    }
    return out;
}

void readPair(const std::string& line, double& a, double& b) {
    char* end = nullptr;
    a = std::strtod(line.c_str(), &end);
    b = std::strtod(end, nullptr);
}

TEST(KeptMeshExport, WritesTheMeshViewsMeshLineByLine) {
    AppState state;
    state.texts.sectionName = "2412";
    state.texts.angleText = "3";
    state.mesh.pointsAround = 31;
    state.mesh.rings = 23;  // typed, not a list value
    state.display.view = 6;
    state = test::recomputed(state);
    computeFieldView(state, kMeshView);

    const MeshExportInput input = meshExportInput(state);
    const ExportText text = asciiFileText(state, {&input, nullptr});
    ASSERT_TRUE(text.ok()) << text.error;
    const std::vector<std::string> out = lines(text.text);
    ASSERT_EQ(out.size(), 1u + 31u * 23u);
    double I = 0, J = 0;
    readPair(out[0], I, J);
    EXPECT_EQ(I, 31);
    EXPECT_EQ(J, 23);
    // Line 2 is node (I, 1), the last line node (1, J); values in the free
    // form of a single (7 significant digits, so 1e-6 relative).
    const struct {
        std::size_t line;
        int32_t i, j;
    } nodes[] = {{1, 31, 1}, {2, 30, 1}, {32, 31, 2}, {out.size() - 1, 1, 23}};
    for (const auto& n : nodes) {
        double x = 0, y = 0;
        readPair(out[n.line], x, y);
        EXPECT_TRUE(nearlyEqual(x, state.keptMesh.GridX(n.i, n.j), 1e-7, 1e-6)) << out[n.line];
        EXPECT_TRUE(nearlyEqual(y, state.keptMesh.GridY(n.i, n.j), 1e-7, 1e-6)) << out[n.line];
    }
}

TEST(KeptMeshExport, NoMeshYetIsAnErrorNotAnEmptyFile) {
    AppState state;
    state.display.view = 6;
    const MeshExportInput input = meshExportInput(state);
    EXPECT_FALSE(asciiFileText(state, {&input, nullptr}).ok());
}

}  // namespace
}  // namespace aerolune
