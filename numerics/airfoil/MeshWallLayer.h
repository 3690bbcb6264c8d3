#pragma once
// The rings next to the wall, marched out from it one ring at a time. Ring j
// lies, at each node, the conformal map's distance beyond ring j - 1 (the
// ring radii's step on the circle times the local scale factor |dz/dw|, kept
// within a band about its median and smoothed along the wall: at the
// trailing-edge corner the map's scale factor falls to zero, and the elliptic
// smoother would pull strongly clustered rings into the corner and fold
// them). Each node moves along the bisector of the two ring segments' normals
// at it, so the radial lines leave the wall at right angles; where a step is
// thick against the node spacing, nodes at a concave corner (a deflected
// flap's hinge) are spread along the ring and the tip of a sharp convex one
// (the trailing edge) is held back, which rounds the ring. The layer reaches
// a tenth of the circle radius out, and at the trailing edge a few node
// spacings, so that the smoother starts from a rounded ring.
//
// The layer never folds: a step whose cell folds has its nodes put back on
// their bisectors and their steps shortened until it unfolds, which always
// happens and never folds another cell (see MeshWallLayer.cpp).

#include <cstdint>

#include "common/Array.h"

namespace aerolune {

/// Set the wall layer from ring 1; returns the first ring above it (at least 3).
/// \param angle ring angles (ringAngles())
/// \param rho ring radii (ringRadii())
int32_t placeWallLayer(const Array1<double>& angle, const Array1<double>& rho, Array2<double>& x,
                       Array2<double>& y);

}  // namespace aerolune
