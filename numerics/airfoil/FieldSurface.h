#pragma once
// The surface solution as Flow receives it, turned into the vortex sheet of
// FieldVortexSheet.h and the free stream that goes with it.

#include <cstdint>
#include <vector>

#include "numerics/airfoil/FieldVortexSheet.h"

namespace aerolune {

struct SurfaceSolution {
    std::vector<double> x, y;   ///< nodes 0..m (node m closes the contour)
    std::vector<double> along;  ///< velocity along each panel's direction just outside, panels 0..m-1
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

/// Sheet strength at the nodes 0..m, undoing what the section builder's panel
/// solution reports per panel: the mean of the panel's two nodal strengths,
/// except on the two trailing-edge panels, where it is the wedge-flow speed
/// scaled from the next node (ratio 0.5^(tau / (2 pi - tau)) for an edge of
/// interior angle tau), with the strength zero at the trailing edge itself.
/// Least squares over the m panel values for the m - 1 free nodal values;
/// signed like SurfaceSolution::along.
std::vector<double> nodalStrength(const SurfaceSolution& surface);

/// The sheet whose strength is the surface velocity: linear on each panel
/// between the nodal strengths (nodalStrength()), i.e. the panel solution's
/// own sheet when the surface solution comes from the section builder.
VortexSheet surfaceSheet(const SurfaceSolution& surface);

/// The free stream (U, V) for which the stream function of the sheet plus
/// U y - V x takes one value at every node, the condition the section
/// builder's panel solution meets (least squares; unweighted, as the panel
/// solution holds it at every node alike).
void recoverFreeStream(const SurfaceSolution& surface, const VortexSheet& sheet, double& U, double& V);

/// Surface speed at a point on (or next to) the contour, interpolated along
/// the contour between the panel midpoints.
double surfaceSpeedAt(const SurfaceSolution& surface, double px, double py);

}  // namespace aerolune
