#include "numerics/airfoil/FoilGrid.h"

#include <algorithm>

#include "common/Array.h"
#include "numerics/airfoil/MeshConformal.h"
#include "numerics/airfoil/MeshLimits.h"
#include "numerics/airfoil/MeshRings.h"
#include "numerics/airfoil/MeshSmoother.h"
#include "numerics/airfoil/MeshStart.h"
#include "numerics/airfoil/MeshValidity.h"
#include "numerics/airfoil/MeshWallLayer.h"

namespace aerolune {

namespace {

constexpr int kSmoothingSweeps = 20;
constexpr int kUntanglePasses = 50;

// Copy the working mesh into the caller's NI x NJ arrays; nodes beyond the
// working block repeat the nearest node of the block.
void writeMesh(const Array2<double>& x, const Array2<double>& y, std::ptrdiff_t ni, std::ptrdiff_t nj,
               float* meshX, float* meshY) {
    View2<float> outX(meshX, ni, nj), outY(meshY, ni, nj);
    for (std::ptrdiff_t j = 1; j <= nj; ++j)
        for (std::ptrdiff_t i = 1; i <= ni; ++i) {
            const std::ptrdiff_t iw = std::min(i, x.rows()), jw = std::min(j, x.cols());
            outX(i, j) = static_cast<float>(x(iw, jw));
            outY(i, j) = static_cast<float>(y(iw, jw));
        }
}

}  // namespace

void FoilGrid(float* x, float* y, int32_t* n, int32_t* ni, int32_t* nj, float* meshX, float* meshY,
              int32_t*) {
    if (*ni < kMinMeshDimension || *nj < kMinMeshDimension || *n < 1) return;
    const int32_t niWork = workingMeshDimension(*ni), njWork = workingMeshDimension(*nj);
    const double requestedRadius = meshY[0];
    const double requestedRatio = meshY[*ni];  // element (1,2), column-major

    SectionContour contour;
    if (!readSectionContour(x, y, *n, contour)) return;
    const MeshFrame frame = meshFrameOf(contour);
    if (!(frame.sectionSize > 0.0)) return;
    const double radius = workingOuterRadius(requestedRadius, frame.sectionSize);
    const Array1<double> s = radialDistribution(njWork, workingClusteringRatio(requestedRatio, njWork));

    const CirculationMap map = circulationMap(contour, frame);
    const Array1<double> angle = ringAngles(niWork, map.angle, frame);
    const Array1<double> rho = ringRadii(s, map.radius, radius);

    Array2<double> gx(niWork, njWork), gy(niWork, njWork);
    placeWallRing(contour, map.angle, angle, gx, gy);
    placeOuterRing(frame, radius, angle, map.farAngle, gx, gy);
    fillConformalStart(frame, angle, rho, map.farAngle, gx, gy);
    Array2<double> plainX = gx, plainY = gy;
    const int32_t firstFree = placeWallLayer(angle, rho, gx, gy);
    smoothMesh(gx, gy, angle, rho, firstFree, kSmoothingSweeps);
    if (!untangleMesh(gx, gy, firstFree, kUntanglePasses)) {
        // Cells beyond the wall layer stayed folded (never seen over the mesh
        // dialog's range on the sections we check): the plain elliptic mesh
        // instead, if that one holds.
        smoothMesh(plainX, plainY, angle, rho, 2, kSmoothingSweeps);
        if (untangleMesh(plainX, plainY, 2, kUntanglePasses)) {
            gx = std::move(plainX);
            gy = std::move(plainY);
        }
    }
    writeMesh(gx, gy, *ni, *nj, meshX, meshY);
}

}  // namespace aerolune
