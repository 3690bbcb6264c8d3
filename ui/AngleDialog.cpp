#include "ui/AngleDialog.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "common/NumberText.h"

namespace aerolune::ui {

namespace {

// A text's number held to lo..hi; text with no number, or a number beyond
// any range, reads as the nearer limit or 0 rather than as garbage.
double limitedNumber(const QString& text, double lo, double hi) {
    const double v = readLeadingNumber(text.toStdString());
    return std::isfinite(v) ? std::clamp(v, lo, hi) : 0.0;
}

}  // namespace

AngleDialog::AngleDialog(AppState& state, QWidget* reference)
    : SettingsDialog("AngleDialog", "Angle of Attack", 5160, 1965, state, reference) {
    Frame* frame = addFrame(this, "AOA (Degrees)", 180, 120, 3495, 1335);
    slider_ = addSlider(frame, "angleSlider", -20, 20, 4, 1, 240, 360, 2415, 615);
    addLabel(frame, "-20", 180, 960, 400, 255);
    addLabel(frame, "0.0", 1247, 960, 400, 255, Qt::AlignHCenter | Qt::AlignVCenter);
    addLabel(frame, "20", 2255, 960, 400, 255, Qt::AlignRight | Qt::AlignVCenter);
    text_ = addTextField(frame, "angleField", 2700, 420, 570, 285);
    text_->setAlignment(Qt::AlignCenter);
    addButtons(3840, 1200, 375, {240, 720, 1200}, kHelpContext);
    checkField(text_, kAngleRule);

    connect(text_, &QLineEdit::textChanged, this, &AngleDialog::textChanged);
    connect(slider_, &QSlider::valueChanged, this, [this](int v) { text_->setText(QString::number(v)); });

    const double opening = readLeadingNumber(state.texts.angleText);
    text_->setText(QString::fromStdString(formatGeneral(std::isfinite(opening) ? opening : 0.0)));
    textChanged();  // the slider also when the text was already showing
}

void AngleDialog::textChanged() {
    angle_ = limitedNumber(text_->text(), -20.0, 20.0);
    const QSignalBlocker quiet(slider_);
    slider_->setValue(static_cast<int>(std::lround(angle_)));
}

void AngleDialog::okPressed() { state_.texts.angleText = text_->text().toStdString(); }

}  // namespace aerolune::ui
