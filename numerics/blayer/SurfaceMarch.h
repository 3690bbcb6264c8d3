#pragma once
// The march along one surface: a similarity solution at the first station
// (plane stagnation flow when the edge velocity grows linearly from it, a
// sharp leading edge when it is constant), then one box-scheme step per
// station, laminar until the transition model says otherwise, turbulent after.
// The march stops at the first station it cannot solve with attached flow:
// that is where the layer separates.

#include <vector>

namespace aerolune::blayer {

enum class TransitionModel {
    Laminar = 0,       ///< never turbulent; laminar separation ends the march
    AtSeparation = 1,  ///< turbulent from just upstream of where the laminar layer separates
    Natural = 2,       ///< e^9 envelope method, or roughness, or laminar separation, whichever comes first
};

struct MarchSettings {
    int points = 32;         ///< nodes across the layer
    double etaMax = 50.0;    ///< grid height in eta = y sqrt(Ue / (nu x))
    double reynolds = 1e6;   ///< chord Reynolds number, nu = 1 / reynolds
    double roughness = 0.0;  ///< roughness height in chords, 0 for a smooth wall
    TransitionModel model = TransitionModel::Natural;
};

/// One solved station.
struct StationRow {
    double displacement = 0.0;  ///< delta* (chords)
    double momentum = 0.0;      ///< theta (chords)
    double cfFreeStream = 0.0;  ///< tau_w / (rho V^2 / 2)
    double delta99 = 0.0;       ///< height where u = 0.99 Ue (chords)
    double shape = 0.0;         ///< H = delta* / theta
    bool turbulent = false;     ///< at or after the transition point
    double gamma = 0.0;         ///< streamwise intermittency
    double reTheta = 0.0;       ///< Ue theta / nu
    double wallShear = 0.0;     ///< f''(0), the transformed wall shear
};

struct MarchResult {
    std::vector<StationRow> rows;
    /// Per row `points` values: u / Ue and the distance from the wall (chords).
    std::vector<double> profileU, profileY;
};

/// Marches over stations 1..n. s must start at 0 and increase strictly; ue
/// must be >= 0 at station 1 and > 0 after it (the caller trims the input to
/// the part that satisfies this).
MarchResult marchSurface(const double* s, const double* ue, int n, const MarchSettings& settings);

}  // namespace aerolune::blayer
