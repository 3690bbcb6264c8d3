#pragma once
// The main window's load step on the application state, in its fixed order.
// Window placement, the picture bar and showing the window are the window's
// own part of the step.

#include "analysis/AppState.h"

namespace aerolune {

void applyLoadDefaults(AppState& state);

/// Height-to-width ratio of the usable drawing area from the client size in
/// twips; the previous ratio is kept when the window is too small to have one.
double plotAspectFor(int clientWidthTwips, int clientHeightTwips, int statusBarTwips, int pictureBarTwips,
                     double previous);

}  // namespace aerolune
