// aerolune-cli analyse: the results panel of one recomputation as
// "name = value" lines, one JSON object or a CSV row.

#include <iostream>
#include <memory>

#include "analysis/LinAero.h"
#include "analysis/Pipeline.h"
#include "analysis/PolarLayerModel.h"
#include "cli/BoundaryLayerOptions.h"
#include "cli/CliCommand.h"
#include "cli/CliSeam.h"
#include "cli/LayerAnalysis.h"
#include "cli/OptionChecks.h"
#include "cli/OutputFormat.h"
#include "cli/ResultField.h"
#include "cli/SectionOptions.h"

namespace aerolune::cli {

namespace {

struct AnalyseOptions {
    SectionOptions section;
    double alpha = 0.0;
    BoundaryLayerOptions layer;
    OutputFormat format = OutputFormat::Text;
};

std::vector<ResultField> analyseResults(const AppState& state, bool withLayer) {
    const SectionState& sec = state.section;
    const AnalysisResults& a = state.analysis;
    const std::optional<double> centre =
        a.thin.hasCentreOfPressure ? std::optional<double>(a.thin.centreOfPressure) : std::nullopt;
    std::vector<ResultField> fields = {
        numberField("panel_cl", "panel_cl", sec.panelCl.value_or(0.0)),
        numberField("panel_cm_le", "panel_cm_le", sec.panelCmLeadingEdge.value_or(0.0)),
        numberField("cl", "cl", sec.cl),
        numberField("cm_le", "cm_le", sec.cmLeadingEdge),
        numberField("cm_c4", "cm_c4", sec.cmQuarterChord.value_or(0.0)),
        numberField("alpha_zero_lift", "alpha_zero_lift_deg", sec.zeroLiftAngleDeg.value_or(0.0)),
        optionalField("centre_of_pressure", "centre_of_pressure_pct_chord", centre, "N/A"),
        numberField("cd", "cd", a.drag.cd),
        numberField("effective_alpha", "effective_alpha_deg", a.effectiveAngleDeg),
        flagField("stalled", "stalled", a.stalled != 0),
        numberField("stag_point", "stag_point", state.analysis.stagnationIndex),
        numberField("transition_upper_x", "transition_upper_x_chords", a.drag.transitionUpperX),
        numberField("transition_lower_x", "transition_lower_x_chords", a.drag.transitionLowerX),
    };
    const LinAero& aero = *state.analysis.thinAirfoilModel;
    const float A[] = {aero.A0, aero.A1, aero.A2, aero.A3, aero.A4, aero.A5, aero.A6, aero.A7, aero.A8};
    for (int k = 0; k <= 8; ++k) {
        const std::string name = "a" + std::to_string(k);
        fields.push_back(numberField(name, name, A[k]));
    }
    if (withLayer)
        for (ResultField& f : boundaryLayerFields(state)) fields.push_back(std::move(f));
    return fields;
}

Json analyseInputs(const AnalyseOptions& o, const AppState& state) {
    Json inputs = sectionInputs(o.section, state);
    inputs["alpha_deg"] = jsonNumber(state.section.angleDeg);
    if (o.layer.enabled) inputs.update(boundaryLayerInputs(o.layer));
    return inputs;
}

void printText(const AppState& state, const std::vector<ResultField>& results) {
    printNameValues(std::cout, {textField("section", "section", state.texts.sectionName),
                                numberField("alpha", "alpha_deg", state.section.angleDeg),
                                numberField("points", "points", 2.0 * state.shared.HalfPoints)});
    printNameValues(std::cout, results);
}

void printCsv(const Json& inputs, const std::vector<ResultField>& results) {
    std::vector<Json> header, row;
    for (const auto& [key, value] : inputs.items()) {
        header.emplace_back(key);
        row.push_back(value);
    }
    for (const Json& key : fieldKeys(results)) header.push_back(key);
    for (const Json& value : fieldValues(results)) row.push_back(value);
    std::cout << csvLine(header) << csvLine(row);
}

int runAnalyse(const AnalyseOptions& o) {
    SectionSetup setup = sectionSetup(o.section, o.alpha);
    for (const std::string& notice : setup.notices) std::cerr << "aerolune-cli: " << notice << '\n';
    AppState& state = setup.state;
    applyBoundaryLayerOptions(state, o.layer);
    SeparationWarningSeam seam;
    recompute(state, seam);
    seam.throwIfMessage();

    std::vector<ResultField> results = analyseResults(state, o.layer.enabled);
    if (state.settings.dragModel == DragModel::CoupledLayer) useLayerRow(results, layerRowAtAngle(state));
    switch (o.format) {
        case OutputFormat::Text:
            printText(state, results);
            break;
        case OutputFormat::Csv:
            printCsv(analyseInputs(o, state), results);
            break;
        case OutputFormat::Json: {
            Json notices = setup.notices;
            for (const std::string& warning : seam.warnings()) notices.push_back(warning);
            printJsonLine(std::cout, Json{{"inputs", analyseInputs(o, state)},
                                          {"results", fieldsObject(results)},
                                          {"notices", notices}});
            break;
        }
    }
    return 0;
}

}  // namespace

void registerAnalyse(CLI::App& app, CommandRun& run) {
    auto options = std::make_shared<AnalyseOptions>();
    CLI::App* sub =
        app.add_subcommand("analyse", "results panel of one angle: coefficients, drag, stall, transition");
    addSectionOptions(*sub, options->section);
    addAlphaOption(*sub, options->alpha);
    addBoundaryLayerOptions(*sub, options->layer);
    addFormatOption(*sub, options->format);
    sub->callback([options, &run] { run = [options] { return runAnalyse(*options); }; });
}

}  // namespace aerolune::cli
