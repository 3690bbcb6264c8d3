#pragma once
// "Angle of Attack": a slider from -20 to 20 degrees coupled to a text field.
// The slider follows the field within its range; OK hands the field's text,
// exactly as typed, to the main window's angle.

#include "analysis/AppState.h"
#include "ui/DialogKit.h"

class QLineEdit;
class QSlider;

namespace aerolune::ui {

class AngleDialog : public SettingsDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 90;

    AngleDialog(AppState& state, QWidget* reference);

protected:
    void okPressed() override;

private:
    void textChanged();

    QSlider* slider_;
    QLineEdit* text_;
    double angle_ = 0.0;  ///< the field's number held to the slider's range, degrees
};

}  // namespace aerolune::ui
