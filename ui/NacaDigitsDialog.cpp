#include "ui/NacaDigitsDialog.h"

#include <QLabel>
#include <QLineEdit>

namespace aerolune::ui {

NacaDigitsDialog::NacaDigitsDialog(const char* name, const QString& caption, const Layout& layout,
                                   const std::array<QString, 3>& labels,
                                   const std::array<const char*, 3>& rowNames, int helpContext,
                                   AppState& state, QWidget* reference)
    : SettingsDialog(name, caption, layout.clientWidth, layout.clientHeight, state, reference) {
    frame_ = addFrame(this, "", 180, 120, layout.frameWidth, layout.frameHeight);
    frame_->setObjectName("designationFrame");
    for (int row = 0; row < 3; ++row) {
        const int top = layout.rowTops[row];
        addLabel(frame_, labels[row], 60, top, layout.fieldLeft - 120, 315,
                 Qt::AlignRight | Qt::AlignVCenter);
        const QByteArray fieldName = QByteArray(rowNames[row]) + "Field";
        fields_[row] = addTextField(frame_, fieldName.constData(), layout.fieldLeft, top, 495, 315);
        connect(fields_[row], &QLineEdit::textChanged, this, [this, row] { fieldChanged(row); });
        const QByteArray spinName = QByteArray(rowNames[row]) + "Spin";
        auto* spinButton = new SpinButton(spinName.constData(), frame_);
        placeTwips(spinButton, layout.spinLeft, top, 255, 315);
        connect(spinButton, &SpinButton::spinUp, this, [this, row] { spin(row, true); });
        connect(spinButton, &SpinButton::spinDown, this, [this, row] { spin(row, false); });
    }
    addButtons(layout.buttonLeft, 1200, 375,
               {layout.buttonTops[0], layout.buttonTops[1], layout.buttonTops[2]}, helpContext);
}

void NacaDigitsDialog::open(const std::array<int, 3>& values) {
    values_ = values;
    for (int row = 0; row < 3; ++row) setValue(row, values[row]);
    showCaption();
}

void NacaDigitsDialog::setValue(int row, int value) {
    values_[row] = value;
    // The field reads itself back through the rules once, which may take
    // another value (an unset five-digit position opens at 10): show that.
    for (int pass = 0; pass < 2; ++pass) {
        const QString text = QString::number(values_[row]);
        if (fields_[row]->text() != text) fields_[row]->setText(text);
    }
    showCaption();
}

void NacaDigitsDialog::fieldChanged(int row) {
    // The caption follows every key; the field shows the value taken only
    // when it is left, so that a position of 35 can be typed through its 3.
    values_[row] = readField(row, fields_[row]->text());
    showCaption();
}

void NacaDigitsDialog::checkDigits(int row, int characters, const QuantityRule& rule) {
    fields_[row]->setMaxLength(characters);
    checkField(fields_[row], rule, true);
    // After the range is applied, a number shows as the value the rules took
    // (a cambered section's position 0 is taken as 1); text that is no number
    // stays for OK to refuse.
    connect(fields_[row], &QLineEdit::editingFinished, this, [this, row] {
        double typed = 0.0;
        if (readDecimalNumber(fields_[row]->text().toStdString(), typed)) setValue(row, values_[row]);
    });
}

void NacaDigitsDialog::showCaption() { frame_->setTitle("NACA " + QString::fromStdString(designation())); }

}  // namespace aerolune::ui
