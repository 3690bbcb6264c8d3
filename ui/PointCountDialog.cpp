#include "ui/PointCountDialog.h"

#include <QComboBox>

#include "common/NumberText.h"
#include "geometry/SectionDefinition.h"

namespace aerolune::ui {

PointCountDialog::PointCountDialog(AppState& state, QWidget* reference)
    : SettingsDialog("PointCountDialog", "Options", 4875, 1350, state, reference) {
    Frame* frame = addFrame(this, "Number of Points", 240, 60, 3015, 1095);
    points_ = addList(frame, "pointCountList", false, 180, 480, 1515, 315);
    points_->addItems(numberTexts(40, 340, 20));
    showInList(points_, QString::fromStdString(state.shared.TotalPoints.toText()));
    addButtons(3480, 1200, 375, {180, 660});
}

void takePointCount(const QComboBox* list, SharedSettings& shared) {
    if (list->currentIndex() < 0) return;
    const int32_t half = halfPointsFromTotal(readLeadingNumber(list->currentText().toStdString()));
    shared.HalfPoints = half;
    shared.TotalPoints = int16_t(2 * half);
}

void PointCountDialog::okPressed() { takePointCount(points_, state_.shared); }

}  // namespace aerolune::ui
