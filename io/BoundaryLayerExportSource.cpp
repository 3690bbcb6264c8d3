#include "io/BoundaryLayerExportSource.h"

#include <algorithm>

namespace aerolune {

namespace {

void fillProfile(const BoundaryLayerSurface& surface, int32_t station, int32_t P,
                 BoundaryLayerSurfaceExport& out) {
    std::vector<double> distance, velocity;
    for (int32_t j = 1; j <= P; ++j) {
        distance.push_back(surface.distance(j, station));
        velocity.push_back(surface.velocityRatio(j, station));
    }
    out.profileDistance.push_back(std::move(distance));
    out.profileVelocity.push_back(std::move(velocity));
}

void fillStations(const BoundaryLayerSurface& surface, int32_t count, BoundaryLayerSurfaceExport& out) {
    for (int32_t i = 1; i <= count; ++i) {
        out.arcLengthPct.push_back(surface.arcLengthPercent(i));
        out.thickness.push_back(surface.displacement(i));
        out.friction.push_back(surface.friction(i));
    }
}

}  // namespace

BoundaryLayerExportInput boundaryLayerExportInput(const AppState& state) {
    BoundaryLayerExportInput in;
    const BoundaryLayerSolution& bl = state.boundaryLayer;
    if (!bl.ok) return in;
    const bool profiles = state.display.boundaryLayerPlot == BoundaryLayerPlot::UpperProfiles ||
                          state.display.boundaryLayerPlot == BoundaryLayerPlot::LowerProfiles;
    const int32_t U = profiles ? bl.upper.profileStations() : bl.upper.shown;
    const int32_t L = profiles ? bl.lower.profileStations() : bl.lower.shown;
    in.upperCount = U;
    in.lowerCount = L;
    for (int32_t s = L; s >= 1; --s) in.stationX.push_back(bl.lower.x(s));
    for (int32_t s = 1; s <= U; ++s) in.stationX.push_back(bl.upper.x(s));
    in.lowerEndIndex = L;
    in.upperOffset = L;
    in.profileCount = bl.profileCount;
    in.profilePoints = bl.pointsAcross;
    fillStations(bl.upper, U, in.upper);
    fillStations(bl.lower, L, in.lower);
    const int64_t S = bl.profileCount;
    if (S > 0 && U > 0 && L > 0) {
        for (int64_t k = 1; k <= S; ++k) {
            fillProfile(bl.upper, static_cast<int32_t>((k - 1) * U / S + 1), bl.pointsAcross, in.upper);
            fillProfile(bl.lower, static_cast<int32_t>(std::max<int64_t>(1, k * L / S)), bl.pointsAcross,
                        in.lower);
        }
    }
    return in;
}

}  // namespace aerolune
