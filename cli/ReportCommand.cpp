// aerolune-cli report: the report view's lines as text, the three methods'
// coefficients in print zones.

#include <iostream>
#include <memory>

#include "analysis/Pipeline.h"
#include "cli/CliCommand.h"
#include "cli/CliSeam.h"
#include "cli/OptionChecks.h"
#include "cli/SectionOptions.h"
#include "print/Report.h"

namespace aerolune::cli {

namespace {

struct ReportOptions {
    SectionOptions section;
    double alpha = 0.0;
};

int runReport(const ReportOptions& o) {
    AppState state = sectionState(o.section, o.alpha);
    state.pub.VFlag = Variant(int16_t{8});  // the report view brings the boundary layer up to date
    CliSeam seam;
    recompute(state, seam);
    seam.throwIfMessage();
    const std::vector<print::ReportLine> lines = print::reportLines(state);
    const int zone = print::reportZoneWidth(lines);
    for (const print::ReportLine& line : lines) std::cout << print::reportLineText(line, zone) << '\n';
    return 0;
}

}  // namespace

void registerReport(CLI::App& app, CommandRun& run) {
    auto options = std::make_shared<ReportOptions>();
    CLI::App* sub =
        app.add_subcommand("report", "the report view: thin airfoil, panel and boundary-layer figures");
    addSectionOptions(*sub, options->section);
    addAlphaOption(*sub, options->alpha);
    sub->callback([options, &run] { run = [options] { return runReport(*options); }; });
}

}  // namespace aerolune::cli
