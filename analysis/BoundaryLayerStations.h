#pragma once
// The marching stations of the finite-difference boundary layer: where the
// stagnation point lies on the panel solution, the stations of each surface
// from it to the trailing edge, and the finer steps the layer is marched on.

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/BoundaryLayerSolution.h"

namespace aerolune {

/// The contour and its panel solution as Airfoil left them: nodes 1..N (node
/// N + 1 is node 1 again), one velocity ratio per panel 1..N (panel i joins
/// nodes i and i + 1, lower surface first), positive where the flow runs
/// from the leading edge towards the trailing edge along that surface.
struct PanelContour {
    const float* nodeX = nullptr;
    const float* nodeY = nullptr;
    const float* SurfVel = nullptr;
    int32_t N = 0;  ///< panels (panelCount)
};

/// The stagnation point between the control points of panels k and k + 1,
/// at the fraction t of the way from the first to the second.
struct StagnationCrossing {
    int32_t k = 0;  ///< 0 when the solution has no stagnation point
    double t = 0.0;
};

/// Where the velocity, taken positive towards the upper trailing edge,
/// changes sign from the lower surface's side to the upper one's: linear
/// interpolation between the two control points around it. Of several
/// crossings the one nearest the panel stagnationIndex is taken.
/// \param c the contour and panel solution
/// \param stagnationIndex the panel of smallest |V| as the recomputation found it
StagnationCrossing locateStagnation(const PanelContour& c, int32_t stagnationIndex);

/// Stations of one surface: the stagnation point (s = 0, Ue = 0), the
/// control points in order away from it, and the trailing-edge node with the
/// speed of the last panel. Fills n, s, Ue, x and panel of `out`.
/// \param c the contour and panel solution
/// \param stag the stagnation point
/// \param upper true for the upper surface (towards panel N), false for the lower one
/// \param out the surface to fill
void surfaceStations(const PanelContour& c, const StagnationCrossing& stag, bool upper,
                     BoundaryLayerSurface& out);

/// The panel count the layer's steps are at least as fine as. The march
/// needs steps near the transition point of about this size: one panel of a
/// coarser section is split into equal steps (see marchingArrays).
inline constexpr int32_t kMarchingPanelEquivalent = 480;

/// The longest marching step, chords: the longest panel of a cosine-spaced
/// section of kMarchingPanelEquivalent points, at mid-chord.
inline constexpr double kMarchingStep = 3.14159265358979323846 / kMarchingPanelEquivalent;

/// Steps each station interval is split into at least for panelCount points
/// about the section: the whole part of 480 / panelCount, at least 1.
int32_t marchingSubsteps(int32_t panelCount);

/// The stations with every interval split into at least `substeps` equal
/// steps of arc length, and into more where such a step would be longer than
/// `maxStep` (none when maxStep <= 0); the edge velocity interpolated
/// linearly between the stations. step[i - 1] is the 0-based index of
/// station i among the steps.
///
/// With both bounds a section whose point count divides 480 is marched in
/// steps of a 480-point section's panels, as uniform splitting gives; one of
/// 340 points is split in two only where its panels are longer than the
/// 480-point section's longest (from 15 to 85 % of the chord), not also near
/// the edges, where its own panels are already shorter: a quarter fewer
/// steps than splitting every interval in two, for boundaryLayerCd of the 15 reference
/// cases within 0.3 % of it and transition at most one station (0.01 chord)
/// away.
struct MarchingArrays {
    std::vector<double> s, Ue;
    std::vector<int32_t> step;
};
MarchingArrays marchingArrays(const BoundaryLayerSurface& surface, int32_t substeps, double maxStep);

}  // namespace aerolune
