#pragma once
// The section options every subcommand takes, and the application state they
// describe: the designation (as the section dialogs would build it) or a
// coordinate file, the point count, the flap, the Reynolds number and the
// analysis model.

#include <CLI/CLI.hpp>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

#include "analysis/AppState.h"

namespace aerolune::cli {

struct SectionOptions {
    std::string naca;                ///< designation digits; "0012" when neither this nor file is given
    std::string file;                ///< coordinate file
    std::vector<std::string> files;  ///< coordinate files of a batch (FileCount::Many)
    int points = 120;                ///< points about the section
    double flapLength = 0.0;         ///< per cent chord
    double flapDeflection = 0.0;     ///< degrees
    bool flapGiven = false;
    double re = 1e6;
    std::string model = "simple";
};

/// Whether --file names one section, or may be repeated (or followed by
/// several names, as a shell glob gives them) for a batch.
enum class FileCount { One, Many };

/// Adds --naca, --file, --points, --flap-length, --flap-deflection, --re and
/// --model to a subcommand. With FileCount::Many the files go to
/// options.files and options.file stays empty.
void addSectionOptions(CLI::App& sub, SectionOptions& options, FileCount files = FileCount::One);

/// Checks a designation the way the section dialogs build one: 4 digits
/// (camber 0-9, position 0-9 and at least 1 when cambered, thickness 01-30)
/// or 5 digits (design-lift digit, camber position 10-50, thickness 01-30).
/// \return empty when valid, else what is wrong with it
std::string designationProblem(const std::string& digits);

/// The application state for the options, as the program stands after the
/// section dialogs' OK: designation or file section, flap, points, Reynolds
/// number and model; the angle in angleText and angleReadout. Throws CliError when a
/// file cannot be read or an option makes no sense.
/// \param options the parsed section options
/// \param alphaDeg angle of attack, degrees
AppState sectionState(const SectionOptions& options, double alphaDeg);

/// The state for the options and what reading the coordinate file noticed
/// about it (each as "FILE: notice"), for a caller that reports notices
/// itself; sectionState prints them on standard error.
struct SectionSetup {
    AppState state;
    std::vector<std::string> notices;
};
SectionSetup sectionSetup(const SectionOptions& options, double alphaDeg);

/// The inputs of a run as JSON and CSV fields: the section's name (and its
/// file), the point count, Reynolds number, model and flap.
/// \param state the state sectionState built from the options
nlohmann::ordered_json sectionInputs(const SectionOptions& options, const AppState& state);

}  // namespace aerolune::cli
