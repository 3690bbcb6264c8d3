#pragma once
// The dialogs and commands that other parts of the program supply, plugged
// into the main window's command layer by name.
//
// A dialog opener shows its dialog modally over ctx.window, filled from
// ctx.state; on OK it writes the edited values into ctx.state and returns
// true; on Cancel it restores what it must and returns false. It does not
// touch DialogCancelled, the mesh rebuild or the pending boundary layer and never
// recomputes: runDialogCommand (app/DialogProtocol.h) does all of that.
//
// A command handler is the whole body of one menu item (for example "saveViewData",
// the Save ASCII File command) and may call ctx.recompute itself.
//
// Until an entry is registered, the menu items that need it are disabled.
// Registering one is a single line in registerCommands (CommandRegistry.cpp):
//     registry.dialogs["Naca4Dialog"] = [](CommandContext& c) { return ui::showNaca4Dialog(c.state,
//     c.window); }; registry.commands["saveViewData"] = saveAsciiFile;

#include <functional>
#include <map>
#include <string>

#include "app/CommandContext.h"

namespace aerolune {

/// Shows a settings dialog modally; true when it was closed with OK.
using DialogOpener = std::function<bool(CommandContext&)>;
/// The body of one menu command.
using CommandHandler = std::function<void(CommandContext&)>;

struct CommandRegistry {
    /// By window name: "RibTemplateDialog", "Naca4Dialog", "Naca5Dialog", "AngleDialog", "FlapDialog",
    /// "PointCountDialog", "AerodynamicsSettingsDialog", "MeshSettingsDialog".
    std::map<std::string, DialogOpener> dialogs;
    /// By menu item name: "saveViewData", "exportDxf", "printRibTemplates", "printerSetup",
    /// "openCoordinateFile", "copy", "zoomIn", "zoomOut", "zoomReset",
    /// "showPoints", "blackBackground", "whiteBackground", "colourWhite" .. "colourGray" (for the
    /// swatch ctx.menus.colourMenuSwatch), "stepSwatchColour" (a left click on
    /// that swatch).
    std::map<std::string, CommandHandler> commands;

    bool hasDialog(const std::string& name) const { return dialogs.count(name) != 0; }
    bool hasCommand(const std::string& name) const { return commands.count(name) != 0; }
};

/// Every dialog and command that exists in this build.
void registerCommands(CommandRegistry& registry);

}  // namespace aerolune
