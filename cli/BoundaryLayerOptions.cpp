#include "cli/BoundaryLayerOptions.h"

#include <cmath>
#include <iostream>
#include <map>

#include "cli/OptionChecks.h"

namespace aerolune::cli {

namespace {

const std::map<std::string, int16_t> kModels = {{"laminar", 1}, {"separation", 2}, {"natural", 3}};

void printLine(std::ostream& out, const std::string& name, const std::string& value) {
    out << name << " = " << value << '\n';
}

std::string separationText(const BoundaryLayerSurface& surface) {
    return surface.separated ? plainDecimal(surface.separationX) : "none";
}

// Chord position of the first turbulent station, "none" for a layer laminar
// to where it ends.
std::string transitionText(const BoundaryLayerSurface& surface) {
    const int32_t k = surface.transitionStation;
    return k >= 1 && k <= surface.n ? plainDecimal(surface.x(k)) : "none";
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
    state.pub.BlOptions = Variant(kModels.at(o.model));
    state.pub.BlPoints = Variant(static_cast<int16_t>(o.points));
    state.pub.BlLimit = Variant(static_cast<int16_t>(o.limit));
    state.pub.BlRough = Variant(o.roughness);
    state.pub.CompBlFlag = Variant(int16_t{1});
    state.priv.BlUpdatePending = o.enabled ? 1 : 0;
}

void SeparationWarningSeam::showSeparationWarning(const std::string& caption) {
    std::cerr << caption << '\n';
}

void printBoundaryLayerResults(std::ostream& out, const AppState& state) {
    const BoundaryLayerSolution& bl = state.boundaryLayer;
    printLine(out, "cl_bl", plainDecimal(bl.cl));
    printLine(out, "cm_bl", plainDecimal(bl.cmLe));
    printLine(out, "cd_bl", plainDecimal(bl.CdCFD));
    printLine(out, "separation_upper_x", separationText(bl.upper));
    printLine(out, "separation_lower_x", separationText(bl.lower));
    printLine(out, "transition_upper_x_bl", transitionText(bl.upper));
    printLine(out, "transition_lower_x_bl", transitionText(bl.lower));
}

}  // namespace aerolune::cli
