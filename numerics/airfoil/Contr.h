#pragma once
// Iso-line segments of a nodal field on the structured mesh, by marching
// squares over its quadrilateral cells: each cell edge whose end values
// straddle the level is cut by linear interpolation, and the cuts are joined
// inside the cell; in a saddle cell (corners alternately above and below) the
// mean of the four corners decides which pairs join. A node counts as above
// when its value is at or above the level. The cut on an edge is always
// computed from the same end, so the two cells sharing an edge produce the
// very same point and the segments of a level join end to end; the O-mesh
// seam needs nothing more, since node NI repeats node 1.
//
// Output layout: the segment arrays are column-major capacity x levels, with
// capacity = ContrCapacity(NI, NJ): segment s of level k is element (s, k),
// i.e. offset (s - 1) + capacity * (k - 1); count(k) segments of level k are
// filled, never more than capacity (every cell gives at most two segments a
// level). A level that is not finite gives no segments.

#include <cstdint>

namespace aerolune {

/// Segments per level Contr can produce on an NI x NJ mesh: the leading
/// dimension of its four output arrays. Sizes are limited as in MeshLimits.h;
/// 0 when no cell fits.
int32_t ContrCapacity(int32_t ni, int32_t nj);

/// Extract the iso-segments of every level.
/// \param meshX, meshY mesh, NI x NJ column-major, chords
/// \param field nodal values, NI x NJ column-major
/// \param levels level values 1..levelCount
/// \param ni NI, \param nj NJ
/// \param levelCount number of levels (none when below 1)
/// \param x1, y1, x2, y2 segment ends, chords, ContrCapacity(NI, NJ) x levelCount (out)
/// \param count segments per level, 1..levelCount (out)
void Contr(float* meshX, float* meshY, float* field, float* levels, int32_t* ni, int32_t* nj,
           int32_t* levelCount, float* x1, float* y1, float* x2, float* y2, int32_t* count);

}  // namespace aerolune
