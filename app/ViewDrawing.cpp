#include "app/ViewDrawing.h"

#include "app/ZoomCursor.h"
#include "plot/FieldPlots.h"
#include "plot/Views.h"
#include "print/Report.h"
#include "ui/PlotArea.h"

namespace aerolune {

void drawCurrentView(AppState& state, plot::Surface& surface) {
    if (plot::drawLineView(surface, state)) return;
    switch (state.pub.view.toInt()) {
        case 4:
        case 5:
        case 6:
            plot::clearPlot(surface, plot::plotStyleFrom(state));
            plot::drawFieldView(surface, state, state.pub.view.toInt());
            break;
        case 8:
            plot::clearPlot(surface, plot::plotStyleFrom(state));
            print::drawReport(surface, print::reportLines(state));
            break;
        case 9:
            plot::clearPlot(surface, plot::plotStyleFrom(state));
            print::drawReport(surface, print::fourierListingLines(state));
            break;
        default:
            plot::clearPlot(surface, plot::plotStyleFrom(state));
            break;
    }
}

void redrawPlotArea(AppState& state, ui::PlotArea& area) {
    drawCurrentView(state, area.surface());
    area.setCursor(plotCursor(state));
    area.update();
}

}  // namespace aerolune
