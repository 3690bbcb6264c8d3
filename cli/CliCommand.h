#pragma once
// How a subcommand of aerolune-cli plugs into the program: each lives in its
// own file with one registration function, and main() calls each registration
// once. A registration adds its subcommand and options to the application and,
// when the subcommand is chosen on the command line, hands main() the work to
// run after parsing.

#include <CLI/CLI.hpp>
#include <functional>
#include <stdexcept>
#include <string>

namespace aerolune::cli {

/// Exit statuses: 0 the work was done; 1 it could not be done (a file that
/// cannot be written, a section the builder refuses, an analysis that fails or
/// gives no finite result); 2 the command line itself is wrong (an unknown
/// subcommand or option, a value out of range, a file that cannot be read).
constexpr int kStatusFailed = 1;
constexpr int kStatusUsage = 2;

/// A problem with what the user asked for: main() prints the message as one
/// line on standard error and exits with kStatusUsage.
struct CliError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

/// The request was well formed but the analysis cannot give a result from it:
/// main() prints the message as one line and exits with kStatusFailed, as for
/// any other work that could not be done.
struct AnalysisError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

/// The chosen subcommand's work; its return value is the exit status.
using CommandRun = std::function<int()>;

/// Signature every subcommand's registration function has.
/// \param app the application to add the subcommand to
/// \param run receives the subcommand's work when it is chosen
using RegisterFunction = void (*)(CLI::App& app, CommandRun& run);

/// A subcommand's name beside its registration, so that a command line naming
/// one subcommand sets up that one alone (its options cost more to declare
/// than the work of a short analysis). `name` is the one the function gives
/// its subcommand.
struct Registration {
    const char* name;
    RegisterFunction add;
};

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
