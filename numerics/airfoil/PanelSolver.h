#pragma once
// Inviscid flow about a closed contour by a linear-vorticity panel method.
//
// The vortex sheet lies on the contour's straight panels with a strength that
// varies linearly between nodal values; the stream function is held at one
// unknown constant at every node, so the flow inside the contour is at rest
// and the sheet strength equals the outer surface velocity. The trailing edge
// (a closed, sharp edge) carries two nodal values, one for each surface, and
// is held as the rear stagnation point (both zero), the Kutta condition for an
// edge of finite angle; on a cusped edge the error this leaves stays within
// the last, very short panels (a Joukowski section's lift is within 0.05 % at
// 120 points).

#include <vector>

#include "numerics/airfoil/SectionShape.h"

namespace aerolune {

struct PanelSolution {
    bool solved = false;
    std::vector<double> ctrlX;  ///< control-point abscissa per panel
    std::vector<double> cp;     ///< pressure coefficient per panel
    std::vector<double>
        velocity;       ///< V/Vinf per panel, positive from the leading edge towards the trailing edge
    double cl = 0.0;    ///< from the circulation, unit chord
    double cmLe = 0.0;  ///< about the leading-edge node by pressure integration, nose-up positive
};

/// Solve the flow about `contour` at angle of attack `alphaRad`. The factorised
/// influence matrix of the last geometry is kept, so an angle sweep on one
/// section factorises once; a reused factorisation gives results bit-identical
/// to a fresh one.
PanelSolution solvePanels(const Contour& contour, double alphaRad);

/// Solve the flow about `contour`, a small change of `reference` (the same
/// nodes moved a little, as a section displaced by its boundary layers), by
/// GMRES on the inverse of the reference contour's matrix, which is kept for
/// every thread. Agrees with solvePanels to the rounding of its direct
/// solution (about 1e-12 of the sheet strengths); where GMRES does not
/// settle, the contour is factorised after all.
PanelSolution solvePanelsNear(const Contour& contour, const Contour& reference, double alphaRad);

/// The same without the kept factorisation (used to check the cache).
PanelSolution solvePanelsUncached(const Contour& contour, double alphaRad);

}  // namespace aerolune
