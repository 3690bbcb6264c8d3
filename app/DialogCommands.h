#pragma once
// What the settings commands check and store around their dialogs beyond
// what the dialogs write themselves: a designation the section builder would
// build as something else is refused, and typed mesh sizes are stored as the
// mesh generator uses them.

#include <functional>
#include <string>

#include "analysis/AppState.h"

class QWidget;

namespace aerolune {

/// Why the designation of the current family (SectionFamily 4 or 5, with its
/// digits) is not a section the builder makes unchanged; empty when it is.
std::string designationProblem(const SharedSettings& shared);

/// The mesh sizes (points around, rings, outer radius) as the mesh generator takes
/// them: whole numbers of points in its working range, and a radius beyond
/// the section (twice the section's size when it is not).
void storeWorkingMeshSize(AppState& state);

/// Shows the settings dialog named `dialog` ("Naca4Dialog", "Naca5Dialog", "AngleDialog",
/// "FlapDialog", "PointCountDialog", "MeshSettingsDialog" or "AerodynamicsSettingsDialog") modally over
/// window, filled from the state. Returns true when it was closed with OK and
/// its values can be used: a designation the builder cannot build is shown in
/// a message and the section before the dialog is put back (false, as if
/// cancelled); typed mesh sizes are stored as used. Cancel returns false.
/// \param help opens the help viewer at a context of the second help file
/// \param message shows a message box over the window
bool openSettingsDialog(const std::string& dialog, AppState& state, QWidget* window,
                        const std::function<void(int context)>& help,
                        const std::function<void(const std::string&)>& message);

}  // namespace aerolune
