#include "analysis/TurbulentStep.h"

#include <algorithm>
#include <cmath>

namespace aerolune {

bool TurbulentStep(double& Cf, double& H, double theta, double Re_theta, double Ue, double g) {
    for (int pass = 0; pass < kTurbulentStepIterations; ++pass) {
        Cf = 0.3 * std::exp(-1.33 * H) * std::pow(std::log10(Re_theta), -1.74 - 0.31 * H);
        if (!(Cf > 0.0) || !std::isfinite(Cf)) return true;
        const double l = std::sqrt(2.0 / Cf);
        const double beta = -l * l * H * theta * g / (Ue + 1e-05);
        const double root = std::max(0.0, 0.5776 + 1.68 * (beta + 0.4));
        const double G = (-0.76 + std::sqrt(root)) / 0.84;
        const double D = (2.0 + 3.179 * G + 1.5 * G * G) / (0.4 * (1.0 + G));
        H = l / (l - D);
        if (!(H >= 0.0 && H <= 6.0)) return true;
    }
    return false;
}

}  // namespace aerolune
