#pragma once
// Plain flap: the part of the section aft of the hinge turned about the hinge
// point on the mean line. On the side that opens (the upper surface for a
// trailing edge turned down) the gap is closed by an arc about the hinge; on
// the side that closes, the fixed surface and the turned one overlap and the
// contour follows whichever lies outside, so it never crosses itself.

#include "numerics/airfoil/SectionShape.h"

namespace aerolune {

/// \param curves the unflapped section, unit chord from the leading edge
/// \param hinge hinge position, fraction of chord (0 < hinge < 1)
/// \param deflection radians, positive turns the trailing edge down
SectionShape flappedShape(const SectionCurves& curves, double hinge, double deflection);

/// True when the flap turns a surface back past the vertical before the
/// trailing edge (its x falls again towards the edge): the chordwise stations
/// cannot follow such a surface, and a contour laid on them is not the section.
/// \param curves,hinge,deflection as for flappedShape
/// \param slack how far (chords) a surface may run back and still pass
bool flapTurnsBack(const SectionCurves& curves, double hinge, double deflection, double slack);

}  // namespace aerolune
