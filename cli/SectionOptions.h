#pragma once
// The section options every subcommand takes, and the application state they
// describe: the designation (as the section dialogs would build it) or a
// coordinate file, the point count, the flap, the Reynolds number and the
// analysis model.

#include <string>

#include <CLI/CLI.hpp>

#include "analysis/AppState.h"

namespace aerolune::cli {

struct SectionOptions {
    std::string naca;             ///< designation digits; "0012" when neither this nor file is given
    std::string file;             ///< coordinate file
    int points = 120;             ///< points about the section
    double flapLength = 0.0;      ///< per cent chord
    double flapDeflection = 0.0;  ///< degrees
    bool flapGiven = false;
    double re = 1e6;
    std::string model = "simple";
};

/// Adds --naca, --file, --points, --flap-length, --flap-deflection, --re and
/// --model to a subcommand.
void addSectionOptions(CLI::App& sub, SectionOptions& options);

/// Checks a designation the way the section dialogs build one: 4 digits
/// (camber 0-9, position 0-9 and at least 1 when cambered, thickness 01-30)
/// or 5 digits (design-lift digit, camber position 10-50, thickness 01-30).
/// \return empty when valid, else what is wrong with it
std::string designationProblem(const std::string& digits);

/// The application state for the options, as the program stands after the
/// section dialogs' OK: designation or file section, flap, points, Reynolds
/// number and model; the angle in Text2 and Text5. Throws CliError when a
/// file cannot be read or an option makes no sense.
/// \param options the parsed section options
/// \param alphaDeg angle of attack, degrees
AppState sectionState(const SectionOptions& options, double alphaDeg);

}  // namespace aerolune::cli
