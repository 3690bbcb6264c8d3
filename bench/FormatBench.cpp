#include <benchmark/benchmark.h>

#include <cmath>

#include "common/FormatPicture.h"
#include "common/NumberText.h"
#include "common/PrintForm.h"

static void BM_ReadLeadingNumber(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(aerolune::readLeadingNumber("  -2.5e3 Deg."));
}
BENCHMARK(BM_ReadLeadingNumber);

static void BM_FormatPictureFixed(benchmark::State& state) {
    float x = 0.123456f;
    for (auto _ : state) benchmark::DoNotOptimize(aerolune::formatPicture(x, "#0.000000"));
}
BENCHMARK(BM_FormatPictureFixed);

static void BM_FormatPictureScientific(benchmark::State& state) {
    double re = 1234567.0;
    for (auto _ : state) benchmark::DoNotOptimize(aerolune::formatPicture(re, "0.00e+"));
}
BENCHMARK(BM_FormatPictureScientific);

static void BM_FreeFormSingle(benchmark::State& state) {
    float y = -0.0123456f;
    for (auto _ : state) benchmark::DoNotOptimize(aerolune::freeFormSingle(y));
}
BENCHMARK(BM_FreeFormSingle);

// The point lines of a 160-point coordinates file: two pictures and a zone each.
static void BM_CoordinateFileLines(benchmark::State& state) {
    constexpr int points = 160;
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (int i = 1; i <= points; ++i) {
            const float x = 0.5f + 0.5f * std::cos(0.0392699f * static_cast<float>(i));
            const float y = 0.06f * std::sin(0.0392699f * static_cast<float>(i));
            aerolune::PrintLine line;
            line.item(aerolune::formatPicture(x, "#0.000000"))
                .zoneItem(aerolune::formatPicture(y, "#0.000000"));
            bytes += line.str().size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_CoordinateFileLines);
