#pragma once
// Slope of a camber line given at discrete stations, from a not-a-knot cubic
// spline through the points z(x). The thin-airfoil integrals need dz/dx at
// arbitrary chord positions; the spline's derivative is third-order accurate in
// the station spacing, which keeps the zero-lift angle of a 60-station NACA
// mean line within a few thousandths of a degree of the exact value.

#include <cstddef>
#include <vector>

namespace aerolune {

class CamberSlope {
public:
    /// Builds the interpolant from n points (x(i), z(i)), i = 0..n-1.
    /// Points with a non-finite coordinate are dropped; the rest are sorted by
    /// x and points sharing one x are merged into their mean ordinate, so the
    /// interpolant is a function of x whatever order the caller used.
    /// \param x chord positions, chords
    /// \param z camber ordinates, chords
    CamberSlope(const std::vector<double>& x, const std::vector<double>& z);

    /// dz/dx at x. Outside the stations the slope of the nearest end is used.
    /// With fewer than two distinct stations the line is flat (slope 0).
    /// \param x chord position, chords
    double slope(double x) const;

    /// Distinct stations the interpolant rests on.
    std::size_t stations() const { return x_.size(); }

private:
    void fitNotAKnot();
    void fitParabola();
    std::size_t interval(double x) const;

    std::vector<double> x_;      // strictly increasing stations
    std::vector<double> z_;      // ordinates at the stations
    std::vector<double> delta_;  // chord slope of each interval
    std::vector<double> s_;      // spline slope at each station
};

}  // namespace aerolune
