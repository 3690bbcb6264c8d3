#include "numerics/viscous/CoupledLayer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "numerics/viscous/ContourRepanel.h"
#include "numerics/viscous/CoupledSystem.h"
#include "numerics/viscous/IntegralIntervals.h"
#include "numerics/viscous/TranspirationPanels.h"

namespace aerolune::viscous {

namespace {

// The section's factorised vortex system, kept while the same contour comes
// back (every angle of a sweep), one per thread.
const SectionVortexSystem& vortexSystem(const std::vector<double>& x, const std::vector<double>& y) {
    struct Cache {
        std::vector<double> x, y;
        std::unique_ptr<SectionVortexSystem> system;
    };
    thread_local Cache cache;
    const auto same = [](const std::vector<double>& a, const std::vector<double>& b) {
        return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
    };
    if (!cache.system || !same(cache.x, x) || !same(cache.y, y)) {
        cache.system = std::make_unique<SectionVortexSystem>(contourPanels(x, y));
        cache.x = x;
        cache.y = y;
    }
    return *cache.system;
}

// Wake nodes for a contour of n panels: enough for the wake's panels to grow
// gently from the trailing edge's panel length over one chord.
int wakeNodesFor(int n) { return std::max(16, n / 8 + 10); }

// Pressure integrated over the contour (Cp = 1 - gamma^2, Simpson's rule on
// each straight panel of linear gamma): lift normal to the stream and moment
// about the quarter-chord point, nose-up positive.
void pressureForces(const ContourPanels& c, const Eigen::VectorXd& gamma, double alpha, double& cl,
                    double& cm) {
    int le = 0;
    for (int j = 1; j < c.n; ++j)
        if (c.x[j] < c.x[le]) le = j;
    const double refX = c.x[le] + 0.25 * (c.x[0] - c.x[le]);
    const double refY = c.y[le] + 0.25 * (c.y[0] - c.y[le]);
    double fx = 0.0, fy = 0.0;
    cm = 0.0;
    for (int j = 0; j < c.n; ++j) {
        const double l = c.length[j], ga = gamma(j), gb = gamma(j + 1), gm = 0.5 * (ga + gb);
        const double cpA = 1.0 - ga * ga, cpM = 1.0 - gm * gm, cpB = 1.0 - gb * gb;
        const double force = l / 6.0 * (cpA + 4.0 * cpM + cpB);
        // Outward normal of a clockwise contour: the left of the panel.
        fx -= force * -c.ty[j];
        fy -= force * c.tx[j];
        const double ra = (c.x[j] - refX) * c.tx[j] + (c.y[j] - refY) * c.ty[j];
        cm += l / 6.0 * (cpA * ra + 4.0 * cpM * (ra + 0.5 * l) + cpB * (ra + l));
    }
    cl = -fx * std::sin(alpha) + fy * std::cos(alpha);
}

}  // namespace

CoupledLayerResult solveCoupledLayer(const std::vector<double>& x, const std::vector<double>& y, double alpha,
                                     const CoupledLayerSettings& settings, const CoupledLayerStart* start,
                                     CoupledLayerStart* converged) {
    CoupledLayerResult result;
    if (x.size() < 8 || x.size() != y.size() || !(settings.re > 0.0)) {
        result.reason = "no section to solve";
        return result;
    }
    std::vector<double> px, py;
    if (!repanelContour(x, y, static_cast<int>(x.size() + x.size() % 2), px, py)) {
        result.reason = "the section's outline cannot be redistributed";
        return result;
    }
    const SectionVortexSystem& system = vortexSystem(px, py);
    const ContourPanels& contour = system.contour();
    const int n = contour.n;
    const Eigen::VectorXd gammaInviscid = system.inviscid(alpha);
    const WakePanels wake = traceWake(system, gammaInviscid, alpha, wakeNodesFor(n), settings.wakeLength);
    Eigen::MatrixXd gammaResponse(n + 2, n + wake.nodes() - 1);
    gammaResponse << system.contourSourceResponse(), system.wakeSourceResponse(wake);
    const WakeSpeeds wakeSpeed = wakeSpeeds(system, wake, gammaInviscid, gammaResponse, alpha);

    CoupledSystem coupled(contour, wake, gammaInviscid, gammaResponse, wakeSpeed, settings);
    const auto record = [&](CoupledLayerResult& r) {
        pressureForces(contour, coupled.edgeGamma(), alpha, r.cl, r.cm);
        coupled.dragAndTransition(r);
    };
    if (start && !start->empty()) coupled.seed(*start);
    if (!coupled.solve(result, record)) return result;
    if (converged) coupled.keep(*converged);
    for (double v : {result.cl, result.cd, result.cm, result.xtrUpper, result.xtrLower}) {
        if (!std::isfinite(v)) {
            result.converged = false;
            result.reason = "the coupled solution is not a finite number";
        }
    }
    return result;
}

}  // namespace aerolune::viscous
