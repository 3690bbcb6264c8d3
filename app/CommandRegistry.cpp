#include "app/CommandRegistry.h"

#include "app/DisplayCommands.h"
#include "app/SettingsCommands.h"
#include "app/TemplateCommands.h"
#include "app/ZoomCommands.h"
#include "ui/Form2.h"

namespace aerolune {

void registerCommands(CommandRegistry& registry) {
    // One line per dialog or command; see CommandRegistry.h.
    registry.dialogs["Form2"] = [](CommandContext& c) {
        return ui::Form2(c.window).exec() == QDialog::Accepted;
    };
    registry.commands["mnuZoomIn"] = [](CommandContext& c) {
        if (zoomIn(c.state)) c.recompute();
    };
    registry.commands["mnuZoomOUt"] = [](CommandContext& c) {
        if (zoomOut(c.state)) c.recompute();
    };
    registry.commands["mnuReset"] = [](CommandContext& c) {
        if (resetZoom(c.state)) c.recompute();
    };
    registry.dialogs["Form3"] = [](CommandContext& c) {
        showTemplateDialog(c.state, c.window);
        return false;  // prints; no setting changed, nothing to recompute
    };
    registry.commands["mnuPSetup"] = [](CommandContext& c) { showPrinterSetup(c.window); };
    registerDisplayCommands(registry);
    registerSettingsAndFileCommands(registry);
}

}  // namespace aerolune
