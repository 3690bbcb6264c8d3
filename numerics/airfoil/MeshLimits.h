#pragma once
// Working values for the mesh entries. The mesh dialog accepts typed values
// without a range check, so FoilGrid, Flow and Contr bring every size they are
// handed into a range they can work with before they touch memory:
//
// - mesh dimensions NI, NJ: above kMaxMeshDimension the entries work on the
//   leading kMaxMeshDimension x kMaxMeshDimension block of the caller's arrays
//   (indexed with the caller's NI, so (i, j) means the same node on both
//   sides); every node outside that block is a copy of the nearest node of the
//   block (index clamped), so a mesh drawing shows no stray lines and a
//   contour finds no stray crossings. Below kMinMeshDimension no mesh fits in
//   the arrays at all: FoilGrid and Flow leave them as they are and Contr
//   reports no segments. Callers should allocate with workingMeshDimension()
//   so that this never happens.
// - the outer radius: at or below the section size (twice the largest distance
//   of a contour point from mid-chord, i.e. about one chord) or not finite, it
//   becomes twice the section size; above kMaxRadiusInSections section sizes it
//   is limited to that.
// - the clustering ratio: at or below 1 or not finite it becomes
//   kMinClusteringRatio, the weakest clustering the mesh dialog offers; it is
//   also lowered where it would make the first radial spacing smaller than
//   kMinFirstSpacing of the wall-to-circle distance (a float mesh cannot hold
//   cells thinner than that, and the dialog never asks for them).

#include <cstdint>

namespace aerolune {

inline constexpr int32_t kMinMeshDimension = 3;
inline constexpr int32_t kMaxMeshDimension = 1000;
inline constexpr double kMinClusteringRatio = 1.001;
inline constexpr double kMaxRadiusInSections = 1000.0;
inline constexpr double kMinFirstSpacing = 1.0e-5;

/// A requested mesh dimension limited to kMinMeshDimension..kMaxMeshDimension.
int32_t workingMeshDimension(int32_t requested);

/// Outer radius actually used, chords.
/// \param requested radius asked for, chords
/// \param sectionSize twice the largest distance of a contour point from the
///        mesh centre, chords
double workingOuterRadius(double requested, double sectionSize);

/// Radial growth ratio actually used for nj rings (see the header comment).
double workingClusteringRatio(double requested, int32_t nj);

}  // namespace aerolune
