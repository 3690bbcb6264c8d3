// aerolune-cli export: the file "Save ASCII File" writes for one view, after
// the recomputation the program runs when that view is shown.

#include <iostream>
#include <memory>
#include <string>

#include "analysis/FieldRoutine.h"
#include "analysis/Pipeline.h"
#include "cli/BoundaryLayerOptions.h"
#include "cli/CliCommand.h"
#include "cli/CliSeam.h"
#include "cli/OptionChecks.h"
#include "cli/SectionOptions.h"
#include "io/AsciiFile.h"
#include "io/BoundaryLayerExportSource.h"
#include "io/KeptMeshExport.h"

namespace aerolune::cli {

namespace {

/// A view whose data can be saved: its name on the command line, the view code
/// view and, for the boundary-layer view, boundaryLayerPlot.
struct ExportView {
    const char* name;
    int16_t view;
    int16_t boundaryLayerPlot;
};

constexpr ExportView kViews[] = {
    {"coordinates", 1, 0},
    {"cp", 2, 0},
    {"velocity", 3, 0},
    {"mesh", 6, 0},
    {"polar", 10, 0},
    {"bl-upper-profiles", 7, 1},
    {"bl-lower-profiles", 7, 2},
    {"bl-upper-thickness", 7, 3},
    {"bl-lower-thickness", 7, 4},
    {"bl-upper-friction", 7, 5},
    {"bl-lower-friction", 7, 6},
};

struct ExportOptions {
    std::string view;
    SectionOptions section;
    double alpha = 0.0;
    std::string output;
};

const ExportView& viewNamed(const std::string& name) {
    for (const ExportView& v : kViews) {
        if (name == v.name) return v;
    }
    throw CliError("unknown view " + name);  // the option's check lets only known names through
}

// A save that fails is not a usage error: the reason on one line, status 1.
int saveFailed(std::string reason) {
    for (char& c : reason) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    std::cerr << "aerolune-cli: " << reason << '\n';
    return 1;
}

constexpr int16_t kBoundaryLayerView = 7;

// The computation the window does while it draws the view: the mesh view
// brings the mesh it keeps up to date. Nothing is drawn, a message box is
// kept for the reason the save fails, and a separation warning (which does
// not stop the program either) goes to standard error.
class ExportSeam : public SeparationWarningSeam {
public:
    void drawView(AppState& state) override {
        if (state.display.view == kMeshView) computeFieldView(state, kMeshView);
    }
};

int runExport(const ExportOptions& o) {
    const ExportView& view = viewNamed(o.view);
    AppState state = sectionState(o.section, o.alpha);
    state.display.view = view.view;
    if (view.boundaryLayerPlot != 0)
        state.display.boundaryLayerPlot = BoundaryLayerPlot(view.boundaryLayerPlot);

    // A message box of the analysis says its results are not to be trusted;
    // better no file than one that looks sound.
    ExportSeam seam;
    recompute(state, seam);
    try {
        seam.throwIfMessage();
    } catch (const AnalysisError& e) {
        return saveFailed(std::string("nothing saved: ") + e.what());
    }

    AsciiFileSources sources;
    MeshExportInput mesh;
    BoundaryLayerExportInput layer;
    if (view.view == kMeshView) {
        mesh = meshExportInput(state);
        sources.mesh = &mesh;
    }
    if (view.view == kBoundaryLayerView) {
        layer = boundaryLayerExportInput(state);
        sources.boundaryLayer = &layer;
    }
    const WriteResult written = AsciiFile(state, o.output, sources);
    return written.ok ? 0 : saveFailed(written.reason);
}

std::string viewNames() {
    std::string names;
    for (const ExportView& v : kViews) names += (names.empty() ? "" : ", ") + std::string(v.name);
    return names;
}

}  // namespace

void registerExport(CLI::App& app, CommandRun& run) {
    auto options = std::make_shared<ExportOptions>();
    CLI::App* sub =
        app.add_subcommand("export", "save the data of one view as the program's Save ASCII File does");
    std::vector<std::string> names;
    for (const ExportView& v : kViews) names.emplace_back(v.name);
    sub->add_option("view", options->view, "the view to save: " + viewNames())
        ->required()
        ->check(CLI::IsMember(names));
    addSectionOptions(*sub, options->section);
    addAlphaOption(*sub, options->alpha);
    sub->add_option("--output", options->output, "the file to write (replaced only once completely written)")
        ->required()
        ->check(nonEmpty("the output file name"));
    sub->callback([options, &run] { run = [options] { return runExport(*options); }; });
}

}  // namespace aerolune::cli
