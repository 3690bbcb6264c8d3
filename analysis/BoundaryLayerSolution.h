#pragma once
// The finite-difference boundary layer of the current solution as the
// boundary-layer views, the report, the airfoil view's displaced contour and
// the boundary-layer export read it: both surfaces station by station, the
// displaced contour, the viscous re-solve and the drag from the trailing edge.

#include <cstdint>
#include <string>

#include "common/Array.h"

namespace aerolune {

/// Stations of a surface shown by the views and written by the export: those
/// from the stagnation point up to this chord position. On the inviscid
/// solution the last few per cent of chord run into the trailing-edge
/// stagnation point, where the layer only thickens towards separation.
inline constexpr double kShownChordLimit = 0.95;

/// A surface whose layer separates before this fraction of its arc length
/// raises the separation warning.
inline constexpr double kSeparationWarningFraction = 0.9;

/// One surface, marched from the stagnation point (station 1) to the
/// trailing edge (station n). Stations 2..n-1 are the panel control points in
/// order away from the stagnation point, station n the trailing-edge node.
struct BoundaryLayerSurface {
    int32_t n = 0;      ///< stations
    int32_t rows = 0;   ///< stations the solver reached before the layer separated (<= n)
    int32_t shown = 0;  ///< stations 1..shown lie within kShownChordLimit

    Array1<double> s;       ///< arc length from the stagnation point, chords [n]
    Array1<double> Ue;      ///< edge velocity over the free stream [n]
    Array1<double> x;       ///< chord position of each station, chords [n]
    Array1<int32_t> panel;  ///< panel whose control point is the station; 0 for the
                            ///< stagnation point and the trailing edge [n]

    /// n x 9 result table of Blayer2 (columns as BlayerColumn). Columns 2-4
    /// are post-processed: past the last solved station they continue the
    /// straight line through the two stations before it, and row 1 (the
    /// stagnation point) is 0. The other columns are the solver's, 0 past
    /// the last solved station.
    Array2<double> table;
    /// u / Ue and the distance from the wall (chords) across the layer,
    /// P x n; columns past the last solved station are 0.
    Array2<double> profileU, profileY;

    bool separated = false;         ///< s(rows) < kSeparationWarningFraction x s(n): warned
    double separationX = 0.0;       ///< chord position of the last solved station
    int32_t transitionStation = 0;  ///< first turbulent station, 0 when laminar throughout

    double arcLengthPercent(int32_t i) const { return 100.0 * s(i); }
    double displacement(int32_t i) const { return table(i, 2); }
    double momentum(int32_t i) const { return table(i, 3); }
    double friction(int32_t i) const { return table(i, 4); }
    double delta99(int32_t i) const { return table(i, 5); }
    /// u / V_inf at point j across the layer of station i.
    double velocityRatio(int32_t j, int32_t i) const { return profileU(j, i) * Ue(i); }
    double distance(int32_t j, int32_t i) const { return profileY(j, i); }
    /// Stations with a velocity profile among the shown ones.
    int32_t profileStations() const { return shown < rows ? shown : rows; }
};

/// What BoundaryLayer leaves behind; the boundary-layer part of the state.
struct BoundaryLayerSolution {
    /// airfoilBoundaryLayerView may be chosen: set by the first solution, never cleared.
    bool airfoilBoundaryLayerViewEnabled = false;
    bool ok = false;    ///< the surfaces below belong to the current solution
    std::string error;  ///< why the last computation failed; empty when ok
    /// Where and why the layer stopped at the nose, when that is why the
    /// computation failed; empty otherwise.
    std::string noseSeparation;

    int32_t panelCount = 0;    ///< points about the section the solution was made on
    int32_t pointsAcross = 0;  ///< P, points across the layer (BlPoints)
    int32_t profileCount = 0;  ///< S, velocity profiles the views show per surface (the view's profileCount)
    BoundaryLayerSurface lower, upper;

    Array1<float> displacedY;      ///< node ordinates displaced by delta*, 1..panelCount + 1
    Array1<float> viscousVel;      ///< velocity ratio per panel on the displaced contour
    float cl = 0.0f;               ///< lift of the re-solve on the displaced contour
    float cmLe = 0.0f;             ///< moment about the leading edge of the re-solve
    double boundaryLayerCd = 0.0;  ///< trailing-edge drag, lower plus upper surface
    std::string title;             ///< "CFD Boundary Layer Solution: Cl = .. Cd = .."
};

}  // namespace aerolune
