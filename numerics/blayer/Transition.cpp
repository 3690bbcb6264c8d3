#include "numerics/blayer/Transition.h"

#include <algorithm>
#include <cmath>

namespace aerolune::blayer {

namespace {

// The correlations are fitted for laminar profiles; below H = 1.05 they
// divide by nearly zero and no laminar layer goes there.
double held(double H) { return std::max(H, 1.05); }

}  // namespace

double criticalReTheta(double H) {
    const double h1 = held(H) - 1.0;
    const double log10Re = (1.415 / h1 - 0.489) * std::tanh(20.0 / h1 - 12.9) + 3.295 / h1 + 0.44;
    return std::pow(10.0, log10Re);
}

double amplificationRate(double H, double theta, double reTheta) {
    H = held(H);
    if (!(theta > 0.0) || !(reTheta > criticalReTheta(H))) return 0.0;
    const double a = 2.4 * H - 3.7 + 2.5 * std::tanh(1.5 * H - 4.65);
    const double dNdReTheta = 0.01 * std::sqrt(a * a + 0.25);
    const double l = (6.54 * H - 14.07) / (H * H);
    const double m = (0.058 * (H - 4.0) * (H - 4.0) / (H - 1.0) - 0.068) / l;
    return std::max(0.0, dNdReTheta * 0.5 * (m + 1.0) * l / theta);
}

double roughnessReynolds(const Profile& p, const NormalGrid& grid, double scale, double ue, double k,
                         double re) {
    if (k <= 0.0 || scale <= 0.0) return 0.0;
    const double etaK = k / scale;
    double uK = 1.0;
    for (int j = 1; j <= grid.lastNode(); ++j) {
        if (grid.eta[j] >= etaK) {
            const double t = (etaK - grid.eta[j - 1]) / grid.step(j);
            uK = p.u[j - 1] + t * (p.u[j] - p.u[j - 1]);
            break;
        }
    }
    return ue * uK * k * re;
}

}  // namespace aerolune::blayer
