#include "numerics/airfoil/FieldVortexSheet.h"

#include <cmath>
#include <numbers>

namespace aerolune {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Beyond this many panel lengths from its midpoint a panel is replaced by two
// Gauss points (relative error of order (L / 2r)^4).
constexpr double kFarLengths = 5.0;

// x ln r, taken as 0 where r = 0 (its limit).
double xLogR(double x, double r) { return r > 0.0 ? x * std::log(r) : 0.0; }

}  // namespace

VortexSheet::VortexSheet(const std::vector<double>& x, const std::vector<double>& y,
                         const std::vector<double>& gStart, const std::vector<double>& gEnd) {
    const double half = 0.5 / std::sqrt(3.0);
    for (std::size_t k = 0; k < gStart.size(); ++k) {
        const double dx = x[k + 1] - x[k], dy = y[k + 1] - y[k];
        const double length = std::hypot(dx, dy);
        if (!(length > 0.0)) continue;
        Panel p{x[k], y[k], dx / length, dy / length, length, gStart[k], gEnd[k], {}, {}, {}};
        for (int q = 0; q < 2; ++q) {
            const double t = 0.5 + (q == 0 ? -half : half);
            p.gaussX[q] = x[k] + t * dx;
            p.gaussY[q] = y[k] + t * dy;
            p.gaussG[q] = 0.5 * length * (gStart[k] + t * (gEnd[k] - gStart[k]));
        }
        panels_.push_back(p);
    }
}

// Closed forms for a panel on the local x-axis from 0 to L with strength
// g(s) = g0 + (g1 - g0) s / L, seen from the local point (x, y), with
// r1, r2 the distances to the ends and theta1, theta2 their angles:
//   I0 = int y / r^2 ds = theta2 - theta1,   J0 = int (x - s) / r^2 ds = ln(r1 / r2)
//   K0 = int ln r ds = x ln r1 - (x - L) ln r2 - L + y I0
//   K1 = int s ln r ds = x K0 - (r1^2 ln r1 - r2^2 ln r2) / 2 + (r1^2 - r2^2) / 4
//   psi = -(g0 K0 + dg K1) / 2 pi,          dg = (g1 - g0) / L
//   u   = -(g0 I0 + dg (x I0 - y J0)) / 2 pi
//   v   =  (g0 J0 + dg (x J0 - L + y I0)) / 2 pi
void VortexSheet::addExact(const Panel& p, double px, double py, bool ownMidpoint, FieldValue& f) {
    const double dx = px - p.x0, dy = py - p.y0;
    const double x = dx * p.cosT + dy * p.sinT;
    const double y = ownMidpoint ? 0.0 : -dx * p.sinT + dy * p.cosT;
    const double L = p.length;
    const double r1sq = x * x + y * y, r2sq = (x - L) * (x - L) + y * y;
    const double r1 = std::sqrt(r1sq), r2 = std::sqrt(r2sq);
    const double I0 = ownMidpoint ? 0.0 : std::atan2(y, x - L) - std::atan2(y, x);
    const double J0 = (r1 > 0.0 && r2 > 0.0) ? std::log(r1 / r2) : 0.0;
    const double K0 = xLogR(x, r1) - xLogR(x - L, r2) - L + y * I0;
    const double K1 = x * K0 - 0.5 * (xLogR(r1sq, r1) - xLogR(r2sq, r2)) + 0.25 * (r1sq - r2sq);
    const double dg = (p.g1 - p.g0) / L;
    f.psi -= (p.g0 * K0 + dg * K1) / kTwoPi;
    const double uLocal = -(p.g0 * I0 + dg * (x * I0 - y * J0)) / kTwoPi;
    const double vLocal = (p.g0 * J0 + dg * (x * J0 - L + y * I0)) / kTwoPi;
    f.u += uLocal * p.cosT - vLocal * p.sinT;
    f.v += uLocal * p.sinT + vLocal * p.cosT;
}

void VortexSheet::addQuadrature(const Panel& p, double px, double py, FieldValue& f) {
    for (int q = 0; q < 2; ++q) {
        const double rx = px - p.gaussX[q], ry = py - p.gaussY[q];
        const double rsq = rx * rx + ry * ry;
        const double c = p.gaussG[q] / kTwoPi;
        f.psi -= 0.5 * c * std::log(rsq);
        f.u -= c * ry / rsq;
        f.v += c * rx / rsq;
    }
}

void VortexSheet::addPanel(const Panel& p, double px, double py, FieldValue& f) {
    const double mx = px - p.x0 - 0.5 * p.length * p.cosT, my = py - p.y0 - 0.5 * p.length * p.sinT;
    const double far = kFarLengths * p.length;
    if (mx * mx + my * my > far * far)
        addQuadrature(p, px, py, f);
    else
        addExact(p, px, py, false, f);
}

FieldValue VortexSheet::at(double px, double py) const {
    FieldValue f;
    for (const Panel& p : panels_) addPanel(p, px, py, f);
    return f;
}

FieldValue VortexSheet::atMidpoint(std::size_t k) const {
    const Panel& own = panels_[k];
    const double px = own.x0 + 0.5 * own.length * own.cosT, py = own.y0 + 0.5 * own.length * own.sinT;
    FieldValue f;
    for (std::size_t q = 0; q < panels_.size(); ++q) {
        if (q == k) {
            addExact(own, px, py, true, f);
            continue;
        }
        addPanel(panels_[q], px, py, f);
    }
    return f;
}

}  // namespace aerolune
