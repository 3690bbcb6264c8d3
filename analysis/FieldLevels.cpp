#include "analysis/FieldLevels.h"

#include <algorithm>
#include <cmath>

namespace aerolune {

namespace {

constexpr int16_t kAboveWallColour = 9;  // light blue
constexpr int16_t kOnWallColour = 0;
constexpr int16_t kBelowWallColour = 12;  // light red
constexpr double kStreamTop = 1.5;
constexpr double kStreamSpan = 3.0;

// i / n of full intensity, to the nearest whole number.
int32_t intensity(int32_t i, int32_t n) { return static_cast<int32_t>(std::lround(255.0 * i / n)); }

LevelColour paletteColour(int16_t index) { return LevelColour{true, index, {}}; }

}  // namespace

std::vector<RgbColour> colourRamp(int32_t bands) {
    const int32_t n = std::max(bands, 1);
    std::vector<RgbColour> ramp(static_cast<std::size_t>(4 * n + 1));
    auto entry = [&ramp](int32_t index) -> RgbColour& { return ramp[static_cast<std::size_t>(index)]; };
    for (int32_t i = 0; i <= n; ++i) entry(4 * n - i) = {0, intensity(i, n), 255};      // blue to cyan
    for (int32_t i = 1; i <= n; ++i) entry(3 * n - i) = {0, 255, intensity(n - i, n)};  // cyan to green
    for (int32_t i = 1; i <= n; ++i) entry(2 * n - i) = {intensity(i, n), 255, 0};      // green to yellow
    for (int32_t i = 1; i <= n; ++i) entry(n - i) = {255, intensity(n - i, n), 0};      // yellow to red
    return ramp;
}

FieldLevelSet streamlineLevels(float s0, int16_t foregroundIndex, int32_t count) {
    const int32_t L = std::max(count, 1);
    FieldLevelSet set;
    set.levels.resize(static_cast<std::size_t>(L));
    set.colours.resize(static_cast<std::size_t>(L));
    for (int32_t k = 1; k < L; ++k) {
        const auto level =
            static_cast<float>(kStreamTop - static_cast<double>(k - 1) / (L - 1) * kStreamSpan);
        set.levels(k) = level;
        const int16_t colour = level > s0 ? kAboveWallColour : level == s0 ? kOnWallColour : kBelowWallColour;
        set.colours(k) = paletteColour(colour);
    }
    set.levels(L) = s0;
    set.colours(L) = paletteColour(foregroundIndex);
    return set;
}

int32_t pressureRampEntry(int32_t k, int32_t count, int32_t bands) {
    const int32_t last = 4 * std::max(bands, 1);
    const auto m = static_cast<int32_t>(std::lround(static_cast<double>(k) * last / std::max(count, 1)));
    return std::clamp(m - 1, 0, last);
}

FieldLevelSet pressureLevels(double cpHigh, double cpLow, int32_t count) {
    const int32_t L = std::max(count, 1);
    const std::vector<RgbColour> ramp = colourRamp(kPressureRampBands);
    FieldLevelSet set;
    set.levels.resize(static_cast<std::size_t>(L));
    set.colours.resize(static_cast<std::size_t>(L));
    for (int32_t k = 1; k <= L; ++k) {
        const double step = L > 1 ? static_cast<double>(k - 1) / (L - 1) : 0.0;
        set.levels(k) = static_cast<float>(cpHigh - step * (cpHigh - cpLow));
        const RgbColour rgb = ramp[static_cast<std::size_t>(pressureRampEntry(k, L))];
        set.colours(k) = LevelColour{false, 0, rgb};
    }
    return set;
}

}  // namespace aerolune
