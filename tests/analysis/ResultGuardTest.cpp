// The last check before a single analysis reaches the results panel: each
// figure at its bound is shown, just beyond it the cell says why instead.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "analysis/ResultBounds.h"
#include "analysis/ResultGuard.h"

namespace aerolune {
namespace {

// A sane analysis: NACA 2412 at 4 degrees, figures rounded.
AppState saneState() {
    AppState state;
    state.section.panelCl = 0.72f;
    state.section.panelCmLeadingEdge = -0.23f;
    state.analysis.thin.ClValue = 0.68f;
    state.analysis.thin.CmLeValue = -0.22f;
    state.analysis.thin.CmQuarter = -0.053;
    state.analysis.thin.AlphaZeroLift = -2.1;
    state.analysis.drag.ok = true;
    state.analysis.drag.cd = 0.0068;
    state.texts.cl = state.texts.cmLeadingEdge = state.texts.cmQuarterChord = state.texts.zeroLiftAngle =
        "figure";
    state.texts.centreOfPressure = state.texts.cd = "figure";
    return state;
}

TEST(ResultGuard, EachFigureIsShownAtItsBoundAndRefusedBeyondIt) {
    struct Case {
        const char* what;
        std::function<void(AppState&, double)> set;
        double atBound, beyond;
        std::string MainWindowTexts::*cell;  ///< the cell that then says why; null for panel figures
    };
    const Case cases[] = {
        {"thin lift",
         [](AppState& s, double v) {
             s.analysis.thin.ClValue = float(v);
             s.section.panelCl = float(v);
         },
         -4.0, -4.01, &MainWindowTexts::cl},
        {"panel lift",
         [](AppState& s, double v) {
             s.section.panelCl = float(v);
             s.analysis.thin.ClValue = float(v);
         },
         4.0, 4.01, &MainWindowTexts::cl},
        {"quarter-chord moment", [](AppState& s, double v) { s.analysis.thin.CmQuarter = v; }, -1.0, -1.001,
         &MainWindowTexts::cmQuarterChord},
        {"leading-edge moment", [](AppState& s, double v) { s.analysis.thin.CmLeValue = float(v); }, -2.0,
         -2.01, &MainWindowTexts::cmLeadingEdge},
        {"zero-lift angle", [](AppState& s, double v) { s.analysis.thin.AlphaZeroLift = v; }, 30.0, 30.01,
         &MainWindowTexts::zeroLiftAngle},
        {"drag", [](AppState& s, double v) { s.analysis.drag.cd = v; }, 0.5, 0.5001, &MainWindowTexts::cd},
        {"no drag", [](AppState& s, double v) { s.analysis.drag.cd = v; }, 1e-6, 0.0, &MainWindowTexts::cd},
        // Thin-airfoil lift against the panel lift: a gap of 1 is taken, a
        // gap beyond both 1 and half the larger lift is not.
        {"thin against panel", [](AppState& s, double v) { s.analysis.thin.ClValue = float(v); }, 1.7, 1.75,
         &MainWindowTexts::cl},
    };
    EXPECT_EQ(analysisResultProblem(saneState()), "");
    for (const Case& c : cases) {
        AppState state = saneState();
        c.set(state, c.atBound);
        EXPECT_EQ(analysisResultProblem(state), "") << c.what;
        c.set(state, c.beyond);
        EXPECT_NE(analysisResultProblem(state), "") << c.what;
        markOutOfRangeCells(state);
        EXPECT_EQ(state.texts.*c.cell, kOutOfRangeCell) << c.what;
    }
}

TEST(ResultGuard, TheSemiModelsLiftAtTheEffectiveAngleMayDifferFromThePanelLift) {
    // Under the effective-angle model the thin-airfoil lift is taken at a
    // smaller angle than the panel lift; their gap is the model, not a fault.
    AppState state = saneState();
    state.section.panelCl = 2.4f;
    state.analysis.thin.ClValue = 0.3f;
    EXPECT_NE(analysisResultProblem(state), "");
    state.settings.useEffectiveAngle = true;
    EXPECT_EQ(analysisResultProblem(state), "");
}

}  // namespace
}  // namespace aerolune
