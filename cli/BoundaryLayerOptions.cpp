#include "cli/BoundaryLayerOptions.h"

#include <cmath>
#include <iostream>
#include <map>
#include <optional>

#include "cli/OptionChecks.h"

namespace aerolune::cli {

namespace {

const std::map<std::string, TransitionModel> kModels = {{"laminar", TransitionModel::AlwaysLaminar},
                                                        {"separation", TransitionModel::OnLaminarSeparation},
                                                        {"natural", TransitionModel::Natural}};

std::optional<double> separationX(const BoundaryLayerSurface& surface) {
    if (!surface.separated) return std::nullopt;
    return surface.separationX;
}

// Chord position of the first turbulent station; none for a layer laminar
// to where it ends.
std::optional<double> transitionX(const BoundaryLayerSurface& surface) {
    const int32_t k = surface.transitionStation;
    if (k < 1 || k > surface.n) return std::nullopt;
    return surface.x(k);
}

}  // namespace

void addBoundaryLayerOptions(CLI::App& sub, BoundaryLayerOptions& o) {
    sub.add_flag("--bl", o.enabled,
                 "also the finite-difference boundary layer: cl_bl, cm_bl, cd_bl, separations");
    sub.add_option("--bl-model", o.model,
                   "transition: laminar (none), separation (where the laminar layer separates), natural")
        ->capture_default_str()
        ->check(CLI::IsMember({"laminar", "separation", "natural"}));
    sub.add_option("--bl-points", o.points, "points across the boundary layer, 16..64")
        ->capture_default_str()
        ->check(decimalNumber("the boundary-layer point count"))
        ->check(CLI::Range(16, 64));
    sub.add_option("--bl-limit", o.limit, "boundary-layer grid height (Blasius parameter), 10..100")
        ->capture_default_str()
        ->check(decimalNumber("the boundary-layer grid height"))
        ->check(CLI::Range(10, 100));
    sub.add_option("--roughness", o.roughness, "wall roughness, chords; 0 for natural transition")
        ->capture_default_str()
        ->check(finiteWithin(0.0, 0.1, "the roughness", "chords"));
}

void applyBoundaryLayerOptions(AppState& state, const BoundaryLayerOptions& o) {
    state.flow.transitionModel = kModels.at(o.model);
    state.settings.boundaryLayerPoints = o.points;
    state.settings.boundaryLayerHeight = o.limit;
    state.flow.roughness = o.roughness;
    state.settings.boundaryLayerRequested = true;
    state.analysis.boundaryLayerPending = o.enabled;
}

Json boundaryLayerInputs(const BoundaryLayerOptions& o) {
    Json inputs = Json::object();
    inputs["bl_model"] = o.model;
    inputs["bl_points"] = o.points;
    inputs["bl_limit"] = o.limit;
    inputs["roughness_chords"] = jsonNumber(o.roughness);
    return inputs;
}

void SeparationWarningSeam::showSeparationWarning(const std::string& caption) {
    std::cerr << caption << '\n';
    warnings_.push_back(caption);
}

std::vector<ResultField> boundaryLayerFields(const AppState& state) {
    const BoundaryLayerSolution& bl = state.boundaryLayer;
    return {
        numberField("cl_bl", "cl_bl", bl.cl),
        numberField("cm_bl", "cm_bl", bl.cmLe),
        numberField("cd_bl", "cd_bl", bl.boundaryLayerCd),
        optionalField("separation_upper_x", "separation_upper_x_chords", separationX(bl.upper), "none"),
        optionalField("separation_lower_x", "separation_lower_x_chords", separationX(bl.lower), "none"),
        optionalField("transition_upper_x_bl", "transition_upper_x_bl_chords", transitionX(bl.upper), "none"),
        optionalField("transition_lower_x_bl", "transition_lower_x_bl_chords", transitionX(bl.lower), "none"),
    };
}

}  // namespace aerolune::cli
