#pragma once
// A linear system solved on the factorisation of a nearby matrix: GMRES
// (Saad and Schultz, SIAM J. Sci. Stat. Comput. 7, 1986), preconditioned on
// the right by that factorisation, so that a matrix close to the factorised
// one takes a few matrix-vector products instead of a factorisation of its
// own.

#include <Eigen/Dense>

namespace aerolune {

/// Solves a x = b. True when the residual |b - a x| fell to `tolerance`
/// times |b| within `mostSteps` steps; x is then the solution. False when it
/// did not (the nearby matrix too far from `a`, or `a` singular), x then
/// meaning nothing.
/// \param near the factorisation of a matrix close to `a`, of its size
bool solveOnNearbyFactor(const Eigen::MatrixXd& a, const Eigen::VectorXd& b,
                         const Eigen::PartialPivLU<Eigen::MatrixXd>& near, double tolerance, int mostSteps,
                         Eigen::VectorXd& x);

}  // namespace aerolune
