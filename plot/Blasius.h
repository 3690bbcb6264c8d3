#pragma once
// The Blasius flat-plate velocity profile, drawn beside the computed
// profiles for comparison.

#include <vector>

namespace aerolune::plot {

struct BlasiusCurve {
    std::vector<double> u;  ///< u / Uinf
    std::vector<double> y;  ///< distance from the wall, the caller's units
};

/// The profile with this displacement thickness and edge velocity ratio,
/// from the wall up to height yTop (or the layer's edge, eta = 8, if lower).
/// An unusable thickness or velocity gives an empty curve.
BlasiusCurve blasiusProfile(double displacementThickness, double edgeVelocity, double yTop);

}  // namespace aerolune::plot
