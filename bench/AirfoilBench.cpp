// The Airfoil entry in mode 0: section built and solved at one angle. The
// designation alternates so every call builds and factorises afresh; the
// sweep case keeps one section and steps the angle (the factorisation kept).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "numerics/airfoil/Airfoil.h"

namespace {

struct AirfoilArrays {
    explicit AirfoilArrays(int32_t total)
        : halfPoints(total / 2), nodeX(total), ctrlX(total), nodeY(total), cp(total), velocity(total) {}
    void call(int32_t designation, float alpha) {
        int32_t reserved = 0, source = 0, mode = 0, nu = 0, nl = 0;
        float cl = 0, cm = 0, flapRad = 0, flapHinge = 1;
        float file[1] = {0};
        aerolune::Airfoil(&designation, &alpha, nodeX.data(), ctrlX.data(), nodeY.data(), cp.data(),
                          velocity.data(), &cl, &cm, &flapRad, &flapHinge, &halfPoints, &reserved, file, file,
                          file, file, &nu, &nl, &source, &mode);
        benchmark::DoNotOptimize(cl);
    }
    int32_t halfPoints;
    std::vector<float> nodeX, ctrlX, nodeY, cp, velocity;
};

void BM_AirfoilMode0(benchmark::State& state) {
    AirfoilArrays arrays(static_cast<int32_t>(state.range(0)));
    int32_t designations[2] = {2412, 2413};
    int i = 0;
    for (auto _ : state) arrays.call(designations[i++ & 1], 4.0f);
}
BENCHMARK(BM_AirfoilMode0)->Arg(120)->Arg(340)->Unit(benchmark::kMillisecond);

void BM_AirfoilAngleSweep(benchmark::State& state) {
    AirfoilArrays arrays(static_cast<int32_t>(state.range(0)));
    int i = 0;
    for (auto _ : state) arrays.call(2412, static_cast<float>(i++ % 20) - 5.0f);
}
BENCHMARK(BM_AirfoilAngleSweep)->Arg(120)->Arg(340)->Unit(benchmark::kMillisecond);

}  // namespace
