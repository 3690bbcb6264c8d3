#include "numerics/viscous/IntegralIntervals.h"

#include <algorithm>
#include <cmath>

namespace aerolune::viscous {

namespace {

constexpr double kLagConstant = 5.6;
constexpr double kMinSpeed = 1e-5;
constexpr double kMinTheta = 1e-10;

struct Figures {
    double theta, dstar, ue, Hk, S;
    Closure c;
};

Figures figures(Regime regime, const StationState& s, double re) {
    Figures f;
    f.ue = std::max(s.ue, kMinSpeed);
    f.theta = std::max(s.theta, kMinTheta);
    f.dstar = s.m / f.ue;
    f.S = std::max(s.c, 1e-7);
    f.c = closure(regime, f.dstar / f.theta, re * f.ue * f.theta, f.theta, f.S * f.S);
    f.Hk = f.c.Hk;
    return f;
}

// The integral of a source term over an interval from its two end values,
// weighted towards the downstream end where the shape factor changes fast:
// (1 - w) s_a + w s_b times the interval's length, w = 1/2 (the trapezoidal
// rule, second order) in smooth flow, rising smoothly towards 1 (backward
// Euler) when Hk changes by more than a few per cent over the interval. The
// trapezoidal rule does not damp a stiff relaxation (its amplification tends
// to -1), and behind the trailing edge, where the wake's shape factor falls
// from the surfaces' values within a few panel lengths, it leaves a
// station-to-station oscillation that the coupling with the outer flow does
// not see. The upwinding follows Drela's, described for his MSES and XFOIL
// codes (Drela, AIAA Paper 86-1786; Low Reynolds Number Aerodynamics,
// Springer Lecture Notes in Engineering 54, 1989). Next to the stagnation
// point, where the terms grow as 1 / xi (Ue = a xi, theta constant), the
// rule is exact for that growth: int s dxi = ln(xi_b / xi_a) (xi_a s_a +
// xi_b s_b) / 2.
struct Span {
    double xiA, xiB;
    bool fromStagnation;
    double w = 0.5;
    double integral(double sa, double sb) const {
        if (fromStagnation && xiA > 0.0) return std::log(xiB / xiA) * 0.5 * (xiA * sa + xiB * sb);
        return (xiB - xiA) * ((1.0 - w) * sa + w * sb);
    }
};

double upwindWeight(double hkA, double hkB, bool wake) {
    const double rel = (hkB - hkA) / std::max(hkB, 1.0);
    const double scale = wake ? 200.0 : 20.0;
    return 1.0 - 0.5 * std::exp(-scale * rel * rel);
}

// The momentum and kinetic-energy equations over one (part) interval.
void integralEquations(const Figures& a, const Figures& b, const Span& span, double& r1, double& r2) {
    const double lnU = std::log(b.ue / a.ue);
    const double H = (1.0 - span.w) * a.Hk + span.w * b.Hk;
    const double friction = span.integral(a.c.Cf / (2.0 * a.theta), b.c.Cf / (2.0 * b.theta));
    const double energy = span.integral((0.5 * a.c.Cf - 2.0 * a.c.Cd / a.c.Hs) / a.theta,
                                        (0.5 * b.c.Cf - 2.0 * b.c.Cd / b.c.Hs) / b.theta);
    r1 = std::log(b.theta / a.theta) + (H + 2.0) * lnU - friction;
    r2 = std::log(b.c.Hs / a.c.Hs) + (1.0 - H) * lnU + energy;
}

// d ln S / d xi without the edge-speed term, one station.
double lagSource(const Figures& f) {
    const double g = (f.Hk - 1.0) / (6.7 * f.Hk);
    const double dstar = std::max(f.dstar, 1e-3 * f.theta);
    return kLagConstant * (std::sqrt(f.c.CtauEq) - f.S) / (2.0 * f.c.delta) +
           4.0 / (3.0 * dstar) * (0.5 * f.c.Cf - g * g);
}

double lagEquation(const Figures& a, const Figures& b, const Span& span) {
    return std::log(b.S / a.S) + std::log(b.ue / a.ue) - span.integral(lagSource(a), lagSource(b));
}

double laminarRate(const StationState& s, double re) {
    const Figures f = figures(Regime::Laminar, s, re);
    return amplificationRate(f.Hk, re * f.ue * f.theta, f.theta);
}

// The interval from the first station: the equations in their differential
// form at the interval's mid-state, which stay regular when the first
// station's speed goes to zero with its distance from the stagnation point
// (the logarithmic form's ln(Ue2/Ue1) does not).
Residual stagnationInterval(const StationState& a, const StationState& b, double dxi, double re) {
    StationState mid{0.5 * (a.c + b.c), 0.5 * (a.theta + b.theta), 0.5 * (a.m + b.m), 0.5 * (a.ue + b.ue)};
    const Figures fa = figures(Regime::Laminar, a, re), fb = figures(Regime::Laminar, b, re);
    const Figures fm = figures(Regime::Laminar, mid, re);
    const double dU = (b.ue - a.ue) / fm.ue;
    Residual r{};
    r[0] = (fb.theta - fa.theta) / fm.theta + (fm.Hk + 2.0) * dU - dxi * fm.c.Cf / (2.0 * fm.theta);
    r[1] = (fb.c.Hs - fa.c.Hs) / fm.c.Hs + (1.0 - fm.Hk) * dU +
           dxi * (0.5 * fm.c.Cf - 2.0 * fm.c.Cd / fm.c.Hs) / fm.theta;
    r[2] = b.c - a.c - dxi * amplificationRate(fm.Hk, re * fm.ue * fm.theta, fm.theta);
    return r;
}

}  // namespace

double shapeFactor(const StationState& s) {
    const double ue = std::max(s.ue, kMinSpeed);
    return s.m / ue / std::max(s.theta, kMinTheta);
}

double transitionStartShear(const StationState& s, double re) {
    const double ue = std::max(s.ue, kMinSpeed), theta = std::max(s.theta, kMinTheta);
    return std::sqrt(transitionShear(shapeFactor(s), re * ue * theta, theta));
}

double amplificationAt(const StationState& a, const StationState& b, double dxi, double re) {
    return a.c + dxi * 0.5 * (laminarRate(a, re) + laminarRate(b, re));
}

double transitionFraction(const StationState& a, double dxi, double re, double ncrit) {
    const double growth = dxi * laminarRate(a, re);
    if (!(growth > 1e-12)) return 1.0;
    return std::clamp((ncrit - a.c) / growth, 0.0, 1.0);
}

Residual intervalResidual(IntervalKind kind, const StationState& a, const StationState& b, double xiA,
                          double xiB, bool fromStagnation, double re, double ncrit) {
    Residual r{};
    const double dxi = xiB - xiA;
    const Span span{xiA, xiB, fromStagnation};
    if (kind == IntervalKind::Laminar && fromStagnation) return stagnationInterval(a, b, dxi, re);
    if (kind == IntervalKind::Laminar) {
        const Figures fa = figures(Regime::Laminar, a, re), fb = figures(Regime::Laminar, b, re);
        Span weighted = span;
        weighted.w = upwindWeight(fa.Hk, fb.Hk, false);
        integralEquations(fa, fb, weighted, r[0], r[1]);
        r[2] = b.c - amplificationAt(a, b, dxi, re);
        return r;
    }
    if (kind == IntervalKind::Transition) {
        const double f = transitionFraction(a, dxi, re, ncrit);
        const double xiT = xiA + f * dxi;
        StationState t;
        t.theta = a.theta + f * (b.theta - a.theta);
        t.m = a.m + f * (b.m - a.m);
        t.ue = a.ue + f * (b.ue - a.ue);
        t.c = ncrit;
        double l1, l2, t1, t2;
        integralEquations(figures(Regime::Laminar, a, re), figures(Regime::Laminar, t, re),
                          Span{xiA, xiT, fromStagnation}, l1, l2);
        StationState tt = t;
        tt.c = transitionStartShear(t, re);
        const Figures ft = figures(Regime::Turbulent, tt, re), fb = figures(Regime::Turbulent, b, re);
        const Span rest{xiT, xiB, false};
        integralEquations(ft, fb, rest, t1, t2);
        r[0] = l1 + t1;
        r[1] = l2 + t2;
        r[2] = lagEquation(ft, fb, rest);
        return r;
    }
    const Regime regime = kind == IntervalKind::Wake ? Regime::Wake : Regime::Turbulent;
    const Figures fa = figures(regime, a, re), fb = figures(regime, b, re);
    Span weighted = span;
    weighted.w = upwindWeight(fa.Hk, fb.Hk, kind == IntervalKind::Wake);
    integralEquations(fa, fb, weighted, r[0], r[1]);
    r[2] = lagEquation(fa, fb, weighted);
    return r;
}

Residual stagnationResidual(const StationState& s, double gradient, double re) {
    const double theta = std::max(s.theta, kMinTheta);
    return {std::log(theta) - std::log(0.29234 / std::sqrt(re * std::max(gradient, 1e-6))),
            shapeFactor(s) - 2.216, s.c};
}

Residual wakeStartResidual(const StationState& upper, bool upperTurbulent, const StationState& lower,
                           bool lowerTurbulent, const StationState& wake, double re) {
    const double tu = std::max(upper.theta, kMinTheta), tl = std::max(lower.theta, kMinTheta);
    const double su = upperTurbulent ? upper.c : transitionStartShear(upper, re);
    const double sl = lowerTurbulent ? lower.c : transitionStartShear(lower, re);
    const double mSum = upper.m + lower.m;
    return {std::log(std::max(wake.theta, kMinTheta) / (tu + tl)), (wake.m - mSum) / std::max(mSum, 1e-12),
            wake.c - (su * tu + sl * tl) / (tu + tl)};
}

}  // namespace aerolune::viscous
