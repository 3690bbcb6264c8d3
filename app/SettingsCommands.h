#pragma once
// The settings dialogs and the file commands, plugged into the main window's
// command registry.

#include <string>

#include "app/CommandRegistry.h"

namespace aerolune {

/// Registers the seven settings dialogs (Naca4Dialog..PointCountDialog, MeshSettingsDialog,
/// AerodynamicsSettingsDialog) and the commands openCoordinateFile, saveViewData and exportDxf.
void registerSettingsAndFileCommands(CommandRegistry& registry);

/// Opens the coordinate file at path as General Airfoils does after its
/// dialog (a file given to the program or dropped onto its window), with the
/// same messages and the same memory of the last file read.
void openSectionFileFromOutside(CommandContext& context, const std::string& path);

}  // namespace aerolune
