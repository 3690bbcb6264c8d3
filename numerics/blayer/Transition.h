#pragma once
// Where the laminar layer turns turbulent under the "natural/artificial"
// transition model: Eppler's criterion for a smooth wall, and a roughness
// Reynolds number criterion that brings transition forward on a rough one.
//
// Eppler's criterion weighs Re_theta against the energy shape factor
// H32 = delta3 / theta, which falls in adverse pressure gradients, so a
// decelerating layer turns turbulent at a lower Re_theta than a flat-plate
// one (ln Re_theta = 7.18, Re_x = 3.9e6, on a flat plate). Michel's
// criterion, which looks at Re_x alone, puts transition on a NACA 0012 at
// Re 1e6 about a quarter chord ahead of where the e^9 method has it.

#include "numerics/blayer/NormalGrid.h"

namespace aerolune::blayer {

/// Eppler: transition once ln Re_theta >= 18.4 H32 - 21.74.
bool epplerTransition(double reTheta, double h32);

/// Roughness elements of height k trip the layer where the roughness Reynolds
/// number u(k) k / nu, with u(k) the laminar velocity at the top of the
/// elements, first reaches 600 (the critical value for distributed roughness,
/// von Doenhoff and Horton).
constexpr double criticalRoughnessReynolds = 600.0;

/// u(k) k / nu at one station. k and `scale` (y = scale x eta) in chords,
/// ue over the free stream, `re` the chord Reynolds number.
double roughnessReynolds(const Profile& p, const NormalGrid& grid, double scale, double ue, double k, double re);

/// True when the laminar station should be the transition point.
/// \param reTheta  Ue theta / nu
/// \param h32      energy shape factor delta3 / theta
/// \param reK      roughness Reynolds number (0 for a smooth wall)
bool naturalTransition(double reTheta, double h32, double reK);

}  // namespace aerolune::blayer
