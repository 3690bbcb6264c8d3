#pragma once
// The boundary-layer separation warning: a fixed text explaining what a
// predicted separation may mean, with the surface and position in its caption.
// It is sized to its font, so every line shows whole.

#include <QDialog>

namespace aerolune::ui {

class SeparationWarning : public QDialog {
    Q_OBJECT
public:
    /// \param caption e.g. "Lower Surface Seperation at x= 0.45"
    /// \param reference the window it is centred over
    SeparationWarning(const QString& caption, QWidget* reference);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    /// Width for the font's characters, height for every line whole.
    void fitToFont();

    QWidget* reference_;
};

}  // namespace aerolune::ui
