#pragma once
// The "layer" polar model: every angle of the sweep solved with the integral
// boundary layer and wake coupled simultaneously to the panel solution
// (numerics/viscous), natural e^N transition at N = 9. Lift and moment come
// from the viscous surface pressure, drag from the wake's momentum deficit
// far behind the section, so an aft-loaded section loses the lift its
// thickening upper-surface layer and wake take away.
//
// Compared with marching the finite-difference layer of the boundary-layer
// view and re-solving the displaced contour, the simultaneous coupling
// converges through laminar separation bubbles and trailing-edge separation,
// where the displacement feeds back on the pressure that made it, and its
// integral layer is two orders of magnitude cheaper per station.

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/PipelineSolve.h"
#include "analysis/PolarStore.h"

namespace aerolune {

/// Drag-model value that selects the coupled layer model.
inline constexpr int32_t kLayerDragModel = 3;

/// One row of the sweep on the section of `sol` (its nodes; the solution's
/// own angle is not used).
/// \param angleDeg angle of attack, degrees
/// \param re Reynolds number on the chord
/// \param point receives the row when it converged
/// \param why receives the reason when it did not
/// \return false when the coupled solution did not converge (the row is not computed)
bool layerPolarPoint(const SectionSolution& sol, double angleDeg, double re, PolarPoint& point,
                     std::string& why);

/// Every angle of a sweep (`solutions` holds the section's nodes), rows that
/// do not converge from their own start tried again from a neighbouring
/// angle's layer; a row that still does not converge is marked not computed
/// with the reason.
void layerPolarSweep(const std::vector<SectionSolution>& solutions, const std::vector<double>& angles,
                     double re, std::vector<PolarPoint>& points);

}  // namespace aerolune
