// The integral layer of one surface: Thwaites on a flat plate, Michel's
// transition, the laminar and turbulent drag, and the guards.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/SurfaceBoundaryLayer.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

using test::nearlyEqual;

struct Plate {
    Array1<double> Ue, s;
    int32_t n;
};

// n stations spread evenly over a plate of the given length, Ue = 1.
Plate flatPlate(int32_t n, double length) {
    Plate p{Array1<double>(n, 1.0), Array1<double>(n), n};
    for (int32_t i = 1; i <= n; ++i) p.s(i) = length * (i - 1) / (n - 1);
    return p;
}

TEST(SurfaceBoundaryLayer, LaminarFlatPlateFollowsThwaites) {
    // Re 1e5 keeps Re_x below Michel's 2.28e6: laminar to the end.
    const double re = 1e5;
    const Plate p = flatPlate(201, 1.0);
    const auto r = SurfaceBoundaryLayer(p.Ue, p.s, p.n, re, 1);
    ASSERT_TRUE(r.ok) << r.error;
    for (int32_t i = 2; i <= p.n; ++i) {
        // Thwaites at Ue = 1: theta^2 = 0.45 x / Re exactly (the trapezoid
        // integral of a constant is exact). Tolerance 1e-6 relative.
        EXPECT_TRUE(nearlyEqual(r.theta(i), std::sqrt(0.45 * p.s(i) / re), 0.0, 1e-6)) << "station " << i;
        // lambda = 0 gives H = 2 + 4.14 z - 85.5 z^2 + ... at z = 0.25,
        // 2.46859375 (evaluated by hand); delta* = H theta. 1e-9 relative.
        EXPECT_TRUE(nearlyEqual(r.H(i), 2.46859375, 0.0, 1e-9));
        EXPECT_TRUE(nearlyEqual(r.deltaStar(i), 2.46859375 * r.theta(i), 0.0, 1e-9));
    }
    EXPECT_EQ(r.TransitionPoint, p.n);
    EXPECT_EQ(r.lastStation, p.n);
    // Laminar to the end: drag = theta(n-1) Ue^((H+5)/2) without a factor 2,
    // which at Ue = 1 is theta(n-1) itself. Same closed form, 1e-6 relative.
    EXPECT_TRUE(nearlyEqual(r.drag, std::sqrt(0.45 * p.s(p.n - 1) / re), 0.0, 1e-6));
}

TEST(SurfaceBoundaryLayer, MichelMovesTransitionToRexOfAbout2point28e6) {
    // With theta = sqrt(0.45 x / Re), Re_theta > 2.9 Re_x^0.4 first holds at
    // Re_x = (2.9 / sqrt(0.45))^10 = 2.2799e6 (closed form); the transition
    // station must be the first station past it.
    const double re = 1e7;
    const Plate p = flatPlate(401, 1.0);
    const auto r = SurfaceBoundaryLayer(p.Ue, p.s, p.n, re, 1);
    ASSERT_TRUE(r.ok);
    const double xTransition = std::pow(2.9 / std::sqrt(0.45), 10.0) / re;
    const double ds = p.s(2) - p.s(1);
    EXPECT_FALSE(r.laminarSeparation);
    EXPECT_GE(p.s(r.TransitionPoint), xTransition);
    EXPECT_LT(p.s(r.TransitionPoint) - xTransition, ds);  // within one station
    // The wall shear at that station carries the factor (ln Re_theta + 21.74) / 18.4.
    const double Re_theta = r.theta(r.TransitionPoint) * re;
    EXPECT_TRUE(nearlyEqual(r.transitionFactor, (std::log(Re_theta) + 21.74) / 18.4, 0.0, 1e-12));
}

TEST(SurfaceBoundaryLayer, TurbulentFlatPlateAgreesWithTheFlatPlateEstimate) {
    // Past transition the momentum march integrates dtheta/dx = Cf / 2 with
    // Ludwieg-Tillmann friction; on a flat plate its trailing-edge drag
    // 2 theta must lie within the 50 % band of the 1/5-power flat-plate
    // estimate, so dragModel 2 keeps the march's own value. Tolerance:
    // the band the method itself uses to reject the march.
    const double re = 1e7;
    const Plate p = flatPlate(401, 1.0);
    const auto flat = SurfaceBoundaryLayer(p.Ue, p.s, p.n, re, 1);
    const auto own = SurfaceBoundaryLayer(p.Ue, p.s, p.n, re, 2);
    ASSERT_TRUE(flat.ok && own.ok);
    EXPECT_FALSE(own.turbulentSeparation);
    EXPECT_EQ(own.lastStation, p.n);
    EXPECT_TRUE(nearlyEqual(own.drag, 2.0 * own.theta(p.n - 1), 0.0, 1e-12));
    EXPECT_LT(std::fabs(own.drag - flat.drag) / flat.drag, 0.5);
    // The flat-plate estimate in closed form: at Ue = 1, J = 1 - x_t and
    // x_v = 62.5 Re^0.25 theta_t^1.25 with Thwaites' theta_t^2 = 0.45 x_t / Re
    // at the transition station x_t. Tolerance 1e-12 relative: the same
    // formula, and the trapezoid integrals of constants are exact but for rounding.
    const double xt = p.s(flat.TransitionPoint);
    const double xv = 62.5 * std::pow(re, 0.25) * std::pow(0.45 * xt / re, 0.625);
    EXPECT_TRUE(nearlyEqual(flat.drag, 0.074 * std::pow(re, -0.2) * std::pow(1 - xt + xv, 0.8), 0.0, 1e-12));
}

TEST(SurfaceBoundaryLayer, AdverseGradientSeparatesTheLaminarLayer) {
    // Ue falling linearly from 1 (Howarth's retarded flow) separates the
    // laminar layer at x = 0.12 (Thwaites gives 0.12314); transition is then
    // forced at the first station with lambda <= -0.09.
    const int32_t n = 401;
    Array1<double> Ue(n), s(n);
    for (int32_t i = 1; i <= n; ++i) {
        s(i) = (i - 1) / 400.0;
        Ue(i) = 1.0 - s(i);
    }
    const auto r = SurfaceBoundaryLayer(Ue, s, n, 1e5, 1);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.laminarSeparation);
    // Thwaites' separation point for Howarth's flow: x = 0.12314 (closed form of Thwaites,
    // boundary_layer_theory.md section 3); 0.005 tolerance covers the station spacing.
    EXPECT_NEAR(s(r.TransitionPoint), 0.123, 0.005);
}

TEST(SurfaceBoundaryLayer, GuardsKeepEveryResultFinite) {
    struct Case {
        const char* what;
        Array1<double> Ue, s;
    };
    auto make = [](std::initializer_list<double> ue, std::initializer_list<double> s) {
        Array1<double> a(ue.size()), b(s.size());
        int32_t i = 1;
        for (double v : ue) a(i++) = v;
        i = 1;
        for (double v : s) b(i++) = v;
        return std::pair{a, b};
    };
    const std::pair<Array1<double>, Array1<double>> inputs[] = {
        // zero-length first step (stagnation point on a node)
        make({0.0, 0.0, 0.5, 0.9, 1.0, 1.0}, {0.0, 0.0, 0.05, 0.1, 0.5, 1.0}),
        // zero-length step in the middle
        make({0.0, 0.5, 0.9, 0.9, 1.0, 1.0}, {0.0, 0.05, 0.1, 0.1, 0.5, 1.0}),
        // zero edge velocity at the stagnation point and again downstream
        make({0.0, 0.6, 0.0, 0.8, 1.0, 1.0}, {0.0, 0.05, 0.1, 0.2, 0.5, 1.0}),
        // the edge flow stops under a turbulent layer (Re 1e9: turbulent at once)
        make({0.0, 1.0, 1.2, 0.0, 0.0, 0.0}, {0.0, 0.2, 0.4, 0.6, 0.8, 1.0}),
    };
    for (double re : {1e5, 1e9}) {
        for (const auto& [Ue, s] : inputs) {
            for (int32_t ps : {1, 2}) {
                const auto r = SurfaceBoundaryLayer(Ue, s, static_cast<int32_t>(Ue.size()), re, ps);
                ASSERT_TRUE(r.ok) << r.error;
                EXPECT_TRUE(std::isfinite(r.drag) && r.drag >= 0.0);
                for (int32_t i = 1; i <= Ue.size(); ++i) {
                    EXPECT_TRUE(std::isfinite(r.theta(i)) && std::isfinite(r.deltaStar(i)) &&
                                std::isfinite(r.H(i)) && std::isfinite(r.wallShear(i)))
                        << "station " << i << " re " << re;
                }
            }
        }
    }
}

TEST(SurfaceBoundaryLayer, ReportsInputsWithoutMeaning) {
    const Plate p = flatPlate(11, 1.0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double re : {0.0, -1e6, nan, std::numeric_limits<double>::infinity()}) {
        const auto r = SurfaceBoundaryLayer(p.Ue, p.s, p.n, re, 1);
        EXPECT_FALSE(r.ok) << re;
        EXPECT_FALSE(r.error.empty());
    }
    Plate bad = p;
    bad.Ue(5) = nan;
    EXPECT_FALSE(SurfaceBoundaryLayer(bad.Ue, bad.s, bad.n, 1e6, 1).ok);
    bad = p;
    bad.Ue(5) = -0.5;
    EXPECT_FALSE(SurfaceBoundaryLayer(bad.Ue, bad.s, bad.n, 1e6, 1).ok);
    EXPECT_FALSE(SurfaceBoundaryLayer(p.Ue, p.s, p.n + 1, 1e6, 1).ok);  // more stations than held
    // One station is no layer: no drag, and nothing to fail.
    const auto single = SurfaceBoundaryLayer(p.Ue, p.s, 1, 1e6, 1);
    EXPECT_TRUE(single.ok);
    EXPECT_EQ(single.drag, 0.0);
}

}  // namespace
}  // namespace aerolune
