#include "analysis/SurfaceBoundaryLayer.h"

#include <algorithm>
#include <cmath>

#include "analysis/TurbulentStep.h"

namespace aerolune {

namespace {

// Thwaites' lambda at a stagnation point (Hiemenz flow); station 1 takes the
// shape factor and shear of that flow.
constexpr double kStagnationLambda = 0.075;

// Step lengths and edge-velocity gradients, forward differences on 1..n-1 and
// the backward difference at n (which is the same quotient as at n-1).
struct Steps {
    Array1<double> ds;
    Array1<double> g;
};

Steps stepsOf(const Array1<double>& Ue, const Array1<double>& s, int32_t n) {
    Steps st{Array1<double>(n), Array1<double>(n)};
    for (int32_t i = 1; i <= n - 1; ++i) {
        st.ds(i) = s(i + 1) - s(i);
        if (st.ds(i) != 0.0) {
            st.g(i) = (Ue(i + 1) - Ue(i)) / st.ds(i);
        } else {
            st.g(i) = i > 1 ? st.g(i - 1) : 0.0;  // two stations at one place: no new gradient
        }
    }
    if (n >= 2) {
        st.ds(n) = st.ds(n - 1);
        st.g(n) = st.g(n - 1);
    }
    return st;
}

// Thwaites' correlations are fits to exact laminar solutions for lambda from
// -0.09 (separation) to 0.25 (strong acceleration), and nothing outside. The
// quintic for H in particular turns over beyond them: at lambda = 1 it gives
// H = -700, and a laminar trailing-edge drag of theta Ue^((H + 5) / 2) then
// runs to 1e143. The correlations are evaluated at lambda held to that range;
// the separation test still sees lambda as it is.
constexpr double kThwaitesLeast = -0.09;
constexpr double kThwaitesMost = 0.25;

double inThwaitesRange(double lambda) { return std::clamp(lambda, kThwaitesLeast, kThwaitesMost); }

// The shape factor as a function of Thwaites' lambda.
double thwaitesShape(double lambda) {
    const double z = 0.25 - inThwaitesRange(lambda);
    return 2.0 + 4.14 * z - 85.5 * z * z + 854.0 * std::pow(z, 3) - 3337.0 * std::pow(z, 4) +
           4576.0 * std::pow(z, 5);
}

double laminarShear(double lambda, double Ue, double re, double theta) {
    if (theta <= 0.0) return 0.0;
    return std::pow(std::fabs(inThwaitesRange(lambda) + 0.09), 0.62) * Ue / (re * theta);
}

std::string invalidInput(const Array1<double>& Ue, const Array1<double>& s, int32_t n, double re) {
    if (!(re > 0.0) || !std::isfinite(re)) return "the Reynolds number is not a positive number";
    if (n > Ue.size() || n > s.size()) return "fewer stations than the march was told";
    for (int32_t i = 1; i <= n; ++i) {
        if (!std::isfinite(Ue(i)) || !std::isfinite(s(i)))
            return "a station's velocity or arc length is not a number";
        if (Ue(i) < 0.0) return "a negative edge velocity";
    }
    return {};
}

// Thwaites' march from station 2 until the layer separates or
// transition is predicted; returns the station where the turbulent march
// starts, or 0 when the surface stays laminar.
int32_t laminarMarch(const Array1<double>& Ue, const Array1<double>& s, const Steps& st, int32_t n, double re,
                     SurfaceBoundaryLayerResult& r) {
    const double nu = 1.0 / re;
    r.theta(1) = 0.0;
    r.deltaStar(1) = 0.0;
    r.H(1) = thwaitesShape(kStagnationLambda);
    double I = 0.0;
    for (int32_t i = 2; i <= n; ++i) {
        I += st.ds(i - 1) * (std::pow(Ue(i - 1), 5) + std::pow(Ue(i), 5)) / 2.0;
        const double theta2 = 0.45 * nu * I / std::pow(Ue(i), 6);
        r.theta(i) = (Ue(i) > 0.0 && std::isfinite(theta2)) ? std::sqrt(theta2) : r.theta(i - 1);
        const double lambda = r.theta(i) * r.theta(i) * (st.g(i) + st.g(i - 1)) / 2.0 / nu;
        const double Re_theta = Ue(i) * r.theta(i) * re;
        const double Re_x = s(i) * re * Ue(i);
        r.H(i) = thwaitesShape(lambda);
        r.deltaStar(i) = r.H(i) * r.theta(i);
        r.wallShear(i) = laminarShear(lambda, Ue(i), re, r.theta(i));
        if (lambda <= -0.09) {
            r.laminarSeparation = true;
            return i;
        }
        if (Re_theta > 2.9 * std::pow(Re_x, 0.4)) {
            r.transitionFactor = (std::log(Re_theta) + 21.74) / 18.4;
            r.wallShear(i) *= r.transitionFactor;
            return i;
        }
    }
    return 0;
}

// The drag of a surface laminar to its end (no factor 2 here).
void laminarDrag(const Array1<double>& Ue, int32_t n, SurfaceBoundaryLayerResult& r) {
    double Hend = r.H(n - 1);
    if (Hend >= 2.5) Hend = 2.5;
    r.drag = r.theta(n - 1) * std::pow(Ue(n - 1), (Hend + 5.0) / 2.0);
    r.lastStation = n;
    r.TransitionPoint = n;
}

// The turbulent momentum march from station i0; returns J, the
// integral of Ue^3.5 ds from i0 to the trailing edge.
double turbulentMarch(const Array1<double>& Ue, const Steps& st, int32_t n, int32_t i0, double re,
                      SurfaceBoundaryLayerResult& r) {
    double J = 0.0;
    double H = 1.3;
    double Cf = 0.0;
    bool separated = TurbulentStep(Cf, H, r.theta(i0), Ue(i0) * r.theta(i0) * re, Ue(i0), st.g(i0));
    r.lastStation = i0;
    for (int32_t i = i0; i <= n - 1; ++i) {
        J += (std::pow(Ue(i), 3.5) + std::pow(Ue(i + 1), 3.5)) * st.ds(i) / 2.0;
        if (separated) continue;
        const double a = st.ds(i) * (2.0 + r.H(i)) * st.g(i);
        const double thetaNext =
            (r.theta(i) * (1.0 - a / (2.0 * Ue(i))) + st.ds(i) * Cf / 2.0) / (1.0 + a / (2.0 * Ue(i + 1)));
        r.lastStation = i + 1;
        if (!(thetaNext > 0.0) || !std::isfinite(thetaNext)) {
            separated = true;  // the edge flow stopped under the layer
            continue;
        }
        r.theta(i + 1) = thetaNext;
        separated = TurbulentStep(Cf, H, thetaNext, Ue(i + 1) * thetaNext * re, Ue(i + 1), st.g(i + 1));
        r.H(i + 1) = H;
        r.deltaStar(i + 1) = H * thetaNext;
        r.wallShear(i + 1) = 0.0;
    }
    r.turbulentSeparation = separated;
    if (separated) {
        // Hold the thicknesses of the last attached station from the separation on.
        const int32_t attached = r.lastStation - 1;
        for (int32_t j = r.lastStation; j <= n; ++j) {
            r.theta(j) = r.theta(attached);
            r.H(j) = r.H(attached);
            r.deltaStar(j) = r.deltaStar(attached);
            r.wallShear(j) = 0.0;
        }
    }
    return J;
}

// The drag of a turbulent surface.
void turbulentDrag(const Array1<double>& Ue, int32_t i0, double J, double re, int32_t polarSolution,
                   SurfaceBoundaryLayerResult& r) {
    const double x_v = 62.5 * std::pow(re, 0.25) * std::pow(r.theta(i0), 1.25) * std::pow(Ue(i0), 3.75);
    const double Cd_f = 0.074 / std::pow(re, 0.2) * std::pow(J + x_v, 0.8);
    const int32_t k = r.lastStation - 1;
    double Hend = r.H(k);
    if (Hend > 2.5) Hend = 2.5;
    const double Cd = 2.0 * r.theta(k) * std::pow(Ue(k), 2.5 + Hend / 2.0);
    const bool farFromFlatPlate = Cd_f != 0.0 && std::fabs(Cd - Cd_f) / std::fabs(Cd_f) > 0.5;
    r.drag = (farFromFlatPlate || polarSolution == 1) ? Cd_f : Cd;
}

}  // namespace

SurfaceBoundaryLayerResult SurfaceBoundaryLayer(const Array1<double>& Ue, const Array1<double>& s, int32_t n,
                                                double re, int32_t polarSolution) {
    SurfaceBoundaryLayerResult r;
    r.error = invalidInput(Ue, s, n, re);
    if (!r.error.empty()) return r;
    r.ok = true;
    const int32_t stations = n > 0 ? n : 0;
    r.theta.resize(stations);
    r.deltaStar.resize(stations);
    r.H.resize(stations);
    r.wallShear.resize(stations);
    if (n < 2) {
        r.lastStation = stations;
        r.TransitionPoint = stations;
        return r;
    }
    const Steps st = stepsOf(Ue, s, n);
    const int32_t i0 = laminarMarch(Ue, s, st, n, re, r);
    if (i0 == 0) {
        laminarDrag(Ue, n, r);
        return r;
    }
    r.TransitionPoint = i0;
    const double J = turbulentMarch(Ue, st, n, i0, re, r);
    turbulentDrag(Ue, i0, J, re, polarSolution, r);
    return r;
}

}  // namespace aerolune
