#pragma once
// One station of the turbulent integral boundary layer: skin friction from the
// Ludwieg-Tillmann law and the shape factor from the equilibrium relation
// between the Clauser pressure-gradient parameter and Coles' wake strength,
// settled by fixed-point iteration.

namespace aerolune {

/// Number of fixed-point passes TurbulentStep makes; a fixed count keeps the
/// march's cost per station constant and its results reproducible.
inline constexpr int kTurbulentStepIterations = 30;

/// Settles Cf and H at one turbulent station. Each of 30 passes evaluates
///   Cf   = 0.3 exp(-1.33 H) (log10 Re_theta)^(-1.74 - 0.31 H)
///   l    = sqrt(2 / Cf)
///   beta = -l^2 H theta g / (Ue + 1e-05)
///   G    = (-0.76 + sqrt(0.5776 + 1.68 (beta + 0.4))) / 0.84
///   D    = (2 + 3.179 G + 1.5 G^2) / (0.4 (1 + G))
///   H    = l / (l - D)
/// and stops early with separation as soon as Cf is not positive or H leaves
/// 0..6. A value that is not a number (Re_theta at or below 1 makes the
/// logarithm's power undefined) counts as not positive, so it also ends in
/// separation rather than in a NaN that would slip past the range tests. A
/// favourable gradient strong enough to make the root's argument negative is
/// held at the edge of its domain (argument 0): the relation has no branch
/// there and the layer is certainly attached.
/// \param Cf skin-friction coefficient (out; its value on entry is not used)
/// \param H shape factor, start value on entry, settled value on return
/// \param theta momentum thickness, chords
/// \param Re_theta Reynolds number on the momentum thickness
/// \param Ue edge velocity, ratio to the free stream
/// \param g edge-velocity gradient dUe/ds, per chord
/// \return true when the layer separated
bool TurbulentStep(double& Cf, double& H, double theta, double Re_theta, double Ue, double g);

}  // namespace aerolune
