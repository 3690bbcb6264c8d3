#pragma once
// The discrete integral boundary-layer equations between two neighbouring
// stations, in the logarithmic form that stays well scaled from the
// stagnation point to the far wake (Drela and Giles, AIAA J. 25, 1987):
//
//   momentum       ln(theta2/theta1) + (H + 2) ln(Ue2/Ue1) - dxi Cf / (2 theta) = 0
//   kinetic energy ln(H*2/H*1) + (1 - H) ln(Ue2/Ue1) + dxi (Cf/2 - 2 CD/H*) / theta = 0
//   laminar        N2 - N1 - dxi dN/dxi = 0                      (e^N envelope)
//   turbulent      ln(S2/S1) + ln(Ue2/Ue1)
//                    - dxi [ K (S_EQ - S) / (2 delta)
//                            + 4 / (3 delta*) (Cf/2 - ((Hk - 1) / (6.7 Hk))^2) ] = 0
// with S = sqrt(Ctau) (the shear-lag equation, K = 5.6) and the source terms
// averaged over the two stations (trapezoidal rule). An interval in which N
// reaches its critical value is split at the transition point (N linear in
// xi): laminar up to it, turbulent behind it from the transition shear.
//
// Station state: c (N when laminar, S when turbulent), theta, the mass defect
// m = Ue delta*, and the edge speed Ue (all in chords and free-stream units).

#include <array>

#include "numerics/viscous/IntegralClosures.h"

namespace aerolune::viscous {

struct StationState {
    double c = 0.0, theta = 0.0, m = 0.0, ue = 0.0;
};

using Residual = std::array<double, 3>;

enum class IntervalKind { Laminar, Transition, Turbulent, Wake };

/// Residual of the interval from station a (at xiA) to station b (at xiB);
/// `fromStagnation` when a is the first station behind the stagnation point.
Residual intervalResidual(IntervalKind kind, const StationState& a, const StationState& b, double xiA,
                          double xiB, bool fromStagnation, double re, double ncrit);

/// The laminar amplification reached at b from a (N at a plus the interval's
/// growth), for deciding whether the interval holds the transition point.
double amplificationAt(const StationState& a, const StationState& b, double dxi, double re);

/// Where in the interval N reaches ncrit, as a fraction of dxi (0..1; 1 when
/// it is not reached), growing at the rate of its upstream station a. The
/// downstream station of a transition interval is turbulent: a laminar rate
/// taken from its state (a low shape factor, hence no growth) would halve
/// the interval's amplification and push the transition point downstream.
double transitionFraction(const StationState& a, double dxi, double re, double ncrit);

/// The first station on either side of the stagnation point: Hiemenz's
/// plane stagnation-point layer for the edge-speed gradient a = dUe/dxi
/// there, theta = 0.29234 / sqrt(Re a), H = 2.216, N = 0. (theta does not
/// depend on the distance from the stagnation point, so the station stays
/// well defined however close to it the point moves.)
Residual stagnationResidual(const StationState& s, double gradient, double re);

/// The wake's first station at the trailing edge takes both surfaces' layers:
/// theta and m add, and S is their theta-weighted mean (a laminar surface
/// brings its transition shear).
Residual wakeStartResidual(const StationState& upper, bool upperTurbulent, const StationState& lower,
                           bool lowerTurbulent, const StationState& wake, double re);

/// The shear variable S a laminar station would start turbulent flow with.
double transitionStartShear(const StationState& s, double re);

/// Kinematic shape factor delta* / theta of a station.
double shapeFactor(const StationState& s);

}  // namespace aerolune::viscous
