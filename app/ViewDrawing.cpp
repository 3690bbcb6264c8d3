#include "app/ViewDrawing.h"

#include "analysis/FieldRoutine.h"
#include "app/ZoomCursor.h"
#include "plot/FieldPlots.h"
#include "plot/Views.h"
#include "print/Report.h"
#include "ui/PlotArea.h"

namespace aerolune {

namespace {

// The field the last recomputation kept, in the view's window; the window as
// drawn becomes the view's window, so zooming starts from what is shown.
void drawKeptField(AppState& state, plot::Surface& surface) {
    const int view = state.display.view;
    FieldViewData& field = state.analysis.field;
    if (field.view != view) return;
    recolourLevels(field, state.display.foregroundColour);
    const plot::FieldWindow drawn =
        plot::drawFieldView(surface, field, plot::viewWindow(state, view), state.display.foregroundColour);
    plot::storeViewWindow(state, view, drawn);
}

}  // namespace

void drawCurrentView(AppState& state, plot::Surface& surface) {
    if (plot::drawLineView(surface, state, state.analysis.referencePolars)) return;
    switch (state.display.view) {
        case 4:
        case 5:
        case 6:
            plot::clearPlot(surface, plot::plotStyleFrom(state));
            drawKeptField(state, surface);
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
