#pragma once
// Where the mesh lines meet the wall. A mesh whose round lines are the
// streamlines and whose outward lines are the potential lines of the flow
// that only circulates about the section (no free stream, the section a
// streamline) is orthogonal everywhere: that flow's complex potential is the
// logarithm of the conformal map of the outside of the section onto the
// outside of a circle. Its potential, taken round the wall, is the angle on
// that circle; spacing the wall nodes evenly in it gathers them at the leading
// edge (where the section turns fast) and at the trailing edge (a corner),
// and much like cosine spacing on a thin section. Giving the outer circle's
// nodes the same angles leaves the elliptic smoother little to undo.

#include <vector>

#include "numerics/airfoil/MeshRings.h"

namespace aerolune {

/// The circle the section maps to.
struct CirculationMap {
    /// Angle on the circle, radians, at each contour point 0..n-1 and, as
    /// element n, at the closing point (2 pi): the potential of the unit
    /// circulating flow about the section scaled to one turn. Rises strictly.
    std::vector<double> angle;
    /// Radius of the circle, chords (the section's conformal radius: a quarter
    /// of the chord for a flat plate): far away the map is z - z0 ~ w.
    double radius = 0.0;
    /// Where the circle's angle 0 lies far away, radians anticlockwise from
    /// the x axis: a point at angle phi on the circle maps, far out, to the
    /// direction farAngle - phi. Only for a section symmetric about the line
    /// through its trailing edge and mid-chord is this the trailing edge's own
    /// direction; a cambered section or a deflected flap turns the map by up
    /// to some twenty degrees (much like the zero-lift angle), and outer nodes
    /// placed without that turn would twist every radial line of the mesh.
    double farAngle = 0.0;
};

/// Solve the circulating flow. Falls back to the arc length scaled to one turn,
/// a quarter of the section size and the trailing edge's direction if the flow
/// cannot be solved (a contour that collapses onto itself).
CirculationMap circulationMap(const SectionContour& contour, const MeshFrame& frame);

}  // namespace aerolune
