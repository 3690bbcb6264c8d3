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

// A typed mesh dimension as the program converts it to a whole number (to the
// nearest, halves to even), brought into the working range before any
// allocation; text without a number and non-numbers read as 0.
int32_t meshDimension(const Variant& value) {
    double d = value.toDouble();
    if (!std::isfinite(d)) d = 0.0;
    d = std::clamp(d, -1.0e6, 1.0e6);
    return workingMeshDimension(static_cast<int32_t>(std::nearbyint(d)));
}

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
    const MainWindowPublic& pub = state.pub;
    return FieldMeshSize{meshDimension(pub.MeshX), meshDimension(pub.MeshY), pub.OuterRadius.toDouble(),
                         pub.GridCluster.toDouble()};
}

ClosedContour closedContour(const AppState& state) {
    const SectionState& sec = state.section;
    const int32_t half = state.shared.HalfPoints;
    const std::ptrdiff_t points = 2 * static_cast<std::ptrdiff_t>(half);
    ClosedContour contour;
    if (half < 2 || sec.NodeX.size() < points || sec.NodeY.size() < points || sec.SurfVel.size() < points)
        return contour;
    contour.n = static_cast<int32_t>(points + 1);
    contour.x.resize(static_cast<std::size_t>(contour.n));
    contour.y.resize(static_cast<std::size_t>(contour.n));
    contour.velocity.resize(static_cast<std::size_t>(contour.n));
    for (std::ptrdiff_t i = 1; i <= points; ++i) {
        contour.x(i) = sec.NodeX(i);
        contour.y(i) = sec.NodeY(i);
        contour.velocity(i) = sec.SurfVel(i);
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
        if (state.pub.NewGrid.toDouble() == 1.0 || !keptMeshServes(state, contour, size)) {
            keepMesh(state, contour, size, buildFieldMesh(contour, size));
            state.pub.NewGrid = int16_t{0};
        }
        out.mesh = keptFieldMesh(state.keptMesh);
        return out;
    }

    out.mesh = buildFieldMesh(contour, size);
    out.flow = computeFlowField(contour, out.mesh, state.pub.stagnationIndex.toInt());
    if (view == kStreamlineView) {
        out.levels = streamlineLevels(out.flow.psi(1, 1), state.priv.ForegroundIndex);
        out.segments = contourSegments(out.mesh, out.flow.psi, out.levels.levels);
    } else {
        out.levels = pressureLevels(state.pub.CpHigh.toDouble(), state.pub.CpLow.toDouble());
        out.segments = contourSegments(out.mesh, out.flow.cp, out.levels.levels);
    }
    return out;
}

}  // namespace aerolune
