#include "ui/FlapDialog.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <cmath>

#include "analysis/ResultsPanel.h"
#include "common/NumberText.h"

namespace aerolune::ui {

FlapDialog::FlapDialog(AppState& state, QWidget* reference)
    : SettingsDialog("FlapDialog", "Adjust Flap", 4875, 2670, state, reference) {
    length_ = addCoupled("Flap Length (%Chord)", 60, "flapLengthSlider", "flapLengthField", 0, 50, {"0", "", "50%"});
    deflection_ =
        addCoupled("Flap Deflection (Degrees)", 1320, "flapDeflectionSlider", "flapDeflectionField", -30, 30, {"-30", "0", "30"});
    addButtons(3540, 1200, 375, {180, 660, 1140}, kHelpContext);

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

void FlapDialog::textChanged(const Coupled& c) {
    double v = readLeadingNumber(c.text->text().toStdString());
    if (!std::isfinite(v)) v = 0.0;
    if (v < c.lo || v > c.hi) {
        v = v < c.lo ? c.lo : c.hi;
        c.text->setText(QString::number(static_cast<int>(v)));  // reads itself back inside the range
        return;
    }
    const QSignalBlocker quiet(c.slider);
    c.slider->setValue(static_cast<int>(std::lround(v)));
}

void FlapDialog::okPressed() {
    const double length = readLeadingNumber(length_.text->text().toStdString());
    const double deflection = readLeadingNumber(deflection_.text->text().toStdString());
    state_.shared.FlapLength = length;
    state_.shared.FlapDeflection = deflection;
    setFlapReadouts(state_.texts, deflection, length);
}

}  // namespace aerolune::ui
