#pragma once
// The recompute-and-redraw routine's computation (recomputeAndRedraw), run on the
// application state without a window: read the section and angle, solve,
// estimate drag and stall, fill the results panel, find the extremes and the
// stagnation point, and hand the drawing to the window through its seam.

#include <cstdint>

#include "analysis/AppState.h"
#include "analysis/PipelineSeam.h"

namespace aerolune {

/// The analysis of one recomputation, in this order: designationNumber and
/// angleDeg from sectionName and angleText, a section the builder cannot make
/// refused (guardSection: the last one it could make is put back, or with
/// none nothing more is done); for the polar view the status " Current
/// Airfoil: " + sectionName, the surface legend hidden, Polar(2 x HalfPoints)
/// and its plots; when DialogCancelled is 0 or a boundary layer is pending Airfoil,
/// panelCl and panelCmLeadingEdge, Drag (cd, the stalled mark), the thin-airfoil
/// coefficients at the effective angle when useEffectiveAngle is set (else
/// angleDeg) and the results panel; stagnationIndex, cpHigh and cpLow;
/// BoundaryLayer when pending, which it then no longer is; for views 7 and 8
/// BoundaryLayer unless it just ran; the field of a field view (kept in
/// AnalysisResults::field); and the view through the seam.
/// The window does the rest around it (cursor, menus, minimum height, check
/// marks, the plot area's placement) and gives thinAirfoilModel its fresh LinAero
/// here by calling this. A step that fails keeps its previous outputs and the
/// remaining steps run.
/// \param state the application state
/// \param seam the window the view is drawn in
void recompute(AppState& state, ViewSeam& seam);

/// Drag(panelCount, effectiveAngleDeg, stalled) on the state's current solution: finds the
/// stagnation point (written to stagnationIndex), marches both surfaces, writes the
/// drag into DragCoeff and cd ("##0.000000"), TransitionPoint (the upper
/// surface's transition station, the last one marched) and the analysis
/// results. When the boundary layer cannot be computed it shows the message
/// through the seam and returns false with effectiveAngleDeg and stalled untouched and
/// the earlier figures kept.
/// \param state the application state
/// \param seam where the error message goes
/// \param panelCount points about the section (2 x HalfPoints)
/// \param effectiveAngleDeg receives the effective angle of attack, degrees
/// \param stalled receives 1 when the section is stalled, else 0
bool Drag(AppState& state, ViewSeam& seam, int32_t panelCount, float& effectiveAngleDeg, int16_t& stalled);

}  // namespace aerolune
