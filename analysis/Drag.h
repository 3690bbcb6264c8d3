#pragma once
// The drag and stall estimate of one inviscid surface solution: the integral
// boundary layer on both surfaces from the stagnation point, the drag as the
// sum of the two surfaces, and the separated lengths that lower the effective
// angle of attack and flag a stalled section.

#include <cstdint>
#include <string>

#include "analysis/SurfaceBoundaryLayer.h"
#include "common/Array.h"

namespace aerolune {

/// The marching stations of one surface, from the stagnation point (station
/// 1, s = 0) to the trailing edge (station n).
///
/// Velocities are known at the panel control points (the panel midpoints), so
/// the stations are those control points in order away from the stagnation
/// panel, and a last station at the trailing-edge node closes the surface
/// with the velocity of the last panel. The edge velocity is the magnitude of
/// the surface velocity: between the leading edge and a stagnation point that
/// has moved onto the other surface the signed velocity is negative (the flow
/// there runs towards the leading edge, which is the marching direction), and
/// the layer needs its speed.
struct SurfaceStations {
    int32_t n = 0;
    Array1<double> s;   ///< arc length from the stagnation point, chords
    Array1<double> Ue;  ///< edge velocity, ratio to the free stream
    Array1<double> x;   ///< chordwise position of each station, chords
};

/// Stations of the lower surface: control points stag, stag-1, .., 1, then node 1.
/// \param nodeX,nodeY contour nodes 1..panelCount (node panelCount + 1 is node 1), chords
/// \param SurfVel velocity ratio per panel 1..panelCount
/// \param panelCount points about the section
/// \param stag index of the stagnation panel (1..panelCount)
SurfaceStations lowerSurfaceStations(const float* nodeX, const float* nodeY, const float* SurfVel,
                                     int32_t panelCount, int32_t stag);

/// Stations of the upper surface: control points stag, stag+1, .., panelCount, then node 1.
/// Arguments as for lowerSurfaceStations.
SurfaceStations upperSurfaceStations(const float* nodeX, const float* nodeY, const float* SurfVel,
                                     int32_t panelCount, int32_t stag);

/// The stagnation panel the layers are marched from: the panel of smallest
/// |SurfVel| (a tie goes to the later panel) among those on the front half of
/// the chord (panels panelCount/4 .. 3 panelCount/4 + 1 on the cosine stations; all
/// of them below 8 points), so the trailing edge's own stagnation point is
/// never taken. 0 when no velocity is below 10000 (no usable solution).
/// \param SurfVel velocity ratio per panel 1..panelCount
/// \param panelCount points about the section
int32_t stagnationPanel(const float* SurfVel, int32_t panelCount);

/// The stagnation point as the rest of the program indexes it (stagnationIndex):
/// stagnationPanel, with the leading-edge index panelCount/2 + 1 moved to
/// panelCount/2. The layers are not marched from the moved index: the panel it
/// passes over would be the true stagnation point at the march's second
/// station, where Michel's test fires on the near-zero velocity and the
/// whole surface turns turbulent at the leading edge.
/// \param SurfVel velocity ratio per panel 1..panelCount
/// \param panelCount points about the section
int32_t dragStagnationPoint(const float* SurfVel, int32_t panelCount);

/// Everything the drag estimate finds.
struct DragResult {
    bool ok = false;
    std::string error;               ///< why the estimate failed; empty when ok
    double cd = 0.0;                 ///< drag coefficient, lower plus upper surface
    double effectiveAngleDeg = 0.0;  ///< effective angle of attack, degrees
    int32_t stalled = 0;             ///< 1 when a separated length exceeds half a chord
    int32_t stagPoint = 0;           ///< the stagnation panel the estimate marched from
    double Ll = 0.0, Lu = 0.0;       ///< separated lengths, lower / upper, chords
    double cl = 0.0, cu = 0.0;       ///< angle corrections, lower / upper, degrees
    double transitionLowerX = 0.0;   ///< chordwise position of the lower transition station
    double transitionUpperX = 0.0;   ///< the same on the upper surface
    SurfaceStations lowerStations, upperStations;
    SurfaceBoundaryLayerResult lower, upper;
};

/// The drag estimate from a known stagnation panel, both surfaces and both
/// separation corrections.
///
/// Lower surface, when the angle is negative and its layer separated before
/// the last station but one: L_l = |s(n) - s(k_l)| and
/// c_l = 0.5 L_l (|angle| + theta_te,l); upper surface, when the angle is
/// positive: c_u = -0.5 L_u (angle + theta_te,u). theta_te is the slope of the
/// first (lower) or last (upper) contour segment, |dy| / |dx|, written in
/// degrees (x 180 / pi); the slope stands for the trailing-edge angle and is
/// held to pi/2 (90 degrees) so a vertical segment does not divide by zero,
/// which leaves every segment within 57 degrees of the chord as the formula
/// gives it. effectiveAngleDeg is effectiveAngle(angle, the contour's thin-airfoil
/// zero-lift angle, c_l + c_u): between the zero-lift angle and the angle, so
/// a long separated length takes the lift towards none but never reverses
/// it. stalled = 1 when L_l or L_u exceeds 0.5.
/// A drag or angle that is not a finite number fails the estimate.
/// \param nodeX,nodeY contour nodes 1..panelCount, chords
/// \param SurfVel velocity ratio per panel 1..panelCount
/// \param panelCount points about the section (even, at least 4)
/// \param stagPoint the stagnation panel (1..panelCount)
/// \param angleDeg angle of attack, degrees
/// \param re Reynolds number on the chord
/// \param polarSolution 1: turbulent surfaces take the flat-plate drag
DragResult dragEstimate(const float* nodeX, const float* nodeY, const float* SurfVel, int32_t panelCount,
                        int32_t stagPoint, double angleDeg, double re, int32_t polarSolution);

/// The trailing-edge angle term of a separation correction, degrees.
/// \param dx,dy the contour segment at the trailing edge, chords
double trailingEdgeSlopeDegrees(double dx, double dy);

}  // namespace aerolune
