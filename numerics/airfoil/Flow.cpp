#include "numerics/airfoil/Flow.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "common/Array.h"
#include "common/ParallelFor.h"
#include "numerics/airfoil/FieldSurface.h"
#include "numerics/airfoil/MeshLimits.h"

namespace aerolune {

namespace {

void fillZero(float* field, std::ptrdiff_t count) { std::fill(field, field + count, 0.0f); }

// The wall's stream-function value: the mean over the panel midpoints.
double wallStreamValue(const SurfaceSolution& s, const VortexSheet& sheet, double U, double V) {
    double sum = 0.0;
    for (std::size_t k = 0; k < s.along.size(); ++k) {
        const double mx = 0.5 * (s.x[k] + s.x[k + 1]), my = 0.5 * (s.y[k] + s.y[k + 1]);
        sum += sheet.at(mx, my).psi + U * my - V * mx;
    }
    return sum / static_cast<double>(s.along.size());
}

}  // namespace

void Flow(float* velocity, float* x, float* y, int32_t* n, float* meshX, float* meshY, int32_t*,
          float* cpField, float* psiField, int32_t* ni, int32_t* nj) {
    if (*ni < kMinMeshDimension || *nj < kMinMeshDimension) return;
    const std::ptrdiff_t rows = *ni, cols = *nj;
    const std::ptrdiff_t niWork = workingMeshDimension(*ni), njWork = workingMeshDimension(*nj);
    SurfaceSolution surface;
    if (*n < 4 || !readSurfaceSolution(velocity, x, y, *n, surface)) {
        fillZero(cpField, rows * cols);
        fillZero(psiField, rows * cols);
        return;
    }
    const VortexSheet sheet = surfaceSheet(surface);
    double U = 1.0, V = 0.0;
    recoverFreeStream(surface, sheet, U, V);
    const double psiWall = wallStreamValue(surface, sheet, U, V);

    View2<float> mx(meshX, rows, cols), my(meshY, rows, cols), cp(cpField, rows, cols),
        psi(psiField, rows, cols);
    // Every node's value is its own: the rings are shared out among the cores.
    parallelFor(static_cast<int>(njWork), [&](int ring) {
        const std::ptrdiff_t j = ring + 1;
        for (std::ptrdiff_t i = 1; i < niWork; ++i) {
            const double px = mx(i, j), py = my(i, j);
            const FieldValue f = sheet.at(px, py);
            psi(i, j) = static_cast<float>(f.psi + U * py - V * px - psiWall);
            if (j == 1) {
                const double speed = surfaceSpeedAt(surface, px, py);
                cp(i, j) = static_cast<float>(1.0 - speed * speed);
            } else {
                const double u = U + f.u, v = V + f.v;
                cp(i, j) = static_cast<float>(1.0 - (u * u + v * v));
            }
        }
    });
    // The seam repeats node 1, and nodes beyond the working block repeat the
    // nearest node of the block.
    for (std::ptrdiff_t j = 1; j <= cols; ++j)
        for (std::ptrdiff_t i = 1; i <= rows; ++i) {
            if (i < niWork && j <= njWork) continue;
            const std::ptrdiff_t iw = i >= niWork ? 1 : i, jw = std::min(j, njWork);
            cp(i, j) = cp(iw, jw);
            psi(i, j) = psi(iw, jw);
        }
}

double recoveredStreamAngleDeg(const float* velocity, const float* x, const float* y, int32_t n) {
    SurfaceSolution surface;
    if (n < 4 || !readSurfaceSolution(velocity, x, y, n, surface))
        return std::numeric_limits<double>::quiet_NaN();
    double U = 1.0, V = 0.0;
    recoverFreeStream(surface, surfaceSheet(surface), U, V);
    return std::atan2(V, U) * 180.0 / std::numbers::pi;
}

}  // namespace aerolune
