#include "app/StartupDefaults.h"

#include <cmath>

#include "analysis/ResultsPanel.h"
#include "app/DisplayCommands.h"

namespace aerolune {

namespace {

// The settings a run starts with.
void setSettingDefaults(AppState& state) {
    state.flow = FlowCondition{};
    state.settings = AnalysisSettings{};
    state.mesh = MeshSettings{};
    ViewSettings& display = state.display;
    display.polarCdLimit = 32;
    display.boundaryLayerPlot = BoundaryLayerPlot::UpperProfiles;
    display.showBlasiusProfile = true;
    display.profileCount = 10;
    display.meshWindow = FieldWindow{};
    display.fieldWindow = FieldWindow{};
    display.airfoilOverlay = AirfoilOverlay::Coordinates;
    display.pointRadius = 0.0;
    state.analysis.cpHigh = 1.0f;
    state.analysis.cpLow = 0.0f;
}

}  // namespace

void applyLoadDefaults(AppState& state) {
    ViewSettings& display = state.display;
    SharedSettings& shared = state.shared;
    MainWindowTexts& texts = state.texts;

    state.layout.firstResizeDone = false;
    state.analysis.polarCount = 0;
    state.analysis.boundaryLayerPending = true;
    shared.DialogCancelled = int16_t{1};
    setSettingDefaults(state);

    texts.ShowPointsCaption = "Show Points";
    texts.blackBackgroundChecked = true;
    display.foregroundColour = 15;

    shared.HalfPoints = 60;
    shared.TotalPoints = int32_t{2 * shared.HalfPoints};
    display.lowerSurfaceColour = 15;
    display.upperSurfaceColour = 14;

    texts.angleText = "0";
    texts.angleReadout = texts.angleText + " Deg.";
    texts.sectionName = "0012";
    setFlapReadouts(texts, 0.0, 0.0);  // "0.0 Deg.", "0.0 %c"

    shared.Naca4Camber = int16_t{0};
    shared.Naca4CamberPos = int16_t{0};
    shared.Naca4Thickness = int16_t{12};
    shared.Naca5LiftDigit = int16_t{2};
    shared.Naca5Thickness = int16_t{8};
    shared.FlapDeflection = int16_t{0};
    shared.FlapLength = int16_t{0};

    display.view = 1;
    shared.SectionFamily = int16_t{4};

    // White background with black drawing: a curve colour that would vanish
    // on white (15) becomes black.
    texts.blackBackgroundChecked = false;
    texts.whiteBackgroundChecked = true;
    display.foregroundColour = 0;
    if (display.lowerSurfaceColour == 15) display.lowerSurfaceColour = 0;
    if (display.upperSurfaceColour == 15) display.upperSurfaceColour = 0;

    display.pointRadius = 0.007;
    toggleShowPoints(state);
    shared.DialogCancelled = int16_t{0};
}

double plotAspectFor(int clientWidthTwips, int clientHeightTwips, int statusBarTwips, int pictureBarTwips,
                     double previous) {
    const double width = clientWidthTwips - 200.0;
    const double height = clientHeightTwips - statusBarTwips - pictureBarTwips - 40.0;
    if (width <= 0.0 || height <= 0.0) return previous;
    return height / width;
}

}  // namespace aerolune
