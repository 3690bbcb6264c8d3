#pragma once
// The Fourier-coefficient view: the thin-airfoil coefficients as text lines,
// printed one per line from the top-left corner of the plot area.

#include <string>
#include <vector>

#include "analysis/LinAero.h"

namespace aerolune {

/// "   FOURIER COEFFICIENTS FOR", "   THIN AIRFOIL COMPUTATIONS", an empty
/// line, then "   A0 = " .. "   A8 = " each followed by its coefficient
/// formatted "#0.000000" (12 lines).
/// \param aero the instance of the last computation (coefficients in radians)
std::vector<std::string> fourierReportLines(const LinAero& aero);

}  // namespace aerolune
