// aerolune-cli dxf: the section contour as the program's DXF export writes it.

#include <iostream>
#include <memory>
#include <string>

#include "analysis/Pipeline.h"
#include "cli/CliCommand.h"
#include "cli/CliSeam.h"
#include "cli/OptionChecks.h"
#include "cli/SectionOptions.h"
#include "io/DxfFile.h"

namespace aerolune::cli {

namespace {

struct DxfOptions {
    SectionOptions section;
    std::string output;
};

// A save that fails is not a usage error: the reason on one line, status 1.
int saveFailed(std::string reason) {
    for (char& c : reason) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    std::cerr << "aerolune-cli: " << reason << '\n';
    return 1;
}

int runDxf(const DxfOptions& o) {
    // The contour is the one the airfoil view shows after a recomputation at
    // the starting angle.
    AppState state = sectionState(o.section, 0.0);
    CliSeam seam;
    recompute(state, seam);
    try {
        seam.throwIfMessage();
    } catch (const AnalysisError& e) {
        return saveFailed(std::string("nothing saved: ") + e.what());
    }

    // Nodes 1..TotalPoints, as the export command passes them: the closing
    // node TotalPoints + 1 is not among them, so there is no line from the
    // last node back to the trailing edge.
    const WriteResult written =
        WriteDxfFile(o.output, state.section.nodeX, state.section.nodeY, state.shared.TotalPoints.toInt());
    return written.ok ? 0 : saveFailed(written.reason);
}

}  // namespace

void registerDxf(CLI::App& app, CommandRun& run) {
    auto options = std::make_shared<DxfOptions>();
    CLI::App* sub =
        app.add_subcommand("dxf", "save the section contour as a DXF drawing, as the program exports it");
    addSectionOptions(*sub, options->section);
    sub->add_option("--output", options->output, "the file to write (replaced only once completely written)")
        ->required()
        ->check(nonEmpty("the output file name"));
    sub->callback([options, &run] { run = [options] { return runDxf(*options); }; });
}

}  // namespace aerolune::cli
