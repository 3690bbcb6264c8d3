// The effective angle of a separated section lies between its zero-lift angle
// and the geometric angle, so separation takes lift away without reversing it.

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/EffectiveAngle.h"

namespace aerolune {
namespace {

TEST(EffectiveAngle, ShrinksTheExcessOverTheZeroLiftAngleWithoutReversingIt) {
    struct Case {
        double angle, zeroLift, correction, expected;
    };
    // Exact by the rational form e |e| / (|e| + d); tolerance 1e-12 degrees
    // (rounding only).
    const Case cases[] = {
        {10.0, 0.0, 0.0, 10.0},     // attached: no correction
        {10.0, 0.0, -10.0, 5.0},    // d = |e| halves the excess
        {10.0, -4.0, -14.0, 3.0},   // about the zero-lift angle, not about 0
        {-4.0, -4.0, -3.0, -4.0},   // at the zero-lift angle nothing changes
        {-12.0, -2.0, 10.0, -7.0},  // below the zero-lift angle the lower correction is positive
        {10.0, 0.0, 2.0, 10.0},     // a correction that would add lift is not taken
        {-10.0, 0.0, -3.0, -10.0},
        {20.0, -2.0, -1.0e6, -2.0 + 22.0 * 22.0 / (22.0 + 1.0e6)},  // huge separation: nearly no lift
    };
    for (const Case& c : cases)
        EXPECT_NEAR(effectiveAngle(c.angle, c.zeroLift, c.correction), c.expected, 1e-12)
            << c.angle << " " << c.zeroLift << " " << c.correction;
}

TEST(EffectiveAngle, RisesWithTheAngleWhenTheCorrectionGrowsWithIt) {
    // The drag estimate's upper correction is -0.5 L (angle + theta_te): with
    // the whole upper surface separated (L = 1) and a 15-degree edge, the
    // plain sum angle + c fell as the angle rose; the effective angle must
    // rise and stay above the zero-lift angle.
    const double zeroLift = -3.0;
    double previous = zeroLift;
    for (double angle = 0.5; angle <= 20.0; angle += 0.5) {
        const double effective = effectiveAngle(angle, zeroLift, -0.5 * 1.0 * (angle + 15.0));
        EXPECT_GT(effective, previous) << angle;
        EXPECT_LE(effective, angle) << angle;
        previous = effective;
    }
}

}  // namespace
}  // namespace aerolune
