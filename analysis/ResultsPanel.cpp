#include "analysis/ResultsPanel.h"

#include <algorithm>
#include <cmath>

#include "common/FormatPicture.h"

namespace aerolune {

void fillResultsPanel(MainWindowTexts& texts, const ThinAirfoilResult& thin) {
    texts.cl = formatPicture(thin.ClValue, "##0.000");
    texts.cmLeadingEdge = formatPicture(thin.CmLeValue, "##0.000");
    texts.zeroLiftAngle = formatPicture(thin.AlphaZeroLift, "##0.00") + " Deg.";
    texts.cmQuarterChord = formatPicture(thin.CmQuarter, "##0.000");
    texts.centreOfPressure =
        thin.hasCentreOfPressure ? formatPicture(thin.centreOfPressure, "##0") + " %c" : "N/A";
}

void setFlapReadouts(MainWindowTexts& texts, double deflectionDeg, double lengthPct) {
    texts.flapDeflection = formatPicture(deflectionDeg, "##0.0#") + " Deg.";
    texts.flapLength = formatPicture(lengthPct, "##0.0#") + " %c";
}

std::string dragText(double cd) { return formatPicture(cd, "##0.000000"); }

SurfaceExtremes surfaceExtremes(const Array1<float>& NodeY, const Array1<float>& SurfCp,
                                const Array1<float>& SurfVel, int32_t count) {
    SurfaceExtremes e;
    for (int32_t i = 1; i <= count; ++i) {
        const double y = NodeY(i), cp = SurfCp(i), v = SurfVel(i);
        if (y >= e.yMax) e.yMax = y;
        if (y <= e.yMin) e.yMin = y;
        if (cp >= e.cpMax) e.cpMax = cp;
        if (cp <= e.cpMin) e.cpMin = cp;
        if (v >= e.vMax) e.vMax = v;
        if (std::fabs(v) <= e.vAbsMin) {
            e.vAbsMin = std::fabs(v);
            e.vAbsMinIndex = i;
        }
    }
    return e;
}

void updateExtremes(AppState& state) {
    SectionState& sec = state.section;
    const int32_t total = static_cast<int32_t>(state.shared.TotalPoints.toInt());
    const std::ptrdiff_t held =
        std::min({sec.nodeX.size(), sec.nodeY.size(), sec.surfaceCp.size(), sec.surfaceSpeed.size()});
    const int32_t count = static_cast<int32_t>(std::clamp<std::ptrdiff_t>(total, 0, held));

    const SurfaceExtremes e = surfaceExtremes(sec.nodeY, sec.surfaceCp, sec.surfaceSpeed, count);
    if (state.shared.DialogCancelled.toDouble() == 0.0 && e.vAbsMinIndex > 0)
        state.analysis.stagnationIndex = e.vAbsMinIndex;

    if (state.analysis.stagnationIndex == total / 2 + 1) state.analysis.stagnationIndex = int32_t{total / 2};
    if (count > 0) {
        state.analysis.cpHigh = static_cast<float>(e.cpMax);
        state.analysis.cpLow = static_cast<float>(e.cpMin);
    }
}

}  // namespace aerolune
