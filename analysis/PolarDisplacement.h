#pragma once
// The displacement thickness the polar lays on the section before it solves
// it again: a property of the flow, so that the re-solved lift follows the
// layer's real thickening towards the trailing edge.
//
// The drag estimate's turbulent layer (the equilibrium step) gives a good
// momentum thickness, but its shape factor is that of a layer in equilibrium
// with the local gradient: it runs away near separation and has to be held,
// and held it cannot grow with the lift, so the displaced contour loses too
// little camber at high lift and too much on a suction side that grows in
// an adverse gradient. The displacement is therefore marched separately,
// from the same transition station, on the same edge speeds.
//
// Method: Head's entrainment method (Head, ARC R&M 3152, 1958), with the
// Ludwieg-Tillmann skin friction (1949) and the Cebeci-Bradshaw (1977) fits
// to Head's shape-factor curve:
//   d theta / ds   = Cf / 2 - (H + 2) (theta / Ue) dUe/ds
//   d (Ue theta H1) / ds = Ue F(H1),   F = 0.0306 (H1 - 3)^-0.6169
//   H1 = 3.3 + 0.8234 (H - 1.1)^-1.287      (H <= 1.6)
//   H1 = 3.3 + 1.5501 (H - 0.6778)^-3.064   (H > 1.6)
//   Cf = 0.246 x 10^(-0.678 H) Re_theta^-0.268
// The entrainment equation carries the history of the layer, so H rises
// along an adverse gradient instead of following its local value. It starts
// at the transition station with that station's laminar momentum thickness
// and H = 1.4 (a young turbulent layer), and is integrated with Heun's rule
// on sub-steps of at most kHeadStep chords, the edge speed linear between
// stations. Beyond H = kHeadSeparationShape the layer is taken as separated:
// H is held there and the momentum equation goes on, so the displacement
// keeps growing without the method's equations leaving their range.
//
// The laminar stations keep Thwaites' thickness, with H from his
// correlation held to the range it is fitted over (2.0 at lambda = 0.25 to
// 3.3 at lambda = -0.09, his separation).
//
// A laminar separation does not turn the layer turbulent on the spot: the
// separated shear layer runs on as a laminar separation bubble until its
// disturbances have grown enough to make it turbulent. On the pressure side
// of a lifting section (and both sides near zero lift) the drag estimate's
// layer separates laminar well ahead of the reference solver's transition
// (NACA 2412 at -4 degrees, Re 1e6: 0.74 against 0.88), and a turbulent
// layer marched from there reaches the trailing edge 20 % too thick, which
// cambers the displaced section the wrong way (0.014 of lift at small
// negative lift).
// Method: the e^N envelope method (Drela and Giles, AIAA J. 25, 1987;
// blayer::amplificationRate) carried on through the laminar part of the
// bubble, with Horton's model of that part (ARC CP 1073, 1969): no wall
// shear and nearly constant pressure, so theta stays at its separation
// value. The amplification is summed over the attached laminar stations
// (Thwaites' theta and H) and on through the bubble, where the shear layer
// amplifies as the Falkner-Skan separation profile (H = 4.03, Hartree's
// beta = -0.1988); the turbulent march starts where N reaches 9, from the
// separation's theta, or the layer stays laminar to the trailing edge. The
// transition stations this gives on NACA 2412 at -8 to 4 degrees lie within
// 0.04 chord of the reference solver's (e^9 too) on the pressure side.
// - The bubble's displacement is held at the separation's, 3.3 theta
//   (Thwaites' shape there), rather than 4.03 theta: a step in the displaced
//   contour at the separation puts a kink in the re-solved speeds, and the
//   coupling sweep's layer then separates up to 0.25 chord apart between
//   point counts.
// - Behind the transition the turbulent layer's displacement is at least
//   the bubble's, falling linearly to nothing over kReattachmentLengths
//   times the bubble's laminar length. The reference solver's falls faster
//   (NACA 2412 at -4 degrees: by a third within 0.05 chord), but a short fall
//   leaves a step just ahead of the trailing edge whenever N reaches 9
//   there, and the lift then hangs on the point count (NACA 0012 at 6
//   degrees: 0.638 at 200 points and 0.669 at 120 with a step; within 1.2 %
//   over 80 to 340 points with this fall).
// - A separation at a station where Michel's test also holds is the drag
//   estimate's transition reached a station late, not a bubble: there the
//   turbulent march starts at once (without this NACA 0012 at 4 degrees and
//   80 points grew a bubble on its suction side that no finer point count
//   has).
// The drag estimate itself (drag, transition, stall flag) is not changed.

#include "analysis/Drag.h"
#include "common/Array.h"

namespace aerolune {

/// Largest sub-step of the entrainment march, chords.
inline constexpr double kHeadStep = 0.005;
/// The shape factor at which the turbulent layer is taken as separated: the
/// lower end of the usual 1.8 .. 2.4, and about the shape factor of the
/// attached layers at the trailing edges of the reference sections (1.76 to
/// 1.82 for NACA 0012 and 2412 at 4 degrees, Re 1e6). Held at 2.4 the
/// upper layer of a lifting section thickens too fast over the last tenth
/// of the chord, where the edge speed falls steeply to its trailing-edge
/// value, and NACA 2412 and 4412 lose 5 to 8 % of their lift at 4 to 6
/// degrees.
inline constexpr double kHeadSeparationShape = 1.8;

/// The shape factor the bubble's shear layer amplifies at: the
/// Falkner-Skan separation profile's.
inline constexpr double kSeparatedLaminarShape = 4.03;
/// The length over which the bubble's displacement falls away behind the
/// transition, in lengths of the bubble's laminar part.
inline constexpr double kReattachmentLengths = 3.0;

/// Head's H1 (entrainment shape factor) as a function of H, and its inverse.
double headShapeH1(double H);
double headShapeH(double H1);

/// The displacement thickness per station 1..n of one surface.
/// \param st the surface's stations (their edge speeds as the layer saw them)
/// \param bl the drag estimate's layer on them (its transition station and
///   laminar thicknesses)
/// \param re Reynolds number on the chord
Array1<double> polarDisplacement(const SurfaceStations& st, const SurfaceBoundaryLayerResult& bl, double re);

}  // namespace aerolune
