#pragma once
// The grid across the boundary layer in the Falkner-Skan normal variable
// eta = y sqrt(Ue / (nu x)), and the profile state that lives on it.
//
// Two grids of the same point count are used along one surface. A laminar
// layer is about 8 units of eta thick whatever the station, so the laminar
// grid spends most of its points evenly over the first 10 units and reaches
// the grid height with a few fast-growing steps. A turbulent layer needs its
// first point inside the viscous sublayer and keeps growing in eta, so the
// turbulent grid is geometric from a first step sized for y+ of about 1.

#include <vector>

namespace aerolune::blayer {

/// Node positions eta(0) = 0 < eta(1) < ... < eta(J), J + 1 nodes.
struct NormalGrid {
    std::vector<double> eta;

    int lastNode() const { return static_cast<int>(eta.size()) - 1; }
    double step(int j) const { return eta[j] - eta[j - 1]; }  ///< h_j, box j between nodes j-1 and j
};

/// The unknowns of the box scheme at one station: f, u = f' (u/Ue) and
/// v = f'' at every node, with b = 1 + eddy viscosity / nu.
struct Profile {
    std::vector<double> f, u, v, b;

    void resize(std::size_t nodes);
};

/// Laminar grid: `points` nodes up to etaMax, about three quarters of the
/// steps evenly over eta <= min(etaMax, 10).
NormalGrid laminarGrid(int points, double etaMax);

/// Turbulent grid: `points` nodes up to etaMax, geometric from a first step
/// that puts node 1 near y+ = 1 on a flat plate at the chord Reynolds number.
NormalGrid turbulentGrid(int points, double etaMax, double reynolds);

/// A first guess for the stagnation or leading-edge station: a cubic rise to
/// the edge at eta = min(etaMax, 5), then the outer flow.
Profile startingProfile(const NormalGrid& grid);

/// Carries a converged profile onto another grid: u by cubic Hermite
/// interpolation with v = u' as slope, f by integrating the interpolant, v
/// linearly; beyond the old grid the outer flow u = 1 continues.
Profile transferProfile(const Profile& from, const NormalGrid& fromGrid, const NormalGrid& toGrid);

/// Integral thicknesses of a profile in units of eta (multiply by the
/// station's length scale for chords).
struct ProfileThickness {
    double displacement;  ///< integral of (1 - u), = eta_e - f_e
    double momentum;      ///< integral of u (1 - u)
    double energy;        ///< integral of u (1 - u^2)
    double eta99;         ///< eta where u first reaches 0.99 (grid top if never)
    double eta995;        ///< eta where u first reaches 0.995 (grid top if never)
};
ProfileThickness profileThickness(const Profile& p, const NormalGrid& grid);

}  // namespace aerolune::blayer
