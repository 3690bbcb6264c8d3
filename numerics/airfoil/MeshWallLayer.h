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
// instead. Where the wall is concave (a deflected flap's hinge) neighbouring
// normals can cross within the layer; there they are averaged with their
// neighbours, and the distance shortened if that is not enough, until the
// layer is unfolded.

#include <cstdint>

#include "common/Array.h"

namespace aerolune {

/// True when the quadrilateral cell with corners qx, qy (0..3, counter-
/// clockwise) does not fold: one of its diagonals splits it into two counter-
/// clockwise triangles (one reflex corner is allowed: the cells at the
/// trailing-edge corner may have one).
bool cellUnfolded(const double* qx, const double* qy);

/// Move the nodes of folded cells (rings 2..NJ-1) towards the mean of their
/// four neighbours, a few passes at most; true when no cell is left folded.
bool untangleMesh(Array2<double>& x, Array2<double>& y, int passes);

/// Set the wall layer from ring 1; returns the first ring above it (at least 3).
/// \param angle ring angles (ringAngles())
/// \param rho ring radii (ringRadii())
int32_t placeWallLayer(const Array1<double>& angle, const Array1<double>& rho, Array2<double>& x,
                       Array2<double>& y);

}  // namespace aerolune
