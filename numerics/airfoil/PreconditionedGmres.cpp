#include "numerics/airfoil/PreconditionedGmres.h"

#include <cmath>

namespace aerolune {

namespace {

// Applies the rotations of the earlier columns to column k of the
// Hessenberg matrix, then the new rotation that clears its subdiagonal, and
// carries the latter into the residual vector g.
void rotateColumn(Eigen::MatrixXd& h, Eigen::VectorXd& cs, Eigen::VectorXd& sn, Eigen::VectorXd& g, int k) {
    for (int i = 0; i < k; ++i) {
        const double upper = cs(i) * h(i, k) + sn(i) * h(i + 1, k);
        h(i + 1, k) = -sn(i) * h(i, k) + cs(i) * h(i + 1, k);
        h(i, k) = upper;
    }
    const double d = std::hypot(h(k, k), h(k + 1, k));
    cs(k) = d > 0.0 ? h(k, k) / d : 1.0;
    sn(k) = d > 0.0 ? h(k + 1, k) / d : 0.0;
    h(k, k) = d;
    h(k + 1, k) = 0.0;
    g(k + 1) = -sn(k) * g(k);
    g(k) = cs(k) * g(k);
}

}  // namespace

bool solveOnNearbyInverse(const Eigen::MatrixXd& a, const Eigen::VectorXd& b,
                          const Eigen::MatrixXd& nearInverse, double tolerance, int mostSteps,
                          Eigen::VectorXd& x) {
    x = nearInverse * b;
    const Eigen::VectorXd r = b - a * x;
    const double beta = r.norm();
    const double target = tolerance * b.norm();
    if (!std::isfinite(beta)) return false;
    if (beta <= target) return true;

    const int m = mostSteps;
    Eigen::MatrixXd v(b.size(), m + 1), h = Eigen::MatrixXd::Zero(m + 1, m);
    Eigen::VectorXd cs(m), sn(m), g = Eigen::VectorXd::Zero(m + 1);
    v.col(0) = r / beta;
    g(0) = beta;
    int steps = 0;
    while (steps < m) {
        const int k = steps++;
        // Arnoldi step on a near^-1 by modified Gram-Schmidt.
        Eigen::VectorXd w = a * (nearInverse * v.col(k));
        for (int i = 0; i <= k; ++i) {
            h(i, k) = v.col(i).dot(w);
            w -= h(i, k) * v.col(i);
        }
        h(k + 1, k) = w.norm();
        if (h(k + 1, k) > 0.0) v.col(k + 1) = w / h(k + 1, k);
        rotateColumn(h, cs, sn, g, k);
        if (std::fabs(g(k + 1)) <= target) break;
    }
    if (!(std::fabs(g(steps)) <= target)) return false;
    const Eigen::VectorXd y =
        h.topLeftCorner(steps, steps).triangularView<Eigen::Upper>().solve(g.head(steps));
    x += nearInverse * (v.leftCols(steps) * y);
    return x.allFinite();
}

}  // namespace aerolune
