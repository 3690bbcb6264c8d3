#pragma once
// The subcommands that draw (plot, ribs) need the Qt drawing surfaces, whose
// libraries take longer to load than a whole analysis takes to run. They
// live in a separate executable, the drawing helper, installed beside
// aerolune-cli or in its libexec folder; aerolune-cli lists them in its help
// and hands their command lines over to the helper unchanged, so the
// analysis subcommands start without loading any Qt library.

#include <string_view>

#include "cli/CliCommand.h"

namespace aerolune::cli {

inline constexpr const char* kPlotDescription = "draw one view into a PNG, SVG or PDF file";
inline constexpr const char* kRibsDescription =
    "full-size rib templates of a tapered wing as a PDF at true scale";

/// True for the name of a subcommand the drawing helper runs.
bool isDrawingCommand(std::string_view name);

/// The plot and ribs entries of aerolune-cli's own help: name and
/// description only, since the helper parses their options.
void registerPlotEntry(CLI::App& app, CommandRun& run);
void registerRibsEntry(CLI::App& app, CommandRun& run);

/// Replaces this process by the drawing helper with the same arguments, so
/// its output and exit status are the command's own. Returns only when the
/// helper cannot be started, after saying why on standard error.
/// \return kStatusFailed
int runDrawingHelper(char** argv);

}  // namespace aerolune::cli
