#pragma once
// "Grid Control": the size of the computational mesh (points around the
// section, radial points, outer circle radius) and its clustering near the
// section. The radial points and the radius may be typed.

#include "analysis/AppState.h"
#include "ui/DialogKit.h"

class QComboBox;
class QSlider;

namespace aerolune::ui {

class MeshSettingsDialog : public SettingsDialog {
    Q_OBJECT
public:
    MeshSettingsDialog(AppState& state, QWidget* reference);

    /// Slider position of a clustering ratio: 1000 ln(ratio) to the nearest
    /// integer, within the slider's 1..100.
    static int sliderPosition(double gridCluster);

protected:
    void okPressed() override;

private:
    QComboBox* around_;
    QComboBox* radial_;
    QComboBox* radius_;
    QSlider* cluster_;
};

}  // namespace aerolune::ui
