// The recomputation behind every change the user makes, and the 21-point
// polar sweep, at the default and the largest point counts.

#include <benchmark/benchmark.h>

#include "analysis/Pipeline.h"
#include "analysis/Polar.h"
#include "analysis/PolarLayerModel.h"

namespace aerolune {
namespace {

struct QuietSeam : ViewSeam {
    void drawView(AppState&) override {}
    void setStatus(const std::string&) override {}
    void showMessage(const std::string&) override {}
};

void BM_Recompute(benchmark::State& bench) {
    const auto points = static_cast<int32_t>(bench.range(0));
    AppState state;
    state.texts.sectionName = "2412";
    state.texts.angleText = "4";
    state.shared.HalfPoints = points / 2;
    state.shared.TotalPoints = Variant(int16_t(points));
    QuietSeam seam;
    for (auto _ : bench) {
        recompute(state, seam);
        benchmark::DoNotOptimize(state.analysis.drag.cd);
    }
}
BENCHMARK(BM_Recompute)->Arg(120)->Arg(340)->Unit(benchmark::kMillisecond);

// After a change of section the solver cannot reuse its factorisation: the
// two sections alternate, so every recomputation factorises afresh.
void BM_RecomputeNewSection(benchmark::State& bench) {
    const auto points = static_cast<int32_t>(bench.range(0));
    AppState state;
    state.texts.angleText = "4";
    state.shared.HalfPoints = points / 2;
    state.shared.TotalPoints = Variant(int16_t(points));
    QuietSeam seam;
    bool first = true;
    for (auto _ : bench) {
        state.texts.sectionName = first ? "2412" : "4415";
        first = !first;
        recompute(state, seam);
        benchmark::DoNotOptimize(state.analysis.drag.cd);
    }
}
BENCHMARK(BM_RecomputeNewSection)->Arg(120)->Arg(340)->Unit(benchmark::kMillisecond);

void BM_PolarSweep(benchmark::State& bench) {
    const auto points = static_cast<int32_t>(bench.range(0));
    SectionState section;
    section.designationNumber = 2412;
    StoredPolar polar;
    for (auto _ : bench) {
        polarSweep(section, points, PolarSettings{}, polar);
        benchmark::DoNotOptimize(polar.points.data());
    }
}
// The sweep runs its angles on all cores: wall time is the figure, and the
// processor time is the whole process's (AEROLUNE_THREADS=1 for one core).
BENCHMARK(BM_PolarSweep)
    ->Arg(120)
    ->Arg(340)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// The coupled-layer polar of NACA 2412 at Re 1e6, 160 points: every angle a
// viscous-inviscid Newton solution of the layer and wake.
void BM_LayerPolarSweep(benchmark::State& bench) {
    SectionState section;
    section.designationNumber = 2412;
    StoredPolar polar;
    const PolarSettings settings{1e6, kLayerDragModel, 0};
    for (auto _ : bench) {
        polarSweep(section, 160, settings, polar);
        benchmark::DoNotOptimize(polar.points.data());
    }
}
BENCHMARK(BM_LayerPolarSweep)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(3);

}  // namespace
}  // namespace aerolune
