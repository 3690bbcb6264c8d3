#pragma once
// The recomputation with its boundary layer on a given section, angle and
// solver settings, through a seam that records the warnings and messages.

#include <string>
#include <vector>

#include "analysis/BoundaryLayer.h"
#include "analysis/Pipeline.h"
#include "support/TestSupport.h"

namespace aerolune::test {

struct WarningSeam : ViewSeam {
    std::vector<std::string> warnings, messages, statuses;
    void drawView(AppState&) override {}
    void setStatus(const std::string& caption) override { statuses.push_back(caption); }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    void showSeparationWarning(const std::string& caption) override { warnings.push_back(caption); }
};

struct LayerSettings {
    int16_t points = 32;
    int16_t limit = 50;
    int16_t options = 3;  // transitionModel: 1 laminar, 2 transition at separation, 3 natural
    double roughness = 0.0;
};

inline AppState sectionAt(const std::string& designation, const std::string& angle, int32_t halfPoints = 60,
                          const LayerSettings& set = {}) {
    AppState state;
    state.texts.sectionName = designation;
    state.texts.angleText = angle;
    state.shared.HalfPoints = halfPoints;
    state.shared.TotalPoints = Variant(int16_t(2 * halfPoints));
    state.settings.boundaryLayerPoints = set.points;
    state.settings.boundaryLayerHeight = set.limit;
    state.flow.transitionModel = TransitionModel(set.options);
    state.flow.roughness = set.roughness;
    return state;
}

/// Recomputes with the boundary layer pending, as after the settings dialog's OK.
inline WarningSeam recomputeWithLayer(AppState& state) {
    WarningSeam seam;
    state.analysis.boundaryLayerPending = true;
    recompute(state, seam);
    return seam;
}

}  // namespace aerolune::test
