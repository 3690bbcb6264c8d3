#pragma once
// The lift-drag polar of the current section: an angle sweep from -20 to 20
// degrees, each angle solved, its drag estimated, the section re-solved on the
// contour displaced by the boundary layer; the lift and the quarter-chord
// moment are that re-solve's panel figures.

#include <cstdint>
#include <string>

#include "analysis/AppState.h"
#include "analysis/Drag.h"
#include "analysis/PipelineSeam.h"
#include "analysis/PipelineSolve.h"
#include "analysis/PolarStore.h"

namespace aerolune {

/// The settings a sweep reads besides the section itself.
struct PolarSettings {
    double re = 1.0e6;              ///< Reynolds number on the chord
    int32_t dragModel = 1;          ///< 1: turbulent surfaces take the flat-plate drag
    int32_t useEffectiveAngle = 0;  ///< 1: lift and moment at the effective angle
};

/// Angle k (1..21) of the sweep, degrees: -20 + (k - 1) / 20 x 40.
double polarAngle(int32_t k);

/// The node ordinates displaced outwards by the displacement thickness of the
/// drag estimate's layers (polarDisplacement): y + (dx / ds) delta*, with dx / ds the x-component
/// of the unit tangent from the node to the next, so the displacement is
/// taken along the normal. A node between two panels takes the mean delta* of
/// both; the trailing-edge node, shared by the two surfaces, moves to the
/// middle of their displaced edges so the contour stays closed.
/// \param sol the inviscid solution the estimate was made on
/// \param drag the estimate (its stagnation panel and both layers)
/// \param re Reynolds number on the chord
Array1<float> displacedOrdinates(const SectionSolution& sol, const DragResult& drag, double re);

/// One point of the sweep on the given solution arrays (already solved at
/// `angleDeg`): stagnation panel, both surfaces' layers and the drag, the viscous re-solve with
/// one under-relaxed coupling sweep and its panel lift and quarter-chord
/// moment (the relaxed step's change of both from thin-airfoil theory).
/// Returns false with `error` set when the boundary layer could not be
/// computed. A point whose displacement is no physical one, or whose figures
/// no section can have (polarRowProblem), is returned marked not computed.
bool polarPoint(SectionState& section, SectionSolution& sol, double angleDeg, const PolarSettings& settings,
                PolarPoint& point, std::string& error);

/// The whole sweep into `polar` (which it empties first). Stops at the first
/// point whose boundary layer cannot be computed, keeping the points before it.
/// \return empty when every point was computed, else why the sweep stopped
std::string polarSweep(SectionState& section, int32_t panelCount, const PolarSettings& settings,
                       StoredPolar& polar);

/// One line per row of the polar that is not computed, with its angle and
/// why; empty when every row is.
std::string rowsNotComputed(const StoredPolar& polar);

/// Polar(panelCount) on the state: the header from sectionName, flapDeflection, flapLength and re;
/// nothing is recomputed when a stored polar has the same header; otherwise
/// the polar is added (the oldest dropped when the store is full) and swept.
/// polarCount follows the store. The current solution, thinAirfoilModel and the
/// results panel are left as they were: the sweep works on its own arrays.
/// On a boundary-layer failure the message goes through the seam and the
/// points computed so far stay in the store. Rows not computed go through
/// the seam's notePolarRows.
/// \param state the application state
/// \param seam where the error message goes
/// \param panelCount points about the section
/// \return false when the sweep stopped on an error
bool Polar(AppState& state, ViewSeam& seam, int32_t panelCount);

}  // namespace aerolune
