// The structured elimination of the coupled layer's Newton system against a
// dense LU factorisation of the same matrix: block-sparse (c, theta) columns
// with the couplings the layer has (upstream neighbour, the other surface's
// first station, both trailing-edge stations into the wake, a node near the
// stagnation point tied to the station behind it), dense m columns.

#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <random>
#include <utility>
#include <vector>

#include "numerics/viscous/BorderedBlockSolve.h"

namespace aerolune::viscous {
namespace {

struct Pattern {
    const char* name;
    int stations;
    std::vector<std::pair<int, int>> extra;  ///< (equation block, station) couplings beyond i-1 and i
};

// Fills both the structured system and its dense copy with the same entries.
void fill(const Pattern& p, BorderedBlockSystem& sys, Eigen::MatrixXd& dense, Eigen::VectorXd& rhs,
          unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    const int n = p.stations;
    dense = Eigen::MatrixXd::Zero(3 * n, 3 * n);
    rhs.resize(3 * n);
    const auto shape = [&](int i, int j, bool own) {
        Eigen::Matrix<double, 3, 2> b;
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c) b(r, c) = u(gen) + (own && r == c ? 3.0 : 0.0);
        sys.addShapeBlock(i, j, b);
        dense.block<3, 2>(3 * i, 3 * j) += b;
    };
    for (int i = 0; i < n; ++i) {
        shape(i, i, true);
        if (i > 0) shape(i, i - 1, false);
        for (int e = 0; e < 3; ++e) {
            for (int j = 0; j < n; ++j) {
                // The m columns: a small influence everywhere, a larger own entry.
                const double v = 0.2 * u(gen) + (j == i && e == 2 ? 3.0 : 0.0);
                sys.massEntry(i, e, j) = v;
                dense(3 * i + e, 3 * j + 2) = v;
            }
            sys.rhs(i, e) = rhs(3 * i + e) = u(gen);
        }
    }
    for (const auto& [i, j] : p.extra) shape(i, j, false);
}

TEST(BorderedBlockSolve, MatchesDenseFactorisation) {
    const std::vector<Pattern> patterns = {
        {"neighbours only", 12, {}},
        {"first stations of both surfaces", 20, {{0, 10}, {10, 0}, {1, 10}, {11, 0}}},
        {"trailing edge into the wake", 24, {{20, 9}, {20, 19}}},
        {"stagnation-zone nodes tied downstream",
         30,
         {{0, 1}, {1, 2}, {12, 13}, {0, 12}, {24, 11}, {24, 23}}},
        {"a section's size", 190, {{0, 83}, {83, 0}, {160, 82}, {160, 159}}},
    };
    for (const Pattern& p : patterns) {
        for (unsigned seed : {1u, 2u, 3u}) {
            BorderedBlockSystem sys(p.stations);
            Eigen::MatrixXd dense;
            Eigen::VectorXd rhs;
            fill(p, sys, dense, rhs, seed);
            Eigen::VectorXd x;
            ASSERT_TRUE(sys.solve(x)) << p.name;
            const Eigen::VectorXd reference = dense.partialPivLu().solve(rhs);
            // Both are direct solutions of a well-conditioned system in double
            // precision: they agree to rounding (1e-10 relative, against
            // Eigen's partial-pivoting LU of the dense copy).
            EXPECT_LT((x - reference).norm(), 1e-10 * reference.norm()) << p.name << " seed " << seed;
            EXPECT_LT((dense * x - rhs).norm(), 1e-10 * rhs.norm()) << p.name << " seed " << seed;
        }
    }
}

// A station whose equations do not depend on its own unknowns (a pivot
// block of rank two) is reported, not divided by.
TEST(BorderedBlockSolve, SingularPivotIsReported) {
    BorderedBlockSystem sys(4);
    for (int i = 0; i < 4; ++i) {
        Eigen::Matrix<double, 3, 2> b = Eigen::Matrix<double, 3, 2>::Zero();
        b(0, 0) = b(1, 1) = 1.0;
        sys.addShapeBlock(i, i, b);
        sys.massEntry(i, 2, i) = i == 2 ? 0.0 : 1.0;
        sys.rhs(i, 2) = 1.0;
    }
    Eigen::VectorXd x;
    EXPECT_FALSE(sys.solve(x));
}

}  // namespace
}  // namespace aerolune::viscous
