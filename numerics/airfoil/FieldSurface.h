#pragma once
// The surface solution as Flow receives it, turned into the vortex sheet of
// FieldVortexSheet.h and the free stream that goes with it.

#include <cstdint>
#include <vector>

#include "numerics/airfoil/FieldVortexSheet.h"

namespace aerolune {

struct SurfaceSolution {
    std::vector<double> x, y;  ///< nodes 0..m (node m closes the contour)
    std::vector<double> along; ///< velocity along each panel's direction just outside, panels 0..m-1
};

/// Read the caller's arrays (nodes 1..N, velocity ratios 1..N-1 per panel,
/// lower surface first). Panels of zero length and non-finite entries are
/// dropped. The signs: velocity ratios are positive where the flow runs from
/// the leading edge towards the trailing edge along their surface (panels
/// 1..(N-1)/2 are the lower surface, running towards the leading edge), so
/// the signs alone tell the direction of the flow everywhere. Returns false
/// when fewer than 3 panels remain.
bool readSurfaceSolution(const float* velocity, const float* x, const float* y, int32_t n,
                         SurfaceSolution& surface);

/// The sheet whose strength is the surface velocity, continuous at the nodes.
VortexSheet surfaceSheet(const SurfaceSolution& surface);

/// The free stream (U, V) for which the contour is a streamline: least squares
/// over the normal velocity at the panel midpoints.
void recoverFreeStream(const SurfaceSolution& surface, const VortexSheet& sheet, double& U, double& V);

/// Surface speed at a point on (or next to) the contour, interpolated along
/// the contour between the panel midpoints.
double surfaceSpeedAt(const SurfaceSolution& surface, double px, double py);

}  // namespace aerolune
