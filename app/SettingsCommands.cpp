#include "app/SettingsCommands.h"

#include <QMessageBox>

#include "app/DialogCommands.h"
#include "app/FileCommands.h"
#include "app/Help.h"
#include "app/ReferencePolarCommands.h"
#include "app/RunResources.h"

namespace aerolune {

namespace {

std::function<void(const std::string&)> messageBox(QWidget* owner) {
    return [owner](const std::string& text) {
        QMessageBox::warning(owner, owner ? owner->windowTitle() : QString(), QString::fromStdString(text));
    };
}

FileCommandContext fileContext(CommandContext& c) {
    return {[owner = c.window](const FileDialogRequest& r) { return chooseFileWithDialog(owner, r); },
            messageBox(c.window),
            [&c] {
                if (c.recompute) c.recompute();
            }};
}

using FileCommand = void (*)(AppState&, FileDialogMemory&, const FileCommandContext&);

// A file command runs on the run's file dialog memory; there is none to run
// on without a window.
CommandHandler fileCommand(FileCommand command) {
    return [command](CommandContext& c) {
        if (c.run) command(c.state, c.run->fileDialog(), fileContext(c));
    };
}

}  // namespace

void openSectionFileFromOutside(CommandContext& context, const std::string& path) {
    if (context.run) openSectionFile(context.state, context.run->fileDialog(), fileContext(context), path);
}

void registerSettingsAndFileCommands(CommandRegistry& registry) {
    for (const char* name : {"Naca4Dialog", "Naca5Dialog", "AngleDialog", "FlapDialog", "PointCountDialog",
                             "MeshSettingsDialog", "AerodynamicsSettingsDialog"}) {
        registry.dialogs[name] = [name](CommandContext& c) {
            auto help = [owner = c.window, run = c.run](int context) {
                if (run) showHelp(*run, owner, {"aerolune2.hlp", kHelpShowContext, context});
            };
            return openSettingsDialog(name, c.state, c.window, help, messageBox(c.window));
        };
    }
    registry.commands["openCoordinateFile"] = fileCommand(openCoordinateFile);
    registry.commands["saveViewData"] = fileCommand(saveViewData);
    registry.commands["exportDxf"] = fileCommand(exportDxf);
    registry.commands["addReferencePolar"] = fileCommand(addReferencePolar);
}

}  // namespace aerolune
