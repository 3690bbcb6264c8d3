#include "plot/ViewData.h"

#include <algorithm>
#include <cmath>

#include "analysis/AppState.h"

namespace aerolune::plot {

SurfaceData surfaceData(const AppState& state) {
    const SectionState& sec = state.section;
    const std::ptrdiff_t available = std::min({sec.nodeX.size(), sec.nodeY.size(), sec.controlX.size(),
                                               sec.surfaceCp.size(), sec.surfaceSpeed.size()});
    const int n = static_cast<int>(
        std::max<std::ptrdiff_t>(0, std::min<std::ptrdiff_t>(2 * state.shared.HalfPoints, available)));
    SurfaceData d;
    for (int i = 1; i <= n; ++i) {
        d.x.push_back(sec.nodeX(i));
        d.y.push_back(sec.nodeY(i));
        d.ctrlX.push_back(sec.controlX(i));
        d.cp.push_back(sec.surfaceCp(i));
        d.vel.push_back(sec.surfaceSpeed(i));
        if (std::isfinite(d.y.back())) {
            d.yMax = std::max(d.yMax, d.y.back());
            d.yMin = std::min(d.yMin, d.y.back());
        }
        if (std::isfinite(d.cp.back())) {
            d.cpMax = std::max(d.cpMax, d.cp.back());
            d.cpMin = std::min(d.cpMin, d.cp.back());
        }
        if (std::isfinite(d.vel.back())) {
            d.vMax = std::max(d.vMax, d.vel.back());
            d.absVMin = std::min(d.absVMin, std::fabs(d.vel.back()));
        }
    }
    d.stagPoint = state.analysis.stagnationIndex;
    if (d.stagPoint == n / 2 + 1) d.stagPoint = n / 2;
    if (d.stagPoint < 1 || d.stagPoint > n) d.stagPoint = 0;
    return d;
}

}  // namespace aerolune::plot
