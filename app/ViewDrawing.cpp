#include "app/ViewDrawing.h"

#include "plot/Views.h"
#include "ui/PlotArea.h"

namespace aerolune {

void drawCurrentView(AppState& state, plot::Surface& surface) {
    if (plot::drawLineView(surface, state)) return;
    switch (state.pub.VFlag.toInt()) {
        case 4:
        case 5:
        case 6:
            // The field views (streamlines, pressure contours, mesh) draw here.
            plot::clearPlot(surface, plot::plotStyleFrom(state));
            break;
        case 8:
        case 9:
            // The report views (coefficients report, Fourier listing) draw here.
            plot::clearPlot(surface, plot::plotStyleFrom(state));
            break;
        default:
            plot::clearPlot(surface, plot::plotStyleFrom(state));
            break;
    }
}

void redrawPlotArea(AppState& state, ui::PlotArea& area) {
    drawCurrentView(state, area.surface());
    area.update();
}

}  // namespace aerolune
