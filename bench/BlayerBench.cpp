// Blayer2 on representative surfaces: the edge velocities of a NACA 0012 at
// 4 degrees and Re 1e6 (the reference solver's dump), resampled to the
// station count a section of 2n points gives each surface.

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "numerics/blayer/Blayer2.h"

namespace {

struct Surface {
    std::vector<double> s, ue;
};

// Upper (side 0) or lower (side 1) surface from the stagnation point, where
// the tabulated edge velocity changes sign.
Surface referenceSurface(int side) {
    std::ifstream in(std::string(AEROLUNE_TEST_DATA) + "/reference/xfoil_bl/naca0012_re1e6_a4_bl.csv");
    std::string line;
    std::getline(in, line);
    std::vector<std::pair<double, double>> rows;  // s, ue
    while (std::getline(in, line)) {
        if (line.find("wake") != std::string::npos) continue;
        std::stringstream ss(line);
        std::vector<double> c;
        for (std::string f; std::getline(ss, f, ',') && c.size() < 4;) c.push_back(std::stod(f));
        rows.emplace_back(c[0], c[3]);
    }
    std::size_t k = 0;
    while (k + 1 < rows.size() && !(rows[k].second > 0.0 && rows[k + 1].second <= 0.0)) ++k;
    const double t = rows[k].second / (rows[k].second - rows[k + 1].second);
    const double sStag = rows[k].first + t * (rows[k + 1].first - rows[k].first);
    Surface surf{{0.0}, {0.0}};
    auto add = [&](const std::pair<double, double>& r) {
        surf.s.push_back(std::abs(r.first - sStag));
        surf.ue.push_back(std::abs(r.second));
    };
    if (side == 0)
        for (std::size_t i = k + 1; i-- > 0;) add(rows[i]);
    else
        for (std::size_t i = k + 1; i < rows.size(); ++i) add(rows[i]);
    return surf;
}

Surface resampled(const Surface& surf, int n) {
    Surface out;
    for (int i = 0; i < n; ++i) {
        const double s = surf.s.back() * i / (n - 1);
        std::size_t k = 1;
        while (k + 1 < surf.s.size() && surf.s[k] < s) ++k;
        const double t = (s - surf.s[k - 1]) / (surf.s[k] - surf.s[k - 1]);
        out.s.push_back(s);
        out.ue.push_back(surf.ue[k - 1] + t * (surf.ue[k] - surf.ue[k - 1]));
    }
    return out;
}

struct Call {
    Surface surf;
    int32_t points;
    std::vector<double> profileU, profileY, stationOut, table;

    Call(Surface sf, int32_t p) : surf(std::move(sf)), points(p) {
        const auto layout = aerolune::blayerLayout(static_cast<int32_t>(surf.s.size()), points);
        profileU.resize(layout.profileSize());
        profileY.resize(layout.profileSize());
        stationOut.resize(layout.stationOutSize());
        table.resize(layout.tableSize());
    }
    int32_t run() {
        double re = 1e6, roughness = 0.0, limit = 50.0;
        int32_t n = static_cast<int32_t>(surf.s.size()), rows = points, model = 2;
        aerolune::Blayer2(surf.s.data(), surf.ue.data(), &re, profileU.data(), profileY.data(),
                          stationOut.data(), table.data(), &n, &rows, &roughness, &model, &limit);
        return rows;
    }
};

// One surface: args stations, points across.
void BM_Blayer2Surface(benchmark::State& state) {
    Call call(resampled(referenceSurface(0), static_cast<int>(state.range(0))),
              static_cast<int32_t>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(call.run());
}
BENCHMARK(BM_Blayer2Surface)
    ->Args({60, 32})
    ->Args({60, 64})
    ->Args({170, 32})
    ->Args({170, 64})
    ->Unit(benchmark::kMillisecond);

// Both surfaces of a section of 2n points: the solver's share of the
// boundary-layer recomputation (120 points: n = 60; 340 points: n = 170).
void BM_Blayer2BothSurfaces(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int32_t points = static_cast<int32_t>(state.range(1));
    Call upper(resampled(referenceSurface(0), n), points), lower(resampled(referenceSurface(1), n), points);
    for (auto _ : state) {
        benchmark::DoNotOptimize(lower.run());
        benchmark::DoNotOptimize(upper.run());
    }
}
BENCHMARK(BM_Blayer2BothSurfaces)->Args({60, 32})->Args({170, 64})->Unit(benchmark::kMillisecond);

}  // namespace
