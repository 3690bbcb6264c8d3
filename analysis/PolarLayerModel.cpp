#include "analysis/PolarLayerModel.h"

#include <cstdlib>
#include <numbers>
#include <vector>

#include "analysis/PolarGuard.h"
#include "common/ParallelFor.h"
#include "numerics/viscous/CoupledLayer.h"

namespace aerolune {

namespace {

struct SectionNodes {
    std::vector<double> x, y;
};

SectionNodes sectionNodes(const SectionSolution& sol) {
    const int32_t n = 2 * sol.halfPoints;
    SectionNodes nodes;
    for (int32_t j = 1; j <= n; ++j) {
        nodes.x.push_back(sol.NodeX(j));
        nodes.y.push_back(sol.NodeY(j));
    }
    return nodes;
}

// One row from the coupled solution; false (with the reason) when it did not
// converge or its figures are none a section can have.
bool solveRow(const SectionNodes& nodes, double angleDeg, double re, const viscous::CoupledLayerStart* start,
              viscous::CoupledLayerStart* converged, PolarPoint& point, std::string& why) {
    viscous::CoupledLayerSettings settings;
    settings.re = re;
    const viscous::CoupledLayerResult r = viscous::solveCoupledLayer(
        nodes.x, nodes.y, angleDeg * std::numbers::pi / 180.0, settings, start, converged);
    point = PolarPoint{};
    point.angle = angleDeg;
    if (!r.converged) {
        why = r.reason;
        return false;
    }
    point.cl = r.cl;
    point.cdTimes1000 = r.cd * 1000.0;
    point.cm = r.cm;
    point.upperTransition = r.xtrUpper;
    point.lowerTransition = r.xtrLower;
    why = polarRowProblem(point);
    return why.empty();
}

}  // namespace

bool layerPolarPoint(const SectionSolution& sol, double angleDeg, double re, PolarPoint& point,
                     std::string& why) {
    return solveRow(sectionNodes(sol), angleDeg, re, nullptr, nullptr, point, why);
}

void layerPolarSweep(const std::vector<SectionSolution>& solutions, const std::vector<double>& angles,
                     double re, std::vector<PolarPoint>& points) {
    const std::size_t count = angles.size();
    points.assign(count, PolarPoint{});
    if (solutions.empty()) return;
    const SectionNodes nodes = sectionNodes(solutions.front());
    std::vector<viscous::CoupledLayerStart> layers(count);
    std::vector<std::string> why(count);
    std::vector<char> done(count, 0);
    parallelFor(static_cast<int>(count), [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        done[k] = solveRow(nodes, angles[k], re, nullptr, &layers[k], points[k], why[k]);
    });
    // Continuation: an angle whose own first march led nowhere starts again
    // from the converged layer of the nearest angle that has one, nearest
    // first and the smaller angle on a tie, pass after pass while rows are
    // won. The order is fixed, so the rows do not depend on the threads. A
    // start that failed once fails again (the layers do not change once
    // converged), so each pair of angles is tried once.
    std::vector<char> tried(count * count, 0);
    for (bool won = true; won;) {
        won = false;
        for (std::size_t k = 0; k < count; ++k) {
            for (std::size_t d = 1; d <= 3 && !done[k]; ++d) {
                for (const std::size_t j : {k - d, k + d}) {
                    if (j >= count || !done[j] || done[k] || tried[k * count + j]) continue;
                    tried[k * count + j] = 1;
                    done[k] = solveRow(nodes, angles[k], re, &layers[j], &layers[k], points[k], why[k]);
                    won = won || done[k];
                }
            }
        }
    }
    for (std::size_t k = 0; k < count; ++k)
        if (!done[k])
            markNotComputed(points[k],
                            why[k].empty() ? "the coupled boundary layer does not converge" : why[k]);
}

}  // namespace aerolune
