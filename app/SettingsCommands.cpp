#include "app/SettingsCommands.h"

#include <QMessageBox>

#include "app/DialogCommands.h"
#include "app/FileCommands.h"
#include "app/Help.h"
#include "app/ReferencePolarCommands.h"

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

// The main window's one file dialog keeps its title and file names for the run.
FileDialogMemory& fileDialogMemory() {
    static FileDialogMemory memory;
    return memory;
}

using FileCommand = void (*)(AppState&, FileDialogMemory&, const FileCommandContext&);

CommandHandler fileCommand(FileCommand command) {
    return [command](CommandContext& c) { command(c.state, fileDialogMemory(), fileContext(c)); };
}

}  // namespace

void openSectionFileFromOutside(CommandContext& context, const std::string& path) {
    openSectionFile(context.state, fileDialogMemory(), fileContext(context), path);
}

void registerSettingsAndFileCommands(CommandRegistry& registry) {
    for (const char* name : {"Naca4Dialog", "Naca5Dialog", "AngleDialog", "FlapDialog", "PointCountDialog",
                             "MeshSettingsDialog", "AerodynamicsSettingsDialog"}) {
        registry.dialogs[name] = [name](CommandContext& c) {
            auto help = [owner = c.window](int context) {
                showHelp(owner, {"aerolune2.hlp", kHelpShowContext, context});
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
