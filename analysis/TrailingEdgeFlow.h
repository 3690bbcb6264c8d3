#pragma once
// The edge velocity the boundary layers see near the trailing edge.
//
// The panel solution has a stagnation point at a closed trailing edge of
// finite angle: the speed falls to zero there like a small power of the
// distance, so the last few stations see an adverse gradient that grows
// without bound as the panels crowd towards the edge. A layer marched
// through it separates at whichever station first catches the steep part,
// and the displacement frozen there depends on the point count, not on the
// flow. The real flow has no such stagnation: the layers leave the edge as
// a wake, and the edge pressure is the same on both sides.
//
// Method: the viscous (equal-pressure) trailing-edge condition of
// viscous-inviscid interaction, as set out by Lock and Williams (Prog.
// Aerospace Sci. 24, 1987, the trailing-edge and near-wake region), in its
// simplest explicit form. Over the last kTrailingEdgeRegion of the chord the
// edge velocity of each surface is replaced by the straight line fitted
// (least squares) to its stations over the kFitBand of chord before that
// region; the two lines are then pulled linearly, across the region, to one
// common trailing-edge speed, the mean of their values at the edge, so that
// both surfaces end at the same pressure as the near wake demands. Upstream
// of the region nothing changes. The result depends on chord positions only,
// so every point count sees the same trailing-edge flow.

#include <cstdint>

#include "common/Array.h"

namespace aerolune {

/// Chord fraction, ahead of the trailing edge, whose edge velocity is replaced.
inline constexpr double kTrailingEdgeRegion = 0.05;
/// Chord fraction ahead of that region the straight lines are fitted over.
inline constexpr double kFitBand = 0.10;

/// The edge velocities of one surface, station 1 at the stagnation point and
/// station n at the trailing edge.
struct EdgeVelocityRun {
    const Array1<double>* x = nullptr;  ///< chord position of each station
    Array1<double>* Ue = nullptr;       ///< edge velocity, replaced in the region
    int32_t n = 0;
};

/// Applies the viscous trailing-edge condition to both surfaces. A surface
/// with fewer than two stations in the fit band keeps its own velocities and
/// does not take part in the common edge speed.
void applyViscousTrailingEdge(EdgeVelocityRun lower, EdgeVelocityRun upper);

/// Chord fraction, ahead of the trailing edge, over which the displaced
/// contour's thickness is closed.
inline constexpr double kThicknessClosure = 0.10;

/// Closes the displacement body at the trailing edge.
///
/// The contour displaced by the two layers' displacement thicknesses ends
/// in a blunt base as thick as both layers together, closed over the last
/// panel: the layers really go on as a wake whose displacement body stays
/// open, which a closed contour cannot show. The Kutta condition on that
/// near-vertical base is ill-posed, and the re-solved lift of NACA 2412 at
/// Re 1e6 fell by 25 to 40 % (more the more points) even with the reference
/// solver's own displacement thicknesses laid on the section.
///
/// Method: the displacement-surface method of Preston (ARC R&M 2725, 1943,
/// the calculation of lift taking account of the boundary layer) takes the
/// lift from the section thickened by delta*, the Kutta condition applied at
/// the edge of that displacement surface. Its lift loss comes from the
/// camber of the displacement, half the difference of the two surfaces'
/// displacements; their mean (the thickening) changes the lift little. Here
/// each upper node N + 2 - j and its lower partner j (the same chord
/// station) split their displacements into that camber part, kept as it is,
/// and the thickening, faded linearly to zero over the last
/// kThicknessClosure of the chord, so the displacement surface ends in a
/// sharp edge on which the Kutta condition is sound. With the reference
/// solver's displacement thicknesses this gives its viscous lift within
/// 1.5 % for NACA 0012 at 4 degrees and NACA 2412 at 0 and 4 degrees, Re
/// 1e6, at 80 to 340 points. The width of the fade hardly matters (0.05 to
/// 0.2 of the chord move those lifts by under 0.5 %).
/// \param nodeX,nodeY undisplaced nodes 1..n (node 1 the trailing edge, the
///   lower surface first), chords
/// \param y displaced ordinates 1..n, changed at nodes 2..n
/// \param n panels about the section (even)
void closeDisplacementThickness(const float* nodeX, const float* nodeY, float* y, int32_t n);

/// The displaced ordinate of the trailing-edge node, shared by both surfaces:
/// moved by the mean of the displacements of its two neighbours (nodes 2 and
/// N, one on each surface at the same chord position). The thin-airfoil
/// integrals weigh a step in the camber line at distance h from the edge as
/// 1 / sqrt(h), and the last interval shrinks as the points crowd there, so
/// the node must continue the displaced camber line of its neighbours; a
/// displacement of its own (the mean of the two layers' edge values) put a
/// step there that lowered the lift of a NACA 0012 at 4 degrees by 0.036 at
/// 340 points and less at fewer.
/// \param y1 undisplaced ordinate of the trailing-edge node
/// \param y2,y2Displaced node 2 before and after the displacement
/// \param yN,yNDisplaced node N before and after the displacement
inline float trailingEdgeOrdinate(double y1, double y2, double y2Displaced, double yN, double yNDisplaced) {
    return static_cast<float>(y1 + 0.5 * ((y2Displaced - y2) + (yNDisplaced - yN)));
}

}  // namespace aerolune
