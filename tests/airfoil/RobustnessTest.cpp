// Hostile input to the Airfoil entry: no crash, no write outside elements
// 1..2H, finite outputs, and the documented fallbacks.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "AirfoilRun.h"
#include "numerics/airfoil/PanelSolver.h"

namespace aerolune::test {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// A point count outside 2..2000 writes nothing into the arrays and zero lift and moment.
TEST(AirfoilInput, PointCountOutOfRangeWritesNoArray) {
    for (int32_t h : {-7, 0, 1, 2001, std::numeric_limits<int32_t>::max()}) {
        AirfoilCall call = nacaCall(2412, 4.0f, 120);
        call.halfPoints = h;
        AirfoilResult r;
        r.halfPoints = 60;  // arrays of the size the caller may really have
        for (auto* a : {&r.nodeX, &r.ctrlX, &r.nodeY, &r.cp, &r.velocity})
            *a = std::vector<float>(240, kGuard);
        callAirfoil(call, r);
        for (const auto* a : {&r.nodeX, &r.ctrlX, &r.nodeY, &r.cp, &r.velocity})
            for (float v : *a) ASSERT_EQ(v, kGuard) << "H " << h;
        EXPECT_EQ(r.cl, 0.0f);
        EXPECT_EQ(r.cmLe, 0.0f);
    }
    AirfoilResult smallest = runAirfoil(nacaCall(12, 5.0f, 4));  // H = 2, a diamond
    EXPECT_TRUE(smallest.guardsIntact());
    EXPECT_TRUE(smallest.finiteOutputs());
}

// Non-finite angles and flap values fall back to 0 degrees and no flap;
// absurd designations and deflections are limited, never left to misbehave.
TEST(AirfoilInput, NonFiniteAndAbsurdScalarsAreTamed) {
    AirfoilResult plain0 = runAirfoil(nacaCall(2412, 0.0f, 120));
    AirfoilResult plain4 = runAirfoil(nacaCall(2412, 4.0f, 120));
    for (float alpha : {kNaN, kInf, -kInf}) {
        AirfoilResult r = runAirfoil(nacaCall(2412, alpha, 120));
        EXPECT_EQ(r.cl, plain0.cl);
        EXPECT_EQ(r.velocity, plain0.velocity);
    }
    struct FlapInput {
        float rad, hinge;
    };
    for (FlapInput f : {FlapInput{kNaN, 0.8f}, FlapInput{0.2f, kNaN}, FlapInput{0.2f, 1.5f},
                        FlapInput{0.2f, -0.3f}, FlapInput{kInf, 0.8f}}) {
        AirfoilCall call = nacaCall(2412, 4.0f, 120);
        call.flapRad = f.rad;
        call.flapHinge = f.hinge;
        AirfoilResult r = runAirfoil(call);
        EXPECT_EQ(r.cl, plain4.cl) << f.rad << " " << f.hinge;
    }
    // a 3-radian deflection is limited to 45 degrees; a hinge at 5 % to 20 %
    AirfoilCall wild = nacaCall(2412, 4.0f, 120);
    wild.flapRad = 3.0f;
    wild.flapHinge = 0.05f;
    AirfoilResult r = runAirfoil(wild);
    EXPECT_TRUE(r.finiteOutputs());
    EXPECT_TRUE(contourIsSimple(r));
    for (int32_t designation : {std::numeric_limits<int32_t>::min(), -1, 0, 99999, 2147483647, 9999}) {
        AirfoilResult d = runAirfoil(nacaCall(designation, 5.0f, 80));
        EXPECT_TRUE(d.guardsIntact()) << designation;
        EXPECT_TRUE(d.finiteOutputs()) << designation;
        EXPECT_TRUE(contourIsSimple(d)) << designation;
    }
}

// File lists that cannot make a section give zero arrays and zero lift; bad
// counts never make the builder read past the lists.
TEST(AirfoilInput, DegenerateFileListsGiveAnEmptyResult) {
    struct Case {
        const char* what;
        void (*spoil)(FileSection&);
    };
    const Case cases[] = {
        {"negative counts", [](FileSection& f) { f.FileNU = f.FileNL = -5; }},
        {"two points", [](FileSection& f) { f.FileNL = 2; }},
        {"all points equal",
         [](FileSection& f) {
             for (int i = 1; i <= f.FileNU; ++i) f.FileXU(i) = f.FileYU(i) = 0.5f;
         }},
        {"no thickness",
         [](FileSection& f) {
             for (int i = 1; i <= f.FileNU; ++i) f.FileYU(i) = f.FileYL(i) = 0.0f;
         }},
        {"not a number",
         [](FileSection& f) {
             for (int i = 1; i <= f.FileNU; ++i) f.FileXU(i) = kNaN;
         }},
    };
    for (const Case& c : cases) {
        AirfoilCall call = karmanTrefftzCall("KT_cambered.txt", 4.0f, 120);
        ASSERT_EQ(call.file.FileNU, 101);
        c.spoil(call.file);
        AirfoilResult r = runAirfoil(call);
        EXPECT_TRUE(r.guardsIntact()) << c.what;
        EXPECT_EQ(r.cl, 0.0f) << c.what;
        for (int i = 0; i < r.panels(); ++i) ASSERT_EQ(r.nodeX[i], 0.0f) << c.what;
    }
    // a count far beyond the lists is read as their capacity: the padding (zeros)
    // collapses into one repeated point, and the section still builds
    AirfoilCall huge = karmanTrefftzCall("KT_cambered.txt", 4.0f, 120);
    huge.file.FileNU = 1 << 30;
    AirfoilResult r = runAirfoil(huge);
    EXPECT_TRUE(r.guardsIntact());
    EXPECT_TRUE(r.finiteOutputs());
    EXPECT_NE(r.cl, 0.0f);
}

// Mode 1 reads the nodes (args 3, 5), writes only the velocity, lift and
// moment, and replaces a non-finite displaced ordinate by the undisplaced copy.
TEST(AirfoilMode1, ResolvesTheGivenContourAndWritesOnlyItsResults) {
    AirfoilCall call = nacaCall(2412, 4.0f, 120);
    AirfoilResult base = runAirfoil(call);
    AirfoilResult displaced = base;
    displaced.cp.assign(displaced.cp.size(), kGuard);
    for (int i = 0; i < displaced.panels(); ++i) displaced.cp[i] = base.nodeY[i];  // undisplaced copy
    for (int i = 0; i < displaced.panels(); ++i) displaced.nodeY[i] += 0.02f;  // the whole contour moved up
    AirfoilResult before = displaced;
    call.mode = 1;
    callAirfoil(call, displaced);
    EXPECT_EQ(displaced.nodeX, before.nodeX);
    EXPECT_EQ(displaced.ctrlX, before.ctrlX);
    EXPECT_EQ(displaced.nodeY, before.nodeY);
    EXPECT_EQ(displaced.cp, before.cp);
    EXPECT_TRUE(displaced.guardsIntact());
    // a translated contour carries the same flow: 1e-4 covers the single-precision nodes
    EXPECT_NEAR(displaced.cl, base.cl, 1e-4);
    EXPECT_NEAR(displaced.cmLe, base.cmLe, 1e-4);
    for (int i = 0; i < base.panels(); ++i) EXPECT_NEAR(displaced.velocity[i], base.velocity[i], 1e-3) << i;

    AirfoilResult spoiled = before;
    spoiled.nodeY[7] = kNaN;
    spoiled.cp[7] = base.nodeY[7] + 0.02f;  // the copy the caller hands over
    callAirfoil(call, spoiled);
    EXPECT_NEAR(spoiled.cl, displaced.cl, 1e-6);

    AirfoilResult thicker = before;
    for (int i = 0; i < thicker.panels(); ++i) thicker.nodeY[i] = base.nodeY[i] * 1.3f;
    callAirfoil(call, thicker);
    EXPECT_TRUE(std::isfinite(thicker.cl));
    EXPECT_GT(std::fabs(thicker.cl - base.cl), 0.01);  // a different contour, a different answer
}

// A collapsed contour (all nodes on one point) cannot be solved: V = 0, Cl = 0.
TEST(AirfoilMode1, CollapsedContourGivesZeroResult) {
    AirfoilCall call = nacaCall(12, 4.0f, 40);
    AirfoilResult r = runAirfoil(call);
    std::fill(r.nodeX.begin(), r.nodeX.begin() + r.panels(), 0.5f);
    std::fill(r.nodeY.begin(), r.nodeY.begin() + r.panels(), 0.0f);
    call.mode = 1;
    callAirfoil(call, r);
    EXPECT_TRUE(r.guardsIntact());
    EXPECT_EQ(r.cl, 0.0f);
    for (int i = 0; i < r.panels(); ++i) EXPECT_EQ(r.velocity[i], 0.0f);
}

// The kept factorisation: an angle sweep, a change of section and a return to
// the first give results bit-identical to fresh solves.
TEST(PanelCache, ReusedFactorisationIsBitIdentical) {
    auto contourOf = [](int32_t designation) {
        AirfoilResult r = runAirfoil(nacaCall(designation, 0.0f, 120));
        Contour c;
        c.halfPoints = r.halfPoints;
        c.x.assign(r.nodeX.begin(), r.nodeX.begin() + r.panels());
        c.y.assign(r.nodeY.begin(), r.nodeY.begin() + r.panels());
        return c;
    };
    Contour a = contourOf(2412), b = contourOf(23015);
    for (const Contour* c : {&a, &a, &b, &a}) {
        for (double alpha : {-0.2, 0.0, 0.07, 0.3}) {
            PanelSolution cached = solvePanels(*c, alpha);
            PanelSolution fresh = solvePanelsUncached(*c, alpha);
            ASSERT_TRUE(cached.solved);
            EXPECT_EQ(std::memcmp(&cached.cl, &fresh.cl, sizeof(double)), 0);
            EXPECT_EQ(std::memcmp(&cached.cmLe, &fresh.cmLe, sizeof(double)), 0);
            EXPECT_EQ(std::memcmp(cached.velocity.data(), fresh.velocity.data(),
                                  sizeof(double) * fresh.velocity.size()),
                      0);
            EXPECT_EQ(std::memcmp(cached.cp.data(), fresh.cp.data(), sizeof(double) * fresh.cp.size()), 0);
        }
    }
}

}  // namespace
}  // namespace aerolune::test
