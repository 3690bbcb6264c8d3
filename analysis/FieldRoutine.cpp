#include "analysis/FieldRoutine.h"

#include <algorithm>
#include <cmath>

#include "common/VectorState.h"
#include "numerics/airfoil/Contr.h"
#include "numerics/airfoil/Flow.h"
#include "numerics/airfoil/FoilGrid.h"
#include "numerics/airfoil/MeshLimits.h"

namespace aerolune {

namespace {

constexpr FieldMeshSize kFlowViewMesh{61, 31, 6.0, 1.02};

bool sameContour(const KeptMesh& kept, const ClosedContour& contour) {
    return kept.ContourX.vector() == contour.x.vector() && kept.ContourY.vector() == contour.y.vector();
}

bool keptMeshServes(const AppState& state, const ClosedContour& contour, const FieldMeshSize& size) {
    const KeptMesh& kept = state.keptMesh;
    return kept.I == size.ni && kept.J == size.nj && kept.Radius == size.radius &&
           kept.Cluster == size.cluster && sameContour(kept, contour);
}

void keepMesh(AppState& state, const ClosedContour& contour, const FieldMeshSize& size, FieldMesh&& mesh) {
    KeptMesh& kept = state.keptMesh;
    kept.I = mesh.I;
    kept.J = mesh.J;
    kept.GridX = std::move(mesh.x);
    kept.GridY = std::move(mesh.y);
    kept.ContourX = contour.x;
    kept.ContourY = contour.y;
    kept.Radius = size.radius;
    kept.Cluster = size.cluster;
}

FieldMesh keptFieldMesh(const KeptMesh& kept) { return FieldMesh{kept.I, kept.J, kept.GridX, kept.GridY}; }

}  // namespace

FieldMeshSize fieldMeshSize(const AppState& state, int view) {
    if (view != kMeshView) return kFlowViewMesh;
    const MeshSettings& mesh = state.mesh;
    return FieldMeshSize{workingMeshDimension(mesh.pointsAround), workingMeshDimension(mesh.rings),
                         mesh.outerRadius, mesh.clustering};
}

ClosedContour closedContour(const AppState& state) {
    const SectionState& sec = state.section;
    const int32_t half = state.shared.HalfPoints;
    const std::ptrdiff_t points = 2 * static_cast<std::ptrdiff_t>(half);
    ClosedContour contour;
    if (half < 2 || sec.nodeX.size() < points || sec.nodeY.size() < points ||
        sec.surfaceSpeed.size() < points)
        return contour;
    contour.n = static_cast<int32_t>(points + 1);
    contour.x.resize(static_cast<std::size_t>(contour.n));
    contour.y.resize(static_cast<std::size_t>(contour.n));
    contour.velocity.resize(static_cast<std::size_t>(contour.n));
    for (std::ptrdiff_t i = 1; i <= points; ++i) {
        contour.x(i) = sec.nodeX(i);
        contour.y(i) = sec.nodeY(i);
        contour.velocity(i) = sec.surfaceSpeed(i);
    }
    contour.x(contour.n) = contour.x(1);
    contour.y(contour.n) = contour.y(1);
    contour.velocity(contour.n) = contour.velocity(1);
    return contour;
}

FieldMesh buildFieldMesh(const ClosedContour& contour, const FieldMeshSize& size) {
    FieldMesh mesh;
    mesh.I = workingMeshDimension(size.ni);
    mesh.J = workingMeshDimension(size.nj);
    mesh.x.resize(static_cast<std::size_t>(mesh.I), static_cast<std::size_t>(mesh.J));
    mesh.y.resize(static_cast<std::size_t>(mesh.I), static_cast<std::size_t>(mesh.J));
    // FoilGrid reads its radius and clustering from the y array it fills.
    mesh.y(1, 1) = static_cast<float>(size.radius);
    mesh.y(1, 2) = static_cast<float>(size.cluster);
    Array1<float> x = contour.x, y = contour.y;
    int32_t n = contour.n, ni = mesh.I, nj = mesh.J, one = 1;
    FoilGrid(x.data(), y.data(), &n, &ni, &nj, mesh.x.data(), mesh.y.data(), &one);
    return mesh;
}

FlowField computeFlowField(const ClosedContour& contour, const FieldMesh& mesh, int32_t stagPoint) {
    FlowField flow;
    flow.psi.resize(static_cast<std::size_t>(mesh.I), static_cast<std::size_t>(mesh.J));
    flow.cp.resize(static_cast<std::size_t>(mesh.I), static_cast<std::size_t>(mesh.J));
    Array1<float> v = contour.velocity, x = contour.x, y = contour.y;
    Array2<float> meshX = mesh.x, meshY = mesh.y;
    int32_t n = contour.n, ni = mesh.I, nj = mesh.J;
    Flow(v.data(), x.data(), y.data(), &n, meshX.data(), meshY.data(), &stagPoint, flow.cp.data(),
         flow.psi.data(), &ni, &nj);
    return flow;
}

FieldSegments contourSegments(const FieldMesh& mesh, const Array2<float>& field,
                              const Array1<float>& levels) {
    FieldSegments out;
    int32_t ni = mesh.I, nj = mesh.J, levelCount = static_cast<int32_t>(levels.size());
    out.capacity = ContrCapacity(ni, nj);
    const auto rows = static_cast<std::size_t>(out.capacity), cols = static_cast<std::size_t>(levelCount);
    out.x1.resize(rows, cols);
    out.y1.resize(rows, cols);
    out.x2.resize(rows, cols);
    out.y2.resize(rows, cols);
    out.count.resize(cols);
    if (levelCount < 1 || out.capacity < 1) return out;
    Array2<float> meshX = mesh.x, meshY = mesh.y, values = field;
    Array1<float> levelValues = levels;
    Contr(meshX.data(), meshY.data(), values.data(), levelValues.data(), &ni, &nj, &levelCount, out.x1.data(),
          out.y1.data(), out.x2.data(), out.y2.data(), out.count.data());
    return out;
}

void recolourLevels(FieldViewData& field, int foregroundIndex) {
    if (field.view != kStreamlineView || field.flow.psi.rows() == 0) return;
    field.levels = streamlineLevels(field.flow.psi(1, 1), foregroundIndex);
}

FieldViewData computeFieldView(AppState& state, int view) {
    FieldViewData out;
    if (view != kStreamlineView && view != kPressureView && view != kMeshView) return out;
    clearUpperVectorState();  // the previous drawing may have left the vector unit slow
    const ClosedContour contour = closedContour(state);
    if (contour.n == 0) return out;
    const FieldMeshSize size = fieldMeshSize(state, view);
    out.view = view;

    if (view == kMeshView) {
        if (state.mesh.rebuild || !keptMeshServes(state, contour, size)) {
            keepMesh(state, contour, size, buildFieldMesh(contour, size));
            state.mesh.rebuild = false;
        }
        out.mesh = keptFieldMesh(state.keptMesh);
        return out;
    }

    out.mesh = buildFieldMesh(contour, size);
    out.flow = computeFlowField(contour, out.mesh, state.analysis.stagnationIndex);
    if (view == kStreamlineView) {
        out.levels = streamlineLevels(out.flow.psi(1, 1), state.display.foregroundColour);
        out.segments = contourSegments(out.mesh, out.flow.psi, out.levels.levels);
    } else {
        out.levels = pressureLevels(state.analysis.cpHigh, state.analysis.cpLow);
        out.segments = contourSegments(out.mesh, out.flow.cp, out.levels.levels);
    }
    return out;
}

}  // namespace aerolune
