#include "numerics/viscous/BorderedBlockSolve.h"

#include <cmath>

namespace aerolune::viscous {

BorderedBlockSystem::BorderedBlockSystem(int stations)
    : n_(stations),
      shape_(static_cast<std::size_t>(stations)),
      mass_(3 * stations, stations),
      rhs_(3 * stations) {
    clear();
}

void BorderedBlockSystem::clear() {
    for (auto& row : shape_) row.clear();
    mass_.setZero();
    rhs_.setZero();
}

BorderedBlockSystem::ShapeEntry* BorderedBlockSystem::findShape(int i, int j) {
    for (ShapeEntry& e : shape_[static_cast<std::size_t>(i)])
        if (e.station == j) return &e;
    return nullptr;
}

void BorderedBlockSystem::addShapeBlock(int i, int j, const Eigen::Matrix<double, 3, 2>& block) {
    if (ShapeEntry* e = findShape(i, j)) {
        e->block += block;
        return;
    }
    shape_[static_cast<std::size_t>(i)].push_back({j, block});
}

bool BorderedBlockSystem::solve(Eigen::VectorXd& solution) {
    const int n = n_;
    for (int k = 0; k < n; ++k) {
        // Normalise the pivot rows: their own block becomes the identity.
        Eigen::Matrix3d pivot;
        const ShapeEntry* own = findShape(k, k);
        pivot.leftCols<2>() = own ? own->block : Eigen::Matrix<double, 3, 2>::Zero();
        pivot.col(2) = mass_.block<3, 1>(3 * k, k);
        const Eigen::FullPivLU<Eigen::Matrix3d> lu(pivot);
        if (!lu.isInvertible()) return false;
        const Eigen::Matrix3d inv = lu.inverse();
        if (!inv.allFinite()) return false;
        const int rest = n - k - 1;
        if (rest > 0) mass_.block(3 * k, k + 1, 3, rest) = inv * mass_.block(3 * k, k + 1, 3, rest);
        rhs_.segment<3>(3 * k) = inv * rhs_.segment<3>(3 * k);
        auto& pivotShape = shape_[static_cast<std::size_t>(k)];
        std::vector<ShapeEntry> later;
        for (ShapeEntry& e : pivotShape) {
            if (e.station > k) {
                e.block = inv * e.block;
                later.push_back(e);
            } else if (e.station < k) {
                e.block.setZero();
            }
        }
        mass_.block<3, 1>(3 * k, k) = Eigen::Vector3d(0.0, 0.0, 1.0);
        if (rest == 0) break;

        // Rows below: subtract (their entries in the pivot columns) x (pivot rows).
        // The m column of station k is dense: one rank-one update for all of them.
        const int rows = 3 * rest;
        const Eigen::VectorXd column = mass_.block(3 * (k + 1), k, rows, 1);
        mass_.block(3 * (k + 1), k + 1, rows, rest).noalias() -=
            column * mass_.block(3 * k + 2, k + 1, 1, rest);
        rhs_.segment(3 * (k + 1), rows) -= column * rhs_(3 * k + 2);
        mass_.block(3 * (k + 1), k, rows, 1).setZero();
        for (int r = k + 1; r < n; ++r) {
            const Eigen::Vector3d mk = column.segment<3>(3 * (r - k - 1));
            ShapeEntry* ck = findShape(r, k);
            const bool hasShape = ck != nullptr;
            Eigen::Matrix<double, 3, 2> cs = hasShape ? ck->block : Eigen::Matrix<double, 3, 2>::Zero();
            if (hasShape) {
                // The (c, theta) pivot rows, for the rows that depend on station k's c and theta.
                mass_.block(3 * r, k + 1, 3, rest).noalias() -= cs * mass_.block(3 * k, k + 1, 2, rest);
                rhs_.segment<3>(3 * r) -= cs * rhs_.segment<2>(3 * k);
                ck->block.setZero();
            }
            if (later.empty() || (!hasShape && mk.isZero(0.0))) continue;
            // Fill-in of the pivot rows' later (c, theta) entries.
            Eigen::Matrix3d e;
            e.leftCols<2>() = cs;
            e.col(2) = mk;
            for (const ShapeEntry& p : later) addShapeBlock(r, p.station, -e * p.block);
        }
    }
    // Back substitution.
    solution.resize(3 * n);
    for (int k = n - 1; k >= 0; --k) {
        Eigen::Vector3d x = rhs_.segment<3>(3 * k);
        const int rest = n - k - 1;
        if (rest > 0) {
            Eigen::VectorXd mLater(rest);
            for (int j = 0; j < rest; ++j) mLater(j) = solution(3 * (k + 1 + j) + 2);
            x -= mass_.block(3 * k, k + 1, 3, rest) * mLater;
        }
        for (const ShapeEntry& e : shape_[static_cast<std::size_t>(k)])
            if (e.station > k) x -= e.block * solution.segment<2>(3 * e.station);
        if (!x.allFinite()) return false;
        solution.segment<3>(3 * k) = x;
    }
    return true;
}

}  // namespace aerolune::viscous
