// aerolune-cli analyse: the results panel of one recomputation as
// "name = value" lines.

#include <iostream>
#include <memory>

#include "analysis/LinAero.h"
#include "analysis/Pipeline.h"
#include "cli/BoundaryLayerOptions.h"
#include "cli/CliCommand.h"
#include "cli/CliSeam.h"
#include "cli/OptionChecks.h"
#include "cli/SectionOptions.h"

namespace aerolune::cli {

namespace {

struct AnalyseOptions {
    SectionOptions section;
    double alpha = 0.0;
    BoundaryLayerOptions layer;
};

void printLine(const std::string& name, const std::string& value) { std::cout << name << " = " << value << '\n'; }
void printLine(const std::string& name, double value) { printLine(name, plainDecimal(value)); }

int runAnalyse(const AnalyseOptions& o) {
    AppState state = sectionState(o.section, o.alpha);
    applyBoundaryLayerOptions(state, o.layer);
    SeparationWarningSeam seam;
    recompute(state, seam);
    seam.throwIfMessage();

    const SectionState& sec = state.section;
    const AnalysisResults& a = state.analysis;
    printLine("section", state.texts.Text1);
    printLine("alpha", sec.AlphaDeg);
    printLine("points", 2.0 * state.shared.HalfPoints);
    printLine("panel_cl", sec.PanelCl.toDouble());
    printLine("panel_cm_le", sec.PanelCm.toDouble());
    printLine("cl", sec.ClValue);
    printLine("cm_le", sec.CmLeValue);
    printLine("cm_c4", sec.CmQuarter.toDouble());
    printLine("alpha_zero_lift", sec.AlphaZeroLift.toDouble());
    printLine("centre_of_pressure", a.thin.hasCentreOfPressure ? plainDecimal(a.thin.centreOfPressure) : "N/A");
    printLine("cd", a.drag.cd);
    printLine("effective_alpha", a.EffectiveAngle);
    printLine("stalled", a.StallFlag);
    printLine("stag_point", state.pub.StagPoint.toDouble());
    printLine("transition_upper_x", a.drag.transitionUpperX);
    printLine("transition_lower_x", a.drag.transitionLowerX);
    const LinAero& aero = *state.priv.AeroObject;
    const float A[] = {aero.A0, aero.A1, aero.A2, aero.A3, aero.A4, aero.A5, aero.A6, aero.A7, aero.A8};
    for (int k = 0; k <= 8; ++k) printLine("a" + std::to_string(k), A[k]);
    if (o.layer.enabled) printBoundaryLayerResults(std::cout, state);
    return 0;
}

}  // namespace

void registerAnalyse(CLI::App& app, CommandRun& run) {
    auto options = std::make_shared<AnalyseOptions>();
    CLI::App* sub = app.add_subcommand("analyse", "results panel of one angle: coefficients, drag, stall, transition");
    addSectionOptions(*sub, options->section);
    addAlphaOption(*sub, options->alpha);
    addBoundaryLayerOptions(*sub, options->layer);
    sub->callback([options, &run] { run = [options] { return runAnalyse(*options); }; });
}

}  // namespace aerolune::cli
