#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geometry/SectionDefinition.h"

namespace aerolune {
namespace {

// Both dialogs write first value, second value, thickness with two digits.
TEST(SectionDefinition, DesignationsFromTheDialogDigits) {
    struct Case {
        Variant first, second, thickness;
        const char* designation;
    } naca4[] =
        {
            {int16_t{2}, int16_t{4}, int16_t{9}, "2409"},
            {int16_t{0}, int16_t{0}, int16_t{12}, "0012"},
            {int16_t{0}, int16_t{0}, int16_t{9}, "0009"},
            {int16_t{9}, int16_t{9}, int16_t{30}, "9930"},
            {2.0, 4.0, 1.0, "2401"},  // doubles are written in their general form
        },
      naca5[] = {
          {int16_t{2}, int16_t{30}, int16_t{12}, "23012"},
          {int16_t{2}, int16_t{35}, int16_t{6}, "23506"},  // a typed position is kept
          {int16_t{2}, int16_t{50}, int16_t{30}, "25030"},
          {int16_t{2}, Variant(), int16_t{12}, "212"},  // never set: empty, no text
      };
    for (const auto& c : naca4) EXPECT_EQ(naca4Designation(c.first, c.second, c.thickness), c.designation);
    for (const auto& c : naca5) EXPECT_EQ(naca5Designation(c.first, c.second, c.thickness), c.designation);
}

TEST(SectionDefinition, SectionNumberIsTheIntegerValueOfTheText) {
    struct Case {
        const char* text;
        int32_t number;
    } cases[] = {
        {"0012", 12},
        {"23012", 23012},
        {"  2412", 2412},
        {"2412.9", 2412},    // truncated, not rounded
        {"KT cambered", 0},  // a file section's name
        {"", 0},
        {"-7", -7},
        {"99999999999", 0},  // beyond a Long: no arbitrary number
        {"1e400", 0},
        {"2147483647", 2147483647},
    };
    for (const auto& c : cases) EXPECT_EQ(sectionNumberFromText(c.text), c.number) << c.text;
}

TEST(SectionDefinition, FlapInTheBuildersUnits) {
    struct Case {
        double deflectionDeg, lengthPct;
        float rad, hinge;
    } cases[] = {
        // Source: deflection / 180 x 3.14159265 and (100 - length) / 100,
        // rounded once to single precision.
        {0.0, 0.0, 0.0f, 1.0f},
        {10.0, 20.0, static_cast<float>(10.0 / 180.0 * 3.14159265), 0.8f},
        {-30.0, 50.0, static_cast<float>(-30.0 / 180.0 * 3.14159265), 0.5f},
        {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 0.0f, 1.0f},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(flapRadians(c.deflectionDeg), c.rad) << c.deflectionDeg;
        EXPECT_EQ(flapHinge(c.lengthPct), c.hinge) << c.lengthPct;
    }
}

TEST(SectionDefinition, HalfPointsFromATotal) {
    struct Case {
        double total;
        int32_t half;
    } cases[] = {
        {120, 60},
        {340, 170},
        {40, 20},
        {121, 60},
        {123, 62},  // halves go to the even neighbour
        {120.4, 60},
        {4, 2},
        {2000, 1000},  // the ends of the working range
        {0, kMinHalfPoints},
        {-50, kMinHalfPoints},
        {1e12, kMaxHalfPoints},
        {std::numeric_limits<double>::quiet_NaN(), kMinHalfPoints},
    };
    for (const auto& c : cases) EXPECT_EQ(halfPointsFromTotal(c.total), c.half) << c.total;
}

}  // namespace
}  // namespace aerolune
