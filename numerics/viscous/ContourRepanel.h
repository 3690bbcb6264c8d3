#pragma once
// The contour the coupled boundary layer is solved on: the section's outline
// redistributed along its arc length, fine about the nose and no finer than a
// set fraction of the mean spacing at the trailing edge.
//
// The integral boundary layer describes flow whose pressure changes over
// lengths much larger than its thickness; a panel shorter than the
// displacement thickness gives its source a self-induced speed change (about
// sigma / (pi L) for a panel of length L) that the layer equations cannot
// follow, and the coupled iteration then oscillates at the trailing edge,
// where the layer is thickest. A full cosine spacing at 160 points puts
// panels of 4e-4 chord there against a displacement thickness of about 3e-3.
// Coordinate files bring any spacing at all; the redistribution gives every
// section the same, suitable one.

#include <vector>

namespace aerolune::viscous {

/// \param x,y nodes from the trailing edge along the lower surface, round
///   the nose and back along the upper surface (the trailing edge not repeated)
/// \param nodes the number of nodes wanted (even)
/// \param outX,outY the redistributed nodes in the same order
/// \return false when the outline cannot be redistributed (too few or
///   coincident nodes)
bool repanelContour(const std::vector<double>& x, const std::vector<double>& y, int nodes,
                    std::vector<double>& outX, std::vector<double>& outY);

}  // namespace aerolune::viscous
