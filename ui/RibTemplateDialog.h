#pragma once
// The rib-template dialog: root and tip chord, skin thickness, number of
// sections and the unit. OK hands the fields to the printing command; the
// dialog closes once that command is done with them.

#include <QDialog>
#include <functional>

#include "print/TemplateSettings.h"

class QLineEdit;
class QRadioButton;

namespace aerolune::ui {

class RibTemplateDialog : public QDialog {
    Q_OBJECT
public:
    /// What OK does with the fields: true closes the dialog (printed, or a
    /// failure already shown), false keeps it open for another try.
    using PrintHandler = std::function<bool(const print::TemplateFields&)>;

    /// \param airfoil the main window's airfoil field, for the caption
    /// \param reference the window it is centred over
    RibTemplateDialog(const QString& airfoil, QWidget* reference);

    void setPrintHandler(PrintHandler handler) { print_ = std::move(handler); }
    void setHelpHandler(std::function<void()> handler) { help_ = std::move(handler); }

    /// The fields as they stand.
    print::TemplateFields fields() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void sectionCountChanged();
    void printPressed();

    QWidget* reference_;
    QLineEdit *rootChord_, *tipChord_, *skin_, *sections_;
    QRadioButton *inches_, *centimetres_;
    PrintHandler print_;
    std::function<void()> help_;
};

}  // namespace aerolune::ui
