#pragma once
// The saved coordinates file of the airfoil view: a title line, then the upper
// surface from the leading edge and the lower surface from the leading edge,
// each under a header with its point count.

#include <cstdint>
#include <string_view>

#include "common/Array.h"
#include "io/ExportText.h"

namespace aerolune {

/// The coordinates file for contour points 1..n (lower surface 1..n/2 from the
/// trailing edge, upper n/2+1..n from the leading edge): n + 3 lines, x and y
/// with the picture "#0.000000" in print zones. n must be even, positive and
/// within the arrays; otherwise the result carries the reason and no text.
/// \param name the airfoil field's text
/// \param nodeX,nodeY the contour, chords
/// \param n number of contour points (TotalPoints)
ExportText coordinatesFileText(std::string_view name, const Array1<float>& nodeX, const Array1<float>& nodeY,
                               int32_t n);

/// Checks that n points can be read as two surfaces of n/2 from both arrays.
/// \return the reason they cannot, or empty
std::string contourCountProblem(int32_t n, std::ptrdiff_t xSize, std::ptrdiff_t ySize);

}  // namespace aerolune
