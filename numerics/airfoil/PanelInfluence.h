#pragma once
// The straight panels of a closed contour and the influence matrix of the
// linear-vorticity sheet laid on them (the stream function at every node).

#include <Eigen/Dense>
#include <vector>

#include "numerics/airfoil/SectionShape.h"

namespace aerolune {

struct PanelGeometry {
    int n = 0;                 ///< panels = nodes; node n is node 0 again
    std::vector<double> x, y;  ///< n + 1 entries, the closing node repeated
    std::vector<double> length, tx, ty;
};

PanelGeometry panelGeometry(const Contour& contour);

/// The (n + 2) x (n + 2) system of the panel method. Unknowns: the sheet
/// strengths gamma_0..gamma_n (gamma_n the upper-surface value at the closing
/// node) and the stream-function constant psi0. Rows 0..n-1: psi(node i) -
/// psi0, the free stream's share left out; rows n and n + 1: the trailing
/// edge's two values.
Eigen::MatrixXd influenceMatrix(const PanelGeometry& g);

}  // namespace aerolune
