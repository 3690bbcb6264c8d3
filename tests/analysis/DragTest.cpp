// The drag estimate: separation corrections and the stall flag on a contour
// whose lengths are exact in binary, and the drag of real sections against
// the reference solver's viscous polars.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

#include "analysis/Drag.h"
#include "analysis/PipelineSolve.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

// A plate of zero thickness, 8 panels per surface, whose upper panel
// midpoints lie at dyadic fractions (one of them at x = 0.5), so every arc
// length below is exact. The velocity is 1 everywhere except a sudden drop to
// 0.2 from the panel given, which separates the turbulent layer there.
struct Plate {
    std::vector<float> x, y, v;
    static constexpr int32_t n = 16;
};

Plate plateDroppingAt(int32_t dropPanel, bool dropOnUpper = true) {
    Plate p;
    // Nodes 1..9: trailing edge to leading edge along the lower side, 1/8 apart.
    for (int32_t j = 1; j <= 9; ++j) p.x.push_back(1.0f - (j - 1) / 8.0f);
    // Nodes 10..16 on the upper side; panel 13 (node 13 to 14) is centred on 0.5.
    for (float xu : {0.125f, 0.25f, 0.375f, 0.4375f, 0.5625f, 0.75f, 0.875f}) p.x.push_back(xu);
    p.y.assign(Plate::n, 0.0f);
    p.v.assign(Plate::n, 1.0f);
    for (int32_t i = 1; i <= Plate::n; ++i) {
        const bool beyond = dropOnUpper ? i >= dropPanel : i <= dropPanel;
        if (beyond) p.v[i - 1] = 0.2f;
    }
    return p;
}

DragResult estimate(const Plate& p, double angle, int32_t stag = 9) {
    // Re 1e9 turns the layer turbulent at the second station.
    return dragEstimate(p.x.data(), p.y.data(), p.v.data(), Plate::n, stag, angle, 1e9, 1);
}

TEST(Drag, SeparatedLengthOverHalfAChordStallsTheSection) {
    struct Case {
        int32_t dropPanel;
        double angle;
        double Lu, effectiveAngleDeg;
        int32_t stalled;
    };
    // Expected values by hand from the plate's exact geometry: the layer
    // separates at the station of the drop panel, Lu = 1 - x of its midpoint;
    // the last segment is horizontal, so theta_te = 0, the correction is
    // -0.5 Lu angle, and with the flat plate's zero-lift angle of 0 the
    // effective angle e |e| / (|e| + d) is angle / (1 + 0.5 Lu). Lengths exact
    // in binary, compared exactly; angles to 1e-12 degrees (rounding).
    const Case cases[] = {
        {13, 5.0, 0.5, 4.0, 0},                         // exactly half a chord: not stalled
        {12, 4.0, 0.59375, 4.0 / (1.0 + 0.296875), 1},  // midpoint 0.40625
        {14, 4.0, 0.34375, 4.0 / (1.0 + 0.171875), 0},  // midpoint 0.65625
        {13, 0.0, 0.0, 0.0, 0},                         // no correction at zero angle
        {13, -2.0, 0.0, -2.0, 0},  // an upper separation does not correct a negative angle
    };
    for (const Case& c : cases) {
        const DragResult r = estimate(plateDroppingAt(c.dropPanel), c.angle);
        ASSERT_TRUE(r.ok) << r.error;
        EXPECT_TRUE(r.upper.turbulentSeparation);
        EXPECT_EQ(r.Lu, c.Lu) << "drop at panel " << c.dropPanel << ", angle " << c.angle;
        EXPECT_NEAR(r.effectiveAngleDeg, c.effectiveAngleDeg, 1e-12)
            << "drop at panel " << c.dropPanel << ", angle " << c.angle;
        EXPECT_EQ(r.stalled, c.stalled) << "drop at panel " << c.dropPanel << ", angle " << c.angle;
        EXPECT_EQ(r.Ll, 0.0);
    }
}

TEST(Drag, LowerSeparationRaisesANegativeAngle) {
    // The drop on the lower side at panel 4 (midpoint x = 0.5625): the lower
    // march passes panels 8..1, separates at panel 4, Ll = 1 - 0.5625.
    // c_l = 0.5 Ll (|angle| + 0) shrinks the negative excess over the
    // plate's zero-lift angle 0: -4 / (1 + 0.5 Ll), to 1e-12 (rounding).
    const DragResult r = estimate(plateDroppingAt(4, false), -4.0);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.Ll, 0.4375);
    EXPECT_NEAR(r.effectiveAngleDeg, -4.0 / (1.0 + 0.5 * 0.4375), 1e-12);
    EXPECT_EQ(r.stalled, 0);
}

TEST(Drag, TrailingEdgeSlopeIsHeldForAVerticalSegment) {
    // |dy| / |dx| in degrees, held to pi/2 (90 degrees); by hand.
    EXPECT_NEAR(trailingEdgeSlopeDegrees(1.0, 0.1), 0.1 * 180.0 / M_PI, 1e-12);
    EXPECT_NEAR(trailingEdgeSlopeDegrees(-0.02, -0.001), 0.05 * 180.0 / M_PI, 1e-12);
    EXPECT_EQ(trailingEdgeSlopeDegrees(0.0, 0.01), 90.0);
    EXPECT_EQ(trailingEdgeSlopeDegrees(0.0, 0.0), 90.0);
    EXPECT_EQ(trailingEdgeSlopeDegrees(0.001, 1.0), 90.0);
}

TEST(Drag, VerticalTrailingEdgeSegmentGivesAFiniteAngle) {
    Plate p = plateDroppingAt(12);
    p.x[1] = 1.0f;  // node 2 straight above node 1 on the lower side
    p.y[1] = -0.01f;
    const DragResult r = estimate(p, -3.0);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(std::isfinite(r.effectiveAngleDeg));
    EXPECT_TRUE(std::isfinite(r.cd));
}

TEST(Drag, StagnationPointRules) {
    struct Case {
        std::vector<float> v;
        int32_t panel, stagPoint;
    };
    // Smallest |V| with ties to the later panel; the index N/2 + 1 (3 here)
    // is moved to N/2 for stagnationIndex only.
    const Case cases[] = {
        {{0.9f, 0.2f, 0.5f, 0.8f}, 2, 2},
        {{0.9f, -0.2f, 0.2f, 0.8f}, 3, 2},
        {{0.9f, 0.5f, 0.1f, 0.8f}, 3, 2},
        {{0.9f, 0.5f, 0.3f, -0.1f}, 4, 4},
        {{0.1f, 0.5f, 0.3f, 0.1f}, 4, 4},
        {{20000.f, 20000.f, 20000.f, 20000.f}, 0, 0},  // nothing below the start value
    };
    for (const Case& c : cases) {
        EXPECT_EQ(stagnationPanel(c.v.data(), 4), c.panel);
        EXPECT_EQ(dragStagnationPoint(c.v.data(), 4), c.stagPoint);
    }
}

TEST(Drag, ReportsWhatItCannotEstimate) {
    const Plate p = plateDroppingAt(12);
    EXPECT_FALSE(dragEstimate(p.x.data(), p.y.data(), p.v.data(), Plate::n, 9, 2.0, 0.0, 1).ok);  // Re 0
    EXPECT_FALSE(
        dragEstimate(p.x.data(), p.y.data(), p.v.data(), Plate::n, 0, 2.0, 1e6, 1).ok);  // no stagnation
    Plate bad = p;
    bad.v[5] = std::nanf("");
    EXPECT_FALSE(dragEstimate(bad.x.data(), bad.y.data(), bad.v.data(), Plate::n, 9, 2.0, 1e6, 1).ok);
}

// The reference solver's viscous polars: section -> angle -> (cd, xtr_top).
using Reference = std::map<std::string, std::map<int, std::pair<double, double>>>;

Reference readReference() {
    Reference ref;
    for (const auto& f : test::readCsv("reference/xfoil_viscous_polars.csv"))
        if (f.size() == 11 && f[10] == "1" && f[1] == "1000000")  // converged points at Re 1e6
            ref[f[0]][std::stoi(f[3])] = {std::stod(f[5]), std::stod(f[8])};
    return ref;
}

DragResult sectionDrag(int32_t designation, double angle, int32_t halfPoints, int32_t polarSolution) {
    SectionState section;
    section.designationNumber = designation;
    SectionSolution sol;
    solveSection(section, halfPoints, static_cast<float>(angle), sol);
    const int32_t n = 2 * halfPoints;
    return dragEstimate(sol.NodeX.data(), sol.NodeY.data(), sol.SurfVel.data(), n,
                        stagnationPanel(sol.SurfVel.data(), n), angle, 1e6, polarSolution);
}

TEST(Drag, SectionsAtOrAboveTheReferenceSolver) {
    // xfoil_viscous_polars.csv, Re 1e6, |alpha| <= 4 degrees, both point
    // counts and both drag choices. Its e^9 transition lies at or aft of
    // Michel's point on every surface here (by up to 0.2 chord, its xtr
    // columns against ours), so our turbulent run is the longer and our drag
    // not below its own (1.06 to 1.28 times it when written). The excess is
    // bounded by that run: at most 0.2 chord a surface, at turbulent less
    // laminar friction of about 0.0035 at Re 1e6, adds up to 0.0014 to its
    // 0.0054-0.0077; 40 % leaves room for the estimates' own error.
    const Reference ref = readReference();
    for (const char* name : {"0012", "2412"}) {
        for (int32_t halfPoints : {60, 170}) {
            for (int32_t ps : {1, 2}) {
                for (int angle = -4; angle <= 4; angle += 2) {
                    const DragResult r = sectionDrag(std::stoi(name), angle, halfPoints, ps);
                    ASSERT_TRUE(r.ok) << r.error;
                    const double expected = ref.at(name).at(angle).first;
                    EXPECT_NEAR(r.cd, 1.2 * expected, 0.2 * expected)
                        << name << " at " << angle << ", " << 2 * halfPoints << " points, drag choice " << ps;
                }
            }
        }
    }
}

TEST(Drag, DragAndTransitionFollowTheAngle) {
    // Trends the reference solver shows (xfoil_viscous_polars.csv): NACA 0012
    // has its least drag at 0 degrees and the drag grows with |alpha| up to
    // the stall; the upper transition point moves forward as alpha grows.
    for (int32_t halfPoints : {60, 170}) {
        double previousCd = 0.0, previousTransition = 2.0;
        for (int angle = 0; angle <= 12; angle += 2) {
            const DragResult up = sectionDrag(12, angle, halfPoints, 1);
            const DragResult down = sectionDrag(12, -angle, halfPoints, 1);
            ASSERT_TRUE(up.ok && down.ok);
            EXPECT_GT(up.cd, previousCd) << angle << " degrees, " << 2 * halfPoints << " points";
            // A symmetric section: the same drag at -alpha, to single precision.
            EXPECT_TRUE(test::nearlyEqual(down.cd, up.cd, 0.0, 1e-4)) << angle;
            EXPECT_LE(up.transitionUpperX, previousTransition) << angle;
            previousCd = up.cd;
            previousTransition = up.transitionUpperX;
        }
        for (int32_t designation : {12, 2412}) {
            EXPECT_LT(sectionDrag(designation, 8, halfPoints, 1).transitionUpperX,
                      sectionDrag(designation, 0, halfPoints, 1).transitionUpperX - 0.3);
        }
    }
}

}  // namespace
}  // namespace aerolune
