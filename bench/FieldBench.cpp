// The field views' numerics: the streamline/pressure view's mesh, flow and
// 51 contour levels at 120 points, and the largest mesh the dialog offers.

#include <benchmark/benchmark.h>

#include <vector>

#include "numerics/airfoil/Airfoil.h"
#include "numerics/airfoil/Contr.h"
#include "numerics/airfoil/Flow.h"
#include "numerics/airfoil/FoilGrid.h"

namespace {

struct Section {
    std::vector<float> x, y, v;
};

Section naca2412At4(int32_t halfPoints) {
    const std::size_t n = 2 * halfPoints + 1;
    Section s{std::vector<float>(n), std::vector<float>(n), std::vector<float>(n)};
    std::vector<float> ctrl(n), cp(n), file(1);
    int32_t designation = 2412, reserved = 0, fileN = 0, source = 0, mode = 0;
    float alpha = 4.0f, cl = 0, cm = 0, flap = 0, hinge = 0.8f;
    aerolune::Airfoil(&designation, &alpha, s.x.data(), ctrl.data(), s.y.data(), cp.data(), s.v.data(), &cl,
                      &cm, &flap, &hinge, &halfPoints, &reserved, file.data(), file.data(), file.data(),
                      file.data(), &fileN, &fileN, &source, &mode);
    s.x.back() = s.x.front();
    s.y.back() = s.y.front();
    s.v.back() = s.v.front();
    return s;
}

void buildMesh(Section& s, int32_t ni, int32_t nj, float radius, float cluster, std::vector<float>& mx,
               std::vector<float>& my) {
    mx.assign(static_cast<std::size_t>(ni) * nj, 0.0f);
    my.assign(static_cast<std::size_t>(ni) * nj, 0.0f);
    my[0] = radius;
    my[ni] = cluster;
    int32_t n = static_cast<int32_t>(s.x.size()), one = 1;
    aerolune::FoilGrid(s.x.data(), s.y.data(), &n, &ni, &nj, mx.data(), my.data(), &one);
}

void BM_FieldView61x31(benchmark::State& state) {
    Section s = naca2412At4(60);
    int32_t ni = 61, nj = 31, n = static_cast<int32_t>(s.x.size()), stag = 60, levelCount = 51;
    const int32_t capacity = aerolune::ContrCapacity(ni, nj);
    std::vector<float> mx, my, cp(ni * nj), psi(ni * nj), levels(51);
    for (int k = 0; k < 51; ++k) levels[k] = 1.5f - k * 0.06f;
    std::vector<float> x1(capacity * 51), y1(capacity * 51), x2(capacity * 51), y2(capacity * 51);
    std::vector<int32_t> count(51);
    for (auto _ : state) {
        buildMesh(s, ni, nj, 6.0f, 1.02f, mx, my);
        aerolune::Flow(s.v.data(), s.x.data(), s.y.data(), &n, mx.data(), my.data(), &stag, cp.data(),
                       psi.data(), &ni, &nj);
        aerolune::Contr(mx.data(), my.data(), psi.data(), levels.data(), &ni, &nj, &levelCount, x1.data(),
                        y1.data(), x2.data(), y2.data(), count.data());
        benchmark::DoNotOptimize(count.data());
    }
}
// The flow's rings run on all cores: wall time and the whole process's
// processor time.
BENCHMARK(BM_FieldView61x31)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

void BM_FoilGrid191x91(benchmark::State& state) {
    Section s = naca2412At4(60);
    std::vector<float> mx, my;
    for (auto _ : state) {
        buildMesh(s, 191, 91, 6.0f, 1.02f, mx, my);
        benchmark::DoNotOptimize(mx.data());
    }
}
BENCHMARK(BM_FoilGrid191x91)->Unit(benchmark::kMillisecond);

}  // namespace
