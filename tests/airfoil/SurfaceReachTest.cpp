// The one-pass reach of a surface gives exactly what the two separate
// sampled tests give: the section check that refuses a folded or
// turned-back surface reads it in their place.

#include <gtest/gtest.h>

#include <cmath>

#include "numerics/airfoil/NacaSection.h"
#include "numerics/airfoil/SectionShape.h"

namespace aerolune::test {
namespace {

TEST(SurfaceReach, EqualsTheSeparateSampledTests) {
    const SectionCurves thin = nacaCurves(parseDesignation(12));
    const SectionCurves folded = nacaCurves(parseDesignation(9130));  // lower surface folds behind the nose
    // x runs to 1.04 and back to 1 at the end: a surface that turns back.
    const SurfaceCurve hooked{[](double t) { return Point{t + 1.5 * t * (1.0 - t), 0.0}; }, 0.0, 1.0};
    // x falls over the middle third, then grows again: a fold ahead of the end.
    const SurfaceCurve zigzag{[](double t) {
                                  return Point{t - 0.05 * std::sin(6.0 * t), 0.1 * t};
                              },
                              0.1, 1.0};
    struct Case {
        const char* name;
        const SurfaceCurve& curve;
    };
    const Case cases[] = {{"NACA 0012 upper", thin.upper},       {"NACA 0012 lower", thin.lower},
                          {"NACA 9130 lower", folded.lower},     {"NACA 9130 upper", folded.upper},
                          {"a surface that turns back", hooked}, {"a surface that zigzags", zigzag}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SurfaceReach reach = surfaceReach(c.curve);
        // Exactly equal: the same samples, compared in the same order.
        EXPECT_EQ(reach.endX, c.curve.at(c.curve.tEnd).x);
        EXPECT_EQ(reach.furthestX, furthestX(c.curve, c.curve.tBegin));
        EXPECT_EQ(reach.runBack, furthestRunBack(c.curve, c.curve.tBegin, c.curve.tEnd));
    }
    // The cases reach what they are meant to: a fold, a turn back, neither.
    EXPECT_GT(surfaceReach(folded.lower).runBack, 0.01);
    EXPECT_GT(surfaceReach(hooked).furthestX, surfaceReach(hooked).endX + 0.01);
    EXPECT_EQ(surfaceReach(thin.upper).runBack, 0.0);
}

}  // namespace
}  // namespace aerolune::test
