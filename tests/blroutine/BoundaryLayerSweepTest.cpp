// Every setting the boundary-layer dialog offers, on sections of 40 to 340
// points at -20 to 20 degrees: a solution with finite numbers everywhere, a
// separation only ever as a warning (or, at the nose, a reported failure); and the continuation of the result
// table past a separation.

#include <gtest/gtest.h>

#include <cmath>

#include "BoundaryLayerRun.h"
#include "analysis/BoundaryLayerPost.h"
#include "analysis/BoundaryLayerStations.h"
#include "numerics/blayer/Blayer2.h"

namespace aerolune::test {
namespace {

template <typename T>
bool allFinite(const T* values, std::ptrdiff_t n) {
    for (std::ptrdiff_t i = 0; i < n; ++i)
        if (!std::isfinite(values[i])) return false;
    return true;
}

void expectSound(const AppState& state, const WarningSeam& seam) {
    const BoundaryLayerSolution& bl = state.boundaryLayer;
    if (!bl.ok && bl.error.find("separates at the leading edge") != std::string::npos) {
        // A layer that separates at the nose has no drag to give: reported.
        EXPECT_EQ(seam.messages.size(), 1u);
        return;
    }
    ASSERT_TRUE(bl.ok) << bl.error;
    EXPECT_TRUE(seam.messages.empty());
    std::size_t warnings = 0;
    for (const BoundaryLayerSurface* s : {&bl.lower, &bl.upper}) {
        ASSERT_GE(s->rows, 1);
        ASSERT_LE(s->rows, s->n);
        ASSERT_TRUE(allFinite(s->table.data(), s->table.rows() * s->table.cols()));
        ASSERT_TRUE(allFinite(s->profileU.data(), s->profileU.rows() * s->profileU.cols()));
        ASSERT_TRUE(allFinite(s->profileY.data(), s->profileY.rows() * s->profileY.cols()));
        if (s->separated) ++warnings;
    }
    EXPECT_EQ(seam.warnings.size(), warnings);
    ASSERT_TRUE(allFinite(bl.displacedY.data(), bl.displacedY.size()));
    EXPECT_TRUE(std::isfinite(bl.cl) && std::isfinite(bl.cmLe) && std::isfinite(bl.boundaryLayerCd));
    EXPECT_GE(bl.boundaryLayerCd, 0.0);
}

TEST(BoundaryLayerSweep, EveryDialogSettingGivesASolution) {
    // The dialog's ends and middle of points across (16..64) and grid height
    // (10..100), the three models, smooth and rough walls.
    for (int16_t points : {16, 32, 64})
        for (int16_t limit : {10, 50, 100})
            for (int16_t options : {1, 2, 3})
                for (double roughness : {0.0, 1e-3})
                    for (const char* angle : {"-12", "0", "6"}) {
                        AppState state = sectionAt("2412", angle, 60, {points, limit, options, roughness});
                        const WarningSeam seam = recomputeWithLayer(state);
                        SCOPED_TRACE(testing::Message()
                                     << points << " across, limit " << limit << ", options " << options
                                     << ", roughness " << roughness << ", " << angle);
                        expectSound(state, seam);
                    }
}

TEST(BoundaryLayerSweep, EveryPointCountAndAngleGivesASolution) {
    for (int32_t half : {20, 45, 60, 100, 170})
        for (int angle = -20; angle <= 20; angle += 4)
            for (const char* section : {"0012", "23015"}) {
                AppState state = sectionAt(section, std::to_string(angle), half);
                const WarningSeam seam = recomputeWithLayer(state);
                SCOPED_TRACE(testing::Message()
                             << section << ", " << 2 * half << " points, " << angle << " deg");
                expectSound(state, seam);
            }
}

// A surface of n stations along s = 0, 0.1, 0.2, .. with the given delta*
// (column 2); theta (3) is half of it and Cf (4) is 0.004 on solved rows.
BoundaryLayerSurface syntheticSurface(const std::vector<double>& dstar, int32_t rows) {
    BoundaryLayerSurface s;
    s.n = static_cast<int32_t>(dstar.size());
    s.rows = rows;
    s.s.resize(dstar.size());
    s.table.resize(dstar.size(), BlayerLayout::tableColumns);
    for (int32_t i = 1; i <= s.n; ++i) {
        s.s(i) = 0.1 * (i - 1);
        if (i > rows) continue;
        s.table(i, BlayerDisplacement) = dstar[i - 1];
        s.table(i, BlayerMomentum) = 0.5 * dstar[i - 1];
        s.table(i, BlayerFriction) = 0.004;
    }
    return s;
}

TEST(BoundaryLayerPost, ContinuesPastTheEndOfTheLayerOnly) {
    struct Case {
        const char* what;
        std::vector<double> dstar;
        int32_t rows;
        int32_t row;                   // the row where the layer ends, 0 for none
        std::vector<double> expected;  // delta* after the continuation
    };
    // Expected values: the line through rows row - 2 and row - 1, with the
    // slope's denominator + 1e-6 (steps of 0.1 in arc length); row 1, the
    // stagnation point, is 0 whatever the solver gave there.
    const double d = 0.01 / (0.1 + 1e-6) * 0.1, D = 3.0 * d;
    const Case cases[] = {
        {"attached to the end", {0.01, 0.02, 0.03, 0.04, 0.05}, 5, 0, {0.0, 0.02, 0.03, 0.04, 0.05}},
        {"thins at transition", {0.01, 0.02, 0.03, 0.02, 0.03}, 5, 0, {0.0, 0.02, 0.03, 0.02, 0.03}},
        {"separated after row 4",
         {0.01, 0.02, 0.03, 0.04, 0, 0},
         4,
         4,
         {0.0, 0.02, 0.03, 0.03 + d, 0.03 + 2 * d, 0.03 + 3 * d}},
        {"grows faster than its arc",
         {0.01, 0.02, 0.03, 0.04, 0.3, 0.4},
         6,
         4,
         {0.0, 0.02, 0.03, 0.03 + d, 0.03 + 2 * d, 0.03 + 3 * d}},
        {"thins into the wall", {0.01, 0.06, 0.03, 0.02, 0, 0}, 4, 4, {0.0, 0.06, 0.03, 0.03 - D, 0.0, 0.0}},
    };
    for (const Case& c : cases) {
        BoundaryLayerSurface s = syntheticSurface(c.dstar, c.rows);
        EXPECT_EQ(continuePastSeparation(s), c.row) << c.what;
        for (int32_t i = 1; i <= s.n; ++i) {
            EXPECT_NEAR(s.displacement(i), c.expected[i - 1], 1e-9) << c.what << ", row " << i;
            EXPECT_NEAR(s.momentum(i), 0.5 * c.expected[i - 1], 1e-9) << c.what << ", row " << i;
        }
        EXPECT_EQ(s.friction(1), 0.0) << c.what;
    }
}

TEST(BoundaryLayerPost, TrailingEdgeDragIsSquireAndYoungAtTheLastSolvedStation) {
    // theta 0.002, delta* 0.003 (H = 1.5), Ue 0.9 at row 4 of 6 (s = 0.3 of
    // 0.5): 2 x 0.002 x 0.5 / 0.3 x 0.9^3.25 (Squire and Young).
    BoundaryLayerSurface s = syntheticSurface({0, 0.001, 0.002, 0.003, 0, 0}, 4);
    s.table(4, BlayerMomentum) = 0.002;
    s.Ue.resize(6, 0.9);
    EXPECT_NEAR(trailingEdgeDragTerm(s), 2.0 * 0.002 * 0.5 / 0.3 * std::pow(0.9, 3.25), 1e-12);
    s.rows = 1;
    EXPECT_EQ(trailingEdgeDragTerm(s), 0.0);
}

TEST(BoundaryLayerStations, IntervalsSplitIntoWholeStepsNoLongerThanTheLongest) {
    // Stations at s = 0, 0.001, 0.021, 0.026 with Ue = 0, 1, 2, 2; the
    // longest step 0.0065 (kMarchingStep, pi / 480).
    BoundaryLayerSurface surface;
    surface.n = 4;
    surface.s.resize(4);
    surface.Ue.resize(4);
    const double s[] = {0.0, 0.001, 0.021, 0.026}, ue[] = {0.0, 1.0, 2.0, 2.0};
    for (int32_t i = 1; i <= 4; ++i) {
        surface.s(i) = s[i - 1];
        surface.Ue(i) = ue[i - 1];
    }
    struct Case {
        int32_t substeps;
        double maxStep;
        std::vector<int32_t> step;  // 0-based step of each station
    };
    // 0.02 / 0.0065 needs 4 steps, 0.005 one; at least 2 each when asked;
    // no limit: the substeps alone.
    const Case cases[] = {{1, kMarchingStep, {0, 1, 5, 6}},
                          {2, kMarchingStep, {0, 2, 6, 8}},
                          {5, kMarchingStep, {0, 5, 10, 15}},
                          {1, 0.0, {0, 1, 2, 3}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.substeps << " substeps, longest " << c.maxStep);
        const MarchingArrays m = marchingArrays(surface, c.substeps, c.maxStep);
        ASSERT_EQ(m.step, c.step);
        ASSERT_EQ(m.s.size(), static_cast<std::size_t>(c.step.back() + 1));
        for (int32_t i = 1; i <= 4; ++i) {
            EXPECT_DOUBLE_EQ(m.s[c.step[i - 1]], s[i - 1]);
            EXPECT_DOUBLE_EQ(m.Ue[c.step[i - 1]], ue[i - 1]);
        }
        for (std::size_t k = 1; k < m.s.size(); ++k)
            if (c.maxStep > 0.0) {
                EXPECT_LE(m.s[k] - m.s[k - 1], c.maxStep + 1e-15);
            }
    }
    // The middle of the long interval lies halfway in s and Ue.
    const MarchingArrays m = marchingArrays(surface, 1, kMarchingStep);
    EXPECT_NEAR(m.s[3], 0.011, 1e-15);
    EXPECT_NEAR(m.Ue[3], 1.5, 1e-15);
}

}  // namespace
}  // namespace aerolune::test
