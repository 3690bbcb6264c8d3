#include "ui/Naca5Dialog.h"

#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

#include "geometry/SectionDefinition.h"
#include "ui/Naca4Dialog.h"

namespace aerolune::ui {

namespace {

enum Row { Lift, Position, Thickness };

const NacaDigitsDialog::Layout kLayout{
    5850, 1950, 4215, 1575, 3120, 3720, {240, 660, 1080}, 4560, {240, 720, 1260}};

int wrap(int v, int low, int high) { return v > high ? low : (v < low ? high : v); }

}  // namespace

Naca5Dialog::Naca5Dialog(AppState& state, QWidget* reference)
    : NacaDigitsDialog("Naca5Dialog", "NACA 5 Digit Section", kLayout,
                       {"20/3 of Design Lift Coefficient", "Location of Maximum Camber % Chord *2",
                        "Section Thickness in % Chord"},
                       {"designLift", "camberPosition", "thickness"}, kHelpContext, state, reference) {
    field(Lift)->setEnabled(false);
    field(Lift)->setReadOnly(true);
    findChild<SpinButton*>("designLiftSpin")->setEnabled(false);
    checkDigits(Position, 2, {10.0, 50.0, "the location of maximum camber", "(% chord times 2)"});
    checkDigits(Thickness, 2, {1.0, 30.0, "the section thickness", "% chord"});
    const SharedSettings& s = state.shared;
    open({s.Naca5LiftDigit.toInt(), s.Naca5CamberPos.toInt(), s.Naca5Thickness.toInt()});
}

int Naca5Dialog::readField(int row, const QString& text) {
    switch (row) {
        case Lift: {
            const int lift = std::max(0, digitFieldNumber(text, 1));
            if (lift > 0 && value(Position) == 0) setValue(Position, 10);
            return lift;
        }
        case Position:
            return std::clamp(digitFieldNumber(text, 2), 10, 50);
        default:
            return std::clamp(digitFieldNumber(text, 2), 1, 30);
    }
}

void Naca5Dialog::spin(int row, bool up) {
    switch (row) {
        case Lift:
            setValue(Lift, std::clamp(value(Lift) + (up ? 1 : -1), 0, 9));
            break;
        case Position:
            setValue(Position, wrap(value(Position) + (up ? 10 : -10), 10, 50));
            break;
        default:
            setValue(Thickness, wrap(value(Thickness) + (up ? 1 : -1), 1, 30));
    }
}

std::string Naca5Dialog::designation() const {
    return naca5Designation(int16_t(value(Lift)), int16_t(value(Position)), int16_t(value(Thickness)));
}

void Naca5Dialog::okPressed() {
    SharedSettings& s = state_.shared;
    s.Naca5LiftDigit = int16_t(value(Lift));
    s.Naca5CamberPos = int16_t(value(Position));
    s.Naca5Thickness = int16_t(value(Thickness));
    s.SectionFamily = int16_t{5};
    state_.texts.sectionName = designation();
}

}  // namespace aerolune::ui
