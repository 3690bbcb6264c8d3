// Redrawing each line view into a 1200 x 800 screen image with the analysis
// already done: what a resize, a background change or a colour click costs.

#include <benchmark/benchmark.h>

#include "analysis/Pipeline.h"
#include "plot/Views.h"
#include "plot/qt/PainterSurface.h"
#include "plot/qt/PlotFile.h"

namespace aerolune {
namespace {

struct SilentSeam : ViewSeam {
    void drawView(AppState&) override {}
    void setStatus(const std::string&) override {}
    void showMessage(const std::string&) override {}
};

// Views by number: 0-3 airfoil sub-views, 4 Cp, 5 velocity, 6-11 boundary
// layer 1..6, 12-14 polar kinds 1..3 with 20 stored polars.
void setView(AppState& state, int64_t view) {
    if (view <= 3) {
        state.display.view = 1;
        state.display.airfoilOverlay = AirfoilOverlay(view);
    } else if (view <= 5) {
        state.display.view = view - 2;
    } else if (view <= 11) {
        state.display.view = 7;
        state.display.boundaryLayerPlot = BoundaryLayerPlot(view - 5);
    } else {
        state.display.view = 10;
        state.display.polarKind = PolarKind(view - 11);
    }
}

AppState& solvedState() {
    static AppState state = [] {
        AppState s;
        s.texts.sectionName = "2412";
        s.texts.angleText = "4";
        s.display.view = 10;  // runs the polar sweep and the boundary layer too
        SilentSeam seam;
        recompute(s, seam);
        const StoredPolar first = s.analysis.polars[0];
        for (int p = 1; p < kPolarCapacity; ++p) {
            StoredPolar& more =
                s.analysis.polars.add({"P" + std::to_string(p), "0.0 Deg.", "0.0 %c", 1e6 + p});
            more.points = first.points;
        }
        return s;
    }();
    return state;
}

void BM_Redraw(benchmark::State& bench) {
    plot::ensurePaintingAvailable();
    AppState state = solvedState();
    setView(state, bench.range(0));
    plot::ImageSurface surface(1200, 800);
    for (auto _ : bench) {
        plot::drawLineView(surface, state);
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(BM_Redraw)->DenseRange(0, 14)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace aerolune
