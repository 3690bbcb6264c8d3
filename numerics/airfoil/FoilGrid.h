#pragma once
// O-mesh about a closed section: NI nodes round (node NI repeats node 1, the
// seam on the trailing edge), NJ rings outward. Ring 1 lies on the section
// contour, resampled by arc length with points gathered at the leading and
// trailing edges, lower surface first like the contour; ring NJ is a circle
// about mid-chord (the midpoint of the trailing edge, contour point 1, and the
// contour point farthest from it). The rings in between follow a geometric
// radial spacing with the given clustering ratio: the rings next to the wall
// are marched out from it at right angles (MeshWallLayer.h), the rest smoothed
// elliptically (MeshSmoother.h), and any cell still folded in the float mesh
// is repaired by moving its free nodes (MeshValidity.h).
// Working limits for hostile sizes, radii and ratios: MeshLimits.h.

#include <cstdint>

namespace aerolune {

/// Build the mesh.
/// \param x, y closed section contour x(1..N), y(1..N), chords; point N may
///        repeat point 1; point 1 is the trailing edge
/// \param n N, number of contour points
/// \param ni NI, nodes round the section
/// \param nj NJ, rings outward
/// \param meshX mesh x, NI x NJ column-major, chords (out)
/// \param meshY mesh y, NI x NJ column-major, chords; on entry element (1,1)
///        holds the outer radius in chords and element (1,2) the radial
///        clustering ratio (ratio of successive ring spacings, > 1); out: mesh y
/// \param one always 1 (unused)
void FoilGrid(float* x, float* y, int32_t* n, int32_t* ni, int32_t* nj, float* meshX, float* meshY,
              int32_t* one);

}  // namespace aerolune
