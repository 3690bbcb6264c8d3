// Redrawing the field views into a 1200 x 800 screen image, the grid-and-flow
// computation included: streamlines and pressure contours on their 61 x 31
// mesh, the mesh view at its default 41 x 21 and at the largest 191 x 91
// (the mesh rebuilt on every redraw, as after a change of settings).

#include <benchmark/benchmark.h>

#include "analysis/FieldRoutine.h"
#include "analysis/Pipeline.h"
#include "plot/FieldPlots.h"
#include "plot/qt/PainterSurface.h"
#include "plot/qt/PlotFile.h"

namespace {

using namespace aerolune;

struct QuietSeam : ViewSeam {
    void drawView(AppState&) override {}
    void setStatus(const std::string&) override {}
    void showMessage(const std::string&) override {}
};

AppState defaultSection() {
    AppState state;
    state.analysis.boundaryLayerPending = false;
    QuietSeam seam;
    recompute(state, seam);
    return state;
}

void redraw(benchmark::State& run, int view, int meshX, int meshY) {
    plot::ensurePaintingAvailable();
    AppState state = defaultSection();
    state.mesh.pointsAround = meshX;
    state.mesh.rings = meshY;
    plot::ImageSurface surface(1200, 800);
    for (auto _ : run) {
        state.mesh.rebuild = true;
        surface.clear();
        state.analysis.field = computeFieldView(state, view);
        plot::drawFieldView(surface, state.analysis.field, plot::viewWindow(state, view),
                            state.display.foregroundColour);
        benchmark::DoNotOptimize(surface.image().constBits());  // as the plot area shows it
    }
}

void BM_RedrawStreamlines(benchmark::State& run) { redraw(run, 4, 41, 21); }
void BM_RedrawPressure(benchmark::State& run) { redraw(run, 5, 41, 21); }
void BM_RedrawMesh41x21(benchmark::State& run) { redraw(run, 6, 41, 21); }
void BM_RedrawMesh191x91(benchmark::State& run) { redraw(run, 6, 191, 91); }

BENCHMARK(BM_RedrawStreamlines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawPressure)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawMesh41x21)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawMesh191x91)->Unit(benchmark::kMillisecond);

}  // namespace
