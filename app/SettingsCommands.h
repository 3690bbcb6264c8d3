#pragma once
// The settings dialogs and the file commands, plugged into the main window's
// command registry.

#include "app/CommandRegistry.h"

namespace aerolune {

/// Registers the seven settings dialogs (Form4..Form8, GridControl,
/// frmBoundaryLayer) and the commands MnuAirfoilData, air1 and mnuDXF.
void registerSettingsAndFileCommands(CommandRegistry& registry);

}  // namespace aerolune
