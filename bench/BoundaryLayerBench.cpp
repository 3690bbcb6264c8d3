// BoundaryLayer on both surfaces with the viscous re-solve, at the default
// settings: NACA 0012 at 4 degrees, Re 1e6, natural transition, 120 points
// with 32 across the layer and 340 points with 64 across. The section is
// solved once outside the timing; each iteration is what views 7 and 8 run.

#include <benchmark/benchmark.h>

#include "analysis/BoundaryLayer.h"
#include "analysis/Pipeline.h"

namespace {

using namespace aerolune;

struct QuietBoundaryLayerSeam : ViewSeam {
    void drawView(AppState&) override {}
    void setStatus(const std::string&) override {}
    void showMessage(const std::string&) override {}
};

void BM_BoundaryLayer(benchmark::State& bench) {
    const auto totalPoints = static_cast<int32_t>(bench.range(0));
    AppState state;
    state.texts.sectionName = "0012";
    state.texts.angleText = "4";
    state.shared.HalfPoints = totalPoints / 2;
    state.shared.TotalPoints = Variant(static_cast<int16_t>(totalPoints));
    state.settings.boundaryLayerPoints = static_cast<int32_t>(bench.range(1));
    state.analysis.boundaryLayerPending = false;
    QuietBoundaryLayerSeam seam;
    recompute(state, seam);
    for (auto _ : bench) {
        const bool ok = BoundaryLayer(state, seam);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(state.boundaryLayer.boundaryLayerCd);
    }
    if (!state.boundaryLayer.ok) bench.SkipWithError(state.boundaryLayer.error.c_str());
}
// The two surfaces march on two cores: wall time and the whole process's
// processor time.
BENCHMARK(BM_BoundaryLayer)
    ->Args({120, 32})
    ->Args({340, 64})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

}  // namespace
