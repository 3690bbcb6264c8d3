#include "numerics/linaero/CamberSlope.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace aerolune {

namespace {

bool allFinite(const std::vector<double>& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace

CamberSlope::CamberSlope(const std::vector<double>& x, const std::vector<double>& z) {
    std::vector<std::pair<double, double>> points;
    const std::size_t n = std::min(x.size(), z.size());
    points.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        if (std::isfinite(x[i]) && std::isfinite(z[i])) points.emplace_back(x[i], z[i]);
    std::stable_sort(points.begin(), points.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });

    // One ordinate per station: coincident stations give their mean.
    for (std::size_t i = 0; i < points.size();) {
        std::size_t j = i;
        double sum = 0.0;
        while (j < points.size() && points[j].first == points[i].first) sum += points[j++].second;
        x_.push_back(points[i].first);
        z_.push_back(sum / static_cast<double>(j - i));
        i = j;
    }
    if (x_.size() < 2) return;

    for (std::size_t i = 0; i + 1 < x_.size(); ++i)
        delta_.push_back((z_[i + 1] - z_[i]) / (x_[i + 1] - x_[i]));

    if (x_.size() == 2)
        s_.assign(2, delta_[0]);
    else if (x_.size() == 3)
        fitParabola();
    else
        fitNotAKnot();

    // Stations crowded to the limit of the number format can defeat the
    // elimination; fall back to chord slopes rather than hand on an overflow.
    if (!allFinite(s_)) {
        s_.assign(x_.size(), 0.0);
        s_.front() = delta_.front();
        s_.back() = delta_.back();
        for (std::size_t i = 1; i + 1 < x_.size(); ++i) s_[i] = 0.5 * (delta_[i - 1] + delta_[i]);
    }
}

// Three stations carry exactly one parabola; its slopes at the stations make
// the Hermite pieces reproduce it.
void CamberSlope::fitParabola() {
    const double curvature = (delta_[1] - delta_[0]) / (x_[2] - x_[0]);
    s_.resize(3);
    for (std::size_t i = 0; i < 3; ++i) s_[i] = delta_[0] + curvature * (2.0 * x_[i] - x_[0] - x_[1]);
}

// Station slopes s(i) of the not-a-knot spline (third derivative continuous
// across the second and the last-but-one station): a tridiagonal system,
// interior rows from continuity of the second derivative,
//   h(i) s(i-1) + 2 (h(i-1) + h(i)) s(i) + h(i-1) s(i+1) = 3 (h(i) d(i-1) + h(i-1) d(i)),
// with h the interval widths and d the chord slopes; solved by forward
// elimination and back substitution.
void CamberSlope::fitNotAKnot() {
    const std::size_t n = x_.size();
    std::vector<double> h(n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i) h[i] = x_[i + 1] - x_[i];
    const std::vector<double>& d = delta_;

    std::vector<double> sub(n, 0.0), diag(n, 0.0), super(n, 0.0), rhs(n, 0.0);
    const double x31 = h[0] + h[1];
    diag[0] = h[1];
    super[0] = x31;
    rhs[0] = ((h[0] + 2.0 * x31) * h[1] * d[0] + h[0] * h[0] * d[1]) / x31;
    for (std::size_t i = 1; i + 1 < n; ++i) {
        sub[i] = h[i];
        diag[i] = 2.0 * (h[i - 1] + h[i]);
        super[i] = h[i - 1];
        rhs[i] = 3.0 * (h[i] * d[i - 1] + h[i - 1] * d[i]);
    }
    const double xn = h[n - 3] + h[n - 2];
    sub[n - 1] = xn;
    diag[n - 1] = h[n - 3];
    rhs[n - 1] = (h[n - 2] * h[n - 2] * d[n - 3] + (2.0 * xn + h[n - 2]) * h[n - 3] * d[n - 2]) / xn;

    for (std::size_t i = 1; i < n; ++i) {
        const double m = sub[i] / diag[i - 1];
        diag[i] -= m * super[i - 1];
        rhs[i] -= m * rhs[i - 1];
    }
    s_.assign(n, 0.0);
    s_[n - 1] = rhs[n - 1] / diag[n - 1];
    for (std::size_t i = n - 1; i-- > 0;) s_[i] = (rhs[i] - super[i] * s_[i + 1]) / diag[i];
}

std::size_t CamberSlope::interval(double x) const {
    const auto above = std::upper_bound(x_.begin(), x_.end(), x);
    const std::size_t k = static_cast<std::size_t>(above - x_.begin());
    return std::clamp<std::size_t>(k == 0 ? 0 : k - 1, 0, x_.size() - 2);
}

// Derivative of the cubic Hermite piece on [x(k), x(k+1)] with t = (x - x(k)) / h:
//   dz/dx = 6 t (1 - t) d(k) + (3t^2 - 4t + 1) s(k) + (3t^2 - 2t) s(k+1).
double CamberSlope::slope(double x) const {
    if (x_.size() < 2) return 0.0;
    if (!(x > x_.front())) return s_.front();
    if (x >= x_.back()) return s_.back();
    const std::size_t k = interval(x);
    const double t = (x - x_[k]) / (x_[k + 1] - x_[k]);
    return 6.0 * t * (1.0 - t) * delta_[k] + (3.0 * t * t - 4.0 * t + 1.0) * s_[k] +
           (3.0 * t * t - 2.0 * t) * s_[k + 1];
}

}  // namespace aerolune
