#pragma once
// "Adjust Flap": flap length (0..50 % chord) and deflection (-30..30 degrees),
// each a slider coupled to a text field that holds its value inside the
// slider's range. OK stores both and updates the flap read-outs; Cancel keeps
// the values the dialog opened with.

#include "analysis/AppState.h"
#include "ui/DialogKit.h"

class QLineEdit;
class QSlider;

namespace aerolune::ui {

class FlapDialog : public SettingsDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 50;

    FlapDialog(AppState& state, QWidget* reference);

protected:
    void okPressed() override;

private:
    struct Coupled {
        QSlider* slider;
        QLineEdit* text;
        int lo, hi;
    };
    Coupled addCoupled(const QString& caption, int top, const char* sliderName, const char* textName, int lo,
                       int hi, const QStringList& marks);
    void textChanged(const Coupled& c);

    Coupled length_;
    Coupled deflection_;
};

}  // namespace aerolune::ui
