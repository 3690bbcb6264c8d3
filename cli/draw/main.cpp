// The drawing helper of aerolune-cli: its plot and ribs subcommands, which
// draw through the Qt surfaces. aerolune-cli starts it with the user's own
// arguments, so help, errors and exit statuses read as aerolune-cli's.

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    using namespace aerolune::cli;
    const Registration registrations[] = {{"plot", registerPlot}, {"ribs", registerRibs}};
    return runCommandLine(argc, argv, registrations);
}
