#include "numerics/viscous/BorderedBlockSolve.h"

#include <cmath>
#include <utility>

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
    std::vector<int> order;
    if (marchOrder(order)) return solveByMarch(order, solution);
    return solveByBlockElimination(solution);
}

bool BorderedBlockSystem::marchOrder(std::vector<int>& order) const {
    // Depth-first from every station through the non-zero blocks of other
    // stations; a station met again while its own visit is open closes a loop.
    enum class Mark : char { New, Open, Done };
    std::vector<Mark> mark(static_cast<std::size_t>(n_), Mark::New);
    order.clear();
    order.reserve(static_cast<std::size_t>(n_));
    std::vector<std::pair<int, std::size_t>> stack;
    for (int root = 0; root < n_; ++root) {
        if (mark[static_cast<std::size_t>(root)] != Mark::New) continue;
        stack.push_back({root, 0});
        mark[static_cast<std::size_t>(root)] = Mark::Open;
        while (!stack.empty()) {
            auto& [i, next] = stack.back();
            const auto& entries = shape_[static_cast<std::size_t>(i)];
            if (next == entries.size()) {
                mark[static_cast<std::size_t>(i)] = Mark::Done;
                order.push_back(i);
                stack.pop_back();
                continue;
            }
            const ShapeEntry& e = entries[next++];
            if (e.station == i || e.block.isZero(0.0)) continue;
            const Mark m = mark[static_cast<std::size_t>(e.station)];
            if (m == Mark::Open) return false;
            if (m == Mark::New) {
                mark[static_cast<std::size_t>(e.station)] = Mark::Open;
                stack.push_back({e.station, 0});
            }
        }
    }
    return true;
}

bool BorderedBlockSystem::solveByMarch(const std::vector<int>& order, Eigen::VectorXd& solution) {
    const int n = n_;
    // (c_j, theta_j) = shapeOffset_j + shapeOfMass_j m for every station done.
    Eigen::MatrixXd& shapeOfMass = shapeOfMass_;
    Eigen::VectorXd& shapeOffset = shapeOffset_;
    Eigen::MatrixXd& reduced = reduced_;
    Eigen::VectorXd& reducedRhs = reducedRhs_;
    Eigen::Matrix<double, 3, Eigen::Dynamic>& M = rows_;
    shapeOfMass.resize(2 * n, n);
    shapeOffset.resize(2 * n);
    reduced.resize(n, n);
    reducedRhs.resize(n);
    M.resize(3, n);
    for (const int i : order) {
        // own (c_i, theta_i) + M m = r, the stations it depends on substituted.
        M = mass_.middleRows<3>(3 * i);
        Eigen::Vector3d r = rhs_.segment<3>(3 * i);
        Eigen::Matrix<double, 3, 2> own = Eigen::Matrix<double, 3, 2>::Zero();
        for (const ShapeEntry& e : shape_[static_cast<std::size_t>(i)]) {
            if (e.station == i) {
                own += e.block;
            } else if (!e.block.isZero(0.0)) {
                M.noalias() += e.block * shapeOfMass.middleRows<2>(2 * e.station);
                r -= e.block * shapeOffset.segment<2>(2 * e.station);
            }
        }
        // w is orthogonal to both own columns: w^T (equations) is free of
        // (c_i, theta_i); the projection onto the columns gives them.
        Eigen::Vector3d w = own.col(0).cross(own.col(1));
        const double scale = own.col(0).norm() * own.col(1).norm();
        if (!(w.norm() > 1e-12 * scale)) return solveByBlockElimination(solution);
        w.normalize();
        const Eigen::Matrix2d gram = own.transpose() * own;
        const Eigen::Matrix<double, 2, 3> project = gram.inverse() * own.transpose();
        shapeOfMass.middleRows<2>(2 * i).noalias() = -project * M;
        shapeOffset.segment<2>(2 * i) = project * r;
        reduced.row(i).noalias() = w.transpose() * M;
        reducedRhs(i) = w.dot(r);
    }
    lu_.compute(reduced);
    // A pivot lost against the largest is a singular system, not a step.
    const Eigen::VectorXd pivots = lu_.matrixLU().diagonal().cwiseAbs();
    if (!(pivots.minCoeff() > 1e-14 * pivots.maxCoeff())) return false;
    const Eigen::VectorXd m = lu_.solve(reducedRhs);
    if (!m.allFinite()) return false;
    solution.resize(3 * n);
    for (int i = 0; i < n; ++i) {
        solution.segment<2>(3 * i) = shapeOffset.segment<2>(2 * i) + shapeOfMass.middleRows<2>(2 * i) * m;
        solution(3 * i + 2) = m(i);
    }
    return solution.allFinite();
}

bool BorderedBlockSystem::solveByBlockElimination(Eigen::VectorXd& solution) {
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
