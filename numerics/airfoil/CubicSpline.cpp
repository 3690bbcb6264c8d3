#include "numerics/airfoil/CubicSpline.h"

#include <algorithm>

namespace aerolune {

namespace {

// Second derivatives M of the spline: the interior continuity equations
//   h(i-1) M(i-1) + 2 (h(i-1) + h(i)) M(i) + h(i) M(i+1) = 6 (d(i) - d(i-1)),
// d(i) the slope of interval i, closed by not-a-knot ends (third derivative
// continuous at the second and the last-but-one knot) eliminated into the
// first and last rows, then solved as a tridiagonal system.
std::vector<double> secondDerivatives(const std::vector<double>& s, const std::vector<double>& y) {
    const std::size_t n = s.size() - 1;  // intervals
    std::vector<double> m(n + 1, 0.0);
    if (n < 3) return m;  // too few knots for not-a-knot: the natural spline (M = 0) of 2 or 3 points
    std::vector<double> h(n), d(n);
    for (std::size_t i = 0; i < n; ++i) {
        h[i] = s[i + 1] - s[i];
        d[i] = (y[i + 1] - y[i]) / h[i];
    }
    const std::size_t k = n - 1;  // unknowns M(1)..M(n-1)
    std::vector<double> lower(k, 0.0), diag(k, 0.0), upper(k, 0.0), rhs(k, 0.0);
    for (std::size_t r = 0; r < k; ++r) {
        std::size_t i = r + 1;
        lower[r] = h[i - 1];
        diag[r] = 2.0 * (h[i - 1] + h[i]);
        upper[r] = h[i];
        rhs[r] = 6.0 * (d[i] - d[i - 1]);
    }
    // M0 = ((h0 + h1) M1 - h0 M2) / h1 and the mirror image at the far end.
    diag[0] += h[0] * (h[0] + h[1]) / h[1];
    upper[0] -= h[0] * h[0] / h[1];
    diag[k - 1] += h[n - 1] * (h[n - 1] + h[n - 2]) / h[n - 2];
    lower[k - 1] -= h[n - 1] * h[n - 1] / h[n - 2];
    for (std::size_t r = 1; r < k; ++r) {
        double w = lower[r] / diag[r - 1];
        diag[r] -= w * upper[r - 1];
        rhs[r] -= w * rhs[r - 1];
    }
    m[k] = rhs[k - 1] / diag[k - 1];
    for (std::size_t r = k - 1; r-- > 0;) m[r + 1] = (rhs[r] - upper[r] * m[r + 2]) / diag[r];
    m[0] = ((h[0] + h[1]) * m[1] - h[0] * m[2]) / h[1];
    m[n] = ((h[n - 1] + h[n - 2]) * m[n - 1] - h[n - 1] * m[n - 2]) / h[n - 2];
    return m;
}

}  // namespace

CubicSpline::CubicSpline(std::vector<double> s, std::vector<double> y) : s_(std::move(s)), y_(std::move(y)) {
    m_ = secondDerivatives(s_, y_);
}

std::size_t CubicSpline::interval(double s) const {
    auto it = std::upper_bound(s_.begin(), s_.end(), s);
    std::size_t i = it == s_.begin() ? 0 : static_cast<std::size_t>(it - s_.begin()) - 1;
    return std::min(i, s_.size() - 2);
}

double CubicSpline::operator()(double s) const {
    std::size_t i = interval(s);
    double h = s_[i + 1] - s_[i];
    double a = (s_[i + 1] - s) / h;
    double b = (s - s_[i]) / h;
    return a * y_[i] + b * y_[i + 1] + ((a * a * a - a) * m_[i] + (b * b * b - b) * m_[i + 1]) * h * h / 6.0;
}

double CubicSpline::derivative(double s) const {
    std::size_t i = interval(s);
    double h = s_[i + 1] - s_[i];
    double a = (s_[i + 1] - s) / h;
    double b = (s - s_[i]) / h;
    return (y_[i + 1] - y_[i]) / h +
           ((1.0 - 3.0 * a * a) * m_[i] + (3.0 * b * b - 1.0) * m_[i + 1]) * h / 6.0;
}

}  // namespace aerolune
