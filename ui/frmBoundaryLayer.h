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

class frmBoundaryLayer : public SettingsDialog {
    Q_OBJECT
public:
    frmBoundaryLayer(AppState& state, QWidget* reference);

protected:
    void okPressed() override;
    void cancelPressed() override;

private:
    QWidget* buildAerodynamicsTab();
    QWidget* buildNumericalTab();
    QWidget* buildPhysicalTab();
    void load();

    QTabWidget* tabs_ = nullptr;
    QLineEdit* reynolds_ = nullptr;              // Text1
    QLineEdit* roughness_ = nullptr;             // Text2
    QComboBox* profiles_ = nullptr;              // Combo1
    QComboBox* blPoints_ = nullptr;              // Combo2
    QComboBox* blLimit_ = nullptr;               // Combo3
    QComboBox* points_ = nullptr;                // Combo4
    QComboBox* maxCd_ = nullptr;                 // Combo5
    QCheckBox* blasius_ = nullptr;               // Check1
    std::array<QRadioButton*, 3> transition_{};  // Option1..3
    std::array<QRadioButton*, 4> display_{};     // Option4..7, never shown
    QRadioButton* simple_ = nullptr;             // Option8
    QRadioButton* complex_ = nullptr;            // Option9
};

}  // namespace aerolune::ui
