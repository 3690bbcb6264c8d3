#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "cli/DrawingCommands.h"

namespace aerolune::cli {

namespace {

// Where the helper is looked for: beside this executable (the build tree,
// or an installation that keeps both in one folder), then in the libexec
// folder of an installation, given relative to the binary folder.
std::filesystem::path helperPath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = error ? std::filesystem::path(".") : self.parent_path();
    const std::filesystem::path candidates[] = {
        folder / AEROLUNE_DRAW_HELPER_NAME,
        folder / AEROLUNE_DRAW_HELPER_LIBEXEC / AEROLUNE_DRAW_HELPER_NAME,
    };
    for (const std::filesystem::path& candidate : candidates)
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    return candidates[0];
}

void addEntry(CLI::App& app, const char* name, const char* description) {
    CLI::App* sub = app.add_subcommand(name, description);
    // Its options are the helper's to read.
    sub->prefix_command();
    sub->footer("Run \"" + std::string(name) + " --help\" for its options.");
}

}  // namespace

bool isDrawingCommand(std::string_view name) { return name == "plot" || name == "ribs"; }

void registerPlotEntry(CLI::App& app, CommandRun&) { addEntry(app, "plot", kPlotDescription); }
void registerRibsEntry(CLI::App& app, CommandRun&) { addEntry(app, "ribs", kRibsDescription); }

int runDrawingHelper(char** argv) {
    const std::filesystem::path helper = helperPath();
    ::execv(helper.c_str(), argv);
    const int reason = errno;
    std::cerr << "aerolune-cli: the drawing helper " << helper.string()
              << " cannot be started: " << std::strerror(reason) << '\n';
    return kStatusFailed;
}

}  // namespace aerolune::cli
