#pragma once
// A calibration ruler printed on every template sheet: 100 mm and 4 in with
// ticks, so that a printout can be checked with a rule before a rib is cut
// from it (a printer that shrinks the page to fit its margins shows here).

#include "plot/Surface.h"

namespace aerolune::print {

/// Width kept free at the right of a sheet for the ruler, template units.
/// \param centimetres the template is in centimetres (else inches)
double rulerStripWidth(bool centimetres);

/// Draws the two scales down the right edge of the sheet, each as long as
/// stated beside it (shortened to whole centimetres or inches on a sheet too
/// short for 100 mm or 4 in). The surface's scale is the template's unit
/// scale with the origin at the top-left of the printable area.
/// \param page the printer page
/// \param centimetres the scale is in centimetres (else inches)
/// \param width, height the printable area, template units
void drawCalibrationRuler(plot::Surface& page, bool centimetres, double width, double height);

}  // namespace aerolune::print
