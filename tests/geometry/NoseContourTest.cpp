// Strongly cambered NACA sections whose upper surface reaches ahead of the mean
// line's start: the laid contour must run round that nose without a step, and a
// section whose lower surface folds back must be refused rather than laid in a
// zigzag.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "numerics/airfoil/Airfoil.h"
#include "support/NacaBuild.h"

namespace aerolune {
namespace {

struct NoseCase {
    int32_t designation;
    int32_t totalPoints;
    int flapDeg;  // 25 % flap at this deflection, degrees; 0: none
    SectionFault::Kind fault;
};

struct Laid {
    SectionFault fault;
    std::vector<double> x, y;
};

Laid lay(const NoseCase& c) {
    int32_t designation = c.designation, half = c.totalPoints / 2, noPoints = 0, source = 0;
    float flapRad = static_cast<float>(c.flapDeg * std::numbers::pi / 180.0);
    float hinge = c.flapDeg == 0 ? 1.0f : 0.75f, none = 0.0f;
    Laid laid;
    laid.fault = AirfoilSectionFault(&designation, &flapRad, &hinge, &half, &none, &none, &none, &none,
                                     &noPoints, &noPoints, &source);
    const test::NacaBuild built = test::buildNaca(c.designation, 0.0f, half, flapRad, hinge);
    laid.x.assign(built.nodeX.data(), built.nodeX.data() + 2 * half);  // nodes 1..2H, as laid
    laid.y.assign(built.nodeY.data(), built.nodeY.data() + 2 * half);
    return laid;
}

// 0012 and 2412 start their nodes at the mean line's start as ever (the 2412's
// nose reaches 7.8e-5 chord ahead of it). The 4412, 23012, 64012 and 9312 reach
// 3e-4 to 2.7e-3 ahead: that sliver was left out, and at 120 or 340 points the
// first upper panel stepped over it at 6 to 32 times its neighbours' length.
// The 9130's lower surface folds back by 0.018 chord near x = 0.1, which
// chordwise stations cannot follow.
TEST(NoseContour, RunsRoundTheNoseOrIsRefused) {
    using Kind = SectionFault::Kind;
    const NoseCase cases[] = {
        {12, 40, 0, Kind::None},         {12, 340, 0, Kind::None},         {2412, 40, 0, Kind::None},
        {2412, 340, 0, Kind::None},      {4412, 340, 0, Kind::None},       {23012, 340, 0, Kind::None},
        {64012, 120, 0, Kind::None},     {64012, 340, 0, Kind::None},      {64012, 340, 15, Kind::None},
        {9312, 340, -15, Kind::None},    {9130, 40, 0, Kind::TurnsBack},   {9130, 120, 0, Kind::TurnsBack},
        {9130, 340, 0, Kind::TurnsBack}, {9130, 340, 15, Kind::TurnsBack},
    };
    for (const NoseCase& c : cases) {
        const Laid laid = lay(c);
        const std::string label = std::to_string(c.designation) + " at " + std::to_string(c.totalPoints) +
                                  " points, flap " + std::to_string(c.flapDeg);
        ASSERT_EQ(laid.fault.kind, c.fault) << label;
        if (c.fault != Kind::None) continue;
        const std::size_t n = laid.x.size();
        auto panel = [&](std::size_t i) {
            const std::size_t j = (i + 1) % n;
            return std::array<double, 2>{laid.x[j] - laid.x[i], laid.y[j] - laid.y[i]};
        };
        for (std::size_t i = 0; i < n; ++i) {
            const auto before = panel((i + n - 1) % n), here = panel(i), after = panel((i + 1) % n);
            const double length = std::hypot(here[0], here[1]);
            // Cosine spacing keeps neighbouring panels within 1.2 of each
            // other on these sections, and the 2412's nose sliver within 2.8:
            // three times is no step.
            EXPECT_LE(length,
                      3.0 * std::max(std::hypot(before[0], before[1]), std::hypot(after[0], after[1])))
                << label << ", panel " << i + 1;
            // In order along the surface: no node turns the contour back on
            // itself (the trailing edge, node 1, is a cusp).
            if (i != 0) {
                EXPECT_GT(before[0] * here[0] + before[1] * here[1], 0.0) << label << ", node " << i + 1;
            }
        }
    }
}

}  // namespace
}  // namespace aerolune
