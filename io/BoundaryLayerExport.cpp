#include "io/BoundaryLayerExport.h"

#include "common/FormatPicture.h"

namespace aerolune {

namespace {

constexpr const char* kPicture = "#0.00000";

const char* titleOf(int32_t displayOpt) {
    switch (displayOpt) {
        case 1:
            return "Boundary Layer Velocity Profiles on the Upper Surface";
        case 2:
            return "Boundary Layer Velocity Profiles on the Lower Surface";
        case 3:
            return "Boundary Layer Thickness on the Upper Surface";
        case 4:
            return "Boundary Layer Thickness on the Lower Surface";
        case 5:
            return "Friction Coeff. on the Upper Surface";
        case 6:
            return "Friction Coeff. on the Lower Surface";
        default:
            return nullptr;
    }
}

std::string line(double a, double b) {
    return zonedPair(formatPicture(a, kPicture), formatPicture(b, kPicture));
}

// Arc length and one per-station quantity, station by station.
std::string stationRows(const std::vector<double>& arc, const std::vector<double>& value, int32_t count,
                        std::string& text) {
    if (count < 0 || static_cast<std::size_t>(count) > arc.size() ||
        static_cast<std::size_t>(count) > value.size()) {
        return "the boundary-layer solution holds fewer stations than its count of " + std::to_string(count);
    }
    for (std::size_t s = 0; s < static_cast<std::size_t>(count); ++s)
        appendLine(text, line(arc[s], value[s]));
    return {};
}

// The station of profile k (1-based) and the entry of the combined x list
// that gives its chord position.
std::size_t profileEntry(bool upper, int32_t k, const BoundaryLayerExportInput& in) {
    const int64_t S = in.profileCount;
    if (upper) {
        const int64_t s = (k - 1) * static_cast<int64_t>(in.upperCount) / S + 1;
        return static_cast<std::size_t>(s + in.upperOffset);
    }
    const int64_t s = k * static_cast<int64_t>(in.lowerCount) / S;
    return static_cast<std::size_t>(in.lowerEndIndex - s + 1);
}

std::string profileBlocks(bool upper, const BoundaryLayerExportInput& in, std::string& text) {
    const BoundaryLayerSurfaceExport& surface = upper ? in.upper : in.lower;
    const auto S = static_cast<std::size_t>(in.profileCount < 0 ? 0 : in.profileCount);
    const auto P = static_cast<std::size_t>(in.profilePoints < 0 ? 0 : in.profilePoints);
    if ((upper ? in.upperCount : in.lowerCount) < 0) return "negative station count";
    if (surface.profileDistance.size() < S || surface.profileVelocity.size() < S) {
        return "the boundary-layer solution holds fewer than " + std::to_string(S) + " profiles";
    }
    for (std::size_t k = 1; k <= S; ++k) {
        const std::size_t entry = profileEntry(upper, static_cast<int32_t>(k), in);
        if (entry < 1 || entry > in.stationX.size()) {
            return "profile " + std::to_string(k) + " lies outside the boundary-layer stations";
        }
        const std::vector<double>& distance = surface.profileDistance[k - 1];
        const std::vector<double>& velocity = surface.profileVelocity[k - 1];
        if (distance.size() < P || velocity.size() < P) {
            return "profile " + std::to_string(k) + " holds fewer than " + std::to_string(P) + " points";
        }
        appendLine(text, "X-Station:  " + formatPicture(in.stationX[entry - 1], kPicture));
        for (std::size_t j = 0; j < P; ++j) appendLine(text, line(distance[j], velocity[j]));
    }
    return {};
}

}  // namespace

ExportText boundaryLayerExportText(int32_t displayOpt, const std::string& name, const std::string& reynolds,
                                   const BoundaryLayerExportInput& solution) {
    ExportText out;
    const char* title = titleOf(displayOpt);
    if (title == nullptr) return out;

    appendLine(out.text, title);
    appendLine(out.text, "Airfoil: " + name + " Reynolds Number: " + reynolds);
    const bool upper = displayOpt % 2 == 1;
    const BoundaryLayerSurfaceExport& surface = upper ? solution.upper : solution.lower;
    const int32_t count = upper ? solution.upperCount : solution.lowerCount;
    if (displayOpt <= 2) {
        out.error = profileBlocks(upper, solution, out.text);
    } else if (displayOpt <= 4) {
        out.error = stationRows(surface.arcLengthPct, surface.thickness, count, out.text);
    } else {
        out.error = stationRows(surface.arcLengthPct, surface.friction, count, out.text);
    }
    if (!out.ok()) out.text.clear();
    return out;
}

}  // namespace aerolune
