#pragma once
// "Options": the number of points about the section, 40 to 340.

#include "analysis/AppState.h"
#include "ui/DialogKit.h"

class QComboBox;

namespace aerolune::ui {

class PointCountDialog : public SettingsDialog {
    Q_OBJECT
public:
    PointCountDialog(AppState& state, QWidget* reference);

protected:
    void okPressed() override;

private:
    QComboBox* points_;
};

/// HalfPoints and TotalPoints from a list of point counts: half the chosen
/// count to the nearest integer, and twice that; nothing when none is chosen.
void takePointCount(const QComboBox* list, SharedSettings& shared);

}  // namespace aerolune::ui
