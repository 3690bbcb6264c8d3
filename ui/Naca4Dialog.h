#pragma once
// "NACA 4 Digit Section": camber, its position and the thickness of a NACA
// 4-digit section, stepped with spin buttons or typed. OK stores the digits,
// writes the designation into the airfoil field and makes the section family
// 4; Cancel leaves everything as it was.

#include "analysis/AppState.h"
#include "ui/NacaDigitsDialog.h"

namespace aerolune::ui {

class Naca4Dialog : public NacaDigitsDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 20;

    Naca4Dialog(AppState& state, QWidget* reference);

protected:
    int readField(int row, const QString& text) override;
    void spin(int row, bool up) override;
    std::string designation() const override;
    void okPressed() override;
};

/// The leading number of the first n characters of a digit field's text.
int digitFieldNumber(const QString& text, int n);

}  // namespace aerolune::ui
