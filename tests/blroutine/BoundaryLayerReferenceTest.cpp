// BoundaryLayer on NACA 0012 at 0 degrees, Re 1e6, natural transition and the
// default settings, against the reference solver (tests/data/reference/
// xfoil_bl/naca0012_re1e6_a0_bl.csv and xfoil_viscous_polars.csv, Ncrit 9),
// and the symmetry of both surfaces.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "BoundaryLayerRun.h"
#include "numerics/blayer/Blayer2.h"

namespace aerolune::test {
namespace {

struct ReferenceColumn {
    std::vector<double> x, dstar, theta;
};

// The upper surface's aft half from the reference dump (x, delta*, theta).
ReferenceColumn referenceUpperAft() {
    std::ifstream in(dataPath("reference/xfoil_bl/naca0012_re1e6_a0_bl.csv"));
    std::string line;
    std::getline(in, line);
    ReferenceColumn ref;
    while (std::getline(in, line)) {
        std::stringstream ss(line);
        std::vector<std::string> c;
        for (std::string field; std::getline(ss, field, ',');) c.push_back(field);
        if (c.size() < 10 || c[9] != "upper" || std::stod(c[1]) < 0.5) continue;
        ref.x.push_back(std::stod(c[1]));
        ref.dstar.push_back(std::stod(c[4]));
        ref.theta.push_back(std::stod(c[5]));
    }
    return ref;
}

// Linear interpolation of y(x) at x0 over points in either order of x.
double interpolate(const std::vector<double>& x, const std::vector<double>& y, double x0) {
    for (std::size_t i = 1; i < x.size(); ++i) {
        const double a = x[i - 1], b = x[i];
        if ((a - x0) * (b - x0) <= 0.0 && a != b) return y[i - 1] + (x0 - a) / (b - a) * (y[i] - y[i - 1]);
    }
    return NAN;
}

std::vector<double> column(const BoundaryLayerSurface& s, int32_t col) {
    std::vector<double> v;
    for (int32_t i = 1; i <= s.rows; ++i) v.push_back(s.table(i, col));
    return v;
}

std::vector<double> stationsX(const BoundaryLayerSurface& s) {
    std::vector<double> v;
    for (int32_t i = 1; i <= s.rows; ++i) v.push_back(s.x(i));
    return v;
}

class Naca0012AtZero : public testing::Test {
protected:
    static void SetUpTestSuite() {
        state_ = new AppState(sectionAt("0012", "0"));
        seam_ = new WarningSeam(recomputeWithLayer(*state_));
    }
    static void TearDownTestSuite() {
        delete state_;
        delete seam_;
    }
    static AppState* state_;
    static WarningSeam* seam_;
};
AppState* Naca0012AtZero::state_ = nullptr;
WarningSeam* Naca0012AtZero::seam_ = nullptr;

TEST_F(Naca0012AtZero, ThicknessAtNinetyPerCentChordAgainstTheReference) {
    const BoundaryLayerSolution& bl = state_->boundaryLayer;
    ASSERT_TRUE(bl.ok) << bl.error;
    const ReferenceColumn ref = referenceUpperAft();
    const std::vector<double> x = stationsX(bl.upper);
    // Reference at x = 0.9: delta* 0.00179, theta 0.00124. Tolerance 25 %:
    // a direct march on the inviscid velocities against a coupled integral
    // method whose transition sits 0.1 chord further aft.
    const double dstar = interpolate(x, column(bl.upper, BlayerDisplacement), 0.9);
    const double theta = interpolate(x, column(bl.upper, BlayerMomentum), 0.9);
    EXPECT_TRUE(nearlyEqual(dstar, interpolate(ref.x, ref.dstar, 0.9), 0.0, 0.25)) << dstar;
    EXPECT_TRUE(nearlyEqual(theta, interpolate(ref.x, ref.theta, 0.9), 0.0, 0.25)) << theta;
}

TEST_F(Naca0012AtZero, TransitionAndDragAgainstTheReference) {
    const BoundaryLayerSolution& bl = state_->boundaryLayer;
    ASSERT_TRUE(bl.ok) << bl.error;
    // Transition of the reference polar at 0 degrees: 0.687 on both
    // surfaces; within 0.15 chord.
    ASSERT_GT(bl.upper.transitionStation, 0);
    EXPECT_NEAR(bl.upper.x(bl.upper.transitionStation), 0.687, 0.15);
    // Drag of the reference polar 0.00540, within 30 %.
    EXPECT_TRUE(nearlyEqual(bl.boundaryLayerCd, 0.00540, 0.0, 0.30)) << bl.boundaryLayerCd;
    EXPECT_EQ(state_->analysis.boundaryLayerCd, bl.boundaryLayerCd);
    // No lift without camber or angle: the re-solve's lift within 1e-4.
    EXPECT_NEAR(bl.cl, 0.0, 1e-4);
    EXPECT_EQ(bl.title, boundaryLayerTitle(bl.cl, bl.boundaryLayerCd));
    EXPECT_TRUE(bl.airfoilBoundaryLayerViewEnabled);
    // The layer reaches the last 10 % of the arc length on both surfaces.
    EXPECT_TRUE(seam_->warnings.empty());
    EXPECT_TRUE(seam_->messages.empty());
}

TEST_F(Naca0012AtZero, BothSurfacesAlike) {
    const BoundaryLayerSolution& bl = state_->boundaryLayer;
    ASSERT_TRUE(bl.ok);
    ASSERT_EQ(bl.lower.n, bl.upper.n);
    ASSERT_EQ(bl.lower.rows, bl.upper.rows);
    ASSERT_EQ(bl.lower.shown, bl.upper.shown);
    // A symmetric section at 0 degrees: every column of every station alike
    // to 1e-6 relative (1e-12 absolute for the zeros).
    for (int32_t i = 1; i <= bl.upper.n; ++i) {
        ASSERT_TRUE(nearlyEqual(bl.lower.s(i), bl.upper.s(i), 1e-12, 1e-6)) << i;
        for (int32_t col = 1; col <= BlayerLayout::tableColumns; ++col)
            ASSERT_TRUE(nearlyEqual(bl.lower.table(i, col), bl.upper.table(i, col), 1e-12, 1e-6))
                << i << "," << col;
    }
    // The displaced contour is the mirror image too (to 1e-6 chord), and lies
    // outside the section.
    const int32_t N = bl.panelCount;
    for (int32_t j = 2; j <= N; ++j) {
        EXPECT_NEAR(bl.displacedY(j), -bl.displacedY(N + 2 - j), 1e-6) << j;
        if (j > N / 2 + 1) {
            EXPECT_GE(bl.displacedY(j), state_->section.nodeY(j)) << j;
        }
    }
}

TEST_F(Naca0012AtZero, ProfilesReachTheEdgeVelocity) {
    const BoundaryLayerSurface& upper = state_->boundaryLayer.upper;
    const int32_t P = state_->boundaryLayer.pointsAcross;
    ASSERT_EQ(P, 32);
    for (int32_t i = 2; i <= upper.rows; ++i) {
        // The wall, and the outer edge within 0.5 % of Ue (the grid height of
        // 50 in eta lies far outside the layer).
        EXPECT_EQ(upper.distance(1, i), 0.0);
        EXPECT_EQ(upper.velocityRatio(1, i), 0.0);
        EXPECT_TRUE(nearlyEqual(upper.velocityRatio(P, i), upper.Ue(i), 0.0, 0.005)) << i;
        EXPECT_GT(upper.distance(P, i), upper.delta99(i)) << i;
    }
}

// A section of more than 120 points is coupled on its 120-point build: at 340
// points and 64 across, boundaryLayerCd and transition against the reference polars
// (xfoil_viscous_polars.csv, Re 1e6). Coupled on the 340-point section
// itself, 2412 at 2 degrees gave boundaryLayerCd 1.16 of the reference's and lower
// transition 0.15 chord early; now 1.02 and 0.01. Drag within the 10 % aim
// of the 120-point table, transition within 0.10 chord (upper transition on
// 2412 at 2 degrees lies 0.08 early, 0.07 at 120 points).
TEST(BoundaryLayerFineSection, CoupledOnTheCoarseBuildKeepsDragAndTransition) {
    struct Row {
        const char* section;
        const char* angle;
        double cd, xtrUpper, xtrLower;
    };
    const Row rows[] = {{"0012", "0", 0.00540, 0.687, 0.687},
                        {"2412", "2", 0.00578, 0.526, 0.968},
                        {"4412", "0", 0.00689, 0.610, 0.394}};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.section) + " at " + r.angle);
        AppState state = sectionAt(r.section, r.angle, 170, {64, 50, 3, 0.0});
        state.flow.reynolds = 1e6;
        recomputeWithLayer(state);
        const BoundaryLayerSolution& bl = state.boundaryLayer;
        ASSERT_TRUE(bl.ok) << bl.error;
        EXPECT_TRUE(nearlyEqual(bl.boundaryLayerCd, r.cd, 0.0, 0.10)) << bl.boundaryLayerCd;
        ASSERT_GT(bl.upper.transitionStation, 0);
        ASSERT_GT(bl.lower.transitionStation, 0);
        EXPECT_NEAR(bl.upper.x(bl.upper.transitionStation), r.xtrUpper, 0.10);
        EXPECT_NEAR(bl.lower.x(bl.lower.transitionStation), r.xtrLower, 0.10);
    }
}

}  // namespace
}  // namespace aerolune::test
