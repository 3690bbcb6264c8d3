#include "app/CommandRegistry.h"

namespace aerolune {

void registerCommands(CommandRegistry& registry) {
    // One line per dialog or command; see CommandRegistry.h.
    (void)registry;
}

}  // namespace aerolune
