#pragma once
// The command line's common frame: the application with its description and
// exit-status footer, the subcommands a program registers, parsing, and the
// mapping of every error to one line on standard error and its exit status.
// aerolune-cli and its drawing helper both run through it, so both read and
// fail alike.

#include <span>

#include "cli/CliCommand.h"

namespace aerolune::cli {

/// Parses the command line against the given subcommands and runs the one
/// chosen.
/// \param argc, argv the process's arguments; argv[0] names the program in help
/// \param registrations one registration per subcommand, in the order --help lists them
/// \return the exit status
int runCommandLine(int argc, char** argv, std::span<const Registration> registrations);

}  // namespace aerolune::cli
