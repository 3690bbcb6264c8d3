#pragma once
// The integral boundary layer on one surface, marched from the stagnation
// point to the trailing edge: Thwaites' method while laminar, Michel's
// criterion for transition, a Head-type momentum march while turbulent, and
// the drag of the surface from its trailing-edge momentum thickness.

#include <cstdint>
#include <string>

#include "common/Array.h"

namespace aerolune {

/// The layer along one surface, per station 1..n and for the whole surface.
struct SurfaceBoundaryLayerResult {
    bool ok = false;
    std::string error;               ///< why the march could not run; empty when ok
    Array1<double> theta;            ///< momentum thickness, chords
    Array1<double> deltaStar;        ///< displacement thickness, chords
    Array1<double> H;                ///< shape factor
    Array1<double> wallShear;        ///< laminar wall shear, nu-scaled (0 where turbulent)
    double drag = 0.0;               ///< the surface's drag contribution
    int32_t lastStation = 0;         ///< last station the march reached attached
    int32_t TransitionPoint = 0;     ///< station where the turbulent march starts, n when laminar throughout
    bool laminarSeparation = false;  ///< transition forced by laminar separation
    bool turbulentSeparation = false;  ///< the turbulent layer separated before the trailing edge
    double transitionFactor = 1.0;     ///< (ln Re_theta + 21.74) / 18.4 at the transition station
};

/// Marches the layer along one surface (nu = 1 / re).
///
/// Laminar (Thwaites), i = 2..n, with I the running trapezoidal integral of Ue^5:
///   theta(i)^2 = 0.45 nu I / Ue(i)^6,  lambda = theta^2 (g(i) + g(i-1)) / 2 / nu,
///   H = 2.0 + 4.14 z - 85.5 z^2 + 854 z^3 - 3337 z^4 + 4576 z^5,  z = 0.25 - lambda,
///   delta* = H theta,  wall shear = |lambda + 0.09|^0.62 Ue / (re theta),
/// with lambda held to -0.09..0.25 in H and the wall shear, the range the
/// correlations are fitted over (H from 2.0 to 3.3).
/// The march turns turbulent at the first station where lambda <= -0.09
/// (laminar separation) or Re_theta > 2.9 Re_x^0.4 (Michel). At that station
/// the wall shear is scaled by (ln Re_theta + 21.74) / 18.4, the jump of the
/// friction as the layer turns turbulent; nothing else uses the scaled value.
///
/// A surface laminar to the end has the drag theta(n-1) Ue(n-1)^((H + 5) / 2)
/// with H = H(n-1) held to at most 2.5. A turbulent surface integrates
///   theta(i+1) = [theta(i) (1 - ds (2 + H) g / (2 Ue(i))) + ds Cf / 2]
///                / [1 + ds (2 + H) g / (2 Ue(i+1))]
/// with TurbulentStep until the layer separates, and its drag is the
/// flat-plate estimate 0.074 / re^0.2 (J + x_v)^0.8 (J = integral of Ue^3.5 ds,
/// x_v the virtual origin of the turbulent layer) whenever polarSolution is 1
/// or the trailing-edge value 2 theta Ue^(2.5 + H / 2) differs from it by more
/// than half; otherwise the trailing-edge value.
///
/// Guards, each chosen so that a legitimate contour never meets an undefined
/// operation:
/// - a zero-length step (two stations at one place) takes the previous
///   step's velocity gradient instead of 0/0;
/// - a station with zero edge velocity (a stagnation point, or a second zero
///   of the velocity) keeps the previous station's momentum thickness, and a
///   zero thickness has zero wall shear;
/// - a new turbulent thickness that is not positive or not finite (the edge
///   flow stopping under the layer) ends the march as a separation;
/// - the flat-plate comparison needs a non-zero flat-plate value; without one
///   the trailing-edge value stands.
/// Stations the turbulent march does not reach, and the station where it
/// separates, keep the thicknesses of the last attached station, so the
/// displaced contour built from delta* has no step there.
///
/// Inputs the method cannot mean anything for are reported, not computed:
/// a Reynolds number that is not a positive finite number, fewer stations than
/// the arrays claim, or a non-finite arc length or velocity.
/// \param Ue edge velocity per station (1..n), ratio to the free stream, not negative
/// \param s arc length from the stagnation point per station (1..n), chords, s(1) = 0
/// \param n number of stations (at least 2 for a layer; fewer gives no drag)
/// \param re Reynolds number on the chord
/// \param polarSolution 1: every turbulent surface takes the flat-plate drag
SurfaceBoundaryLayerResult SurfaceBoundaryLayer(const Array1<double>& Ue, const Array1<double>& s, int32_t n,
                                                double re, int32_t polarSolution);

}  // namespace aerolune
