#include "plot/Blasius.h"

#include <array>
#include <cmath>

namespace aerolune::plot {

namespace {

// f''' + f f'' / 2 = 0, f(0) = f'(0) = 0, f''(0) = 0.332057 (the wall shear
// that makes f' tend to 1), integrated with fourth-order Runge-Kutta.
using State = std::array<double, 3>;

State slope(const State& f) { return {f[1], f[2], -0.5 * f[0] * f[2]}; }

State step(const State& f, double h) {
    auto add = [](const State& a, const State& b, double k) {
        return State{a[0] + k * b[0], a[1] + k * b[1], a[2] + k * b[2]};
    };
    const State k1 = slope(f), k2 = slope(add(f, k1, h / 2)), k3 = slope(add(f, k2, h / 2)),
                k4 = slope(add(f, k3, h));
    State out;
    for (int i = 0; i < 3; ++i) out[i] = f[i] + h / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
    return out;
}

// Displacement thickness of the Blasius layer in eta units.
constexpr double kDeltaStarEta = 1.7208;

}  // namespace

BlasiusCurve blasiusProfile(double displacementThickness, double edgeVelocity, double yTop) {
    BlasiusCurve c;
    if (!(displacementThickness > 0) || !std::isfinite(displacementThickness) || !std::isfinite(edgeVelocity))
        return c;
    const double scale = displacementThickness / kDeltaStarEta;  // height of one eta
    State f{0, 0, 0.332057};
    const double h = 0.1;
    for (double eta = 0; eta <= 8.0 + 1e-9; eta += h) {
        const double y = eta * scale;
        if (y > yTop) break;
        c.u.push_back(edgeVelocity * f[1]);
        c.y.push_back(y);
        f = step(f, h);
    }
    return c;
}

}  // namespace aerolune::plot
