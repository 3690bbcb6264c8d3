#pragma once
// The plot area's pointer: the zoom cursor (a magnifying glass) on the views
// that zoom, the cross-hair on the others. The zoom cursor comes in two
// images, dark for the white background and light for the black one.

#include <QCursor>

#include "analysis/AppState.h"

namespace aerolune {

/// The zoom cursor for the background: dark glass on white, light on black.
/// \param blackBackground true when the plot area's background is black
QCursor zoomCursor(bool blackBackground);

/// The cursor the plot area shows for the state's view and background.
QCursor plotCursor(const AppState& state);

}  // namespace aerolune
