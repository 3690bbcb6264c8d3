#include "ui/FlapDialog.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "analysis/ResultsPanel.h"
#include "common/NumberText.h"
#include "common/QuantityRule.h"

namespace aerolune::ui {

FlapDialog::FlapDialog(AppState& state, QWidget* reference)
    : SettingsDialog("FlapDialog", "Adjust Flap", 4875, 2670, state, reference) {
    length_ = addCoupled("Flap Length (%Chord)", 60, "flapLengthSlider", "flapLengthField", 0, 50,
                         {"0", "", "50%"});
    deflection_ = addCoupled("Flap Deflection (Degrees)", 1320, "flapDeflectionSlider", "flapDeflectionField",
                             -30, 30, {"-30", "0", "30"});
    addButtons(3540, 1200, 375, {180, 660, 1140}, kHelpContext);
    checkField(length_.text, {0.0, 50.0, "the flap length", "% chord"}, true);
    checkField(deflection_.text, {-30.0, 30.0, "the flap deflection", "degrees"}, true);

    deflection_.text->setText(QString::fromStdString(formatGeneral(state.shared.FlapDeflection.toDouble())));
    length_.text->setText(QString::fromStdString(formatGeneral(state.shared.FlapLength.toDouble())));
    textChanged(deflection_);  // the sliders also when the texts were already showing
    textChanged(length_);
}

FlapDialog::Coupled FlapDialog::addCoupled(const QString& caption, int top, const char* sliderName,
                                           const char* textName, int lo, int hi, const QStringList& marks) {
    Frame* frame = addFrame(this, caption, 180, top, 3195, 1155);
    Coupled c{addSlider(frame, sliderName, lo, hi, 10, 1, 60, 300, 2235, 495), nullptr, lo, hi};
    addLabel(frame, marks[0], 120, 780, 500, 255);
    addLabel(frame, marks[1], 927, 780, 500, 255, Qt::AlignHCenter | Qt::AlignVCenter);
    addLabel(frame, marks[2], 1735, 780, 500, 255, Qt::AlignRight | Qt::AlignVCenter);
    c.text = addTextField(frame, textName, 2400, 420, 615, 285);
    connect(c.text, &QLineEdit::textChanged, this, [this, c] { textChanged(c); });
    connect(c.slider, &QSlider::valueChanged, this, [c](int v) { c.text->setText(QString::number(v)); });
    return c;
}

// The slider follows the text as it is typed; the text itself is brought into
// the range only when the user leaves the field or presses OK, so that "35"
// can be typed through its "3".
void FlapDialog::textChanged(const Coupled& c) {
    double v = 0.0;
    readDecimalNumber(c.text->text().toStdString(), v);
    const QSignalBlocker quiet(c.slider);
    c.slider->setValue(static_cast<int>(std::lround(std::clamp(v, double(c.lo), double(c.hi)))));
}

void FlapDialog::okPressed() {
    double length = 0.0, deflection = 0.0;
    readDecimalNumber(length_.text->text().toStdString(), length);
    readDecimalNumber(deflection_.text->text().toStdString(), deflection);
    state_.shared.FlapLength = length;
    state_.shared.FlapDeflection = deflection;
    setFlapReadouts(state_.texts, deflection, length);
}

}  // namespace aerolune::ui
