// Plain flap: the lift it adds, and a contour that stays simple over the whole
// range of lengths and deflections the flap dialog offers.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "AirfoilRun.h"
#include "numerics/airfoil/NacaSection.h"

namespace aerolune::test {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

AirfoilCall flapCall(int32_t designation, float alphaDeg, int32_t total, double lengthPercent,
                     double deflectionDeg) {
    return withFlap(nacaCall(designation, alphaDeg, total), lengthPercent, deflectionDeg);
}

// NACA 0012 at 0 degrees with a 20 % flap at +-10 degrees: thin-airfoil flap
// theory gives dCl = 2 (pi - theta_h + sin theta_h) delta with cos theta_h =
// 1 - 2 x 0.8, i.e. 3.45 per radian, 0.60 at 10 degrees; the panel
// lift must lie within 0.45..0.75 and be odd in the deflection.
TEST(Flap, TwentyPercentFlapChangesLiftAsFlapTheorySays) {
    double down = runAirfoil(flapCall(12, 0.0f, 120, 20.0, 10.0)).cl;
    double up = runAirfoil(flapCall(12, 0.0f, 120, 20.0, -10.0)).cl;
    EXPECT_GE(down, 0.45);
    EXPECT_LE(down, 0.75);
    EXPECT_NEAR(up, -down, 1e-4);  // mirror image of the section
    RecordProperty("cl_flap_down_10", std::to_string(down));
}

// A zero deflection, a zero length, and a hinge at the trailing edge leave
// the section exactly as without a flap.
TEST(Flap, NoDeflectionOrNoLengthIsNoFlap) {
    AirfoilResult plain = runAirfoil(nacaCall(2412, 4.0f, 120));
    for (auto [length, deflection] : {std::pair{20.0, 0.0}, std::pair{0.0, 20.0}}) {
        AirfoilResult r = runAirfoil(flapCall(2412, 4.0f, 120, length, deflection));
        EXPECT_EQ(r.nodeY, plain.nodeY);
        EXPECT_EQ(r.cl, plain.cl);
    }
}

// Geometry of the flapped section: the trailing edge turned about the hinge,
// the fixed part untouched, both surfaces on the same stations, upper above
// lower, and no two panels crossing (the hinge knuckle on the closing side is
// where a careless construction folds).
TEST(Flap, ContourStaysSimpleOverTheDialogRange) {
    for (int32_t designation : {12, 2412, 9930, 6401, 23015}) {
        for (double length : {5.0, 20.0, 35.0, 50.0}) {
            for (double deflection : {-30.0, -15.0, -2.0, 2.0, 15.0, 30.0}) {
                for (int32_t total : {40, 120, 340}) {
                    AirfoilResult r = runAirfoil(flapCall(designation, 0.0f, total, length, deflection));
                    const int h = r.halfPoints;
                    std::string where = std::to_string(designation) + " length " + std::to_string(length) +
                                        " deflection " + std::to_string(deflection) + " points " +
                                        std::to_string(total);
                    ASSERT_TRUE(r.guardsIntact()) << where;
                    // trailing edge (1, 0) turned clockwise about the hinge, which lies
                    // midway between the surfaces at the hinge station
                    double xh = 1.0 - length / 100.0;
                    SectionCurves curves = nacaCurves(parseDesignation(designation));
                    double yh = 0.5 * (ordinateAtX(curves.upper, xh) + ordinateAtX(curves.lower, xh));
                    double d = deflection * kDegree;
                    EXPECT_NEAR(r.nodeX[0], xh + (1.0 - xh) * std::cos(d) - yh * std::sin(d), 1e-6) << where;
                    EXPECT_NEAR(r.nodeY[0], yh - (1.0 - xh) * std::sin(d) - yh * std::cos(d), 1e-6) << where;
                    for (int k = 1; k < h; ++k) {
                        EXPECT_EQ(r.nodeX[h - k], r.nodeX[h + k]) << where;
                        EXPECT_GT(r.nodeY[h + k], r.nodeY[h - k]) << where << " k " << k;
                        EXPECT_GT(r.nodeX[h + k], r.nodeX[h + k - 1]) << where << " k " << k;
                    }
                    EXPECT_TRUE(contourIsSimple(r)) << where;
                }
            }
        }
    }
}

}  // namespace
}  // namespace aerolune::test
