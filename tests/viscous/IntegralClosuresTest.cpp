// The integral layer's closures at the states whose values are known: the
// Blasius and Falkner-Skan separation profiles, a flat-plate turbulent layer,
// and the envelope's critical Reynolds number.

#include <gtest/gtest.h>

#include <cmath>

#include "numerics/viscous/IntegralClosures.h"
#include "numerics/viscous/IntegralIntervals.h"

namespace aerolune::viscous {
namespace {

// Blasius: H = 2.591, H* = 1.572, Re_theta Cf / 2 = 0.2205; Falkner-Skan
// separation (H = 4.03): Cf = 0, H* = 1.515. The fits reproduce H* to about
// 1 % and Re_theta Cf / 2 to 0.01 (their wall shear vanishes at H = 4.1).
TEST(IntegralClosures, LaminarProfilesOfKnownShape) {
    struct Case {
        double Hk, Hs, cfRe;
    };
    const double re = 1000.0;
    for (const Case& c : {Case{2.591, 1.572, 0.2205}, Case{4.03, 1.515, 0.0}}) {
        const Closure k = closure(Regime::Laminar, c.Hk, re, 1e-3, 0.0);
        EXPECT_NEAR(k.Hs, c.Hs, 0.01 * c.Hs) << c.Hk;
        EXPECT_NEAR(0.5 * k.Cf * re, c.cfRe, 0.01) << c.Hk;
    }
}

// A flat-plate turbulent layer at Re_theta = 1e4 (H about 1.35): Cf within
// 10 % of Coles' 0.0025 and an equilibrium shear between 0.001 and 0.01.
TEST(IntegralClosures, TurbulentFlatPlate) {
    const Closure k = closure(Regime::Turbulent, 1.35, 1e4, 1e-3, 0.0);
    EXPECT_NEAR(k.Cf, 0.0025, 0.00025);
    EXPECT_GT(k.CtauEq, 0.001);
    EXPECT_LT(k.CtauEq, 0.01);
    const Closure w = closure(Regime::Wake, 1.35, 1e4, 1e-3, k.CtauEq);
    EXPECT_EQ(w.Cf, 0.0);
    EXPECT_GT(w.Cd, 0.0);
}

// No amplification well below the critical Re_theta of the Blasius profile
// (about 200) and a positive rate well above it.
TEST(IntegralClosures, AmplificationSwitchesOnAtTheCriticalReynoldsNumber) {
    EXPECT_EQ(amplificationRate(2.59, 100.0, 1e-3), 0.0);
    EXPECT_GT(amplificationRate(2.59, 1000.0, 1e-3), 0.0);
    // Adverse gradients (larger H) amplify faster.
    EXPECT_GT(amplificationRate(3.5, 1000.0, 1e-3), amplificationRate(2.6, 1000.0, 1e-3));
}

// The discrete equations hold exactly on a state that satisfies them: a
// laminar interval of constant speed whose end state comes from marching the
// same equations has no residual, and the stagnation station at the
// Hiemenz thickness has none either.
TEST(IntegralIntervals, ResidualsVanishOnTheirSolutions) {
    const double re = 1e6, ue = 1.2, gradient = 50.0;
    const double theta = 0.29234 / std::sqrt(re * gradient);
    const StationState first{0.0, theta, 2.216 * theta * ue, ue};
    const Residual r = stagnationResidual(first, gradient, re);
    for (double v : r) EXPECT_NEAR(v, 0.0, 1e-12);

    const StationState turbulent{0.03, 2e-3, 1.4 * 2e-3, 1.0};
    const Residual same =
        intervalResidual(IntervalKind::Wake, turbulent, turbulent, 0.1, 0.1, false, re, 9.0);
    for (double v : same) EXPECT_NEAR(v, 0.0, 1e-12);
}

}  // namespace
}  // namespace aerolune::viscous
