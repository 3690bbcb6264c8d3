#include "common/NumberText.h"

#include <benchmark/benchmark.h>

static void BM_ReadLeadingNumber(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(aerolune::readLeadingNumber("  -2.5e3 Deg."));
}
BENCHMARK(BM_ReadLeadingNumber);
