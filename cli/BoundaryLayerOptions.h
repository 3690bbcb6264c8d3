#pragma once
// aerolune-cli analyse --bl: the finite-difference boundary layer with the
// settings dialog's choices as options, its separation warnings on standard
// error and its results as further fields of the output.

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "analysis/AppState.h"
#include "cli/CliSeam.h"
#include "cli/ResultField.h"

namespace aerolune::cli {

struct BoundaryLayerOptions {
    bool enabled = false;           ///< --bl
    std::string model = "natural";  ///< laminar, separation or natural (transitionModel 1, 2, 3)
    int points = 32;                ///< points across the layer
    int limit = 50;                 ///< grid height, Blasius thicknesses
    double roughness = 0.0;         ///< roughness, chords; 0 for a smooth wall
};

/// Adds --bl, --bl-model, --bl-points, --bl-limit and --roughness.
void addBoundaryLayerOptions(CLI::App& sub, BoundaryLayerOptions& options);

/// The settings as the boundary-layer dialog's OK leaves them, with the
/// layer pending only when --bl asks for it.
void applyBoundaryLayerOptions(AppState& state, const BoundaryLayerOptions& options);

/// The settings as inputs of the JSON and CSV output.
Json boundaryLayerInputs(const BoundaryLayerOptions& options);

/// The window of the command line with the separation warning: its caption
/// as one line on standard error, and kept for the JSON output's notices.
class SeparationWarningSeam : public CliSeam {
public:
    void showSeparationWarning(const std::string& caption) override;
    const std::vector<std::string>& warnings() const { return warnings_; }

private:
    std::vector<std::string> warnings_;
};

/// cl_bl, cm_bl (about the leading edge), cd_bl (boundaryLayerCd), separation_upper_x
/// and separation_lower_x, transition_upper_x_bl and transition_lower_x_bl
/// (fraction of chord, or "none").
std::vector<ResultField> boundaryLayerFields(const AppState& state);

}  // namespace aerolune::cli
