#include "ui/MeshSettingsDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "numerics/airfoil/MeshLimits.h"

namespace aerolune::ui {

namespace {

// The sizes the mesh routines work with (a mesh of fewer than three rings
// has no cells; beyond a thousand rings or chords nothing more is seen).
constexpr QuantityRule kRadialRule{double(kMinMeshDimension), double(kMaxMeshDimension),
                                   "the number of points in the radial direction", ""};
constexpr QuantityRule kRadiusRule{2.0, kMaxRadiusInSections, "the outer circle radius", "chords"};

}  // namespace

MeshSettingsDialog::MeshSettingsDialog(AppState& state, QWidget* reference)
    : SettingsDialog("MeshSettingsDialog", "Grid Control", 4590, 3285, state, reference) {
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    addLabel(this, "Number of  Points Around Airfoil", 240, 240, 1455, 435, right);
    around_ = addList(this, "aroundPointsList", false, 1800, 300, 1275, 315);
    addLabel(this, "Number of Points in Radial  Direction", 120, 780, 1575, 435, right);
    radial_ = addList(this, "radialPointsList", true, 1800, 840, 1275, 315);
    addLabel(this, "Outer Circle Radius", 180, 1380, 1515, 315, right);
    radius_ = addList(this, "outerRadiusList", true, 1800, 1380, 1275, 315);
    Frame* frame = addFrame(this, "Grid Clustering Near Airfoil", 180, 1860, 2895, 1215);
    cluster_ = addSlider(frame, "clusteringSlider", 1, 100, 10, 5, 60, 360, 2355, 495);
    addLabel(frame, "More Points", 60, 870, 1100, 255);
    addLabel(frame, "Less Points", 1315, 870, 1100, 255, right);
    addButtons(3240, 1275, 375, {300, 780});
    checkField(radial_->lineEdit(), kRadialRule);
    checkField(radius_->lineEdit(), kRadiusRule);

    around_->addItems(numberTexts(21, 191, 10));
    radial_->addItems(numberTexts(21, 91, 10));
    radius_->addItems(numberTexts(4, 20, 2));
    const MeshSettings& mesh = state.mesh;
    cluster_->setValue(sliderPosition(mesh.clustering));
    showInList(around_, numberText(mesh.pointsAround));
    showInList(radial_, numberText(mesh.rings));
    showInList(radius_, numberText(mesh.outerRadius));
}

int MeshSettingsDialog::sliderPosition(double gridCluster) {
    const double v = 1000.0 * std::log(gridCluster) + 0.5;
    return std::isfinite(v) ? static_cast<int>(std::clamp(std::floor(v), 1.0, 100.0)) : 1;
}

void MeshSettingsDialog::okPressed() {
    MeshSettings& mesh = state_.mesh;
    takeListNumber(around_, mesh.pointsAround);
    takeListNumber(radial_, mesh.rings);
    takeListNumber(radius_, mesh.outerRadius);
    mesh.clustering = std::exp(cluster_->value() / 1000.0);
    mesh.rebuild = true;
}

}  // namespace aerolune::ui
