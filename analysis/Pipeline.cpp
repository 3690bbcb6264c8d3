#include "analysis/Pipeline.h"

#include <cmath>
#include <memory>

#include "analysis/BoundaryLayer.h"
#include "analysis/FieldRoutine.h"
#include "analysis/LinAero.h"
#include "analysis/PipelineSolve.h"
#include "analysis/Polar.h"
#include "analysis/ResultGuard.h"
#include "analysis/ResultsPanel.h"
#include "analysis/SectionGuard.h"
#include "analysis/ThinAirfoil.h"
#include "common/NumberText.h"
#include "common/VectorState.h"
#include "geometry/SectionDefinition.h"

namespace aerolune {

namespace {

constexpr int kBoundaryLayerView = 7;
constexpr int kReportView = 8;
constexpr int kPolarView = 10;

// The panel solution of the current section into the state.
void solveCurrentSection(AppState& state, int32_t halfPoints) {
    SectionState& sec = state.section;
    sizeSectionArrays(sec, halfPoints);
    callAirfoil(sec, halfPoints, sec.angleDeg, kBuildAndSolve, sec.nodeX.data(), sec.controlX.data(),
                sec.nodeY.data(), sec.surfaceCp.data(), sec.surfaceSpeed.data(), sec.cl, sec.cmLeadingEdge);
    const int32_t n = 2 * halfPoints;
    sec.nodeX(n + 1) = sec.nodeX(1);
    sec.nodeY(n + 1) = sec.nodeY(1);
    sec.panelCl = sec.cl;
    sec.panelCmLeadingEdge = sec.cmLeadingEdge;
}

// Thin-airfoil coefficients at the angle the separation model
// chooses, and the results panel.
bool finiteResults(const ThinAirfoilResult& t) {
    return std::isfinite(t.CmQuarter) && std::isfinite(t.ClValue) && std::isfinite(t.CmLeValue) &&
           std::isfinite(t.AlphaZeroLift) && (!t.hasCentreOfPressure || std::isfinite(t.centreOfPressure));
}

void thinAirfoilStep(AppState& state, ViewSeam& seam, int32_t panelCount, float effectiveAngle) {
    SectionState& sec = state.section;
    LinAero& aero = *state.analysis.thinAirfoilModel;
    const bool useEffective = state.settings.useEffectiveAngle;
    aero.angleDeg = useEffective ? effectiveAngle : sec.angleDeg;
    aero.pointCount = panelCount;
    aero.quadratureOrder = 200;
    aero.AeroCoeff(sec.nodeY, sec.nodeX);

    const ThinAirfoilResult thin = thinAirfoilCoefficients(aero, sec.angleDeg);
    if (!finiteResults(thin)) {
        seam.showMessage(kResultsNotFiniteMessage);
        return;
    }
    sec.cmQuarterChord = thin.CmQuarter;
    sec.cl = thin.ClValue;
    sec.cmLeadingEdge = thin.CmLeValue;
    sec.zeroLiftAngleDeg = thin.AlphaZeroLift;
    state.analysis.thin = thin;
    fillResultsPanel(state.texts, thin);
}

void solveAndFillPanel(AppState& state, ViewSeam& seam, int32_t halfPoints) {
    const int32_t panelCount = 2 * halfPoints;
    solveCurrentSection(state, halfPoints);

    // A failed estimate leaves the flag clear and the geometric angle in use.
    float effectiveAngle = state.section.angleDeg;
    int16_t stalled = 0;
    Drag(state, seam, panelCount, effectiveAngle, stalled);
    state.texts.stalledShown = stalled == 1;

    thinAirfoilStep(state, seam, panelCount, effectiveAngle);

    // The last line: a figure no section can have is not shown as a number.
    if (const std::string problem = analysisResultProblem(state); !problem.empty()) {
        markOutOfRangeCells(state);
        seam.showMessage("This section is beyond what the analysis can give: " + problem + ".");
    }
}

}  // namespace

bool Drag(AppState& state, ViewSeam& seam, int32_t panelCount, float& effectiveAngleDeg, int16_t& stalled) {
    SectionState& sec = state.section;
    const int32_t available = static_cast<int32_t>(std::min(sec.surfaceSpeed.size(), sec.nodeY.size()));
    const int32_t n = std::min(panelCount, available);
    const int32_t stag = dragStagnationPoint(sec.surfaceSpeed.data(), n);
    if (stag > 0) state.analysis.stagnationIndex = stag;

    const int32_t panel = stagnationPanel(sec.surfaceSpeed.data(), n);
    DragResult result =
        dragEstimate(sec.nodeX.data(), sec.nodeY.data(), sec.surfaceSpeed.data(), n, panel, sec.angleDeg,
                     state.flow.reynolds, static_cast<int>(state.settings.dragModel));
    if (!result.ok) {
        seam.showMessage(kBoundaryLayerErrorMessage);
        return false;
    }
    state.texts.cd = dragText(result.cd);
    effectiveAngleDeg = static_cast<float>(result.effectiveAngleDeg);
    stalled = static_cast<int16_t>(result.stalled);
    state.analysis.effectiveAngleDeg = effectiveAngleDeg;
    state.analysis.stalled = stalled;
    state.analysis.drag = std::move(result);
    return true;
}

void recompute(AppState& state, ViewSeam& seam) {
    clearUpperVectorState();  // the last redraw may have left the vector unit slow
    state.analysis.thinAirfoilModel = std::make_shared<LinAero>();
    SectionState& sec = state.section;

    // The section and angle from the window's texts; a section the builder
    // cannot make stops here.
    sec.designationNumber = sectionNumberFromText(state.texts.sectionName);
    sec.angleDeg = static_cast<float>(readLeadingNumber(state.texts.angleText));
    if (!guardSection(state, seam)) return;
    const int32_t halfPoints = state.shared.HalfPoints;

    // The polar view sweeps before anything else is drawn.
    if (state.display.view == kPolarView) {
        seam.setStatus(" Current Airfoil: " + state.texts.sectionName);
        seam.hideSurfaceLegend();
        Polar(state, seam, 2 * halfPoints);
        seam.drawPolar(state);
    }

    // A new solution unless a cancelled dialog left the old one standing.
    if (state.shared.DialogCancelled.toDouble() == 0.0 || state.analysis.boundaryLayerPending)
        solveAndFillPanel(state, seam, halfPoints);

    updateExtremes(state);

    // A boundary layer someone asked for.
    bool layerComputed = false;
    if (state.analysis.boundaryLayerPending) {
        BoundaryLayer(state, seam);
        layerComputed = true;
        state.analysis.boundaryLayerPending = false;
    }

    // The boundary-layer and report views bring the layer up to date first,
    // unless it was just computed: the same solution twice would
    // only show its separation warnings twice.
    const int view = state.display.view;
    if ((view == kBoundaryLayerView || view == kReportView) && !layerComputed) BoundaryLayer(state, seam);
    state.analysis.field = computeFieldView(state, view);  // view 0, and nothing kept, for the other views
    seam.drawView(state);
}

}  // namespace aerolune
