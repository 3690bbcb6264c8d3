#include "plot/Views.h"

#include "analysis/AppState.h"

namespace aerolune::plot {

bool drawLineView(Surface& s, const AppState& state, std::span<const ReferencePolar> references) {
    switch (state.display.view) {
        case 1:
            drawAirfoilView(s, state);
            return true;
        case 2:
            drawSurfacePlot(s, state, false);
            return true;
        case 3:
            drawSurfacePlot(s, state, true);
            return true;
        case 7:
            drawBoundaryLayerView(s, state);
            return true;
        case 10:
            drawPolarView(s, state, static_cast<int>(state.display.polarKind), references);
            return true;
        default:
            return false;
    }
}

}  // namespace aerolune::plot
