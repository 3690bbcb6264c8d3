#include "analysis/ResultGuard.h"

#include "analysis/ResultBounds.h"

namespace aerolune {

namespace {

bool atGeometricAngle(const AppState& state) { return !state.settings.useEffectiveAngle; }

}  // namespace

std::string analysisResultProblem(const AppState& state) {
    const SectionState& sec = state.section;
    const ThinAirfoilResult& thin = state.analysis.thin;
    const std::string checks[] = {
        liftProblem(sec.panelCl.value_or(0.0)),
        leadingEdgeMomentProblem(sec.panelCmLeadingEdge.value_or(0.0)),
        liftProblem(thin.ClValue),
        leadingEdgeMomentProblem(thin.CmLeValue),
        momentProblem(thin.CmQuarter),
        zeroLiftAngleProblem(thin.AlphaZeroLift),
        state.analysis.drag.ok ? dragProblem(state.analysis.drag.cd) : std::string(),
        atGeometricAngle(state) ? thinPanelProblem(thin.ClValue, sec.panelCl.value_or(0.0)) : std::string(),
    };
    for (const std::string& problem : checks)
        if (!problem.empty()) return problem;
    return {};
}

void markOutOfRangeCells(AppState& state) {
    const ThinAirfoilResult& thin = state.analysis.thin;
    MainWindowTexts& t = state.texts;
    const bool disagree = atGeometricAngle(state) &&
                          !thinPanelProblem(thin.ClValue, state.section.panelCl.value_or(0.0)).empty();
    if (disagree || !liftProblem(thin.ClValue).empty()) t.cl = kOutOfRangeCell;
    if (disagree || !leadingEdgeMomentProblem(thin.CmLeValue).empty()) t.cmLeadingEdge = kOutOfRangeCell;
    if (disagree || !momentProblem(thin.CmQuarter).empty()) t.cmQuarterChord = kOutOfRangeCell;
    if (disagree || !zeroLiftAngleProblem(thin.AlphaZeroLift).empty()) t.zeroLiftAngle = kOutOfRangeCell;
    if (disagree || t.cl == kOutOfRangeCell) t.centreOfPressure = kOutOfRangeCell;
    if (state.analysis.drag.ok && !dragProblem(state.analysis.drag.cd).empty()) t.cd = kOutOfRangeCell;
}

}  // namespace aerolune
