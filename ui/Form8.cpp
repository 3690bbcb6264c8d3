#include "ui/Form8.h"

#include <QComboBox>

#include "common/NumberText.h"
#include "geometry/SectionDefinition.h"

namespace aerolune::ui {

Form8::Form8(AppState& state, QWidget* reference)
    : SettingsDialog("Form8", "Options", 4875, 1350, state, reference) {
    Frame* frame = addFrame(this, "Number of Points", 240, 60, 3015, 1095);
    points_ = addList(frame, "Combo1", false, 180, 480, 1515, 315);
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

void Form8::okPressed() { takePointCount(points_, state_.shared); }

}  // namespace aerolune::ui
