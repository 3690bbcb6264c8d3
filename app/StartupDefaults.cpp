#include "app/StartupDefaults.h"

#include <cmath>

#include "analysis/ResultsPanel.h"
#include "app/DisplayCommands.h"

namespace aerolune {

namespace {

void setPublicDefaults(MainWindowPublic& p) {
    p.useEffectiveAngle = int16_t{0};
    p.MaxCdSetting = int16_t{32};
    p.dragModel = int16_t{1};
    p.reynolds = int32_t{1000000};
    p.BlPoints = int16_t{32};
    p.transitionModel = int16_t{3};
    p.BlLimit = int16_t{50};
    p.roughness = int16_t{0};
    p.boundaryLayerPlot = int16_t{1};
    p.DisplayBlasius = int16_t{1};
    p.BlVelView = int16_t{10};
    p.NewGrid = int16_t{1};
    p.GridCluster = 1.05;
    p.OuterRadius = int16_t{10};
    p.MeshMin = -0.5;
    p.MeshMax = 1.5;
    p.MeshMinY = int16_t{-1};
    p.MeshMaxY = int16_t{1};
    p.MeshX = int16_t{41};
    p.MeshY = int16_t{21};
    p.ContMinX = -0.5;
    p.ContMaxX = 1.5;
    p.ContMaxY = int16_t{1};
    p.ContMinY = int16_t{-1};
    p.CpHigh = int16_t{1};
    p.CpLow = int16_t{0};
    p.airfoilOverlay = int16_t{2};
    p.PointRadius = int16_t{0};
    p.boundaryLayerRequested = int16_t{1};
}

}  // namespace

void applyLoadDefaults(AppState& state) {
    MainWindowPrivate& priv = state.priv;
    MainWindowPublic& pub = state.pub;
    SharedSettings& shared = state.shared;
    MainWindowTexts& texts = state.texts;

    priv.FirstResizeDone = 0;
    priv.PolarCount = 0;
    priv.BlUpdatePending = 1;
    shared.DialogCancelled = int16_t{1};
    setPublicDefaults(pub);

    texts.ShowPointsCaption = "Show Points";
    texts.blackBackgroundChecked = true;
    priv.ForegroundIndex = 15;

    shared.HalfPoints = 60;
    shared.TotalPoints = int32_t{2 * shared.HalfPoints};
    priv.LowerSurfaceColor = 15;
    priv.UpperSurfaceColor = 14;

    texts.angleText = "0";
    texts.angleReadout = texts.angleText + " Deg.";
    texts.sectionName = "0012";
    setFlapReadouts(texts, 0.0, 0.0);  // "0.0 Deg.", "0.0 %c"

    pub.NewFlag = int16_t{1};
    shared.Naca4Camber = int16_t{0};
    shared.Naca4CamberPos = int16_t{0};
    shared.Naca4Thickness = int16_t{12};
    shared.Naca5LiftDigit = int16_t{2};
    shared.Naca5Thickness = int16_t{8};
    shared.FlapDeflection = int16_t{0};
    shared.FlapLength = int16_t{0};

    pub.view = int16_t{1};
    shared.SectionFamily = int16_t{4};

    // White background with black drawing: a curve colour that would vanish
    // on white (15) becomes black.
    texts.blackBackgroundChecked = false;
    texts.whiteBackgroundChecked = true;
    priv.ForegroundIndex = 0;
    if (priv.LowerSurfaceColor == 15) priv.LowerSurfaceColor = 0;
    if (priv.UpperSurfaceColor == 15) priv.UpperSurfaceColor = 0;

    pub.PointRadius = 0.007;
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
