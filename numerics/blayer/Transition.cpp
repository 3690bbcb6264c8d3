#include "numerics/blayer/Transition.h"

#include <cmath>

namespace aerolune::blayer {

bool epplerTransition(double reTheta, double h32) {
    return reTheta > 1.0 && std::log(reTheta) >= 18.4 * h32 - 21.74;
}

double roughnessReynolds(const Profile& p, const NormalGrid& grid, double scale, double ue, double k, double re) {
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

bool naturalTransition(double reTheta, double h32, double reK) {
    return reK >= criticalRoughnessReynolds || epplerTransition(reTheta, h32);
}

}  // namespace aerolune::blayer
