#include "analysis/PolarDisplacement.h"

#include <algorithm>
#include <cmath>

#include "numerics/blayer/Transition.h"

namespace aerolune {

namespace {

constexpr double kLaminarShapeMin = 2.0, kLaminarShapeMax = 3.3;
constexpr double kStartShape = 1.4;
// H1 at the turn of the two fits (H = 1.6); the inverse picks its branch by it.
const double kH1Turn = headShapeH1(1.6);
// H1 of a separated layer (the least H1 the march allows).
const double kH1Separated = headShapeH1(kHeadSeparationShape);

struct State {
    double theta, E;  ///< momentum thickness; E = Ue theta H1
};

double ludwiegTillmann(double H, double ReTheta) {
    return 0.246 * std::pow(10.0, -0.678 * H) * std::pow(std::max(ReTheta, 10.0), -0.268);
}

// d/ds of (theta, E) at edge speed Ue and gradient g.
State slope(const State& y, double Ue, double g, double re) {
    const double theta = std::max(y.theta, 1e-12);
    const double H1 = std::max(y.E / (Ue * theta), kH1Separated);
    const double H = headShapeH(H1);
    const double Cf = ludwiegTillmann(H, Ue * theta * re);
    const double F = 0.0306 * std::pow(H1 - 3.0, -0.6169);
    return {0.5 * Cf - (H + 2.0) * theta / Ue * g, Ue * F};
}

// One interval between two stations on Heun's rule, in equal sub-steps.
State advance(State y, double Ua, double Ub, double ds, double re) {
    if (!(ds > 0.0)) return y;
    const int steps = std::max(1, static_cast<int>(std::ceil(ds / kHeadStep)));
    const double h = ds / steps, g = (Ub - Ua) / ds;
    for (int k = 0; k < steps; ++k) {
        const double u0 = Ua + g * h * k, u1 = u0 + g * h;
        const State k0 = slope(y, u0, g, re);
        const State p{y.theta + h * k0.theta, y.E + h * k0.E};
        const State k1 = slope(p, u1, g, re);
        y = {std::max(y.theta + 0.5 * h * (k0.theta + k1.theta), 1e-12), y.E + 0.5 * h * (k0.E + k1.E)};
        // Separated: H held at the separation value.
        y.E = std::max(y.E, u1 * y.theta * kH1Separated);
    }
    return y;
}

}  // namespace

double headShapeH1(double H) {
    if (H <= 1.6) return 3.3 + 0.8234 * std::pow(std::max(H - 1.1, 1e-3), -1.287);
    return 3.3 + 1.5501 * std::pow(H - 0.6778, -3.064);
}

double headShapeH(double H1) {
    const double excess = std::max(H1 - 3.3, 1e-6);
    if (H1 >= kH1Turn) return 1.1 + std::pow(excess / 0.8234, -1.0 / 1.287);
    return 0.6778 + std::pow(excess / 1.5501, -1.0 / 3.064);
}

namespace {

struct TurbulentStart {
    int32_t station;        ///< n + 1 when the layer stays laminar to the trailing edge
    double theta;           ///< momentum thickness the entrainment march starts from
    double bubble = 0;      ///< the bubble's displacement thickness; 0 without a bubble
    double fallLength = 0;  ///< arc length over which that displacement falls away
};

// Michel's transition test as the drag estimate applies it.
bool michelHolds(const SurfaceStations& st, double theta, int32_t k, double re) {
    return st.Ue(k) * theta * re > 2.9 * std::pow(st.s(k) * st.Ue(k) * re, 0.4);
}

// The station where the entrainment march starts, and the displacement of
// a separated laminar layer up to it (see the header).
TurbulentStart turbulentStart(const SurfaceStations& st, const SurfaceBoundaryLayerResult& bl, int32_t n,
                              double re, Array1<double>& dstar) {
    const int32_t is = bl.TransitionPoint;
    if (!bl.laminarSeparation || is < 2 || michelHolds(st, bl.theta(is), is, re)) return {is, bl.theta(is)};
    // The attached laminar layer's amplification up to the separation.
    double N = 0.0, rate = 0.0;
    for (int32_t k = 2; k <= is; ++k) {
        const double H =
            k == is ? kSeparatedLaminarShape : std::clamp(bl.H(k), kLaminarShapeMin, kLaminarShapeMax);
        const double r = blayer::amplificationRate(H, bl.theta(k), st.Ue(k) * bl.theta(k) * re);
        N += 0.5 * (rate + r) * (st.s(k) - st.s(k - 1));
        rate = r;
    }
    // The bubble's laminar part: theta and the displacement held.
    const double theta = bl.theta(is);
    const double bubble = kLaminarShapeMax * theta;
    for (int32_t k = is; k <= n; ++k) {
        if (k > is) {
            const double rk = blayer::amplificationRate(kSeparatedLaminarShape, theta, st.Ue(k) * theta * re);
            N += 0.5 * (rate + rk) * (st.s(k) - st.s(k - 1));
            rate = rk;
        }
        dstar(k) = bubble;
        if (k > is && N >= blayer::criticalAmplification)
            return {k, theta, bubble, kReattachmentLengths * (st.s(k) - st.s(is))};
    }
    return {n + 1, theta};
}

}  // namespace

Array1<double> polarDisplacement(const SurfaceStations& st, const SurfaceBoundaryLayerResult& bl, double re) {
    const int32_t n = std::min(st.n, static_cast<int32_t>(bl.theta.size()));
    Array1<double> dstar(static_cast<std::size_t>(std::max(n, 0)));
    const int32_t is = bl.TransitionPoint >= 1 && bl.TransitionPoint < n ? bl.TransitionPoint : n + 1;
    for (int32_t k = 1; k <= std::min(n, is - 1); ++k) {
        const double H = std::clamp(bl.H(k), kLaminarShapeMin, kLaminarShapeMax);
        dstar(k) = std::isfinite(H) && std::isfinite(bl.theta(k)) ? bl.theta(k) * H : 0.0;
    }
    if (is > n) return dstar;
    const TurbulentStart start = turbulentStart(st, bl, n, re, dstar);
    const int32_t i0 = start.station;
    if (i0 > n) return dstar;

    const double minSpeed = 0.05;  // the trailing-edge run never stops the flow either
    State y{start.theta, std::max(st.Ue(i0), minSpeed) * start.theta * headShapeH1(kStartShape)};
    for (int32_t k = i0; k <= n; ++k) {
        if (k > i0)
            y = advance(y, std::max(st.Ue(k - 1), minSpeed), std::max(st.Ue(k), minSpeed),
                        st.s(k) - st.s(k - 1), re);
        const double Ue = std::max(st.Ue(k), minSpeed);
        const double H1 = std::max(y.E / (Ue * y.theta), kH1Separated);
        const double d = y.theta * headShapeH(H1);
        dstar(k) = std::isfinite(d) && d > 0.0 ? d : dstar(k - 1);
        if (start.fallLength > 0.0) {
            const double left = 1.0 - (st.s(k) - st.s(i0)) / start.fallLength;
            dstar(k) = std::max(dstar(k), start.bubble * left);
        }
    }
    return dstar;
}

}  // namespace aerolune
