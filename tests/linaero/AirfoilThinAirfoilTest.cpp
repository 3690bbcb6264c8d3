// The thin-airfoil step on sections built by the section builder, as the
// recomputation runs it: Airfoil, then AeroCoeff on its nodes.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "linaero/MeanLines.h"
#include "support/NacaBuild.h"

namespace aerolune {
namespace {

using test::kPi;
using test::nearlyEqual;

using Section = test::NacaBuild;

// The section at 0 degrees, as the recomputation builds it before the thin-airfoil step.
Section buildSection(int32_t designation, int32_t halfPoints, double flapDeg = 0.0, float hinge = 1.0f) {
    return test::buildNaca(designation, 0.0f, halfPoints, static_cast<float>(flapDeg / 180.0 * 3.14159265),
                           hinge);
}

ThinAirfoilResult thinAirfoil(LinAero& aero, const Section& s, double alphaDeg) {
    return test::runThinAirfoil(aero, s.nodeY, s.nodeX, alphaDeg, static_cast<int>(s.nodeX.size() - 1));
}

// At 120 points. The builder puts the exact NACA surfaces on common stations;
// thickness stands normal to the mean line there, so the midpoint of a node
// pair lies off the mean line by about yt * yt' * yc' (0.0015 chord at the
// nose of the 2412, 0.0004 at 15 % chord). That moves the zero-lift angle by
// 0.04 degrees from the mean line's (which linaero itself meets within
// 0.00001 degrees, LinaeroTest) and the 24012's quarter-chord moment by 0.002.
TEST(AirfoilThinAirfoil, CamberedSectionsAgreeWithTheirMeanLines) {
    const auto reference = test::readAnalyticTable();
    struct Case {
        int32_t designation;
        const char* section;
        double cmTolerance;
    } cases[] = {{2412, "2412", 0.001}, {24012, "24012", 0.003}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        const auto& exact = reference.at(c.section);
        LinAero aero;
        const auto r = thinAirfoil(aero, buildSection(c.designation, 60), 3.0);
        // Source: analytic.csv. Tolerance 0.05 degrees and cmTolerance: the
        // midpoint line's departure from the mean line (above).
        EXPECT_TRUE(nearlyEqual(r.AlphaZeroLift, exact.alphaL0Deg, 0.05)) << r.AlphaZeroLift;
        EXPECT_TRUE(nearlyEqual(r.CmQuarter, exact.cmC4, c.cmTolerance)) << r.CmQuarter;
    }
}

// The listed coefficients settle as the point count grows. The leading-edge
// node is not a pair; left as the camber line's first ordinate it makes a
// step at the nose, and A0..A3 of the 2412 grow with the number of points
// (A1: 0.165 at 120 points, 0.33 at 340).
TEST(AirfoilThinAirfoil, ListedCoefficientsDoNotDependOnThePointCount) {
    for (int32_t designation : {2412, 24012, 6409}) {
        SCOPED_TRACE(designation);
        LinAero coarse, fine;
        thinAirfoil(coarse, buildSection(designation, 60), 0.0);
        thinAirfoil(fine, buildSection(designation, 170), 0.0);
        const float a[] = {coarse.A0, coarse.A1, coarse.A2, coarse.A3};
        const float b[] = {fine.A0, fine.A1, fine.A2, fine.A3};
        // Source: the 340-point result. Tolerance 0.003: measured differences
        // are up to 0.0023 (the nose extrapolation differs with the spacing;
        // most on the 24012, whose nose is laid from its foremost point).
        for (int n = 0; n < 4; ++n)
            EXPECT_TRUE(nearlyEqual(a[n], b[n], 0.003)) << n << ": " << a[n] << " vs " << b[n];
    }
}

// NACA 0012: no camber, so A1 = A2 = 0, no quarter-chord moment, and the
// centre of pressure at 25 % wherever it is defined.
TEST(AirfoilThinAirfoil, SymmetricSectionHasNoCamberTerms) {
    const Section s = buildSection(12, 60);
    for (double alphaDeg : {-8.0, 0.0, 4.0, 20.0}) {
        SCOPED_TRACE(alphaDeg);
        LinAero aero;
        const auto r = thinAirfoil(aero, s, alphaDeg);
        // Source: symmetry. Tolerance 1e-7: single-precision node ordinates.
        EXPECT_TRUE(nearlyEqual(aero.A1, 0.0, 1e-7)) << aero.A1;
        EXPECT_TRUE(nearlyEqual(aero.A2, 0.0, 1e-7)) << aero.A2;
        EXPECT_TRUE(nearlyEqual(r.CmQuarter, 0.0, 1e-7));
        EXPECT_EQ(centreOfPressureText(r), alphaDeg == 0.0 ? "N/A" : "25 %c");
    }
}

// Plain flaps of 10 to 50 % at 5 to 30 degrees on the 0012 and 2412: the
// change the flap makes against the hinge theory (thin-airfoil theory for a
// camber line kinked at the hinge x_h = 1 - E, cos(theta_h) = 1 - 2 x_h):
//   dCl     = 2 delta (pi - theta_h + sin(theta_h))
//   dAlpha0 = -dCl / (2 pi)
//   dCm,c/4 = -(delta / 2) sin(theta_h) (1 - cos(theta_h)).
TEST(AirfoilThinAirfoil, FlapsFollowTheHingeTheory) {
    struct Case {
        int32_t designation;
        double lengthPercent, flapDeg;
    } cases[] = {{12, 10, 5},  {12, 30, 15},   {12, 50, 30},   {12, 20, -10}, {12, 20, 10},
                 {12, 10, 30}, {2412, 10, 15}, {2412, 30, 30}, {2412, 50, 5}, {2412, 50, 30}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.designation) + " " + std::to_string(c.lengthPercent) + " % at " +
                     std::to_string(c.flapDeg));
        const float hinge = static_cast<float>(1.0 - c.lengthPercent / 100.0);
        LinAero plain, flapped;
        const auto r0 = thinAirfoil(plain, buildSection(c.designation, 60), 2.0);
        const auto r = thinAirfoil(flapped, buildSection(c.designation, 60, c.flapDeg, hinge), 2.0);
        const double delta = c.flapDeg * kPi / 180.0;
        const double thetaH = std::acos(1.0 - 2.0 * hinge);
        const double dCl = 2.0 * delta * (kPi - thetaH + std::sin(thetaH));
        const double dAlpha0Deg = -dCl / (2.0 * kPi) * 180.0 / kPi;
        const double dCm = -0.5 * delta * std::sin(thetaH) * (1.0 - std::cos(thetaH));
        // Source: the hinge theory above, a small-deflection result; the
        // section's flap line turns by tan(delta) over the projected length
        // E cos(delta), which departs from it in delta^2. Tolerance 4 % of the
        // lift and zero-lift angle changes (measured up to 3.3 %). Tolerance
        // 5 % + 0.6 delta^2 of the moment change (21 % at 30 degrees): the
        // thick contour's rounded hinge costs up to 4.3 % at any deflection,
        // and a bare flat plate with that flap line is already 10 % off at 30
        // degrees (measured 18.5 % there).
        EXPECT_TRUE(nearlyEqual(r.ClValue - r0.ClValue, dCl, 0.0, 0.04))
            << r.ClValue - r0.ClValue << " vs " << dCl;
        EXPECT_TRUE(nearlyEqual(r.AlphaZeroLift - r0.AlphaZeroLift, dAlpha0Deg, 0.0, 0.04))
            << r.AlphaZeroLift - r0.AlphaZeroLift << " vs " << dAlpha0Deg;
        const double cmTolerance = 0.05 + 0.6 * delta * delta;
        EXPECT_TRUE(nearlyEqual(r.CmQuarter - r0.CmQuarter, dCm, 0.0, cmTolerance))
            << r.CmQuarter - r0.CmQuarter << " vs " << dCm;
    }
}

// Highly cambered thick sections whose flapped surface reaches the trailing
// edge nearly vertically (down to -89 degrees for the 5930 with a 50 % flap at
// 30 degrees). The thin-airfoil figures are a property of the camber line and
// may not follow the point count; carried on to x = 1 along its last segment
// the camber line gave the 5930 cl = 18 at 40 points and -508 at 340.
TEST(AirfoilThinAirfoil, SteepFlappedEdgesDoNotFollowThePointCount) {
    for (int32_t designation : {5930, 5901, 9530}) {
        SCOPED_TRACE(designation);
        const float hinge = 0.5f;
        LinAero coarse, fine;
        const auto a = thinAirfoil(coarse, buildSection(designation, 20, 30.0, hinge), 4.0);
        const auto b = thinAirfoil(fine, buildSection(designation, 170, 30.0, hinge), 4.0);
        // Source: the 340-point result. Tolerance 4 %: the 5930's camber line
        // still steepens into the edge between 40 and 120 points (measured
        // 2.5 % in lift, 3 % in zero-lift angle and moment).
        EXPECT_TRUE(nearlyEqual(a.ClValue, b.ClValue, 0.0, 0.04)) << a.ClValue << " vs " << b.ClValue;
        EXPECT_TRUE(nearlyEqual(a.AlphaZeroLift, b.AlphaZeroLift, 0.0, 0.04))
            << a.AlphaZeroLift << " vs " << b.AlphaZeroLift;
        EXPECT_TRUE(nearlyEqual(a.CmQuarter, b.CmQuarter, 0.0, 0.04)) << a.CmQuarter << " vs " << b.CmQuarter;
    }
}

}  // namespace
}  // namespace aerolune
