#pragma once
// What BoundaryLayer makes of one surface's result table once the solver has
// marched it: the drag term at the trailing edge, the thickness and friction
// continued past a separation, and the contour displaced by the layer.

#include <cstdint>

#include "analysis/BoundaryLayerSolution.h"
#include "analysis/BoundaryLayerStations.h"
#include "common/Array.h"

namespace aerolune {

/// The surface's term of boundaryLayerCd, Squire and Young's trailing-edge drag
/// 2 q Ue^((5 + H) / 2) at the last solved station R, with H = delta* / theta
/// and Ue of that station. q is theta there carried on to the trailing edge
/// in proportion to arc length, theta(R) x s(n) / s(R): unchanged when the
/// layer reaches the trailing edge, and a separated surface is not credited
/// with the thin layer it had where it separated. Read from the solver's own
/// rows, so call it before continuePastSeparation. 0 with fewer than two
/// solved stations.
double trailingEdgeDragTerm(const BoundaryLayerSurface& surface);

/// Continues delta*, theta and Cf (columns 2, 3 and 4) where the march
/// stopped. The first row i where the layer stops being a layer is found:
/// the last solved station when the layer separated before the trailing
/// edge (the next row is empty), or an earlier one where delta* grows faster
/// than the arc length, (delta*(i+1) - delta*(i)) / (s(i+1) - s(i) + 1e-7) > 1.
/// Rows i - 1 to n then take the straight line through rows i - 2 and i - 1
/// (slope denominator + 1e-6), and row 1 is set to 0 in the three columns.
/// A fall of delta* within the solved rows is no such sign: the layer thins
/// where the flow accelerates and where it turns turbulent.
/// \return the row i, or 0 when the layer was continued nowhere
int32_t continuePastSeparation(BoundaryLayerSurface& surface);

/// Node ordinates moved out along the surface normal by the displacement
/// thickness: node j (2..N) by delta* at the node, the mean of its two
/// panels' stations, times the x-component of the unit tangent at the node.
/// That tangent is the mean of the two segments' meeting there, so the
/// normal does not lean to either side: the leading-edge node of a symmetric
/// section at 0 degrees stays on the chord line; the trailing-edge node (1 and N + 1) by half the difference
/// of the two surfaces' trailing-edge thicknesses, the middle of the two displaced surfaces there. \param c
/// the contour and its panel solution \param lower,upper the two surfaces, post-processed \return
/// ordinates 1..N + 1, chords
Array1<float> displacedOrdinates(const PanelContour& c, const BoundaryLayerSurface& lower,
                                 const BoundaryLayerSurface& upper);

}  // namespace aerolune
