// The turbulent station: settled values against an independent evaluation of
// the correlations, and the separation and domain guards.

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/TurbulentStep.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

using test::nearlyEqual;

struct SettledCase {
    double H0, theta, Re_theta, Ue, g;
    double Cf, H;  // expected
};

TEST(TurbulentStep, SettlesToTheCorrelationsFixedPoint) {
    // Expected values: the 30 passes evaluated by hand in double precision
    // (Python 3, math module) from the correlations as written in
    // TurbulentStep.h. Tolerance 1e-12 relative: the same operations in the
    // same order, so only the last bits may differ.
    const SettledCase cases[] = {
        {1.3, 0.001, 1000.0, 1.0, 0.0, 0.00419917427636342, 1.4110809220142948},     // flat plate
        {1.3, 0.002, 3000.0, 1.2, -0.5, 0.0027613466976817904, 1.4680611251305453},  // mild adverse
        {1.4, 0.001, 5000.0, 0.9, 0.3, 0.0032937325923366946, 1.2882456943812943},   // favourable
    };
    for (const SettledCase& c : cases) {
        double Cf = -1.0, H = c.H0;
        EXPECT_FALSE(TurbulentStep(Cf, H, c.theta, c.Re_theta, c.Ue, c.g)) << "Re_theta " << c.Re_theta;
        EXPECT_TRUE(nearlyEqual(Cf, c.Cf, 0.0, 1e-12)) << Cf;
        EXPECT_TRUE(nearlyEqual(H, c.H, 0.0, 1e-12)) << H;
    }
}

TEST(TurbulentStep, ReportsSeparationWhenShapeOrFrictionLeavesItsRange) {
    struct Case {
        const char* what;
        double theta, Re_theta, g;
    };
    // Gradients from the same hand evaluation: g = -3 drives H below 0 on the
    // second pass, g = -5 above 6 on the first, g = -20 below 0 on the first.
    // Re_theta = 1 makes log10 zero and Cf infinite, 0.5 makes it NaN: both
    // are "Cf not a positive number".
    const Case cases[] = {
        {"H below 0", 0.003, 2000.0, -3.0},      {"H above 6", 0.003, 2000.0, -5.0},
        {"H far below 0", 0.003, 2000.0, -20.0}, {"Cf infinite", 0.003, 1.0, 0.0},
        {"Cf not a number", 0.003, 0.5, 0.0},
    };
    for (const Case& c : cases) {
        double Cf = 0.0, H = 1.3;
        EXPECT_TRUE(TurbulentStep(Cf, H, c.theta, c.Re_theta, 1.0, c.g)) << c.what;
    }
}

TEST(TurbulentStep, StrongFavourableGradientStaysAttachedAndFinite) {
    // beta far below -0.744 puts the root's argument below zero; the guard
    // holds it at zero, which leaves a finite, attached layer.
    double Cf = 0.0, H = 1.3;
    EXPECT_FALSE(TurbulentStep(Cf, H, 0.003, 2000.0, 1.0, 200.0));
    EXPECT_TRUE(std::isfinite(H));
    EXPECT_GT(Cf, 0.0);
    EXPECT_GE(H, 0.0);
    EXPECT_LE(H, 6.0);
}

}  // namespace
}  // namespace aerolune
