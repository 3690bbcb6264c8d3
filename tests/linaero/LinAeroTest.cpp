#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "linaero/MeanLines.h"

namespace aerolune {
namespace {

using test::kPi;
using test::nearlyEqual;

// Node arrays laid out as the section builder returns them: node 1 at the
// trailing edge, the lower surface to the leading edge at node H + 1, the
// upper surface back, both surfaces on the same cosine stations, and the
// closing node 2H + 1 equal to node 1. Thickness is added normal to the chord,
// so the mean of each node pair is the mean line itself.
struct Nodes {
    Array1<float> x, y;
};

Nodes sectionNodes(int halfPoints, const test::MeanLine& meanLine, double thickness) {
    const auto stations = test::cosineStations(halfPoints + 1);
    Nodes n{Array1<float>(2 * halfPoints + 1), Array1<float>(2 * halfPoints + 1)};
    for (int k = 0; k <= halfPoints; ++k) {
        const double x = stations[k], yc = meanLine(x), yt = test::nacaThickness(thickness, x);
        n.x(halfPoints + 1 - k) = static_cast<float>(x);
        n.y(halfPoints + 1 - k) = static_cast<float>(yc - yt);
        if (k < halfPoints) {
            n.x(halfPoints + 1 + k) = static_cast<float>(x);
            n.y(halfPoints + 1 + k) = static_cast<float>(yc + yt);
        }
    }
    n.x(2 * halfPoints + 1) = n.x(1);
    n.y(2 * halfPoints + 1) = n.y(1);
    return n;
}

TEST(LinAero, CreationDefaults) {
    const LinAero aero;
    EXPECT_EQ(aero.pointCount, 0);
    EXPECT_EQ(aero.quadratureOrder, 100);
    EXPECT_EQ(aero.angleDeg, 0.0);
    for (float a : {aero.A0, aero.A1, aero.A2, aero.A3, aero.A4, aero.A5, aero.A6, aero.A7, aero.A8})
        EXPECT_EQ(a, 0.0f);
}

// The camber line is extracted from the node pairs: stations from the
// leading edge with the ends forced to exactly 0 and 1, ordinates the mean of
// the pair, the trailing-edge node last.
TEST(LinAero, ExtractsTheCamberLineFromTheNodePairs) {
    const auto meanLine = test::naca4MeanLine(0.02, 0.4);
    Nodes nodes = sectionNodes(60, meanLine, 0.12);
    nodes.x(61) = 0.001f;  // a leading-edge node off the origin
    nodes.x(1) = 0.998f;   // and a trailing edge short of the unit chord
    LinAero aero;
    test::runThinAirfoil(aero, nodes.y, nodes.x, 0.0, 120);

    const auto& xc = aero.camberStations();
    const auto& zc = aero.camberOrdinates();
    ASSERT_EQ(xc.size(), 61);
    EXPECT_EQ(xc(1), 0.0f);
    EXPECT_EQ(xc(61), 1.0f);
    EXPECT_EQ(zc(61), nodes.y(1));
    // The leading-edge ordinate is the midpoint line carried to x = 0, here
    // the mean line's 0. Tolerance 1e-5 chord: a parabola in sqrt(x) through
    // the next three stations misses the x^2 term of the mean line by about
    // 36 (m/p^2) h^4 = 2e-6 with h = sqrt(x(2)).
    EXPECT_TRUE(nearlyEqual(zc(1), 0.0, 1e-5)) << zc(1);
    const auto stations = test::cosineStations(61);
    for (int i = 2; i <= 60; ++i) {
        EXPECT_EQ(xc(i), static_cast<float>(stations[i - 1])) << i;
        // Source: the mean line the nodes were built on. Tolerance 1e-7 chord:
        // single-precision node ordinates of size 0.1.
        EXPECT_TRUE(nearlyEqual(zc(i), meanLine(stations[i - 1]), 1e-7)) << i;
    }
}

// A deflected flap moves the trailing-edge node ahead of x = 1, to
// c = h + (1 - h) cos(delta); the camber line is taken over that projected
// chord. A flat plate with a plain flap hinged at h: on the projected chord
// the hinge lies at h / c and the flap line has slope -tan(delta), and
// thin-airfoil theory for that line, referred back to the unit chord, gives
// with cos(theta_h) = 1 - 2 h / c
//   Cl = c (2 pi alpha + 2 tan(delta) (pi - theta_h + sin(theta_h))).
TEST(LinAero, FlapDeflectionTakesTheCamberLineOverTheProjectedChord) {
    const int half = 60;
    const double hinge = 0.8;
    for (double deltaDeg : {-20.0, 10.0, 30.0}) {
        SCOPED_TRACE(deltaDeg);
        const double delta = deltaDeg * kPi / 180.0;
        Nodes nodes = sectionNodes(
            half, [](double) { return 0.0; }, 0.0);
        for (int i = 1; i <= 2 * half + 1; ++i) {
            const double x = nodes.x(i);
            if (x <= hinge) continue;
            nodes.x(i) = static_cast<float>(hinge + (x - hinge) * std::cos(delta));
            nodes.y(i) = static_cast<float>(-(x - hinge) * std::sin(delta));
        }
        LinAero aero;
        const auto r = test::runThinAirfoil(aero, nodes.y, nodes.x, 2.0, 2 * half);
        const double chord = hinge + (1.0 - hinge) * std::cos(delta);
        const double thetaH = std::acos(1.0 - 2.0 * hinge / chord);
        const double cl = chord * (2.0 * kPi * 2.0 * kPi / 180.0 +
                                   2.0 * std::tan(delta) * (kPi - thetaH + std::sin(thetaH)));
        // Source: the closed form above. Tolerance 1 %: the spline rounds the
        // kink at the hinge over one station interval.
        EXPECT_TRUE(nearlyEqual(r.ClValue, cl, 0.0, 0.01)) << r.ClValue << " vs " << cl;
    }
}

// The panel figures of a cambered section at 120 points against exact
// thin-airfoil theory, at two angles: the zero-lift angle and the moment about
// the quarter chord do not depend on the angle.
TEST(LinAero, CamberedSectionsMatchExactTheory) {
    const auto reference = test::readAnalyticTable();
    struct Case {
        const char* section;
        test::MeanLine meanLine;
        double alphaDeg;
    } cases[] = {
        {"2412", test::naca4MeanLine(0.02, 0.4), 0.0},
        {"2412", test::naca4MeanLine(0.02, 0.4), 4.0},
        {"24012", test::naca5MeanLine(0.29, 6.643), 0.0},
        {"24012", test::naca5MeanLine(0.29, 6.643), -3.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + " at " + std::to_string(c.alphaDeg));
        const auto& exact = reference.at(c.section);
        LinAero aero;
        const Nodes nodes = sectionNodes(60, c.meanLine, 0.12);
        const auto r = test::runThinAirfoil(aero, nodes.y, nodes.x, c.alphaDeg, 120);
        // Source: analytic.csv. Tolerances 0.02 degrees and 0.001.
        EXPECT_TRUE(nearlyEqual(r.AlphaZeroLift, exact.alphaL0Deg, 0.02)) << r.AlphaZeroLift;
        EXPECT_TRUE(nearlyEqual(r.CmQuarter, exact.cmC4, 0.001)) << r.CmQuarter;
        // Source: thin-airfoil lift cl = cl0 + 2 pi alpha with cl0 from analytic.csv.
        // Tolerance 1e-5: single-precision coefficients.
        const double cl = exact.clAlpha0 + 2.0 * kPi * c.alphaDeg * kPi / 180.0;
        EXPECT_TRUE(nearlyEqual(r.ClValue, cl, 1e-5)) << r.ClValue;
        // The leading-edge moment follows from the same coefficients:
        // Cm,le = Cm,c/4 - Cl / 4 for thin-airfoil theory.
        EXPECT_TRUE(nearlyEqual(r.CmLeValue, r.CmQuarter - r.ClValue / 4.0, 1e-6));
    }
}

// A symmetric section has no camber: A1 = A2 = 0, no moment about the quarter
// chord, and the centre of pressure sits at the quarter chord whenever it is
// defined (|Cl| > 0.01); at zero lift it is not defined.
TEST(LinAero, SymmetricSectionHasItsCentreOfPressureAtTheQuarterChord) {
    const Nodes nodes = sectionNodes(60, test::naca4MeanLine(0.0, 0.0), 0.12);
    for (double alphaDeg : {-10.0, -2.0, 0.0, 0.05, 3.0, 90.0}) {
        SCOPED_TRACE(alphaDeg);
        LinAero aero;
        const auto r = test::runThinAirfoil(aero, nodes.y, nodes.x, alphaDeg, 120);
        EXPECT_EQ(aero.A1, 0.0f);
        EXPECT_EQ(aero.A2, 0.0f);
        EXPECT_EQ(r.CmQuarter, 0.0);
        // Source: 2 pi alpha, the thin-airfoil lift slope; tolerance 1e-5.
        EXPECT_TRUE(nearlyEqual(r.ClValue, 2.0 * kPi * alphaDeg * kPi / 180.0, 1e-5, 1e-6));
        const bool defined = std::fabs(r.ClValue) > 0.01;
        EXPECT_EQ(r.hasCentreOfPressure, defined);
        if (defined) {
            EXPECT_DOUBLE_EQ(r.centreOfPressure, 25.0);
        }
    }
}

// The boundary is strict: a lift of exactly 0.01 (as the panel holds it, in
// single precision) has no centre of pressure, the next value up has one.
TEST(LinAero, CentreOfPressureNeedsLiftAboveOneHundredth) {
    const auto lift = [](float a0) {
        LinAero aero;
        aero.A0 = a0;
        return thinAirfoilCoefficients(aero, 0.0).ClValue;
    };
    float a0 = static_cast<float>(0.01 / (2.0 * kPi));
    while (lift(a0) < 0.01f) a0 = std::nextafter(a0, 1.0f);
    while (lift(a0) > 0.01f) a0 = std::nextafter(a0, 0.0f);
    ASSERT_EQ(lift(a0), 0.01f);

    LinAero aero;
    aero.A0 = a0;
    EXPECT_FALSE(thinAirfoilCoefficients(aero, 0.0).hasCentreOfPressure);
    EXPECT_EQ(centreOfPressureText(thinAirfoilCoefficients(aero, 0.0)), "N/A");
    aero.A0 = -aero.A0;
    EXPECT_FALSE(thinAirfoilCoefficients(aero, 0.0).hasCentreOfPressure);

    aero.A0 = static_cast<float>(0.011 / (2.0 * kPi));
    EXPECT_TRUE(thinAirfoilCoefficients(aero, 0.0).hasCentreOfPressure);
    EXPECT_EQ(centreOfPressureText(thinAirfoilCoefficients(aero, 0.0)), "25 %c");

    // A cambered section: 25 - 100 Cm,c/4 / Cl per cent chord, rounded to a whole per cent.
    aero.A1 = 0.08f;
    aero.A2 = 0.01f;
    const auto r = thinAirfoilCoefficients(aero, 0.0);
    const double expected = (0.25 - kPi * (0.01 - 0.08) / 4.0 / r.ClValue) * 100.0;
    EXPECT_EQ(centreOfPressureText(r), std::to_string(std::lround(expected)) + " %c");
}

// A point count that asks for more nodes than the arrays hold, or none, must
// not read past the arrays (the checked build aborts if it does).
TEST(LinAero, PointCountBeyondTheArraysIsHeldToThem) {
    const Nodes nodes = sectionNodes(20, test::naca4MeanLine(0.02, 0.4), 0.12);
    struct Case {
        const char* name;
        int32_t points;
    } cases[] = {
        {"twice the nodes", 82},
        {"absurd count", std::numeric_limits<int32_t>::max()},
        {"none", 0},
        {"negative", -40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LinAero aero;
        aero.angleDeg = 2.0;
        aero.pointCount = c.points;
        aero.AeroCoeff(nodes.y, nodes.x);
        for (float a : {aero.A0, aero.A1, aero.A2, aero.A8}) EXPECT_TRUE(std::isfinite(a));
        EXPECT_LE(aero.camberStations().size(), 21);
    }
    LinAero empty;
    empty.pointCount = 120;
    empty.angleDeg = 2.0;
    empty.AeroCoeff(Array1<float>(), Array1<float>());
    // No nodes at all: a flat plate. Source: A0 = alpha; tolerance: exact in single.
    EXPECT_EQ(empty.A0, static_cast<float>(2.0 * 4.0 * std::atan(1.0) / 180.0));
    EXPECT_EQ(empty.A1, 0.0f);
}

}  // namespace
}  // namespace aerolune
