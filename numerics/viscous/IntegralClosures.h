#pragma once
// Closure relations of the two-equation integral boundary layer (momentum and
// kinetic-energy integral equations) with a shear-lag equation for the
// turbulent part, incompressible form.
//
// The correlations are those of Drela and Giles (AIAA Journal 25, 1987,
// pp. 1347-1355) for the laminar Falkner-Skan family and the turbulent
// Swafford profiles, with the dissipation and the lagged maximum shear stress
// of Drela (an analysis and design system for low Reynolds number airfoils,
// in Low Reynolds Number Aerodynamics, Springer Lecture Notes in
// Engineering 54, 1989), built on Green, Weeks and Brooman's lag-entrainment
// model (ARC R&M 3791, 1977):
//
//   laminar   H*        = 1.515 + 0.076 (4 - Hk)^2 / Hk          (Hk < 4)
//                       = 1.515 + 0.040 (Hk - 4)^2 / Hk          (Hk > 4)
//             Re_t Cf/2 = -0.067 + 0.01977 (7.4 - Hk)^2 / (Hk - 1)   (Hk < 7.4)
//                       = -0.067 + 0.022 (1 - 1.4 / (Hk - 6))^2      (Hk > 7.4)
//             2 Re_t CD / H* = 0.207 + 0.00205 (4 - Hk)^5.5        (Hk < 4)
//                            = 0.207 - 0.0016 (Hk - 4)^2 / (1 + 0.02 (Hk - 4)^2)
//   turbulent H*  = 1.505 + 4/Re_t + (0.165 - 1.6/sqrt(Re_t)) (H0 - Hk)^1.6 / Hk       (Hk < H0)
//                 = 1.505 + 4/Re_t + (Hk - H0)^2 (0.04/Hk + 0.007 ln Re_t / (Hk - H0 + 4/ln Re_t)^2)
//             H0  = 3 + 400 / Re_t (4 below Re_t = 400)
//             Cf  = 0.3 exp(-1.33 Hk) (log10 Re_t)^(-1.74 - 0.31 Hk)
//                   + 0.00011 (tanh(4 - Hk / 0.875) - 1)
//             Us  = H*/2 (1 - 4 (Hk - 1) / (3 Hk))      (wall-to-edge slip velocity)
//             CD  = Cf Us / 2 + Ctau (1 - Us)
//             Ctau_EQ = H* 0.015 / (1 - Us) (Hk - 1)^3 / Hk^3
//             delta = theta (3.15 + 1.72 / (Hk - 1)) + delta*
// The wake has no wall: Cf = 0 and twice the outer layer's dissipation, one
// shear layer on each side of its centre line.

namespace aerolune::viscous {

enum class Regime { Laminar, Turbulent, Wake };

/// The closure figures at one station.
struct Closure {
    double Hk = 0.0;      ///< kinematic shape factor delta* / theta (held to the closures' range)
    double Hs = 0.0;      ///< kinetic-energy shape factor H*
    double Cf = 0.0;      ///< skin friction on the edge dynamic pressure
    double Cd = 0.0;      ///< dissipation coefficient
    double CtauEq = 0.0;  ///< equilibrium maximum shear coefficient (turbulent, wake)
    double Us = 0.0;      ///< normalised slip velocity (turbulent, wake)
    double delta = 0.0;   ///< layer thickness, chords (turbulent, wake)
};

/// \param Hk delta* / theta
/// \param reTheta Re on theta and the edge speed
/// \param theta momentum thickness, chords
/// \param ctau maximum shear coefficient (turbulent and wake layers; unused when laminar)
Closure closure(Regime regime, double Hk, double reTheta, double theta, double ctau);

/// The e^N envelope's amplification rate dN/dxi (per chord) of a laminar
/// layer, switched on smoothly over a narrow band about the critical Re_theta
/// so that the coupled Newton iteration sees a differentiable rate.
double amplificationRate(double Hk, double reTheta, double theta);

/// The shear coefficient a turbulent layer starts from where transition
/// occurs at kinematic shape factor Hk: a fraction of the equilibrium value
/// that grows with Hk (a separated laminar layer becomes turbulent faster).
double transitionShear(double Hk, double reTheta, double theta);

}  // namespace aerolune::viscous
