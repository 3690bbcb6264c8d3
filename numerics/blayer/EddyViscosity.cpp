#include "numerics/blayer/EddyViscosity.h"

#include <algorithm>
#include <cmath>

namespace aerolune::blayer {

namespace {

constexpr double kappa = 0.4;
constexpr double dampingConstant = 26.0;

// Clauser's constant with Cebeci's correction for low Re_theta: wake strength
// Pi rises from 0 at Re_theta = 425 towards 0.55, so alpha falls from
// 0.0168 x 1.55 to 0.0168.
double clauserAlpha(double reTheta) {
    const double z = std::max(reTheta / 425.0 - 1.0, 0.0);
    const double pi = 0.55 * (1.0 - std::exp(-0.243 * std::sqrt(z) - 0.298 * z));
    return 0.0168 * 1.55 / (1.0 + pi);
}

}  // namespace

void cebeciSmith(Profile& p, std::vector<double>& dbdv, const NormalGrid& grid, const EddyStation& st) {
    const int top = grid.lastNode();
    dbdv.assign(top + 1, 0.0);
    if (st.gammaTr <= 0.0) {
        std::fill(p.b.begin(), p.b.end(), 1.0);
        return;
    }
    const double sqrtRx = std::sqrt(st.reX);
    const double rx4 = std::sqrt(sqrtRx);
    const double vw = std::max(std::fabs(p.v[0]), 1e-8);
    // Strong adverse gradients would make N imaginary; N >= 0.1 keeps the
    // damping finite up to separation.
    const double pPlus = st.m / (vw * std::sqrt(vw) * rx4);
    const double n = std::sqrt(std::max(1.0 - 11.8 * pPlus, 0.01));
    const double yPlusPerEta = rx4 * std::sqrt(vw);

    const ProfileThickness thick = profileThickness(p, grid);
    const double epsOuterWall =
        clauserAlpha(thick.momentum * sqrtRx) * sqrtRx * std::max(thick.displacement, 0.0);
    const double etaDelta = std::max(thick.eta995, 1e-6);

    bool inner = true;
    for (int j = 0; j <= top; ++j) {
        const double eta = grid.eta[j];
        const double ratio = eta / etaDelta;
        const double r3 = ratio * ratio * ratio;
        const double epsOuter = epsOuterWall / (1.0 + 5.5 * r3 * r3);
        double eps = epsOuter;
        if (inner) {
            const double damping = 1.0 - std::exp(-n * eta * yPlusPerEta / dampingConstant);
            const double epsInner =
                kappa * kappa * sqrtRx * eta * eta * damping * damping * std::fabs(p.v[j]);
            if (epsInner < epsOuter) {
                eps = epsInner;
                dbdv[j] = st.gammaTr * epsInner;  // eps_i is proportional to |v|
            } else {
                inner = false;
            }
        }
        p.b[j] = 1.0 + st.gammaTr * eps;
    }
}

double chenThysonGamma(double xMinusXtr, double integralDxOverUe, double ueTr, double reXtr, double re) {
    if (xMinusXtr <= 0.0) return 0.0;
    // Below Re_x,tr = 1e5 the fit for C^2 would fall towards zero and then turn
    // negative; transition forced that close to the leading edge keeps the
    // value at 1e5.
    const double c2 = 213.0 * (std::log10(std::max(reXtr, 1e5)) - 4.7323);
    const double g = 3.0 / c2 * ueTr * ueTr * ueTr * re * re * std::pow(std::max(reXtr, 1.0), -1.34);
    return 1.0 - std::exp(-g * xMinusXtr * integralDxOverUe);
}

}  // namespace aerolune::blayer
