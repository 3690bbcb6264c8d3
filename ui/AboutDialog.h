#pragma once
// The about box: our picture, the program's name and version and the maker's
// notice, with OK. Modal, centred over the main window.

#include <QDialog>

class QLabel;

namespace aerolune::ui {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* reference);
    /// The text beside the picture: lines separated by a carriage return.
    static QString aboutText();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* reference_;
};

}  // namespace aerolune::ui
