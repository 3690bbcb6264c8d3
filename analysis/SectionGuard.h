#pragma once
// The recomputation's first check: can the section builder make the section
// the state now defines? A definition it cannot make (a flap that turns a
// surface back past the vertical, surfaces that cross, no thickness, file
// lists that make no section) would be laid as some other contour and
// analysed into figures that look like results and are not.

#include <string>

#include "analysis/AppState.h"
#include "analysis/PipelineSeam.h"

namespace aerolune {

/// Why the builder cannot make the section the state defines, in plain words;
/// empty when it can.
std::string sectionBuildProblem(AppState& state);

/// When the builder can make the state's section, remembers its definition
/// and returns true. When it cannot, shows why through the seam, puts the
/// last definition it could make back (sectionName, the flap read-outs, family,
/// digits, flap and point counts, the file lists) and returns true; with no
/// such definition it returns false and the caller computes nothing.
bool guardSection(AppState& state, ViewSeam& seam);

}  // namespace aerolune
