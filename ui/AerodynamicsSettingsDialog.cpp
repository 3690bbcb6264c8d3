#include "ui/AerodynamicsSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include "analysis/PolarLayerModel.h"
#include "common/NumberText.h"
#include "ui/PointCountDialog.h"

namespace aerolune::ui {

namespace {

// Tops inside a tab page are given from the tab control's top edge; the page
// starts below the tab row.
constexpr int kTabRow = 360;

QRadioButton* addOption(QWidget* parent, const char* name, const QString& text, int left, int top,
                        int width) {
    auto* option = placed(new QRadioButton(text, parent), left, top, width, 255);
    option->setObjectName(name);
    return option;
}

// Tabs with less space around their captions, so that the three fit in one
// row of the dialog's width.
class CompactTabs : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// The wall roughness height in chords: 0 is a smooth wall; 5 % of the chord
// is already far rougher than any wing surface.
constexpr QuantityRule kRoughnessRule{0.0, 0.05, "the wall roughness", "chords"};

}  // namespace

AerodynamicsSettingsDialog::AerodynamicsSettingsDialog(AppState& state, QWidget* reference)
    : SettingsDialog("AerodynamicsSettingsDialog", "Boundary Layer Options", 5970, 5190, state, reference) {
    tabs_ = placed(new QTabWidget(this), 180, 120, 5655, 4215);
    tabs_->setObjectName("tabs");
    tabs_->setUsesScrollButtons(false);
    auto* compact = new CompactTabs;
    compact->setParent(tabs_);
    tabs_->tabBar()->setStyle(compact);
    tabs_->addTab(buildAerodynamicsTab(), "Aerodynamics Settings");
    tabs_->addTab(buildNumericalTab(), "CFD Numerical Setting");
    tabs_->addTab(buildPhysicalTab(), "CFD Physical Settings");
    addButtons(2940, 1275, 435, {4440, 4440});
    // OK and Cancel share a row: move Cancel to its own place.
    placeTwips(findChild<QWidget*>("cancel"), 4380, 4440, 1275, 435);
    checkField(reynolds_, kReynoldsRule);
    checkField(roughness_, kRoughnessRule);
    load();
}

QWidget* AerodynamicsSettingsDialog::buildAerodynamicsTab() {
    auto* page = new QWidget;
    Frame* re = addFrame(page, "Reynolds Number", 300, 480 - kTabRow, 4935, 855);
    reynolds_ = addTextField(re, "reynoldsField", 180, 360, 1815, 285);
    Frame* model = addFrame(page, "Aerodynamic Model", 240, 1500 - kTabRow, 4995, 1455);
    simple_ = addOption(model, "linearModelOption", "Simple Model (Linear Aerodynamics)", 180, 420, 4600);
    complex_ = addOption(model, "semiEmpiricalOption", "Complex Model (Semi-emperical)", 180, 720, 4600);
    layer_ = addOption(model, "layerModelOption", "Coupled Model (Boundary Layer and Wake)", 180, 1020, 4600);
    Frame* limit = addFrame(page, "Lift/Drag Polar Plot Limit", 240, 3180 - kTabRow, 5055, 735);
    addLabel(limit, "Maximum Cd Setting", 120, 270, 1560, 255);
    maxCd_ = addList(limit, "maxCdList", false, 1740, 240, 1035, 315);
    return page;
}

QWidget* AerodynamicsSettingsDialog::buildNumericalTab() {
    auto* page = new QWidget;
    addLabel(page, "These settings are for the CFD boundary layer solver.", 180, 540 - kTabRow, 4875, 375);
    Frame* counts = addFrame(page, "", 180, 900 - kTabRow, 5175, 1875);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    addLabel(counts, "No. of Points about Airfoil", 60, 300, 2340, 315, right);
    points_ = addList(counts, "aroundPointsList", false, 2460, 300, 1455, 315);
    addLabel(counts, "No. of Points in BLayer", 60, 720, 2340, 315, right);
    blPoints_ = addList(counts, "boundaryLayerPointsList", false, 2460, 720, 1455, 315);
    addLabel(counts, "Grid Height (Blasius Parameter)", 60, 1140, 2340, 315, right);
    blLimit_ = addList(counts, "gridHeightList", false, 2460, 1140, 1455, 315);
    Frame* display = addFrame(page, "Velocity Profile Display Options", 240, 3000 - kTabRow, 4995, 735);
    addLabel(display, "Number of Profiles to Display", 120, 270, 2160, 255);
    profiles_ = addList(display, "profileCountList", false, 2340, 240, 1335, 315);
    return page;
}

QWidget* AerodynamicsSettingsDialog::buildPhysicalTab() {
    auto* page = new QWidget;
    Frame* model = addFrame(page, "Transition Model", 240, 600 - kTabRow, 4935, 2055);
    transition_ = {
        addOption(model, "laminarOption", "Always Laminar", 120, 240, 4600),
        addOption(model, "separationTransitionOption", "Transition on Laminar Seperation", 120, 540, 4600),
        addOption(model, "naturalTransitionOption", "Natural/Artificial Transition", 120, 840, 4600)};
    addLabel(model, "Wall roughness parameter; Set to 0 for natural transition.", 180, 1080, 1620, 615);
    roughness_ = addTextField(model, "roughnessField", 1860, 1320, 1335, 285);
    blasius_ = placed(new QCheckBox("Display Blasius Profile with Boundary Layer Thickness", page), 240,
                      2880 - kTabRow, 5100, 255);
    blasius_->setObjectName("blasiusCheck");
    // The boundary-layer view's choice only passes through the dialog.
    auto* hidden = new QWidget(page);
    hidden->hide();
    display_ = {
        addOption(hidden, "upperProfilesOption", "Upper Surface Velocity Profiles", 0, 0, 3000),
        addOption(hidden, "lowerProfilesOption", "Lower Surface Velocity Profiles", 0, 300, 3000),
        addOption(hidden, "upperThicknessOption", "Upper Surface Boundary Layer Thickness", 0, 600, 3000),
        addOption(hidden, "lowerThicknessOption", "Lower Surface Boundary Layer Thickness", 0, 900, 3000)};
    return page;
}

void AerodynamicsSettingsDialog::load() {
    const AppState& s = state_;
    reynolds_->setText(numberText(s.flow.reynolds));
    profiles_->addItems(numberTexts(2, 40, 2));
    showInList(profiles_, numberText(s.display.profileCount));
    blPoints_->addItems(numberTexts(16, 64, 8));
    showInList(blPoints_, numberText(s.settings.boundaryLayerPoints));
    blasius_->setChecked(s.display.showBlasiusProfile);
    blLimit_->addItems(numberTexts(10, 100, 10));
    showInList(blLimit_, numberText(s.settings.boundaryLayerHeight));
    points_->addItems(numberTexts(40, 340, 20));
    showInList(points_, QString::fromStdString(s.shared.TotalPoints.toText()));
    roughness_->setText(numberText(s.flow.roughness));
    const int model = static_cast<int>(s.flow.transitionModel);
    for (int i = 0; i < 3; ++i) transition_[i]->setChecked(model == i + 1);
    const int plot = static_cast<int>(s.display.boundaryLayerPlot);
    for (int i = 0; i < 4; ++i) display_[i]->setChecked(plot == i + 1);
    if (s.settings.dragModel == DragModel::CoupledLayer)
        layer_->setChecked(true);
    else
        (s.settings.useEffectiveAngle ? complex_ : simple_)->setChecked(true);
    maxCd_->addItems(numberTexts(16, 96, 8));
    showInList(maxCd_, numberText(s.display.polarCdLimit));
}

void AerodynamicsSettingsDialog::okPressed() {
    AppState& s = state_;
    takeListNumber(profiles_, s.display.profileCount);
    s.display.showBlasiusProfile = blasius_->isChecked();
    s.flow.reynolds = numberValue(reynolds_->text());
    takeListNumber(blPoints_, s.settings.boundaryLayerPoints);
    takeListNumber(blLimit_, s.settings.boundaryLayerHeight);
    takePointCount(points_, s.shared);
    s.flow.roughness = numberValue(roughness_->text());
    for (int i = 0; i < 3; ++i)
        if (transition_[i]->isChecked()) {
            s.flow.transitionModel = TransitionModel(i + 1);
            break;
        }
    for (int i = 0; i < 4; ++i)
        if (display_[i]->isChecked()) s.display.boundaryLayerPlot = BoundaryLayerPlot(i + 1);
    // The coupled model computes its own lift at the set angle: no effective angle.
    const bool semi = complex_->isChecked();
    s.settings.dragModel = layer_->isChecked() ? DragModel::CoupledLayer
                           : semi              ? DragModel::SemiEmpirical
                                               : DragModel::Linear;
    s.settings.useEffectiveAngle = semi;
    s.settings.boundaryLayerRequested = true;
    takeListNumber(maxCd_, s.display.polarCdLimit);
}

void AerodynamicsSettingsDialog::cancelPressed() { state_.settings.boundaryLayerRequested = false; }

}  // namespace aerolune::ui
