#include "app/CommandRegistry.h"

#include "app/DisplayCommands.h"
#include "app/RunResources.h"
#include "app/SettingsCommands.h"
#include "app/TemplateCommands.h"
#include "app/ZoomCommands.h"
#include "ui/AboutDialog.h"

namespace aerolune {

void registerCommands(CommandRegistry& registry) {
    // One line per dialog or command; see CommandRegistry.h.
    registry.dialogs["AboutDialog"] = [](CommandContext& c) {
        return ui::AboutDialog(c.window).exec() == QDialog::Accepted;
    };
    registry.commands["zoomIn"] = [](CommandContext& c) {
        if (zoomIn(c.state)) c.recompute();
    };
    registry.commands["zoomOut"] = [](CommandContext& c) {
        if (zoomOut(c.state)) c.recompute();
    };
    registry.commands["zoomReset"] = [](CommandContext& c) {
        if (resetZoom(c.state)) c.recompute();
    };
    registry.dialogs["RibTemplateDialog"] = [](CommandContext& c) {
        if (c.run) showTemplateDialog(c.state, *c.run, c.window);
        return false;  // prints; no setting changed, nothing to recompute
    };
    registry.commands["printerSetup"] = [](CommandContext& c) {
        if (c.run) showPrinterSetup(c.run->templatePrinter(), c.window);
    };
    registerDisplayCommands(registry);
    registerSettingsAndFileCommands(registry);
}

}  // namespace aerolune
