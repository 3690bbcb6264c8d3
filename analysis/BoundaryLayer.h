#pragma once
// BoundaryLayer: the finite-difference boundary layer (Blayer2) on both
// surfaces of the current panel solution, the separation warnings, the
// contour displaced by the layer and its viscous re-solve (newCLCm), and the
// trailing-edge drag boundaryLayerCd. The boundary-layer views, the report, the
// airfoil view's boundary-layer contour and the export read what it leaves
// in state.boundaryLayer.

#include <string>

#include "analysis/AppState.h"
#include "analysis/PipelineSeam.h"

namespace aerolune {

/// The caption of the separation warning for one surface:
/// "Lower Surface Seperation at x= " or "Upper Surface Seperation at x= "
/// followed by the chord position formatted "0.00".
/// \param upper true for the upper surface
/// \param x chord position of the separation, fraction of chord
std::string separationCaption(bool upper, double x);

/// What is said when a layer separates at the leading edge and so no
/// solution follows: the surface, where it separates ("0.000") and why.
std::string noSolutionPastSeparation(bool upper, double x);

/// The status text and graph title of a solution: "CFD Boundary Layer
/// Solution: Cl = " + cl ("0.00000") + "  Cd = " + cd ("#0.00000").
std::string boundaryLayerTitle(double cl, double cd);

/// BoundaryLayer(nodes, surface speeds, TotalPoints) on the state's current
/// solution, with the analysis settings' points across and grid height, the
/// flow's transition model (model code - 1), roughness and Reynolds number,
/// and the view's profile count. The layers are marched on edge speeds
/// coupled to the displaced section by a few under-relaxed sweeps (march,
/// displace, re-solve; on the section built with 120 points when it has more,
/// their change to the speeds carried over by position along the contour),
/// then once more at the fine marching step for the results below.
///
/// Computed when boundaryLayerRequested is 1 or DialogCancelled is 0; otherwise (the
/// settings dialog was cancelled) the previous solution stays. The lower
/// surface is marched first: when its layer separates before 90 % of its
/// arc length the warning is shown through the seam (modally; the computation
/// goes on), then the upper surface likewise. Then the displaced contour is
/// re-solved (Airfoil mode 1) into cl and cmLe, boundaryLayerCd is the lower plus the
/// upper trailing-edge drag, the status reads boundaryLayerTitle, boundaryLayerCd goes
/// to the public boundaryLayerCd and airfoilBoundaryLayerView becomes available. The inviscid results
/// of the state are left as they were.
///
/// A solution that cannot be computed (no section, a Reynolds number too low
/// for a boundary layer, settings outside the solver's range, no stagnation
/// point, a surface the solver cannot start) shows the boundary-layer error
/// message through the seam and leaves state.boundaryLayer with ok = false
/// and the reason; nothing else changes. A layer that separates within the
/// first 5 % of the chord is a result rather than an error: its separation
/// warning is shown, and the message is noSolutionPastSeparation instead.
/// (That result is also state.boundaryLayer.noseSeparation.)
/// \return true when the solution was computed
bool BoundaryLayer(AppState& state, ViewSeam& seam);

}  // namespace aerolune
