#include "app/CommandRegistry.h"

#include "ui/Form2.h"

namespace aerolune {

void registerCommands(CommandRegistry& registry) {
    // One line per dialog or command; see CommandRegistry.h.
    registry.dialogs["Form2"] = [](CommandContext& c) {
        return ui::Form2(c.window).exec() == QDialog::Accepted;
    };
}

}  // namespace aerolune
