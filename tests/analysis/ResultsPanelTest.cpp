// The results panel's pictures and the extremes and stagnation-point rules of
// a recomputation.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/ResultsPanel.h"

namespace aerolune {
namespace {

TEST(ResultsPanel, Pictures) {
    struct Case {
        float cl, cmLe;
        double cmQuarter, alphaZeroLift;
        bool hasCentre;
        double centre;
        const char *clShown, *cmLeShown, *cmQuarterShown, *zeroLiftShown, *centreShown;
    };
    // Expected texts by hand from the pictures: Cl, Cm and Cm c/4 "##0.000",
    // zero-lift angle "##0.00" + " Deg.", centre of pressure "##0" + " %c",
    // halves away from zero; "N/A" when thin-airfoil theory gives no centre
    // (|Cl| <= 0.01).
    const Case cases[] = {
        {0.5f, -0.125f, -0.0531, -2.0772, true, 35.62, "0.500", "-0.125", "-0.053", "-2.08 Deg.", "36 %c"},
        {0.0f, 0.0f, 0.0, 0.0, false, 0.0, "0.000", "0.000", "0.000", "0.00 Deg.", "N/A"},
        {-1.2345f, 0.30865f, 0.0005, 1.2573, true, 24.5, "-1.235", "0.309", "0.001", "1.26 Deg.", "25 %c"},
        {12.5f, -3.0f, -0.0004, -0.005, true, 124.5, "12.500", "-3.000", "0.000", "-0.01 Deg.", "125 %c"},
    };
    for (const Case& c : cases) {
        ThinAirfoilResult thin;
        thin.ClValue = c.cl;
        thin.CmLeValue = c.cmLe;
        thin.CmQuarter = c.cmQuarter;
        thin.AlphaZeroLift = c.alphaZeroLift;
        thin.hasCentreOfPressure = c.hasCentre;
        thin.centreOfPressure = c.centre;
        MainWindowTexts texts;
        fillResultsPanel(texts, thin);
        EXPECT_EQ(texts.cl, c.clShown);
        EXPECT_EQ(texts.cmLeadingEdge, c.cmLeShown);
        EXPECT_EQ(texts.cmQuarterChord, c.cmQuarterShown);
        EXPECT_EQ(texts.zeroLiftAngle, c.zeroLiftShown);
        EXPECT_EQ(texts.centreOfPressure, c.centreShown);
    }
}

TEST(ResultsPanel, DragPicture) {
    // "##0.000000": six decimals, halves away from zero, by hand.
    EXPECT_EQ(dragText(0.0085), "0.008500");
    EXPECT_EQ(dragText(0.01234567), "0.012346");
    EXPECT_EQ(dragText(0.0), "0.000000");
    EXPECT_EQ(dragText(1.5), "1.500000");
}

AppState stateWith(const std::vector<float>& y, const std::vector<float>& cp, const std::vector<float>& v) {
    AppState state;
    const auto n = static_cast<int32_t>(v.size());
    state.shared.TotalPoints = Variant(int16_t(n));
    state.shared.HalfPoints = n / 2;
    auto fill = [](Array1<float>& a, const std::vector<float>& values) {
        a.resize(values.size());
        for (std::size_t i = 0; i < values.size(); ++i) a(static_cast<std::ptrdiff_t>(i + 1)) = values[i];
    };
    fill(state.section.nodeY, y);
    fill(state.section.nodeX, y);
    fill(state.section.surfaceCp, cp);
    fill(state.section.surfaceSpeed, v);
    return state;
}

TEST(ResultsPanel, ExtremesAndStagnationPointRules) {
    struct Case {
        const char* what;
        std::vector<float> v;
        int16_t dialogCancelled;
        int32_t before;
        int32_t stag;
    };
    const Case cases[] = {
        {"smallest |V|", {0.9f, 0.1f, 0.5f, 0.8f, 0.9f, 1.0f}, 0, 0, 2},
        {"a tie goes to the last index", {0.9f, 0.1f, 0.5f, 0.8f, -0.1f, 1.0f}, 0, 0, 5},
        {"N/2 + 1 moves to N/2", {0.9f, 0.5f, 0.5f, 0.05f, 0.9f, 1.0f}, 0, 0, 3},
        {"kept while a dialog is cancelled", {0.9f, 0.1f, 0.5f, 0.8f, 0.9f, 1.0f}, 1, 5, 5},
        {"a kept N/2 + 1 still moves", {0.9f, 0.1f, 0.5f, 0.8f, 0.9f, 1.0f}, 1, 4, 3},
    };
    for (const Case& c : cases) {
        AppState state =
            stateWith({0.0f, -0.1f, 0.0f, 0.1f, 0.1f, 0.0f}, {1.0f, -0.5f, 0.3f, -0.5f, 1.0f, 0.2f}, c.v);
        state.shared.DialogCancelled = Variant(c.dialogCancelled);
        state.analysis.stagnationIndex = c.before;
        updateExtremes(state);
        EXPECT_EQ(state.analysis.stagnationIndex, c.stag) << c.what;
        EXPECT_EQ(state.analysis.cpHigh, 1.0);
        EXPECT_EQ(state.analysis.cpLow, -0.5f);
    }
}

TEST(ResultsPanel, NoSolutionYetLeavesTheScaleAlone) {
    // A cancelled first dialog redraws before any solution exists: nothing to
    // read, and CpHigh and CpLow keep their start values rather than +-1000.
    AppState state;
    state.shared.DialogCancelled = Variant(int16_t{1});
    updateExtremes(state);
    EXPECT_EQ(state.analysis.cpHigh, 1.0);
    EXPECT_EQ(state.analysis.cpLow, 0.0);
}

}  // namespace
}  // namespace aerolune
