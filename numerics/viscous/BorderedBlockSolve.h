#pragma once
// The Newton system of the coupled boundary layer, solved by elimination
// that follows its structure.
//
// Every station i has three unknowns (c_i, theta_i, m_i) and three equations.
// An equation depends on c and theta of its own station and its upstream
// neighbour only (a few more at the stagnation point and at the trailing
// edge), but on the mass defect m of every station: the edge speed of a
// station is the inviscid speed plus the influence of all sources. The
// matrix is therefore block-sparse in its (c, theta) columns and dense in its
// m columns.
//
// Taken station by station in the order of their (c, theta) dependencies
// (upstream first), each station's (c, theta) follow from two combinations
// of its equations as an affine function of the mass defects, and the third
// combination, the one orthogonal to its own (c, theta) columns, is an
// equation in the mass defects alone. That leaves a dense N x N system for m,
// factorised with partial pivoting: about N^2 operations for the march and
// (2/3) N^3, in blocked matrix products, for the factorisation, where a
// station-by-station elimination of all 3N unknowns takes N^3 in rank-one
// updates. Should the dependencies form a loop, the stations are eliminated
// one by one with 3x3 pivots instead (the structure Drela and Giles exploit,
// AIAA J. 25, 1987, section "solution procedure").

#include <Eigen/Dense>
#include <vector>

namespace aerolune::viscous {

class BorderedBlockSystem {
public:
    explicit BorderedBlockSystem(int stations);

    int stations() const { return n_; }
    /// Zeroes every entry and the right-hand side.
    void clear();
    /// d R_i / d (c_j, theta_j): adds `block` to the entries of equations i.
    void addShapeBlock(int i, int j, const Eigen::Matrix<double, 3, 2>& block);
    /// d R_(3i + e) / d m_j (dense part).
    double& massEntry(int i, int e, int j) { return mass_(3 * i + e, j); }
    Eigen::MatrixXd& mass() { return mass_; }
    double& rhs(int i, int e) { return rhs_(3 * i + e); }

    /// Solves in place; the solution per station is (dc, dtheta, dm).
    /// False when a pivot block is singular.
    bool solve(Eigen::VectorXd& solution);

private:
    struct ShapeEntry {
        int station;
        Eigen::Matrix<double, 3, 2> block;
    };
    ShapeEntry* findShape(int i, int j);
    /// The stations, each after those whose (c, theta) its equations use;
    /// false when the dependencies form a loop.
    bool marchOrder(std::vector<int>& order) const;
    bool solveByMarch(const std::vector<int>& order, Eigen::VectorXd& solution);
    bool solveByBlockElimination(Eigen::VectorXd& solution);

    int n_;
    std::vector<std::vector<ShapeEntry>> shape_;  ///< per equation block, its (c, theta) entries
    Eigen::MatrixXd mass_;                        ///< 3N x N
    Eigen::VectorXd rhs_;
    // The march's work space, kept between solves of the same size.
    Eigen::MatrixXd shapeOfMass_;  ///< 2N x N: (c, theta) of each station per mass defect
    Eigen::VectorXd shapeOffset_;  ///< 2N
    Eigen::MatrixXd reduced_;      ///< N x N system in the mass defects
    Eigen::VectorXd reducedRhs_;
    Eigen::Matrix<double, 3, Eigen::Dynamic> rows_;  ///< one station's equations in the mass defects
    Eigen::PartialPivLU<Eigen::MatrixXd> lu_;
};

}  // namespace aerolune::viscous
