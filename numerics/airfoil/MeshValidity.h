#pragma once
// Whether the cells of the O-mesh fold, and the last repair of any that do.

#include <cstdint>

#include "common/Array.h"

namespace aerolune {

/// True when the quadrilateral cell with corners qx, qy (0..3, counter-
/// clockwise) does not fold: one of its diagonals splits it into two counter-
/// clockwise triangles (one reflex corner is allowed: the cells at the
/// trailing-edge corner may have one).
bool cellUnfolded(const double* qx, const double* qy);

/// Signed size of cell (i, j) (nodes i, i + 1 of rings j, j + 1): over the two
/// diagonals the larger of the smaller triangle's doubled area; positive
/// exactly when the cell is unfolded.
double cellMeasure(const Array2<double>& x, const Array2<double>& y, std::ptrdiff_t i, std::ptrdiff_t j);

/// Number of folded cells.
std::ptrdiff_t foldedCellCount(const Array2<double>& x, const Array2<double>& y);

/// Round the mesh to float (the caller's type, in which the cells are judged:
/// a cell a few hundred times thinner than the chord can fold in rounding)
/// and repair folded cells by moving their nodes on rings firstFree..NJ-1, one at
/// a time, to the nearby position (towards the mean of its neighbours, or of
/// the pairs of neighbours along either mesh line) that most reduces the
/// folding of the four cells around it without folding any of them that was
/// unfolded. The total folding falls with every move and no unfolded cell
/// ever folds; the repair stops when nothing folds, when no move helps, or
/// after the given number of passes. True when no cell is left folded.
bool untangleMesh(Array2<double>& x, Array2<double>& y, int32_t firstFree, int passes);

}  // namespace aerolune
