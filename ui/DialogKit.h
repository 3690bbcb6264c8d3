#pragma once
// What every settings dialog shares: a fixed dialog without a window menu,
// laid out in twips at the screen's real resolution, in the small dialog font,
// centred over the main window when it opens; and the vertical spin button
// the section dialogs step their digits with.

#include <QDialog>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "analysis/AppState.h"
#include "common/QuantityRule.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;

namespace aerolune::ui {

/// A modal settings dialog of fixed client size (twips), centred over its
/// reference window each time it is shown. It fills its controls from the
/// state when it is made; OK writes them back; Cancel sets DialogCancelled.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(const char* name, const QString& caption, int widthTwips, int heightTwips, AppState& state,
                   QWidget* reference);

    /// Called with the help context when "Help ?" is pressed.
    std::function<void(int context)> onHelp;

    /// Cancel, Esc and closing the window alike: cancelPressed(), then
    /// DialogCancelled := 1.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

    /// OK and Cancel (and "Help ?" when helpContext > 0) as "ok", "cancel" and "help".
    void addButtons(int left, int width, int height, std::initializer_list<int> tops, int helpContext = 0);
    /// Runs when OK is pressed and every checked field holds a number in its
    /// range, before the dialog closes.
    virtual void okPressed() = 0;
    /// A typed number's field and its range. When OK is pressed a field that
    /// does not hold a plain decimal number in the range keeps the dialog open
    /// with one message naming the field and the range. A clamping field
    /// instead brings a number beyond its range to the nearer end when the
    /// user leaves it or presses OK (never while typing); text that is no
    /// number is still refused.
    void checkField(QLineEdit* field, const QuantityRule& rule, bool clamps = false);
    /// The first checked field's problem, the field then selected for
    /// retyping; empty when every field is acceptable.
    std::string fieldProblem();
    /// Runs when Cancel is pressed, before the dialog closes.
    virtual void cancelPressed() {}

    AppState& state_;

private:
    struct CheckedField {
        QLineEdit* field;
        QuantityRule rule;
        bool clamps;
    };
    void okClicked();

    QWidget* reference_;
    std::vector<CheckedField> checked_;
};

/// A clamping field's number brought into its range (text that is no
/// number, or already in range, is left as it is).
void clampFieldText(QLineEdit* field, const QuantityRule& rule);

/// Places w at (left, top) with the given size, all in twips.
void placeTwips(QWidget* w, int left, int top, int width, int height);

template <typename W>
W* placed(W* w, int left, int top, int width, int height) {
    placeTwips(w, left, top, width, height);
    return w;
}

QLabel* addLabel(QWidget* parent, const QString& text, int left, int top, int width, int height,
                 Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
QLineEdit* addTextField(QWidget* parent, const char* name, int left, int top, int width, int height);
/// A frame with its caption on its top line, as the layouts in twips expect:
/// positions inside it count from its outer top edge.
class Frame : public QWidget {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent);
    QString title() const { return title_; }
    void setTitle(const QString& title);
    /// Where the caption is drawn.
    QRect titleRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
};

Frame* addFrame(QWidget* parent, const QString& caption, int left, int top, int width, int height);
QComboBox* addList(QWidget* parent, const char* name, bool editable, int left, int top, int width,
                   int height);
/// A horizontal slider with ticks below it.
QSlider* addSlider(QWidget* parent, const char* name, int minimum, int maximum, int tickInterval,
                   int pageStep, int left, int top, int width, int height);

/// Selects the entry showing text; none when no entry does. An editable
/// combo shows the text itself.
void showInList(QComboBox* combo, const QString& text);

/// A list's chosen number into target; a list with no entry chosen (the
/// state held a value the list does not offer) leaves target as it was.
void takeListNumber(const QComboBox* list, double& target);
/// As above, rounded to the nearest whole number (halves to even) within
/// +-1e6, beyond which no count the program takes lies.
void takeListNumber(const QComboBox* list, int32_t& target);

/// The leading number of a text; no number (or one beyond any range) is 0.
double numberValue(const QString& text);

/// A number as the settings dialogs show it (whole numbers without a point).
QString numberText(double value);

/// Texts of a run of numbers: first, first + step, .. last.
QStringList numberTexts(int first, int last, int step);

/// A vertical pair of arrow buttons. The buttons are the children "up" and
/// "down".
class SpinButton : public QWidget {
    Q_OBJECT
public:
    SpinButton(const char* name, QWidget* parent);
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void spinUp();
    void spinDown();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace aerolune::ui
