#pragma once
// The settings dialogs and the file commands, plugged into the main window's
// command registry.

#include "app/CommandRegistry.h"

namespace aerolune {

/// Registers the seven settings dialogs (Naca4Dialog..PointCountDialog, MeshSettingsDialog,
/// AerodynamicsSettingsDialog) and the commands openCoordinateFile, saveViewData and exportDxf.
void registerSettingsAndFileCommands(CommandRegistry& registry);

}  // namespace aerolune
