#pragma once
// The commands that edit settings in a modal dialog, and the protocol they
// share:
//  1. DialogCancelled = 0;
//  2. show the dialog modally; a dialog closed any way but OK leaves
//     DialogCancelled = 1;
//  3. the command's own follow-up (runs whether or not the dialog was
//     cancelled: a cancelled dialog has restored its inputs);
//  4. only if DialogCancelled is still 0: the command's state changes
//     (the mesh rebuild, whether the section is a file's), then the recomputation, under the
//     hourglass unless the command says otherwise.

#include <span>
#include <string_view>

#include "app/CommandRegistry.h"

namespace aerolune {

struct DialogCommand {
    const char* command;                      ///< menu item, e.g. "naca4"
    const char* dialog;                       ///< window name in CommandRegistry::dialogs, e.g. "Naca4Dialog"
    void (*followUp)(AppState&) = nullptr;    ///< runs after an accepted dialog, before the flags are set
    void (*onAccepted)(AppState&) = nullptr;  ///< the state changes an accepted dialog brings
    bool busy = true;                         ///< hourglass around the recomputation
};

/// naca4, naca5, changeAngle, configureFlap, pointCount, aerodynamicsSettings, meshSettings.
std::span<const DialogCommand> dialogCommands();

/// The dialog command of a menu item, or null.
const DialogCommand* findDialogCommand(std::string_view command);

/// Runs the dialog protocol above with this opener. Returns true when the dialog was accepted
/// and the view recomputed.
bool runDialogCommand(CommandContext& ctx, const DialogCommand& command, const DialogOpener& open);

}  // namespace aerolune
