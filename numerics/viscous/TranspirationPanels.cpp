#include "numerics/viscous/TranspirationPanels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace aerolune::viscous {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Offset of the centred differences that turn the vortex sheet's stream
// function into a velocity at a field point, chords.
constexpr double kDifferenceStep = 1e-6;

struct Panel {
    double x0, y0, tx, ty, length;
};

Panel contourPanel(const ContourPanels& c, int j) { return {c.x[j], c.y[j], c.tx[j], c.ty[j], c.length[j]}; }
Panel wakePanel(const WakePanels& w, int k) { return {w.x[k], w.y[k], w.tx[k], w.ty[k], w.length[k]}; }

void localCoordinates(const Panel& p, double px, double py, double& x, double& y) {
    const double dx = px - p.x0, dy = py - p.y0;
    x = dx * p.tx + dy * p.ty;
    y = -dx * p.ty + dy * p.tx;
}

double logOrZero(double r2) { return r2 > 1e-300 ? 0.5 * std::log(r2) : 0.0; }

// Stream function at a field point of a panel carrying gamma(s) = gA (1 -
// s/L) + gB s/L, psi = aA gA + aB gB, psi = (1 / 2 pi) int gamma ln r ds:
//   I0 = int_0^L ln r ds = x ln r1 - (x - L) ln r2 - L + y (theta2 - theta1)
//   I1 = int_0^L s ln r ds = x I0 - (r1^2 ln r1 - r2^2 ln r2) / 2 + (2 x L - L^2) / 4
void vortexPsi(const Panel& p, double px, double py, double& aA, double& aB) {
    const double l = p.length;
    if (!(l > 0.0)) {
        aA = aB = 0.0;
        return;
    }
    double x, y;
    localCoordinates(p, px, py, x, y);
    const double r1sq = x * x + y * y, r2sq = (x - l) * (x - l) + y * y;
    const double lnr1 = logOrZero(r1sq), lnr2 = logOrZero(r2sq);
    const double dTheta = std::atan2(y * l, x * (x - l) + y * y);
    const double i0 = x * lnr1 - (x - l) * lnr2 - l + y * dTheta;
    const double i1 = x * i0 - 0.5 * (r1sq * lnr1 - r2sq * lnr2) + 0.25 * (2.0 * x * l - l * l);
    aA = (i0 - i1 / l) / kTwoPi;
    aB = (i1 / l) / kTwoPi;
}

// int atan2(t, c) dt = t atan2(t, c) - (c / 2) ln(t^2 + c^2).
double angleIntegral(double t, double c) {
    const double r2 = t * t + c * c;
    return (t != 0.0 ? t * std::atan2(t, c) : 0.0) - (r2 > 1e-300 ? 0.5 * c * std::log(r2) : 0.0);
}

// Stream function at a point of the closed region the panel bounds, of a
// uniform source sheet of unit strength on the panel: psi = (1 / 2 pi) int
// theta ds with theta the polar angle about the source element. The angle's
// cut runs from each element along the panel's normal to the side given
// (`cutLeft`: the left of the panel's direction), which for a contour panel
// is outwards, so it never crosses the region the stream-function condition
// is held in. Up to a constant per panel, which the stream-function constant
// takes up, theta = atan2(x - s, -y) with the cut on the left and
// atan2(s - x, y) with it on the right.
double sourcePsi(const Panel& p, double px, double py, bool cutLeft) {
    double x, y;
    localCoordinates(p, px, py, x, y);
    const double l = p.length;
    // A node on the panel's own line is the limit from the region's side.
    const double c0 = cutLeft ? -y : y;
    const double c = std::fabs(c0) < 1e-10 * l ? 0.0 : c0;
    const double integral = cutLeft ? angleIntegral(x, c) - angleIntegral(x - l, c)
                                    : angleIntegral(l - x, c) - angleIntegral(-x, c);
    return integral / kTwoPi;
}

// Velocity at a field point of a uniform unit source sheet on the panel:
// u = ln(r1 / r2) / 2 pi along it, v = (theta2 - theta1) / 2 pi across it.
void sourceVelocity(const Panel& p, double px, double py, double& u, double& v) {
    double x, y;
    localCoordinates(p, px, py, x, y);
    const double l = p.length;
    const double r1sq = x * x + y * y, r2sq = (x - l) * (x - l) + y * y;
    const double ul = 0.5 * (logOrZero(r1sq) - logOrZero(r2sq)) / kTwoPi;
    const double vl = std::atan2(y * l, x * (x - l) + y * y) / kTwoPi;
    u = ul * p.tx - vl * p.ty;
    v = ul * p.ty + vl * p.tx;
}

bool clockwise(const ContourPanels& c) {
    double area = 0.0;
    for (int j = 0; j < c.n; ++j) area += c.x[j] * c.y[j + 1] - c.x[j + 1] * c.y[j];
    return area < 0.0;
}

}  // namespace

ContourPanels contourPanels(const std::vector<double>& x, const std::vector<double>& y) {
    ContourPanels c;
    c.n = static_cast<int>(x.size());
    c.x = x;
    c.y = y;
    c.x.push_back(x.front());
    c.y.push_back(y.front());
    c.length.resize(c.n);
    c.tx.resize(c.n);
    c.ty.resize(c.n);
    c.arc.assign(c.n + 1, 0.0);
    for (int j = 0; j < c.n; ++j) {
        const double dx = c.x[j + 1] - c.x[j], dy = c.y[j + 1] - c.y[j];
        const double l = std::hypot(dx, dy);
        c.length[j] = l;
        c.tx[j] = l > 0.0 ? dx / l : 1.0;
        c.ty[j] = l > 0.0 ? dy / l : 0.0;
        c.arc[j + 1] = c.arc[j] + l;
    }
    return c;
}

SectionVortexSystem::SectionVortexSystem(const ContourPanels& contour) : contour_(contour) {
    const int n = contour_.n;
    Eigen::MatrixXd a = Eigen::MatrixXd::Zero(n + 2, n + 2);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            double aA, aB;
            vortexPsi(contourPanel(contour_, j), contour_.x[i], contour_.y[i], aA, aB);
            a(i, j) += aA;
            a(i, j + 1) += aB;
        }
        a(i, n + 1) = -1.0;
    }
    // Equal speeds leaving the trailing edge (gamma_0 = -gamma_n), and the
    // mean of the two surfaces' speeds linear over their last three nodes.
    // The node equation at the edge alone cannot fix the speed there: in
    // the flow without circulation it holds for any edge speed.
    a(n, 0) = 1.0;
    a(n, n) = 1.0;
    a(n + 1, 0) = 1.0;
    a(n + 1, 1) = -2.0;
    a(n + 1, 2) = 1.0;
    a(n + 1, n) = -1.0;
    a(n + 1, n - 1) = 2.0;
    a(n + 1, n - 2) = -1.0;
    lu_.compute(a);

    const bool cutLeft = clockwise(contour_);
    Eigen::MatrixXd b = Eigen::MatrixXd::Zero(n + 2, n);
    for (int j = 0; j < n; ++j) {
        const Panel p = contourPanel(contour_, j);
        for (int i = 0; i < n; ++i) b(i, j) = sourcePsi(p, contour_.x[i], contour_.y[i], cutLeft);
    }
    contourSources_ = -lu_.solve(b);
}

Eigen::VectorXd SectionVortexSystem::solve(const Eigen::VectorXd& rhs) const { return lu_.solve(rhs); }

Eigen::VectorXd SectionVortexSystem::inviscid(double alpha) const {
    const int n = contour_.n;
    Eigen::VectorXd rhs = Eigen::VectorXd::Zero(n + 2);
    const double ca = std::cos(alpha), sa = std::sin(alpha);
    for (int i = 0; i < n; ++i) rhs(i) = -(contour_.y[i] * ca - contour_.x[i] * sa);
    return solve(rhs);
}

Eigen::MatrixXd SectionVortexSystem::wakeSourceResponse(const WakePanels& wake) const {
    const int n = contour_.n;
    const int panels = wake.nodes() - 1;
    Eigen::MatrixXd b = Eigen::MatrixXd::Zero(n + 2, panels);
    for (int k = 0; k < panels; ++k) {
        const Panel p = wakePanel(wake, k);
        // The cut leaves the wake on the side facing away from the section.
        const bool cutLeft = -p.ty > 0.0;
        for (int i = 0; i < n; ++i) b(i, k) = sourcePsi(p, contour_.x[i], contour_.y[i], cutLeft);
    }
    return -lu_.solve(b);
}

void SectionVortexSystem::velocityResponse(double px, double py, Eigen::VectorXd& du,
                                           Eigen::VectorXd& dv) const {
    const int n = contour_.n;
    du = Eigen::VectorXd::Zero(n + 1);
    dv = Eigen::VectorXd::Zero(n + 1);
    const double h = kDifferenceStep;
    for (int j = 0; j < n; ++j) {
        const Panel p = contourPanel(contour_, j);
        double aN, bN, aS, bS, aE, bE, aW, bW;
        vortexPsi(p, px, py + h, aN, bN);
        vortexPsi(p, px, py - h, aS, bS);
        vortexPsi(p, px + h, py, aE, bE);
        vortexPsi(p, px - h, py, aW, bW);
        du(j) += (aN - aS) / (2.0 * h);
        du(j + 1) += (bN - bS) / (2.0 * h);
        dv(j) -= (aE - aW) / (2.0 * h);
        dv(j + 1) -= (bE - bW) / (2.0 * h);
    }
}

void SectionVortexSystem::velocity(const Eigen::VectorXd& gamma, double alpha, double px, double py,
                                   double& u, double& v) const {
    Eigen::VectorXd du, dv;
    velocityResponse(px, py, du, dv);
    const int n = contour_.n;
    u = std::cos(alpha) + du.dot(gamma.head(n + 1));
    v = std::sin(alpha) + dv.dot(gamma.head(n + 1));
}

WakePanels traceWake(const SectionVortexSystem& system, const Eigen::VectorXd& gamma, double alpha, int nodes,
                     double length) {
    const ContourPanels& c = system.contour();
    const int n = c.n;
    const int panels = std::max(nodes - 1, 1);
    // First panel about as long as the trailing-edge panels; the growth
    // ratio makes the panels add up to the wake's length.
    const double first = 0.5 * (c.length[0] + c.length[n - 1]);
    double ratio = 1.0;
    if (first * panels < length) {
        double lo = 1.0, hi = 2.0;
        for (int it = 0; it < 60; ++it) {
            const double mid = 0.5 * (lo + hi);
            const double sum = first * (std::pow(mid, panels) - 1.0) / (mid - 1.0);
            (sum < length ? lo : hi) = mid;
        }
        ratio = 0.5 * (lo + hi);
    }
    WakePanels w;
    w.x.push_back(c.x[0]);
    w.y.push_back(c.y[0]);
    w.arc.push_back(0.0);
    // The first step leaves along the bisector of the trailing edge.
    double dirX = (c.x[0] - c.x[1]) / c.length[0] + (c.x[n] - c.x[n - 1]) / c.length[n - 1];
    double dirY = (c.y[0] - c.y[1]) / c.length[0] + (c.y[n] - c.y[n - 1]) / c.length[n - 1];
    double norm = std::hypot(dirX, dirY);
    dirX /= norm;
    dirY /= norm;
    double step = first;
    for (int k = 0; k < panels; ++k) {
        if (k > 0) {
            double u, v;
            system.velocity(gamma, alpha, w.x[k] + 0.5 * step * dirX, w.y[k] + 0.5 * step * dirY, u, v);
            norm = std::hypot(u, v);
            if (norm > 1e-6) {
                dirX = u / norm;
                dirY = v / norm;
            }
        }
        w.x.push_back(w.x[k] + step * dirX);
        w.y.push_back(w.y[k] + step * dirY);
        w.length.push_back(step);
        w.tx.push_back(dirX);
        w.ty.push_back(dirY);
        w.arc.push_back(w.arc[k] + step);
        step *= ratio;
    }
    return w;
}

WakeSpeeds wakeSpeeds(const SectionVortexSystem& system, const WakePanels& wake, const Eigen::VectorXd& gamma,
                      const Eigen::MatrixXd& gammaResponse, double alpha) {
    const ContourPanels& c = system.contour();
    const int n = c.n;
    const int panels = wake.nodes() - 1;
    const int sources = static_cast<int>(gammaResponse.cols());
    // Speeds along the wake at its panels' midpoints.
    Eigen::VectorXd midSpeed(panels);
    Eigen::MatrixXd midResponse(panels, sources);
    for (int k = 0; k < panels; ++k) {
        const double px = wake.x[k] + 0.5 * wake.length[k] * wake.tx[k];
        const double py = wake.y[k] + 0.5 * wake.length[k] * wake.ty[k];
        Eigen::VectorXd du, dv;
        system.velocityResponse(px, py, du, dv);
        const Eigen::VectorXd dt = du * wake.tx[k] + dv * wake.ty[k];
        midSpeed(k) = std::cos(alpha) * wake.tx[k] + std::sin(alpha) * wake.ty[k] + dt.dot(gamma.head(n + 1));
        midResponse.row(k) = dt.transpose() * gammaResponse.topRows(n + 1);
        for (int j = 0; j < n; ++j) {
            double u, v;
            sourceVelocity(contourPanel(c, j), px, py, u, v);
            midResponse(k, j) += u * wake.tx[k] + v * wake.ty[k];
        }
        for (int q = 0; q < panels; ++q) {
            double u, v;
            sourceVelocity(wakePanel(wake, q), px, py, u, v);
            midResponse(k, n + q) += u * wake.tx[k] + v * wake.ty[k];
        }
    }
    WakeSpeeds s;
    const int nodes = wake.nodes();
    s.inviscid.resize(nodes);
    s.response.resize(nodes, sources);
    s.inviscid(0) = gamma(n);
    s.response.row(0) = gammaResponse.row(n);
    for (int k = 1; k < nodes; ++k) {
        const int a = k - 1, b = std::min(k, panels - 1);
        s.inviscid(k) = 0.5 * (midSpeed(a) + midSpeed(b));
        s.response.row(k) = 0.5 * (midResponse.row(a) + midResponse.row(b));
    }
    return s;
}

}  // namespace aerolune::viscous
