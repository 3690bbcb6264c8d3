#include "numerics/viscous/ContourRepanel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace aerolune::viscous {

namespace {

// Share of a full cosine distribution in the blend (the rest a quarter-
// cosine, finest at the nose only): the trailing edge's spacing is then
// (1 - kCosineShare) pi / 2 times the surface's mean spacing.
constexpr double kCosineShare = 0.3;

// A natural cubic spline through (s_i, f_i), s increasing.
class Spline {
public:
    Spline(const std::vector<double>& s, const std::vector<double>& f) : s_(s), f_(f), m_(s.size(), 0.0) {
        const std::size_t n = s.size();
        if (n < 3) return;
        std::vector<double> a(n, 0.0), b(n, 1.0), c(n, 0.0), r(n, 0.0);
        for (std::size_t i = 1; i + 1 < n; ++i) {
            const double h0 = s[i] - s[i - 1], h1 = s[i + 1] - s[i];
            a[i] = h0 / 6.0;
            b[i] = (h0 + h1) / 3.0;
            c[i] = h1 / 6.0;
            r[i] = (f[i + 1] - f[i]) / h1 - (f[i] - f[i - 1]) / h0;
        }
        // Thomas algorithm for the second derivatives (zero at both ends).
        for (std::size_t i = 1; i < n; ++i) {
            const double w = a[i] / b[i - 1];
            b[i] -= w * c[i - 1];
            r[i] -= w * r[i - 1];
        }
        m_[n - 1] = r[n - 1] / b[n - 1];
        for (std::size_t i = n - 1; i-- > 0;) m_[i] = (r[i] - c[i] * m_[i + 1]) / b[i];
    }

    double operator()(double t) const {
        const std::size_t n = s_.size();
        std::size_t k = static_cast<std::size_t>(std::upper_bound(s_.begin(), s_.end(), t) - s_.begin());
        k = std::clamp<std::size_t>(k, 1, n - 1);
        const double h = s_[k] - s_[k - 1];
        const double u = (s_[k] - t) / h, v = (t - s_[k - 1]) / h;
        return u * f_[k - 1] + v * f_[k] +
               ((u * u * u - u) * m_[k - 1] + (v * v * v - v) * m_[k]) * h * h / 6.0;
    }

private:
    std::vector<double> s_, f_, m_;
};

// Fraction of a surface's arc length at fraction u of its nodes, u = 0 at the
// nose, 1 at the trailing edge: zero slope at the nose, a finite one at the edge.
double arcFraction(double u) {
    const double pi = std::numbers::pi;
    return (1.0 - kCosineShare) * (1.0 - std::cos(0.5 * pi * u)) +
           kCosineShare * 0.5 * (1.0 - std::cos(pi * u));
}

}  // namespace

bool repanelContour(const std::vector<double>& x, const std::vector<double>& y, int nodes,
                    std::vector<double>& outX, std::vector<double>& outY) {
    const std::size_t n = x.size();
    if (n < 8 || y.size() != n || nodes < 8 || nodes % 2 != 0) return false;
    // Closed outline: the trailing edge repeated at the end.
    std::vector<double> px(x), py(y), s(n + 1, 0.0);
    px.push_back(x.front());
    py.push_back(y.front());
    for (std::size_t i = 1; i <= n; ++i) {
        s[i] = s[i - 1] + std::hypot(px[i] - px[i - 1], py[i] - py[i - 1]);
        if (!(s[i] > s[i - 1])) return false;
    }
    std::size_t nose = 0;
    for (std::size_t i = 1; i < n; ++i)
        if (px[i] < px[nose]) nose = i;
    if (nose == 0) return false;
    const Spline sx(s, px), sy(s, py);
    const double lower = s[nose], upper = s[n] - s[nose];
    const int half = nodes / 2;
    outX.assign(static_cast<std::size_t>(nodes), 0.0);
    outY.assign(static_cast<std::size_t>(nodes), 0.0);
    for (int j = 0; j < half; ++j) {
        // Lower surface from the trailing edge to the nose, then the upper one back.
        const double tl = lower * (1.0 - arcFraction(1.0 - static_cast<double>(j) / half));
        const double tu = s[nose] + upper * arcFraction(static_cast<double>(j) / half);
        outX[static_cast<std::size_t>(j)] = sx(tl);
        outY[static_cast<std::size_t>(j)] = sy(tl);
        outX[static_cast<std::size_t>(half + j)] = sx(tu);
        outY[static_cast<std::size_t>(half + j)] = sy(tu);
    }
    for (double v : outX)
        if (!std::isfinite(v)) return false;
    for (double v : outY)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace aerolune::viscous
