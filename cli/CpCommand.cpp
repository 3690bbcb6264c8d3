// aerolune-cli cp: the surface solution of one angle as CSV, lower surface
// first, one row per panel station.

#include <iostream>
#include <memory>

#include "analysis/Pipeline.h"
#include "cli/CliCommand.h"
#include "cli/CliSeam.h"
#include "cli/OptionChecks.h"
#include "cli/SectionOptions.h"

namespace aerolune::cli {

namespace {

struct CpOptions {
    SectionOptions section;
    double alpha = 0.0;
};

int runCp(const CpOptions& o) {
    AppState state = sectionState(o.section, o.alpha);
    CliSeam seam;
    recompute(state, seam);
    seam.throwIfMessage();

    const SectionState& sec = state.section;
    const int32_t half = state.shared.HalfPoints;
    std::cout << "surface,x,cp,v\n";
    for (int32_t i = 1; i <= 2 * half; ++i) {
        std::cout << (i <= half ? "lower" : "upper") << ',' << plainDecimal(sec.controlX(i)) << ','
                  << plainDecimal(sec.surfaceCp(i)) << ',' << plainDecimal(sec.surfaceSpeed(i)) << '\n';
    }
    return 0;
}

}  // namespace

void registerCp(CLI::App& app, CommandRun& run) {
    auto options = std::make_shared<CpOptions>();
    CLI::App* sub = app.add_subcommand("cp", "surface pressure coefficient and velocity ratio as CSV");
    addSectionOptions(*sub, options->section);
    addAlphaOption(*sub, options->alpha);
    sub->callback([options, &run] { run = [options] { return runCp(*options); }; });
}

}  // namespace aerolune::cli
