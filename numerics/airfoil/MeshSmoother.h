#pragma once
// Elliptic smoothing of the O-mesh: the interior nodes are moved towards the
// solution of Winslow's equations in index space,
//   alpha (x_ii + P x_i) - 2 beta x_ij + gamma (x_jj + Q x_j) = 0   (same for y)
//   alpha = x_j^2 + y_j^2,  beta = x_i x_j + y_i y_j,  gamma = x_i^2 + y_i^2,
// whose solutions do not fold. The control functions P (round) and Q (outward)
// are those of one-dimensional stretchings, -t''/t' of the node angles round
// and -s''/s' of ln rho outward, so that with the conformal boundary data of
// MeshConformal.h the solution is that map: orthogonal, leaving the wall at
// right angles, with the spacing the clustering ratio asks for. Rings 1 and NJ
// stay where they are. i is periodic: node NI repeats node 1.

#include <cstdint>

#include "common/Array.h"

namespace aerolune {

/// Smooth the interior of the mesh in place.
/// \param x, y mesh nodes (NI x NJ), rings 1 and NJ set, interior initialised
/// \param angle round coordinate of the nodes, angle(1..NI), rising (ringAngles())
/// \param rho ring radii on the circle, rho(1..NJ) (ringRadii()); the outward
///        coordinate of the smoothed mesh is ln rho, as in the conformal map
/// \param firstFree first ring that moves (rings before it are held)
/// \param maxSweeps upper bound on the relaxation sweeps
void smoothMesh(Array2<double>& x, Array2<double>& y, const Array1<double>& angle, const Array1<double>& rho,
                int32_t firstFree, int maxSweeps);

}  // namespace aerolune
