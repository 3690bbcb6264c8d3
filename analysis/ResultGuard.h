#pragma once
// The last check on one analysis before its figures reach the results panel,
// the report, a saved file or the command line.

#include <string>

#include "analysis/AppState.h"

namespace aerolune {

/// The text a results-panel cell shows instead of a figure no section can
/// have; the reason comes in a message.
inline constexpr const char* kOutOfRangeCell = "out of range";

/// Why the figures of the last recomputation cannot be given (the first
/// figure beyond its bounds: panel and thin-airfoil lift and moments, the
/// zero-lift angle, the drag estimate, and the thin-airfoil lift against the
/// panel lift when both are at the geometric angle); empty when all are sane.
std::string analysisResultProblem(const AppState& state);

/// The results-panel cells of the figures beyond their bounds read
/// kOutOfRangeCell (the others keep their figures).
void markOutOfRangeCells(AppState& state);

}  // namespace aerolune
