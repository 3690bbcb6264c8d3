// A displaced section solved on the undisplaced section's inverse must give
// what its own factorisation gives, and a system too far from the
// inverted one must be told, not solved wrongly.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "numerics/airfoil/PanelSolver.h"
#include "numerics/airfoil/PreconditionedGmres.h"
#include "tests/airfoil/AirfoilRun.h"

namespace aerolune::test {
namespace {

// A diagonally dominant matrix with smooth off-diagonal entries, like the
// panel method's in its conditioning.
Eigen::MatrixXd testMatrix(int n, double phase) {
    Eigen::MatrixXd a(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) a(i, j) = (i == j ? 4.0 : 0.0) + std::sin(0.7 * i + 1.3 * j + phase) / n;
    return a;
}

TEST(NearbyInverse, SolvesCloseSystemsAndRefusesFarOnes) {
    const int n = 60;
    const Eigen::MatrixXd a = testMatrix(n, 0.0);
    Eigen::VectorXd b(n);
    for (int i = 0; i < n; ++i) b(i) = std::cos(0.3 * i);
    const Eigen::VectorXd direct = a.partialPivLu().solve(b);

    Eigen::MatrixXd inverted = a;
    inverted.diagonal() *= -1.0;  // eigenvalues of near^-1 a on both sides of zero
    Eigen::MatrixXd broken = a;
    broken(3, 3) = std::nan("");
    struct Case {
        const char* name;
        Eigen::MatrixXd near;
        int mostSteps;
        bool solves;
    };
    const Case cases[] = {
        {"the same matrix", a, 40, true},
        {"a matrix 2 % off", a + 0.02 * testMatrix(n, 2.0), 40, true},
        {"a matrix of opposite diagonal, three steps allowed", inverted, 3, false},
        {"an inverse with no number in it", broken, 40, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Eigen::VectorXd x;
        const bool solved =
            solveOnNearbyInverse(a, b, c.near.partialPivLu().inverse(), 1e-15, c.mostSteps, x);
        EXPECT_EQ(solved, c.solves);
        // Tolerance 1e-12: a residual of 1e-15 |b| on a matrix whose
        // condition number is about 1.5 (diagonal 4, off-diagonal rows
        // summing to under 1).
        if (solved) {
            EXPECT_LT((x - direct).cwiseAbs().maxCoeff(), 1e-12);
        }
    }
}

Contour contourOf(int32_t designation, int32_t points) {
    const AirfoilResult r = runAirfoil(nacaCall(designation, 0.0f, points));
    Contour c;
    c.halfPoints = r.halfPoints;
    c.x.assign(r.nodeX.begin(), r.nodeX.begin() + r.panels());
    c.y.assign(r.nodeY.begin(), r.nodeY.begin() + r.panels());
    return c;
}

// The section thickened as a boundary layer thickens it: nothing at the
// nose, growing to `rear` chords at the trailing edge, both surfaces.
Contour displaced(Contour c, double rear) {
    const int h = c.halfPoints;
    for (int i = 0; i < 2 * h; ++i) {
        const double grow = rear * std::pow(c.x[i], 1.5);
        c.y[i] += i < h ? -grow : grow;
    }
    c.y[0] = 0.5 * (c.y[1] + c.y[2 * h - 1]);
    return c;
}

TEST(NearbyInverse, DisplacedSectionMatchesItsOwnFactorisation) {
    const Contour plain2412 = contourOf(2412, 160);
    const Contour plain4412 = contourOf(4412, 160);
    struct Case {
        const char* name;
        Contour contour, reference;
        double alphaDeg;
    };
    const Case cases[] = {
        {"NACA 2412 displaced by 0.005 chord at the trailing edge, 4 degrees", displaced(plain2412, 0.005),
         plain2412, 4.0},
        {"the same displaced by 0.05 chord, 16 degrees", displaced(plain2412, 0.05), plain2412, 16.0},
        {"NACA 4412 on NACA 2412's inverse, -12 degrees", plain4412, plain2412, -12.0},
        {"a reference of another point count", displaced(plain2412, 0.01), contourOf(2412, 120), 2.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double alpha = c.alphaDeg * std::numbers::pi / 180.0;
        const PanelSolution near = solvePanelsNear(c.contour, c.reference, alpha);
        const PanelSolution direct = solvePanelsUncached(c.contour, alpha);
        ASSERT_TRUE(near.solved);
        // Tolerance 1e-10: the sheet strengths agree within 3e-12 (the
        // direct solution's own rounding); lift and moment are sums of
        // them over the contour, the velocities linear in them.
        EXPECT_NEAR(near.cl, direct.cl, 1e-10);
        EXPECT_NEAR(near.cmLe, direct.cmLe, 1e-10);
        for (std::size_t j = 0; j < direct.velocity.size(); ++j)
            ASSERT_NEAR(near.velocity[j], direct.velocity[j], 1e-10) << "panel " << j;
    }
}

}  // namespace
}  // namespace aerolune::test
