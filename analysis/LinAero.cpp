#include "analysis/LinAero.h"

#include <algorithm>
#include <cmath>

#include "numerics/linaero/Linaero.h"

namespace aerolune {

namespace {

// NH from the point count, held to what the node arrays can supply: station
// NH - 1 reads node 2 NH - 2, so NH may not exceed nodes / 2 + 1.
int32_t camberStationCount(int32_t pointCount, std::ptrdiff_t nodes) {
    const double requested = std::floor(pointCount / 2.0 + 1.0);
    const double available = std::floor(static_cast<double>(nodes) / 2.0 + 1.0);
    if (!(requested >= 1.0)) return 1;
    return static_cast<int32_t>(std::min(requested, available));
}

// The leading-edge node pairs with itself, so its ordinate is a point of the
// contour, not a midpoint between the surfaces. On a cambered NACA section the
// upper surface runs ahead of that node, and the midpoints at the first
// stations lie some 0.0015 chord (2412) above it: taken as it stands, the
// node puts a step into the camber line at x = 0, and because the Glauert
// integrals weigh the nose as 1/theta, A0, A1, A2... then grow in proportion
// to the number of points (A1 of the 2412 is 0.165 at 120 points and 0.33 at
// 340, against 0.075). Lift and moments hardly notice (the step cancels in
// 2 A0 + A1 and A2 - A1), but the listed coefficients would be meaningless.
// The midpoint line near the nose varies smoothly with sqrt(x) (= sin(theta/2)
// on the cosine stations), so its value at x = 0 is extrapolated by the
// parabola in sqrt(x) through the next three stations. A symmetric section
// keeps 0; with too few stations the node's own ordinate stays.
float leadingEdgeMidpoint(const Array1<float>& xc, const Array1<float>& zc, float nodeOrdinate) {
    if (xc.size() < 5) return nodeOrdinate;
    double s[3], z[3];
    for (int j = 0; j < 3; ++j) {
        s[j] = std::sqrt(std::max(0.0, static_cast<double>(xc(j + 2))));
        z[j] = zc(j + 2);
    }
    if (!(0.0 < s[0] && s[0] < s[1] && s[1] < s[2])) return nodeOrdinate;
    double value = 0.0;
    for (int j = 0; j < 3; ++j) {
        double weight = 1.0;  // Lagrange weight of station j at s = 0
        for (int k = 0; k < 3; ++k)
            if (k != j) weight *= s[k] / (s[k] - s[j]);
        value += weight * z[j];
    }
    return std::isfinite(value) ? static_cast<float>(value) : nodeOrdinate;
}

// The trailing-edge node is the camber line's last point. A deflected flap
// swings it forward (to x = 0.933 for 50 % at 30 degrees), so the camber line
// ends short of the forced station x = 1. Carrying it on to x = 1 along its
// last segment is no property of the section: where a surface runs nearly
// vertical into the edge (a 5930 with that flap reaches it at -89 degrees) the
// last segment's slope grows with the point count and so did the lift (cl 18
// at 40 points, -508 at 340). Instead the camber line is taken over the
// section's own projected chord, from the leading edge to the trailing-edge
// node, and stretched to unit length in both coordinates so its slopes stay
// as they are; the coefficients are scaled back to the unit reference chord.
// That keeps the flap's lift within 2 % of the small-deflection hinge theory
// up to 30 degrees, where carrying the flap line on to x = 1 gave 10 % more.
// A node at x = 1, as every unflapped section has, leaves everything as it was.
double projectedChord(float xNode, float xLast) {
    if (xNode == 1.0f || !(xNode > xLast) || !(xNode < 1.0f)) return 1.0;
    return xNode;
}

// A thick section turned by a large flap can fold its upper surface over at
// the edge: it reaches the trailing edge vertically (the 5930 with a 50 % flap
// at 30 degrees), and the midpoints of the node pairs inherit that vertical
// end. The Glauert integrals weigh the edge as 1 / (pi - theta), so a camber
// line ending vertically has no finite thin-airfoil lift: resolved ever
// closer to the edge it grows without bound (cl 7.1 at 40 points, 9.2 at 340).
// On a flapped camber line the last half per cent of the projected chord is
// therefore taken as straight, the chord from the camber line there to the
// edge node; finer points then no longer reach into the fold. An unflapped
// camber line, or a flapped one whose end the stations do not resolve that
// finely, is left as it is.
void straightenFlapEnd(Array1<float>& xc, Array1<float>& zc) {
    constexpr double kEndLength = 0.005;  // projected chords
    const int32_t n = static_cast<int32_t>(xc.size());
    const double xe = 1.0 - kEndLength;
    int32_t k = n - 1;  // last station at or ahead of xe
    while (k > 1 && xc(k) > xe) --k;
    if (k >= n - 1 || !(xc(k + 1) > xc(k))) return;
    const double t = (xe - xc(k)) / (static_cast<double>(xc(k + 1)) - xc(k));
    const double ze = zc(k) + t * (static_cast<double>(zc(k + 1)) - zc(k));
    const double slope = (zc(n) - ze) / kEndLength;
    for (int32_t i = k + 1; i < n; ++i) zc(i) = static_cast<float>(ze + slope * (xc(i) - xe));
}

}  // namespace

void LinAero::AeroCoeff(const Array1<float>& z, const Array1<float>& x) {
    // 1. stations, order and angle
    const std::ptrdiff_t nodes = std::min(z.size(), x.size());
    NH_ = camberStationCount(pointCount, nodes);
    order_ = quadratureOrder;
    alpha_ = static_cast<float>(angleDeg * 4.0 * std::atan(1.0) / 180.0);

    // 2. camber stations: the upper-surface node abscissae from the leading edge
    xc_.resize(static_cast<std::size_t>(NH_));
    for (int32_t i = 1; i <= NH_ - 1; ++i) xc_(i) = x(NH_ + i - 1);
    const double chord = NH_ >= 2 && nodes >= 1 ? projectedChord(x(1), xc_(NH_ - 1)) : 1.0;
    if (chord != 1.0)
        for (int32_t i = 2; i <= NH_ - 1; ++i) xc_(i) = static_cast<float>(xc_(i) / chord);
    xc_(1) = 0.0f;
    xc_(NH_) = 1.0f;

    // 3. camber ordinates: the mean of the node pair at each station, the
    //    trailing-edge node last
    zc_.resize(static_cast<std::size_t>(NH_));
    for (int32_t i = 1; i <= NH_ - 1; ++i) zc_(i) = (z(NH_ - i + 1) + z(NH_ + i - 1)) / 2.0f;
    zc_(NH_) = nodes >= 1 ? z(1) : 0.0f;
    if (chord != 1.0)
        for (int32_t i = 1; i <= NH_; ++i) zc_(i) = static_cast<float>(zc_(i) / chord);

    // 3a. the two ends, where the nodes are not a pair at the forced station
    zc_(1) = leadingEdgeMidpoint(xc_, zc_, zc_(1));
    if (chord != 1.0 && NH_ >= 3) straightenFlapEnd(xc_, zc_);

    // 4. the Fourier coefficients, on the unit reference chord
    linaero(&alpha_, zc_.data(), xc_.data(), &NH_, &order_, &A0, &A1, &A2, &A3, &A4, &A5, &A6, &A7, &A8);
    if (chord != 1.0)
        for (float* a : {&A0, &A1, &A2, &A3, &A4, &A5, &A6, &A7, &A8}) *a = static_cast<float>(*a * chord);
}

}  // namespace aerolune
