#pragma once
// Axis ranges that end on round numbers: a range of data widened to whole
// steps of 1, 2, 2.5 or 5 times a power of ten, so every tick label is short.

namespace aerolune::plot {

struct AxisRange {
    double lo = 0, hi = 1;
    int divisions = 1;
};

/// The smallest round step that covers lo..hi in at most maxDivisions steps,
/// and the range widened to whole steps of it. An empty or non-finite range
/// gives 0..1 in one step.
AxisRange niceRange(double lo, double hi, int maxDivisions);

}  // namespace aerolune::plot
