#include "analysis/TurbulentStep.h"

#include <algorithm>
#include <cmath>

namespace aerolune {

bool TurbulentStep(double& Cf, double& H, double theta, double Re_theta, double Ue, double g) {
    const double logRe = std::log10(Re_theta);
    for (int pass = 0; pass < kTurbulentStepIterations; ++pass) {
        const double Hpass = H;
        Cf = 0.3 * std::exp(-1.33 * H) * std::pow(logRe, -1.74 - 0.31 * H);
        if (!(Cf > 0.0) || !std::isfinite(Cf)) return true;
        const double l = std::sqrt(2.0 / Cf);
        const double beta = -l * l * H * theta * g / (Ue + 1e-05);
        const double root = std::max(0.0, 0.5776 + 1.68 * (beta + 0.4));
        const double G = (-0.76 + std::sqrt(root)) / 0.84;
        const double D = (2.0 + 3.179 * G + 1.5 * G * G) / (0.4 * (1.0 + G));
        H = l / (l - D);
        if (!(H >= 0.0 && H <= 6.0)) return true;
        // Once a pass returns the H it started from, every later pass repeats
        // it exactly: stopping here gives the result of all 30.
        if (H == Hpass) break;
    }
    return false;
}

}  // namespace aerolune
