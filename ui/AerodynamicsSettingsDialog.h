#pragma once
// "Boundary Layer Options": Reynolds number, aerodynamic model and polar
// plot limit; the boundary-layer solver's point counts and profile display;
// its transition model, wall roughness and the Blasius profile. Every list is
// rebuilt when the dialog opens. OK writes everything back and asks for the
// boundary layer; Cancel stops asking for it.

#include <array>

#include "ui/DialogKit.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace aerolune::ui {

class AerodynamicsSettingsDialog : public SettingsDialog {
    Q_OBJECT
public:
    AerodynamicsSettingsDialog(AppState& state, QWidget* reference);

protected:
    void okPressed() override;
    void cancelPressed() override;

private:
    QWidget* buildAerodynamicsTab();
    QWidget* buildNumericalTab();
    QWidget* buildPhysicalTab();
    void load();

    QTabWidget* tabs_ = nullptr;
    QLineEdit* reynolds_ = nullptr;
    QLineEdit* roughness_ = nullptr;
    QComboBox* profiles_ = nullptr;
    QComboBox* blPoints_ = nullptr;
    QComboBox* blLimit_ = nullptr;
    QComboBox* points_ = nullptr;
    QComboBox* maxCd_ = nullptr;
    QCheckBox* blasius_ = nullptr;
    std::array<QRadioButton*, 3> transition_{};
    std::array<QRadioButton*, 4> display_{};  // never shown
    QRadioButton* simple_ = nullptr;
    QRadioButton* complex_ = nullptr;
    QRadioButton* layer_ = nullptr;
};

}  // namespace aerolune::ui
