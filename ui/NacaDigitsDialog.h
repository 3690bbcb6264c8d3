#pragma once
// The common frame of the NACA 4- and 5-digit dialogs: three digit fields,
// each with its label and spin button, inside a frame captioned with the
// designation. The fields and spin buttons share one model, the three values;
// the dialogs supply the rules that read a field and step a value.

#include <array>

#include "ui/DialogKit.h"

class QLineEdit;

namespace aerolune::ui {

class NacaDigitsDialog : public SettingsDialog {
    Q_OBJECT
public:
    /// Where the frame's rows, fields and spin buttons sit, twips.
    struct Layout {
        int clientWidth, clientHeight;
        int frameWidth, frameHeight;
        int fieldLeft, spinLeft;
        std::array<int, 3> rowTops;
        int buttonLeft;
        std::array<int, 3> buttonTops;
    };

    /// The three values in their order on the dialog.
    std::array<int, 3> values() const { return values_; }

protected:
    NacaDigitsDialog(const char* name, const QString& caption, const Layout& layout,
                     const std::array<QString, 3>& labels, const std::array<const char*, 3>& rowNames,
                     int helpContext, AppState& state, QWidget* reference);

    /// The fields and spin buttons take their row's name followed by "Field"
    /// and "Spin" as object names.
    ///
    /// Fills the fields from the values (first field first) and remembers them.
    void open(const std::array<int, 3>& values);

    /// Rule for field i whose text changed: the new value of row i (and of
    /// any other row through setValue).
    virtual int readField(int row, const QString& text) = 0;
    /// Rule for a spin press on row i.
    virtual void spin(int row, bool up) = 0;
    /// The designation digits of the current values.
    virtual std::string designation() const = 0;

    int value(int row) const { return values_[row]; }
    /// Sets a row's value and shows it in its field (which reads it back).
    void setValue(int row, int value);
    QLineEdit* field(int row) const { return fields_[row]; }
    /// A typed row holds at most `characters` characters and a number in the
    /// rule's range: beyond it the number is brought to the nearer end when the
    /// field is left or OK is pressed; text that is no number keeps the dialog
    /// open with a message.
    void checkDigits(int row, int characters, const QuantityRule& rule);

private:
    void fieldChanged(int row);
    void showCaption();

    Frame* frame_ = nullptr;
    std::array<QLineEdit*, 3> fields_{};
    std::array<int, 3> values_{};
};

}  // namespace aerolune::ui
