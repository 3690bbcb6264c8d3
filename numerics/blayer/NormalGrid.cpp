#include "numerics/blayer/NormalGrid.h"

#include <algorithm>
#include <cmath>

namespace aerolune::blayer {

namespace {

// Ratio K >= 1 such that the n steps a K^(offset), a K^(offset+1), ... sum to
// total; K = 1 when even steps of a already reach it (the caller then spreads
// the steps evenly instead).
double growthRatio(double a, int n, int offset, double total) {
    auto sum = [&](double k) {
        double s = 0.0, step = a * std::pow(k, offset);
        for (int i = 0; i < n; ++i, step *= k) s += step;
        return s;
    };
    if (sum(1.0) >= total) return 1.0;
    double lo = 1.0, hi = 2.0;
    while (sum(hi) < total && hi < 1e6) hi *= 2.0;
    for (int it = 0; it < 200 && hi - lo > 1e-14 * hi; ++it) {
        const double mid = 0.5 * (lo + hi);
        (sum(mid) < total ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

// Appends n steps growing from `first` by ratio k (k = 1: n even steps of
// span/n) and pins the last node to `top`, so rounding never moves the height.
void appendSteps(std::vector<double>& eta, int n, double first, double k, double top) {
    const double span = top - eta.back();
    double step = (k == 1.0) ? span / n : first;
    for (int i = 0; i < n; ++i, step *= k) eta.push_back(eta.back() + step);
    eta.back() = top;
}

}  // namespace

void Profile::resize(std::size_t nodes) {
    f.assign(nodes, 0.0);
    u.assign(nodes, 0.0);
    v.assign(nodes, 0.0);
    b.assign(nodes, 1.0);
}

NormalGrid laminarGrid(int points, double etaMax) {
    // The inner part holds Blasius (u = 0.99 at eta 4.9) and the thicker
    // profiles near separation; its steps grow sixfold from the wall to its
    // top, which balances the error of the wall shear against that of the
    // thicknesses. Above it a handful of fast-growing steps reach the grid
    // height through the outer flow, where nothing changes.
    constexpr double etaLaminar = 10.0;
    constexpr double innerFraction = 0.8;
    constexpr double innerGrowth = 6.3;
    const int intervals = points - 1;
    NormalGrid grid;
    grid.eta.reserve(points);
    grid.eta.push_back(0.0);
    const bool allInner = etaMax <= etaLaminar || intervals < 5;
    const double innerTop = allInner ? etaMax : etaLaminar;
    const int inner = allInner ? intervals : static_cast<int>(std::lround(innerFraction * intervals));
    const double k = inner > 1 ? std::pow(innerGrowth, 1.0 / (inner - 1)) : 1.0;
    appendSteps(grid.eta, inner, innerTop * (k - 1.0) / (std::pow(k, inner) - 1.0), k, innerTop);
    if (allInner) return grid;
    const double h = grid.eta[inner] - grid.eta[inner - 1];
    const double kOuter = growthRatio(h, intervals - inner, 1, etaMax - etaLaminar);
    appendSteps(grid.eta, intervals - inner, h * kOuter, kOuter, etaMax);
    return grid;
}

NormalGrid turbulentGrid(int points, double etaMax, double reynolds) {
    // On a flat plate y+ = eta sqrt(Re_x Cf / 2); with Cf = 0.0592 Re_x^-0.2
    // at Re_x = Re this puts node 1 at y+ = 1 near the trailing edge and
    // below it upstream, where Re_x is smaller.
    const double cfHalf = 0.0296 * std::pow(reynolds, -0.2);
    const double first = std::clamp(1.0 / std::sqrt(reynolds * cfHalf), 1e-4, 0.5);
    const int intervals = points - 1;
    NormalGrid grid;
    grid.eta.reserve(points);
    grid.eta.push_back(0.0);
    const double k = growthRatio(first, intervals, 0, etaMax);
    appendSteps(grid.eta, intervals, first, k, etaMax);
    return grid;
}

Profile startingProfile(const NormalGrid& grid) {
    const double edge = std::min(grid.eta.back(), 5.0);
    Profile p;
    p.resize(grid.eta.size());
    for (std::size_t j = 0; j < grid.eta.size(); ++j) {
        const double z = std::min(grid.eta[j] / edge, 1.0);
        p.u[j] = 1.5 * z - 0.5 * z * z * z;
        p.v[j] = 1.5 * (1.0 - z * z) / edge;
        if (j > 0) {
            const double h = grid.eta[j] - grid.eta[j - 1];
            p.f[j] = p.f[j - 1] + 0.5 * h * (p.u[j] + p.u[j - 1]);
        }
    }
    return p;
}

Profile transferProfile(const Profile& from, const NormalGrid& fromGrid, const NormalGrid& toGrid) {
    const auto& eo = fromGrid.eta;
    const int top = fromGrid.lastNode();
    Profile p;
    p.resize(toGrid.eta.size());
    int i = 1;
    for (std::size_t j = 0; j < toGrid.eta.size(); ++j) {
        const double eta = toGrid.eta[j];
        if (eta >= eo[top]) {
            p.u[j] = 1.0;
            p.v[j] = 0.0;
            p.f[j] = from.f[top] + (eta - eo[top]);
            continue;
        }
        while (i < top && eo[i] < eta) ++i;
        // Hermite cubic on [eo(i-1), eo(i)] in t, with slopes v = du/deta.
        const double h = eo[i] - eo[i - 1];
        const double t = (eta - eo[i - 1]) / h;
        const double u0 = from.u[i - 1], u1 = from.u[i];
        const double d0 = h * from.v[i - 1], d1 = h * from.v[i];
        const double t2 = t * t, t3 = t2 * t;
        p.u[j] =
            (2 * t3 - 3 * t2 + 1) * u0 + (t3 - 2 * t2 + t) * d0 + (-2 * t3 + 3 * t2) * u1 + (t3 - t2) * d1;
        // f = f(i-1) + integral of that cubic from 0 to t.
        const double t4 = t2 * t2;
        p.f[j] =
            from.f[i - 1] + h * ((0.5 * t4 - t3 + t) * u0 + (0.25 * t4 - 2.0 / 3.0 * t3 + 0.5 * t2) * d0 +
                                 (-0.5 * t4 + t3) * u1 + (0.25 * t4 - t3 / 3.0) * d1);
        p.v[j] = (1.0 - t) * from.v[i - 1] + t * from.v[i];
    }
    return p;
}

ProfileThickness profileThickness(const Profile& p, const NormalGrid& grid) {
    const int top = grid.lastNode();
    ProfileThickness t{0.0, 0.0, 0.0, grid.eta[top], grid.eta[top]};
    bool found99 = false, found995 = false;
    for (int j = 1; j <= top; ++j) {
        // Trapezoidal rule with its end correction h^2/12 (g'(j-1) - g'(j)),
        // exact for the cubic that u and v = u' define on the box.
        const double h = grid.step(j);
        const double u0 = p.u[j - 1], u1 = p.u[j], v0 = p.v[j - 1], v1 = p.v[j];
        t.displacement += 0.5 * h * ((1.0 - u0) + (1.0 - u1)) + h * h / 12.0 * (v1 - v0);
        t.momentum += 0.5 * h * (u0 * (1.0 - u0) + u1 * (1.0 - u1)) +
                      h * h / 12.0 * (v0 * (1.0 - 2.0 * u0) - v1 * (1.0 - 2.0 * u1));
        t.energy += 0.5 * h * (u0 * (1.0 - u0 * u0) + u1 * (1.0 - u1 * u1)) +
                    h * h / 12.0 * (v0 * (1.0 - 3.0 * u0 * u0) - v1 * (1.0 - 3.0 * u1 * u1));
        auto crossing = [&](double level, bool& found, double& at) {
            if (found || p.u[j] < level) return;
            found = true;
            const double du = p.u[j] - p.u[j - 1];
            at = du > 0.0 ? grid.eta[j - 1] + h * (level - p.u[j - 1]) / du : grid.eta[j];
        };
        crossing(0.99, found99, t.eta99);
        crossing(0.995, found995, t.eta995);
    }
    return t;
}

}  // namespace aerolune::blayer
