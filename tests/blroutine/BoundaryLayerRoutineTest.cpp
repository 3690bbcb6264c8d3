// BoundaryLayer as the program runs it: the warning captions and status
// text, separations on both surfaces, failures that must be reported, the
// cancelled settings dialog and when the recomputation runs the layer.

#include <gtest/gtest.h>

#include <cmath>

#include "BoundaryLayerRun.h"

namespace aerolune::test {
namespace {

TEST(BoundaryLayerTexts, SeparationCaptionsAndTitle) {
    struct Case {
        bool upper;
        double x;
        const char* caption;
    };
    // The dialog's captions, the position to two decimals, halves away from zero.
    for (const Case& c : {Case{false, 0.45, "Lower Surface Seperation at x= 0.45"},
                          Case{true, 0.45, "Upper Surface Seperation at x= 0.45"},
                          Case{false, 0.1251, "Lower Surface Seperation at x= 0.13"},
                          Case{true, 0.03, "Upper Surface Seperation at x= 0.03"},
                          Case{true, 1.0, "Upper Surface Seperation at x= 1.00"}})
        EXPECT_EQ(separationCaption(c.upper, c.x), c.caption);
    EXPECT_EQ(boundaryLayerTitle(0.1234567, 0.0061234),
              "CFD Boundary Layer Solution: Cl = 0.12346  Cd = 0.00612");
    EXPECT_EQ(boundaryLayerTitle(-1.5, 12.345678),
              "CFD Boundary Layer Solution: Cl = -1.50000  Cd = 12.34568");
}

TEST(BoundaryLayerRoutine, LaminarLayersSeparateOnBothSurfacesWithTwoWarnings) {
    // Always laminar (transitionModel 1): on NACA 0012 at 0 degrees and Re 1e6 the
    // laminar layer separates on both surfaces where the pressure starts to
    // rise, near 0.6 chord (Thwaites' method on the same section, and where
    // the reference solver's separation bubble begins): between 0.5 and 0.7.
    AppState state = sectionAt("0012", "0", 60, {32, 50, 1, 0.0});
    const WarningSeam seam = recomputeWithLayer(state);
    const BoundaryLayerSolution& bl = state.boundaryLayer;
    ASSERT_TRUE(bl.ok) << bl.error;
    ASSERT_TRUE(bl.lower.separated && bl.upper.separated);
    EXPECT_EQ(seam.warnings, (std::vector<std::string>{separationCaption(false, bl.lower.separationX),
                                                       separationCaption(true, bl.upper.separationX)}));
    EXPECT_GT(bl.upper.separationX, 0.5);
    EXPECT_LT(bl.upper.separationX, 0.7);
    EXPECT_EQ(bl.upper.transitionStation, 0);
    // The computation went on: re-solve, drag and title as without a warning.
    EXPECT_TRUE(std::isfinite(bl.boundaryLayerCd) && bl.boundaryLayerCd > 0.0);
    EXPECT_EQ(seam.statuses.back(), bl.title);
    // Past the separation delta* continues as a straight line to the
    // trailing edge, never falling.
    for (int32_t i = bl.upper.rows; i < bl.upper.n; ++i)
        EXPECT_GE(bl.upper.displacement(i + 1), bl.upper.displacement(i)) << i;
}

TEST(BoundaryLayerRoutine, ReynoldsNumbersTooLowAreReportedFailures) {
    for (int32_t re : {0, 1}) {
        AppState state = sectionAt("2412", "4");
        state.flow.reynolds = re;
        state.boundaryLayer.airfoilBoundaryLayerViewEnabled = true;  // from an earlier solution
        const WarningSeam seam = recomputeWithLayer(state);
        SCOPED_TRACE(re);
        EXPECT_FALSE(state.boundaryLayer.ok);
        EXPECT_NE(state.boundaryLayer.error.find("Reynolds"), std::string::npos) << state.boundaryLayer.error;
        // The boundary layer's own message comes last (at Re 0 the drag
        // estimate has shown it once before).
        ASSERT_FALSE(seam.messages.empty());
        EXPECT_EQ(seam.messages.back(), kBoundaryLayerErrorMessage);
        EXPECT_TRUE(seam.warnings.empty());
        EXPECT_FALSE(state.analysis.boundaryLayerCd.has_value());  // no drag figure at all, rather than NaN
        EXPECT_TRUE(state.boundaryLayer.airfoilBoundaryLayerViewEnabled);
    }
}

TEST(BoundaryLayerRoutine, CancelledSettingsDialogKeepsThePreviousSolution) {
    AppState state = sectionAt("0012", "0");
    recomputeWithLayer(state);
    ASSERT_TRUE(state.boundaryLayer.ok);
    const double before = state.boundaryLayer.boundaryLayerCd;

    // Cancel: boundaryLayerRequested 0 with DialogCancelled 1; a different section
    // solution in the state meanwhile must not be taken up.
    state.settings.boundaryLayerRequested = false;
    state.shared.DialogCancelled = Variant(int16_t{1});
    state.flow.transitionModel = TransitionModel::AlwaysLaminar;
    WarningSeam seam;
    EXPECT_FALSE(BoundaryLayer(state, seam));
    EXPECT_EQ(state.boundaryLayer.boundaryLayerCd, before);
    EXPECT_TRUE(seam.warnings.empty() && seam.messages.empty() && seam.statuses.empty());
}

TEST(BoundaryLayerRoutine, RecomputationRunsTheLayerOnceWhereNeeded) {
    struct Case {
        int16_t view;
        int16_t pending;
        int runs;
    };
    // Pending: the recomputation runs it once, and views 7 and 8 do not run it again.
    // Not pending: only views 7 and 8 run it.
    for (const Case& c : {Case{1, 1, 1}, Case{7, 1, 1}, Case{8, 1, 1}, Case{1, 0, 0}, Case{7, 0, 1},
                          Case{8, 0, 1}, Case{3, 0, 0}}) {
        AppState state = sectionAt("0012", "2");
        state.display.view = c.view;
        state.analysis.boundaryLayerPending = c.pending;
        WarningSeam seam;
        recompute(state, seam);
        const auto runs = std::count_if(seam.statuses.begin(), seam.statuses.end(), [](const std::string& s) {
            return s.starts_with("CFD Boundary Layer Solution: Cl = ");
        });
        EXPECT_EQ(runs, c.runs) << "view " << c.view << ", pending " << c.pending;
        EXPECT_EQ(state.boundaryLayer.airfoilBoundaryLayerViewEnabled, c.runs > 0);
    }
}

}  // namespace
}  // namespace aerolune::test
