#pragma once
// The rings next to the wall: ring 2 and every further ring within a tenth
// of the circle radius of the wall (in the circle plane), placed on straight
// lines along the wall normals so that the radial lines leave the wall at
// right angles. The distance of ring j from the wall is the conformal map's
// (ring radius minus circle radius, times the local scale factor |dz/dw|),
// with the scale factor kept within a band about its median and smoothed
// along the wall: at the trailing-edge corner the map's scale factor falls to
// zero, and there the elliptic smoother would pull strongly clustered rings
// into the corner and fold them; the layer gives it a rounded inner boundary
// instead.
//
// The layer never folds. Each line leaves its node along the bisector of the
// two wall segments' normals (it points out of the body on both sides of the
// node, also at a sharp corner whose neighbouring nodes lie at unequal
// distances, where the normal of the chord through them may not), and keeps
// pointing out of the body on both sides wherever it is turned. Where the wall is concave (a
// deflected flap's hinge) neighbouring lines converge: there they are first
// averaged with their neighbours, then the layer is lowered until its top
// cells unfold, which always happens and never folds another cell. Every ring
// of the layer is then unfolded as well (see MeshWallLayer.cpp).

#include <cstdint>

#include "common/Array.h"

namespace aerolune {

/// Set the wall layer from ring 1; returns the first ring above it (at least 3).
/// \param angle ring angles (ringAngles())
/// \param rho ring radii (ringRadii())
int32_t placeWallLayer(const Array1<double>& angle, const Array1<double>& rho, Array2<double>& x,
                       Array2<double>& y);

}  // namespace aerolune
