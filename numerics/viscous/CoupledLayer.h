#pragma once
// The viscous flow about a section at one angle: the integral boundary layer
// of both surfaces and the wake, coupled simultaneously to the panel
// solution through transpiration sources, solved by Newton's method on the
// whole system at once (the approach of Drela and Giles, AIAA J. 25, 1987,
// for the incompressible case).
//
// Unknowns at every station (surface nodes from the stagnation point to the
// trailing edge on each side, then the wake nodes): N or sqrt(Ctau), theta,
// and the mass defect m = Ue delta*. The edge speed is not an unknown of its
// own: Ue = Ue_inviscid + D m, D being the speed change the sources
// sigma = dm/dxi make at every station. A direct march (an inverse one past
// a separation) on the inviscid speeds starts the iteration.
//
// Each angle is solved from its own start, or from a given converged layer
// of the same section (a sweep restarts an angle that did not converge from
// its neighbour's layer, in a fixed order, so its rows do not depend on the
// threads they are computed in).

#include <string>
#include <vector>

#include "numerics/viscous/IntegralIntervals.h"

namespace aerolune::viscous {

struct CoupledLayerSettings {
    double re = 1e6;          ///< Reynolds number on the chord
    double ncrit = 9.0;       ///< critical amplification exponent of the e^N envelope
    double wakeLength = 1.0;  ///< chords behind the trailing edge
    int maxIterations = 40;   ///< Newton iterations per stagnation-point placement
    double tolerance = 1e-4;  ///< root-mean-square relative change of a converged step
};

struct CoupledLayerResult {
    bool converged = false;
    std::string reason;     ///< why not, when not converged
    int iterations = 0;     ///< Newton iterations in all
    double cl = 0.0;        ///< lift coefficient (surface pressure integrated)
    double cd = 0.0;        ///< drag coefficient (Squire-Young at the wake's end)
    double cm = 0.0;        ///< moment about the quarter chord, nose-up positive
    double xtrUpper = 1.0;  ///< transition, fraction of chord (1: laminar to the edge)
    double xtrLower = 1.0;
    double cdFriction = 0.0;  ///< skin-friction drag
};

/// A converged layer (its stations by surface and node) that a neighbouring
/// angle of the same section can start from.
struct CoupledLayerStart {
    std::vector<int> side, node;
    std::vector<StationState> states;
    std::vector<char> turbulent;
    bool empty() const { return states.empty(); }
};

/// \param x,y contour nodes (node 0 the trailing edge, lower surface to the
///   nose, upper surface back), chords; the trailing edge is not repeated
/// \param alpha angle of attack, radians
/// \param start a converged layer to start from instead of a first march
/// \param converged receives the converged layer
CoupledLayerResult solveCoupledLayer(const std::vector<double>& x, const std::vector<double>& y, double alpha,
                                     const CoupledLayerSettings& settings,
                                     const CoupledLayerStart* start = nullptr,
                                     CoupledLayerStart* converged = nullptr);

}  // namespace aerolune::viscous
