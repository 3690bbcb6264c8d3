#pragma once
// Interpolating cubic spline y(s) through points with strictly increasing s,
// with not-a-knot ends (the end intervals continue the cubic of their
// neighbours, so the ends are as accurate as the interior).

#include <vector>

namespace aerolune {

class CubicSpline {
public:
    CubicSpline() = default;
    /// Needs at least two points and strictly increasing s.
    CubicSpline(std::vector<double> s, std::vector<double> y);

    double operator()(double s) const;
    double derivative(double s) const;

private:
    std::size_t interval(double s) const;

    std::vector<double> s_;
    std::vector<double> y_;
    std::vector<double> m_;  // second derivatives at the knots
};

}  // namespace aerolune
