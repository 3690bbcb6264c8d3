#pragma once
// Keller's box scheme for one station of the boundary-layer equations in
// Falkner-Skan variables (Cebeci and Bradshaw's formulation):
//
//   f' = u,  u' = v,
//   (b v)' + m1 f v + m2 (1 - u^2) = x (u du/dx - v df/dx),
//   m2 = (x / Ue) dUe/dx = m,  m1 = (1 + m) / 2,  b = 1 + eps / nu,
//   f(0) = u(0) = 0,  u(eta_e) = 1.
//
// The first two equations are centred on each box [eta(j-1), eta(j)]; the
// momentum equation is centred on the box and halfway between the stations
// (Crank-Nicolson in x), or taken at the new station (backward Euler, used for
// the first step on a new grid), or without the x terms (similarity, at the
// first station). The nonlinear system is solved by Newton's method with a
// 3x3 block-tridiagonal elimination; the eddy viscosity is updated from every
// iterate.

#include <Eigen/Core>
#include <vector>

#include "numerics/blayer/EddyViscosity.h"
#include "numerics/blayer/NormalGrid.h"

namespace aerolune::blayer {

enum class StepScheme { Similarity, CrankNicolson, BackwardEuler };

struct StationProblem {
    const NormalGrid* grid = nullptr;
    const Profile* previous = nullptr;  ///< station n-1 on the same grid (not used for Similarity)
    double m = 0.0;                     ///< pressure-gradient parameter at station n
    double mPrevious = 0.0;             ///< the same at station n-1 (Crank-Nicolson only)
    /// x(n-1/2) / (x(n) - x(n-1)) for Crank-Nicolson, x(n) / (x(n) - x(n-1)) for backward Euler.
    double alpha = 0.0;
    StepScheme scheme = StepScheme::Similarity;
    EddyStation eddy{};  ///< gammaTr = 0 for a laminar station
};

/// Storage for the Newton system of one station, kept by a march from one
/// station to the next so that the solve allocates nothing once it has the
/// grid's size.
struct StationWorkspace {
    std::vector<Eigen::Matrix3d> a, b, c;
    std::vector<Eigen::Vector3d> r, w, y, d;
    std::vector<double> dbdv;
    void resize(int nodes);
};

/// Solves one station. `p` holds the first guess on entry (usually the
/// previous station) and the solution on return, with p.b the converged
/// 1 + eps/nu. Returns false when Newton's method does not converge or the
/// iterate leaves any sensible range, which near a wall-shear zero is how the
/// direct problem tells that the layer separates.
bool solveStation(const StationProblem& problem, Profile& p);
/// The same with the march's storage.
bool solveStation(const StationProblem& problem, Profile& p, StationWorkspace& work);

}  // namespace aerolune::blayer
