#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "analysis/LinAero.h"
#include "numerics/linaero/Linaero.h"

namespace {

// NACA 2412 mean line on nh cosine-spaced stations, as the application builds it.
struct CamberLine {
    std::vector<float> z, x;
};

CamberLine naca2412CamberLine(int nh) {
    const double m = 0.02, p = 0.4, pi = 4.0 * std::atan(1.0);
    CamberLine c;
    for (int i = 0; i < nh; ++i) {
        const double x = 0.5 * (1.0 - std::cos(pi * i / (nh - 1)));
        const double z = x < p ? m / (p * p) * (2 * p * x - x * x)
                               : m / ((1 - p) * (1 - p)) * ((1 - 2 * p) + 2 * p * x - x * x);
        c.x.push_back(static_cast<float>(x));
        c.z.push_back(static_cast<float>(z));
    }
    return c;
}

// Arguments: camber stations NH, quadrature order.
void BM_Linaero(benchmark::State& state) {
    CamberLine c = naca2412CamberLine(static_cast<int>(state.range(0)));
    int32_t nh = static_cast<int32_t>(state.range(0));
    int32_t order = static_cast<int32_t>(state.range(1));
    float alpha = 0.05f;
    float A[9];
    for (auto _ : state) {
        aerolune::linaero(&alpha, c.z.data(), c.x.data(), &nh, &order, &A[0], &A[1], &A[2], &A[3], &A[4],
                          &A[5], &A[6], &A[7], &A[8]);
        benchmark::DoNotOptimize(A);
    }
}
// 120 and 340 points about the section at the application's order 200.
BENCHMARK(BM_Linaero)->Args({61, 200})->Args({171, 200})->Unit(benchmark::kMicrosecond);

// The whole thin-airfoil step on 120 node arrays: camber extraction and linaero.
void BM_AeroCoeff(benchmark::State& state) {
    const int half = 60;
    CamberLine c = naca2412CamberLine(half + 1);
    aerolune::Array1<float> nodeX(2 * half), nodeY(2 * half);
    for (int k = 0; k <= half; ++k) {
        nodeX(half + 1 - k) = c.x[k];
        nodeY(half + 1 - k) = c.z[k];
        if (k < half) {
            nodeX(half + 1 + k) = c.x[k];
            nodeY(half + 1 + k) = c.z[k];
        }
    }
    for (auto _ : state) {
        aerolune::LinAero aero;
        aero.angleDeg = 4.0;
        aero.pointCount = 2 * half;
        aero.quadratureOrder = 200;
        aero.AeroCoeff(nodeY, nodeX);
        benchmark::DoNotOptimize(aero.A0);
    }
}
BENCHMARK(BM_AeroCoeff)->Unit(benchmark::kMicrosecond);

}  // namespace
