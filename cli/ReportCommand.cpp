// aerolune-cli report: the report view's lines as text, the three methods'
// coefficients in print zones; or the same figures as JSON or a CSV table
// with one row per method.

#include <cmath>
#include <iostream>
#include <memory>
#include <optional>

#include "analysis/Pipeline.h"
#include "cli/CliCommand.h"
#include "cli/CliSeam.h"
#include "cli/OptionChecks.h"
#include "cli/OutputFormat.h"
#include "cli/ResultField.h"
#include "cli/SectionOptions.h"
#include "print/Report.h"

namespace aerolune::cli {

namespace {

struct ReportOptions {
    SectionOptions section;
    double alpha = 0.0;
    OutputFormat format = OutputFormat::Text;
};

using Figure = std::optional<double>;

// One column of the report: a method's figures, none where the report shows
// "N/A" or "Not Comp.".
struct MethodFigures {
    const char* key;
    Figure cl, cmLe, cmQuarter, alphaZeroLift, centre, cd;
};

// A panel method's column from its lift and leading-edge moment, with the
// report's own rules for the quarter-chord moment and the centre of pressure.
MethodFigures panelFigures(const char* key, double cl, double cmLe, double cd) {
    MethodFigures m{key, cl, cmLe, std::nullopt, std::nullopt, std::nullopt, cd};
    if (cl != 0.0) m.cmQuarter = 0.25 * cl + cmLe;
    if (std::fabs(cl) > print::kCentreOfPressureMinLift) m.centre = -(cmLe / cl) * 100.0;
    return m;
}

std::vector<MethodFigures> reportFigures(const AppState& state) {
    const ThinAirfoilResult& thin = state.analysis.thin;
    const Figure centre = thin.hasCentreOfPressure ? Figure(thin.centreOfPressure) : std::nullopt;
    std::vector<MethodFigures> methods = {
        {"thin_airfoil", thin.ClValue, thin.CmLeValue, thin.CmQuarter, thin.AlphaZeroLift, centre,
         std::nullopt},
        panelFigures("panel", state.section.panelCl.value_or(0.0),
                     state.section.panelCmLeadingEdge.value_or(0.0), state.analysis.drag.cd),
    };
    const BoundaryLayerSolution& bl = state.boundaryLayer;
    if (bl.ok)
        methods.push_back(panelFigures("panel_boundary_layer", bl.cl, bl.cmLe,
                                       state.analysis.boundaryLayerCd.value_or(0.0)));
    else
        methods.push_back({"panel_boundary_layer", {}, {}, {}, {}, {}, {}});
    return methods;
}

std::vector<ResultField> methodFields(const MethodFigures& m) {
    return {optionalField("cl", "cl", m.cl, ""),
            optionalField("cm_le", "cm_le", m.cmLe, ""),
            optionalField("cm_c4", "cm_c4", m.cmQuarter, ""),
            optionalField("alpha_zero_lift", "alpha_zero_lift_deg", m.alphaZeroLift, ""),
            optionalField("centre_of_pressure", "centre_of_pressure_pct_chord", m.centre, ""),
            optionalField("cd", "cd", m.cd, "")};
}

Json reportInputs(const ReportOptions& o, const AppState& state) {
    Json inputs = sectionInputs(o.section, state);
    inputs["alpha_deg"] = jsonNumber(state.section.angleDeg);
    return inputs;
}

void printText(const AppState& state) {
    const std::vector<print::ReportLine> lines = print::reportLines(state);
    const int zone = print::reportZoneWidth(lines);
    for (const print::ReportLine& line : lines) std::cout << print::reportLineText(line, zone) << '\n';
}

void printCsv(const std::vector<MethodFigures>& methods) {
    std::vector<Json> header{"method"};
    for (const Json& key : fieldKeys(methodFields(methods.front()))) header.push_back(key);
    std::cout << csvLine(header);
    for (const MethodFigures& m : methods) {
        std::vector<Json> row{m.key};
        for (const Json& value : fieldValues(methodFields(m))) row.push_back(value);
        std::cout << csvLine(row);
    }
}

void printJson(const ReportOptions& o, const AppState& state, const std::vector<MethodFigures>& methods,
               const std::vector<std::string>& notices) {
    Json results = Json::object();
    for (const MethodFigures& m : methods) results[m.key] = fieldsObject(methodFields(m));
    printJsonLine(std::cout,
                  Json{{"inputs", reportInputs(o, state)}, {"results", results}, {"notices", notices}});
}

int runReport(const ReportOptions& o) {
    SectionSetup setup = sectionSetup(o.section, o.alpha);
    for (const std::string& notice : setup.notices) std::cerr << "aerolune-cli: " << notice << '\n';
    AppState& state = setup.state;
    state.display.view = 8;  // the report view brings the boundary layer up to date
    CliSeam seam;
    recompute(state, seam);
    seam.throwIfMessage();
    switch (o.format) {
        case OutputFormat::Text:
            printText(state);
            break;
        case OutputFormat::Csv:
            printCsv(reportFigures(state));
            break;
        case OutputFormat::Json:
            printJson(o, state, reportFigures(state), setup.notices);
            break;
    }
    return 0;
}

}  // namespace

void registerReport(CLI::App& app, CommandRun& run) {
    auto options = std::make_shared<ReportOptions>();
    CLI::App* sub =
        app.add_subcommand("report", "the report view: thin airfoil, panel and boundary-layer figures");
    addSectionOptions(*sub, options->section);
    addAlphaOption(*sub, options->alpha);
    addFormatOption(*sub, options->format);
    sub->callback([options, &run] { run = [options] { return runReport(*options); }; });
}

}  // namespace aerolune::cli
