#pragma once
// "NACA 5 Digit Section": the design-lift digit (shown, not editable), twice
// the position of maximum camber and the thickness of a NACA 5-digit section.
// OK stores them, writes the designation into the airfoil field and makes the
// section family 5; Cancel leaves everything as it was.

#include "analysis/AppState.h"
#include "ui/NacaDigitsDialog.h"

namespace aerolune::ui {

class Naca5Dialog : public NacaDigitsDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 30;

    Naca5Dialog(AppState& state, QWidget* reference);

protected:
    int readField(int row, const QString& text) override;
    void spin(int row, bool up) override;
    std::string designation() const override;
    void okPressed() override;
};

}  // namespace aerolune::ui
