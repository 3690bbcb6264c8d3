#pragma once
// The surface pressure-coefficient and surface velocity exports: per surface a
// header and one line per surface station, x and the value in print zones.

#include <cstdint>
#include <string_view>

#include "common/Array.h"
#include "io/ExportText.h"

namespace aerolune {

enum class SurfaceQuantity { PressureCoefficient, Velocity };

/// The export of one surface quantity for stations 1..n (upper n/2+1..n, then
/// lower n/2 down to 1), x and value with the picture "#0.000000". n must be
/// even, positive and within the arrays.
/// \param quantity Cp (view 2) or velocity ratio (view 3)
/// \param name the airfoil field's text
/// \param angle the angle field's text as shown, e.g. "4 Deg."
/// \param ctrlX x of the surface stations, chords
/// \param values Cp or V/Vinf at the stations
/// \param n number of points about the section (NumberOfPoints)
ExportText surfaceExportText(SurfaceQuantity quantity, std::string_view name, std::string_view angle,
                             const Array1<float>& ctrlX, const Array1<float>& values, int32_t n);

}  // namespace aerolune
