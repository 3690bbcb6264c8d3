#pragma once
// Where the laminar layer turns turbulent under the "natural/artificial"
// transition model: the e^N envelope method for a smooth wall, and a
// roughness Reynolds number criterion that brings transition forward on a
// rough one.
//
// The envelope method follows the amplification of the most unstable
// Tollmien-Schlichting wave as a function of the local shape factor and
// momentum thickness Reynolds number alone, with the correlations of Drela
// and Giles (AIAA Journal 25, 1987, pp. 1347-1355) fitted to the
// Falkner-Skan family's Orr-Sommerfeld solutions:
//
//   dN/dRe_theta   = 0.01 sqrt( (2.4 H - 3.7 + 2.5 tanh(1.5 H - 4.65))^2 + 0.25 )
//   log10 Re_theta0 = (1.415 / (H - 1) - 0.489) tanh(20 / (H - 1) - 12.9)
//                     + 3.295 / (H - 1) + 0.44
//   l(H) = (6.54 H - 14.07) / H^2
//   m(H) = (0.058 (H - 4)^2 / (H - 1) - 0.068) / l(H)
//   dN/dx = dN/dRe_theta x (m + 1) / 2 x l / theta      (Re_theta > Re_theta0)
//
// N grows from zero where Re_theta first exceeds Re_theta0; transition is
// where it reaches 9, the value for a quiet free stream (van Ingen's e^9).

#include "numerics/blayer/NormalGrid.h"

namespace aerolune::blayer {

/// The amplification exponent at which the layer turns turbulent.
constexpr double criticalAmplification = 9.0;

/// Re_theta above which the envelope amplifies, for shape factor H.
double criticalReTheta(double H);

/// dN/dx of the envelope at one station (x, theta in the same unit), 0 at
/// or below the critical Re_theta.
double amplificationRate(double H, double theta, double reTheta);

/// Roughness elements of height k trip the layer where the roughness Reynolds
/// number u(k) k / nu, with u(k) the laminar velocity at the top of the
/// elements, first reaches 600 (the critical value for distributed roughness,
/// von Doenhoff and Horton).
constexpr double criticalRoughnessReynolds = 600.0;

/// u(k) k / nu at one station. k and `scale` (y = scale x eta) in chords,
/// ue over the free stream, `re` the chord Reynolds number.
double roughnessReynolds(const Profile& p, const NormalGrid& grid, double scale, double ue, double k,
                         double re);

}  // namespace aerolune::blayer
