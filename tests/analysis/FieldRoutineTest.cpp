// The grid-and-flow routine of the field views on a solved state: which mesh
// each view asks for, when the mesh view builds a new mesh and what it keeps,
// and the flow, levels and segments the streamline and pressure views draw.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "analysis/FieldRoutine.h"
#include "analysis/Pipeline.h"
#include "support/NullSeam.h"
#include "support/TestSupport.h"

namespace aerolune {
namespace {

using test::nearlyEqual;

using test::NullSeam;

std::vector<float> values(const Array2<float>& a) { return {a.data(), a.data() + a.rows() * a.cols()}; }

AppState solvedState(const std::string& section, const std::string& angle, float flapRad = 0.0f) {
    AppState state;
    state.texts.sectionName = section;
    state.texts.angleText = angle;
    state.section.flapAngleRad = flapRad;
    state.section.flapHingeX = flapRad != 0.0f ? 0.5f : 1.0f;
    NullSeam seam;
    recompute(state, seam);
    return state;
}

TEST(FieldRoutine, EachViewAsksForItsMesh) {
    AppState state;
    state.mesh.pointsAround = 131;
    state.mesh.rings = 51;
    state.mesh.outerRadius = 14;
    state.mesh.clustering = std::exp(37 / 1000.0);
    for (int view : {kStreamlineView, kPressureView}) {
        const FieldMeshSize size = fieldMeshSize(state, view);
        EXPECT_EQ(size.ni, 61);
        EXPECT_EQ(size.nj, 31);
        EXPECT_EQ(size.radius, 6.0);
        EXPECT_EQ(size.cluster, 1.02);
    }
    const FieldMeshSize mesh = fieldMeshSize(state, kMeshView);
    EXPECT_EQ(mesh.ni, 131);
    EXPECT_EQ(mesh.nj, 51);
    EXPECT_EQ(mesh.radius, 14.0);
    EXPECT_EQ(mesh.cluster, std::exp(0.037));
}

TEST(FieldRoutine, MeshDimensionsAreBroughtIntoTheWorkingRange) {
    // The mesh view works with 3..1000 nodes each way, whatever was asked for.
    const struct {
        int32_t asked;
        int32_t used;
    } cases[] = {
        {35, 35},
        {0, 3},
        {-40, 3},
        {2, 3},
        {1000, 1000},
        {std::numeric_limits<int32_t>::max(), 1000},
        {std::numeric_limits<int32_t>::min(), 3},
    };
    for (const auto& c : cases) {
        AppState state;
        state.mesh.pointsAround = c.asked;
        state.mesh.rings = c.asked;
        const FieldMeshSize size = fieldMeshSize(state, kMeshView);
        EXPECT_EQ(size.ni, c.used) << c.asked;
        EXPECT_EQ(size.nj, c.used) << c.asked;
    }
}

TEST(FieldRoutine, NothingToComputeWithoutASolvedSectionOrForOtherViews) {
    AppState unsolved;
    EXPECT_EQ(computeFieldView(unsolved, kMeshView).view, 0);
    EXPECT_EQ(unsolved.mesh.rebuild, 1.0) << "no mesh was copied";
    AppState solved = solvedState("0012", "0");
    for (int view : {0, 1, 3, 7, 10}) EXPECT_EQ(computeFieldView(solved, view).view, 0) << view;
    EXPECT_EQ(solved.keptMesh.I, 0);
}

TEST(FieldRoutine, ContourIsClosedOnTheFirstPoint) {
    const AppState state = solvedState("2412", "4");
    const ClosedContour c = closedContour(state);
    ASSERT_EQ(c.n, 121);
    EXPECT_EQ(c.x(121), c.x(1));
    EXPECT_EQ(c.y(121), c.y(1));
    EXPECT_EQ(c.x(61), state.section.nodeX(61));
    EXPECT_EQ(c.velocity(120), state.section.surfaceSpeed(120));
}

// A marker the mesh generator would never leave: shows whether a redraw
// reused the kept mesh or built a new one.
constexpr float kMarker = 1234.5f;

TEST(FieldRoutine, MeshViewKeepsItsMeshUntilANewOneIsNeeded) {
    AppState state = solvedState("0012", "0");
    ASSERT_EQ(state.mesh.rebuild, 1.0);

    FieldViewData first = computeFieldView(state, kMeshView);
    ASSERT_EQ(first.view, kMeshView);
    EXPECT_EQ(state.mesh.rebuild, 0.0) << "reset after the mesh copy";
    EXPECT_EQ(state.keptMesh.I, 41);  // MeshX, MeshY defaults
    EXPECT_EQ(state.keptMesh.J, 21);
    EXPECT_EQ(values(first.mesh.x), values(state.keptMesh.GridX));
    EXPECT_EQ(values(first.mesh.y), values(state.keptMesh.GridY));
    EXPECT_TRUE(first.flow.psi.rows() == 0 && first.segments.count.size() == 0)
        << "the mesh view needs no flow";

    state.keptMesh.GridX(5, 5) = kMarker;
    EXPECT_EQ(computeFieldView(state, kMeshView).mesh.x(5, 5), kMarker)
        << "NewGrid 0: the kept mesh is drawn";

    // The flow views build their own 61 x 31 mesh and leave the kept one and
    // NewGrid alone.
    state.mesh.rebuild = true;
    EXPECT_EQ(computeFieldView(state, kStreamlineView).mesh.I, 61);
    EXPECT_EQ(computeFieldView(state, kPressureView).mesh.J, 31);
    EXPECT_EQ(state.keptMesh.GridX(5, 5), kMarker);
    EXPECT_EQ(state.mesh.rebuild, 1.0);

    EXPECT_NE(computeFieldView(state, kMeshView).mesh.x(5, 5), kMarker) << "NewGrid 1 builds anew";
    EXPECT_EQ(state.mesh.rebuild, 0.0);
}

TEST(FieldRoutine, MeshViewRebuildsWhenSectionOrSettingsChangedWithoutNewGrid) {
    // The flap and point-count dialogs and a hand-edited setting leave NewGrid
    // at 0; the kept mesh must not outlive the section or size it was made for.
    const struct {
        const char* change;
        void (*apply)(AppState&);
    } cases[] = {
        {"mesh size", [](AppState& s) { s.mesh.pointsAround = 61; }},
        {"outer radius", [](AppState& s) { s.mesh.outerRadius = 6; }},
        {"clustering", [](AppState& s) { s.mesh.clustering = 1.02; }},
        {"flap",
         [](AppState& s) {
             s.section.flapAngleRad = 0.3f;
             s.section.flapHingeX = 0.7f;
             NullSeam seam;
             recompute(s, seam);
         }},
        {"point count",
         [](AppState& s) {
             s.shared.HalfPoints = 40;
             s.shared.TotalPoints = int16_t{80};
             NullSeam seam;
             recompute(s, seam);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        AppState state = solvedState("0012", "0");
        computeFieldView(state, kMeshView);
        state.keptMesh.GridX(5, 5) = kMarker;
        c.apply(state);
        ASSERT_EQ(state.mesh.rebuild, 0.0);
        const FieldViewData view = computeFieldView(state, kMeshView);
        EXPECT_NE(view.mesh.x(5, 5), kMarker);
        EXPECT_EQ(view.mesh.I, fieldMeshSize(state, kMeshView).ni);
        const ClosedContour c2 = closedContour(state);
        // Ring 1 on the current contour: its first node is the trailing edge
        // (FoilGrid's seam), to float precision.
        EXPECT_NEAR(view.mesh.x(1, 1), c2.x(1), 1e-5);
        EXPECT_NEAR(view.mesh.y(1, 1), c2.y(1), 1e-5);
    }
}

TEST(FieldRoutine, MeshViewMeshHasTheAskedSizeAndRadius) {
    AppState state = solvedState("4412", "2");
    state.mesh.pointsAround = 101;
    state.mesh.rings = 41;
    state.mesh.outerRadius = 12;
    const FieldViewData view = computeFieldView(state, kMeshView);
    ASSERT_EQ(view.mesh.I, 101);
    ASSERT_EQ(view.mesh.J, 41);
    // Outer ring on the circle of radius 12 about mid-chord, the midpoint of
    // the trailing edge and the contour point farthest from it; radius to
    // 1e-3 of 12.
    const ClosedContour c = closedContour(state);
    double farthest = 0.0, midX = 0.5, midY = 0.0;
    for (int32_t k = 2; k < c.n; ++k) {
        const double d = std::hypot(c.x(k) - c.x(1), c.y(k) - c.y(1));
        if (d > farthest) {
            farthest = d;
            midX = 0.5 * (c.x(1) + c.x(k));
            midY = 0.5 * (c.y(1) + c.y(k));
        }
    }
    for (int32_t i = 1; i <= 101; i += 10) {
        const double r = std::hypot(view.mesh.x(i, 41) - midX, view.mesh.y(i, 41) - midY);
        EXPECT_TRUE(nearlyEqual(r, 12.0, 1e-3)) << i << ": " << r;
    }
}

// Node i of a ring mirrors node NI + 1 - i about the chord line when the
// section is symmetric.
TEST(FieldRoutine, SymmetricSectionAtZeroGivesAMirroredField) {
    AppState state = solvedState("0012", "0");
    for (int view : {kStreamlineView, kPressureView}) {
        SCOPED_TRACE(view);
        const FieldViewData f = computeFieldView(state, view);
        ASSERT_EQ(f.view, view);
        const int32_t I = f.mesh.I, J = f.mesh.J;
        ASSERT_EQ(I, 61);
        ASSERT_EQ(J, 31);
        double meshGap = 0.0, psiGap = 0.0, cpGap = 0.0;
        for (int32_t j = 1; j <= J; ++j)
            for (int32_t i = 1; i <= I; ++i) {
                const int32_t m = I + 1 - i;
                meshGap = std::max({meshGap, std::fabs(double(f.mesh.x(i, j)) - f.mesh.x(m, j)),
                                    std::fabs(double(f.mesh.y(i, j)) + f.mesh.y(m, j))});
                psiGap = std::max(psiGap, std::fabs(double(f.flow.psi(i, j)) + f.flow.psi(m, j)));
                cpGap = std::max(cpGap, std::fabs(double(f.flow.cp(i, j)) - f.flow.cp(m, j)));
            }
        // Mesh mirrored to float rounding (1e-5 chord); fields to 1e-4, the
        // symmetry the flow field promises for a symmetric section at 0 deg.
        EXPECT_LT(meshGap, 1e-5);
        EXPECT_LT(psiGap, 1e-4) << "psi is odd about the chord line";
        EXPECT_LT(cpGap, 1e-4) << "Cp is even about the chord line";
    }
    // The streamline levels are symmetric too (level k and 52 - k are +-c for
    // k = 2..25), so each pair cuts as many segments.
    const FieldViewData s = computeFieldView(state, kStreamlineView);
    for (int32_t k = 2; k <= 25; ++k)
        EXPECT_EQ(s.segments.count(k), s.segments.count(52 - k)) << "level " << k;
}

TEST(FieldRoutine, StreamlineViewContoursTheStreamFunction) {
    AppState state = solvedState("2412", "4");
    state.display.foregroundColour = 15;
    const FieldViewData f = computeFieldView(state, kStreamlineView);
    ASSERT_EQ(f.levels.count(), 51);
    EXPECT_EQ(f.levels.levels(51), f.flow.psi(1, 1)) << "the dividing streamline, s0";
    EXPECT_EQ(f.levels.colours(51).palette, 15);
    ASSERT_EQ(f.segments.count.size(), 51);
    EXPECT_EQ(f.segments.capacity, 2 * 60 * 30);
    for (int32_t k = 1; k <= 51; ++k) EXPECT_LE(f.segments.count(k), f.segments.capacity);
    // Levels 1.5..-1.44 in 0.06 steps all cross a radius-6 field whose psi
    // spans about +-6 at the outer ring: every level has segments.
    for (int32_t k = 1; k <= 50; ++k) EXPECT_GT(f.segments.count(k), 0) << "level " << k;
    // psi grows upwards (u = d psi / dy): the streamline psi = 1.5 runs
    // above the section and psi = -1.44 below it. Far from the section
    // psi ~ y cos(4 deg) - x sin(4 deg) plus the circulation's ~0.1, so over
    // -5.5 < x < 6.5 the first stays above y = 0.5 and the second below -0.5.
    for (int32_t s = 1; s <= f.segments.count(1); ++s) EXPECT_GT(f.segments.y1(s, 1), 0.5f);
    for (int32_t s = 1; s <= f.segments.count(50); ++s) EXPECT_LT(f.segments.y1(s, 50), -0.5f);
}

TEST(FieldRoutine, PressureViewContoursCpBetweenTheSurfaceExtremes) {
    AppState state = solvedState("2412", "4");
    const FieldViewData f = computeFieldView(state, kPressureView);
    ASSERT_EQ(f.levels.count(), 33);
    EXPECT_EQ(f.levels.levels(1), static_cast<float>(state.analysis.cpHigh));
    EXPECT_NEAR(f.levels.levels(33), state.analysis.cpLow, 1e-6);
    EXPECT_EQ(f.levels.colours(1).rgb, colourRamp()[2]);
    // Ring 1 carries the surface Cp, so its extremes match CpHigh and CpLow
    // within the interpolation between panel midpoints (0.05 at 120 points,
    // the surface-agreement tolerance of the flow field).
    float ringHigh = -1e9f, ringLow = 1e9f;
    for (int32_t i = 1; i <= f.mesh.I; ++i) {
        ringHigh = std::max(ringHigh, f.flow.cp(i, 1));
        ringLow = std::min(ringLow, f.flow.cp(i, 1));
    }
    EXPECT_TRUE(nearlyEqual(ringHigh, state.analysis.cpHigh, 0.05)) << ringHigh;
    EXPECT_TRUE(nearlyEqual(ringLow, state.analysis.cpLow, 0.05, 0.1)) << ringLow;
    for (int32_t k = 2; k <= 32; ++k) EXPECT_GT(f.segments.count(k), 0) << "level " << k;
}

TEST(FieldRoutine, HostileMeshSettingsGiveAWorkingMesh) {
    // Values no dialog offers: limited inside the mesh routines, never a
    // crash or an absurd allocation.
    const struct {
        int32_t meshX, meshY;
        double radius, cluster;
        int32_t I, J;
    } cases[] = {
        {2, 1, 0.0, 0.5, 3, 3},
        {0, 0, -5.0, 1.0, 3, 3},
        {5000, 21, 1.0e9, std::nan(""), 1000, 21},
        {41, 21, std::nan(""), 1.0e6, 41, 21},
    };
    for (const auto& c : cases) {
        AppState state = solvedState("0012", "0");
        state.mesh.pointsAround = c.meshX;
        state.mesh.rings = c.meshY;
        state.mesh.outerRadius = c.radius;
        state.mesh.clustering = c.cluster;
        const FieldViewData f = computeFieldView(state, kMeshView);
        ASSERT_EQ(f.mesh.I, c.I);
        ASSERT_EQ(f.mesh.J, c.J);
        for (float v : values(f.mesh.x)) ASSERT_TRUE(std::isfinite(v));
        for (float v : values(f.mesh.y)) ASSERT_TRUE(std::isfinite(v));
    }
}

}  // namespace
}  // namespace aerolune
