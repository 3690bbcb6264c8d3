// The polar store's capacity and lookup, the sweep's points, the displaced
// contour of the viscous re-solve, and results identical whether or not the
// section solver reused its factorisation.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/Polar.h"
#include "analysis/PolarDisplacement.h"
#include "analysis/PolarLayerModel.h"
#include "analysis/TrailingEdgeFlow.h"
#include "support/NullSeam.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

PolarHeader header(const std::string& name, double re = 1e6) { return {name, "0.0 Deg.", "0.0 %c", re}; }

TEST(PolarStore, DropsTheOldestWhenFull) {
    PolarStore store;
    for (int32_t k = 1; k <= kPolarCapacity + 5; ++k)
        store.add(header("S" + std::to_string(k))).points.resize(3);
    ASSERT_EQ(store.count(), kPolarCapacity);
    EXPECT_EQ(store[0].header.name, "S6");
    EXPECT_EQ(store[kPolarCapacity - 1].header.name, "S" + std::to_string(kPolarCapacity + 5));
    EXPECT_EQ(store.find(header("S5")), nullptr);
    ASSERT_NE(store.find(header("S6")), nullptr);
    EXPECT_EQ(store.find(header("S6", 2e6)), nullptr);  // another Reynolds number is another polar
    // So is one computed with another model, effective angle or point count.
    for (const PolarModel& other : {PolarModel{2, 1, 0}, PolarModel{1, 1, 0}, PolarModel{1, 0, 160}})
        EXPECT_EQ(store.find(header("S6"), other), nullptr) << other.letter() << other.panels;
    EXPECT_EQ((PolarModel{2, 1, 0}.letter()), "S");

    store.truncate(3);
    EXPECT_EQ(store.count(), 3);
    store.truncate(10);  // a count above the size keeps all
    EXPECT_EQ(store.count(), 3);
    store.truncate(-1);
    EXPECT_EQ(store.count(), 0);
}

TEST(Polar, AnglesRunFromMinus20To20InStepsOf2) {
    for (int32_t k = 1; k <= kPolarPoints; ++k) EXPECT_EQ(polarAngle(k), -20.0 + 2.0 * (k - 1));
}

TEST(Polar, SweepRefusesWhatIsNoSectionAndAnUnusableReynoldsNumber) {
    SectionState section;
    StoredPolar polar;
    polar.points.resize(4);  // left over from an earlier sweep
    EXPECT_NE(polarSweep(section, 2, PolarSettings{}, polar), "");
    EXPECT_TRUE(polar.points.empty());
    PolarSettings noViscosity;
    noViscosity.re = 0.0;
    EXPECT_NE(polarSweep(section, 40, noViscosity, polar), "");
    EXPECT_TRUE(polar.points.empty());  // stopped at the first point
}

// What a window is told around a sweep.
struct SweepNoticeSeam : test::NullSeam {
    std::vector<std::string> told;
    void slowSweepStarting(const std::string& caption) override { told.push_back("start " + caption); }
    void slowSweepEnded() override { told.push_back("end"); }
    void showMessage(const std::string&) override { told.push_back("message"); }
};

TEST(Polar, OnlyTheCoupledModelsSweepIsAnnouncedAndItsNoticeEndsBeforeAnyMessage) {
    // Two points about the section stop the sweep before its first angle:
    // the notice must end even then, and before the message box opens.
    for (const int16_t model : {int16_t{1}, int16_t{2}, int16_t{kLayerDragModel}}) {
        AppState state;
        state.texts.sectionName = "2412";
        state.settings.dragModel = DragModel(model);
        SweepNoticeSeam seam;
        EXPECT_FALSE(Polar(state, seam, 2));
        if (model != kLayerDragModel) {
            EXPECT_EQ(seam.told, std::vector<std::string>{"message"});
            continue;
        }
        ASSERT_EQ(seam.told.size(), 3u);
        EXPECT_NE(seam.told[0].find("start  Computing the polar of 2412 with the coupled boundary layer"),
                  std::string::npos)
            << seam.told[0];
        EXPECT_EQ(seam.told[1], "end");
        EXPECT_EQ(seam.told[2], "message");
    }
}

TEST(Polar, SymmetricSectionGivesAnOddLiftCurveAndAnEvenDrag) {
    // NACA 0012 is its own mirror image: Cl(-a) = -Cl(a), Cd(-a) = Cd(a), and
    // the transition points swap surfaces. Tolerance 1e-3 absolute (1e-3 of
    // the drag): the mirrored solutions differ in single-precision rounding,
    // which is enough to move a separation station by one panel at high angles.
    SectionState section;
    section.designationNumber = 12;
    StoredPolar polar;
    ASSERT_EQ(polarSweep(section, 80, PolarSettings{}, polar), "");
    ASSERT_EQ(polar.points.size(), 21u);
    for (int32_t k = 0; k < 10; ++k) {
        const PolarPoint& lo = polar.points[k];
        const PolarPoint& hi = polar.points[20 - k];
        EXPECT_NEAR(lo.cl, -hi.cl, 1e-3) << lo.angle;
        EXPECT_NEAR(lo.cdTimes1000, hi.cdTimes1000, 1e-3 * hi.cdTimes1000) << lo.angle;
        EXPECT_NEAR(lo.cm, -hi.cm, 1e-3) << lo.angle;
        // No camber, little moment about c/4: the reference solver's viscous
        // moment stays within 0.006 of zero for |alpha| <= 8 degrees
        // (xfoil_viscous_polars.csv). Tolerance 0.01 there, the aim for the
        // polar's moment against the reference: measured 0.0025 at 2 degrees
        // (the thin-airfoil moment of the displaced camber line, used before,
        // gave 0.0115).
        if (hi.angle <= 8.0) {
            EXPECT_NEAR(hi.cm, 0.0, 0.01) << hi.angle;
        }
        EXPECT_NEAR(lo.upperTransition, hi.lowerTransition, 1e-3) << lo.angle;
    }
    EXPECT_NEAR(polar.points[10].cl, 0.0, 1e-4);
    // The drag at 0 degrees: two flat-plate estimates from Michel's transition
    // point, this method's own value when written (the reference solver's
    // coupled method gives 5.40, see DragTest), pinned to 1 % so that a change
    // in the estimate's constants shows.
    EXPECT_NEAR(polar.points[10].cdTimes1000, 6.745, 0.01 * 6.745);
    // The lift slope near zero: the panel lift of the displaced section; the
    // reference solver gives 0.428 at 4 degrees (xfoil_viscous_polars.csv).
    // Tolerance 5 %, the aim; measured 0.443 at 80 points.
    EXPECT_NEAR(polar.points[12].cl, 0.428, 0.05 * 0.428);
}

TEST(Polar, LiftDoesNotDependOnThePointCount) {
    // Raising the point count refines the answer; it may not move it. At Re
    // 1e6 and 4 degrees the lift at 80 and 340 points agrees within 2 %
    // (without the trailing-edge treatment of the displacement NACA 4412
    // loses 21 % between the two).
    for (int32_t designation : {12, 2412, 4412}) {
        double cl[2];
        for (int32_t k : {0, 1}) {
            SectionState section;
            section.designationNumber = designation;
            SectionSolution sol;
            solveSection(section, k == 0 ? 40 : 170, 4.0f, sol);
            PolarPoint point;
            std::string error;
            ASSERT_TRUE(polarPoint(section, sol, 4.0, PolarSettings{}, point, error)) << error;
            cl[k] = point.cl;
        }
        EXPECT_NEAR(cl[1], cl[0], 0.02 * std::fabs(cl[0])) << "NACA " << designation;
    }
}

TEST(Polar, DisplacedContourMovesOutwards) {
    SectionState section;
    section.designationNumber = 2412;
    SectionSolution sol;
    solveSection(section, 40, 4.0f, sol);
    const int32_t n = 80;
    const DragResult drag = dragEstimate(sol.NodeX.data(), sol.NodeY.data(), sol.SurfVel.data(), n,
                                         stagnationPanel(sol.SurfVel.data(), n), 4.0, 1e6, 1);
    ASSERT_TRUE(drag.ok);
    const Array1<float> y = displacedOrdinates(sol, drag, 1e6);
    // Upper nodes (x past 5 % chord) move up, lower ones down, by at most the
    // largest displacement thickness of the layers; near the trailing edge
    // the thickening is closed and both may move the same way.
    double largest = 0.0;
    for (const Array1<double>& d : {polarDisplacement(drag.upperStations, drag.upper, 1e6),
                                    polarDisplacement(drag.lowerStations, drag.lower, 1e6)})
        for (int32_t k = 1; k <= d.size(); ++k) largest = std::max(largest, d(k));
    for (int32_t j = 2; j <= n; ++j) {
        if (sol.NodeX(j) < 0.05 || sol.NodeX(j) > 1.0 - kThicknessClosure) continue;
        const double shift = y(j) - sol.NodeY(j);
        if (j > n / 2 + 1) {
            EXPECT_GT(shift, 0.0) << "upper node " << j;
        } else {
            EXPECT_LT(shift, 0.0) << "lower node " << j;
        }
        EXPECT_LE(std::fabs(shift), largest + 1e-7);
    }
    EXPECT_EQ(y(n + 1), y(1));
}

TEST(Polar, ReusedFactorisationGivesTheResultsOfAFreshSolve) {
    // The sweep solves all 21 angles on one section back to back, so the
    // section solver reuses its factorisation from the second angle on.
    // Solving another section first forces a fresh factorisation for each
    // point; the results must be bit for bit the same.
    SectionState section;
    section.designationNumber = 2412;
    SectionState other;
    other.designationNumber = 4415;
    StoredPolar polar;
    ASSERT_EQ(polarSweep(section, 60, PolarSettings{}, polar), "");
    for (int32_t k = 1; k <= kPolarPoints; ++k) {
        SectionSolution evict, fresh;
        solveSection(other, 30, 0.0f, evict);
        solveSection(section, 30, static_cast<float>(polarAngle(k)), fresh);
        PolarPoint point;
        std::string error;
        ASSERT_TRUE(polarPoint(section, fresh, polarAngle(k), PolarSettings{}, point, error)) << error;
        const PolarPoint& swept = polar.points[k - 1];
        EXPECT_EQ(point.cl, swept.cl) << polarAngle(k);
        EXPECT_EQ(point.cdTimes1000, swept.cdTimes1000) << polarAngle(k);
        EXPECT_EQ(point.cm, swept.cm) << polarAngle(k);
        // The moment about c/4: thin-airfoil -0.05312 (analytic.csv); the
        // reference solver's viscous value stays within 0.005 of it for
        // |alpha| <= 6 degrees (xfoil_viscous_polars.csv). Tolerance 0.01
        // there, the aim against the reference: measured 0.0019 at -6 degrees.
        if (std::fabs(polarAngle(k)) <= 6.0) {
            EXPECT_NEAR(swept.cm, -0.05312, 0.01) << polarAngle(k);
        }
        EXPECT_EQ(point.upperTransition, swept.upperTransition) << polarAngle(k);
        EXPECT_EQ(point.lowerTransition, swept.lowerTransition) << polarAngle(k);
    }
}

}  // namespace
}  // namespace aerolune
