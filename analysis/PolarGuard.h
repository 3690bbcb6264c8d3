#pragma once
// What the polar sweep checks before it stores a row: that the displaced
// contour it re-solved is one a boundary layer can make, that the coupling
// step it took converges, and that the row's figures are ones a section can
// have. A row that fails is stored as not computed, with the reason, rather
// than as numbers.

#include <string>

#include "analysis/PolarStore.h"
#include "common/Array.h"

namespace aerolune {

/// The largest displacement thickness the displaced-section re-solve takes,
/// chords. Beyond it the layer is separated over so much of the section that
/// a displaced contour no longer stands for the flow (the first
/// displacements of stalled NACA 8812, MH 114 and S1210 at 16 to 20 degrees
/// reach 0.06 to 0.10 chord; the marches that ran away reached 0.4 to 570).
inline constexpr double kMostDisplacement = 0.1;

/// How far the coupling's second displacement may move from the first, in
/// multiples of the first's largest thickness, for its relaxed step to be
/// taken. A direct iteration whose correction is several times the quantity
/// it corrects is diverging, not converging (on the NACA and real sections
/// at Re 1e5 to 1e7 the steps that converge change the displacement by at
/// most twice its size; the diverging ones by 3 to 4,700 times).
inline constexpr double kMostCouplingStep = 3.0;

/// The largest |displaced - undisplaced| over nodes 1..n, chords.
double largestDisplacement(const Array1<float>& undisplaced, const Array1<float>& displaced, int32_t n);

/// Whether the coupling's relaxed step from `first` towards `second` is
/// taken: both displacements physical and the step within kMostCouplingStep
/// of the first displacement's size.
bool couplingStepConverges(const Array1<float>& undisplaced, const Array1<float>& first,
                           const Array1<float>& second, int32_t n);

/// Why the row cannot be stored as computed; empty when every figure is one
/// a section can have (lift, drag, moment within their bounds, transitions
/// on the chord).
std::string polarRowProblem(const PolarPoint& point);

/// Marks a row not computed: its figures become NaN (a plot leaves a gap
/// there) and `why` is kept for the notice and the saved file.
void markNotComputed(PolarPoint& point, const std::string& why);

}  // namespace aerolune
