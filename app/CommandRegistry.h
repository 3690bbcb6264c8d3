#pragma once
// The dialogs and commands that other parts of the program supply, plugged
// into the main window's command layer by name.
//
// A dialog opener shows its dialog modally over ctx.window, filled from
// ctx.state; on OK it writes the edited values into ctx.state and returns
// true; on Cancel it restores what it must and returns false. It does not
// touch DialogCancelled, NewFlag, NewGrid or BlUpdatePending and never
// recomputes: runDialogCommand (app/DialogProtocol.h) does all of that.
//
// A command handler is the whole body of one menu item (for example "air1",
// the Save ASCII File command) and may call ctx.recompute itself.
//
// Until an entry is registered, the menu items that need it are disabled.
// Registering one is a single line in registerCommands (CommandRegistry.cpp):
//     registry.dialogs["Form4"] = [](CommandContext& c) { return ui::showForm4(c.state, c.window); };
//     registry.commands["air1"] = saveAsciiFile;

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
    /// By window name: "Form3", "Form4", "Form5", "Form6", "Form7", "Form8",
    /// "frmBoundaryLayer", "GridControl".
    std::map<std::string, DialogOpener> dialogs;
    /// By menu item name: "air1", "mnuDXF", "temp1", "mnuPSetup",
    /// "MnuAirfoilData", "mnuCopy", "mnuZoomIn", "mnuZoomOUt", "mnuReset",
    /// "mnuShowPoints", "mnuBBg", "mnuWBg", "mnuWhite" .. "mnuGray" (for the
    /// swatch ctx.menus.colourMenuSwatch), "Label5_Click" (a left click on
    /// that swatch).
    std::map<std::string, CommandHandler> commands;

    bool hasDialog(const std::string& name) const { return dialogs.count(name) != 0; }
    bool hasCommand(const std::string& name) const { return commands.count(name) != 0; }
};

/// Every dialog and command that exists in this build.
void registerCommands(CommandRegistry& registry);

}  // namespace aerolune
