// The field views' colour ramp and level lists: what the streamline and
// pressure-contour drawings colour each iso-line with.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/FieldLevels.h"

namespace aerolune {
namespace {

// Hue in degrees, 0 red .. 240 blue, of a colour with one channel at 255 and
// one at 0 (every ramp entry is of that kind).
double hueDegrees(const RgbColour& c) {
    const double r = c.red / 255.0, g = c.green / 255.0, b = c.blue / 255.0;
    const double hi = std::max({r, g, b}), lo = std::min({r, g, b});
    if (hi == lo) return -1.0;
    if (hi == r) return 60.0 * (g - b) / (hi - lo);
    if (hi == g) return 60.0 * (2.0 + (b - r) / (hi - lo));
    return 60.0 * (4.0 + (r - g) / (hi - lo));
}

TEST(FieldLevels, ColourRampRunsFromRedToBlueThroughTheFourBands) {
    for (int32_t n : {1, 5, 21}) {
        SCOPED_TRACE(n);
        const std::vector<RgbColour> ramp = colourRamp(n);
        ASSERT_EQ(ramp.size(), static_cast<std::size_t>(4 * n + 1));
        EXPECT_EQ(ramp[0], (RgbColour{255, 0, 0}));                                  // red: highest Cp
        EXPECT_EQ(ramp[static_cast<std::size_t>(n)], (RgbColour{255, 255, 0}));      // yellow
        EXPECT_EQ(ramp[static_cast<std::size_t>(2 * n)], (RgbColour{0, 255, 0}));    // green
        EXPECT_EQ(ramp[static_cast<std::size_t>(3 * n)], (RgbColour{0, 255, 255}));  // cyan
        EXPECT_EQ(ramp[static_cast<std::size_t>(4 * n)], (RgbColour{0, 0, 255}));    // blue: lowest Cp
        for (std::size_t e = 1; e < ramp.size(); ++e) {
            // Monotone: the hue climbs at every entry, and only one channel moves,
            // by a whole step of 255 / n (to the nearest whole number, so +-1).
            EXPECT_GT(hueDegrees(ramp[e]), hueDegrees(ramp[e - 1])) << "entry " << e;
            const int moved = std::abs(ramp[e].red - ramp[e - 1].red) +
                              std::abs(ramp[e].green - ramp[e - 1].green) +
                              std::abs(ramp[e].blue - ramp[e - 1].blue);
            EXPECT_NEAR(moved, 255.0 / n, 1.0) << "entry " << e;
        }
    }
}

TEST(FieldLevels, PressureViewRampHasItsEightyFiveEntries) {
    const std::vector<RgbColour> ramp = colourRamp();
    ASSERT_EQ(ramp.size(), 85u);
    // Hand-worked entries, intensities to the nearest whole number (exact):
    // 2 = 21 - 19, yellow to red, green 2/21 x 255 = 24.3;
    // 27 = 42 - 15, green to yellow, red 15/21 x 255 = 182.1;
    // 50 = 63 - 13, cyan to green, blue 8/21 x 255 = 97.1;
    // 83 = 84 - 1, blue to cyan, green 1/21 x 255 = 12.1.
    EXPECT_EQ(ramp[2], (RgbColour{255, 24, 0}));
    EXPECT_EQ(ramp[27], (RgbColour{182, 255, 0}));
    EXPECT_EQ(ramp[50], (RgbColour{0, 255, 97}));
    EXPECT_EQ(ramp[83], (RgbColour{0, 12, 255}));
}

TEST(FieldLevels, PressureLevelsRunFromCpHighToCpLowInRampColours) {
    const FieldLevelSet set = pressureLevels(1.0, -2.0);
    ASSERT_EQ(set.count(), 33);
    // Level k = CpHigh - (k - 1)/32 (CpHigh - CpLow), exact in float to 1e-6.
    EXPECT_NEAR(set.levels(1), 1.0, 1e-6);
    EXPECT_NEAR(set.levels(17), -0.5, 1e-6);
    EXPECT_NEAR(set.levels(33), -2.0, 1e-6);
    // Level k takes ramp entry round(k x 84 / 33) - 1: level 1 entry 2, level
    // 11 entry 27 (m = 28 exactly), level 33 entry 83.
    const std::vector<RgbColour> ramp = colourRamp();
    const struct { int32_t k, entry; } cases[] = {{1, 2}, {11, 27}, {12, 30}, {22, 55}, {33, 83}};
    for (const auto& c : cases) {
        EXPECT_EQ(pressureRampEntry(c.k, 33), c.entry) << "level " << c.k;
        EXPECT_FALSE(set.colours(c.k).isPalette);
        EXPECT_EQ(set.colours(c.k).rgb, ramp[static_cast<std::size_t>(c.entry)]) << "level " << c.k;
    }
    for (int32_t k = 2; k <= 33; ++k) {
        EXPECT_LT(set.levels(k), set.levels(k - 1));
        EXPECT_GT(pressureRampEntry(k, 33), pressureRampEntry(k - 1, 33)) << "high Cp red, low Cp blue";
    }
}

TEST(FieldLevels, PressureLevelsOfAFlatSolutionAndOddCountsStayUsable) {
    // CpHigh = CpLow: every level is that value (the legend lists it 11 times).
    const FieldLevelSet flat = pressureLevels(0.25, 0.25);
    for (int32_t k = 1; k <= flat.count(); ++k) EXPECT_EQ(flat.levels(k), 0.25f);
    // Counts the view never uses keep every level inside the ramp.
    for (int32_t count : {1, 2, 200, 1000}) {
        const FieldLevelSet set = pressureLevels(1.0, -1.0, count);
        ASSERT_EQ(set.count(), count);
        EXPECT_EQ(set.levels(1), 1.0f);
        for (int32_t k = 1; k <= count; ++k) {
            const int32_t e = pressureRampEntry(k, count);
            EXPECT_TRUE(e >= 0 && e <= 84) << count << " levels, level " << k << " entry " << e;
        }
    }
}

TEST(FieldLevels, StreamlineLevelsAreColouredBySideOfTheWallValue) {
    // Level k = 1.5 - (k - 1)/50 x 3 for k = 1..50, level 51 = s0 (float
    // arithmetic, 1e-6). With s0 = 0, level 26 is 0 itself.
    const struct {
        float s0;
        int16_t foreground;
        int32_t lastAbove;  // levels 1..lastAbove palette 9
        int32_t equal;      // level with palette 0, or 0 when none
    } cases[] = {
        {0.0f, 0, 25, 26},   // white background: the wall level in palette 0
        {0.0f, 15, 25, 26},  // black background: level 51 in palette 15
        {0.03f, 0, 25, 0},   // s0 between levels 25 (0.06) and 26 (0)
        {-0.2f, 15, 29, 0},  // level 29 = -0.18 above, 30 = -0.24 below
        {2.0f, 0, 0, 0},     // s0 above every level
        {-2.0f, 0, 50, 0},   // s0 below every level
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.s0);
        const FieldLevelSet set = streamlineLevels(c.s0, c.foreground);
        ASSERT_EQ(set.count(), 51);
        EXPECT_NEAR(set.levels(1), 1.5, 1e-6);
        EXPECT_NEAR(set.levels(50), -1.44, 1e-6);
        EXPECT_EQ(set.levels(51), c.s0);
        EXPECT_EQ(set.colours(51), (LevelColour{true, c.foreground, {}}));
        for (int32_t k = 1; k <= 50; ++k) {
            const int16_t expected = k <= c.lastAbove ? 9 : k == c.equal ? 0 : 12;
            EXPECT_EQ(set.colours(k), (LevelColour{true, expected, {}})) << "level " << k;
        }
    }
}

TEST(FieldLevels, StreamlineLevelCountsOtherThanTheViews) {
    const FieldLevelSet one = streamlineLevels(0.1f, 15, 1);
    ASSERT_EQ(one.count(), 1);
    EXPECT_EQ(one.levels(1), 0.1f);
    const FieldLevelSet three = streamlineLevels(0.1f, 0, 3);
    ASSERT_EQ(three.count(), 3);
    EXPECT_FLOAT_EQ(three.levels(1), 1.5f);
    EXPECT_FLOAT_EQ(three.levels(2), 0.0f);  // steps of 3 / (count - 1)
    EXPECT_EQ(three.levels(3), 0.1f);
}

}  // namespace
}  // namespace aerolune
