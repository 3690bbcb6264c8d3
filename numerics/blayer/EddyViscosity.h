#pragma once
// Cebeci-Smith algebraic eddy viscosity in the Falkner-Skan variables, with the
// Chen-Thyson intermittency that ramps it up after the transition point.
//
// Inner region (mixing length with van Driest damping):
//   eps_i / nu = kappa^2 sqrt(Re_x) eta^2 [1 - exp(-y/A)]^2 |v|,
//   y/A = N y+ / 26,  y+ = eta Re_x^(1/4) sqrt(v_w),
//   N = sqrt(1 - 11.8 p+),  p+ = m / (v_w^(3/2) Re_x^(1/4)).
// Outer region (Clauser, with Klebanoff's intermittency):
//   eps_o / nu = alpha sqrt(Re_x) (eta_e - f_e) / [1 + 5.5 (eta / eta_delta)^6],
//   alpha = 0.0168 x 1.55 / (1 + Pi), the low Re_theta correction of Cebeci.
// eps = eps_i from the wall up to where eps_i first reaches eps_o, eps_o beyond;
// both are multiplied by the streamwise intermittency gamma_tr. Re_theta and
// the thicknesses come from the profile being iterated.

#include "numerics/blayer/NormalGrid.h"

namespace aerolune::blayer {

/// What the model needs to know about the station besides the profile.
struct EddyStation {
    double reX;      ///< Ue x / nu
    double m;        ///< (x / Ue) dUe/dx
    double gammaTr;  ///< streamwise intermittency, 0 laminar .. 1 turbulent
};

/// Fills p.b = 1 + eps/nu and dbdv(j) = v(j) d b(j) / d v(j) (non-zero in the
/// inner region, where eps depends on the local shear): the box scheme uses
/// b + dbdv as the Newton coefficient of v. Laminar stations get b = 1.
void cebeciSmith(Profile& p, std::vector<double>& dbdv, const NormalGrid& grid, const EddyStation& st);

/// Chen-Thyson intermittency with Cebeci's low Reynolds number constant:
/// gamma = 1 - exp(-G (x - x_tr) integral_{x_tr}^{x} dx / Ue),
/// G = (3 / C^2) Ue_tr^3 Re^2 Re_x,tr^-1.34, C^2 = 213 (log10 Re_x,tr - 4.7323).
/// x, lengths in chords; velocities over the free stream; `re` chord Reynolds number.
double chenThysonGamma(double xMinusXtr, double integralDxOverUe, double ueTr, double reXtr, double re);

}  // namespace aerolune::blayer
