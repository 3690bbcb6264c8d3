#include "numerics/airfoil/PanelSolver.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <numbers>

#include "numerics/airfoil/PanelInfluence.h"
#include "numerics/airfoil/PreconditionedGmres.h"

namespace aerolune {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

Eigen::VectorXd freeStreamSide(const PanelGeometry& g, double alpha) {
    const int n = g.n;
    double ca = std::cos(alpha);
    double sa = std::sin(alpha);
    Eigen::VectorXd b = Eigen::VectorXd::Zero(n + 2);
    for (int i = 0; i < n; ++i) b(i) = -(g.y[i] * ca - g.x[i] * sa);
    return b;
}

// Pressure coefficient 1 - gamma^2 integrated along each straight panel by
// Simpson's rule (exact for the cubic integrand of a linear gamma).
double leadingEdgeMoment(const PanelGeometry& g, const Eigen::VectorXd& gamma, int leNode) {
    double xle = g.x[leNode];
    double yle = g.y[leNode];
    double cm = 0.0;
    for (int j = 0; j < g.n; ++j) {
        double l = g.length[j];
        double ga = gamma(j);
        double gb = gamma(j + 1);
        double gm = 0.5 * (ga + gb);
        double ra = (g.x[j] - xle) * g.tx[j] + (g.y[j] - yle) * g.ty[j];
        double fa = (1.0 - ga * ga) * ra;
        double fm = (1.0 - gm * gm) * (ra + 0.5 * l);
        double fb = (1.0 - gb * gb) * (ra + l);
        cm += l / 6.0 * (fa + 4.0 * fm + fb);
    }
    return cm;
}

// Near a sharp edge of interior angle tau the Kutta flow is the wedge flow
// V ~ r^eps, eps = tau / (2 pi - tau): it falls to zero only very close to the
// edge (r^0.05 for a 16 degree edge). The linear sheet on the two edge panels
// cannot follow that, so their control-point speeds are taken from the wedge
// law scaled from the next node, at half its distance from the edge.
double trailingEdgeSpeedRatio(const PanelGeometry& g) {
    const int n = g.n;
    double ax = g.x[1] - g.x[0], ay = g.y[1] - g.y[0];
    double bx = g.x[n - 1] - g.x[0], by = g.y[n - 1] - g.y[0];
    double tau = std::fabs(std::atan2(ax * by - ay * bx, ax * bx + ay * by));
    double eps = tau / (kTwoPi - tau);
    return std::pow(0.5, eps);
}

PanelSolution surfaceResults(const PanelGeometry& g, const Eigen::VectorXd& gamma, int halfPoints) {
    PanelSolution s;
    const int n = g.n;
    s.ctrlX.resize(n);
    s.cp.resize(n);
    s.velocity.resize(n);
    double circulation = 0.0;
    const double edgeRatio = trailingEdgeSpeedRatio(g);
    for (int j = 0; j < n; ++j) {
        double vt = 0.5 * (gamma(j) + gamma(j + 1));
        circulation += vt * g.length[j];
        if (j == 0) vt = edgeRatio * gamma(1);
        if (j == n - 1) vt = edgeRatio * gamma(n - 1);
        s.ctrlX[j] = 0.5 * (g.x[j] + g.x[j + 1]);
        s.velocity[j] = j < halfPoints ? -vt : vt;
        s.cp[j] = 1.0 - vt * vt;
    }
    s.cl = 2.0 * circulation;
    s.cmLe = leadingEdgeMoment(g, gamma, halfPoints);
    s.solved = gamma.allFinite() && std::isfinite(s.cl) && std::isfinite(s.cmLe);
    return s;
}

PanelSolution failedSolution(int n) {
    PanelSolution s;
    s.ctrlX.assign(n, 0.0);
    s.cp.assign(n, 1.0);
    s.velocity.assign(n, 0.0);
    return s;
}

PanelSolution resultsOf(const PanelGeometry& g, const Eigen::VectorXd& gamma, int halfPoints) {
    PanelSolution s = surfaceResults(g, gamma, halfPoints);
    if (!s.solved) {
        PanelSolution failed = failedSolution(g.n);
        failed.ctrlX = s.ctrlX;
        return failed;
    }
    return s;
}

PanelSolution solveWith(const PanelGeometry& g, const Eigen::PartialPivLU<Eigen::MatrixXd>& lu,
                        int halfPoints, double alpha) {
    return resultsOf(g, lu.solve(freeStreamSide(g, alpha)), halfPoints);
}

// The kept factorisation is reused only for bit-identical geometry, so the
// matrix it stands for is the one a fresh solve would build.
bool sameBits(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

struct FactorCache {
    std::vector<double> x, y;
    Eigen::PartialPivLU<Eigen::MatrixXd> lu;
    bool valid = false;
};

using SharedInverse = std::shared_ptr<const Eigen::MatrixXd>;

// Inverses of reference contours' matrices, shared by every thread: a
// polar's angles run on all cores against one section, and a polar over
// several files runs one file per core, so a few are kept, the oldest
// replaced. A large contour's is not kept (it is its own size squared).
constexpr std::size_t kKeptReferences = 4;
constexpr int kLargestKeptReference = 1000;

SharedInverse referenceInverse(const Contour& reference) {
    struct Kept {
        std::vector<double> x, y;
        SharedInverse inverse;
    };
    static std::mutex guard;
    static std::deque<Kept> kept;
    const bool keep = static_cast<int>(reference.x.size()) <= kLargestKeptReference;
    std::lock_guard<std::mutex> lock(guard);
    if (keep) {
        for (const Kept& k : kept)
            if (sameBits(k.x, reference.x) && sameBits(k.y, reference.y)) return k.inverse;
    }
    auto inverse = std::make_shared<const Eigen::MatrixXd>(
        Eigen::PartialPivLU<Eigen::MatrixXd>(influenceMatrix(panelGeometry(reference))).inverse());
    if (keep) {
        if (kept.size() == kKeptReferences) kept.pop_front();
        kept.push_back({reference.x, reference.y, inverse});
    }
    return inverse;
}

// A displaced section is solved by GMRES on the undisplaced section's
// inverse: 9 to 20 steps for NACA 2412 displaced by its boundary layers at
// -20 to 20 degrees (120 and 160 points), a third to a half of a
// factorisation's work. Stopped at a residual of kSolveTolerance of the
// free stream's, the sheet strengths are within about 3e-12 of the direct
// solution's, whose own rounding is of that size; a system it does not
// bring there in kMostSteps is factorised after all.
constexpr double kSolveTolerance = 1e-15;
constexpr int kMostSteps = 40;

}  // namespace

PanelSolution solvePanelsUncached(const Contour& contour, double alphaRad) {
    PanelGeometry g = panelGeometry(contour);
    Eigen::PartialPivLU<Eigen::MatrixXd> lu(influenceMatrix(g));
    return solveWith(g, lu, contour.halfPoints, alphaRad);
}

PanelSolution solvePanelsNear(const Contour& contour, const Contour& reference, double alphaRad) {
    const PanelGeometry g = panelGeometry(contour);
    // Two nodes on one point make two equal rows: the system is singular,
    // and the direct solution says so, where an iterative one might settle
    // on one of its many solutions.
    const bool coincident = std::find(g.length.begin(), g.length.end(), 0.0) != g.length.end();
    if (reference.x.size() != contour.x.size() || coincident) return solvePanelsUncached(contour, alphaRad);
    const SharedInverse near = referenceInverse(reference);
    Eigen::MatrixXd a = influenceMatrix(g);
    const Eigen::VectorXd b = freeStreamSide(g, alphaRad);
    Eigen::VectorXd gamma;
    if (!solveOnNearbyInverse(a, b, *near, kSolveTolerance, kMostSteps, gamma))
        gamma = Eigen::PartialPivLU<Eigen::MatrixXd>(std::move(a)).solve(b);
    return resultsOf(g, gamma, contour.halfPoints);
}

PanelSolution solvePanels(const Contour& contour, double alphaRad) {
    thread_local FactorCache cache;
    PanelGeometry g = panelGeometry(contour);
    if (!cache.valid || !sameBits(cache.x, contour.x) || !sameBits(cache.y, contour.y)) {
        cache.valid = false;
        cache.lu.compute(influenceMatrix(g));
        cache.x = contour.x;
        cache.y = contour.y;
        cache.valid = true;
    }
    return solveWith(g, cache.lu, contour.halfPoints, alphaRad);
}

}  // namespace aerolune
