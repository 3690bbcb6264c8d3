#include "numerics/viscous/IntegralClosures.h"

#include <algorithm>
#include <cmath>

namespace aerolune::viscous {

namespace {

// The shape factor the correlations are taken at: Hk above `floor` plus a
// band, and below that a smooth exponential approach to the floor. A hard
// clamp would leave the equations blind to the mass defect where an
// iterate undershoots (the Newton matrix loses its rank there); the smooth
// floor keeps them monotonic in Hk.
double softFloor(double Hk, double floor) {
    const double band = 0.05 * (floor - 1.0) + 1e-4;
    if (Hk >= floor + band) return std::min(Hk, 20.0);
    return floor + band * std::exp((Hk - floor - band) / band);
}

Closure laminar(double Hk, double reTheta) {
    Closure c;
    Hk = softFloor(Hk, 1.02);
    reTheta = std::max(reTheta, 1e-3);
    c.Hk = Hk;
    c.Hs = Hk < 4.0 ? 1.515 + 0.076 * (4.0 - Hk) * (4.0 - Hk) / Hk
                    : 1.515 + 0.040 * (Hk - 4.0) * (Hk - 4.0) / Hk;
    const double cfRe = Hk < 7.4 ? -0.067 + 0.01977 * (7.4 - Hk) * (7.4 - Hk) / (Hk - 1.0)
                                 : -0.067 + 0.022 * std::pow(1.0 - 1.4 / (Hk - 6.0), 2);
    c.Cf = 2.0 * cfRe / reTheta;
    const double d = Hk - 4.0;
    const double cdRe =
        Hk < 4.0 ? 0.207 + 0.00205 * std::pow(-d, 5.5) : 0.207 - 0.0016 * d * d / (1.0 + 0.02 * d * d);
    c.Cd = cdRe * c.Hs / (2.0 * reTheta);
    return c;
}

double turbulentHs(double Hk, double reTheta) {
    const double H0 = reTheta < 400.0 ? 4.0 : 3.0 + 400.0 / reTheta;
    const double lnRe = std::log(reTheta);
    if (Hk < H0)
        return 1.505 + 4.0 / reTheta + (0.165 - 1.6 / std::sqrt(reTheta)) * std::pow(H0 - Hk, 1.6) / Hk;
    const double e = Hk - H0;
    return 1.505 + 4.0 / reTheta + e * e * (0.04 / Hk + 0.007 * lnRe / std::pow(e + 4.0 / lnRe, 2));
}

Closure turbulent(double Hk, double reTheta, double theta, double ctau, bool wake) {
    Closure c;
    Hk = softFloor(Hk, wake ? 1.00005 : 1.02);
    reTheta = std::max(reTheta, 200.0);
    c.Hk = Hk;
    c.Hs = turbulentHs(Hk, reTheta);
    c.Cf = wake ? 0.0
                : 0.3 * std::exp(-1.33 * Hk) * std::pow(std::log10(reTheta), -1.74 - 0.31 * Hk) +
                      0.00011 * (std::tanh(4.0 - Hk / 0.875) - 1.0);
    c.Us = std::min(0.5 * c.Hs * (1.0 - 4.0 * (Hk - 1.0) / (3.0 * Hk)), wake ? 0.99995 : 0.98);
    const double hk1 = Hk - 1.0;
    c.CtauEq = c.Hs * 0.015 / (1.0 - c.Us) * hk1 * hk1 * hk1 / (Hk * Hk * Hk);
    const double outer = std::max(ctau, 0.0) * (1.0 - c.Us);
    c.Cd = wake ? 2.0 * outer : 0.5 * c.Cf * c.Us + outer;
    c.delta = theta * (3.15 + 1.72 / std::max(hk1, 0.05)) + Hk * theta;
    return c;
}

}  // namespace

Closure closure(Regime regime, double Hk, double reTheta, double theta, double ctau) {
    if (regime == Regime::Laminar) return laminar(Hk, reTheta);
    return turbulent(Hk, reTheta, theta, ctau, regime == Regime::Wake);
}

double amplificationRate(double Hk, double reTheta, double theta) {
    Hk = std::clamp(Hk, 1.05, 20.0);
    if (!(theta > 0.0) || !(reTheta > 1.0)) return 0.0;
    const double h1 = Hk - 1.0;
    const double log10Crit = (1.415 / h1 - 0.489) * std::tanh(20.0 / h1 - 12.9) + 3.295 / h1 + 0.44;
    // A smooth step from 0 to 1 over +-0.08 in log10 Re_theta about the
    // critical value.
    const double t = (std::log10(reTheta) - log10Crit) / 0.08;
    if (t <= -1.0) return 0.0;
    const double u = std::min(t, 1.0);
    const double ramp = t >= 1.0 ? 1.0 : 0.5 + 0.75 * u - 0.25 * u * u * u;
    const double a = 2.4 * Hk - 3.7 + 2.5 * std::tanh(1.5 * Hk - 4.65);
    const double dNdRe = 0.01 * std::sqrt(a * a + 0.25);
    const double l = (6.54 * Hk - 14.07) / (Hk * Hk);
    const double m = (0.058 * (Hk - 4.0) * (Hk - 4.0) / h1 - 0.068) / l;
    return ramp * std::max(0.0, dNdRe * 0.5 * (m + 1.0) * l / theta);
}

double transitionShear(double Hk, double reTheta, double theta) {
    const Closure t = turbulent(Hk, reTheta, theta, 0.0, false);
    return 1.8 * std::exp(-3.3 / std::max(t.Hk - 1.0, 0.3)) * t.CtauEq;
}

}  // namespace aerolune::viscous
