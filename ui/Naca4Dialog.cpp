#include "ui/Naca4Dialog.h"

#include <algorithm>
#include <cmath>

#include "common/NumberText.h"
#include "geometry/SectionDefinition.h"

namespace aerolune::ui {

namespace {

enum Row { Camber, Position, Thickness };

const NacaDigitsDialog::Layout kLayout{
    6255, 1980, 4575, 1635, 3480, 4080, {300, 720, 1140}, 4920, {240, 720, 1200}};

int wrap(int v, int low, int high) { return v > high ? low : (v < low ? high : v); }

}  // namespace

int digitFieldNumber(const QString& text, int n) {
    const double v = readLeadingNumber(text.left(n).toStdString());
    // One or two characters hold at most two digits; a lone fraction (".5") reads as 0.
    return std::isfinite(v) ? static_cast<int>(std::clamp(v, -99.0, 99.0)) : 0;
}

Naca4Dialog::Naca4Dialog(AppState& state, QWidget* reference)
    : NacaDigitsDialog("Naca4Dialog", "NACA 4 Digit Section", kLayout,
                       {"Max. Value of Mean Line in % Chord", "Location of Maximum Camber in 1/10 Chord",
                        "Section Thickness in % Chord"},
                       {"camber", "camberPosition", "thickness"}, kHelpContext, state, reference) {
    checkDigits(Camber, 1, {0.0, 9.0, "the maximum camber", "% chord"});
    checkDigits(Position, 1, {0.0, 9.0, "the location of maximum camber", "tenths of the chord"});
    checkDigits(Thickness, 2, {1.0, 30.0, "the section thickness", "% chord"});
    const SharedSettings& s = state.shared;
    open({s.Naca4Camber.toInt(), s.Naca4CamberPos.toInt(), s.Naca4Thickness.toInt()});
}

int Naca4Dialog::readField(int row, const QString& text) {
    if (row == Thickness) return std::clamp(digitFieldNumber(text, 2), 1, 30);
    const int v = std::max(0, digitFieldNumber(text, 1));
    const int camber = row == Camber ? v : value(Camber);
    const int position = row == Position ? v : value(Position);
    if (camber > 0 && position == 0) {
        if (row == Position) return 1;
        setValue(Position, 1);
    }
    return v;
}

void Naca4Dialog::spin(int row, bool up) {
    const int step = up ? 1 : -1;
    switch (row) {
        case Camber:
            setValue(Camber, wrap(value(Camber) + step, 0, 9));
            if (up && value(Camber) > 0 && value(Position) == 0) setValue(Position, 1);
            break;
        case Position:
            if (up) {
                setValue(Position, wrap(value(Position) + 1, 0, 9));
            } else {
                // A cambered section keeps its position at 1 or more.
                const int lowest = value(Camber) == 0 ? 0 : 1;
                const int v = value(Position) - 1;
                setValue(Position, v < lowest ? 9 : v);
            }
            break;
        default:
            setValue(Thickness, wrap(value(Thickness) + step, 1, 30));
    }
}

std::string Naca4Dialog::designation() const {
    return naca4Designation(int16_t(value(Camber)), int16_t(value(Position)), int16_t(value(Thickness)));
}

void Naca4Dialog::okPressed() {
    SharedSettings& s = state_.shared;
    s.Naca4Camber = int16_t(value(Camber));
    s.Naca4CamberPos = int16_t(value(Position));
    s.Naca4Thickness = int16_t(value(Thickness));
    s.SectionFamily = int16_t{4};
    state_.texts.sectionName = designation();
}

}  // namespace aerolune::ui
