#include "app/DialogCommands.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "geometry/NacaDigits.h"
#include "geometry/SectionDefinition.h"
#include "numerics/airfoil/MeshLimits.h"
#include "ui/AerodynamicsSettingsDialog.h"
#include "ui/AngleDialog.h"
#include "ui/FlapDialog.h"
#include "ui/MeshSettingsDialog.h"
#include "ui/Naca4Dialog.h"
#include "ui/Naca5Dialog.h"
#include "ui/PointCountDialog.h"

namespace aerolune {

namespace {

// Twice the largest distance of a contour point from the middle of the chord
// line (trailing edge to leading edge), as the mesh generator measures the
// section; one chord when there is no solved contour yet.
double sectionSize(const AppState& state) {
    const SectionState& sec = state.section;
    const int32_t half = state.shared.HalfPoints;
    if (half < 2 || sec.nodeX.size() < 2 * half || sec.nodeY.size() < 2 * half) return 1.0;
    const double cx = 0.5 * (sec.nodeX(1) + sec.nodeX(half + 1));
    const double cy = 0.5 * (sec.nodeY(1) + sec.nodeY(half + 1));
    double reach = 0.0;
    for (int32_t i = 1; i <= 2 * half; ++i)
        reach = std::max(reach, std::hypot(sec.nodeX(i) - cx, sec.nodeY(i) - cy));
    return std::isfinite(reach) && reach > 0.0 ? 2.0 * reach : 1.0;
}

}  // namespace

std::string designationProblem(const SharedSettings& s) {
    const bool five = s.SectionFamily.toInt() == 5;
    const std::string name = five ? naca5Designation(s.Naca5LiftDigit, s.Naca5CamberPos, s.Naca5Thickness)
                                  : naca4Designation(s.Naca4Camber, s.Naca4CamberPos, s.Naca4Thickness);
    const NacaDigits digits =
        five ? NacaDigits{5, s.Naca5LiftDigit.toInt(), s.Naca5CamberPos.toInt(), s.Naca5Thickness.toInt()}
             : NacaDigits{4, s.Naca4Camber.toInt(), s.Naca4CamberPos.toInt(), s.Naca4Thickness.toInt()};
    const std::string problem = nacaDigitsProblem(digits);
    return problem.empty() ? problem
                           : "NACA " + name + " is not a section this program can build: " + problem;
}

void storeWorkingMeshSize(AppState& state) {
    MeshSettings& mesh = state.mesh;
    mesh.pointsAround = workingMeshDimension(mesh.pointsAround);
    mesh.rings = workingMeshDimension(mesh.rings);
    mesh.outerRadius = workingOuterRadius(mesh.outerRadius, sectionSize(state));
}

namespace {

std::unique_ptr<ui::SettingsDialog> makeDialog(const std::string& name, AppState& state, QWidget* window) {
    if (name == "Naca4Dialog") return std::make_unique<ui::Naca4Dialog>(state, window);
    if (name == "Naca5Dialog") return std::make_unique<ui::Naca5Dialog>(state, window);
    if (name == "AngleDialog") return std::make_unique<ui::AngleDialog>(state, window);
    if (name == "FlapDialog") return std::make_unique<ui::FlapDialog>(state, window);
    if (name == "PointCountDialog") return std::make_unique<ui::PointCountDialog>(state, window);
    if (name == "MeshSettingsDialog") return std::make_unique<ui::MeshSettingsDialog>(state, window);
    if (name == "AerodynamicsSettingsDialog")
        return std::make_unique<ui::AerodynamicsSettingsDialog>(state, window);
    return nullptr;
}

}  // namespace

bool openSettingsDialog(const std::string& dialog, AppState& state, QWidget* window,
                        const std::function<void(int context)>& help,
                        const std::function<void(const std::string&)>& message) {
    const std::string text1 = state.texts.sectionName;
    const SharedSettings shared = state.shared;
    std::unique_ptr<ui::SettingsDialog> form = makeDialog(dialog, state, window);
    if (!form) return false;
    form->onHelp = help;
    if (form->exec() != QDialog::Accepted) return false;

    if (dialog == "Naca4Dialog" || dialog == "Naca5Dialog") {
        const std::string problem = designationProblem(state.shared);
        if (!problem.empty()) {
            state.texts.sectionName = text1;
            state.shared = shared;
            if (message) message(problem);
            return false;
        }
    }
    if (dialog == "MeshSettingsDialog") storeWorkingMeshSize(state);
    return true;
}

}  // namespace aerolune
