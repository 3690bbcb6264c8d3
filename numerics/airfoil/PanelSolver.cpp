#include "numerics/airfoil/PanelSolver.h"

#include <Eigen/Dense>
#include <cmath>
#include <cstring>
#include <numbers>

namespace aerolune {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct PanelGeometry {
    int n = 0;                 // panels = nodes; node n is node 0 again
    std::vector<double> x, y;  // n + 1 entries, the closing node repeated
    std::vector<double> length, tx, ty;
};

PanelGeometry panelGeometry(const Contour& contour) {
    PanelGeometry g;
    g.n = static_cast<int>(contour.x.size());
    g.x = contour.x;
    g.y = contour.y;
    g.x.push_back(contour.x[0]);
    g.y.push_back(contour.y[0]);
    g.length.resize(g.n);
    g.tx.resize(g.n);
    g.ty.resize(g.n);
    for (int j = 0; j < g.n; ++j) {
        double dx = g.x[j + 1] - g.x[j];
        double dy = g.y[j + 1] - g.y[j];
        double l = std::hypot(dx, dy);
        g.length[j] = l;
        g.tx[j] = l > 0.0 ? dx / l : 1.0;
        g.ty[j] = l > 0.0 ? dy / l : 0.0;
    }
    return g;
}

// r ln r and r^2 ln r vanish at r = 0; so does every factor ln r is used with.
double logOrZero(double r) { return r > 1e-300 ? std::log(r) : 0.0; }

// Stream function at the field point p of panel j carrying the sheet strength
// gamma(s) = gA (1 - s/L) + gB s/L, as psi = aA gA + aB gB. In panel axes
// (x along the panel from its first node, y to its left) with r1, r2 the
// distances to the end nodes,
//   I0 = int_0^L ln r ds = x ln r1 - (x - L) ln r2 - L + y (theta2 - theta1)
//   I1 = int_0^L s ln r ds = x I0 - (r1^2 ln r1 - r2^2 ln r2)/2 + (2 x L - L^2)/4
// and psi = (1 / 2 pi) int gamma ln r ds for a sheet whose strength is the
// jump in tangential velocity from its right (inner) to its left (outer) side.
struct FieldPoint {
    double x, y;
    const std::vector<double>& r2;   // squared distance to every node (closing node included)
    const std::vector<double>& lnr;  // and its logarithm
};

void streamInfluence(const PanelGeometry& g, int j, const FieldPoint& p, double& aA, double& aB) {
    double l = g.length[j];
    if (l <= 0.0) {
        aA = aB = 0.0;
        return;
    }
    double dx = p.x - g.x[j];
    double dy = p.y - g.y[j];
    double x = dx * g.tx[j] + dy * g.ty[j];
    double y = -dx * g.ty[j] + dy * g.tx[j];
    double r1sq = p.r2[j], r2sq = p.r2[j + 1];
    double lnr1 = p.lnr[j], lnr2 = p.lnr[j + 1];
    double dTheta = std::atan2(y * l, x * (x - l) + y * y);  // theta2 - theta1
    double i0 = x * lnr1 - (x - l) * lnr2 - l + y * dTheta;
    double i1 = x * i0 - 0.5 * (r1sq * lnr1 - r2sq * lnr2) + 0.25 * (2.0 * x * l - l * l);
    aA = (i0 - i1 / l) / kTwoPi;
    aB = (i1 / l) / kTwoPi;
}

// Unknowns: gamma_0..gamma_n (gamma_n the upper-surface value at the closing
// node) and the stream-function constant psi0. Rows: psi(node i) - psi0 =
// -psi_freestream(node i) at the n distinct nodes, then the trailing edge.
Eigen::MatrixXd influenceMatrix(const PanelGeometry& g) {
    const int n = g.n;
    // Filled row by row, so stored by rows while it is filled.
    Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor> a =
        Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>::Zero(n + 2, n + 2);
    // Each node's distance (and its logarithm) to node i serves the two panels
    // that meet there.
    std::vector<double> r2(n + 1), lnr(n + 1);
    for (int i = 0; i < n; ++i) {
        for (int k = 0; k <= n; ++k) {
            double dx = g.x[i] - g.x[k], dy = g.y[i] - g.y[k];
            r2[k] = dx * dx + dy * dy;
            lnr[k] = 0.5 * logOrZero(r2[k]);
        }
        FieldPoint p{g.x[i], g.y[i], r2, lnr};
        for (int j = 0; j < n; ++j) {
            double aA, aB;
            streamInfluence(g, j, p, aA, aB);
            a(i, j) += aA;
            a(i, j + 1) += aB;
        }
        a(i, n + 1) = -1.0;
    }
    // The sharp trailing edge is the rear stagnation point: both surfaces'
    // values vanish there, which also makes them leave with equal speed.
    a(n, 0) = 1.0;
    a(n + 1, n) = 1.0;
    return a;
}

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

PanelSolution solveWith(const PanelGeometry& g, const Eigen::PartialPivLU<Eigen::MatrixXd>& lu,
                        int halfPoints, double alpha) {
    Eigen::VectorXd gamma = lu.solve(freeStreamSide(g, alpha));
    PanelSolution s = surfaceResults(g, gamma, halfPoints);
    if (!s.solved) {
        PanelSolution failed = failedSolution(g.n);
        failed.ctrlX = s.ctrlX;
        return failed;
    }
    return s;
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

}  // namespace

PanelSolution solvePanelsUncached(const Contour& contour, double alphaRad) {
    PanelGeometry g = panelGeometry(contour);
    Eigen::PartialPivLU<Eigen::MatrixXd> lu(influenceMatrix(g));
    return solveWith(g, lu, contour.halfPoints, alphaRad);
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
