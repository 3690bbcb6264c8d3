// aerolune-cli polar: the lift-drag polar of the section, laid out as the
// program's polar export writes it.

#include <iostream>
#include <memory>

#include "analysis/Polar.h"
#include "analysis/SectionGuard.h"
#include "cli/CliCommand.h"
#include "cli/CliSeam.h"
#include "cli/SectionOptions.h"
#include "geometry/SectionDefinition.h"
#include "io/PolarExport.h"

namespace aerolune::cli {

namespace {

int runPolar(const SectionOptions& o) {
    AppState state = sectionState(o, 0.0);
    state.section.SectionNumber = sectionNumberFromText(state.texts.Text1);
    CliSeam seam;
    if (!guardSection(state, seam)) seam.throwIfMessage();
    Polar(state, seam, 2 * state.shared.HalfPoints);
    // A sweep stopped by an error still prints the points it reached.
    std::cout << polarExportText(polarExportBlocks(state.analysis.polars, state.priv.PolarCount));
    std::cout.flush();
    seam.throwIfMessage();
    return 0;
}

}  // namespace

void registerPolar(CLI::App& app, CommandRun& run) {
    auto options = std::make_shared<SectionOptions>();
    CLI::App* sub = app.add_subcommand("polar", "lift-drag polar from -20 to 20 degrees, as the polar export");
    addSectionOptions(*sub, *options);
    sub->callback([options, &run] { run = [options] { return runPolar(*options); }; });
}

}  // namespace aerolune::cli
