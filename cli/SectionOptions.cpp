#include "cli/SectionOptions.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iostream>
#include <utility>

#include "analysis/PolarLayerModel.h"
#include "analysis/ResultsPanel.h"
#include "cli/CliCommand.h"
#include "cli/OptionChecks.h"
#include "cli/OutputFormat.h"
#include "common/NumberText.h"
#include "geometry/NacaDigits.h"
#include "geometry/SectionDefinition.h"
#include "io/AirfoilFileReader.h"

namespace aerolune::cli {

namespace {

constexpr int kMinPoints = 40;
constexpr int kMaxPoints = 340;

void applyModel(AppState& state, const std::string& model) {
    const bool semi = model == "semi";
    const bool layer = model == "layer";
    state.settings.dragModel = layer  ? DragModel::CoupledLayer
                               : semi ? DragModel::SemiEmpirical
                                      : DragModel::Linear;
    state.settings.useEffectiveAngle = semi;
}

void applyFlap(AppState& state, const SectionOptions& o) {
    if (!o.flapGiven) return;
    state.shared.FlapLength = Variant(o.flapLength);
    state.shared.FlapDeflection = Variant(o.flapDeflection);
    state.section.flapAngleRad = flapRadians(o.flapDeflection);
    state.section.flapHingeX = flapHinge(o.flapLength);
    setFlapReadouts(state.texts, o.flapDeflection, o.flapLength);
}

void applySection(AppState& state, const SectionOptions& o, std::vector<std::string>& notices) {
    if (!o.file.empty()) {
        std::string name;
        const ReadAirfoilResult read = ReadAirfoil(o.file, name, state.section.file);
        if (!read.ok) throw CliError("cannot read the coordinate file " + o.file + ": " + read.reason);
        if (!read.notice.empty()) notices.push_back(o.file + ": " + read.notice);
        state.texts.sectionName = name;
        state.section.fromFile = true;
        return;
    }
    const std::string digits = o.naca.empty() ? "0012" : o.naca;
    if (const std::string problem = designationProblem(digits); !problem.empty())
        throw CliError("--naca " + digits + ": " + problem);
    state.texts.sectionName = digits;
    state.section.fromFile = false;
    state.shared.SectionFamily = Variant(int16_t(digits.size() == 5 ? 5 : 4));
}

}  // namespace

void addSectionOptions(CLI::App& sub, SectionOptions& o, FileCount files) {
    auto* naca = sub.add_option("--naca", o.naca, "NACA designation, 4 or 5 digits (default 0012)")
                     ->check(nonEmpty("the designation"));
    auto* file = files == FileCount::Many
                     ? sub.add_option("--file", o.files,
                                      "coordinate files of general sections: repeat --file, or give several "
                                      "names after it (a shell glob), to run them across the cores")
                     : sub.add_option("--file", o.file, "coordinate file of a general section");
    file->check(nonEmpty("the file name"));
    naca->excludes(file);
    sub.add_option("--points", o.points, "points about the section, even, 40..340")
        ->capture_default_str()
        ->check(decimalNumber("the point count"))
        ->check(CLI::Range(kMinPoints, kMaxPoints))
        ->check(CLI::Validator(
            [](const std::string& text) {
                return std::stoi(text) % 2 == 0 ? std::string() : "the point count must be even";
            },
            "EVEN"));
    sub.add_option("--flap-length", o.flapLength, "flap length, per cent chord, 0..50")
        ->check(finiteWithin(0.0, 50.0, "the flap length", "per cent chord"))
        ->each([&o](const std::string&) { o.flapGiven = true; });
    sub.add_option("--flap-deflection", o.flapDeflection, "flap deflection, degrees, -30..30")
        ->check(finiteWithin(-30.0, 30.0, "the flap deflection", "degrees"))
        ->each([&o](const std::string&) { o.flapGiven = true; });
    sub.add_option("--re", o.re, "Reynolds number on the chord, 1e3..1e9")
        ->capture_default_str()
        ->check(withinRule(kReynoldsRule));
    sub.add_option("--model", o.model,
                   "the aerodynamic model. simple: thin-airfoil lift at the angle set, drag from the "
                   "boundary-layer estimate with flat-plate turbulent surfaces; semi: the estimate's own "
                   "drag, lift and moment at its effective angle; layer: the integral boundary layer and "
                   "wake coupled to the flow, solved at each angle (e^N transition at Ncrit 9, laminar "
                   "bubbles; seconds for a polar), a row that does not converge marked not computed")
        ->capture_default_str()
        ->check(CLI::IsMember({"simple", "semi", "layer"}));
}

std::string designationProblem(const std::string& digits) {
    const std::optional<NacaDigits> parsed = nacaDigits(digits);
    if (!parsed) return "a designation is 4 or 5 decimal digits";
    return nacaDigitsProblem(*parsed);
}

AppState sectionState(const SectionOptions& o, double alphaDeg) {
    SectionSetup setup = sectionSetup(o, alphaDeg);
    for (const std::string& notice : setup.notices) std::cerr << "aerolune-cli: " << notice << '\n';
    return std::move(setup.state);
}

SectionSetup sectionSetup(const SectionOptions& o, double alphaDeg) {
    SectionSetup setup;
    AppState& state = setup.state;
    applySection(state, o, setup.notices);
    applyFlap(state, o);
    applyModel(state, o.model);
    state.shared.HalfPoints = halfPointsFromTotal(o.points);
    state.shared.TotalPoints = Variant(int16_t(2 * state.shared.HalfPoints));
    state.flow.reynolds = o.re;
    state.texts.angleText = formatGeneral(alphaDeg);
    // The read-out as the program shows it, "0 Deg." as it starts.
    state.texts.angleReadout = state.texts.angleText + " Deg.";
    state.shared.DialogCancelled = Variant(int16_t{0});
    // The finite-difference boundary layer only when a subcommand asks for it
    // (analyse --bl).
    state.analysis.boundaryLayerPending = false;
    return setup;
}

Json sectionInputs(const SectionOptions& o, const AppState& state) {
    Json inputs = Json::object();
    inputs["section"] = state.texts.sectionName;
    if (!o.file.empty()) inputs["file"] = o.file;
    inputs["points"] = 2 * state.shared.HalfPoints;
    inputs["reynolds"] = jsonNumber(o.re);
    inputs["model"] = o.model;
    inputs["flap_length_pct_chord"] = jsonNumber(o.flapGiven ? o.flapLength : 0.0);
    inputs["flap_deflection_deg"] = jsonNumber(o.flapGiven ? o.flapDeflection : 0.0);
    return inputs;
}

}  // namespace aerolune::cli
