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

bool isZero(const Variant& v) { return v.toDouble() == 0.0; }
bool isOne(const Variant& v) { return v.toDouble() == 1.0; }

// The panel solution of the current section into the state.
void solveCurrentSection(AppState& state, int32_t halfPoints) {
    SectionState& sec = state.section;
    sizeSectionArrays(sec, halfPoints);
    int32_t mode = sec.SolveMode;
    callAirfoil(sec, halfPoints, sec.AlphaDeg, mode, sec.NodeX.data(), sec.CtrlX.data(), sec.NodeY.data(),
                sec.SurfCp.data(), sec.SurfVel.data(), sec.ClValue, sec.CmLeValue);
    const int32_t n = 2 * halfPoints;
    sec.NodeX(n + 1) = sec.NodeX(1);
    sec.NodeY(n + 1) = sec.NodeY(1);
    sec.PanelCl = Variant(sec.ClValue);
    sec.PanelCm = Variant(sec.CmLeValue);
}

// Thin-airfoil coefficients at the angle the separation model
// chooses, and the results panel.
bool finiteResults(const ThinAirfoilResult& t) {
    return std::isfinite(t.CmQuarter) && std::isfinite(t.ClValue) && std::isfinite(t.CmLeValue) &&
           std::isfinite(t.AlphaZeroLift) && (!t.hasCentreOfPressure || std::isfinite(t.centreOfPressure));
}

void thinAirfoilStep(AppState& state, ViewSeam& seam, int32_t panelCount, float effectiveAngle) {
    SectionState& sec = state.section;
    LinAero& aero = *state.priv.AeroObject;
    const bool useEffective = isOne(state.pub.useEffectiveAngle);
    aero.AngleOfAttack = Variant(useEffective ? effectiveAngle : sec.AlphaDeg);
    aero.NumberOfPoints = Variant(panelCount);
    aero.SimulationOrder = Variant(int16_t{200});
    aero.AeroCoeff(sec.NodeY, sec.NodeX);

    const ThinAirfoilResult thin = thinAirfoilCoefficients(aero, sec.AlphaDeg);
    if (!finiteResults(thin)) {
        seam.showMessage(kResultsNotFiniteMessage);
        return;
    }
    sec.CmQuarter = Variant(thin.CmQuarter);
    sec.ClValue = thin.ClValue;
    sec.CmLeValue = thin.CmLeValue;
    sec.AlphaZeroLift = Variant(thin.AlphaZeroLift);
    state.analysis.thin = thin;
    fillResultsPanel(state.texts, thin);
}

void solveAndFillPanel(AppState& state, ViewSeam& seam, int32_t halfPoints) {
    const int32_t panelCount = 2 * halfPoints;
    solveCurrentSection(state, halfPoints);

    // A failed estimate leaves the flag clear and the geometric angle in use.
    float effectiveAngle = state.section.AlphaDeg;
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
    const int32_t available = static_cast<int32_t>(std::min(sec.SurfVel.size(), sec.NodeY.size()));
    const int32_t n = std::min(panelCount, available);
    const int32_t stag = dragStagnationPoint(sec.SurfVel.data(), n);
    if (stag > 0) state.pub.stagnationIndex = Variant(stag);

    const int32_t panel = stagnationPanel(sec.SurfVel.data(), n);
    DragResult result =
        dragEstimate(sec.NodeX.data(), sec.NodeY.data(), sec.SurfVel.data(), n, panel, sec.AlphaDeg,
                     state.pub.reynolds.toDouble(), state.pub.dragModel.toInt());
    if (!result.ok) {
        seam.showMessage(kBoundaryLayerErrorMessage);
        return false;
    }
    state.pub.TransitionPoint = Variant(result.upper.TransitionPoint);
    state.pub.DragCoeff = Variant(result.cd);
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
    state.priv.AeroObject = std::make_shared<LinAero>();
    SectionState& sec = state.section;

    // The section and angle from the window's texts; a section the builder
    // cannot make stops here.
    sec.SectionNumber = sectionNumberFromText(state.texts.sectionName);
    sec.AlphaDeg = static_cast<float>(readLeadingNumber(state.texts.angleText));
    if (!guardSection(state, seam)) return;
    const int32_t halfPoints = state.shared.HalfPoints;

    // The polar view sweeps before anything else is drawn.
    if (state.pub.view.toInt() == kPolarView) {
        seam.setStatus(" Current Airfoil: " + state.texts.sectionName);
        seam.hideSurfaceLegend();
        Polar(state, seam, 2 * halfPoints);
        seam.drawPolar(state);
    }

    // A new solution unless a cancelled dialog left the old one standing.
    if (isZero(state.shared.DialogCancelled) || state.priv.BlUpdatePending == 1)
        solveAndFillPanel(state, seam, halfPoints);

    updateExtremes(state);

    // A boundary layer someone asked for.
    bool layerComputed = false;
    if (state.priv.BlUpdatePending == 1) {
        BoundaryLayer(state, seam);
        layerComputed = true;
        state.priv.BlUpdatePending = 0;
    }

    // The boundary-layer and report views bring the layer up to date first,
    // unless it was just computed: the same solution twice would
    // only show its separation warnings twice.
    const int view = state.pub.view.toInt();
    if ((view == kBoundaryLayerView || view == kReportView) && !layerComputed) BoundaryLayer(state, seam);
    state.analysis.field = computeFieldView(state, view);  // view 0, and nothing kept, for the other views
    seam.drawView(state);
}

}  // namespace aerolune
