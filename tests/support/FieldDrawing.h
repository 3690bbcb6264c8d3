#pragma once
// A field view computed and drawn as a recomputation followed by a redraw
// does it: the field kept in the state, then drawn in the view's window,
// which takes the window as drawn.

#include "analysis/AppState.h"
#include "analysis/FieldRoutine.h"
#include "plot/FieldPlots.h"
#include "plot/FieldWindow.h"

namespace aerolune::test {

inline void computeAndDrawField(plot::Surface& surface, AppState& state, int view) {
    state.analysis.field = computeFieldView(state, view);
    if (state.analysis.field.view == 0) return;
    const plot::FieldWindow drawn = plot::drawFieldView(
        surface, state.analysis.field, plot::viewWindow(state, view), state.display.foregroundColour);
    plot::storeViewWindow(state, view, drawn);
}

}  // namespace aerolune::test
