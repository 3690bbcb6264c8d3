// The coupled layer's Newton system at a 160-point section's size (83 + 78
// surface stations and 29 wake stations, 570 unknowns): the structured block
// elimination against a dense LU factorisation of the same matrix.

#include <benchmark/benchmark.h>

#include <Eigen/Dense>
#include <random>

#include "numerics/viscous/BorderedBlockSolve.h"

namespace {

constexpr int kStations = 190;

void fill(aerolune::viscous::BorderedBlockSystem& sys, Eigen::MatrixXd* dense, Eigen::VectorXd* rhs) {
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    if (dense) *dense = Eigen::MatrixXd::Zero(3 * kStations, 3 * kStations);
    if (rhs) rhs->resize(3 * kStations);
    for (int i = 0; i < kStations; ++i) {
        for (int j = std::max(i - 1, 0); j <= i; ++j) {
            Eigen::Matrix<double, 3, 2> b = Eigen::Matrix<double, 3, 2>::Random();
            if (j == i) {
                b(0, 0) += 3.0;
                b(1, 1) += 3.0;
            }
            sys.addShapeBlock(i, j, b);
            if (dense) dense->block<3, 2>(3 * i, 3 * j) += b;
        }
        for (int e = 0; e < 3; ++e) {
            for (int j = 0; j < kStations; ++j) {
                const double v = 0.2 * u(gen) + (j == i && e == 2 ? 3.0 : 0.0);
                sys.massEntry(i, e, j) = v;
                if (dense) (*dense)(3 * i + e, 3 * j + 2) = v;
            }
            sys.rhs(i, e) = 1.0;
            if (rhs) (*rhs)(3 * i + e) = 1.0;
        }
    }
}

void BM_CoupledSystemBlockElimination(benchmark::State& state) {
    aerolune::viscous::BorderedBlockSystem sys(kStations);
    Eigen::VectorXd x;
    for (auto _ : state) {
        state.PauseTiming();
        sys.clear();
        fill(sys, nullptr, nullptr);
        state.ResumeTiming();
        benchmark::DoNotOptimize(sys.solve(x));
    }
}
BENCHMARK(BM_CoupledSystemBlockElimination)->Unit(benchmark::kMillisecond);

void BM_CoupledSystemDenseLu(benchmark::State& state) {
    aerolune::viscous::BorderedBlockSystem sys(kStations);
    Eigen::MatrixXd dense;
    Eigen::VectorXd rhs;
    fill(sys, &dense, &rhs);
    for (auto _ : state) benchmark::DoNotOptimize(Eigen::VectorXd(dense.partialPivLu().solve(rhs)));
}
BENCHMARK(BM_CoupledSystemDenseLu)->Unit(benchmark::kMillisecond);

}  // namespace
