#pragma once
// How a subcommand of aerolune-cli plugs into the program: each lives in its
// own file with one registration function, and main() calls each registration
// once. A registration adds its subcommand and options to the application and,
// when the subcommand is chosen on the command line, hands main() the work to
// run after parsing.

#include <functional>
#include <stdexcept>
#include <string>

#include <CLI/CLI.hpp>

namespace aerolune::cli {

/// A problem with what the user asked for: main() prints the message as one
/// line on standard error and exits with status 2.
struct CliError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

/// The chosen subcommand's work; its return value is the exit status.
using CommandRun = std::function<int()>;

/// Signature every subcommand's registration has.
/// \param app the application to add the subcommand to
/// \param run receives the subcommand's work when it is chosen
using Registration = void (*)(CLI::App& app, CommandRun& run);

void registerAnalyse(CLI::App& app, CommandRun& run);
void registerPolar(CLI::App& app, CommandRun& run);
void registerCp(CLI::App& app, CommandRun& run);
void registerField(CLI::App& app, CommandRun& run);
void registerExport(CLI::App& app, CommandRun& run);
void registerDxf(CLI::App& app, CommandRun& run);
void registerPlot(CLI::App& app, CommandRun& run);
void registerRibs(CLI::App& app, CommandRun& run);
void registerReport(CLI::App& app, CommandRun& run);

}  // namespace aerolune::cli
